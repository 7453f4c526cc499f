#include "warfare/battle_intensity.h"

#include <gtest/gtest.h>

#include "tests/warfare/battle_fixture.h"
#include "warfare/battle_setup.h"

namespace {

using BattleIntensityTest = BattleTest;

TEST(OfferedIntensities, EachLevelNeedsItsInitiative) {
  struct Case {
    int initiative;
    int highest;
  };
  const Case cases[] = {{2, 1}, {3, 2}, {4, 2}, {5, 3}, {6, 3}, {7, 4}, {8, 4}, {9, 5}, {12, 5}};
  ResetGameWideVariables();
  for (const Case& c : cases) {
    GameState.Leaders[1].Initiative = static_cast<std::uint8_t>(c.initiative);
    const std::array<bool, 5> offered = OfferedIntensities(1);
    for (int level = 1; level <= 5; ++level)
      EXPECT_EQ(offered[level - 1], level <= c.highest) << "initiative " << c.initiative << ", level " << level;
  }
  // Without a commander only a skirmish.
  EXPECT_EQ(OfferedIntensities(0), (std::array<bool, 5>{true, false, false, false, false}));
}

TEST_F(BattleIntensityTest, TheEnemyIsSeenAsFarAsTheCavalryScouts) {
  const int own = AddEngagedCorps(TSide::Union, 1);
  const int enemy = AddEngagedCorps(TSide::Confederate, 2, 1);
  const int scouts = AddBrigade({.nation = TSide::Union, .arm = TArm::Cavalry, .strength = 0, .location = own});
  const int enemyScouts =
      AddBrigade({.nation = TSide::Confederate, .arm = TArm::Cavalry, .strength = 10, .location = enemy});
  struct Case {
    int ownCavalry;
    int showRatings;
    const char* brigades;
    const char* troops;
  };
  const Case cases[] = {
      {9, 0, "???", "???"},  // S = -1
      {10, 0, "3", "???"},   // S = 0
      {29, 0, "3", "???"},   // S = 19
      {30, 0, "3", "8000"},  // S = 20
      {0, 1, "3", "8000"},   // ratings shown: all is seen
  };
  for (const Case& c : cases) {
    GameState.Brigades[scouts].Strength = static_cast<std::uint8_t>(c.ownCavalry);
    GameState.ShowLeaderRatings = static_cast<std::uint16_t>(c.showRatings);
    BattleContext ctx;
    SetUpBattle(ctx);
    const IntensityView view = BuildIntensityView(ctx, TSide::Union);
    SCOPED_TRACE(testing::Message() << "own cavalry " << c.ownCavalry);
    ASSERT_EQ(view.columns[1].size(), 1u);
    EXPECT_EQ(view.columns[1][0].brigades, c.brigades);
    EXPECT_EQ(view.columns[1][0].troops, c.troops);
    EXPECT_EQ(view.columns[0][0].troops, "4000");
  }
  EXPECT_EQ(GameState.Brigades[enemyScouts].Strength, 10);
}

TEST_F(BattleIntensityTest, TheTenthRowShowsTheLastCorpsAndTheAnswerMustBeOffered) {
  for (int i = 1; i <= 11; ++i) AddEngagedCorps(TSide::Confederate, i % 2 + 1, 0, 80, {.initiative = 5});
  BattleContext ctx;
  SetUpBattle(ctx);
  const IntensityView view = BuildIntensityView(ctx, TSide::Confederate);
  ASSERT_EQ(view.columns[1].size(), 10u);
  EXPECT_EQ(view.columns[1][8].leader, "General 9");
  EXPECT_EQ(view.columns[1][9].leader, "General 11");
  EXPECT_EQ(view.leftHeader, "text 507");
  EXPECT_EQ(view.rightHeader, "text 506");

  // Level 3 is offered at initiative 5, level 4 is not; nothing chosen is a skirmish.
  battleViews.ScriptIntensities({3, 4, 0});
  ResetRandomDrawCount();
  EXPECT_EQ(ShowIntensityDialog(ctx, TSide::Confederate), 3);
  EXPECT_EQ(ShowIntensityDialog(ctx, TSide::Confederate), 1);
  EXPECT_EQ(ShowIntensityDialog(ctx, TSide::Confederate), 1);
  EXPECT_EQ(EventMessage.Choice, 1);
  EXPECT_EQ(ShowIntensityDialog(ctx, TSide::Confederate), 1);
  EXPECT_EQ(RandomDrawCount(), 0u);
}

}  // namespace
