#include "opponent/army_targets.h"

#include <algorithm>

#include "opponent/army_bases.h"
#include "opponent/planner_camps.h"
#include "world/codes.h"
#include "world/hex_grid.h"
#include "world/nearest_own_corps.h"
#include "world/realm_queries.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

Table<TTargetEntry, 8> TargetList;

namespace {

constexpr int kLongestTargetRange = 16;
constexpr int kFreeCorpsRange = 6;
constexpr int kPicksPerPass = 21;
constexpr int kWidestCommitRadius = 10;

bool IsFreeCorpsOf(const TCorps& corps, int nation, int army) {
  return corps.Inactive == 0 && corps.Nation == nation && corps.Army == army &&
         corps.Stance == TCombatStance::Withdraw && corps.Disorder == 0;
}

// What the army can still send: the strength of its corps not yet committed.
int FreeStrength(int nation, int army) {
  int strength = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (IsFreeCorpsOf(corps, nation, army)) strength += corps.Strength;
  }
  return strength;
}

int GarrisonStrength(int city) {
  int strength = 0;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Status == TBrigadeStatus::InGarrison && brigade.Location == city)
      strength += brigade.Strength;
  }
  return strength;
}

bool InList(int city, int filled) {
  for (int e = 1; e <= filled; ++e)
    if (TargetList[e].City == city) return true;
  return false;
}

bool IsTakeable(int camp, int army, const TTargetEntry& entry, int needRequired) {
  if (entry.City == 0 || (needRequired == 1 && entry.Need == 0)) return false;
  const TArmy& record = GameState.Armies[army];
  if (!IsCityUnclaimed(record.Side, army, entry.City)) return false;
  const TCity& city = GameState.Cities[entry.City];
  return city.Side == TSide::None ||
         (city.Side == camp && AreCompatibleNations(record.Nation, city.Nation));
}

void Commit(int nation, int army, int e) {
  const TTargetEntry& entry = TargetList[e];
  for (int radius = 1; radius <= kWidestCommitRadius; ++radius) {
    if (entry.Need == 0 || GameState.Armies[army].AiFreeCorps == 0) return;
    CommitCorpsToTarget(nation, army, e, radius);
  }
}

// Gives a new order to every corps of the army heading for the entry.
template <typename Order>
void ReorderCorpsHeadingFor(int nation, int army, const TTargetEntry& entry, Order order) {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.Inactive == 0 && corps.Nation == nation && corps.Army == army &&
        corps.Disorder == 0 && corps.DestX == entry.X && corps.DestY == entry.Y)
      order(corps);
  }
}

// The corps that saved a city go on to strike the enemy corps nearest it.
void PursueNearestEnemy(int nation, int army, const TTargetEntry& entry) {
  NearestOwnCorps(entry.City, nation, GameState.Armies[army].Theatre + 4);
  const int enemy = ThreatEnemyCount;
  if (!IsEntryOf(GameState.Corps, enemy)) return;
  const TCorps& target = GameState.Corps[enemy];
  ReorderCorpsHeadingFor(nation, army, entry, [&](TCorps& corps) {
    corps.Stance = TCombatStance::Advance;
    corps.DestX = target.X;
    corps.DestY = target.Y;
  });
}

// An attack that cannot be carried through: its corps stand and are free again.
void CallOffAttack(int nation, int army, const TTargetEntry& entry) {
  ReorderCorpsHeadingFor(nation, army, entry, [&](TCorps& corps) {
    corps.Stance = TCombatStance::Withdraw;
    corps.DestX = corps.X;
    corps.DestY = corps.Y;
    AddSaturated(GameState.Armies[army].AiFreeCorps, 1);
  });
}

// Up to 21 picks; each ends the pass early when nothing is picked or the army
// has no free corps left.
template <typename TakeUp>
void PickAndTakeUp(int camp, int army, int needRequired, TakeUp take_up) {
  for (int pick = 0; pick < kPicksPerPass; ++pick) {
    if (GameState.Armies[army].AiFreeCorps == 0) return;
    const int e = PickBestTarget(camp, army, needRequired);
    if (e == 0) return;
    take_up(TargetList[e], e);
  }
}

}  // namespace

void ClearTargetList() {
  TargetList = {};
}

void FillTargetEntry(int e, int nation, int city, int radius) {
  TTargetEntry& entry = TargetList[e];
  const TCity& place = GameState.Cities[city];
  entry.City = static_cast<std::uint16_t>(city);
  entry.X = place.X;
  entry.Y = place.Y;
  entry.Value = place.Value;
  const int camp = CampOfNation(nation);
  if (place.Side == camp && IsEntryOf(GameState.States, place.State) &&
      GameState.States[place.State].ControlSide == camp)
    radius = nation == TNation::Union ? radius / 2 : (radius + 1) / 2;
  NearestOwnCorps(city, nation, radius);
  entry.EnemyDistance = NearestEnemyDistance;
  entry.Need = ThreatEnemyStrength;
  entry.OwnDistance = NearestOwnDistance;
  entry.OwnStrength = ThreatOwnStrength;
  StoreSaturated(entry.Garrison, GarrisonStrength(city));
}

void BuildTargetList(int nation, int count, int army) {
  const TTargetEntry& origin = TargetList[1];
  const TTargetEntry& last = TargetList[count];
  const int range = std::min(std::max<int>(Distance(HexOf(origin), HexOf(last)),
                                           GameState.Armies[army].AiFreeCorps + kFreeCorpsRange),
                             kLongestTargetRange);
  int filled = count;
  for (int c = 1; c <= GameState.Cities.Count && filled < TargetList.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.Side == TSide::None || InList(c, filled)) continue;
    if (Distance(HexOf(origin), HexOf(city)) > range || Distance(HexOf(last), HexOf(city)) > range)
      continue;
    FillTargetEntry(++filled, nation, c, city.Theatre + 4);
  }
}

int PickBestTarget(int camp, int army, int needRequired) {
  int best = 0;
  int bestValue = 0;
  for (int e = 1; e <= TargetList.Count; ++e) {
    const TTargetEntry& entry = TargetList[e];
    if (entry.Value > bestValue && IsTakeable(camp, army, entry, needRequired)) {
      best = e;
      bestValue = entry.Value;
    }
  }
  return best;
}

void CommitCorpsToTarget(int nation, int army, int e, int radius) {
  TTargetEntry& entry = TargetList[e];
  TArmy& record = GameState.Armies[army];
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    if (record.AiFreeCorps == 0 || entry.Need == 0) return;
    TCorps& corps = GameState.Corps[c];
    if (!IsFreeCorpsOf(corps, nation, army) || Distance(HexOf(entry), HexOf(corps)) > radius)
      continue;
    int stance = record.Stance < TCombatStance::Training ? record.Stance : TCombatStance::Defend;
    if (stance == TCombatStance::Withdraw && corps.Posture > 2) stance = TCombatStance::Defend;
    corps.Stance = static_cast<std::uint8_t>(stance);
    corps.DestX = static_cast<std::uint8_t>(entry.X);
    corps.DestY = static_cast<std::uint8_t>(entry.Y);
    // The corps that covers the need ends the scan there: it takes nothing
    // off the city's enemy strength nor off the free corps. It keeps the
    // stance it was given, which alone decides whether it can be sent again.
    if (corps.Strength >= entry.Need) {
      entry.Need = 0;
      entry.Value = 0;
      return;
    }
    entry.Need = static_cast<std::uint16_t>(entry.Need - corps.Strength);
    TCity& city = GameState.Cities[entry.City];
    city.AiEnemyStrength = static_cast<std::uint16_t>(std::max(city.AiEnemyStrength - corps.Strength, 0));
    if (record.AiFreeCorps > 0) --record.AiFreeCorps;
  }
}

void AttackBestTarget(int nation, int army) {
  const int camp = CampOfNation(nation);
  PickAndTakeUp(camp, army, 1, [&](TTargetEntry& entry, int e) {
    // Each pick of a garrisoned city counts its garrison against the need.
    if (entry.Garrison != 0 && entry.Need != 0)
      entry.Need = static_cast<std::uint16_t>(std::max(entry.Need - entry.Garrison, 0));
    // A need the army cannot match keeps its value and is picked again.
    if (entry.Need == 0 || entry.Need >= FreeStrength(nation, army)) return;
    Commit(nation, army, e);
    if (entry.Need == 0) PursueNearestEnemy(nation, army, entry);
    entry.Value = 0;
  });
  if (camp != TSide::None && GameState.Armies[army].Stance == TCombatStance::Advance) {
    PickAndTakeUp(EnemyCampOf(camp), army, 1, [&](TTargetEntry& entry, int e) {
      if (entry.Need == 0 || entry.Need >= FreeStrength(nation, army)) return;
      const int need = entry.Need;
      Commit(nation, army, e);
      // More than a quarter of the need left and nothing more to send.
      if (entry.Need > need / 4 && GameState.Armies[army].AiFreeCorps == 0)
        CallOffAttack(nation, army, entry);
      entry.Value = 0;
    });
  }
  PickAndTakeUp(camp, army, 0, [&](TTargetEntry& entry, int e) {
    if (entry.City == 0 || entry.Value == 0) return;
    Commit(nation, army, e);
    entry.Value = 0;
  });
}
