#include "warfare/battle_intensity.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/warfare/battle_fixture.h"
#include "warfare/battle_setup.h"

namespace {

using BattleIntensityTest = BattleTest;

// Level n is offered from initiative 2n - 1; a skirmish always, and only it
// without a commander.
TEST(OfferedIntensities, EachLevelNeedsItsInitiative) {
  const int highest[] = {0, 0, 1, 2, 2, 3, 3, 4, 4, 5};  // by initiative
  ResetGameWideVariables();
  for (int initiative = 2; initiative <= 9; ++initiative) {
    GameState.Leaders[1].Initiative = initiative;
    for (int level = 1; level <= 5; ++level)
      EXPECT_EQ(OfferedIntensities(1)[level - 1], level <= highest[initiative]) << initiative << level;
  }
  EXPECT_EQ(OfferedIntensities(0), (std::array<bool, 5>{true, false, false, false, false}));
}

// Own cavalry less the enemy's (10): from 0 the enemy's brigades are seen,
// from 20 its troops and guns (its one battery of 16 points is 32 guns, as
// every other view counts them); everything when the ratings are shown.
TEST_F(BattleIntensityTest, TheEnemyIsSeenAsFarAsTheCavalryScouts) {
  const int scouts = AddBrigade({.nation = 1, .arm = TArm::Cavalry, .location = AddEngagedCorps(1, 1)});
  AddBrigade({.nation = 2, .arm = TArm::Cavalry, .strength = 10, .location = AddEngagedCorps(2, 2, 1)});
  for (const auto& [cavalry, shown, seen] :
       {std::tuple{9, 0, "??? ??? ???"}, std::tuple{10, 0, "3 ??? ???"},
        std::tuple{29, 0, "3 ??? ???"}, std::tuple{30, 0, "3 8000 32"},
        std::tuple{0, 1, "3 8000 32"}}) {
    GameState.Brigades[scouts].Strength = cavalry;
    GameState.ShowLeaderRatings = shown;
    BattleContext ctx;
    SetUpBattle(ctx);
    const IntensityRow row = BuildIntensityView(ctx, TSide::Union).columns[1].at(0);
    EXPECT_EQ(row.brigades + " " + row.troops + " " + row.artillery, seen) << cavalry;
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
  for (int expected : {3, 1, 1}) EXPECT_EQ(ShowIntensityDialog(ctx, TSide::Confederate), expected);
  EXPECT_EQ(RandomDrawCount(), 0u);
}

}  // namespace
