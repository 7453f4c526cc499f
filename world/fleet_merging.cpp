#include "world/fleet_merging.h"

#include "world/fleet_consolidation.h"
#include "world/ship_building.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

int ShipsAboard(const TFleet& fleet) {
  int ships = 0;
  for (int type = 1; type <= fleet.Ships.Count; ++type)
    ships += fleet.Ships[type] + fleet.DamagedShips[type];
  return ships;
}

void MoveOneShip(TFleet& from, TFleet& to, int type) {
  for (auto ships : {&TFleet::Ships, &TFleet::DamagedShips}) {
    if ((from.*ships)[type] == 0) continue;
    --(from.*ships)[type];
    ++(to.*ships)[type];
    return;
  }
}

void MoveChosenShips(TFleet& from, TFleet& to, const ShipChoice& chosen) {
  for (int type = 1; type <= from.Ships.Count; ++type)
    for (int n = 0; n < chosen[type - 1]; ++n) MoveOneShip(from, to, type);
}

bool AreFleets(int fleet, int other) {
  return fleet != other && IsEntryOf(GameState.Fleets, fleet) && IsEntryOf(GameState.Fleets, other);
}

}  // namespace

ShipChoice AllShips(int fleet) {
  if (!IsEntryOf(GameState.Fleets, fleet)) return {};
  const TFleet& ships = GameState.Fleets[fleet];
  ShipChoice all{};
  for (int type = 1; type <= ships.Ships.Count; ++type)
    all[type - 1] = ships.Ships[type] + ships.DamagedShips[type];
  return all;
}

bool MayMergeWith(int fleet, int partner, int nation) {
  if (!AreFleets(fleet, partner)) return false;
  const TFleet& ships = GameState.Fleets[fleet];
  const TFleet& other = GameState.Fleets[partner];
  return other.Status == 0 && other.Nation == nation && other.X == ships.X && other.Y == ships.Y &&
         other.Kind == ships.Kind && (ships.Corps == 0 || other.Corps == 0);
}

bool MergeChosenShips(int fleet, int partner, const ShipChoice& chosen) {
  if (!AreFleets(fleet, partner)) return false;
  TFleet& ships = GameState.Fleets[fleet];
  TFleet& other = GameState.Fleets[partner];
  MoveChosenShips(ships, other, chosen);
  if (ShipsAboard(ships) != 0) return false;
  if (other.Corps == 0) other.Corps = ships.Corps;
  MergeFleetInto(partner, fleet);
  FreeFleetSlot(ships);
  ships.Number = 0;
  return true;
}

bool SplitChosenShips(int fleet, int slot, const ShipChoice& chosen, int nation) {
  if (!AreFleets(fleet, slot) || chosen == AllShips(fleet)) return false;
  TFleet& ships = GameState.Fleets[fleet];
  TFleet split{};
  MoveChosenShips(ships, split, chosen);
  if (ShipsAboard(split) == 0) return false;
  BeginFleet(slot, nation);
  TFleet& made = GameState.Fleets[slot];
  made.Ships = split.Ships;
  made.DamagedShips = split.DamagedShips;
  made.X = ships.X;
  made.Y = ships.Y;
  made.Mission = ships.Mission;
  made.HomePort = ships.HomePort;
  made.Objective = ships.Objective;
  made.Kind = ships.Kind;
  made.DestX = ships.DestX;
  made.DestY = ships.DestY;
  return true;
}
