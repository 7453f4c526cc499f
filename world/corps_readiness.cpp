#include "world/corps_readiness.h"

#include <algorithm>

#include "world/codes.h"
#include "world/corps_command.h"
#include "world/random.h"
#include "world/supply_and_attrition.h"
#include "world/unit_positions.h"
#include "world/vardecl.h"

namespace {

constexpr int kMostEntrenchment = 3;
constexpr int kMostReadiness = 25;
constexpr int kSteadyReadiness = 10;
constexpr int kLargestFall = -2;
constexpr int kLargestRise = 3;
constexpr int kSupplied = 2;
constexpr int kGoodOdds = 3;

// Standing orders and supply: what the corps' own situation is worth.
int SituationChange(TCorps& corps) {
  int change = 0;
  if (StandsOn(corps, corps.DestX, corps.DestY)) {
    corps.March = TMarchMode::Cautious;
    ++change;
  }
  if (corps.March == TMarchMode::Forced) --change;
  if (corps.March == TMarchMode::Cautious) change += 2;
  if (corps.SupplyStatus < kSupplied) change += 2;
  if (corps.SupplyType == TSupplyType::Encampment) ++change;
  if (corps.Side == TSide::Union) change -= corps.SupplyStatus;
  if (corps.SupplyPriority == TSupplyPriority::Subsistence) --change;
  if (corps.SupplyPriority == TSupplyPriority::High) ++change;
  return change;
}

int OddsChange(const TCorps& corps) {
  int change = 0;
  const int good = Random(250);
  if (corps.Posture >= kGoodOdds && corps.Posture * 25 > good) ++change;
  const int poor = Random(30);
  if (corps.Posture < kGoodOdds && corps.Posture * 12 < poor) --change;
  return change;
}

bool OnOwnGround(const TCorps& corps) {
  const int state = StateAt(corps.X, corps.Y);
  return state != 0 && GameState.States[state].Side == corps.Side;
}

int CommandersChange(const TCorps& corps) {
  int change = 0;
  if (corps.Leader != 0) {
    const int inspired = Random(70);
    if (LeaderRating(corps.Leader, &TLeader::Inspiration) > inspired)
      change += corps.Disorder != 0 ? 4 : 3;
  }
  const int armyCommander = ArmyCommanderOf(corps);
  if (armyCommander != 0) {
    const int inspired = Random(100);
    if (LeaderRating(armyCommander, &TLeader::Inspiration) > inspired) change += 2;
  }
  return change;
}

void UpdateReadiness(TCorps& corps) {
  corps.Entrenchment =
      static_cast<std::uint8_t>(std::min<int>(corps.Entrenchment, kMostEntrenchment));
  int change = SituationChange(corps) + OddsChange(corps) - corps.Fatigue / 2;
  if (OnOwnGround(corps)) ++change;
  if (corps.Disorder != 0 && corps.Readiness > kSteadyReadiness) --corps.Disorder;
  const int dug = Random(30);
  if (corps.Entrenchment * 10 > dug) ++change;
  change = std::clamp(change + CommandersChange(corps), kLargestFall, kLargestRise);
  if (corps.Stance >= TCombatStance::Embarked) change = std::max(change, 1);
  corps.Readiness =
      static_cast<std::uint8_t>(std::clamp(corps.Readiness + change, 0, kMostReadiness));
}

}  // namespace

void UpdateCorpsReadiness() {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.Inactive == 0) UpdateReadiness(corps);
  }
}
