#include "opponent/army_operations.h"

#include <algorithm>
#include <string>

#include "opponent/army_bases.h"
#include "opponent/army_targets.h"
#include "opponent/planner_camps.h"
#include "opponent/theatre_posture.h"
#include "world/army_naming.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/force_slots.h"
#include "world/game_window.h"
#include "world/hex_grid.h"
#include "world/nearest_own_corps.h"
#include "world/nearest_supply_city.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kNoEnemyNear = 100;
constexpr int kFewestCorpsKept = 2;
constexpr int kLowestRatingKept = 6;
constexpr int kLowestRatingToAttack = 8;
constexpr int kFallBackBoldness = -20;
constexpr int kAttackBoldness = 50;
constexpr int kRestedFatigue = 4;
constexpr int kArmyTrainingStance = 3;

bool IsCorpsOfArmy(const TCorps& corps, int nation, int army) {
  return corps.Inactive == 0 && corps.Nation == nation && corps.Army == army;
}

int CountCorps(int nation, int army, bool disorderedOnly) {
  int count = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (IsCorpsOfArmy(corps, nation, army) && (!disorderedOnly || corps.Disorder != 0)) ++count;
  }
  return count;
}

// A city whose garrison and works outweigh the enemy around it.
bool IsSafe(const TCity& city) {
  return city.GarrisonCount * 50 * city.Fortifications + 1 > city.AiEnemyStrength;
}

// Whether a corps in no army and on no mission, supplied from a safe city,
// lies near enough to answer the call.
bool AnswersCall(int c, const TCity& base, int reach, int nearReach) {
  const TCorps& corps = GameState.Corps[c];
  if (corps.AiMission != 0 || !IsEntryOf(GameState.Cities, corps.City)) return false;
  const TCity& supply = GameState.Cities[corps.City];
  if (!IsSafe(supply)) return false;
  int d = Distance(HexOf(corps), HexOf(base));
  if (supply.State == base.State) d /= 2;
  if (corps.Kind == TCorpsKind::CavalryDivision) d /= 2;
  return nearReach > d || (CorpsDistanceToEnemy(c) >= d && reach >= d);
}

// The army's own city to march to: its chosen city, else its headquarters.
int ArmyCity(const TArmy& army) {
  return army.TargetCity != 0 ? army.TargetCity : army.HqCity;
}

// The army breaks up: its commander is free again, its name goes back on the
// list and no mark of an operation is left on the slot.
void AbandonArmy(int a) {
  TArmy& army = GameState.Armies[a];
  Window().ShowMessage("Army under " + LeaderName(army.Leader) + "\n abandoned");
  if (TLeader* commander = LeaderRecord(army.Leader)) commander->Status = TLeaderStatus::Available;
  ReleaseArmyName(army, army.Nation);
  army.Leader = army.HqCity = army.Nation = army.Side = 0;
  army.AiOrder = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    if (GameState.Corps[c].Army == a) GameState.Corps[c].Army = 0;
  }
}

void ChooseArmyCities(int a, int boldness) {
  TArmy& army = GameState.Armies[a];
  // A scripted operation holds its own target.
  if (army.AiOrder != 0 && army.AiTargetCity != 0 && army.AiTargetCity != army.HqCity) return;
  if (army.Stance > TCombatStance::Defend) {
    army.AiTargetCity = static_cast<std::uint8_t>(PickArmyAttackCities(a).best);
    army.TargetCity = static_cast<std::uint8_t>(PickArmyDefenceCities(a, boldness).best);
  } else if (boldness < 2) {
    const TCityChoice bases = PickArmyDefenceCities(a, boldness);
    army.AiTargetCity = static_cast<std::uint8_t>(bases.best);
    army.TargetCity = static_cast<std::uint8_t>(bases.second);
  }
}

void SetArmyStance(int a, int boldness) {
  TArmy& army = GameState.Armies[a];
  if (boldness < 2 && army.Stance > TCombatStance::Defend) --army.Stance;
  army.SupplyPriority = boldness == 2 ? 2 : 1;
  if (army.AiOrder == 0) army.Stance = static_cast<std::uint8_t>(boldness);
  if (army.Stance == TCombatStance::Advance && army.Rating < kLowestRatingToAttack)
    army.Stance = TCombatStance::Defend;
}

// With no enemy near its headquarters an army holding them rests and trains.
void RestWhenQuiet(int a, int nation) {
  TArmy& army = GameState.Armies[a];
  NearestOwnCorps(army.HqCity, nation, army.Theatre + 4);
  if (ThreatEnemyStrength == 0 && army.TargetCity == army.HqCity &&
      army.Stance < TCombatStance::Advance)
    army.Stance = kArmyTrainingStance;
}

void PlanTargets(int a, int nation) {
  const TArmy& army = GameState.Armies[a];
  const int radius = army.Theatre + 4;
  FillTargetEntry(1, nation, army.HqCity, radius);
  int count = 1;
  if (army.AiTargetCity != 0 && army.AiTargetCity != army.HqCity) {
    FillTargetEntry(2, nation, army.AiTargetCity, radius);
    count = 2;
  }
  BuildTargetList(nation, count, a);
  AttackBestTarget(nation, a);
}

// The corps no target took march to the army's city, or to the city it
// attacks when it advances; a tired corps goes carefully.
void MarchUncommittedCorps(int a, int nation) {
  const TArmy& army = GameState.Armies[a];
  int city = army.TargetCity;
  if (city == 0 || army.Stance >= TCombatStance::Advance) city = army.AiTargetCity;
  if (city == 0) city = army.HqCity;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (!IsCorpsOfArmy(corps, nation, a) || corps.Stance != TCombatStance::Withdraw ||
        corps.Disorder != 0)
      continue;
    SendCorpsToCity(corps, city);
    corps.March = corps.Fatigue < kRestedFatigue ? TMarchMode::Standard : TMarchMode::Cautious;
  }
}

void PlanArmy(int a, int nation) {
  TArmy& army = GameState.Armies[a];
  const int posture = army.AiOrder != 0 ? TAiPosture::Defensive : PostureIn(nation, army.Theatre);
  army.SupplyType = TSupplyType::Depot;
  army.March = TMarchMode::Standard;
  GatherArmyCorps(a, nation);
  army.CorpsCount = static_cast<std::uint8_t>(CountCorps(nation, a, false));
  if (army.CorpsCount < kFewestCorpsKept && army.Rating < kLowestRatingKept) {
    AbandonArmy(a);
    return;
  }
  ClearTargetList();
  SetArmyCorpsOrders(a);
  army.AiFreeCorps =
      static_cast<std::uint8_t>(std::max(army.CorpsCount - CountCorps(nation, a, true), 0));
  const int boldness = ArmyBoldness(a, posture);
  SetArmyStance(a, boldness);
  ChooseArmyCities(a, boldness);
  RestWhenQuiet(a, nation);
  PlanTargets(a, nation);
  MarchUncommittedCorps(a, nation);
}

// The army's corps draw on its headquarters; while the enemy holds that city
// (the army besieging it), each draws on its nearest own depot instead.
int ArmyDepot(const TArmy& army, int corps) {
  if (IsEntryOf(GameState.Cities, army.HqCity) && GameState.Cities[army.HqCity].Side == army.Side)
    return army.HqCity;
  return NearestSupplyCity(corps, army.Nation);
}

}  // namespace

int CorpsDistanceToEnemy(int c) {
  const TCorps& corps = GameState.Corps[c];
  int nearest = kNoEnemyNear;
  for (int e = 1; e <= GameState.Corps.Count; ++e) {
    const TCorps& enemy = GameState.Corps[e];
    if (enemy.Inactive == 0 && enemy.Side != corps.Side)
      nearest = std::min<int>(nearest, HexDistance(corps.X, corps.Y, enemy.X, enemy.Y));
  }
  return nearest;
}

int ArmyBoldness(int a, int posture) {
  const TArmy& army = GameState.Armies[a];
  const int zeal = IsTheatre(army.Theatre) && IsEntryOf(GameState.Nations, army.Nation)
                       ? GameState.Nations[army.Nation].AiAggression[army.Theatre]
                       : 0;
  int x = army.Odds + 50 * posture + 2 * zeal - 5 * army.Fatigue +
          LeaderRating(army.Leader, &TLeader::Aggression);
  // A worn army thinks again before it keeps up its stance.
  if (army.Cohesion < 10) x -= 10 * (10 - army.Stance);
  if (x <= kFallBackBoldness) return 0;
  return x < kAttackBoldness ? 1 : 2;
}

void GatherArmyCorps(int a, int nation) {
  TArmy& army = GameState.Armies[a];
  if (!IsEntryOf(GameState.Cities, army.HqCity)) return;
  const TCity& base = GameState.Cities[army.HqCity];
  const int r = LeaderRating(army.Leader, &TLeader::Inspiration) / 11;
  int reach = r * r - r;
  const int nearReach = std::max(reach / 2, 2);
  reach = std::clamp(reach, 4, 12);
  const int cap = LeaderRating(army.Leader, &TLeader::Combat) / 8 + 2;
  int count = army.CorpsCount;
  for (int c = 1; c <= GameState.Corps.Count && count < cap; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.Inactive != 0 || corps.Nation != nation || corps.Disorder != 0 ||
        corps.Stance >= TCombatStance::Embarked || corps.Theatre != army.Theatre || corps.Army != 0)
      continue;
    const bool joins = corps.City == army.HqCity || AnswersCall(c, base, reach, nearReach);
    if (!joins || reach < Distance(HexOf(corps), HexOf(base))) continue;
    corps.Army = static_cast<std::uint8_t>(a);
    corps.Stance = TCombatStance::Withdraw;
    SendCorpsToCity(corps, ArmyCity(army));
    ++count;
  }
}

void SetArmyCorpsOrders(int a) {
  const TArmy& army = GameState.Armies[a];
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.Inactive != 0 || corps.Army != a) continue;
    corps.LeaderCombat = static_cast<std::uint8_t>(LeaderRating(corps.Leader, &TLeader::Combat));
    corps.LeaderInitiative =
        static_cast<std::uint8_t>(LeaderRating(corps.Leader, &TLeader::Initiative));
    corps.City = static_cast<std::uint8_t>(ArmyDepot(army, c));
    corps.SupplyType = TSupplyType::Depot;
    corps.SupplyPriority = corps.EnemyPressure != 0 ? 2 : 1;
    if (corps.Disorder != 0) {
      SendCorpsToCity(corps, army.HqCity);
      corps.March = TMarchMode::Forced;
      corps.Stance = TCombatStance::Withdraw;
    } else if (corps.Stance < TCombatStance::Embarked) {
      corps.March = TMarchMode::Standard;
      SendCorpsToCity(corps, ArmyCity(army));
      corps.Stance = TCombatStance::Withdraw;
    }
  }
}

void PlanArmyOperations(int nation) {
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    const TArmy& army = GameState.Armies[a];
    if (army.CorpsCount != 0 && army.Nation == nation && IsTheatre(army.Theatre) &&
        IsEntryOf(GameState.Cities, army.HqCity))
      PlanArmy(a, nation);
  }
}
