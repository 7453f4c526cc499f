#include "world/ship_building.h"

#include <algorithm>
#include <cstdlib>

#include "world/codes.h"
#include "world/fleet_slots.h"
#include "world/monthly_income.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

// What one ship of a type costs and how many one order may begin.
struct ShipCosts {
  int type;
  int buildPoints;
  int supplies;
  int most;
};
constexpr ShipCosts kIronclad = {TShipOrder::Ironclads, 2, 200, 6};
constexpr ShipCosts kWarship = {TShipOrder::Warships, 4, 10, 8};
constexpr ShipCosts kTransport = {TShipOrder::Transports, 3, 1, 6};

// Turns until a new fleet is ready.
constexpr int kIroncladTurns = 24;
constexpr int kRiverWarshipTurns = 10;
constexpr int kSeaWarshipTurns = 12;
constexpr int kRiverTransportTurns = 6;
constexpr int kSeaTransportTurns = 8;

// The Confederacy lays down the transports it orders for sea fleets of kind 1
// as a fleet of kind 0.
constexpr int kFirstSeaFleetKind = 0;
constexpr int kSecondSeaFleetKind = 1;

int OrderCost(int ironclads, int warships, int transports) {
  return kIronclad.buildPoints * ironclads + kWarship.buildPoints * warships +
         kTransport.buildPoints * transports;
}

// A short purse cuts every part of the order by one ship a round.
void CutToBuildPoints(int buildPoints, int& ironclads, int& warships, int& transports) {
  while (buildPoints < OrderCost(ironclads, warships, transports)) {
    for (int* count : {&ironclads, &warships, &transports})
      if (*count != 0) --*count;
  }
}

int ConstructionTime(int fleetKind, int shipType) {
  const bool river = fleetKind == kRiverFleetKind;
  switch (shipType) {
    case TShipOrder::Ironclads:
      return kIroncladTurns;
    case TShipOrder::Warships:
      return river ? kRiverWarshipTurns : kSeaWarshipTurns;
    default:
      return river ? kRiverTransportTurns : kSeaTransportTurns;
  }
}

// The lowest number no other fleet of the nation holds; a free slot's number
// is left over from a fleet that is gone.
int LowestFreeFleetNumber(int fleet, int nation) {
  for (int number = 1;; ++number) {
    bool held = false;
    for (int f = 1; f <= GameState.Fleets.Count && !held; ++f) {
      const TFleet& other = GameState.Fleets[f];
      held = f != fleet && other.Nation == nation && !other.IsFree() && other.Number == number;
    }
    if (!held) return number;
  }
}

// Lays down one fleet of the type: as many ships as the order, the type's cap
// and the theatre's supplies allow.
void LayDown(int nation, int city, int fleetKind, const ShipCosts& ship, int ordered) {
  if (ordered == 0) return;
  const int fleet = FindFleetSlot(nation, city, 0, kFreeFleetSlot);
  U16* supplies = TheatreSupplies(nation, GameState.Cities[city].Theatre);
  if (fleet == 0 || supplies == nullptr) return;
  const int ships = std::min({*supplies / ship.supplies, ship.most, ordered});
  if (ships == 0) return;
  *supplies -= static_cast<std::uint16_t>(ship.supplies * ships);
  U16& buildPoints = GameState.Nations[nation].BuildPoints;
  const int cost = ship.buildPoints * ships;
  buildPoints = static_cast<std::uint16_t>(buildPoints > cost ? buildPoints - cost : 0);
  AddShipsToFleet(fleet, nation, city, fleetKind, ship.type, ships);
  CurrentFleet = static_cast<std::uint16_t>(fleet);
}

}  // namespace

void BuildShipsAtCity(int nation, int city, int fleetKind, int ironclads, int warships,
                      int transports) {
  CurrentFleet = 0;
  if (!IsEntryOf(GameState.Nations, nation) || !IsEntryOf(GameState.Cities, city)) return;
  ironclads = std::abs(ironclads);
  warships = std::abs(warships);
  transports = std::abs(transports);
  CutToBuildPoints(GameState.Nations[nation].BuildPoints, ironclads, warships, transports);
  const TCity& yard = GameState.Cities[city];
  ironclads = std::min<int>(ironclads, yard.ShipyardA);
  warships = std::min<int>(warships, yard.ShipyardB);
  transports = std::min<int>(transports, yard.ShipyardB);
  LayDown(nation, city, fleetKind, kIronclad, ironclads);
  LayDown(nation, city, fleetKind, kWarship, warships);
  const bool rekind = nation == TNation::Confederacy && fleetKind == kSecondSeaFleetKind;
  LayDown(nation, city, rekind ? kFirstSeaFleetKind : fleetKind, kTransport, transports);
}

void AddShipsToFleet(int fleet, int nation, int city, int fleetKind, int shipType, int count) {
  if (!IsEntryOf(GameState.Cities, city) || !IsEntryOf(GameState.Fleets, fleet)) return;
  // The order's types run the other way from the fleet's, which lists ironclads first.
  const int builtType = TShipOrder::Ironclads + 1 - shipType;
  if (!IsEntryOf(GameState.Fleets[fleet].Ships, builtType)) return;
  const TCity& port = GameState.Cities[city];
  BeginFleet(fleet, nation);
  TFleet& ships = GameState.Fleets[fleet];
  ships.X = port.X;
  ships.Y = port.Y;
  ships.Status = static_cast<std::uint8_t>(ConstructionTime(fleetKind, shipType));
  ships.HomePort = static_cast<std::uint8_t>(city);
  ships.Kind = static_cast<std::uint8_t>(fleetKind);
  ships.Ships[builtType] = static_cast<std::uint8_t>(std::clamp(count, 0, 255));
}

void BeginFleet(int fleet, int nation) {
  if (!IsEntryOf(GameState.Fleets, fleet)) return;
  const int number = LowestFreeFleetNumber(fleet, nation);
  // Nothing of the slot's last fleet may linger: no path, cotton or sea
  // transport's hold on it.
  TFleet& ships = GameState.Fleets[fleet];
  ships = TFleet{};
  ships.Nation = static_cast<std::uint8_t>(nation);
  ships.Side = static_cast<std::uint8_t>(
      IsEntryOf(GameState.Nations, nation) ? GameState.Nations[nation].Side : TSide::None);
  ships.Number = static_cast<std::uint8_t>(number);
}
