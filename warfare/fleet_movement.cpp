#include "warfare/fleet_movement.h"

#include "warfare/fleet_cargo.h"
#include "warfare/fleet_missions.h"
#include "warfare/naval_combat.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/fleet_places.h"
#include "world/random.h"
#include "world/realm_queries.h"
#include "world/route_finder.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kMailTurnPlayMode = 2;
// An enemy within this many hexes may be intercepted; each hex of distance
// takes 30 from the 99 % chance of turning toward it in the same hex.
constexpr int kInterceptionRange = 3;
constexpr int kInterceptionFalloff = 30;

// The path and the step record of a mail turn both cover the twenty steps.
bool IsPathIndex(int step) {
  return step >= 1 && step <= kFleetPathSteps;
}

// A fleet may be chased when it is at sea on a mission, and its nation fights
// in another camp than the chaser's.
bool IsQuarryOf(const TFleet& chaser, const TFleet& quarry) {
  return quarry.Status == 0 && chaser.Nation != 0 && quarry.Nation != 0 &&
         CampOfNation(quarry.Nation) != CampOfNation(chaser.Nation) &&
         quarry.Mission > TFleetMission::Refit;
}

void ClearPathFrom(TFleet& fleet, int first) {
  if (!IsPathIndex(first)) return;
  for (int s = first; s <= kFleetPathSteps; ++s) fleet.Path[s] = 0;
}

// The route toward the quarry, 0 terminator included, replaces the rest of
// the path when it fits in the twenty entries.
void SetCourseFor(TFleet& fleet, const TFleet& quarry, int distance) {
  RouteTo(fleet.X, fleet.Y, quarry.X, quarry.Y, static_cast<std::uint16_t>(distance),
          RouteModeOf(fleet), fleet.Side, kOwnHexesOnly);
  const int first = fleet.PathStep;
  if (first >= 1 && first < kFleetPathSteps && first + distance <= kFleetPathSteps) {
    for (int k = 0; k <= distance; ++k) fleet.Path[first + k] = RouteSteps[1 + k];
  }
  fleet.DestX = quarry.X;
  fleet.DestY = quarry.Y;
}

// A cotton fleet back at the port it sailed from hands over what it bought.
void BringCottonRunHome(TFleet& fleet) {
  if (fleet.Mission != TFleetMission::CottonRun || fleet.Objective == 0 ||
      fleet.HomePort != fleet.Objective)
    return;
  DeliverSupplies(fleet, fleet.Objective);
  ReportSuppliesHome(fleet.Objective);
}

// Both yards are needed, for the ironclads and for the other ships, before a
// fleet that ends its voyage goes into refit.
bool RefitsOnArrival(const TFleet& fleet, const TCity& port) {
  return fleet.DamagedShips[TShipType::Ironclad] != 0 && port.ShipyardA != 0 &&
         fleet.DamagedShips[TShipType::Warship] + fleet.DamagedShips[TShipType::Transport] != 0 &&
         port.ShipyardB != 0;
}

void EndVoyageAtHome(TFleet& fleet) {
  const int home = fleet.HomePort;
  if (fleet.Objective != home || !LiesInCity(fleet, home)) return;
  fleet.Mission = TFleetMission::Nothing;
  fleet.DestX = fleet.DestY = 0;
  if (RefitsOnArrival(fleet, GameState.Cities[home])) fleet.Mission = TFleetMission::Refit;
  fleet.Objective = 0;
  DeliverSupplies(fleet, home);
}

void Arrive(TFleet& fleet) {
  LandCorps(fleet);
  BringCottonRunHome(fleet);
  EndVoyageAtHome(fleet);
}

// Hidden only from a human enemy who has not spotted the fleet.
std::uint8_t IsShownToPlayer(const TFleet& fleet) {
  const int enemy = fleet.Side == TSide::Union ? TNation::Confederacy : TNation::Union;
  return fleet.Spotted != 0 || !IsHumanNation(enemy) ? 1 : 0;
}

bool CanStep(int direction) {
  if (direction < kNorth || direction > kNorthWest) return false;
  const THexPos next = NeighbourHex(HexCursorX, HexCursorY, direction);
  return TMapRecord::OnMap(next.X, next.Y);
}

}  // namespace

std::uint8_t MoveFleetStep(int f) {
  if (!IsEntryOf(GameState.Fleets, f)) return 0;
  TFleet& fleet = GameState.Fleets[f];
  if (fleet.Status != 0) return 0;
  if (IsOnDestination(fleet)) Arrive(fleet);
  std::uint8_t shown = 0;
  if (fleet.Mission >= TFleetMission::Move && fleet.PathStep < fleet.MoveAllowance) {
    // The timer has drawn for an interception already; this is the second draw.
    InterceptNearbyFleet(f);
    HexCursorX = fleet.X;
    HexCursorY = fleet.Y;
    const int step = fleet.PathStep;
    const int direction = IsPathIndex(step) ? fleet.Path[step] : 0;
    // A damaged path never takes the fleet off the map.
    if (CanStep(direction)) {
      shown = IsShownToPlayer(fleet);
      if (GameState.PlayMode > kMailTurnPlayMode && IsPathIndex(GameState.Step))
        fleet.StepDone[GameState.Step] = static_cast<std::uint8_t>(direction);
      if (step == 1) {
        fleet.StartX = HexCursorX;
        fleet.StartY = HexCursorY;
      }
      StepHex(direction);
      fleet.X = static_cast<std::uint8_t>(HexCursorX);
      fleet.Y = static_cast<std::uint8_t>(HexCursorY);
    }
    ++fleet.PathStep;
  }
  CarryCorps(fleet);
  // A fighting fleet with steps still to make fights wherever it now lies.
  if (IsFightingMission(fleet.Mission) && fleet.PathStep < fleet.MoveAllowance) {
    ResolveNavalCombat(f);
    ClearRouteSteps();
  }
  return shown;
}

void InterceptNearbyFleet(int f) {
  if (!IsEntryOf(GameState.Fleets, f)) return;
  TFleet& fleet = GameState.Fleets[f];
  if (!IsFightingMission(fleet.Mission)) return;
  for (int g = 1; g <= GameState.Fleets.Count; ++g) {
    const TFleet& quarry = GameState.Fleets[g];
    if (!IsQuarryOf(fleet, quarry)) continue;
    const int distance = HexDistance(fleet.X, fleet.Y, quarry.X, quarry.Y);
    if (distance > kInterceptionRange) continue;
    if (kInterceptionFalloff * distance >= Random(100)) continue;
    ClearPathFrom(fleet, fleet.PathStep);
    // Side by side there is nowhere to turn; the scan goes on.
    if (distance == 0) continue;
    SetCourseFor(fleet, quarry, distance);
    return;
  }
}
