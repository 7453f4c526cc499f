#include "world/nearest_supply_city.h"

#include "world/hex_grid.h"
#include "world/nearest_own_corps.h"
#include "world/realm_queries.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kFarthestCost = 50;
constexpr int kEnemyOnCityCost = 15;
constexpr int kOtherStateCost = 2;

bool EnemyStandsOnCity(int city, int nation) {
  NearestOwnCorps(city, nation, 2);
  return NearestEnemyDistance == 0;
}

}  // namespace

int NearestSupplyCity(int corps, int nation) {
  if (!IsEntryOf(GameState.Corps, corps)) return 0;
  const TCorps& unit = GameState.Corps[corps];
  const int camp = CampOfNation(nation);
  int best = 0;
  int bestCost = kFarthestCost;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.Side != camp || city.SupplyLevel == 0) continue;
    int cost = HexDistance(unit.X, unit.Y, city.X, city.Y);
    if (city.SupplyLevel != 1 && EnemyStandsOnCity(c, nation)) cost += kEnemyOnCityCost;
    if (city.State != unit.State) cost += kOtherStateCost;
    if (cost < bestCost) {
      bestCost = cost;
      best = c;
    }
  }
  return best;
}
