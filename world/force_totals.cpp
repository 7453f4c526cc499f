#include "world/force_totals.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string>

#include "world/army_naming.h"
#include "world/brigade_rules.h"
#include "world/city_threat.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/corps_fatigue.h"
#include "world/force_slots.h"
#include "world/hex_control.h"
#include "world/hex_grid.h"
#include "world/saturating.h"
#include "world/ship_building.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kLastSeaFleetKind = 1;

// Ship tallies: by ship type (ironclads, warships, transports), for sea and river fleets.
constexpr std::array<int, 4> kSeaTally = {0, 6, 2, 4};
constexpr std::array<int, 4> kRiverTally = {0, 1, 3, 5};

// A brigade slot of a corps' capacity stands for this much strength.
constexpr int kFullBrigadeStrength = 80;
constexpr int kMostCohesion = 10;
// Corps within fewer hexes than this weigh on each other.
constexpr int kPressureRange = 3;
// An army's odds count the corps within this many hexes of its headquarters.
constexpr int kArmyOddsRadius = 5;
constexpr int kMostOddsBand = 5;
// Fleets this close to ready already sail under their nation's colours.
constexpr int kFleetTakesSideBelow = 25;

bool IsLeader(int leader) {
  return IsEntryOf(GameState.Leaders, leader);
}

bool IsComputerNation(int nation) {
  return IsEntryOf(GameState.Nations, nation) && GameState.Nations[nation].Human == 0;
}

void TallyShipsWithDamaged() {
  for (int n = 1; n <= GameState.Nations.Count; ++n) {
    for (int i = 1; i <= GameState.Nations[n].ShipTally.Count; ++i)
      GameState.Nations[n].ShipTally[i] = 0;
  }
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (fleet.Status != 0 || !IsEntryOf(GameState.Nations, fleet.Nation)) continue;
    if (fleet.Kind != kRiverFleetKind && fleet.Kind > kLastSeaFleetKind) continue;
    const auto& tally = fleet.Kind == kRiverFleetKind ? kRiverTally : kSeaTally;
    TNationRec& nation = GameState.Nations[fleet.Nation];
    for (int type = 1; type <= fleet.Ships.Count; ++type)
      AddSaturated(nation.ShipTally[tally[type]], fleet.Ships[type] + fleet.DamagedShips[type]);
  }
}

// The corps counted below add their strength to the states they stand in.
void ResetStateTallies() {
  RecountForeignCities();
  for (int s = 1; s <= GameState.States.Count; ++s) {
    GameState.States[s].ControlStrength = 0;
    GameState.States[s].IntruderStrength = 0;
  }
}

bool HasCeased(const TCorps& corps) {
  const bool empty =
      corps.Strength == 0 && corps.OtherBrigades == 0 && corps.ArtilleryBrigades == 0;
  return empty || corps.Leader == 0 || corps.X == 0 || corps.Y == 0;
}

// Brigades of a corps that is gone wait, armed, for a new one.
void ReleaseBrigades(int corps) {
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    if (!IsBrigadeOfCorps(brigade, corps)) continue;
    brigade.Status = TBrigadeStatus::ArmedAndWaiting;
    brigade.Location = 0;
  }
}

// Only a corps that served until now gives up its commander: a free slot's
// leader byte is left from a command the leader may since have moved on from.
void RemoveCorps(int c) {
  TCorps& corps = GameState.Corps[c];
  FreeCorpsSlot(c);
  if (IsLeader(corps.Leader)) GameState.Leaders[corps.Leader].Status = TLeaderStatus::Relieved;
  corps.Leader = 0;
  ReleaseBrigades(c);
}

void PlaceCorps(TCorps& corps) {
  if (!TMapRecord::OnMap(corps.X, corps.Y)) return;
  const int state = MapRecord.Cell(corps.X, corps.Y).State();
  if (!IsEntryOf(GameState.States, state)) return;
  corps.State = static_cast<std::uint8_t>(state);
  corps.Theatre = GameState.States[state].Theatre;
}

// A division's rating counts half towards its neighbours, but a rating of 1 stays 1.
int PressureOf(const TCorps& corps) {
  return corps.Kind != TCorpsKind::Corps && corps.Cohesion > 1 ? corps.Cohesion / 2
                                                               : corps.Cohesion;
}

int Posture(int own, int enemy) {
  if (own < enemy) return enemy > 2 * own ? TPosture::Outmatched : TPosture::Outnumbered;
  if (own - enemy > 10) return TPosture::Overwhelming;
  if (own > enemy + 1) return TPosture::Stronger;
  return TPosture::Even;
}

// Corps later in the table still carry the rating of the last computation.
void WeighPressure(TCorps& corps) {
  int own = 0;
  int enemy = 0;
  for (int j = 1; j <= GameState.Corps.Count; ++j) {
    const TCorps& other = GameState.Corps[j];
    if (other.Inactive != 0 || HexDistance(corps.X, corps.Y, other.X, other.Y) >= kPressureRange)
      continue;
    (other.Side == corps.Side ? own : enemy) += PressureOf(other);
  }
  StoreSaturated(corps.OwnPressure, own);
  StoreSaturated(corps.EnemyPressure, enemy);
  corps.Posture = static_cast<std::uint8_t>(Posture(own, enemy));
}

void RateLeadership(TCorps& corps) {
  corps.LeaderCombat = static_cast<std::uint8_t>(LeaderRating(corps.Leader, &TLeader::Combat));
  corps.LeaderInitiative =
      static_cast<std::uint8_t>(LeaderRating(corps.Leader, &TLeader::Initiative));
  if (!IsEntryOf(GameState.Armies, corps.Army)) return;
  const int armyLeader = GameState.Armies[corps.Army].Leader;
  AddSaturated(corps.LeaderCombat, LeaderRating(armyLeader, &TLeader::Combat) / 3);
}

void RateCorps(TCorps& corps) {
  const int combat = LeaderRating(corps.Leader, &TLeader::Combat);
  corps.Capacity = static_cast<std::uint8_t>(std::min(CorpsCapacity(corps.Kind, combat), 255));
  if (IsEntryOf(GameState.Nations, corps.Nation)) corps.Side = GameState.Nations[corps.Nation].Side;
  corps.SupplyLosses = 0;
  PlaceCorps(corps);
  if (corps.Capacity != 0) {
    const int cohesion = corps.Strength * 10 / (corps.Capacity * kFullBrigadeStrength);
    corps.Cohesion = static_cast<std::uint8_t>(std::clamp(cohesion, 1, kMostCohesion));
  }
  if (IsComputerNation(corps.Nation) && corps.Stance >= TCombatStance::Defend &&
      corps.Stance <= TCombatStance::Training)
    corps.Stance = TCombatStance::Defend;
  if (corps.Disorder != 0) corps.Stance = TCombatStance::Withdraw;
  WeighPressure(corps);
  RateLeadership(corps);
}

// A free slot that stands on no row still lets go of brigades left on it.
void UpdateCorps() {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.Inactive != 0) {
      if (corps.Y == 0) ReleaseBrigades(c);
    } else if (HasCeased(corps)) {
      RemoveCorps(c);
    } else {
      RateCorps(corps);
    }
  }
}

// A nation's totals, summed wide and stored once at the end.
struct NationTotals {
  int corps = 0;
  int armies = 0;
  std::array<int, kTheatreCount + 1> corpsIn{};
  std::array<int, kTheatreCount + 1> armiesIn{};
  std::array<int, kTheatreCount + 1> strength{};
  std::array<int, kTheatreCount + 1> capacity{};
};

void CountCorps(const TCorps& corps, NationTotals& totals) {
  ++totals.corps;
  if (IsEntryOf(GameState.States, corps.State)) {
    TStateRec& state = GameState.States[corps.State];
    AddSaturated(corps.Side == state.ControlSide ? state.ControlStrength : state.IntruderStrength,
                 corps.Strength);
  }
  if (!IsTheatre(corps.Theatre)) return;
  ++totals.corpsIn[corps.Theatre];
  totals.strength[corps.Theatre] += corps.Strength;
  totals.capacity[corps.Theatre] += corps.Capacity * kFullBrigadeStrength;
}

// An army left without corps stands down: its commander is relieved and its
// name goes back on its nation's list.
void StandDownEmptyArmy(TArmy& army, int nation) {
  if (IsLeader(army.Leader)) GameState.Leaders[army.Leader].Status = TLeaderStatus::Relieved;
  army.Side = 0;
  army.Nation = 0;
  army.HqCity = 0;
  ReleaseArmyName(army, nation);
}

bool IsArmyOf(const TArmy& army, int nation) {
  return army.Nation == nation && army.HqCity != 0;
}

void CountArmy(int a, int nation, NationTotals& totals) {
  TArmy& army = GameState.Armies[a];
  army.Theatre =
      IsEntryOf(GameState.Cities, army.HqCity) ? GameState.Cities[army.HqCity].Theatre : 0;
  const int camp = GameState.Nations[nation].Side;
  int corpsCount = 0;
  int cohesion = 0;
  int readiness = 0;
  int fatigue = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.Inactive != 0 || corps.Side != camp || corps.Army != a) continue;
    ++corpsCount;
    CountCorps(corps, totals);
    cohesion += corps.Cohesion;
    readiness += corps.Readiness;
    fatigue += corps.Fatigue;
  }
  StoreSaturated(army.CorpsCount, corpsCount);
  // An army left without corps is dissolved, not counted: neither the
  // nation's armies nor its theatre's may include it.
  if (corpsCount == 0) {
    army.Cohesion = 0;
    army.Rating = 0;
    army.Fatigue = 0;
    StandDownEmptyArmy(army, nation);
    return;
  }
  ++totals.armies;
  if (IsTheatre(army.Theatre)) ++totals.armiesIn[army.Theatre];
  army.Cohesion = static_cast<std::uint8_t>(cohesion / corpsCount);
  army.Rating = static_cast<std::uint8_t>(readiness / corpsCount);
  army.Fatigue = static_cast<std::uint8_t>(fatigue / corpsCount);
}

void AddGarrisons(int nation, NationTotals& totals) {
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Status != TBrigadeStatus::InGarrison ||
        !IsEntryOf(GameState.Cities, brigade.Location))
      continue;
    const TCity& city = GameState.Cities[brigade.Location];
    if (city.Nation == nation && city.GarrisonCount != 0 && IsTheatre(city.Theatre))
      totals.strength[city.Theatre] += brigade.Strength;
  }
}

// Strength per theatre against what full corps would field, in per cent.
int CapacityShare(int strength, int capacity) {
  return capacity == 0 ? 0 : strength * 10 / (capacity / 10 + 1);
}

void StoreTotals(TNationRec& record, const NationTotals& totals,
                 const std::array<int, kTheatreCount + 1>& capacityShare) {
  StoreSaturated(record.CorpsCount, totals.corps);
  StoreSaturated(record.ArmyCount, totals.armies);
  for (int t = 1; t <= kTheatreCount; ++t) {
    StoreSaturated(record.AiWeight[t], totals.corpsIn[t]);
    StoreSaturated(record.TheatreFlag[t], totals.armiesIn[t]);
    StoreSaturated(record.LandStrength[t], totals.strength[t]);
    StoreSaturated(record.TheatreCapacity[t], capacityShare[t]);
  }
}

void RateArmyOdds(int nation) {
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    TArmy& army = GameState.Armies[a];
    if (!IsArmyOf(army, nation) || army.CorpsCount == 0) continue;
    AssessCityThreat(army.HqCity, nation, kArmyOddsRadius);
    ThreatOwnStrength = static_cast<std::uint16_t>(ThreatOwnStrength / 10 + 1);
    ThreatEnemyStrength = static_cast<std::uint16_t>(ThreatEnemyStrength / 10 + 1);
    StoreSaturated(army.Odds, ArmyOdds(ThreatOwnStrength, ThreatEnemyStrength));
  }
}

void TotalNationForces(int nation) {
  TNationRec& record = GameState.Nations[nation];
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (fleet.Nation == nation && fleet.Status < kFleetTakesSideBelow) fleet.Side = record.Side;
  }
  NationTotals totals;
  for (int a = 1; a <= GameState.Armies.Count; ++a)
    if (IsArmyOf(GameState.Armies[a], nation)) CountArmy(a, nation, totals);
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.Inactive == 0 && corps.Nation == nation && corps.Army == 0) CountCorps(corps, totals);
  }
  // The share is taken of the corps alone, before the garrisons join the strength.
  std::array<int, kTheatreCount + 1> capacityShare{};
  for (int t = 1; t <= kTheatreCount; ++t)
    capacityShare[t] = CapacityShare(totals.strength[t], totals.capacity[t]);
  AddGarrisons(nation, totals);
  StoreTotals(record, totals, capacityShare);
  RateArmyOdds(nation);
}

}  // namespace

int CorpsCapacity(int kind, int combat) {
  return kind == TCorpsKind::Corps ? combat / 12 + 4 : combat / 35 + 2;
}

int ArmyOdds(int own, int enemy) {
  if (own > enemy) {
    int band = 1;
    while (band < kMostOddsBand && own > (band + 1) * enemy) ++band;
    const int rest = band == kMostOddsBand ? 0 : (own - band * enemy) / std::max(enemy / 10, 1);
    return kEvenArmyOdds + 10 * band + rest;
  }
  if (enemy > own) {
    int band = 4;
    for (int times = 2; times <= kMostOddsBand; ++times)
      if (enemy > times * own) --band;
    return 10 * band + (enemy - (kMostOddsBand - band) * own) / std::max(own / 10, 1);
  }
  return kEvenArmyOdds;
}

void ComputeForceTotals() {
  TallyShipsWithDamaged();
  ResetStateTallies();
  RecountCorpsBrigades();
  UpdateCorps();
  for (int n = 1; n <= GameState.Nations.Count; ++n) TotalNationForces(n);
}
