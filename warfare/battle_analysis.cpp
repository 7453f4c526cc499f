#include "warfare/battle_analysis.h"

#include <algorithm>
#include <string>

#include "warfare/battle_results.h"
#include "world/codes.h"
#include "world/text_table.h"

namespace {

constexpr int kMenPerPoint = 50;

// The corps a side had at the start of the battle, and their mean readiness
// then and now.
struct SideTally {
  int corps = 0;
  std::int64_t men = 0;
  std::int64_t guns = 0;
  std::int64_t startReadiness = 0;
  std::int64_t readiness = 0;
};

SideTally TallySide(int side) {
  SideTally tally;
  for (int c = 1; c <= kBattleCorpsSlots; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (CorpsBattleStart[c] == 0 || corps.Side != side) continue;
    ++tally.corps;
    tally.men += CorpsBattleStart[c] * kMenPerPoint;
    tally.guns += CorpsBattleStart[c + kBattleCorpsSlots];
    tally.startReadiness += CorpsBattleMark[c];
    tally.readiness += corps.Readiness - corps.Disorder;
  }
  // A side with no corps shows means of 0.
  const int counted = std::max(tally.corps, 1);
  tally.startReadiness /= counted;
  tally.readiness /= counted;
  return tally;
}

SideFactors FactorsOf(int side) {
  SideFactors factors{};
  for (int row = 0; row < TBattleFactor::Rows; ++row) factors[row] = BattleFactors[row][side];
  return factors;
}

// A row of the form, its figure worked out for side 1 and for side 2.
template <typename Figure>
AnalysisRow Row(int caption, Figure figure) {
  return {TextLine(caption), {figure(TSide::Union), figure(TSide::Confederate)}};
}

}  // namespace

std::int64_t ExpectedEnemyCasualties(const SideFactors& f) {
  using namespace TBattleFactor;
  const std::int64_t men = f[TotalTroops];
  // Each factor weighs in per thirty of the side's men.
  const auto per30 = [men](std::int64_t factor) { return men * factor / 30; };
  const bool onTheField = f[Battlefield] != 0;
  std::int64_t total = onTheField ? men * 110 / 80 : men;
  total += onTheField ? per30(f[Aggression] / 4) * 3 : per30(f[Aggression] / 2);
  total += per30(f[Stance]) * 10 + per30(f[Supply]) * 25 + per30(f[CityGuns]) * 5;
  total -= per30(f[Fatigue] * 5) + per30(f[Battlefield]) + per30(f[Entrenchment]) * 25;
  total += per30(f[Readiness]) * 10 + per30(f[Leadership]) * 25 + per30(f[Quality]) * 20 +
           per30(f[Weapons]);
  return total / 5;
}

std::int64_t IntensityWeight(const SideFactors& f, int battleIntensity) {
  return f[TBattleFactor::TotalTroops] * f[TBattleFactor::Intensity] * (battleIntensity * 20) / 30;
}

BattleAnalysis AnalyseBattle(const BattleContext& ctx) {
  using namespace TBattleFactor;
  const std::array<SideTally, kSideCount + 1> tally{SideTally{}, TallySide(TSide::Union),
                                                    TallySide(TSide::Confederate)};
  const std::array<SideFactors, kSideCount + 1> f{SideFactors{}, FactorsOf(TSide::Union),
                                                  FactorsOf(TSide::Confederate)};
  BattleReadiness1 = static_cast<std::int32_t>(tally[TSide::Union].readiness);
  BattleReadiness2 = static_cast<std::int32_t>(tally[TSide::Confederate].readiness);
  // The losses each side inflicted: the other side's hits.
  const std::array<std::int64_t, kSideCount + 1> inflicted{0, GameState.Hits2 * kMenPerPoint,
                                                           GameState.Hits1 * kMenPerPoint};
  const auto weighted = [&f](int row, const char* weight) {
    return [&f, row, weight](int s) { return std::to_string(f[s][row]) + weight; };
  };
  BattleAnalysis analysis;
  analysis.titles = {TextLine(487), TextLine(488)};
  analysis.rows = {
      Row(489,
          [&](int s) {
            return std::to_string(tally[s].men) + ", " + std::to_string(tally[s].guns);
          }),
      Row(490,
          [&](int s) { return std::to_string(f[s][Battlefield] + f[s][Entrenchment]) + " x2"; }),
      Row(492, weighted(Fatigue, " x5")),
      Row(493, weighted(Readiness, " x10")),
      Row(494, weighted(Leadership, " x25")),
      Row(496, weighted(Quality, " x20")),
      Row(497, weighted(Weapons, " x7")),
      Row(501, [&](int s) { return std::to_string(IntensityWeight(f[s], ctx.BattleIntensity)); }),
      Row(502, [&](int s) { return std::to_string(ExpectedEnemyCasualties(f[s])); }),
      Row(504, [&](int s) { return std::to_string(inflicted[s]); }),
      Row(498, [&](int s) { return std::to_string(tally[s].startReadiness); }),
      Row(499, [&](int s) { return std::to_string(tally[s].startReadiness - tally[s].readiness); }),
      Row(500, [&](int s) { return std::to_string(tally[s].readiness); }),
  };
  analysis.outcome = BattleOutcomeText();
  return analysis;
}
