// Brigades: each in one live place of its own nation, armed as its arm allows,
// numbered once within its home state, and no corps over its capacity.
#include <set>
#include <utility>

#include "tools/scenario/scenario_checks.h"
#include "tools/scenario/validate_scenario.h"
#include "world/codes.h"
#include "world/force_totals.h"

namespace {

// The corps view lists at most ten brigades.
constexpr int kMostBrigadesShown = 10;

// Artillery fires guns 6..8, infantry small arms 1..4, cavalry carbines and shotguns 3..5.
bool WeaponFitsArm(int weapon, int arm) {
  if (arm == TArm::Artillery) return InRange(weapon, 6, 8);
  if (arm == TArm::Infantry) return InRange(weapon, 1, 4);
  return InRange(weapon, 3, 5);
}

void CheckPlace(const TGameState& game, Findings& findings, int b) {
  const TBrigade& brigade = game.Brigades[b];
  const std::string name = Findings::Brigade(b);
  switch (brigade.Status) {
    case TBrigadeStatus::InCorps: {
      const int k = brigade.Location;
      findings.Check(
          InRange(k, 1, 120) && !game.Corps[k].IsFree() && game.Corps[k].Nation == brigade.Nation,
          name + " is in no live corps of its nation");
      break;
    }
    case TBrigadeStatus::InGarrison:
    case TBrigadeStatus::ArmedAndWaiting:
      findings.Check(InRange(brigade.Location, 1, 86) &&
                         game.Cities[brigade.Location].Nation == brigade.Nation,
                     name + " stands in a city that is not its nation's");
      break;
    case TBrigadeStatus::RaisedUnarmed:
      findings.Check(brigade.Location == 0 && brigade.Weapon == 0,
                     name + " is raised but placed or armed");
      break;
    default:
      findings.Check(false, name + " has no known status");
  }
}

void CheckBrigade(const TGameState& game, Findings& findings, int b,
                  std::set<std::pair<int, int>>& numbers) {
  const TBrigade& brigade = game.Brigades[b];
  const std::string name = Findings::Brigade(b);
  findings.Check(InRange(brigade.Nation, 1, 4), name + " has no nation");
  findings.Check(InRange(brigade.Arm, 1, 3), name + " has no arm");
  findings.Check(InRange(brigade.HomeState, 1, 37), name + " has no home state");
  findings.Check(brigade.Number >= 1 && numbers.emplace(brigade.HomeState, brigade.Number).second,
                 name + " has a missing or repeated number in its home state");
  findings.Check(InRange(brigade.Strength, 1, FullBrigadeStrength(brigade.Arm)),
                 name + " has a strength outside 1..full");
  findings.Check(brigade.Quality >= 1, name + " has no quality");
  if (brigade.Status != TBrigadeStatus::RaisedUnarmed) {
    findings.Check(WeaponFitsArm(brigade.Weapon, brigade.Arm),
                   name + " carries a weapon its arm cannot use");
  }
  CheckPlace(game, findings, b);
}

void CheckCorpsLoads(const TGameState& game, Findings& findings) {
  for (int k = 1; k <= 120; ++k) {
    const TCorps& corps = game.Corps[k];
    if (corps.IsFree()) continue;
    int others = 0;
    int artillery = 0;
    for (int b = 1; b <= 500; ++b) {
      const TBrigade& brigade = game.Brigades[b];
      if (brigade.Status != TBrigadeStatus::InCorps || brigade.Location != k) continue;
      (brigade.Arm == TArm::Artillery ? artillery : others)++;
    }
    const int combat = InRange(corps.Leader, 1, 210) ? game.Leaders[corps.Leader].Combat : 0;
    const int capacity = CorpsCapacity(corps.Kind, combat);
    const std::string name = findings.Corps(k);
    findings.Check(others + artillery > 0, name + " has no brigades and would be removed");
    findings.Check(
        others <= capacity,
        name + " holds more infantry and cavalry than its capacity " + std::to_string(capacity));
    findings.Check(others + artillery <= kMostBrigadesShown,
                   name + " holds more than ten brigades");
  }
}

void CheckGarrisonCounts(const TGameState& game, Findings& findings) {
  for (int c = 1; c <= 86; ++c) {
    int garrison = 0;
    for (int b = 1; b <= 500; ++b) {
      const TBrigade& brigade = game.Brigades[b];
      garrison += brigade.Status == TBrigadeStatus::InGarrison && brigade.Location == c ? 1 : 0;
    }
    findings.Check(game.Cities[c].GarrisonCount == garrison,
                   findings.City(c) + " counts a garrison it does not have");
    // A neutral city without a garrison falls to the first corps on its hex.
    if (c == 85 || c == 86) findings.Check(garrison > 0, findings.City(c) + " has no garrison");
  }
}

}  // namespace

void CheckBrigades(const TGameState& game, Findings& findings) {
  std::set<std::pair<int, int>> numbers;
  for (int b = 1; b <= 500; ++b) {
    if (!game.Brigades[b].IsFree()) CheckBrigade(game, findings, b, numbers);
  }
  CheckCorpsLoads(game, findings);
  CheckGarrisonCounts(game, findings);
}
