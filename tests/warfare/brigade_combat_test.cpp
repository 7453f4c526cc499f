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

// A battery opens fire on a draw below 30 in 100, and having fired gains a
// point of quality on a draw of 3 or 4 in 5.
TEST_F(BrigadeCombatTest, ABatteryFiresOnThirtyInAHundredAndGainsOnThreeInFive) {
  AddEngagedCorps(TSide::Union, 0, 1);
  AddEngagedCorps(TSide::Confederate, 1);
  for (const auto& [draw, gunnersDraw, quality] : {std::tuple{29, 2, 1}, {29, 3, 2}, {30, 0, 1}}) {
    GameState.Hits2 = 0;
    GameState.Brigades[1].Quality = 1;
    std::deque<ScriptedDraw> draws = {{100, draw}};
    if (draw < 30) {
      draws.insert(draws.end(), 16, {2000, 1999});  // the sixteen aimed shots miss
      draws.insert(draws.end(), {{100, 99}, {5, gunnersDraw}, {1, 0}});
    }
    ScriptRandomDraws(draws);
    BattleContext ctx;
    BrigadeDuel(ctx, 1, 2, 0, 0);
    EXPECT_EQ(GameState.Hits2, draw < 30 ? 1 : 0);
    EXPECT_EQ(GameState.Brigades[1].Quality, quality) << draw << " " << gunnersDraw;
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  }
}

// A line duel seasons each brigade by a third of a draw of its own losses:
// nine men against five, every shot hitting, lose six and four.
TEST_F(BrigadeCombatTest, ALineDuelSeasonsEachBrigadeByAThirdOfADrawOfItsLosses) {
  for (const auto& [firstDraw, secondDraw, firstQuality, secondQuality] :
       {std::tuple{3, 2, 2, 1}, {2, 3, 1, 2}}) {
    SetUp();
    AddEngagedCorps(TSide::Union, 1, 0, 9);
    AddEngagedCorps(TSide::Confederate, 1, 0, 5);
    std::deque<ScriptedDraw> draws;
    const auto volley = [&draws](int shots, int hitsTold) {
      for (int shot = 0; shot < shots; ++shot) draws.insert(draws.end(), {{2000, 0}, {300, 0}});
      draws.insert(draws.end(), hitsTold, {100, 99});
    };
    volley(5, 6);
    draws.push_back({100, 99});  // the Union's weapons stay with its survivors
    volley(3, 4);
    draws.insert(draws.end(), {{6, firstDraw}, {4, secondDraw}});
    ScriptRandomDraws(draws);
    BattleContext ctx;
    BrigadeDuel(ctx, 1, 2, 2000, 2000);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(std::tuple(GameState.Brigades[1].Quality, GameState.Brigades[2].Quality),
              std::tuple(firstQuality, secondQuality))
        << firstDraw << " " << secondDraw;
  }
}

// A brigade's fire is its side's value, 20 a point of quality and its
// weapon's FireA x FireB, weighed 10 for the line and 12 for a battery: the
// first shot of one man (or gun) hits one draw short of it, not at it.
TEST_F(BrigadeCombatTest, ABrigadesFireAddsItsQualityAndItsWeaponWeighedByItsArm) {
  struct Row {
    int arm;
    int quality;
    int weapon;  // 0 unarmed, 1 of FireA x FireB 3 x 4
    int fire;
  };
  for (const Row& row : {Row{TArm::Infantry, 0, 0, 100}, Row{TArm::Infantry, 2, 0, 140},
                         Row{TArm::Infantry, 0, 1, 220}, Row{TArm::Artillery, 0, 1, 244},
                         Row{TArm::Artillery, 1, 0, 120}}) {
    for (const int draw : {row.fire - 1, row.fire}) {
      SetUp();
      GameState.WeaponTypes[1].FireA = 3;
      GameState.WeaponTypes[1].FireB = 4;
      const int shooter = AddEngagedCorps(TSide::Union, 0);
      AddBrigade({.nation = 1, .arm = row.arm, .strength = 1, .location = shooter, .quality = row.quality,
                  .weapon = row.weapon});
      AddBrigade({.nation = 2, .strength = 1, .location = AddEngagedCorps(TSide::Confederate, 0)});
      std::deque<ScriptedDraw> draws = {{2000, draw}, {300, 0}};
      if (row.arm == TArm::Artillery) draws.push_front({100, 0});
      ScriptRandomDraws(draws);
      BattleContext ctx;
      // The line's shot is answered first, so the Union brigade defends.
      EXPECT_THROW(row.arm == TArm::Artillery ? BrigadeDuel(ctx, 1, 2, 100, 0) : BrigadeDuel(ctx, 2, 1, 0, 100),
                   RandomScriptError);
      EXPECT_EQ(ScriptedDrawsLeft(), draw < row.fire ? 0u : 1u) << row.arm << " fire " << row.fire;
    }
  }
}

// A hit that tells (below 25 in 100) costs the corps a point of readiness,
// or once it has none a point of disorder.
TEST_F(BrigadeCombatTest, AHitShakesTheCorpsBelow25In100) {
  const int blue = AddEngagedCorps(TSide::Union, 1);
  TCorps& corps = GameState.Corps[blue];
  for (const auto& [readiness, draw, readinessAfter, disorder] :
       {std::tuple{10, 24, 9, 0}, {10, 25, 10, 0}, {0, 24, 0, 1}}) {
    corps.Readiness = readiness;
    corps.Disorder = 0;
    Script({{100, draw}, {100, 99}});
    BattleContext ctx;
    ApplyHits(ctx, blue, 1, 1);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(std::tuple(corps.Readiness, corps.Disorder), std::tuple(readinessAfter, disorder)) << draw;
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
