#pragma once
// The route of a land force. Rather than search exhaustively, it scores each hex
// by how much nearer the target it lies and runs seven greedy walks from the
// start; each walk wears down the scores of the hexes it crossed, so that later
// walks try other ways, and the walk with the best average score per step wins.
#include <cstdint>

#include "world/route_search.h"
#include "world/table.h"

// TRoutePolicy: how an army route treats hexes another camp holds.
inline constexpr int kOwnHexesOnly = 0;
inline constexpr int kAnyHex = 1;
inline constexpr int kForeignHexesNearStart = 2;

inline constexpr int kArmyRouteTrials = 7;
inline constexpr int kArmyRouteLongest = 20;

struct TRouteTrialStep {
  std::uint16_t X;
  std::uint16_t Y;
  std::uint16_t Direction;
  std::uint16_t Score;  // 0 for a step not taken
};

struct TRouteTrial {
  Table<TRouteTrialStep, kArmyRouteLongest> Steps;
  std::uint16_t Total;
};

// The walks of the last army route.
extern Table<TRouteTrial, kArmyRouteTrials> RouteTrialTable;

// The lasting score of each hex in the last army route, worn down by the walks.
// A hex is scored the first time a walk looks at it (Scored holds the number of
// the route that scored it), as most of the map is never looked at. Entered
// holds the number of the last walk that entered the hex.
struct TRouteScoreGrid {
  std::int16_t Score[route_grid::kCells];
  std::uint32_t Scored[route_grid::kCells];
  std::uint32_t Entered[route_grid::kCells];
  std::uint32_t Route;
  std::uint32_t Walk;
};
extern TRouteScoreGrid RouteScoreGrid;

// The army route from (fromX, fromY) to (toX, toY) for nation `side` (1..4,
// 0 none), with the other arguments of RouteTo. At most min(maxSteps, 20) steps are
// listed. RouteReached is the outcome of the seventh walk, whichever walk was
// chosen: a caller that needs to know whether the listed steps end on the
// target compares TargetHexX/TargetHexY with it.
void ArmyRoute(std::uint16_t fromX, std::uint16_t fromY, std::uint16_t toX, std::uint16_t toY,
               std::uint16_t maxSteps, std::uint16_t side, std::uint16_t policy);
