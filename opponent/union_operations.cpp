#include "opponent/union_operations.h"

#include <initializer_list>
#include <iterator>

#include "opponent/operation_plans.h"
#include "opponent/planner_camps.h"
#include "world/codes.h"
#include "world/hex_grid.h"
#include "world/realm_queries.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

using namespace TOperationPhase;
constexpr int kUnion = TNation::Union;
constexpr int kEnemy = TSide::Confederate;
constexpr int kPerHexCost = 10;

// Cities and states of the map the operations are tied to.
constexpr int kCapital = 11;
constexpr int kAlexandria = 12;
constexpr int kMaryland = 32, kPennsylvania = 10, kCapitalDistrict = 34;
constexpr int kIllinois = 6, kIndiana = 8, kOhio = 9, kKentucky = 20;
constexpr int kMissouri = 19, kTennessee = 21, kVirginia = 22;
constexpr int kMississippi = 25, kLouisiana = 26;
constexpr int kLouisville = 43, kDonelson = 46, kNashville = 83;
constexpr int kRichmond = 17, kFredericksburg = 16;
constexpr int kMemphis = 50;
constexpr int kRiverChain[] = {50, 79, 67, 68, 66, 65};
constexpr int kRiverArmyReach = 12;

// Corps of operation 1 gather before the defence of the capital begins.
constexpr int kCapitalDefenceCorps = 5;
constexpr int kCapitalGarrison = 8;

// The least corps each operation wants in its region, by operation.
constexpr int kLimits[] = {0, 5, 1, 0, 2, 3, 0, 3};

TAiPlan& Plan(int k) {
  return OperationPlan(k);
}

void SetPhase(int k, int phase) {
  Plan(k).Phase = static_cast<std::uint8_t>(phase);
}

int Phase(int k) {
  return Plan(k).Phase;
}

void BeginGathering(int k) {
  Plan(k).Counter = 0;
  Plan(k).Limit = static_cast<std::uint16_t>(kLimits[k]);
}

void CountExecutingTurn(int k) {
  ++Plan(k).Counter;
}

bool UnionHolds(int city) {
  return IsCityHeldBy(city, kUnion);
}

bool IsUnionArmy(const TArmy& army) {
  return army.Nation == kUnion && army.HqCity != 0;
}

int Near(int city, int radius) {
  return FindNearestUnionCorps(city, kUnion, radius);
}

// Whether the corps search around a city found the Union the stronger there.
bool UnionStrongerNear(int city, int radius) {
  Near(city, radius);
  return ThreatEnemyStrength < ThreatOwnStrength;
}

void OrderArmy(TArmy& army, int k, int stance) {
  army.AiOrder = static_cast<std::uint16_t>(k);
  army.Stance = static_cast<std::uint8_t>(stance);
}

void SetArmyTargets(TArmy& army, int aiTarget, int target) {
  army.AiTargetCity = static_cast<std::uint8_t>(aiTarget);
  army.TargetCity = static_cast<std::uint8_t>(target);
}

int StanceByOdds(int city, int radius) {
  return UnionStrongerNear(city, radius) ? TCombatStance::Advance : TCombatStance::Defend;
}

int CorpsUnderOrder(int k) {
  int corps = 0;
  for (int a = 1; a <= GameState.Armies.Count; ++a)
    if (GameState.Armies[a].AiOrder == k) corps += GameState.Armies[a].CorpsCount;
  return corps;
}

int FightingUnionCorpsInStates(std::initializer_list<int> states) {
  int n = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (!IsFightingCorps(corps) || corps.Nation != kUnion) continue;
    for (int s : states) n += corps.State == s;
  }
  return n;
}

void AskGarrisons(std::initializer_list<int> cities) {
  for (int c : cities) GameState.Cities[c].GarrisonNeed = 1;
}

// The nearest free corps takes post at the city and draws on it.
bool PostCorpsAt(int city, int radius, int k) {
  const int c = Near(city, radius);
  if (c == 0) return false;
  TCorps& corps = GameState.Corps[c];
  AssignCorpsToCity(corps, city, k);
  corps.City = static_cast<std::uint8_t>(city);
  return true;
}

// The corps of the operation push on the best enemy city of their theatre;
// where none is worth it they keep the destination they had.
void Advance(int k, int stance) {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (!IsFightingCorps(corps) || corps.Nation != kUnion || corps.AiMission != k) continue;
    SendCorpsToCity(corps, PickEnemyCityForCorps(kUnion, c));
    corps.Stance = static_cast<std::uint8_t>(stance);
    corps.March = stance == TCombatStance::Defend ? TMarchMode::Cautious : TMarchMode::Standard;
  }
}

bool EnemyAroundCapital(int radius) {
  Near(kCapital, radius);
  return ThreatEnemyCount != 0 || StateIntruders(kMaryland) != 0 ||
         StateIntruders(kPennsylvania) != 0;
}

bool FrontStatesQuiet() {
  return StateIntruders(kIllinois) == 0 && StateIntruders(kOhio) == 0;
}

bool FrontStatesSecure() {
  return StateHolder(kIllinois) == TSide::Union && StateHolder(kOhio) == TSide::Union &&
         FrontStatesQuiet();
}

bool KentuckySecure() {
  return StateHolder(kKentucky) == TSide::Union && StateIntruders(kKentucky) == 0;
}

bool TennesseeSecure() {
  return GameState.States[kTennessee].ForeignCities == 0 && StateHolder(kTennessee) == TSide::Union;
}

bool RiverStatesWon() {
  return StateHolder(kLouisiana) == TSide::Union && StateHolder(kMississippi) == TSide::Union;
}

// Operation 1 calls the capital's region to arms: the capital asks for a
// strong garrison unless the Union is already the stronger around it.
void WatchCapital() {
  if (UnionStrongerNear(kCapital, 4))
    SetPhase(1, Idle);
  else
    GameState.Cities[kCapital].GarrisonNeed = kCapitalGarrison;
}

void PrepareCapitalDefence() {
  // The capital's defence takes over from the march on Virginia.
  if (EnemyAroundCapital(4)) CancelOperation(5);
  BeginGathering(1);
  if (FightingUnionCorpsInStates({kMaryland, kPennsylvania, kCapitalDistrict}) <
      kCapitalDefenceCorps)
    AskGarrisons({10, kAlexandria, 2, 6, 14});
  else
    SetPhase(1, Gathering);
  if (!EnemyAroundCapital(10)) SetPhase(1, Idle);
}

bool IsCapitalRegionCity(int city) {
  const int state = GameState.Cities[city].State;
  return UnionHolds(city) &&
         (state == kMaryland || state == kCapitalDistrict || state == kPennsylvania);
}

// Only an army based at the capital carries the defence forward.
bool OrderCapitalArmy() {
  for (int a = GameState.Armies.Count; a >= 1; --a) {
    TArmy& army = GameState.Armies[a];
    if (!IsUnionArmy(army) || army.HqCity != kCapital) continue;
    OrderArmy(army, 1, StanceByOdds(kCapital, 5));
    return true;
  }
  return false;
}

void GatherCapitalDefence() {
  for (int city = 1; city <= 14; ++city) {
    if (!IsCapitalRegionCity(city)) continue;
    switch (city) {
      case 2:
        AskGarrisonWhenBare(city);
        PostCorpsAt(city, 2, 1);
        break;
      case 14:
        PostCorpsAt(city, 2, 1);
        break;
      case 3:
      case 6:
      case 10:
      case kAlexandria:
        AskGarrisonWhenBare(city);
        break;
      case kCapital:
        if (OrderCapitalArmy()) SetPhase(1, Executing);
        break;
      default:
        break;
    }
  }
  if (!EnemyAroundCapital(4)) SetPhase(1, Idle);
}

void ExecuteCapitalDefence() {
  CountExecutingTurn(1);
  if (!EnemyAroundCapital(4) || StateHolder(kVirginia) != kEnemy) SetPhase(1, Idle);
  if (Phase(1) != Executing) return;
  const bool pressed = StateIntruders(kMaryland) >= 51 || StateIntruders(kPennsylvania) >= 6 ||
                       StateIntruders(kCapitalDistrict) > 5;
  const int stance = pressed ? TCombatStance::Advance : TCombatStance::Defend;
  for (int a = 1; a <= GameState.Armies.Count; ++a)
    if (GameState.Armies[a].AiOrder == 1)
      GameState.Armies[a].Stance = static_cast<std::uint8_t>(stance);
  Advance(1, stance);
}

// Operation 2 holds the Ohio against a Confederate Kentucky.
bool OhioSafe() {
  return StateHolder(kKentucky) == TSide::Union && FrontStatesQuiet();
}

bool IsOhioCity(int city) {
  const int state = GameState.Cities[city].State;
  return state == kOhio || state == kIndiana;
}

// A post counts when a corps found near it draws on it.
bool CorpsHoldsPost(int city) {
  const int c = Near(city, 2);
  return c != 0 && GameState.Corps[c].City == city;
}

int OhioLineScore() {
  int score = 0;
  for (int city : {38, 80}) score += IsOhioCity(city) && GameState.Cities[city].GarrisonCount != 0;
  for (int city : {40, 81})
    if (IsOhioCity(city) && CorpsHoldsPost(city)) score += 2;
  return score;
}

void GatherOhioLine() {
  if (OhioSafe()) return SetPhase(2, Idle);
  for (int city : {40, 41})
    if (UnionHolds(city)) PostCorpsAt(city, 4, 2);
  if (OhioLineScore() >= 3) SetPhase(2, Executing);
}

// Operation 3 holds Missouri's cities; the posts and how far each looks.
struct Post {
  int city;
  int radius;
  bool garrisoned;
};
constexpr Post kMissouriPosts[] = {{55, 10, true}, {56, 5, true}, {76, 5, false}};

void GatherMissouriPosts() {
  bool lastFound = false;
  for (const Post& post : kMissouriPosts) {
    if (!UnionHolds(post.city)) continue;
    if (post.garrisoned) AskGarrisonWhenBare(post.city);
    lastFound = PostCorpsAt(post.city, post.radius, 3);
  }
  if (StateIntruders(kMissouri) != 0 && lastFound) SetPhase(3, Executing);
  if (StateIntruders(kMissouri) == 0) SetPhase(3, Idle);
}

// Operation 4: the armies of Indiana and Ohio into Kentucky.
bool KentuckyCampaignOver() {
  return KentuckySecure() || !FrontStatesQuiet();
}

void OrderKentuckyArmies() {
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    TArmy& army = GameState.Armies[a];
    if (!IsUnionArmy(army)) continue;
    const int state = GameState.Cities[army.HqCity].State;
    if (state == kOhio || state == kIndiana) OrderArmy(army, 4, StanceByOdds(army.HqCity, 10));
  }
}

// The armies under the order attack the best two cities of the state from
// their bases; a rallying city the Union lacks goes first, to the first army
// or, when `untilOneAims`, to each army until one has a target. An army left
// with nothing to take drops out. The result is the armies with a target.
struct Rally {
  int city, second;
  bool untilOneAims;
};

int AimArmiesIntoState(int k, int state, const Rally& rally) {
  int targeted = 0;
  bool first = true;
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    TArmy& army = GameState.Armies[a];
    if (army.AiOrder != k) continue;
    army.Stance = TCombatStance::Advance;
    const auto [best, second] = PickTwoCitiesInState(state, army.HqCity);
    SetArmyTargets(army, best, second);
    const bool rallies = rally.untilOneAims ? targeted == 0 : first;
    if (rallies && !UnionHolds(rally.city)) SetArmyTargets(army, rally.city, rally.second);
    first = false;
    if (army.AiTargetCity != 0)
      ++targeted;
    else
      army.AiOrder = 0;
  }
  return targeted;
}

// Operation 7: the armies of the West into Tennessee.
bool IsFreeWesternArmy(const TArmy& army) {
  return IsUnionArmy(army) && army.Theatre == TTheatre::West && army.AiOrder == 0;
}

void OrderTennesseeArmy(TArmy& army) {
  OrderArmy(army, 7, TCombatStance::Defend);
  SetArmyTargets(army, kDonelson, kNashville);
}

// While Tennessee is lost every free western army joins; while it is held
// they join until their corps match the cities still in enemy hands.
void ReinforceTennessee() {
  const bool lost = StateHolder(kTennessee) != TSide::Union;
  int corps = CorpsUnderOrder(7);
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    if (!lost && corps >= GameState.States[kTennessee].ForeignCities) break;
    TArmy& army = GameState.Armies[a];
    if (!IsFreeWesternArmy(army)) continue;
    army.AiOrder = 7;
    corps += army.CorpsCount;
  }
}

// Operation 6: the armies near Memphis go down the river.
bool MayJoinRiverCampaign(const TArmy& army) {
  return IsUnionArmy(army) &&
         (army.Theatre == TTheatre::West || army.Theatre == TTheatre::Mississippi) &&
         (army.AiOrder == 0 || army.AiOrder == 6 || army.AiOrder == 3) &&
         HexDistance(GameState.Cities[army.HqCity].X, GameState.Cities[army.HqCity].Y,
                     GameState.Cities[kMemphis].X, GameState.Cities[kMemphis].Y) < kRiverArmyReach;
}

bool RiverCampaignOver() {
  return RiverStatesWon() || !FrontStatesQuiet();
}

// One walk down the chain, its cursor shared by the armies of the turn in
// index order. Memphis, while the enemy holds it, is everyone's first goal;
// past it a run of enemy cities carries the target to the run's end, and the
// next army takes up the walk after it. An army that finds nothing keeps the
// target it had.
void WalkRiverChain(TArmy& army, int& j) {
  constexpr int kLinks = static_cast<int>(std::size(kRiverChain));
  bool found = false;
  do {
    if (j == 0 && !UnionHolds(kRiverChain[0])) {
      army.AiTargetCity = static_cast<std::uint8_t>(kRiverChain[0]);
      found = true;
    }
    for (int link = 1; link < kLinks; ++link) {
      if (j == link && !UnionHolds(kRiverChain[link])) {
        army.AiTargetCity = static_cast<std::uint8_t>(kRiverChain[link]);
        found = true;
        ++j;
      }
    }
    ++j;
  } while (!found && j < kLinks);
}

}  // namespace

int FindNearestUnionCorps(int city, int nation, int radius) {
  return FindFreeCorpsNear(city, nation, radius, {.startStrength = 1, .takesArmyCorps = true});
}

bool DispatchUnionCorps(int city, int operation) {
  const int c = FindNearestUnionCorps(city, kUnion, 5);
  if (c == 0) return false;
  TCorps& corps = GameState.Corps[c];
  AssignCorpsToCity(corps, city, operation);
  corps.Stance = TCombatStance::Defend;
  corps.March = TMarchMode::Forced;
  corps.City = static_cast<std::uint8_t>(city);
  return CorpsDistanceToCity(corps, city) < 3;
}

int PickEnemyCityForCorps(int nation, int corps) {
  const TCorps& mover = GameState.Corps[corps];
  const int camp = CampOfNation(nation);
  int best = 0;
  int bestScore = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.Theatre != mover.Theatre || city.Side == camp) continue;
    const int score = city.AiValue - kPerHexCost * CorpsDistanceToCity(mover, c);
    if (score > bestScore) {
      bestScore = score;
      best = c;
    }
  }
  return best;
}

std::pair<int, int> PickTwoCitiesInState(int state, int from) {
  int best = 0, second = 0;
  int bestScore = 0, secondScore = 0;
  if (!IsEntryOf(GameState.Cities, from)) return {0, 0};
  const TCity& origin = GameState.Cities[from];
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.State != state || UnionHolds(c)) continue;
    const int score = 5 * city.Value + 10 - HexDistance(origin.X, origin.Y, city.X, city.Y);
    if (score > bestScore) {
      second = best;
      secondScore = bestScore;
      best = c;
      bestScore = score;
    } else if (score > secondScore) {
      second = c;
      secondScore = score;
    }
  }
  return {best, second};
}

// The defence of the capital's region: Maryland, Pennsylvania and the District.
void RunUnionOperation1() {
  WatchCapital();
  switch (Phase(1)) {
    case Idle:
      StartOrCancel(1, EnemyAroundCapital(3), Preparing);
      break;
    case Preparing:
      PrepareCapitalDefence();
      break;
    case Gathering:
      GatherCapitalDefence();
      break;
    case Executing:
      ExecuteCapitalDefence();
      break;
  }
}

// The Ohio line facing Kentucky.
void RunUnionOperation2() {
  switch (Phase(2)) {
    case Idle:
      StartOrCancel(2,
                    StateHolder(kKentucky) == kEnemy || StateIntruders(kIllinois) >= 2 ||
                        StateIntruders(kOhio) >= 2,
                    Preparing);
      break;
    case Preparing:
      BeginGathering(2);
      if (OhioSafe())
        SetPhase(2, Idle);
      else if (FightingUnionCorpsInStates({kIndiana, kOhio}) == 0)
        AskGarrisons({40, 80, 81});
      else
        SetPhase(2, Gathering);
      break;
    case Gathering:
      GatherOhioLine();
      break;
    case Executing:
      CountExecutingTurn(2);
      if (OhioSafe()) return SetPhase(2, Idle);
      Advance(2, StateHolder(kKentucky) == kEnemy || StateIntruders(kIllinois) > 1 ||
                         StateIntruders(kOhio) > 1
                     ? TCombatStance::Advance
                     : TCombatStance::Defend);
      break;
  }
}

// The hold on Missouri.
void RunUnionOperation3() {
  switch (Phase(3)) {
    case Idle:
      StartOrCancel(3, StateHolder(kMissouri) == TSide::Union, Gathering);
      break;
    case Gathering:
      GatherMissouriPosts();
      break;
    case Executing:
      CountExecutingTurn(3);
      if (StateHolder(kMissouri) == TSide::Union && StateIntruders(kMissouri) == 0)
        return SetPhase(3, Idle);
      Advance(3, StateIntruders(kMissouri) > 5 ? TCombatStance::Advance : TCombatStance::Defend);
      break;
  }
}

// The invasion of Kentucky.
void RunUnionOperation4() {
  switch (Phase(4)) {
    case Idle: {
      const bool almostWon =
          StateHolder(kKentucky) == TSide::Union && GameState.States[kKentucky].ForeignCities == 1;
      StartOrCancel(4, !almostWon && FrontStatesQuiet(), Gathering);
      break;
    }
    case Gathering:
      BeginGathering(4);
      OrderKentuckyArmies();
      if (CorpsUnderOrder(4) > 1) SetPhase(4, Executing);
      if (KentuckyCampaignOver()) SetPhase(4, Idle);
      break;
    case Executing:
      CountExecutingTurn(4);
      if (KentuckyCampaignOver()) return SetPhase(4, Idle);
      if (AimArmiesIntoState(4, kKentucky, {kLouisville, kLouisville, true}) == 0)
        SetPhase(4, Gathering);
      break;
  }
}

// The march on Richmond.
void RunUnionOperation5() {
  switch (Phase(5)) {
    case Idle:
      StartOrCancel(5, StateHolder(kVirginia) != TSide::Union, Gathering);
      break;
    case Gathering: {
      BeginGathering(5);
      const int stance = StanceByOdds(kCapital, 5);
      bool ordered = false;
      for (int a = 1; a <= GameState.Armies.Count; ++a) {
        TArmy& army = GameState.Armies[a];
        if (!IsUnionArmy(army) || army.HqCity != kCapital) continue;
        OrderArmy(army, 5, stance);
        SetArmyTargets(army, kCapital, kAlexandria);
        ordered = true;
      }
      DispatchUnionCorps(14, 5);
      if (ordered) SetPhase(5, Executing);
      break;
    }
    case Executing: {
      CountExecutingTurn(5);
      if (StateHolder(kVirginia) == TSide::Union) return SetPhase(5, Idle);
      const int valleyTarget = !UnionHolds(13) ? 13 : !UnionHolds(15) ? 15 : 0;
      for (int c = 1; c <= GameState.Corps.Count; ++c) {
        TCorps& corps = GameState.Corps[c];
        if (!IsFightingCorps(corps) || corps.AiMission != 5 || valleyTarget == 0) continue;
        SendCorpsToCity(corps, valleyTarget);
        corps.Stance = TCombatStance::Advance;
        corps.March = TMarchMode::Standard;
      }
      for (int a = 1; a <= GameState.Armies.Count; ++a) {
        TArmy& army = GameState.Armies[a];
        if (army.AiOrder != 5) continue;
        army.Stance = TCombatStance::Advance;
        SetArmyTargets(army, kRichmond, kFredericksburg);
      }
      break;
    }
  }
}

// Down the Mississippi from Memphis.
void RunUnionOperation6() {
  switch (Phase(6)) {
    case Idle:
      StartOrCancel(6,
                    (StateHolder(kLouisiana) == kEnemy || StateHolder(kMississippi) == kEnemy) &&
                        FrontStatesSecure(),
                    Gathering);
      break;
    case Gathering: {
      Plan(6).Counter = 0;
      bool strongEnough = false;
      for (int a = 1; a <= GameState.Armies.Count; ++a) {
        TArmy& army = GameState.Armies[a];
        if (!MayJoinRiverCampaign(army)) continue;
        OrderArmy(army, 6, TCombatStance::Defend);
        SetArmyTargets(army, kMemphis, kMemphis);
        strongEnough = strongEnough || army.HqCity == kMemphis || army.CorpsCount > 2;
      }
      SetPhase(6, strongEnough ? Executing : Idle);
      if (RiverCampaignOver()) SetPhase(6, Idle);
      break;
    }
    case Executing: {
      CountExecutingTurn(6);
      if (RiverCampaignOver()) return SetPhase(6, Idle);
      int j = 0;
      for (int a = 1; a <= GameState.Armies.Count; ++a) {
        TArmy& army = GameState.Armies[a];
        if (army.AiOrder != 6) continue;
        army.Stance = TCombatStance::Advance;
        WalkRiverChain(army, j);
      }
      break;
    }
  }
}

// The invasion of Tennessee.
void RunUnionOperation7() {
  switch (Phase(7)) {
    case Idle:
      StartOrCancel(7, !TennesseeSecure() && FrontStatesQuiet(), Gathering);
      break;
    case Gathering:
      BeginGathering(7);
      for (int a = 1; a <= GameState.Armies.Count; ++a)
        if (IsFreeWesternArmy(GameState.Armies[a])) OrderTennesseeArmy(GameState.Armies[a]);
      if (CorpsUnderOrder(7) > 1) SetPhase(7, Executing);
      if (TennesseeSecure() || !FrontStatesQuiet()) SetPhase(7, Idle);
      break;
    case Executing:
      CountExecutingTurn(7);
      if (TennesseeSecure() || !FrontStatesSecure()) return SetPhase(7, Idle);
      ReinforceTennessee();
      if (AimArmiesIntoState(7, kTennessee, {kDonelson, kNashville, false}) == 0)
        SetPhase(7, Gathering);
      break;
  }
}
