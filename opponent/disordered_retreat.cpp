#include "opponent/disordered_retreat.h"

#include "opponent/planner_camps.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/nearest_own_corps.h"
#include "world/nearest_supply_city.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kDangerRadius = 5;
constexpr int kEnemyAtTheGates = 3;

bool SupplyCityIsSafe(const TCorps& corps, int nation) {
  if (!IsEntryOf(GameState.Cities, corps.City)) return false;
  NearestOwnCorps(corps.City, nation, kDangerRadius);
  return NearestEnemyDistance >= kEnemyAtTheGates;
}

// A corps of an army falls back on its headquarters, any other on the nearest
// supplied city.
int RetreatCity(int c) {
  const TCorps& corps = GameState.Corps[c];
  if (const int army = ArmyOf(corps); army != 0) return GameState.Armies[army].HqCity;
  return NearestSupplyCity(c, corps.Nation);
}

}  // namespace

void RetreatDisorderedCorps(int nation) {
  GameState.Nations[nation].RailUsed = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.Inactive != 0 || corps.Nation != nation || corps.Disorder == 0) continue;
    SendCorpsToCity(corps, corps.City);
    if (SupplyCityIsSafe(corps, nation)) continue;
    const int city = RetreatCity(c);
    if (!IsEntryOf(GameState.Cities, city)) continue;
    SendCorpsToCity(corps, city);
    corps.March = TMarchMode::Forced;
    corps.Stance = TCombatStance::Withdraw;
    corps.City = static_cast<std::uint8_t>(city);
  }
}
