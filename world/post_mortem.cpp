#include "world/post_mortem.h"

#include <algorithm>

#include "world/codes.h"
#include "world/vardecl.h"

namespace {

constexpr int kExtendedMark = 5;
constexpr int kExtendedEndMonth = 6;
constexpr int kExtendedEndYear = 1865;
constexpr int kConfederateCapitulation = 2;
// A side with nothing to set against the other's score is as far behind as it gets.
constexpr std::int64_t kRatioCap = 150;

bool HoldsOwnCapital(int nation, int side) {
  const int capital = GameState.Nations[nation].Capital;
  return capital >= 1 && capital <= GameState.Cities.Count &&
         GameState.Cities[capital].Side == side;
}

std::int64_t TerritoryOf(int side) {
  std::int64_t score = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.Side != side || city.State < 1 || city.State > GameState.States.Count) continue;
    if (GameState.States[city.State].ControlSide == side || city.SupplyLevel != 0)
      score += city.Value;
  }
  return score;
}

std::int64_t EarlyEndBonus() {
  if (GameState.Year == 1861) return 50;
  if (GameState.Year == 1862) return 33;
  return 0;
}

std::int64_t LossesOf(int n) {
  return std::int64_t{GameState.Casualties[n]} / 3 + std::int64_t{GameState.ForagingLosses[n]} / 8 +
         std::int64_t{GameState.Prisoners[n]} + 10 * std::int64_t{GameState.OceanShipsSunk[n]} +
         6 * std::int64_t{GameState.RiverShipsSunk[n]};
}

bool CountsFor(int n, int side) {
  return GameState.Nations[n].Side == side || n == side;
}

// How far the leader is ahead, in percent of the other's score.
std::int64_t LeadRatio(std::int64_t ahead, std::int64_t behind) {
  if (behind <= 0) return kRatioCap;
  return std::min(ahead * 100 / behind, kRatioCap);
}

int Band(std::int64_t ratio, int first_text) {
  if (ratio < 110) return first_text;
  if (ratio < 140) return first_text + 1;
  return first_text + 2;
}

}  // namespace

SideScores TerritorialScores() {
  SideScores scores{TerritoryOf(TSide::Union) + EarlyEndBonus(), TerritoryOf(TSide::Confederate)};
  scores.union_score += scores.union_score / 10;
  scores.confederate_score += scores.confederate_score / 10;
  return scores;
}

SideScores MilitaryScores() {
  SideScores scores;
  for (int n = 1; n <= GameState.Nations.Count; ++n) {
    const std::int64_t victories = 10 * std::int64_t{GameState.MilitaryPoints[n]};
    if (CountsFor(n, TSide::Union)) {
      scores.confederate_score += LossesOf(n);
      scores.union_score += victories;
    }
    if (CountsFor(n, TSide::Confederate)) {
      scores.union_score += LossesOf(n);
      scores.confederate_score += victories;
    }
  }
  return scores;
}

int VerdictText(const SideScores& scores, int tie_text) {
  const std::int64_t u = scores.union_score;
  const std::int64_t c = scores.confederate_score;
  if (u > c) return Band(LeadRatio(u, c), 640);
  if (c > u) return Band(LeadRatio(c, u), 643);
  return tie_text;
}

int CapitalVerdictText() {
  if (!HoldsOwnCapital(TNation::Union, TSide::Union)) return 639;
  if (!HoldsOwnCapital(TNation::Confederacy, TSide::Confederate)) return 638;
  return 0;
}

bool ContinueCampaign() {
  if (GameState.ExtensionMark >= kExtendedMark || GameOverCode == kConfederateCapitulation)
    return false;
  GameOverCode = 0;
  GameState.ExtensionMark = kExtendedMark;
  GameState.EndMonth = kExtendedEndMonth;
  GameState.EndYear = kExtendedEndYear;
  return true;
}

void EndGame() {
  GameOverCode = 1;
}
