#include "opponent/operation_plans.h"

#include "opponent/planner_camps.h"
#include "world/hex_grid.h"
#include "world/realm_queries.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kFallbackRange = 12;

bool IsFreeForOperation(const TCorps& corps, bool takesArmyCorps) {
  return corps.AiMission == 0 && (takesArmyCorps || corps.Army == 0);
}

// The theatre's own free corps when the camp had none close enough.
int NearestInTheatre(const TCity& place, int nation) {
  int bound = kFallbackRange;
  int nearest = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (!IsFightingCorps(corps) || corps.Nation != nation || !IsFreeForOperation(corps, false) ||
        corps.Theatre != place.Theatre)
      continue;
    const int d = HexDistance(place.X, place.Y, corps.X, corps.Y);
    if (d < bound) {
      bound = d;
      nearest = c;
    }
  }
  return nearest;
}

}  // namespace

TAiPlan& OperationPlan(int operation) {
  return GameState.AiPlans[operation];
}

void ReleaseCorps(int operation) {
  for (int c = 1; c <= GameState.Corps.Count; ++c)
    if (GameState.Corps[c].AiMission == operation) GameState.Corps[c].AiMission = 0;
}

void ReleaseArmies(int operation) {
  for (int a = 1; a <= GameState.Armies.Count; ++a)
    if (GameState.Armies[a].AiOrder == operation) GameState.Armies[a].AiOrder = 0;
}

void CancelOperation(int operation) {
  ReleaseCorps(operation);
  ReleaseArmies(operation);
  for (int c = 1; c <= GameState.Cities.Count; ++c)
    if (GameState.Cities[c].AiOperation == operation) GameState.Cities[c].AiOperation = 0;
}

void StartOrCancel(int operation, bool trigger, int phase) {
  if (trigger)
    OperationPlan(operation).Phase = static_cast<std::uint8_t>(phase);
  else
    CancelOperation(operation);
}

bool IsFightingCorps(const TCorps& corps) {
  return corps.Inactive == 0 && corps.Disorder == 0;
}

int FindFreeCorpsNear(int city, int nation, int radius, const CorpsSearch& search) {
  ThreatCorpsAtCity = ThreatEnemyValue = ThreatEnemyCount = 0;
  ThreatOwnStrength = ThreatEnemyStrength = static_cast<std::uint16_t>(search.startStrength);
  if (!IsEntryOf(GameState.Cities, city)) return 0;
  const TCity& place = GameState.Cities[city];
  const int camp = CampOfNation(nation);
  int bound = radius + 1;
  int nearest = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (!IsFightingCorps(corps)) continue;
    int d = HexDistance(place.X, place.Y, corps.X, corps.Y);
    // A corps of another theatre answers to other commands: it counts as twice as far.
    if (corps.Theatre != place.Theatre) d *= 2;
    if (corps.Side == camp) {
      if (IsFreeForOperation(corps, search.takesArmyCorps) && d < bound) {
        bound = d;
        nearest = c;
      }
      if (d == 0) ThreatCorpsAtCity = static_cast<std::uint16_t>(c);
      if (d < radius) AddSaturated(ThreatOwnStrength, corps.Strength);
    } else if (d < radius) {
      AddSaturated(ThreatEnemyCount, 1);
      AddSaturated(ThreatEnemyStrength, corps.Strength);
      AddSaturated(ThreatEnemyValue, corps.Cohesion);
    }
  }
  return nearest != 0 ? nearest : NearestInTheatre(place, nation);
}

int CorpsDistanceToCity(const TCorps& corps, int city) {
  const TCity& place = GameState.Cities[city];
  return HexDistance(place.X, place.Y, corps.X, corps.Y);
}

bool IsCityHeldBy(int city, int nation) {
  return GameState.Cities[city].Side == GameState.Nations[nation].Side;
}

int StateHolder(int state) {
  return GameState.States[state].ControlSide;
}

int StateIntruders(int state) {
  return GameState.States[state].IntruderStrength;
}

void AssignCorpsToCity(TCorps& corps, int city, int operation) {
  SendCorpsToCity(corps, city);
  corps.AiMission = static_cast<std::uint16_t>(operation);
}

void AskGarrisonWhenBare(int city) {
  TCity& place = GameState.Cities[city];
  if (place.GarrisonCount == 0) place.GarrisonNeed = 1;
}
