#include "warfare/brigade_combat.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/warfare/battle_fixture.h"

namespace {

using BrigadeCombatTest = BattleTest;

// The k-th line brigade with men for a draw k of n + 1 (0 counting as n, and
// n counting the batteries, so a pick can miss); the strongest battery, the
// first of equals, for the artillery. Brigades 1, 2 infantry; 3, 4 batteries.
TEST_F(BrigadeCombatTest, PickBrigadeDrawsTheKthLineBrigadeWithNoughtCountingAsN) {
  using R = std::tuple<int, int, int, int, int>;
  AddEngagedCorps(TSide::Union, 2, 2);
  for (const auto& [mode, n, draw, fourthBattery, picked] :
       {R{kPickLine, 4, 2, 16, 2}, R{kPickLine, 4, 3, 16, 0}, R{kPickLine, 2, 0, 16, 2},
        R{kPickLine, 0, 0, 16, 0}, R{kPickArtillery, 4, 1, 17, 4}, R{kPickArtillery, 4, 1, 16, 3}}) {
    GameState.Brigades[4].Strength = fourthBattery;
    Script({{n + 1, draw}});
    EXPECT_EQ(PickBrigade(mode, 1, n), picked) << mode << n << draw << fourthBattery;
  }
}

// One sure hit, and one more for each attempt passing both draws; the fire
// is weighed as an unsigned word.
TEST_F(BrigadeCombatTest, CountHitsNeedsBothDrawsAndWeighsTheFireAsAWord) {
  using R = std::tuple<int, std::deque<ScriptedDraw>, int>;
  for (const auto& [fire, draws, hits] :
       {R{100, {{1500, 99}, {300, 49}}, 2}, R{100, {{1500, 100}}, 1},
        R{100, {{1500, 99}, {300, 50}}, 1}, R{-30, {{1500, 1499}, {300, 0}}, 2}}) {
    ScriptRandomDraws(draws);
    EXPECT_EQ(CountHits(BattleContext{.BattleIntensity = 2}, 1, fire), hits) << fire;
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  }
}

// A battery opens fire on a draw below 30 in 100.
TEST_F(BrigadeCombatTest, ABatteryFiresOnThirtyInAHundred) {
  AddEngagedCorps(TSide::Union, 0, 1);
  AddEngagedCorps(TSide::Confederate, 1);
  for (const int draw : {29, 30}) {
    GameState.Hits2 = 0;
    std::deque<ScriptedDraw> draws = {{100, draw}};
    if (draw < 30) {
      draws.insert(draws.end(), 16, {2000, 1999});  // the sixteen aimed shots miss
      draws.insert(draws.end(), {{100, 99}, {5, 0}, {1, 0}});
    }
    ScriptRandomDraws(draws);
    BattleContext ctx;
    BrigadeDuel(ctx, 1, 2, 0, 0);
    EXPECT_EQ(GameState.Hits2, draw < 30 ? 1 : 0);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  }
}

// A battery's hit lands on a draw of 41 or less; a brigade with no men takes
// none; every hit counts though the corps' byte stops at 255.
TEST_F(BrigadeCombatTest, HitsLandOnMenPresentAndAreCountedBeyondAByte) {
  const int blue = AddEngagedCorps(TSide::Union, 1, 1);
  const int grey = AddEngagedCorps(TSide::Confederate, 1, 0, 255);
  BattleContext ctx;
  Script({{100, 41}, {100, 99}, {100, 42}, {100, 99}});
  EXPECT_EQ(ApplyHits(ctx, blue, 2, 2), 1);
  GameState.Brigades[1].Strength = 0;
  Script({{100, 99}});
  EXPECT_EQ(ApplyHits(ctx, blue, 3, 1), 0);
  EXPECT_EQ(GameState.Hits1, 1);
  ScriptRandomDraws(std::deque<ScriptedDraw>(300, ScriptedDraw{100, 99}));
  EXPECT_EQ(ApplyHits(ctx, grey, 300, 3), 300);
  EXPECT_EQ(GameState.Corps[grey].ContactStep, 255);
  EXPECT_EQ(GameState.Casualties[TNation::Confederacy], 255);
}

}  // namespace
