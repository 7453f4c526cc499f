#include "warfare/land_combat.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "tests/warfare/battle_fixture.h"
#include "warfare/battle_setup.h"
#include "warfare/field_battle.h"
#include "world/play_modes.h"

namespace {

using LandCombatTest = BattleTest;

// The holder of the ground wins on equal terms; the other camp needs the
// enemy to lose half as much again. 2: a Union victory, 3: a Confederate one.
TEST(OutcomeFromLosses, TheHolderWinsEvenAndTheOtherCampNeedsHalfAsMuchAgain) {
  using R = std::tuple<int, int, int, int>;
  for (const auto& [owner, unionLoss, confedLoss, outcome] :
       {R{1, 10, 11, 2}, R{1, 10, 10, 0}, R{1, 15, 10, 0}, R{1, 16, 10, 3}, R{2, 11, 10, 3},
        R{2, 10, 10, 0}, R{2, 10, 15, 0}, R{2, 10, 16, 2}, R{0, 11, 10, 3}})
    EXPECT_EQ(OutcomeFromLosses(owner, unionLoss, confedLoss), outcome) << unionLoss << confedLoss;
}

// More than three times the enemy's brigades gives a side its initiative x 10
// + 50 in 100; else the Union holds it on a draw below its initiative x 10 in
// the sum of both x 10, less 20 once when a side skirmishes. The holder's
// intensity is fought, at most 5. Commanders of initiative 4 and 3.
TEST_F(LandCombatTest, TheInitiativeDrawAndTheOverrideOfThreeTimesTheBrigades) {
  using R = std::tuple<int, int, int, int, ScriptedDraw, int, int>;
  AddLeader({.initiative = 4});
  AddLeader({.side = TSide::Confederate, .initiative = 3});
  for (const auto& [b1, b2, unionIntensity, confedIntensity, draw, side, intensity] :
       {R{10, 30, 2, 3, {70, 39}, 1, 2}, R{10, 30, 2, 3, {70, 40}, 2, 3},
        R{30, 10, 2, 3, {70, 40}, 2, 3}, R{10, 31, 2, 3, {100, 79}, 2, 3},
        R{10, 31, 2, 3, {100, 80}, 1, 2}, R{31, 10, 2, 3, {100, 89}, 1, 2},
        R{31, 10, 2, 3, {100, 90}, 2, 3}, R{10, 10, 1, 3, {50, 39}, 1, 1},
        R{10, 10, 1, 1, {50, 40}, 2, 1}, R{10, 10, 7, 3, {70, 0}, 1, 5}}) {
    BattleCorps1 = b1;
    BattleCorps2 = b2;
    BattleContext ctx{.UnionCommander = 1, .ConfedCommander = 2};
    ctx.UnionIntensity = unionIntensity;
    ctx.ConfedIntensity = confedIntensity;
    Script({draw});
    DecideInitiative(ctx);
    EXPECT_EQ(InitiativeSide, side) << b1 << " against " << b2 << ", draw " << draw.value;
    EXPECT_EQ(ctx.BattleIntensity, intensity) << b1 << " against " << b2;
  }
}

// Per-brigade sums become means, leadership at most 12; no factor is 0.
TEST_F(LandCombatTest, FactorsBecomeMeansAndNoneIsZero) {
  BattleCorps1 = 4;
  BattleFactors[TBattleFactor::Leadership][1] = 4 * 13;
  BattleFactors[TBattleFactor::Leadership][2] = 12;
  FinishBattleFactors(BattleContext{});
  EXPECT_EQ(BattleFactors[TBattleFactor::Leadership][1], 12);
  EXPECT_EQ(BattleFactors[TBattleFactor::Leadership][2], 12);
  EXPECT_EQ(BattleFactors[TBattleFactor::TotalTroops][2], 1);
}

// Fewer than five hits in all, or a skirmish, decide nothing (1); a side
// left without readiness less disorder yields the field and the hex.
TEST_F(LandCombatTest, SmallBattlesAndSkirmishesDecideNothingAndBrokenReadinessYieldsTheField) {
  using R = std::tuple<int, int, int, int, int, int>;
  const int blue = AddEngagedCorps(TSide::Union, 1);
  GameState.Corps[blue].Disorder = 2;
  AddEngagedCorps(TSide::Confederate, 1);
  for (const auto& [hits1, hits2, intensity, readiness, outcome, owner] :
       {R{1, 4, 2, 5, 2, 0}, R{0, 4, 2, 5, 1, 0}, R{1, 4, 1, 5, 1, 0}, R{3, 3, 2, 2, 3, 2}}) {
    BattleContext ctx;
    SetUpBattle(ctx);
    GameState.Corps[blue].Readiness = readiness;
    GameState.Hits1 = hits1;
    GameState.Hits2 = hits2;
    BattleStrength1 = BattleStrength2 = 100;
    ctx.BattleIntensity = intensity;
    DecideOutcome(ctx);
    EXPECT_EQ(GameState.BattleOutcome, outcome) << hits1 << " and " << hits2;
    EXPECT_EQ(MapRecord.Cell(kX, kY).Owner(), owner);
  }
}

// A commander grows on a draw below the fire, in trust below 25 in 50 and in
// initiative below 4 in 30 while the corps' initiative is 12 at most; the
// corps' and its army commander's initiative grow with his. A corps without a
// commander still grows in initiative, and so does its army commander.
TEST_F(LandCombatTest, ACorpsAndItsArmyCommanderGrowWithOrWithoutTheCorpsCommander) {
  using R = std::tuple<bool, int, int, int, int>;  // led, initiative, last draw, grown
  for (const auto& [led, initiative, lastDraw, grows, trust] :
       {R{true, 12, 3, 1, 1}, R{true, 13, 3, 0, 1}, R{true, 12, 4, 0, 1}, R{false, 12, 3, 1, 0},
        R{false, 13, 3, 0, 0}}) {
    SetUp();
    const int c = AddEngagedCorps(TSide::Union, 1, 0, 80, {.initiative = 5});
    const int commander = GameState.Corps[c].Leader;
    const int army = AddArmy(kX, kY, TSide::Union, TNation::Union);
    const int armyCommander = AddLeader({.rank = TLeaderClass::Army, .initiative = 5});
    GameState.Armies[army].Leader = static_cast<std::uint8_t>(armyCommander);
    GameState.Corps[c].Army = static_cast<std::uint8_t>(army);
    GameState.Corps[c].LeaderInitiative = static_cast<std::uint8_t>(initiative);
    if (!led) GameState.Corps[c].Leader = 0;
    Script({{600, 99}, {50, 24}, {30, lastDraw}});
    LeaderGrowth(c, 600, 100);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    const std::string row = std::string(led ? "led" : "leaderless") + " at " + std::to_string(initiative);
    EXPECT_EQ(GameState.Corps[c].LeaderInitiative, initiative + grows) << row;
    EXPECT_EQ(GameState.Leaders[armyCommander].Initiative, 5 + grows) << row;
    EXPECT_EQ(std::pair(int{GameState.Leaders[commander].Initiative}, int{GameState.Leaders[commander].Modifier}),
              std::pair(5 + (led ? grows : 0), trust))
        << row;
  }
}

// One Union brigade of 4 against one Confederate brigade of 4, both sides led
// by the computer at intensity 2, worked by hand draw by draw.
TEST_F(LandCombatTest, AHandWorkedBattle) {
  const int blue = AddEngagedCorps(TSide::Union, 1, 0, 4, {.initiative = 4});
  const int grey = AddEngagedCorps(TSide::Confederate, 1, 0, 4, {.initiative = 3});
  GameState.Nations[TNation::France].Attitude = 50;
  TotalTheSides();
  // The Union takes the initiative, at intensity 2 (4 div 2); no Union
  // battery opens an artillery phase; of 0 + 2 + 0 line exchanges the first
  // takes place, between the Confederate brigade and the Union brigade, which
  // fires first (100 + 20 x quality 1 = 120), its four attempts all hitting,
  // then the Confederates' four.
  std::deque<ScriptedDraw> draws = {{70, 10}, {2, 1}, {2, 0}, {200, 0}, {2, 1}, {2, 1}};
  for (int attempt = 0; attempt < 4; ++attempt) draws.insert(draws.end(), {{1500, 0}, {300, 0}});
  // The first of the five hits on the Confederates shakes them, their
  // commander neither gaining nor falling; the other four do not. Gone, they
  // fire one hit back; the Union keeps its weapons; no quality is gained; the
  // second duel finds no Confederate and the second exchange does not take
  // place; no leader grows; then the Union's and the Confederates' aftermath.
  draws.insert(draws.end(), {{100, 0}, {100, 50}, {1100, 1000}, {100, 99}, {100, 99}, {100, 99},
                             {100, 99}, {100, 99}, {100, 99}, {5, 0}, {1, 0}, {2, 1}, {2, 1},
                             {200, 199}, {600, 599}, {800, 799}, {100, 99}, {100, 99}, {100, 99}});
  ScriptRandomDraws(draws);
  FightFieldBattle();
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  EXPECT_EQ(GameState.Hits1, 1);
  EXPECT_EQ(GameState.Hits2, 5);
  // Losses of 25 % against 125 %: the Union wins.
  EXPECT_EQ(GameState.BattleOutcome, 2);
  EXPECT_EQ(GameState.MilitaryPoints[TNation::Union], 3);
  EXPECT_EQ(GameState.Nations[TNation::France].Attitude, 51);
  // 12 disorder from its hits costs the winner twice 12 readiness and 4 + 2
  // x 12 fatigue, and it keeps 1; the loser is left at the most, 15.
  const TCorps& winner = GameState.Corps[blue];
  EXPECT_EQ(std::tuple(winner.Strength, winner.Disorder, winner.Readiness, winner.Fatigue),
            std::tuple(3, 1, 0, 29));
  EXPECT_EQ(GameState.Corps[grey].Disorder, 15);
  EXPECT_EQ(GameState.Leaders[GameState.Corps[grey].Leader].Modifier, -18);
  EXPECT_EQ(battleViews.Results().at(0).rows[1][0].casualties, "250");
}

// Ten corps of five brigades and a battery a side, both fighting all out,
// twice from the same game, map and seed: the same bytes and battle file.
TEST_F(LandCombatTest, CasualtiesAreTheMenLostAndTheSameSeedFightsTheSameBattle) {
  GameState.PlayMode = TPlayMode::MailToSend;
  GameState.MailSide = GameState.Nations[TNation::Union].Human = 1;
  for (int w = 1; w <= 8; ++w) GameState.WeaponTypes[w].FireA = GameState.WeaponTypes[w].FireB = 5;
  for (int i = 0; i < 20; ++i)
    GameState.Corps[AddEngagedCorps(i % 2 + 1, 5, 1, 80, {.initiative = 10})].Stance = i % 3;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) GameState.Brigades[b].Weapon = b % 9;
  const auto men = [](int nation) {
    long sum = 0;
    for (int b = 1; b <= GameState.Brigades.Count; ++b)
      if (GameState.Brigades[b].Nation == nation) sum += GameState.Brigades[b].Strength;
    return sum;
  };
  const long before[] = {0, men(1), men(2)};
  static TGameState start, first;  // too big for the stack
  static TMapRecord startMap;
  start = GameState;
  startMap = MapRecord;
  const auto fightFromTheStart = [this] {
    GameState = start;
    MapRecord = startMap;
    BattleLog.clear();
    TotalTheSides();
    battleViews.ScriptIntensities({5});
    SetRandomSeed(1862);
    FightFieldBattle();
  };
  fightFromTheStart();
  for (int nation = 1; nation <= 2; ++nation) {
    EXPECT_GT(before[nation], men(nation));
    EXPECT_EQ(GameState.Casualties[nation], before[nation] - men(nation)) << "nation " << nation;
  }
  first = GameState;
  const std::vector<std::string> firstLog = BattleLog;
  fightFromTheStart();
  EXPECT_EQ(std::memcmp(&GameState, &first, sizeof first), 0);
  EXPECT_EQ(BattleLog, firstLog);
}

}  // namespace
