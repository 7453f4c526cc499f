#include "warfare/fleet_update.h"

#include <string>

#include "warfare/fleet_cargo.h"
#include "warfare/fleet_missions.h"
#include "warfare/fleet_ships.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/fleet_consolidation.h"
#include "world/fleet_places.h"
#include "world/game_window.h"
#include "world/random.h"
#include "world/realm_queries.h"
#include "world/route_finder.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

// TNationRec.NavalBalance
constexpr int kNoSeaPort = 0;
constexpr int kWeakerInIronclads = 1;
constexpr int kEven = 2;
constexpr int kStrongerInIronclads = 3;
constexpr int kAbleToCarryTroops = 4;
// The Union may carry troops once its sea strength reaches this and it has
// transports for this many points.
constexpr int kStrengthToCarryTroops = 11;
constexpr int kTransportsToCarryTroops = 4;

// TNationRec.ShipTally, by waters and ship type.
constexpr int kRiverIronclads = 1;
constexpr int kSeaWarships = 2;
constexpr int kRiverWarships = 3;
constexpr int kSeaTransports = 4;
constexpr int kRiverTransports = 5;
constexpr int kSeaIronclads = 6;

constexpr int kSeaFleet = 0;
// A slot still counting down from 25 turns of building is kept even empty.
constexpr int kEmptySlotFreedBelow = 25;
// New fleets still building for 24 turns or more are not at sea yet.
constexpr int kPlacedBelowStatus = 24;

// Allowances by the slowest hull aboard; damage costs five steps more.
constexpr int kFullAllowance = 20;
constexpr int kIroncladAllowance = 12;
constexpr int kWarshipAllowance = 18;
constexpr int kDamageSlowdown = 5;

// Ports farther than this are out of reach; a river fleet cannot reach a port
// without a river landing at all.
constexpr int kOutOfReach = 200;
constexpr int kNoRiverLanding = 201;
constexpr int kIroncladBlockadeWeight = 10;
constexpr int kWarshipBlockadeWeight = 5;

constexpr int kScuttleNotice = 15;
constexpr int kScuttledText = 155;

// Britain's attitude suffers from Union warships cruising off its port.
constexpr int kBritishPort = 86;
constexpr int kOffBritishPort = 3;
constexpr int kBritishOffenceChance = 50;
constexpr int kMostOffendedAttitude = 1;
constexpr int kLeastOffendedAttitude = 99;

// A damaged ship counts half a sound one.
int NavalStrength(const TFleet& fleet, int type) {
  return 2 * fleet.Ships[type] + fleet.DamagedShips[type];
}

int NationOfCity(int city) {
  return IsEntryOf(GameState.Cities, city) ? GameState.Cities[city].Nation : 0;
}

// The freed slot's corps, if any, is put ashore first when it is in port.
void FreeFleet(TFleet& fleet) {
  PutCorpsAshore(fleet);
  FreeFleetSlot(fleet);
}

void FreeEmptyFleets() {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (fleet.Status < kEmptySlotFreedBelow && ShipCount(fleet) == 0) FreeFleet(fleet);
  }
}

bool CampHoldsSeaPort(int camp) {
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.Side == camp && city.SeaPort != 0) return true;
  }
  return false;
}

void TallyFleetShips(TNationRec& record, const TFleet& fleet, int ironclads, int warships,
                     int transports) {
  AddSaturated(record.ShipTally[ironclads], fleet.Ships[TShipType::Ironclad]);
  AddSaturated(record.ShipTally[warships], fleet.Ships[TShipType::Warship]);
  AddSaturated(record.ShipTally[transports], fleet.Ships[TShipType::Transport]);
}

// The sea strengths of the nation's camp against everyone else's: ironclads,
// warships and transports, each ship counted by its state.
struct SeaBalance {
  int ironclads = 0;
  int warships = 0;
  int transports = 0;
};

void TotalNationNavy(int n) {
  TNationRec& record = GameState.Nations[n];
  for (int k = 1; k <= record.ShipTally.Count; ++k) record.ShipTally[k] = 0;
  record.NavalBalance = kEven;
  SeaBalance balance;
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (fleet.IsFree()) continue;
    const bool own = fleet.Side == record.Side;
    const bool counted = fleet.Nation == n && fleet.Status == 0;
    if (fleet.Kind == kRiverFleet) {
      if (own && counted)
        TallyFleetShips(record, fleet, kRiverIronclads, kRiverWarships, kRiverTransports);
      continue;
    }
    const int sign = own ? 1 : -1;
    balance.ironclads += sign * NavalStrength(fleet, TShipType::Ironclad);
    balance.warships += sign * NavalStrength(fleet, TShipType::Warship);
    if (!own) continue;
    balance.transports += NavalStrength(fleet, TShipType::Transport);
    if (counted) TallyFleetShips(record, fleet, kSeaIronclads, kSeaWarships, kSeaTransports);
  }
  if (!CampHoldsSeaPort(record.Side)) {
    record.NavalBalance = kNoSeaPort;
  } else if (n == TNation::Union) {
    if (balance.ironclads > 0) record.NavalBalance = kStrongerInIronclads;
    if (balance.ironclads < 0) record.NavalBalance = kWeakerInIronclads;
    if (record.NavalBalance == kStrongerInIronclads &&
        balance.ironclads + balance.warships >= kStrengthToCarryTroops &&
        balance.transports >= kTransportsToCarryTroops)
      record.NavalBalance = kAbleToCarryTroops;
  }
}

void SendHome(TFleet& fleet) {
  fleet.Mission = TFleetMission::Move;
  fleet.Objective = fleet.HomePort;
  SteerToCity(fleet, fleet.HomePort);
  PutCorpsAshore(fleet);
}

bool IsStray(const TFleet& fleet) {
  const THexPos home = CityHex(fleet.HomePort);
  const bool awayIdle =
      fleet.Mission <= TFleetMission::Refit && HexDistance(fleet.X, fleet.Y, home.X, home.Y) != 0;
  if (awayIdle || fleet.Objective == 0) return awayIdle;
  const bool landed = fleet.Mission == TFleetMission::Amphibious && fleet.Corps == 0 &&
                      CityHex(fleet.Objective) == FleetHex(fleet);
  return (fleet.Mission != TFleetMission::CottonRun && fleet.Supplies == 0) ||
         DamagedShipCount(fleet) != 0 || landed;
}

// A new fleet is launched at its home port.
void PlaceNewFleet(TFleet& fleet) {
  if (fleet.Status >= kPlacedBelowStatus || fleet.X != 0 || fleet.Y != 0) return;
  const THexPos home = CityHex(fleet.HomePort);
  fleet.X = static_cast<std::uint8_t>(home.X);
  fleet.Y = static_cast<std::uint8_t>(home.Y);
}

// An active fleet of another camp on patrol or attacking, on the port's hex.
bool IsBlockader(const TFleet& other, int camp, THexPos port) {
  return other.Status == 0 && other.Mission >= TFleetMission::Patrol && other.Side != camp &&
         FleetHex(other) == port;
}

// Each enemy ship off the port makes it that much harder to reach.
int BlockadeWeight(int camp, THexPos port) {
  int weight = 0;
  for (int g = 1; g <= GameState.Fleets.Count; ++g) {
    const TFleet& other = GameState.Fleets[g];
    if (!IsBlockader(other, camp, port)) continue;
    weight += kIroncladBlockadeWeight * other.Ships[TShipType::Ironclad] +
              kWarshipBlockadeWeight * other.Ships[TShipType::Warship];
  }
  return weight;
}

bool IsBlockaded(const TFleet& fleet, int portCamp) {
  const int home = fleet.HomePort;
  if (fleet.Kind != kSeaFleet || fleet.Objective != home || fleet.Mission <= TFleetMission::Move)
    return false;
  for (int g = 1; g <= GameState.Fleets.Count; ++g) {
    if (IsBlockader(GameState.Fleets[g], portCamp, CityHex(home))) return true;
  }
  return false;
}

bool HasLostPort(const TFleet& fleet, int portNation) {
  const int n = fleet.Nation;
  const bool taken =
      portNation != 0 && n != 0 && portNation != n && CampOfNation(portNation) != CampOfNation(n);
  return taken || (fleet.Supplies == 0 && fleet.Mission == TFleetMission::Move);
}

// The nearest sea port of the fleet's nation it can reach; through a blockade
// every port counts the enemy ships off it against it. 0 when none is in reach.
int NearestRefuge(const TFleet& fleet, bool blockaded) {
  int best = 0;
  int bestDistance = kOutOfReach;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.Nation != fleet.Nation || city.SeaPort == 0) continue;
    int d = HexDistance(fleet.X, fleet.Y, city.X, city.Y);
    if (fleet.Kind == kRiverFleet && city.RiverPort == 0) d = kNoRiverLanding;
    if (blockaded) d += BlockadeWeight(fleet.Side, CityHex(c));
    if (d < bestDistance) {
      best = c;
      bestDistance = d;
    }
  }
  return best;
}

void Scuttle(int f) {
  TFleet& fleet = GameState.Fleets[f];
  StartFleetNotice(kScuttleNotice, fleet, kScuttledText);
  EventMessage.Line4 = std::to_string(f);
  ShowEventMessage();
  FreeFleet(fleet);
}

// A computer fleet whose port is blockaded, or lost to the enemy, makes for
// another port of its nation; with none in reach it is scuttled where it lies
// in its lost port. A blockaded fleet sails as a blockade runner, for its own
// port when no other is in reach. The blockade is kept by the enemies of the
// port's camp; the ports searched count the enemies of the fleet's own camp.
// False when the fleet is gone.
bool SeekRefuge(int f) {
  TFleet& fleet = GameState.Fleets[f];
  if (IsHumanNation(fleet.Nation)) return true;
  const int home = fleet.HomePort;
  const int portNation = NationOfCity(home);
  const int portCamp = CampOfNation(portNation);
  const bool blockaded = IsBlockaded(fleet, portCamp);
  if (!blockaded && !HasLostPort(fleet, portNation)) return true;
  int refuge = NearestRefuge(fleet, blockaded);
  if (refuge == 0 && blockaded) refuge = home;
  if (refuge != 0) {
    fleet.HomePort = fleet.Objective = static_cast<std::uint8_t>(refuge);
    fleet.Mission = blockaded ? TFleetMission::CottonRun : TFleetMission::Move;
    SteerToCity(fleet, refuge);
    return true;
  }
  if (!LiesInCity(fleet, home)) return true;
  Scuttle(f);
  return false;
}

// The draw is made only for a Union fleet whose cruise could still sour
// British opinion: on patrol or attacking off the port, with Britain's
// attitude between 1 and 99.
void CruiseOffBritishPort(TFleet& fleet) {
  if (!IsFightingMission(fleet.Mission) || fleet.Nation != TNation::Union) return;
  const TCity& port = GameState.Cities[kBritishPort];
  if (HexDistance(fleet.X, fleet.Y, port.X, port.Y) > kOffBritishPort) return;
  I16& attitude = GameState.Nations[TNation::Britain].Attitude;
  if (attitude < kMostOffendedAttitude || attitude > kLeastOffendedAttitude) return;
  if (Random(100) < kBritishOffenceChance) attitude -= 1;
}

// Every active fleet starts the movement from the first entry with its
// allowance; one that stays where it is gets an empty path.
void LayPath(TFleet& fleet) {
  ClearRouteSteps();
  if (fleet.Mission >= TFleetMission::Move && !IsOnDestination(fleet))
    RouteTo(fleet.X, fleet.Y, fleet.DestX, fleet.DestY, kFleetPathSteps, RouteModeOf(fleet),
            fleet.Side, kOwnHexesOnly);
  for (int s = 1; s <= kFleetPathSteps; ++s) fleet.Path[s] = RouteSteps[s];
  fleet.PathStep = 1;
  fleet.MoveAllowance = static_cast<std::uint8_t>(FleetMoveAllowance(fleet));
}

}  // namespace

int FleetMoveAllowance(const TFleet& fleet) {
  int allowance = kFullAllowance;
  if (ShipsOfType(fleet, TShipType::Ironclad) != 0) allowance = kIroncladAllowance;
  if (ShipsOfType(fleet, TShipType::Warship) != 0) allowance = kWarshipAllowance;
  if (DamagedShipCount(fleet) != 0) allowance -= kDamageSlowdown;
  return allowance;
}

void ComputeNavalTotals() {
  FreeEmptyFleets();
  for (int n = 1; n <= GameState.Nations.Count; ++n) TotalNationNavy(n);
}

void RecallFleetsToPort(int nation) {
  if (!IsEntryOf(GameState.Nations, nation)) return;
  const int camp = CampOfNation(nation);
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (fleet.Status != 0 || fleet.Side != camp || !TMapRecord::OnMap(fleet.X, fleet.Y)) continue;
    if (IsStray(fleet)) SendHome(fleet);
  }
}

void UpdateFleets() {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    PlaceNewFleet(fleet);
    if (fleet.Status != 0) continue;
    for (int s = 1; s <= kFleetPathSteps; ++s) fleet.Path[s] = 0;
    SettleFleetAtRest(fleet);
    if (!SeekRefuge(f)) continue;
    CarryOutMission(fleet);
    if (IsOnDestination(fleet)) CruiseOffBritishPort(fleet);
    LayPath(fleet);
  }
}
