#include "world/city_threat.h"

#include "world/hex_grid.h"
#include "world/realm_queries.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

void AssessCityThreat(int city, int nation, int radius) {
  ThreatCorpsAtCity = 0;
  ThreatOwnStrength = 1;
  ThreatEnemyStrength = 0;
  ThreatEnemyValue = 0;
  ThreatEnemyCount = 0;
  if (!IsEntryOf(GameState.Cities, city)) return;
  const TCity& place = GameState.Cities[city];
  const int camp = CampOfNation(nation);
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.Inactive != 0) continue;
    const int distance = HexDistance(place.X, place.Y, corps.X, corps.Y);
    if (corps.Side == place.Side && distance == 0)
      ThreatCorpsAtCity = static_cast<std::uint16_t>(c);
    if (distance >= radius) continue;
    // The words stop at their top rather than wrap to a small threat.
    if (corps.Side == camp) {
      AddSaturated(ThreatOwnStrength, corps.Strength);
    } else {
      AddSaturated(ThreatEnemyCount, 1);
      AddSaturated(ThreatEnemyStrength, corps.Strength / (distance + 1));
      AddSaturated(ThreatEnemyValue, corps.Cohesion);
    }
  }
}
