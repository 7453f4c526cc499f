#include "warfare/battle_intensity.h"

#include <gtest/gtest.h>

#include "tests/warfare/battle_fixture.h"
#include "warfare/battle_setup.h"

namespace {

using BattleIntensityTest = BattleTest;

// Level n is offered from initiative 2n - 1; a skirmish always, and only it
// without a commander.
TEST(OfferedIntensities, EachLevelNeedsItsInitiative) {
  struct Row {
    int initiative, highest;
  };
  ResetGameWideVariables();
  for (const Row row : {Row{2, 1}, Row{3, 2}, Row{4, 2}, Row{5, 3}, Row{6, 3}, Row{7, 4},
                        Row{8, 4}, Row{9, 5}}) {
    GameState.Leaders[1].Initiative = row.initiative;
    const std::array<bool, 5> offered = OfferedIntensities(1);
    for (int level = 1; level <= 5; ++level)
      EXPECT_EQ(offered[level - 1], level <= row.highest) << row.initiative << ", level " << level;
  }
  EXPECT_EQ(OfferedIntensities(0), (std::array<bool, 5>{true, false, false, false, false}));
}

// Own cavalry less the enemy's: from 0 the enemy's brigades are seen, from 20
// its troops; everything when the ratings are shown.
TEST_F(BattleIntensityTest, TheEnemyIsSeenAsFarAsTheCavalryScouts) {
  const int own = AddEngagedCorps(TSide::Union, 1);
  const int enemy = AddEngagedCorps(TSide::Confederate, 2, 1);
  const int scouts = AddBrigade({.nation = 1, .arm = TArm::Cavalry, .strength = 0, .location = own});
  AddBrigade({.nation = 2, .arm = TArm::Cavalry, .strength = 10, .location = enemy});
  struct Row {
    int ownCavalry, showRatings;
    const char* brigades;
    const char* troops;
  };
  for (const Row row : {Row{9, 0, "???", "???"}, Row{10, 0, "3", "???"}, Row{29, 0, "3", "???"},
                        Row{30, 0, "3", "8000"}, Row{0, 1, "3", "8000"}}) {
    GameState.Brigades[scouts].Strength = row.ownCavalry;
    GameState.ShowLeaderRatings = row.showRatings;
    BattleContext ctx;
    SetUpBattle(ctx);
    const IntensityView view = BuildIntensityView(ctx, TSide::Union);
    EXPECT_EQ(view.columns[1].at(0).brigades, row.brigades) << row.ownCavalry;
    EXPECT_EQ(view.columns[1].at(0).troops, row.troops) << row.ownCavalry;
  }
}

// Ten rows a side, the tenth showing the last corps; only an offered level
// is taken, anything else is a skirmish, and asking draws nothing.
TEST_F(BattleIntensityTest, TheTenthRowShowsTheLastCorpsAndTheAnswerMustBeOffered) {
  for (int i = 1; i <= 11; ++i) AddEngagedCorps(TSide::Confederate, 1, 0, 80, {.initiative = 5});
  BattleContext ctx;
  SetUpBattle(ctx);
  const IntensityView view = BuildIntensityView(ctx, TSide::Confederate);
  ASSERT_EQ(view.columns[1].size(), 10u);
  EXPECT_EQ(view.columns[1][9].leader, "General 11");
  battleViews.ScriptIntensities({3, 4, 0});
  ResetRandomDrawCount();
  EXPECT_EQ(ShowIntensityDialog(ctx, TSide::Confederate), 3);
  EXPECT_EQ(ShowIntensityDialog(ctx, TSide::Confederate), 1);
  EXPECT_EQ(ShowIntensityDialog(ctx, TSide::Confederate), 1);
  EXPECT_EQ(RandomDrawCount(), 0u);
}

}  // namespace
