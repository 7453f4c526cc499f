#include "world/fleet_consolidation.h"

#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kIronclads = 1;
constexpr int kWarships = 2;
constexpr int kTransports = 3;
// The missions of a fleet that is doing nothing in particular: free to merge.
constexpr int kHighestIdleMission = 1;
// A squadron this small in a kind of ship is worth topping up.
constexpr int kSmallSquadron = 3;

bool IsFleet(int fleet) {
  return IsEntryOf(GameState.Fleets, fleet);
}

int ShipsOfType(const TFleet& fleet, int type) {
  return fleet.Ships[type] + fleet.DamagedShips[type];
}

bool CanMerge(const TFleet& fleet, int nation) {
  return fleet.Status == 0 && fleet.Nation == nation && fleet.Mission <= kHighestIdleMission;
}

// A fleet with a corps aboard is never taken in: its corps would be left
// embarked on a freed slot and lost at sea.
int FirstPartner(int f, int nation) {
  const TFleet& fleet = GameState.Fleets[f];
  for (int g = 1; g <= GameState.Fleets.Count; ++g) {
    const TFleet& other = GameState.Fleets[g];
    if (g == f || !CanMerge(other, nation) || other.Corps != 0) continue;
    if (other.X == fleet.X && other.Y == fleet.Y && other.Kind == fleet.Kind) return g;
  }
  return 0;
}

bool TopsUp(const TFleet& fleet, const TFleet& partner) {
  const int ironclads = ShipsOfType(fleet, kIronclads);
  const int warships = ShipsOfType(fleet, kWarships);
  const int transports = ShipsOfType(fleet, kTransports);
  return (ironclads == 1 && ShipsOfType(partner, kIronclads) > 0) ||
         (warships >= 1 && warships <= kSmallSquadron && ShipsOfType(partner, kWarships) > 0) ||
         (transports >= 1 && transports <= kSmallSquadron && ShipsOfType(partner, kTransports) > 0);
}

}  // namespace

void FreeFleetSlot(TFleet& fleet) {
  fleet.Status = TFleet::FreedStatus;
  fleet.Side = fleet.Nation = 0;
  fleet.X = fleet.Y = 0;
  fleet.Mission = fleet.HomePort = fleet.Objective = fleet.Corps = fleet.Kind = 0;
  fleet.DestX = fleet.DestY = 0;
  fleet.Spotted = fleet.MoveAllowance = fleet.PathStep = fleet.Engaged = 0;
  for (int type = 1; type <= fleet.Ships.Count; ++type) {
    fleet.Ships[type] = 0;
    fleet.DamagedShips[type] = 0;
  }
  fleet.Supplies = 0;
  fleet.Cotton = 0;
  // A reservation for a sea transport would outlive the fleet that held it.
  fleet.TransportTask = 0;
}

void MergeFleetInto(int keep, int absorbed) {
  if (!IsFleet(keep) || !IsFleet(absorbed)) return;
  TFleet& fleet = GameState.Fleets[keep];
  const TFleet& other = GameState.Fleets[absorbed];
  for (int type = 1; type <= fleet.Ships.Count; ++type) {
    AddSaturated(fleet.Ships[type], other.Ships[type]);
    AddSaturated(fleet.DamagedShips[type], other.DamagedShips[type]);
  }
  AddSaturated(fleet.Supplies, other.Supplies);
  AddSaturated(fleet.Cotton, other.Cotton);
}

void ConsolidateComputerFleets() {
  for (int nation = 1; nation <= GameState.Nations.Count; ++nation) {
    if (GameState.Nations[nation].Human != 0) continue;
    for (int f = 1; f <= GameState.Fleets.Count; ++f) {
      if (!CanMerge(GameState.Fleets[f], nation)) continue;
      const int partner = FirstPartner(f, nation);
      if (partner == 0 || !TopsUp(GameState.Fleets[f], GameState.Fleets[partner])) continue;
      MergeFleetInto(f, partner);
      FreeFleetSlot(GameState.Fleets[partner]);
    }
  }
}
