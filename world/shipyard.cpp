#include "world/shipyard.h"

#include "world/codes.h"
#include "world/fleet_slots.h"
#include "world/monthly_income.h"
#include "world/ship_building.h"
#include "world/stock_payment.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {
constexpr int kIronclads = 1;
constexpr ShipCost kCostPerShip[] = {{2, 200}, {4, 10}, {3, 10}};
constexpr int kRefitMission = 1;
constexpr int kSeaFleetKind = 1;
constexpr int kCottonFleetKind = 0;  // the Confederacy's sea transports

bool IsShipType(int type) {
  return type >= 1 && type <= 3;
}

// Ironclads are counted against the yard for iron hulls, the rest against the other.
int ShipsOfYard(const TFleet& fleet, int type) {
  return type == kIronclads ? fleet.Ships[1] : fleet.Ships[2] + fleet.Ships[3];
}

int FleetKind(int nation, bool river, int type) {
  if (river) return kRiverFleetKind;
  return type == 3 && nation == TNation::Confederacy ? kCottonFleetKind : kSeaFleetKind;
}
}  // namespace

ShipCost CostOfShips(int type, int n) {
  if (!IsShipType(type)) return {};
  const ShipCost& one = kCostPerShip[type - 1];
  return {one.manpower * n, one.supplies * n};
}

int FreeYardCapacity(int city, int type) {
  if (!IsEntryOf(GameState.Cities, city) || !IsShipType(type)) return 0;
  const TCity& port = GameState.Cities[city];
  int free = type == kIronclads ? port.ShipyardA : port.ShipyardB;
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    // Only fleets on the stocks: a free slot's leftover ships take no room.
    const TFleet& fleet = GameState.Fleets[f];
    if (fleet.Status != 0 && !fleet.IsFree() && fleet.HomePort == city)
      free -= ShipsOfYard(fleet, type);
  }
  return free > 0 ? free : 0;
}

RaiseOutcome RaiseFleet(int nation, int city, bool river, int type, int n) {
  RaiseOutcome outcome;
  if (n <= 0 || !IsShipType(type) || !IsEntryOf(GameState.Nations, nation) ||
      !IsEntryOf(GameState.Cities, city))
    return outcome;
  const int slot = FindFleetSlot(nation, 0, 0, kFreeFleetSlot);
  if (slot == 0) {
    outcome.noFreeSlot = true;
    return outcome;
  }
  const ShipCost cost = CostOfShips(type, n);
  U16& manpower = GameState.Nations[nation].BuildPoints;
  U16* supplies = TheatreSupplies(nation, GameState.Cities[city].Theatre);
  outcome.shortOfManpower = manpower < cost.manpower;
  outcome.shortOfSupplies = supplies == nullptr || *supplies < cost.supplies;
  if (outcome.shortOfManpower || outcome.shortOfSupplies) return outcome;
  PayFromStock(manpower, cost.manpower);
  PayFromStock(*supplies, cost.supplies);
  // The shipbuilding order counts its types from transports up.
  AddShipsToFleet(slot, nation, city, FleetKind(nation, river, type), 3 - type, n);
  GameState.Fleets[slot].Mission = kRefitMission;
  outcome.fleet = slot;
  return outcome;
}
