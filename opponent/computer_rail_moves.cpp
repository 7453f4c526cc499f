#include "opponent/computer_rail_moves.h"

#include "world/codes.h"
#include "world/corps_orders.h"
#include "world/hex_grid.h"
#include "world/realm_queries.h"
#include "world/route_finder.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/unit_positions.h"
#include "world/vardecl.h"

namespace {

constexpr int kShortestRailMove = 4;
constexpr int kLegSteps = 10;
constexpr int kMostShortLegs = 10;

bool IsStationOf(int x, int y, int nation) {
  if (!TMapRecord::OnMap(x, y) || MapRecord.Cell(x, y).Terrain() != TTerrain::City) return false;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.X == x && city.Y == y && city.RailStation != 0 && city.Nation == nation) return true;
  }
  return false;
}

bool MayRide(const TCorps& corps, int nation) {
  return corps.Inactive == 0 && corps.Nation == nation && corps.Disorder == 0;
}

}  // namespace

int RailCost(const TCorps& corps) {
  return (corps.OtherBrigades + 1) / 2;
}

void ArrangeRailMoves(int nation) {
  TNationRec& record = GameState.Nations[nation];
  record.RailUsed = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (MayRide(corps, nation) && corps.Stance == TCombatStance::ByRail)
      AddSaturated(record.RailUsed, RailCost(corps));
  }
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (!MayRide(corps, nation) || corps.DestX == 0) continue;
    if (record.RailUsed + RailCost(corps) > record.RailCapacity) continue;
    if (!CarryCorpsToStationByRail(c, corps.X, corps.Y, nation, corps.DestX, corps.DestY)) continue;
    corps.Stance = TCombatStance::ByRail;
    AddSaturated(record.RailUsed, RailCost(corps));
  }
}

bool CarryCorpsToStationByRail(int c, int x, int y, int nation, int destX, int destY) {
  if (!IsStationOf(x, y, nation) || !IsStationOf(destX, destY, nation) ||
      HexDistance(x, y, destX, destY) < kShortestRailMove)
    return false;
  TCorps& corps = GameState.Corps[c];
  // The lines are the camp's, whichever nation of the camp the corps serves.
  const int camp = CampOfNation(nation);
  for (int shortLegs = 0; shortLegs <= kMostShortLegs; ++shortLegs) {
    const int fromX = corps.X;
    const int fromY = corps.Y;
    const bool arrived =
        RouteArrives(fromX, fromY, destX, destY, kLegSteps, kRailRouteMode, camp, kAnyHex);
    corps.X = static_cast<std::uint8_t>(TargetHexX);
    corps.Y = static_cast<std::uint8_t>(TargetHexY);
    // A leg that gets nowhere will not get further the next time.
    if (arrived || StandsOn(corps, fromX, fromY)) break;
  }
  return StandsOn(corps, destX, destY);
}
