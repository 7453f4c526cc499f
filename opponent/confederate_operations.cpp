#include "opponent/confederate_operations.h"

#include <initializer_list>

#include "opponent/operation_plans.h"
#include "opponent/planner_camps.h"
#include "world/codes.h"
#include "world/hex_grid.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

using namespace TOperationPhase;
constexpr int kConfederacy = TNation::Confederacy;
constexpr int kSouthCamp = TSide::Confederate;

constexpr int kKentucky = 20, kTennessee = 21, kVirginia = 22;
constexpr int kRiverStates[] = {24, 25, 26};
constexpr int kLouisville = 43, kBowlingGreen = 42;
constexpr int kDonelson = 46, kChattanooga = 47, kKnoxville = 48, kMemphis = 50;
constexpr int kRichmond = 17;
constexpr int kRetakeRange = 20;
constexpr int kPortWatch = 2;
constexpr int kTennesseeGuards = 2;

void SetPhase(int k, int phase) {
  OperationPlan(k).Phase = static_cast<std::uint8_t>(phase);
}

int Phase(int k) {
  return OperationPlan(k).Phase;
}

bool SouthHolds(int city) {
  return IsCityHeldBy(city, kConfederacy);
}

bool HeldByCampTwo(int city) {
  return GameState.Cities[city].Side == kSouthCamp;
}

bool IsSouthernCorps(const TCorps& corps) {
  return IsFightingCorps(corps) && corps.Nation == kConfederacy;
}

bool SouthStrongerNear(int city, int radius) {
  FindNearestCorps(city, kConfederacy, radius);
  return ThreatEnemyStrength < ThreatOwnStrength;
}

int StanceFor(bool attack) {
  return attack ? TCombatStance::Advance : TCombatStance::Defend;
}

void Order(TArmy& army, int k, int stance) {
  army.AiOrder = static_cast<std::uint16_t>(k);
  army.Stance = static_cast<std::uint8_t>(stance);
}

bool IsSouthernArmyIn(const TArmy& army, int state) {
  return army.Nation == kConfederacy && army.HqCity != 0 &&
         GameState.Cities[army.HqCity].State == state;
}

// Operation 10: from Tennessee into a Kentucky the South does not hold.
bool KentuckyOpen() {
  return StateHolder(kKentucky) != kSouthCamp && StateHolder(kTennessee) == kSouthCamp;
}

void GatherTennesseeArmies() {
  OperationPlan(10).Counter = 0;
  OperationPlan(10).Limit = 2;
  int corps = 0;
  for (int city = 1; city <= GameState.Cities.Count; ++city) {
    if (GameState.Cities[city].State != kTennessee || !SouthHolds(city)) continue;
    for (int a = 1; a <= GameState.Armies.Count; ++a) {
      TArmy& army = GameState.Armies[a];
      if (army.Nation != kConfederacy || army.HqCity != city) continue;
      corps += army.CorpsCount;
      Order(army, 10, StanceFor(SouthStrongerNear(city, 8)));
    }
  }
  if (corps > 1) SetPhase(10, Executing);
  if (!KentuckyOpen()) SetPhase(10, Idle);
}

void StrikeIntoKentucky() {
  ++OperationPlan(10).Counter;
  if (StateHolder(kKentucky) == kSouthCamp) return SetPhase(10, Idle);
  bool any = false;
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    TArmy& army = GameState.Armies[a];
    if (army.AiOrder != 10) continue;
    army.Stance = TCombatStance::Advance;
    army.AiTargetCity = kLouisville;
    army.TargetCity = kBowlingGreen;
    any = true;
  }
  if (!any) SetPhase(10, Gathering);
}

// Operation 11: the river states of the West.
constexpr int kRiverGarrisons[] = {51, 67};
constexpr int kRiverPosts[] = {50, 65, 68};

bool AnyRiverStateHeld() {
  for (int s : kRiverStates)
    if (StateHolder(s) == kSouthCamp) return true;
  return false;
}

bool IsRiverStateCorps(const TCorps& corps) {
  for (int s : kRiverStates)
    if (corps.State == s) return true;
  return false;
}

void PrepareRiverDefence() {
  OperationPlan(11).Counter = 0;
  int n = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c)
    n += IsSouthernCorps(GameState.Corps[c]) && IsRiverStateCorps(GameState.Corps[c]);
  if (n >= 2) return SetPhase(11, Gathering);
  for (int city : {50, 65, 68, 67, 51}) GameState.Cities[city].GarrisonNeed = 1;
}

void GatherRiverDefence() {
  int score = 0;
  for (int city : kRiverGarrisons) {
    if (!SouthHolds(city)) continue;
    if (GameState.Cities[city].GarrisonCount != 0)
      ++score;
    else
      GameState.Cities[city].GarrisonNeed = 1;
  }
  for (int city : kRiverPosts) {
    if (!SouthHolds(city)) continue;
    const int c = FindNearestCorps(city, kConfederacy, 12);
    if (c != 0) {
      AssignCorpsToCity(GameState.Corps[c], city, 11);
      GameState.Corps[c].City = static_cast<std::uint8_t>(city);
    }
    score += 2;
  }
  if (score >= 3) SetPhase(11, Executing);
}

// Every corps of the operation turns on each lost post in order, so the last
// lost post is where they go.
void RetakeRiverPosts() {
  ++OperationPlan(11).Counter;
  int guarded = 0;
  for (int city : kRiverGarrisons)
    guarded += SouthHolds(city) && GameState.Cities[city].GarrisonCount != 0;
  if (guarded == 0) return SetPhase(11, Idle);
  for (int city : kRiverPosts) {
    if (SouthHolds(city)) continue;
    FindNearestCorps(city, kConfederacy, 8);
    const bool outmatched = ThreatEnemyStrength > ThreatOwnStrength;
    for (int c = 1; c <= GameState.Corps.Count; ++c) {
      TCorps& corps = GameState.Corps[c];
      if (!IsSouthernCorps(corps) || corps.AiMission != 11) continue;
      SendCorpsToCity(corps, city);
      corps.March = TMarchMode::Standard;
      if (outmatched) corps.Stance = TCombatStance::Advance;
    }
  }
}

// Operation 12: the defence of Tennessee.
bool TennesseeThreatened() {
  FindNearestCorps(kChattanooga, kConfederacy, 8);
  return (StateHolder(kTennessee) == kSouthCamp && StateHolder(kKentucky) != kSouthCamp) ||
         ThreatEnemyStrength > ThreatOwnStrength;
}

void MarkTennesseeCities() {
  for (int city = 1; city <= GameState.Cities.Count; ++city)
    if (GameState.Cities[city].State == kTennessee && HeldByCampTwo(city))
      GameState.Cities[city].AiOperation = 12;
}

void PrepareTennesseeDefence() {
  OperationPlan(12).Limit = kTennesseeGuards;
  OperationPlan(12).Counter = 0;
  MarkTennesseeCities();
  int guards = 0;
  for (int c = 1; c <= GameState.Corps.Count && guards < kTennesseeGuards; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (!IsSouthernCorps(corps) || corps.State != kTennessee) continue;
    ++guards;
    AssignCorpsToCity(corps, kDonelson, 12);
    if (HeldByCampTwo(kDonelson)) {
      corps.Stance = TCombatStance::Defend;
      corps.City = kDonelson;
    } else {
      corps.Stance = TCombatStance::Advance;
    }
  }
  if (guards >= kTennesseeGuards) return SetPhase(12, Executing);
  for (int city : {kDonelson, kKnoxville, kChattanooga}) GameState.Cities[city].GarrisonNeed = 1;
  ++GameState.Cities[kMemphis].GarrisonNeed;
}

// The first lost city of Tennessee draws every free corps of the state.
void RetakeTennessee() {
  ++OperationPlan(12).Counter;
  ReleaseCorps(12);
  for (int city = 1; city <= GameState.Cities.Count; ++city) {
    if (GameState.Cities[city].State != kTennessee || SouthHolds(city)) continue;
    for (int c = 1; c <= GameState.Corps.Count; ++c) {
      TCorps& corps = GameState.Corps[c];
      if (!IsSouthernCorps(corps) || corps.AiMission != 0 || corps.State != kTennessee) continue;
      AssignCorpsToCity(corps, city, 12);
      corps.Stance = TCombatStance::Advance;
      corps.March = TMarchMode::Standard;
    }
  }
}

// Operation 13: the defence of Virginia around Richmond.
bool VirginiaHeld() {
  return StateHolder(kVirginia) == kSouthCamp;
}

// The enemy's best city of Virginia; Fort Monroe's fortress is worth a siege
// only when it is worth four times what the army already has in view.
int BestEnemyCityOfVirginia(int side) {
  constexpr int kFortMonroe = 23;
  int best = 0;
  int threshold = 0;
  for (int city = 1; city <= GameState.Cities.Count; ++city) {
    const TCity& place = GameState.Cities[city];
    if (place.State != kVirginia || place.Side == side) continue;
    const int needed = city == kFortMonroe ? 4 * threshold : threshold;
    if (place.Value > needed) {
      best = city;
      threshold = place.Value;
    }
  }
  return best != 0 ? best : kRichmond;
}

void AimVirginiaArmy() {
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    TArmy& army = GameState.Armies[a];
    if (army.Theatre != TTheatre::Seaboard || !IsSouthernArmyIn(army, kVirginia)) continue;
    Order(army, 13, TCombatStance::Defend);
    army.TargetCity = kRichmond;
    army.AiTargetCity = static_cast<std::uint8_t>(BestEnemyCityOfVirginia(army.Side));
    return;
  }
}

bool HasFightingCorps(int army) {
  for (int c = 1; c <= GameState.Corps.Count; ++c)
    if (IsFightingCorps(GameState.Corps[c]) && GameState.Corps[c].Army == army) return true;
  return false;
}

// Free Virginian armies take the city one after another until one of them
// has a corps fit to fight; failing that, the nearest free corps goes.
void CoverVirginianCity(int city) {
  const bool held = SouthHolds(city);
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    TArmy& army = GameState.Armies[a];
    if (army.Theatre != TTheatre::Seaboard || army.AiOrder != 0 ||
        !IsSouthernArmyIn(army, kVirginia))
      continue;
    Order(army, 13, StanceFor(!held));
    if (HasFightingCorps(a)) return;
  }
  const int c = FindNearestCorps(city, kConfederacy, 4);
  if (c == 0) return;
  TCorps& corps = GameState.Corps[c];
  AssignCorpsToCity(corps, city, 13);
  corps.Stance = static_cast<std::uint8_t>(StanceFor(!held));
  if (held) corps.City = static_cast<std::uint8_t>(city);
}

void DefendVirginia() {
  ReleaseCorps(13);
  for (int city = 1; city <= GameState.Cities.Count; ++city)
    if (GameState.Cities[city].State == kVirginia && HeldByCampTwo(city))
      GameState.Cities[city].AiOperation = 13;
  if (HeldByCampTwo(kRichmond)) AimVirginiaArmy();
  for (int city = 1; city <= GameState.Cities.Count; ++city)
    if (GameState.Cities[city].State == kVirginia && HeldByCampTwo(city)) CoverVirginianCity(city);
  const bool stronger = SouthStrongerNear(kRichmond, 5);
  const TStateRec& virginia = GameState.States[kVirginia];
  const bool secure =
      VirginiaHeld() && (stronger || virginia.IntruderStrength == 0 || virginia.ForeignCities == 0);
  if (secure || (!VirginiaHeld() && virginia.ForeignCities != 0)) SetPhase(13, Idle);
}

// Operation 14: the ports the Confederacy started with.
bool IsFirstHeldBySouth(const TCity& city) {
  return city.OriginalSide == kSouthCamp;
}

bool AnyOriginalStationHeld() {
  for (int city = 1; city <= GameState.Cities.Count; ++city) {
    const TCity& place = GameState.Cities[city];
    if (IsFirstHeldBySouth(place) && place.RailStation != 0 && SouthHolds(city)) return true;
  }
  return false;
}

bool SouthernCorpsWatches(int city) {
  const TCity& place = GameState.Cities[city];
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.Inactive == 0 && corps.Nation == kConfederacy && corps.Theatre == place.Theatre &&
        CorpsDistanceToCity(corps, city) <= kPortWatch)
      return true;
  }
  return false;
}

void HoldOriginalPorts() {
  int guarded = 0;
  for (int city = 1; city <= GameState.Cities.Count; ++city) {
    TCity& place = GameState.Cities[city];
    if (!IsFirstHeldBySouth(place) || place.SeaPort == 0) continue;
    if (!SouthHolds(city))
      DispatchConfederateCorps(city);
    else if (place.GarrisonCount != 0)
      ++guarded;
    else if (!SouthernCorpsWatches(city))
      place.GarrisonNeed = 1;
  }
  if (guarded == 0) SetPhase(14, Idle);
}

}  // namespace

int FindNearestCorps(int city, int nation, int radius) {
  return FindFreeCorpsNear(city, nation, radius, {.startStrength = 0, .takesArmyCorps = false});
}

void DispatchConfederateCorps(int city) {
  const int c = FindNearestCorps(city, kConfederacy, kRetakeRange);
  if (c == 0 || GameState.Corps[c].Army != 0) return;
  TCorps& corps = GameState.Corps[c];
  AssignCorpsToCity(corps, city, 14);
  corps.Stance = TCombatStance::Advance;
  corps.March = TMarchMode::Standard;
}

void RunConfederateOperation10() {
  switch (Phase(10)) {
    case Idle:
      if (KentuckyOpen()) {
        SetPhase(10, Gathering);
      } else {
        ReleaseCorps(10);
        ReleaseArmies(10);
      }
      break;
    case Gathering:
      GatherTennesseeArmies();
      break;
    case Executing:
      StrikeIntoKentucky();
      break;
  }
}

void RunConfederateOperation11() {
  switch (Phase(11)) {
    case Idle:
      StartOrCancel(11, AnyRiverStateHeld(), Preparing);
      break;
    case Preparing:
      PrepareRiverDefence();
      break;
    case Gathering:
      GatherRiverDefence();
      break;
    case Executing:
      RetakeRiverPosts();
      break;
  }
}

void RunConfederateOperation12() {
  switch (Phase(12)) {
    case Idle:
      StartOrCancel(12, TennesseeThreatened(), Preparing);
      return;
    case Preparing:
      PrepareTennesseeDefence();
      break;
    case Executing:
      RetakeTennessee();
      break;
    default:
      return;
  }
  if (StateHolder(kTennessee) != kSouthCamp && GameState.States[kTennessee].ForeignCities != 0)
    SetPhase(12, Idle);
}

void RunConfederateOperation13() {
  if (Phase(13) == Idle) {
    FindNearestCorps(kRichmond, kConfederacy, 5);
    StartOrCancel(13, VirginiaHeld() && ThreatEnemyStrength != 0, Executing);
  } else if (Phase(13) == Executing) {
    DefendVirginia();
  }
}

void RunConfederateOperation14() {
  if (Phase(14) == Idle) {
    StartOrCancel(14, AnyOriginalStationHeld(), Gathering);
  } else if (Phase(14) == Gathering) {
    HoldOriginalPorts();
  }
}
