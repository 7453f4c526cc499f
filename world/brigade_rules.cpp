#include "world/brigade_rules.h"

#include <array>
#include <vector>

#include "world/codes.h"
#include "world/corps_command.h"
#include "world/corps_fatigue.h"
#include "world/ordinals.h"
#include "world/random.h"
#include "world/realm_queries.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kCorpsSlots = decltype(TGameState::Corps)::Count;
constexpr int kCitySlots = decltype(TGameState::Cities)::Count;
constexpr int kMostBrigadesInCommand = 10;
// A weighted quality this high is never picked to take attrition.
constexpr int kAttritionQualityCeiling = 100;
constexpr int kMostQuality = 7;
// In the western and river theatres the recruits of a Union state without a
// capital of its own gather at these cities while the Union holds them.
constexpr int kWesternGatheringCity = 57;
constexpr int kRiverGatheringCity = 55;

bool IsState(int state) {
  return IsEntryOf(GameState.States, state);
}
bool IsCorps(int corps) {
  return IsEntryOf(GameState.Corps, corps);
}
bool IsBrigade(int brigade) {
  return IsEntryOf(GameState.Brigades, brigade);
}
bool IsWeapon(int weapon) {
  return IsEntryOf(WeaponLossCounters, weapon);
}

void AddToStateLosses(const TBrigade& brigade, int points) {
  if (IsState(brigade.HomeState)) AddSaturated(GameState.States[brigade.HomeState].Losses, points);
}

int AttritionWeight(const TBrigade& brigade) {
  switch (brigade.Arm) {
    case TArm::Artillery:
      return 3 * brigade.Quality;
    case TArm::Cavalry:
      return 2 * brigade.Quality;
    default:
      return brigade.Quality;
  }
}

// The corps' brigades that can take attrition. Only brigades serving in the
// corps count: a garrison whose city number happens to equal the corps number
// is not part of it.
std::vector<int> AttritionCandidates(int corps) {
  const int nation = GameState.Corps[corps].Nation;
  std::vector<int> candidates;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    if (!IsNation(brigade.Nation)) {
      brigade.Nation = 0;
      continue;
    }
    if (IsBrigadeOfCorps(brigade, corps) && brigade.Nation == nation) candidates.push_back(b);
  }
  return candidates;
}

// Each point falls on the brigade found by a chain through the corps in slot
// order: a brigade takes over only when it is both stronger and of lower
// weighted quality than the one chosen so far.
int NextAttritionVictim(const std::vector<int>& candidates) {
  int chosen = 0;
  int bestStrength = 0;
  int bestWeight = kAttritionQualityCeiling;
  for (int b : candidates) {
    const TBrigade& brigade = GameState.Brigades[b];
    const int weight = AttritionWeight(brigade);
    if (brigade.Strength > bestStrength && weight < bestWeight) {
      chosen = b;
      bestStrength = brigade.Strength;
      bestWeight = weight;
    }
  }
  return chosen;
}

void TakeAttrition(int corps, int points) {
  if (!IsCorps(corps) || points == 0) return;
  // Taking points changes only strengths, so one scan serves every point.
  const std::vector<int> candidates = AttritionCandidates(corps);
  TCorps& formation = GameState.Corps[corps];
  for (; points > 0; --points) {
    const int b = NextAttritionVictim(candidates);
    if (b == 0) return;
    TBrigade& brigade = GameState.Brigades[b];
    --brigade.Strength;
    if (formation.Strength > 0) --formation.Strength;
    AddSaturated(GameState.ForagingLosses[brigade.Nation], 1);
    AddToStateLosses(brigade, 1);
    if (brigade.Strength == 0) ClearBrigade(b);
  }
}

void TakeHit(int b, int points) {
  if (!IsBrigade(b)) return;
  TBrigade& brigade = GameState.Brigades[b];
  const int lost = brigade.Strength < points ? brigade.Strength : points;
  if (IsNation(brigade.Nation)) {
    AddSaturated(GameState.Casualties[brigade.Nation], lost);
    AddSaturated(GameState.NationTally[brigade.Nation], lost);
  }
  AddToStateLosses(brigade, lost);
  if (brigade.Strength < points) {
    ClearBrigade(b);
    return;
  }
  brigade.Strength = static_cast<std::uint8_t>(brigade.Strength - points);
  // Half the Union's surviving hits lose their weapons with the men.
  if (brigade.Nation == TNation::Union && Random(100) < 50 && IsWeapon(brigade.Weapon))
    AddSaturated(WeaponLossCounters[brigade.Weapon], points);
}

bool IsDead(const TBrigade& brigade) {
  return brigade.Arm == 0 || brigade.HomeState == 0 || brigade.Strength == 0;
}

bool CountsInRecount(const TCorps& corps) {
  return corps.Inactive == 0 && corps.Side != 0;
}

struct CorpsSums {
  int artilleryBrigades = 0;
  int artilleryStrength = 0;
  int otherBrigades = 0;
  int strength = 0;
  int quality = 0;
  int fatigue = 0;
};

void StoreTotals(TCorps& corps, const CorpsSums& sums) {
  StoreSaturated(corps.ArtilleryBrigades, sums.artilleryBrigades);
  StoreSaturated(corps.ArtilleryStrength, sums.artilleryStrength);
  StoreSaturated(corps.OtherBrigades, sums.otherBrigades);
  StoreSaturated(corps.Strength, sums.strength);
  // The means divide by the infantry and cavalry alone, though the artillery's
  // quality and experience are in the sums.
  const int divisor = sums.otherBrigades;
  StoreSaturated(corps.Quality, divisor == 0 ? 0 : sums.quality / divisor);
  StoreSaturated(corps.Fatigue, divisor == 0 ? 0 : sums.fatigue / divisor);
}

void RecountCorps() {
  std::array<CorpsSums, kCorpsSlots + 1> sums{};
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Status != TBrigadeStatus::InCorps || !IsCorps(brigade.Location)) continue;
    const TCorps& corps = GameState.Corps[brigade.Location];
    if (!CountsInRecount(corps) || brigade.Nation != corps.Nation) continue;
    CorpsSums& sum = sums[brigade.Location];
    if (brigade.Arm == TArm::Artillery) {
      ++sum.artilleryBrigades;
      sum.artilleryStrength += brigade.Strength;
    } else {
      ++sum.otherBrigades;
      sum.strength += brigade.Strength;
    }
    if (brigade.Fatigue > kMostBrigadeFatigue) brigade.Fatigue = kMostBrigadeFatigue;
    sum.quality += brigade.Quality;
    sum.fatigue += brigade.Fatigue;
  }
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (!CountsInRecount(corps)) continue;
    const int capacity =
        CommandCapacity(corps.Kind, corps.Nation, LeaderRating(corps.Leader, &TLeader::Combat));
    corps.Capacity = static_cast<std::uint8_t>(std::min(capacity, kMostBrigadesInCommand));
    StoreTotals(corps, sums[c]);
  }
}

WeaponRange WeaponsOfArm(int arm) {
  switch (arm) {
    case TArm::Artillery:
      return {TWeapon::Smoothbores, TWeapon::Whitworths};
    case TArm::Infantry:
      return {TWeapon::Muskets, TWeapon::Spencers};
    case TArm::Cavalry:
      return {TWeapon::Sharps, TWeapon::Shotguns};
    default:
      return {1, 0};
  }
}

// Where an armed brigade waits for a corps: its state's capital, else its
// nation's. The two theatre cities stand in for the nation's capital only for
// Union recruits: sending a Confederate brigade to a Union-held city would hand
// it to the enemy.
int GatheringCity(const TBrigade& brigade) {
  const int state = brigade.HomeState;
  if (IsState(state) && GameState.States[state].CapitalCity != 0)
    return GameState.States[state].CapitalCity;
  if (CampOfNation(brigade.Nation) == TSide::Union && IsState(state)) {
    const int theatre = GameState.States[state].Theatre;
    if (theatre == TTheatre::West && GameState.Cities[kWesternGatheringCity].Side == TSide::Union)
      return kWesternGatheringCity;
    if (theatre == TTheatre::Mississippi &&
        GameState.Cities[kRiverGatheringCity].Side == TSide::Union)
      return kRiverGatheringCity;
  }
  return GameState.Nations[brigade.Nation].Capital;
}

int LowestFreeBrigadeNumber(int state) {
  OrdinalsInUse numbers;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (!brigade.IsFree() && brigade.HomeState == state) numbers.Mark(brigade.Number);
  }
  return numbers.LowestFree();
}

}  // namespace

void ClearBrigade(int brigade) {
  if (!IsBrigade(brigade)) return;
  TBrigade& slot = GameState.Brigades[brigade];
  const bool garrisoned = slot.Status == TBrigadeStatus::InGarrison;
  slot.Nation = 0;
  slot.Arm = 0;
  slot.Strength = 0;
  slot.HomeState = 0;
  slot.Status = TBrigadeStatus::Free;
  slot.Fatigue = 0;
  if (garrisoned) RecountGarrison(slot.Location);
}

void ApplyBrigadeLosses(std::uint16_t mode, std::uint16_t index, std::uint16_t amount) {
  if (mode == kLossesByCorps) TakeAttrition(index, amount);
  if (mode == kLossesByBrigade) TakeHit(index, amount);
}

void RecountGarrison(int city) {
  if (!IsCity(city)) return;
  int garrison = 0;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    if (IsGarrisonOf(GameState.Brigades[b], city)) ++garrison;
  }
  StoreSaturated(GameState.Cities[city].GarrisonCount, garrison);
}

// A city of no nation keeps the count it was given.
void RecountGarrisons() {
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    if (GameState.Cities[c].Nation != 0) RecountGarrison(c);
  }
}

void RecountCorpsBrigades() {
  for (int b = 1; b <= GameState.Brigades.Count; ++b)
    if (IsDead(GameState.Brigades[b])) ClearBrigade(b);
  RecountCorps();
  RecountGarrisons();
}

int CommandCapacity(int kind, int nation, int combat) {
  const bool confederate = nation == TNation::Confederacy;
  if (kind == TCorpsKind::Corps) return combat / (confederate ? 11 : 20) + 4;
  return combat / (confederate ? 20 : 30) + 2;
}

std::uint16_t TrainCorpsBrigades(int corps) {
  if (!IsCorps(corps)) return 0;
  const int nation = GameState.Corps[corps].Nation;
  std::uint16_t improved = 0;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Nation != nation || !IsBrigadeOfCorps(brigade, corps)) continue;
    // A draw of 0..7 above the present quality: a brigade of quality 7 has
    // nothing left to learn.
    if (Random(100) > 25 && Random(kMostQuality + 1) > brigade.Quality) {
      ++brigade.Quality;
      ++improved;
    }
  }
  return improved;
}

void SetProductionCosts() {
  // Row w is weapon w's price per unit of monthly output, for nations 1..4.
  constexpr int kFirstPricedWeapon = TWeapon::Springfields;
  constexpr std::array<std::array<std::uint8_t, 4>, 7> kCosts = {{
      {3, 3, 2, 2},
      {12, 12, 8, 6},
      {20, 20, 12, 10},
      {1, 1, 3, 3},
      {42, 45, 40, 38},
      {70, 70, 62, 60},
      {110, 110, 90, 92},
  }};
  for (int row = 0; row < static_cast<int>(kCosts.size()); ++row)
    for (int nation = 1; nation <= GameState.Nations.Count; ++nation)
      GameState.WeaponTypes[kFirstPricedWeapon + row].Cost[nation] = kCosts[row][nation - 1];
}

bool PoolOfArm(int arm, RecruitPool& pool) {
  switch (arm) {
    case TArm::Artillery:
      pool = {&TStateRec::ArtilleryPoints, kFullArtilleryStrength};
      return true;
    case TArm::Infantry:
      pool = {&TStateRec::InfantryPoints, kFullInfantryStrength};
      return true;
    case TArm::Cavalry:
      pool = {&TStateRec::CavalryPoints, kFullCavalryStrength};
      return true;
    default:
      return false;
  }
}

int PickWeaponForArm(int nation, int arm, int strength) {
  if (!IsNation(nation)) return 0;
  const WeaponRange range = WeaponsOfArm(arm);
  for (int weapon = range.first; weapon <= range.last; ++weapon)
    if (GameState.Nations[nation].WeaponStock[weapon] > strength) return weapon;
  return 0;
}

void ArmRaisedBrigades(int nation) {
  if (!IsNation(nation)) return;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Nation != nation || brigade.Status != TBrigadeStatus::RaisedUnarmed) continue;
    const int weapon = PickWeaponForArm(nation, brigade.Arm, brigade.Strength);
    // With nowhere to gather, a brigade stays raised rather than wait in no city.
    const int city = weapon == 0 ? 0 : GatheringCity(brigade);
    if (city == 0) continue;
    brigade.Weapon = static_cast<std::uint8_t>(weapon);
    brigade.Status = TBrigadeStatus::ArmedAndWaiting;
    GameState.Nations[nation].WeaponStock[weapon] -= brigade.Strength;
    brigade.Location = static_cast<std::uint8_t>(city);
  }
}

void RaiseBrigade(int arm, int state) {
  RecruitPool pool;
  if (!IsState(state) || !PoolOfArm(arm, pool)) return;
  TStateRec& home = GameState.States[state];
  // A brigade is raised only from a full complement of recruits, so that no
  // brigade comes from nothing.
  if (home.*pool.points < pool.fullStrength) return;
  const int b = FirstFreeSlot(GameState.Brigades);
  if (b == 0) return;
  home.*pool.points -= static_cast<std::uint16_t>(pool.fullStrength);
  TBrigade& brigade = GameState.Brigades[b];
  brigade.Nation = home.Nation;
  brigade.Location = 0;
  brigade.Arm = static_cast<std::uint8_t>(arm);
  brigade.Fatigue = 0;
  brigade.Strength = static_cast<std::uint8_t>(pool.fullStrength);
  brigade.Weapon = 0;
  brigade.Quality = 1;
  brigade.HomeState = static_cast<std::uint8_t>(state);
  brigade.Number = static_cast<std::uint8_t>(LowestFreeBrigadeNumber(state));
  brigade.Status = TBrigadeStatus::RaisedUnarmed;
}

void GarrisonCorpsBrigades(int corps) {
  if (!IsCorps(corps)) return;
  const TCorps& formation = GameState.Corps[corps];
  const int city = formation.City;
  if (!IsCity(city)) return;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    if (!IsBrigadeOfCorps(brigade, corps)) continue;
    brigade.Status = TBrigadeStatus::InGarrison;
    brigade.Location = static_cast<std::uint8_t>(city);
  }
  RecountGarrison(city);
}
