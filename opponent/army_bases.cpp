#include "opponent/army_bases.h"

#include <cstdint>

#include "opponent/planner_camps.h"
#include "world/codes.h"
#include "world/hex_grid.h"
#include "world/realm_queries.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kDefenceWorth = 60;
constexpr int kAttackWorth = 70;

// A city's score from the army's headquarters: its worth less the distance,
// halved for a city the army's camp did not begin with, and less the distance
// again outside the army's theatre; inside it the city's value counts twice.
// A base is halved before the distance comes off, a target after.
int ScoreCity(const TArmy& army, const TCity& city, int worth, bool halveFirst) {
  const TCity& base = GameState.Cities[army.HqCity];
  int d = HexDistance(base.X, base.Y, city.X, city.Y);
  if (d == 0) d = 1;
  int s = city.Value + worth;
  if (d >= s) return 0;
  const bool halved = city.OriginalSide != army.Side;
  if (halved && halveFirst) s /= 2;
  s -= d;
  if (halved && !halveFirst) s /= 2;
  if (city.Theatre != army.Theatre) return d < s ? s - d : 0;
  return s + city.Value;
}

template <typename IsCandidate>
TCityChoice PickCities(int a, int worth, bool halveFirst, IsCandidate is_candidate) {
  TCityChoice choice;
  const TArmy& army = GameState.Armies[a];
  if (!IsEntryOf(GameState.Cities, army.HqCity)) return choice;
  int bestScore = 0;
  int secondScore = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (!is_candidate(city) || !IsCityUnclaimed(army.Side, a, c)) continue;
    const int s = ScoreCity(army, city, worth, halveFirst);
    if (s > bestScore) {
      choice.second = choice.best;
      secondScore = bestScore;
      choice.best = c;
      bestScore = s;
    } else if (s > secondScore) {
      choice.second = c;
      secondScore = s;
    }
  }
  return choice;
}

}  // namespace

bool IsCityUnclaimed(int side, int army, int city) {
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    const TArmy& other = GameState.Armies[a];
    if (a == army || other.IsFree() || other.Side != side) continue;
    if (other.HqCity == city || other.AiTargetCity == city) return false;
  }
  return true;
}

TCityChoice PickArmyDefenceCities(int a, int boldness) {
  const TArmy& army = GameState.Armies[a];
  const int camp = CampOfNation(army.Nation);
  TCityChoice choice = PickCities(a, kDefenceWorth, true, [&](const TCity& city) {
    if (city.Side != camp) return false;
    return city.RailStation != 0 || (boldness != 0 && AreCompatibleNations(army.Nation, city.Nation));
  });
  const TNationRec& nation = GameState.Nations[army.Nation];
  const int capital = nation.Capital;
  if (nation.CapitalThreat != 0 && IsEntryOf(GameState.Cities, capital) &&
      GameState.Cities[capital].Theatre == army.Theatre && capital != choice.best &&
      capital != choice.second)
    choice.best = capital;
  return choice;
}

TCityChoice PickArmyAttackCities(int a) {
  const TArmy& army = GameState.Armies[a];
  const int camp = CampOfNation(army.Nation);
  return PickCities(a, kAttackWorth, false, [&](const TCity& city) {
    return city.Side != camp && city.Side != TSide::None &&
           AreCompatibleNations(army.Nation, city.Nation);
  });
}
