#include "world/nearest_own_corps.h"

#include <algorithm>

#include "world/hex_grid.h"
#include "world/realm_queries.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr std::uint16_t kNoCorpsNear = 100;

}  // namespace

int NearestOwnCorps(int city, int nation, int radius) {
  ThreatCorpsAtCity = ThreatOwnStrength = ThreatEnemyStrength = 0;
  ThreatEnemyCount = ThreatEnemyValue = 0;
  NearestEnemyDistance = NearestOwnDistance = kNoCorpsNear;
  if (!IsEntryOf(GameState.Cities, city)) return 0;
  const TCity& place = GameState.Cities[city];
  const int camp = CampOfNation(nation);
  int bound = 2 * radius;
  int nearest = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.Inactive != 0) continue;
    const int d = HexDistance(place.X, place.Y, corps.X, corps.Y);
    // One bound serves both camps: an enemy corps nearer the city hides every
    // own corps behind it.
    if (corps.Side == camp) {
      if (corps.AiMission == 0 && d < bound) {
        bound = d;
        nearest = c;
      }
      NearestOwnDistance = static_cast<std::uint16_t>(std::min<int>(NearestOwnDistance, d));
      if (d == 0) ThreatCorpsAtCity = static_cast<std::uint16_t>(c);
      if (d < radius) AddSaturated(ThreatOwnStrength, corps.Strength);
    } else {
      if (d < bound && corps.Disorder == 0) {
        bound = d;
        ThreatEnemyCount = static_cast<std::uint16_t>(c);
      }
      NearestEnemyDistance = static_cast<std::uint16_t>(std::min<int>(NearestEnemyDistance, d));
      if (d < radius) {
        AddSaturated(ThreatEnemyStrength, corps.Strength);
        AddSaturated(ThreatEnemyValue, corps.Cohesion);
      }
    }
  }
  return nearest;
}
