#pragma once
// The one route finder of the game. Corps orders, supply links, fleet voyages
// and the computer players ask it for a path between two hexes and read back the
// list of directions in RouteSteps, the hex where the listed steps end in
// TargetHexX/TargetHexY, and in RouteReached 2 when the target was reached, 0
// when it was not.
#include <cstdint>

#include "world/army_route.h"
#include "world/codes.h"
#include "world/hex_grid.h"
#include "world/route_search.h"

// TRouteMode
inline constexpr int kArmyRouteMode = 1;   // land forces, the scored search of ArmyRoute
inline constexpr int kRailRouteMode = 2;   // city and linked hexes held by one camp
inline constexpr int kRiverRouteMode = 3;  // hexes with the route flag
inline constexpr int kSeaRouteMode = 4;    // water and city hexes

// The route from (fromX, fromY) to (toX, toY). maxSteps and policy matter to the
// army route only. side is the camp whose hexes a rail route may use, and for an
// army route the nation whose camp it marches for.
void RouteTo(std::uint16_t fromX, std::uint16_t fromY, std::uint16_t toX, std::uint16_t toY,
             std::uint16_t maxSteps, std::uint16_t mode, std::uint16_t side, std::uint16_t policy);

// The flood's work grid. A ring is one more than the number of steps from the
// start (the start is ring 1); 0 marks a hex not reached yet, kBlocked one that
// cannot be entered. The queue holds the ringed hexes in the order they were
// ringed.
struct TRouteWorkGrid {
  static constexpr std::uint16_t kBlocked = 0xffff;
  std::uint16_t Ring[route_grid::kCells];
  std::uint16_t Queue[route_grid::kCells];
};
extern TRouteWorkGrid RouteWorkGrid;
