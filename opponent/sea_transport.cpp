#include "opponent/sea_transport.h"

#include "opponent/planner_camps.h"
#include "world/codes.h"
#include "world/fleet_places.h"
#include "world/game_window.h"
#include "world/hex_grid.h"
#include "world/realm_queries.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kSeaTransport = 9;
constexpr int kOceanFleet = 1;
constexpr int kFarForMarch = 8;
constexpr int kCorpsReach = 20;
constexpr int kBoardingReach = 2;
constexpr int kLandingTheatre = TTheatre::Seaboard;

int Ships(const TFleet& fleet, int type) {
  return fleet.Ships[type] + fleet.DamagedShips[type];
}

int AllShips(const TFleet& fleet) {
  return Ships(fleet, TShipType::Ironclad) + Ships(fleet, TShipType::Warship) +
         Ships(fleet, TShipType::Transport);
}

bool IsActiveFleetOf(const TFleet& fleet, int nation) {
  return fleet.Status == 0 && fleet.Nation == nation;
}

int FleetDistance(const TFleet& fleet, int x, int y) {
  return HexDistance(fleet.X, fleet.Y, x, y);
}

int FleetDistanceToCity(const TFleet& fleet, int city) {
  return FleetDistance(fleet, GameState.Cities[city].X, GameState.Cities[city].Y);
}

void SetFleetDestination(TFleet& fleet, int city) {
  fleet.DestX = GameState.Cities[city].X;
  fleet.DestY = GameState.Cities[city].Y;
}

// The stock of supplies in the fleet's home theatre; null without a home port.
U16* HomeStock(int nation, const TFleet& fleet) {
  if (!IsEntryOf(GameState.Cities, fleet.HomePort)) return nullptr;
  return &GameState.Nations[nation].Supplies[GameState.Cities[fleet.HomePort].Theatre];
}

bool IsEnemyPort(const TCity& city, int camp) {
  const int holder =
      IsEntryOf(GameState.Nations, city.Nation) ? GameState.Nations[city.Nation].Side : 0;
  return holder != TSide::None && holder != camp && city.SeaPort != 0;
}

// A port a loaded fleet of the nation already sails for. France sends her
// fleets after the best port whatever her other fleets do.
bool IsLandingUnderWay(int nation, int city) {
  if (nation == TNation::France) return false;
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (IsActiveFleetOf(fleet, nation) && fleet.Corps != 0 && fleet.Objective == city) return true;
  }
  return false;
}

// Rewrites every city's planning value: enemy ports by what a landing would
// win, everything else 0. The result is the number of ports worth it.
int ValuePortsForLanding(int nation) {
  const int camp = CampOfNation(nation);
  int targets = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    city.AiValue = 0;
    if (!IsEnemyPort(city, camp) || IsLandingUnderWay(nation, c)) continue;
    StoreSaturated(city.AiValue, city.Value + 10 - city.GarrisonCount - city.Fortifications);
    ++targets;
  }
  return targets;
}

bool MarkTransportFleets(int nation) {
  bool any = false;
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (fleet.IsFree() || fleet.Nation != nation || fleet.Kind != kOceanFleet ||
        fleet.Ships[TShipType::Transport] <= 1)
      continue;
    fleet.TransportTask = kSeaTransport;
    any = true;
  }
  return any;
}

// Every corps that could take ship is put down for one when it draws on the
// seaboard, and taken off whatever it did before otherwise.
int CallCorpsToTheSea(int nation) {
  int waiting = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.Inactive != 0 || corps.Nation != nation || corps.Disorder != 0 ||
        corps.EnemyPressure != 0 || corps.ArtilleryBrigades == 0)
      continue;
    const bool seaboard = IsEntryOf(GameState.Cities, corps.City) &&
                          GameState.Cities[corps.City].Theatre == kLandingTheatre;
    corps.AiMission = seaboard ? kSeaTransport : 0;
    waiting += seaboard;
  }
  return waiting;
}

void StandDownSeaTransport(int nation) {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.Nation == nation && corps.AiMission == kSeaTransport) corps.AiMission = 0;
  }
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (fleet.Nation == nation && fleet.TransportTask == kSeaTransport) fleet.TransportTask = 0;
  }
}

// The waiting corps that had not yet marched off give up the voyage.
void SendWaitingCorpsBack(int nation) {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.Nation == nation && corps.AiMission == kSeaTransport &&
        corps.Stance <= TCombatStance::Defend)
      corps.AiMission = 0;
  }
}

int BestPort() {
  int best = 0;
  int bestValue = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    if (GameState.Cities[c].AiValue > bestValue) {
      bestValue = GameState.Cities[c].AiValue;
      best = c;
    }
  }
  return best;
}

bool IsAssignedToFleet(int nation, int corps) {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (IsActiveFleetOf(fleet, nation) && fleet.Corps == corps) return true;
  }
  return false;
}

int NearestWaitingCorps(int nation, const TFleet& fleet) {
  if (!IsEntryOf(GameState.Cities, fleet.HomePort)) return 0;
  const int theatre = GameState.Cities[fleet.HomePort].Theatre;
  int bound = kCorpsReach;
  int nearest = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.Inactive != 0 || corps.Nation != nation || corps.AiMission != kSeaTransport ||
        corps.Theatre != theatre || IsAssignedToFleet(nation, c))
      continue;
    const int d = FleetDistance(fleet, corps.X, corps.Y);
    if (d < bound) {
      bound = d;
      nearest = c;
    }
  }
  return nearest;
}

void SailAtOnce(int nation, TFleet& fleet, int target) {
  SetFleetDestination(fleet, target);
  U16* stock = HomeStock(nation, fleet);
  if (stock != nullptr && *stock >= fleet.Supplies)
    *stock = static_cast<std::uint16_t>(*stock - fleet.Supplies);
  Window().RepaintMap();
}

// The fleet sails to the corps' port to take it off there; the corps waits
// ashore, still down for the voyage, since a corps counted as aboard a fleet
// that does not carry it would be lost at sea.
void FetchFromPort(TFleet& fleet, TCorps& corps) {
  SetFleetDestination(fleet, corps.City);
  fleet.Objective = corps.City;
  fleet.Corps = 0;
  fleet.Mission = TFleetMission::Move;
  SendCorpsToCity(corps, corps.City);
  corps.Stance = TCombatStance::Defend;
}

// The corps marches to the fleet's hex to board after movement. One already
// on its own supply city waits there instead, ready to board when the fleet
// comes within reach.
void MarchToFleet(const TFleet& fleet, TCorps& corps) {
  corps.Stance = TCombatStance::Withdraw;
  if (CorpsStandsOnCity(corps, corps.City)) return;
  corps.State = static_cast<std::uint8_t>(MapRecord.Cell(fleet.X, fleet.Y).State());
  corps.DestX = fleet.X;
  corps.DestY = fleet.Y;
  corps.March = TMarchMode::Forced;
  corps.City = fleet.HomePort;
}

void LaunchLanding(int nation, TFleet& fleet, int c, int target) {
  TCorps& corps = GameState.Corps[c];
  const int toCorps = FleetDistance(fleet, corps.X, corps.Y);
  const int toTarget = FleetDistanceToCity(fleet, target);
  StoreSaturated(fleet.Supplies, (toCorps + toTarget) * AllShips(fleet) * 3 / 10);
  fleet.Mission = TFleetMission::Amphibious;
  fleet.Objective = static_cast<std::uint8_t>(target);
  fleet.DestX = fleet.DestY = 0;
  fleet.Corps = static_cast<std::uint8_t>(c);
  corps.Army = 0;
  if (toCorps == 0) {
    corps.Stance = TCombatStance::Embarked;
    SailAtOnce(nation, fleet, target);
  } else if (toCorps >= kFarForMarch && IsEntryOf(GameState.Cities, corps.City) &&
             GameState.Cities[corps.City].SeaPort != 0) {
    FetchFromPort(fleet, corps);
  } else {
    MarchToFleet(fleet, corps);
  }
}

// What a fleet needs in supplies for a voyage: its fighting ships eat most.
int VoyageNeed(const TFleet& fleet) {
  return 3 * (2 * Ships(fleet, TShipType::Ironclad) + Ships(fleet, TShipType::Warship) +
              fleet.Ships[TShipType::Transport]);
}

bool CanBeVictualled(int nation, const TFleet& fleet) {
  const U16* stock = HomeStock(nation, fleet);
  if (stock == nullptr) return false;
  const int need = VoyageNeed(fleet);
  return fleet.Supplies >= need || *stock >= need - fleet.Supplies;
}

}  // namespace

void PlanAmphibiousOperations(int nation) {
  int targets = ValuePortsForLanding(nation);
  const bool transports = MarkTransportFleets(nation);
  const int waiting = transports ? CallCorpsToTheSea(nation) : 0;
  if (!transports || waiting == 0) targets = 0;
  if (targets == 0) return StandDownSeaTransport(nation);
  const int target = BestPort();
  if (target == 0) return;
  const int f = FindTransportFleet(nation, target);
  if (f == 0 || GameState.Fleets[f].Corps != 0) return SendWaitingCorpsBack(nation);
  TFleet& fleet = GameState.Fleets[f];
  const int c = NearestWaitingCorps(nation, fleet);
  if (c != 0) LaunchLanding(nation, fleet, c, target);
}

int FindTransportFleet(int nation, int city) {
  int best = 0;
  int bestDistance = 0;
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (!IsActiveFleetOf(fleet, nation) || fleet.TransportTask != kSeaTransport ||
        fleet.Mission != TFleetMission::Nothing || !CanBeVictualled(nation, fleet))
      continue;
    const TCity& home = GameState.Cities[fleet.HomePort];
    const TCity& place = GameState.Cities[city];
    const int d = HexDistance(home.X, home.Y, place.X, place.Y);
    if (best == 0 || d < bestDistance) {
      best = f;
      bestDistance = d;
    }
  }
  return best;
}

void EmbarkAssignedCorps() {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (fleet.Status != 0 || !IsEntryOf(GameState.Corps, fleet.Corps)) continue;
    TCorps& corps = GameState.Corps[fleet.Corps];
    if (corps.Stance == TCombatStance::Embarked) continue;
    const bool boards = corps.Inactive == 0 && corps.Stance == TCombatStance::Withdraw &&
                        FleetDistance(fleet, corps.X, corps.Y) < kBoardingReach;
    if (boards && IsEntryOf(GameState.Cities, fleet.Objective)) {
      // The fleet keeps the landing port it was given and sails for it.
      SetFleetDestination(fleet, fleet.Objective);
      fleet.Mission = TFleetMission::Amphibious;
      corps.DestX = fleet.DestX;
      corps.DestY = fleet.DestY;
      corps.Stance = TCombatStance::Embarked;
      continue;
    }
    GiveUpCorps(fleet);
  }
}
