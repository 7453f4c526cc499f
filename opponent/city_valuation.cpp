#include "opponent/city_valuation.h"

#include <algorithm>
#include <cstdint>

#include "opponent/theatre_posture.h"
#include "world/city_threat.h"
#include "world/codes.h"
#include "world/hex_grid.h"
#include "world/random.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

// The two foreign ports are worth nothing to take.
constexpr int kFirstForeignPort = 85;
constexpr int kCapitalBonus = 50;
constexpr std::int64_t kValueCap = 2000;
constexpr int kValueCapDraw = 1000;
constexpr std::int64_t kStateValueCap = 1000;
constexpr int kObjectiveReach = 15;

bool IsForeignPort(int city) {
  return city >= kFirstForeignPort;
}

// The value as the nation's posture in the city's theatre weighs it.
std::int64_t WeighByPosture(std::int64_t v, int c, int nation, int camp) {
  const TCity& city = GameState.Cities[c];
  const bool own = city.Side == camp;
  const bool neutral = !own && city.Side == TSide::None;
  const int enemyValue = ThreatEnemyValue;
  switch (PostureIn(nation, city.Theatre)) {
    case TAiPosture::Passive:
      return city.Nation == nation && enemyValue < 51 ? 3 : 1;
    case TAiPosture::Defensive:
      if (IsForeignPort(c)) return 0;
      if (own) return enemyValue > 1 ? v * 2 : v;
      return neutral ? v * 2 : v / 2;
    case TAiPosture::Offensive:
      if (own) return v / 2;
      if (enemyValue < 10) v *= 2;
      return neutral ? v * 3 : v;
    case TAiPosture::AllOut:
      if (own) return v / 4;
      v *= enemyValue > 10 ? 4 : 2;
      return neutral ? v * 3 : v;
    default:
      return v;
  }
}

// The capital is worth more, and tells whether it is threatened or lost.
std::int64_t WeighCapital(std::int64_t v, int c, TNationRec& record, int enemy) {
  if (c != record.Capital) return v;
  if (enemy > ThreatOwnStrength) record.CapitalThreat = 1;
  if (GameState.Cities[c].Side != record.Side) record.CapitalThreat = 2;
  return v + kCapitalBonus;
}

std::int64_t StateTargetValue(const TStateRec& state, int nation, int camp) {
  std::int64_t value = 0;
  const bool invaded = state.IntruderStrength != 0;
  if (state.ControlSide != TSide::None && camp != TSide::None && state.Nation != nation)
    value = invaded ? 70 : 20;
  if (state.Nation == nation) {
    value = invaded ? 150 : 25;
    if (state.IntruderStrength > state.ControlStrength) value += 200;
  }
  if (state.Nation == 0 && invaded) value = 300;
  if (camp == TSide::None && state.ControlSide != TSide::None) value = 0;
  return value;
}

void AddToCityValue(TCity& city, std::int64_t amount) {
  AddSaturated(city.AiValue, amount);
}

}  // namespace

void ValueCitiesForNation(int nation) {
  TNationRec& record = GameState.Nations[nation];
  record.CapitalThreat = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    AssessCityThreat(c, nation, 3 * city.Theatre + 3);
    const int enemy = ThreatEnemyStrength;
    city.AiEnemyStrength = static_cast<std::uint16_t>(enemy);
    std::int64_t v = enemy / 10 + 5 * city.Value + enemy + 2 * city.Fortifications;
    if (IsForeignPort(c)) v = 0;
    v = WeighByPosture(v, c, nation, record.Side);
    v = WeighCapital(v, c, record, enemy);
    if (v > kValueCap) v = kValueCap + Random(kValueCapDraw);
    StoreSaturated(city.AiValue, v);
  }
}

void AddStateTargetValues(int nation) {
  const int camp = GameState.Nations[nation].Side;
  for (int s = 1; s <= GameState.States.Count; ++s) {
    TStateRec& state = GameState.States[s];
    if (state.CapitalCity != 0)
      StoreSaturated(state.AiTargetValue, StateTargetValue(state, nation, camp));
  }
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    if (IsEntryOf(GameState.States, city.State))
      AddToCityValue(city, GameState.States[city.State].AiTargetValue);
    // Read as an unsigned word, then weighed in full before the cap.
    std::int64_t v = static_cast<std::uint16_t>(city.AiValue);
    const bool attacking = PostureIn(nation, city.Theatre) >= TAiPosture::Offensive;
    if ((city.Side == camp) != attacking) v *= 2;
    if (city.OriginalSide == nation && city.Nation != nation) v *= 10;
    StoreSaturated(city.AiValue, std::min(v, kStateValueCap));
  }
}

void ChooseRegionalObjectives(int nation) {
  TNationRec& record = GameState.Nations[nation];
  for (int t = 1; t <= kTheatreCount; ++t) {
    if (GameState.AiTheatreActive[t] != 1) continue;
    int best = 0;
    int bestValue = 0;
    for (int c = 1; c <= GameState.Cities.Count; ++c) {
      const TCity& city = GameState.Cities[c];
      if (city.Theatre == t && city.AiValue > bestValue) {
        bestValue = city.AiValue;
        best = c;
      }
    }
    if (best != 0) {
      record.AiObjective[t] = static_cast<std::uint8_t>(best);
      const TCity& objective = GameState.Cities[best];
      for (int c = 1; c <= GameState.Cities.Count; ++c) {
        TCity& city = GameState.Cities[c];
        const int d = HexDistance(city.X, city.Y, objective.X, objective.Y);
        if (city.Theatre == t && d < kObjectiveReach) AddToCityValue(city, 2 * (kObjectiveReach - d));
      }
    }
    if (PostureIn(nation, t) < TAiPosture::Offensive) continue;
    for (int c = 1; c <= GameState.Cities.Count; ++c) {
      TCity& city = GameState.Cities[c];
      if (city.Theatre == t && city.Side != record.Side) AddToCityValue(city, city.AiEnemyStrength);
    }
  }
}
