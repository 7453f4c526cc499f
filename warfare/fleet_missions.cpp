#include "warfare/fleet_missions.h"

#include "warfare/fleet_cargo.h"
#include "warfare/fleet_ships.h"
#include "world/codes.h"
#include "world/fleet_places.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

// Stores at rest are taken into a stock only below these amounts; 16-bit
// stocks must not wrap.
constexpr int kMostStoresUnloaded = 9'999;
constexpr int kFullStock = 50'000;
// A buyer of cotton keeps at least this much of its supplies.
constexpr int kBuyerSupplyFloor = 1'000;

bool HasObjectiveCity(const TFleet& fleet) {
  return IsEntryOf(GameState.Cities, fleet.Objective);
}

void ReturnDamagedShipsToService(TFleet& fleet) {
  for (int type = TShipType::Ironclad; type <= TShipType::Transport; ++type) {
    AddSaturated(fleet.Ships[type], fleet.DamagedShips[type]);
    fleet.DamagedShips[type] = 0;
  }
}

void CheckMission(TFleet& fleet) {
  if (fleet.Mission == TFleetMission::Nothing || HasObjectiveCity(fleet)) return;
  if (fleet.Mission == TFleetMission::Refit) ReturnDamagedShipsToService(fleet);
  fleet.Mission = TFleetMission::Nothing;
}

void StoreIfRoom(U16& stock, int stores) {
  if (stores <= kMostStoresUnloaded && stock < kFullStock) AddSaturated(stock, stores);
}

// The fleet's position plays no part: the stores reach the home theatre.
void UnloadAtRest(TFleet& fleet) {
  if (fleet.Objective != 0 || !IsEntryOf(GameState.Nations, fleet.Nation)) return;
  const int theatre = TheatreOfCity(fleet.HomePort);
  TNationRec& nation = GameState.Nations[fleet.Nation];
  if (!IsTheatre(theatre)) return;
  StoreIfRoom(nation.Supplies[theatre], fleet.Supplies);
  StoreIfRoom(nation.Cotton[theatre], fleet.Cotton);
  fleet.Supplies = 0;
  fleet.Cotton = 0;
}

void TurnForHome(TFleet& fleet) {
  fleet.Objective = fleet.HomePort;
  SteerToCity(fleet, fleet.HomePort);
}

// The buyer pays in supplies out of its stock in the theatre, down to a floor;
// the fleet takes one supply for each bale, whatever the buyer had.
void SellCotton(TFleet& fleet, const TCity& buyer) {
  const int bales = fleet.Cotton;
  if (IsEntryOf(GameState.Nations, buyer.Nation) && IsTheatre(buyer.Theatre)) {
    U16& stock = GameState.Nations[buyer.Nation].Supplies[buyer.Theatre];
    stock = static_cast<std::uint16_t>(stock <= bales ? 0 : stock - bales);
    if (stock < kBuyerSupplyFloor) stock = kBuyerSupplyFloor;
  }
  fleet.Cotton = 0;
  AddSaturated(fleet.Supplies, bales);
  TurnForHome(fleet);
}

void RunCotton(TFleet& fleet) {
  const int o = fleet.Objective;
  if (!IsEntryOf(GameState.Cities, o)) return;
  if (fleet.Cotton != 0) {
    SellCotton(fleet, GameState.Cities[o]);
    return;
  }
  DeliverSupplies(fleet, o);
  fleet.Mission = TFleetMission::Refit;
  ReportSuppliesHome(o);
}

// Either kind of yard will do to refit a fleet that ends a plain voyage.
bool HasShipyard(int city) {
  return IsEntryOf(GameState.Cities, city) &&
         (GameState.Cities[city].ShipyardA != 0 || GameState.Cities[city].ShipyardB != 0);
}

void EndVoyage(TFleet& fleet) {
  if (fleet.HomePort != fleet.Objective) {
    TurnForHome(fleet);
    return;
  }
  fleet.Mission = TFleetMission::Nothing;
  fleet.DestX = fleet.DestY = 0;
  if (DamagedShipCount(fleet) != 0 && HasShipyard(fleet.HomePort))
    fleet.Mission = TFleetMission::Refit;
  fleet.Objective = 0;
  DeliverSupplies(fleet, fleet.HomePort);
}

}  // namespace

bool IsFightingMission(int mission) {
  return mission == TFleetMission::Patrol || mission == TFleetMission::AttackPort;
}

void SettleFleetAtRest(TFleet& fleet) {
  CheckMission(fleet);
  UnloadAtRest(fleet);
}

void CarryOutMission(TFleet& fleet) {
  if (fleet.Objective != 0) SteerToCity(fleet, fleet.Objective);
  if (!IsOnDestination(fleet)) return;
  switch (fleet.Mission) {
    case TFleetMission::Amphibious:
      LandCorps(fleet);
      break;
    case TFleetMission::CottonRun:
      RunCotton(fleet);
      break;
    case TFleetMission::Move:
      EndVoyage(fleet);
      break;
    default:
      break;
  }
}

void ProcessFleetMissions() {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (fleet.Status != 0) continue;
    SettleFleetAtRest(fleet);
    CarryOutMission(fleet);
  }
}
