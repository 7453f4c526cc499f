// The judgement at the end of the war: scores, verdicts, the capitals, and
// whether the campaign may go on.
#include "world/post_mortem.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

using PostMortemTest = WorldTest;

// The bands of the lead: up to 109 percent, 110..139, 140 and more; nothing
// behind counts as 150.
TEST_F(PostMortemTest, TheVerdictFollowsTheLeadsBand) {
  const struct {
    std::int64_t u, c;
    int tie, text;
  } cases[] = {
      {.u = 1005, .c = 1000, .tie = 0, .text = 640}, {.u = 1099, .c = 1000, .tie = 0, .text = 640},
      {.u = 1100, .c = 1000, .tie = 0, .text = 641}, {.u = 1399, .c = 1000, .tie = 0, .text = 641},
      {.u = 1400, .c = 1000, .tie = 0, .text = 642}, {.u = 1000, .c = 0, .tie = 0, .text = 642},
      {.u = 1000, .c = 1099, .tie = 0, .text = 643}, {.u = 1000, .c = 1100, .tie = 0, .text = 644},
      {.u = 0, .c = 1, .tie = 0, .text = 645},       {.u = 700, .c = 700, .tie = 646, .text = 646},
      {.u = 700, .c = 700, .tie = 0, .text = 0},
      {.u = std::int64_t{4} << 40, .c = (std::int64_t{4} << 40) - 1, .tie = 0, .text = 640},
  };
  for (const auto& c : cases) EXPECT_EQ(VerdictText({c.u, c.c}, c.tie), c.text) << c.u << " " << c.c;
}

TEST_F(PostMortemTest, ALostOrMissingCapitalIsTheVerdictOnTheCapitals) {
  const int washington = AddCity(10, 10, TSide::Union);
  const int richmond = AddCity(12, 10, TSide::Confederate);
  const struct {
    int union_capital, confederate_capital, union_holder, confederate_holder, text;
  } cases[] = {
      {washington, richmond, TSide::Union, TSide::Confederate, 0},
      {washington, richmond, TSide::Union, TSide::Union, 638},
      {washington, richmond, TSide::Confederate, TSide::Confederate, 639},
      {washington, richmond, TSide::Confederate, TSide::Union, 639},
      {0, richmond, TSide::Union, TSide::Confederate, 639},
      {washington, 200, TSide::Union, TSide::Confederate, 638},
  };
  for (const auto& c : cases) {
    GameState.Nations[TNation::Union].Capital = static_cast<std::uint8_t>(c.union_capital);
    GameState.Nations[TNation::Confederacy].Capital = static_cast<std::uint8_t>(c.confederate_capital);
    GameState.Cities[washington].Side = static_cast<std::uint8_t>(c.union_holder);
    GameState.Cities[richmond].Side = static_cast<std::uint8_t>(c.confederate_holder);
    EXPECT_EQ(CapitalVerdictText(), c.text);
  }
}

// A side's own states count whole; elsewhere only supplied cities count; 1862
// gives the Union 33; a tenth is added.
TEST_F(PostMortemTest, TerritoryCountsHeldStatesWholeAndSuppliedCitiesElsewhere) {
  GameState.States[1].ControlSide = TSide::Union;
  GameState.States[2].ControlSide = TSide::Confederate;
  const auto city = [](int side, int state, int value, int supplied) {
    TCity& c = GameState.Cities[AddCity(state * 5 + value % 7, state, side)];
    c.State = static_cast<std::uint8_t>(state);
    c.Value = static_cast<std::uint8_t>(value);
    c.SupplyLevel = static_cast<std::uint8_t>(supplied);
  };
  city(TSide::Union, 1, 40, 0);
  city(TSide::Union, 2, 30, 0);
  city(TSide::Union, 2, 20, 1);
  city(TSide::Confederate, 2, 100, 0);
  city(TSide::Confederate, 1, 9, 0);
  GameState.Year = 1862;
  const SideScores scores = TerritorialScores();
  EXPECT_EQ(scores.union_score, (40 + 20 + 33) * 11 / 10);
  EXPECT_EQ(scores.confederate_score, 110);
}

// France on the Confederate side: its losses count for the Union. The sums
// run past 32 bits without wrapping.
TEST_F(PostMortemTest, LossesCountForTheEnemyAndVictoriesForTheSide) {
  GameState.Nations[TNation::France].Side = TSide::Confederate;
  GameState.Casualties[TNation::Union] = 300;
  GameState.ForagingLosses[TNation::Union] = 80;
  GameState.Prisoners[TNation::Union] = 5;
  GameState.OceanShipsSunk[TNation::Union] = 2;
  GameState.RiverShipsSunk[TNation::Union] = 3;
  GameState.MilitaryPoints[TNation::Union] = 7;
  GameState.Prisoners[TNation::France] = 4000000000u;
  GameState.MilitaryPoints[TNation::France] = 1;
  const SideScores scores = MilitaryScores();
  EXPECT_EQ(scores.confederate_score, 100 + 10 + 5 + 20 + 18 + 10);
  EXPECT_EQ(scores.union_score, 70 + std::int64_t{4000000000u});
}

// Once only, and never after the Confederacy's capitulation (a Union one may play on).
TEST_F(PostMortemTest, TheCampaignContinuesOnceToJune1865) {
  const struct {
    int mark, code;
    bool goes_on;
  } cases[] = {
      {.mark = 0, .code = 1, .goes_on = true},  {.mark = 4, .code = 3, .goes_on = true},
      {.mark = 5, .code = 1, .goes_on = false}, {.mark = 0, .code = 2, .goes_on = false},
  };
  for (const auto& c : cases) {
    GameState.ExtensionMark = static_cast<std::uint16_t>(c.mark);
    GameState.EndMonth = 1;
    GameState.EndYear = 1865;
    GameOverCode = static_cast<std::uint16_t>(c.code);
    EXPECT_EQ(ContinueCampaign(), c.goes_on);
    EXPECT_EQ(GameOverCode, c.goes_on ? 0 : c.code);
    EXPECT_EQ(GameState.EndMonth, c.goes_on ? 6 : 1);
    EXPECT_EQ(GameState.ExtensionMark, c.goes_on ? 5 : c.mark);
  }
  EndGame();
  EXPECT_EQ(GameOverCode, 1);
}

}  // namespace
