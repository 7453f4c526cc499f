#include "warfare/computer_fleet_orders.h"

#include <algorithm>

#include "warfare/fleet_cargo.h"
#include "warfare/fleet_ships.h"
#include "warfare/fleet_update.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/fleet_places.h"
#include "world/fleet_slots.h"
#include "world/game_window.h"
#include "world/hex_grid.h"
#include "world/realm_queries.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kSeaFleet = 0;
constexpr int kOceanFleet = 1;

// A patrol this well stocked will stay on station: its port is no target.
constexpr int kPatrolStocked = 50;
// Worth of an enemy port per ship based there, by type.
constexpr int kIroncladWorth = 10;
constexpr int kWarshipWorth = 5;
constexpr int kTransportWorth = 20;
// A slow fleet's supplies are reckoned as if it made ten steps a turn.
constexpr int kLeastReckonedAllowance = 11;
constexpr int kReckonedAllowance = 10;
// River fleets attack ports at least this far in a turn.
constexpr int kRiverAttackAllowance = 7;
// River fleets go for enemy corps on the river closer than this.
constexpr int kRiverStrikeRange = 10;
constexpr int kCottonPerTransport = 250;

// The buyers of the South's cotton: Nassau, and Matamoros for the west.
constexpr int kMatamoros = 85;
constexpr int kNassau = 86;

constexpr int kEmbarkedNotice = 9;
constexpr int kEmbarkedText = 157;

bool IsComputerAtWar(int nation) {
  return IsEntryOf(GameState.Nations, nation) && !IsHumanNation(nation) &&
         GameState.Nations[nation].Side != 0;
}

bool IsActive(const TFleet& fleet) {
  return fleet.Status == 0;
}

// A fleet or a city of a nation in another camp than the nation's own.
bool IsForeignTo(int otherNation, int nation) {
  return otherNation != 0 && CampOfNation(otherNation) != CampOfNation(nation);
}

// Ironclads weigh double in the stores a voyage takes.
int VoyageWeight(const TFleet& fleet) {
  return 2 * ShipsOfType(fleet, TShipType::Ironclad) + ShipsOfType(fleet, TShipType::Warship) +
         ShipsOfType(fleet, TShipType::Transport);
}

// What the fleet lacks of the supplies a voyage of the distance takes.
int VoyageShortfall(const TFleet& fleet, int distance, int weight) {
  const int allowance =
      fleet.MoveAllowance < kLeastReckonedAllowance ? kReckonedAllowance : fleet.MoveAllowance;
  return std::max(0, distance * weight / allowance - fleet.Supplies);
}

// Takes the amount from the stock when it holds it all.
bool Draw(U16& stock, int amount) {
  if (stock < amount) return false;
  stock = static_cast<std::uint16_t>(stock - amount);
  return true;
}

void Provision(TFleet& fleet, int amount) {
  AddSaturated(fleet.Supplies, amount);
}

void SendOn(TFleet& fleet, int mission, int objective) {
  fleet.Mission = static_cast<std::uint8_t>(mission);
  fleet.Objective = static_cast<std::uint8_t>(objective);
  SteerToCity(fleet, objective);
}

// Enemy fleets are reckoned at their full pace, and a well-stocked enemy
// patrol spoils its target for the nation's own.
void ReckonEnemyFleets(int n) {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (!IsActive(fleet) || !IsForeignTo(fleet.Nation, n)) continue;
    fleet.MoveAllowance = static_cast<std::uint8_t>(FleetMoveAllowance(fleet));
    if (fleet.Mission == TFleetMission::Patrol && fleet.Supplies > kPatrolStocked &&
        IsEntryOf(GameState.Cities, fleet.Objective))
      GameState.Cities[fleet.Objective].AiValue = 0;
  }
}

// An enemy port is worth its works and the ships based there.
void ValueEnemyPortsForFleets(int n) {
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    if (!IsForeignTo(city.Nation, n)) {
      city.AiValue = 0;
      continue;
    }
    if (city.RiverPort == 0 && city.SeaPort == 0) continue;
    int value = city.Fortifications + 1;
    for (int f = 1; f <= GameState.Fleets.Count; ++f) {
      const TFleet& fleet = GameState.Fleets[f];
      if (fleet.HomePort != c || !IsForeignTo(fleet.Nation, n)) continue;
      value += kIroncladWorth * ShipsOfType(fleet, TShipType::Ironclad) +
               kWarshipWorth * ShipsOfType(fleet, TShipType::Warship) +
               kTransportWorth * ShipsOfType(fleet, TShipType::Transport);
    }
    StoreSaturated(city.AiValue, value);
  }
}

bool IsTargetedByCamp(int camp, int city) {
  const THexPos hex = CityHex(city);
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (fleet.Side == camp && fleet.Mission >= TFleetMission::Patrol &&
        THexPos{fleet.DestX, fleet.DestY} == hex)
      return true;
  }
  return false;
}

bool HasPortFor(const TCity& city, const TFleet& fleet) {
  return fleet.Kind == kRiverFleet ? city.RiverPort != 0 : city.SeaPort != 0;
}

// The enemy port of the greatest worth the fleet can reach and no fleet of
// the camp is bound for yet; the first of equals. 0 when none is worth it.
int BestNavalTarget(int n, const TFleet& fleet) {
  int best = 0;
  int bestValue = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.Side == 0 || city.AiValue == 0 || !IsForeignTo(city.Nation, fleet.Nation)) continue;
    if (!HasPortFor(city, fleet) || IsTargetedByCamp(CampOfNation(n), c)) continue;
    if (city.AiValue > bestValue) {
      best = c;
      bestValue = city.AiValue;
    }
  }
  return best;
}

void SendOnPatrol(int n, int f) {
  TFleet& fleet = GameState.Fleets[f];
  const int target = BestNavalTarget(n, fleet);
  if (target == 0) return;
  const int weight = VoyageWeight(fleet);
  const int shortfall = VoyageShortfall(fleet, Distance(HexOf(fleet), CityHex(target)), weight);
  const int theatre = TheatreOfCity(fleet.HomePort);
  if (!IsTheatre(theatre) || !Draw(GameState.Nations[n].Supplies[theatre], shortfall)) return;
  TCity& city = GameState.Cities[target];
  SendOn(fleet, TFleetMission::Patrol, target);
  Provision(fleet, shortfall);
  city.AiValue = 0;
  if (city.Fortifications != 0 && city.Fortifications < weight &&
      fleet.Ships[TShipType::Ironclad] != 0)
    fleet.Mission = TFleetMission::AttackPort;
}

bool IsSpottedRaider(const TFleet& fleet, int n) {
  return IsActive(fleet) && IsForeignTo(fleet.Nation, n) && fleet.Spotted != 0 &&
         fleet.Mission >= TFleetMission::Patrol && IsEntryOf(GameState.Cities, fleet.Objective);
}

bool CanHunt(const TFleet& hunter, const TFleet& raider, int n) {
  const int mission = hunter.Mission;
  return IsActive(hunter) && CommandsFleet(n, hunter) && hunter.Ships[TShipType::Ironclad] != 0 &&
         hunter.Kind == raider.Kind &&
         TheatreOfCity(hunter.HomePort) == TheatreOfCity(raider.HomePort) &&
         (mission == TFleetMission::Nothing || mission == TFleetMission::Patrol ||
          mission == TFleetMission::AttackPort);
}

// Ironclads of the camp go after the enemy raiders it has seen, provisioned
// as for the way home and paid from the stock where the raider is bound.
void HuntSpottedRaiders(int n) {
  for (int e = 1; e <= GameState.Fleets.Count; ++e) {
    const TFleet& raider = GameState.Fleets[e];
    if (!IsSpottedRaider(raider, n)) continue;
    const int theatre = TheatreOfCity(raider.Objective);
    if (!IsTheatre(theatre)) continue;
    for (int g = 1; g <= GameState.Fleets.Count; ++g) {
      TFleet& hunter = GameState.Fleets[g];
      if (!CanHunt(hunter, raider, n)) continue;
      const int shortfall = VoyageShortfall(
          hunter, Distance(HexOf(hunter), CityHex(hunter.HomePort)), VoyageWeight(hunter));
      if (!Draw(GameState.Nations[n].Supplies[theatre], shortfall)) continue;
      Provision(hunter, shortfall);
      SendOn(hunter, TFleetMission::Patrol, raider.Objective);
    }
  }
}

// The fortified enemy river port of the greatest worth; the first of equals.
int BestRiverTarget(int n) {
  int best = 0;
  int bestValue = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.RiverPort == 0 || !IsForeignTo(city.Nation, n) || city.Fortifications == 0) continue;
    if (city.AiValue != 0 && city.AiValue > bestValue) {
      best = c;
      bestValue = city.AiValue;
    }
  }
  return best;
}

// Idle river fleets attack the best fortified river port, several the same
// one, stocked from nowhere for the voyage.
void AttackRiverPorts(int n) {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (fleet.Nation != n || fleet.Mission != TFleetMission::Nothing || fleet.Kind != kRiverFleet ||
        !IsActive(fleet))
      continue;
    const int target = BestRiverTarget(n);
    if (target == 0) return;
    const int weight = ShipCount(fleet) - fleet.DamagedShips[TShipType::Transport];
    const int shortfall = VoyageShortfall(fleet, Distance(HexOf(fleet), CityHex(target)), weight);
    if (fleet.MoveAllowance < kRiverAttackAllowance) fleet.MoveAllowance = kRiverAttackAllowance;
    SendOn(fleet, TFleetMission::AttackPort, target);
    Provision(fleet, shortfall);
  }
}

bool StandsWith(const TCorps& corps, const TFleet& fleet) {
  return corps.X == fleet.X && corps.Y == fleet.Y;
}

// The corps given to an amphibious fleet goes aboard where the fleet lies;
// once the corps has gone elsewhere, the fleet lets it go and drops the task.
// A corps still withdrawing to board (marching to the fleet or waiting at its
// port for it) has not gone elsewhere: the landing was planned this very turn,
// and letting it go now would call off every landing before it began.
void BoardAmphibiousCorps(int n) {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (fleet.Nation != n || fleet.Mission != TFleetMission::Amphibious ||
        !IsEntryOf(GameState.Corps, fleet.Corps))
      continue;
    TCorps& corps = GameState.Corps[fleet.Corps];
    if (!StandsWith(corps, fleet)) {
      if (corps.Stance == TCombatStance::Withdraw) continue;
      fleet.Mission = TFleetMission::Nothing;
      fleet.Corps = 0;
      if (fleet.Ships[TShipType::Transport] == 0) continue;
      fleet.Objective = 0;
      SteerToCity(fleet, fleet.HomePort);
      continue;
    }
    if (corps.Stance != TCombatStance::Embarked) {
      StartFleetNotice(kEmbarkedNotice, fleet, kEmbarkedText);
      ShowEventMessage();
    }
    corps.Stance = TCombatStance::Embarked;
    if (!IsEntryOf(GameState.Cities, fleet.Objective)) continue;
    SteerToCity(fleet, fleet.Objective);
    corps.DestX = fleet.DestX;
    corps.DestY = fleet.DestY;
  }
}

// An idle fleet puts the corps aboard ashore to hold the ground and march to
// the fleet's port, or, with no transports left to carry it, the corps is
// lost. A corps no longer embarked is no longer aboard. The corps keeps the
// supply city it had, whoever chose it: one the enemy holds is the supply
// pass's to answer, which turns the corps to foraging and tells a player.
void DisembarkAtRest(int n) {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (fleet.Nation != n || fleet.Mission > TFleetMission::Refit || fleet.Corps == 0) continue;
    const int c = EmbarkedCorps(fleet);
    if (c == 0) {
      fleet.Corps = 0;
      continue;
    }
    TCorps& corps = GameState.Corps[c];
    if (!StandsWith(corps, fleet)) continue;
    fleet.Corps = 0;
    if (fleet.Ships[TShipType::Transport] == 0) {
      LoseCorpsWithFleet(c);
      continue;
    }
    const THexPos home = CityHex(fleet.HomePort);
    corps.DestX = static_cast<std::uint8_t>(home.X);
    corps.DestY = static_cast<std::uint8_t>(home.Y);
    corps.Stance = TCombatStance::Defend;
  }
}

bool OnRiverHex(const TCorps& corps) {
  return TMapRecord::OnMap(corps.X, corps.Y) && MapRecord.Cell(corps.X, corps.Y).Flag7();
}

// River gunboats go for enemy corps on the river banks within reach.
void StrikeCorpsOnRivers(int n) {
  const int camp = CampOfNation(n);
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.IsFree() || corps.Side == camp || !OnRiverHex(corps)) continue;
    const int f = FindFleetSlot(n, corps.Theatre, kRiverFleet, kIdleWarFleet);
    if (f == 0) continue;
    TFleet& fleet = GameState.Fleets[f];
    if (Distance(HexOf(fleet), HexOf(corps)) >= kRiverStrikeRange) continue;
    fleet.Mission = TFleetMission::Patrol;
    fleet.DestX = corps.X;
    fleet.DestY = corps.Y;
  }
}

// A corps that knows no state takes the state of the ground it stands on.
void PlaceCorpsInStates(int n) {
  const int camp = CampOfNation(n);
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.IsFree() || corps.Side != camp || corps.State != 0 || corps.Strength == 0 ||
        !TMapRecord::OnMap(corps.X, corps.Y))
      continue;
    corps.State = static_cast<std::uint8_t>(MapRecord.Cell(corps.X, corps.Y).State());
  }
}

void PlanNation(int n) {
  RecallFleetsToPort(n);
  ReckonEnemyFleets(n);
  const bool plans = IsComputerAtWar(n);
  if (plans) {
    ValueEnemyPortsForFleets(n);
    for (int t = 1; t <= kTheatreCount; ++t) {
      if (GameState.Nations[n].NavalBalance != 0) ChooseNavalTargets(n, t);
      PlanCottonRuns(n, t);
    }
    AttackRiverPorts(n);
  }
  BoardAmphibiousCorps(n);
  DisembarkAtRest(n);
  if (!plans) return;
  StrikeCorpsOnRivers(n);
  PlaceCorpsInStates(n);
}

// Nassau buys while Britain is not of the South's camp; in the west Matamoros
// takes its place while France is not.
int CottonBuyer(int theatre) {
  const int south = CampOfNation(TNation::Confederacy);
  int buyer = 0;
  if (CampOfNation(TNation::Britain) != south) buyer = kNassau;
  if (theatre > TTheatre::West && CampOfNation(TNation::France) != south) buyer = kMatamoros;
  return buyer;
}

// A cotton fleet takes what the voyage lacks of supplies from the theatre's
// stock (no run when the stock cannot spare it) and a load of cotton.
void LoadCottonRun(int f, int city, int theatre, int buyer) {
  TFleet& fleet = GameState.Fleets[f];
  TNationRec& south = GameState.Nations[TNation::Confederacy];
  fleet.PathStep = 1;
  fleet.MoveAllowance = static_cast<std::uint8_t>(FleetMoveAllowance(fleet));
  const int transports = fleet.Ships[TShipType::Transport];
  const int needed = transports * Distance(HexOf(fleet), CityHex(city)) / fleet.MoveAllowance;
  const int shortfall = std::max(0, needed - fleet.Supplies);
  if (!Draw(south.Supplies[theatre], shortfall)) return;
  Provision(fleet, shortfall);
  const int cotton = std::min<int>(kCottonPerTransport * transports, south.Cotton[theatre]);
  if (cotton == 0) return;
  south.Cotton[theatre] = static_cast<std::uint16_t>(south.Cotton[theatre] - cotton);
  fleet.Cotton = static_cast<std::uint16_t>(cotton);
  SendOn(fleet, TFleetMission::CottonRun, buyer);
}

}  // namespace

void ChooseNavalTargets(int n, int t) {
  const int f = FindFleetSlot(n, t, kOceanFleet, kIdleWarFleet);
  if (f != 0 && GameState.Fleets[f].Nation != 0) SendOnPatrol(n, f);
  HuntSpottedRaiders(n);
}

void PlanCottonRuns(int n, int t) {
  if (n != TNation::Confederacy || !IsTheatre(t)) return;
  const int buyer = CottonBuyer(t);
  if (buyer == 0) return;
  const int camp = CampOfNation(n);
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.Side != camp || city.Theatre != t || city.SeaPort == 0 ||
        city.OriginalSide != TSide::Confederate)
      continue;
    const int f = FindFleetSlot(n, c, kSeaFleet, kIdleTransportFleet);
    if (f == 0 || GameState.Nations[n].Cotton[t] == 0) continue;
    LoadCottonRun(f, c, t, buyer);
  }
}

void PlanFleetsAndSeaTransport() {
  for (int n = 1; n <= GameState.Nations.Count; ++n) PlanNation(n);
}
