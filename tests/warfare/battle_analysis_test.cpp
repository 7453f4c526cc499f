// The battle analysis: the casualties each side's factors promised, worked
// out in the order the figures are truncated, beside what the battle did.
#include "warfare/battle_analysis.h"

#include <gtest/gtest.h>

#include "tests/warfare/battle_fixture.h"

namespace {

using namespace TBattleFactor;

// Rows 0..13: troops, fatigue, readiness, battlefield, entrenchment,
// leadership, quality, weapons, aggression, stance, supply, city guns,
// intensity, corps count.
constexpr SideFactors kOnTheField{300, 2, 10, 4, 1, 6, 3, 90, 41, 2, 3, 1, 3, 2};
constexpr SideFactors kSmallSide{7, 1, 10, 0, 0, 9, 5, 60, 40, 4, 5, 0, 1, 1};

TEST(ExpectedEnemyCasualties, WeighEachFactorPerThirtyMenAndTruncateOnTheWay) {
  SideFactors onAField = kSmallSide;
  onAField[Battlefield] = 1;
  SideFactors weary{};
  weary[TotalTroops] = 31;
  weary[Fatigue] = 20;
  const struct {
    const char* what;
    SideFactors factors;
    std::int64_t expected;
  } cases[] = {
      {"a battlefield weighs the men and a quarter of the aggression", kOnTheField, 1064},
      {"no battlefield: the men as they are, half the aggression", kSmallSide, 27},
      {"the same men on a battlefield", onAField, 28},
      {"a loss is truncated towards zero", weary, -14},
  };
  for (const auto& c : cases) EXPECT_EQ(ExpectedEnemyCasualties(c.factors), c.expected) << c.what;
  EXPECT_EQ(IntensityWeight(kOnTheField, 2), 1200);
  EXPECT_EQ(IntensityWeight(kSmallSide, 2), 9);
}

TEST_F(BattleTest, TheAnalysisSetsTheFiguresBesideTheMoraleBeforeAndAfter) {
  for (int row = 0; row < Rows; ++row) {
    BattleFactors[row][1] = static_cast<std::uint16_t>(kOnTheField[row]);
    BattleFactors[row][2] = static_cast<std::uint16_t>(kSmallSide[row]);
  }
  const int first = AddEngagedCorps(TSide::Union, 1);
  const int second = AddEngagedCorps(TSide::Union, 1);
  AddEngagedCorps(TSide::Confederate, 1);  // counted at no strength: not there at the start
  CorpsBattleStart[first] = 100;
  CorpsBattleStart[first + kBattleCorpsSlots] = 32;
  CorpsBattleStart[second] = 50;
  CorpsBattleMark[first] = 10;
  CorpsBattleMark[second] = 7;
  GameState.Corps[first].Readiness = 9;
  GameState.Corps[first].Disorder = 2;
  GameState.Corps[second].Readiness = 4;
  GameState.Hits1 = 4;
  GameState.Hits2 = 10;
  GameState.BattleOutcome = 3;
  BattleContext ctx;
  ctx.BattleIntensity = 2;
  const std::vector<AnalysisRow> expected = {
      {"text 489", {"7500, 32", "0, 0"}}, {"text 490", {"5 x2", "0 x2"}},
      {"text 492", {"2 x5", "1 x5"}},     {"text 493", {"10 x10", "10 x10"}},
      {"text 494", {"6 x25", "9 x25"}},   {"text 496", {"3 x20", "5 x20"}},
      {"text 497", {"90 x7", "60 x7"}},   {"text 501", {"1200", "9"}},
      {"text 502", {"1064", "27"}},       {"text 504", {"500", "200"}},
      {"text 498", {"8", "0"}},           {"text 499", {"3", "0"}},
      {"text 500", {"5", "0"}},
  };
  const BattleAnalysis analysis = AnalyseBattle(ctx);
  ASSERT_EQ(analysis.rows.size(), expected.size());
  for (std::size_t r = 0; r < expected.size(); ++r) {
    EXPECT_EQ(analysis.rows[r].caption, expected[r].caption);
    EXPECT_EQ(analysis.rows[r].figures, expected[r].figures) << expected[r].caption;
  }
  EXPECT_EQ(analysis.titles, (std::array<std::string, 2>{"text 487", "text 488"}));
  EXPECT_EQ(analysis.outcome, "text 65");
  EXPECT_EQ(BattleReadiness1, 5);
  EXPECT_EQ(BattleReadiness2, 0) << "a side with no corps divides by one";
}

}  // namespace
