#include "opponent/independent_corps.h"

#include <algorithm>

#include "opponent/planner_camps.h"
#include "world/codes.h"
#include "world/hex_grid.h"
#include "world/nearest_own_corps.h"
#include "world/nearest_supply_city.h"
#include "world/realm_queries.h"
#include "world/saturating.h"
#include "world/supply_links.h"
#include "world/table_slots.h"
#include "world/unit_positions.h"
#include "world/vardecl.h"

namespace {

constexpr int kGuardRadius = 6;
constexpr int kThreatRadius = 10;
constexpr int kZealForLongReach = 8;
constexpr int kLongReach = 12;
constexpr int kArmySearchLimit = 24;
constexpr int kNearArmyLimit = 5;
constexpr int kFullArmy = 6;
constexpr int kCapitalRushDistance = 15;

void Guard(TCorps& corps, int city) {
  corps.Stance = TCombatStance::Defend;
  corps.March = TMarchMode::Standard;
  SendCorpsToCity(corps, city);
}

// The enemy strength near the supply city; a port is always worth guarding.
int EnemyNear(int city, int nation) {
  if (GameState.Cities[city].SeaPort != 0) return 1;
  NearestOwnCorps(city, nation, kGuardRadius);
  return ThreatEnemyStrength;
}

// The nearest army of the corps' nation with room for it joins it up: within
// 24 hexes (5 for a corps on a mission, or for an army of another theatre),
// a headquarters in the corps' own state counting half the distance.
void JoinNearbyArmy(TCorps& corps) {
  int limit = corps.AiMission != 0 ? kNearArmyLimit : kArmySearchLimit;
  int chosen = 0;
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    const TArmy& army = GameState.Armies[a];
    if (army.Nation != corps.Nation || army.CorpsCount >= kFullArmy ||
        !IsEntryOf(GameState.Cities, army.HqCity))
      continue;
    const TCity& hq = GameState.Cities[army.HqCity];
    int d = Distance(HexOf(corps), HexOf(hq));
    if (hq.State == corps.State) d /= 2;
    if (army.Theatre != corps.Theatre) limit = std::min(limit, kNearArmyLimit);
    if (d < limit) {
      chosen = a;
      limit = d;
    }
  }
  if (chosen == 0) return;
  TArmy& army = GameState.Armies[chosen];
  AddSaturated(army.CorpsCount, 1);
  corps.Army = static_cast<std::uint8_t>(chosen);
  corps.AiMission = 0;
  corps.Stance = TCombatStance::Defend;
  SendCorpsToCity(corps, army.HqCity);
}

// A free corps with nothing near its supply city looks for an enemy city to
// strike; it goes only when its own city is a plain depot, else it stays.
void StrikeOrStand(int c, int nation, int supply) {
  TCorps& corps = GameState.Corps[c];
  const int camp = CampOfNation(nation);
  const int target =
      NearestThreatenedCity(EnemyCampOf(camp), nation, c, StrikeReach(nation, corps.Theatre));
  if (target != 0 && GameState.Cities[supply].SupplyLevel == TSupplyLevel::ShippedIn) {
    SendCorpsToCity(corps, target);
    corps.March = TMarchMode::Forced;
    corps.Stance = TCombatStance::Defend;
    JoinNearbyArmy(corps);
    return;
  }
  Guard(corps, supply);
  if (target == 0) JoinNearbyArmy(corps);
}

void OrderSuppliedCorps(int c, int nation, int supply) {
  TCorps& corps = GameState.Corps[c];
  corps.City = static_cast<std::uint8_t>(supply);
  corps.SupplyType = TSupplyType::Depot;
  corps.SupplyPriority = corps.EnemyPressure != 0 ? 2 : 1;
  const bool free = corps.AiMission == 0;
  if (EnemyNear(supply, nation) != 0) {
    if (free) Guard(corps, supply);
  } else if (free && CampOfNation(nation) != TSide::None) {
    StrikeOrStand(c, nation, supply);
  } else if (corps.Stance == TCombatStance::Defend) {
    JoinNearbyArmy(corps);
  } else if (free) {
    Guard(corps, supply);
  }
}

void RushToThreatenedCapital(TCorps& corps, int nation) {
  const TNationRec& record = GameState.Nations[nation];
  if (record.CapitalThreat == 0 || corps.Disorder != 0 ||
      !IsEntryOf(GameState.Cities, record.Capital))
    return;
  const TCity& capital = GameState.Cities[record.Capital];
  if (Distance(HexOf(corps), HexOf(capital)) >= kCapitalRushDistance ||
      corps.Theatre != capital.Theatre)
    return;
  SendCorpsToCity(corps, record.Capital);
  corps.Stance = TCombatStance::Defend;
}

void OrderIndependentCorps(int c, int nation) {
  TCorps& corps = GameState.Corps[c];
  corps.March = TMarchMode::Standard;
  const int supply = NearestSupplyCity(c, nation);
  if (corps.Disorder != 0) {
    corps.SupplyPriority = 1;
    corps.SupplyType = TSupplyType::Depot;
    corps.Stance = TCombatStance::Withdraw;
    corps.March = TMarchMode::Forced;
    SendCorpsToCity(corps, supply);
  } else if (supply != 0 && GameState.Cities[supply].Side == corps.Side) {
    OrderSuppliedCorps(c, nation, supply);
  } else {
    corps.Stance = TCombatStance::Withdraw;
    SendCorpsToCity(corps, corps.City);
  }
  if (StandsOn(corps, corps.DestX, corps.DestY)) corps.March = TMarchMode::Cautious;
  RushToThreatenedCapital(corps, nation);
}

}  // namespace

int StrikeReach(int nation, int theatre) {
  const int zeal =
      IsTheatre(theatre) ? GameState.Nations[nation].AiAggression[theatre] : 0;
  return zeal >= kZealForLongReach ? kLongReach : zeal + 5;
}

int NearestThreatenedCity(int camp, int nation, int c, int maxDistance) {
  const TCorps& corps = GameState.Corps[c];
  const bool atWar = CampOfNation(nation) != TSide::None;
  int nearest = 0;
  int bound = maxDistance;
  for (int t = 1; t <= GameState.Cities.Count; ++t) {
    const TCity& city = GameState.Cities[t];
    if (city.Side != camp || city.Nation == 0) continue;
    const int d = Distance(HexOf(corps), HexOf(city));
    // Only a nearer city can win; the search around it can wait until then.
    if (d >= bound) continue;
    NearestOwnCorps(t, nation, kThreatRadius);
    const int threat = !atWar && city.Nation == nation ? city.AiValue : ThreatEnemyStrength;
    if (threat == 0) continue;
    nearest = t;
    bound = d;
  }
  return nearest;
}

void PlanIndependentCorps(int nation) {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.Inactive == 0 && corps.Nation == nation && corps.Army == 0 &&
        corps.Stance < TCombatStance::Embarked)
      OrderIndependentCorps(c, nation);
  }
}
