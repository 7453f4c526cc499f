#include "warfare/brigade_combat.h"

#include <gtest/gtest.h>

#include "tests/warfare/battle_fixture.h"

namespace {

using BrigadeCombatTest = BattleTest;

TEST_F(BrigadeCombatTest, PickBrigadeDrawsTheKthLineBrigadeWithNoughtCountingAsN) {
  const int c = AddEngagedCorps(TSide::Union, 2, 2);
  // Brigades 1, 2 infantry; 3, 4 batteries, the second the stronger.
  GameState.Brigades[4].Strength = 17;
  struct Case {
    int mode;
    int n;
    int draw;
    int picked;
  };
  const Case cases[] = {
      {kPickLine, 4, 1, 1}, {kPickLine, 4, 2, 2},
      {kPickLine, 4, 3, 0},  // n counts the batteries, so a line pick can miss
      {kPickLine, 2, 0, 2},  // 0 counts as n
      {kPickLine, 0, 0, 0},  {kPickArtillery, 4, 1, 4}, {kPickArtillery, 0, 0, 0},
  };
  for (const Case& k : cases) {
    Script({{k.n + 1, k.draw}});
    EXPECT_EQ(PickBrigade(k.mode, c, k.n), k.picked) << "mode " << k.mode << ", n " << k.n << ", draw " << k.draw;
  }
  GameState.Brigades[4].Strength = 16;
  Script({{5, 1}});
  EXPECT_EQ(PickBrigade(kPickArtillery, c, 4), 3) << "the first of equal batteries";
}

TEST_F(BrigadeCombatTest, CountHitsNeedsBothDrawsAndWeighsTheFireAsAWord) {
  BattleContext ctx;
  ctx.BattleIntensity = 2;
  struct Case {
    int fire;
    std::deque<ScriptedDraw> draws;
    int hits;
  };
  const Case cases[] = {
      {100, {}, 1},  // no attempt still hits once
      {100, {{1500, 99}, {300, 49}}, 2},
      {100, {{1500, 100}}, 1},  // a miss asks no second draw
      {100, {{1500, 99}, {300, 50}}, 1},
      {-30, {{1500, 1499}, {300, 0}}, 2},  // below 0 is a high word
  };
  for (const Case& c : cases) {
    ScriptRandomDraws(c.draws);
    EXPECT_EQ(CountHits(ctx, c.draws.empty() ? 0 : 1, c.fire), c.hits) << "fire " << c.fire;
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  }
}

TEST_F(BrigadeCombatTest, HitsLandOnMenPresentAndAreCountedBeyondAByte) {
  const int blue = AddEngagedCorps(TSide::Union, 1, 1);
  const int grey = AddEngagedCorps(TSide::Confederate, 1, 0, 255);
  BattleContext ctx;
  // A battery's hit lands on a draw of 41 or less.
  Script({{100, 41}, {100, 99}, {100, 42}, {100, 99}});
  EXPECT_EQ(ApplyHits(ctx, blue, 2, 2), 1);
  EXPECT_EQ(GameState.Hits1, 1);
  EXPECT_EQ(GameState.Brigades[2].Strength, 15);

  // A brigade with no men takes no hit.
  GameState.Brigades[1].Strength = 0;
  Script({{100, 99}});
  EXPECT_EQ(ApplyHits(ctx, blue, 3, 1), 0);
  EXPECT_EQ(GameState.Hits1, 1);
  EXPECT_EQ(ctx.hits[blue], 1);

  // Three hundred hits on 255 men: every one counts, the corps' byte stops at 255.
  std::deque<ScriptedDraw> draws(300, ScriptedDraw{100, 99});
  ScriptRandomDraws(draws);
  EXPECT_EQ(ApplyHits(ctx, grey, 300, 3), 300);
  EXPECT_EQ(ctx.hits[grey], 300);
  EXPECT_EQ(GameState.Corps[grey].ContactStep, 255);
  EXPECT_EQ(GameState.Hits2, 300);
  EXPECT_EQ(GameState.Casualties[TNation::Confederacy], 255);
  EXPECT_EQ(GameState.States[1].Losses, 255 + 1);
}

}  // namespace
