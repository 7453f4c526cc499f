#include "world/contacts.h"

#include <algorithm>

#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/corps_fatigue.h"
#include "world/dissolve_and_disband.h"
#include "world/force_slots.h"
#include "world/hex_grid.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/vardecl.h"
#include "world/weather.h"

namespace {

constexpr int kMostBattleMark = 4;
constexpr int kPatrol = 4;

bool IsActive(const TCorps& corps) {
  return !corps.IsFree();
}

bool IsActive(const TFleet& fleet) {
  return fleet.Status == 0;
}

bool CanFight(const TCorps& corps) {
  return corps.Stance < TCombatStance::Embarked;
}

bool HasTransport(int corps) {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (IsActive(fleet) && fleet.Corps == corps) return true;
  }
  return false;
}

// Done for the whole table before any contact is looked at, so that a corps
// about to go is never seen, nor marked for a battle.
void RemoveLostCorps() {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (!IsActive(corps)) continue;
    if (corps.Strength == 0) {
      GarrisonLeftoverBrigades(c);
      FreeCorpsSlot(c);
    } else if (corps.Nation != 0 && corps.Stance == TCombatStance::Embarked && !HasTransport(c)) {
      LoseCorpsAtSea(c);
    }
  }
}

int ContactRange(const TCorps& corps) {
  const int weather = WeatherIn(corps.Theatre);
  int range = 5;
  if (weather > 6)
    range = 3;
  else if (weather == 3)
    range = 4;
  if (corps.Kind == TCorpsKind::CavalryDivision) ++range;
  if (corps.Fatigue > corps.LeaderInitiative) --range;
  return range;
}

void MarkForBattle(TCorps& corps) {
  corps.BattleMark = static_cast<std::uint8_t>(std::min(corps.BattleMark + 1, kMostBattleMark));
  if (corps.ContactStep == 0) corps.ContactStep = GameState.Step;
}

// A spotter never lowers what a nearer one saw.
void Spot(std::uint8_t& spotted, int value) {
  spotted = static_cast<std::uint8_t>(std::max<int>(spotted, value));
}

// Enemies are of the other camp: a French corps beside a Confederate one is an ally.
void FindCorpsContacts(int c) {
  TCorps& corps = GameState.Corps[c];
  const int range = ContactRange(corps);
  int enemiesOnHex = 0;
  for (int d = 1; d <= GameState.Corps.Count; ++d) {
    TCorps& other = GameState.Corps[d];
    if (d == c || !IsActive(other) || other.Side == corps.Side) continue;
    const int distance = HexDistance(corps.X, corps.Y, other.X, other.Y);
    if (distance == 0) {
      ++enemiesOnHex;
      if (CanFight(corps) && CanFight(other)) {
        MarkForBattle(corps);
        MarkForBattle(other);
      }
    } else if (distance <= range) {
      Spot(other.Spotted, range - distance);
    }
  }
  if (enemiesOnHex == 0) corps.BattleMark = 0;
}

bool InHostileState(const TCorps& corps) {
  if (!IsEntryOf(GameState.States, corps.State)) return false;
  const int control = GameState.States[corps.State].ControlSide;
  return control != 0 && control != corps.Side;
}

void WatchFromCity(const TCity& city) {
  const int range = city.GarrisonCount != 0 ? 2 : 1;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (!IsActive(corps) || corps.Side == city.Side) continue;
    const int distance = HexDistance(corps.X, corps.Y, city.X, city.Y);
    if (distance <= range && corps.Spotted < range - distance)
      AddSaturated(corps.Spotted, range - distance);
    if (distance == 0 && CanFight(corps)) corps.BattleMark = kMostBattleMark;
    if (InHostileState(corps)) AddSaturated(corps.Spotted, 1);
  }
}

int FleetRange(const TFleet& fleet) {
  const int port = fleet.HomePort;
  int theatre = IsEntryOf(GameState.Cities, port) ? GameState.Cities[port].Theatre : 0;
  if (theatre == 0) theatre = TTheatre::Seaboard;
  const int weather = WeatherIn(theatre);
  if (weather >= 6) return 1;
  if (weather > 2) return 2;
  return 3;
}

// Two river fleets meet on the river itself; anything else counts one hex more.
int FleetDistance(const TFleet& fleet, const TFleet& other) {
  const int bothOnRivers = fleet.Kind != 0 && other.Kind != 0;
  return HexDistance(fleet.X, fleet.Y, other.X, other.Y) + (bothOnRivers ? 0 : 1);
}

void FindFleetContacts(int f) {
  TFleet& fleet = GameState.Fleets[f];
  const int range = FleetRange(fleet);
  for (int g = 1; g <= GameState.Fleets.Count; ++g) {
    const TFleet& other = GameState.Fleets[g];
    if (g == f || !IsActive(other) || other.Side == fleet.Side) continue;
    const int distance = FleetDistance(fleet, other);
    if (distance <= range && fleet.Spotted < range - distance)
      fleet.Spotted = static_cast<std::uint8_t>(range - distance + (other.Mission == kPatrol));
  }
  for (int k = 1; k <= GameState.Cities.Count; ++k) {
    const TCity& city = GameState.Cities[k];
    if (city.Side == TSide::None || city.Side == fleet.Side) continue;
    if (HexDistance(fleet.X, fleet.Y, city.X, city.Y) <= range) AddSaturated(fleet.Spotted, 1);
  }
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (!IsActive(corps) || corps.Side == fleet.Side) continue;
    if (HexDistance(fleet.X, fleet.Y, corps.X, corps.Y) <= 1) AddSaturated(corps.Spotted, 1);
  }
}

}  // namespace

void UpdateContacts() {
  for (int c = 1; c <= GameState.Corps.Count; ++c) GameState.Corps[c].Spotted = 0;
  for (int f = 1; f <= GameState.Fleets.Count; ++f) GameState.Fleets[f].Spotted = 0;
  RemoveLostCorps();
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    if (IsActive(GameState.Corps[c])) FindCorpsContacts(c);
  }
  for (int k = 1; k <= GameState.Cities.Count; ++k) WatchFromCity(GameState.Cities[k]);
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (IsActive(fleet) && fleet.Side != TSide::None) FindFleetContacts(f);
  }
}
