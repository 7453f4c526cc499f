#include "warfare/land_combat.h"

#include <gtest/gtest.h>

#include <cstring>
#include <deque>
#include <functional>
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
       {R{1, 4, 2, 5, 2, 0}, R{0, 4, 2, 5, 1, 0}, R{1, 4, 1, 5, 1, 0}, R{3, 3, 2, 2, 3, 2},
        R{3, 3, 2, 3, 0, 2}}) {
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

// A corps seeks the enemy corps of the highest (2 x stance + 50 when no one
// presses it yet + 10 x (5 - kind)) x (1 + works), the lower index of equals.
// Corps 2 is fresh (100); corps 3 is pressed and dug in: (50 + 2 x stance) x 2.
TEST_F(LandCombatTest, ACorpsSeeksTheFreshestOpenAndSmallestEnemy) {
  for (const auto& [stance, chosen] : {std::pair{0, 2}, {1, 3}}) {
    SetUp();
    AddEngagedCorps(TSide::Union, 1);
    AddEngagedCorps(TSide::Confederate, 1);
    TCorps& pressed = GameState.Corps[AddEngagedCorps(TSide::Confederate, 1)];
    BattleContext ctx;
    SetUpBattle(ctx);
    pressed.EnemyPressure = 9;
    pressed.Entrenchment = 1;
    pressed.Stance = stance;
    ctx.UnionIntensity = ctx.ConfedIntensity = 1;
    Script({{80, 0}});
    EXPECT_THROW(FightBattle(ctx), RandomScriptError);
    EXPECT_EQ(GameState.Corps[chosen].EnemyPressure, 1) << "stance " << stance;
  }
}

// The fire values of a pairing, seen through the first brigade duel: the
// Union corps 1 (A, one brigade of 1) seeks out the Confederate corps 2 (B,
// one brigade of 2), both unarmed, of quality 0, at intensity 1, so a shot
// hits on a Random(2000) below the side's fire. Each fire starts at 50; the
// side whose enemy is more tired gains 5 a point (at most 10 points), the
// readier 10 a point (at most 6), the bolder commander 50 a point of
// initiative; B adds 20 a level of works and 10 x the ground's factor (3 for
// classes 2 and 5, 2 for 4, 6, 7); A's own city guns add 5 each; each adds
// 10 a round (commander's aggression div 20 + stance) and 30 when stocked
// (supply 2) or loses 30 when unsupplied (supply 0).
class PairingFireTest : public LandCombatTest {
 protected:
  struct Row {
    const char* what;
    std::function<void(TCorps& a, TCorps& b)> set;
    int fireA;
    int fireB;
  };

  using Setting = std::function<void(TCorps& a, TCorps& b)>;

  // Fights until the script runs out: the Union takes the initiative, no
  // battery opens, and one line exchange takes place, B's brigade against
  // A's, A's fire drawn first.
  static void Fight(const Setting& set, std::deque<ScriptedDraw> draws) {
    const int a = AddEngagedCorps(TSide::Union, 1, 0, 1);
    const int b = AddEngagedCorps(TSide::Confederate, 1, 0, 2);
    GameState.Brigades[1].Quality = GameState.Brigades[2].Quality = 0;
    set(GameState.Corps[a], GameState.Corps[b]);
    BattleContext ctx;
    SetUpBattle(ctx);
    ctx.UnionIntensity = ctx.ConfedIntensity = 1;
    draws.insert(draws.begin(), {{80, 0}, {2, 1}, {1, 0}, {200, 0}, {2, 1}, {2, 1}});
    ScriptRandomDraws(draws);
    EXPECT_THROW(FightBattle(ctx), RandomScriptError);
  }

  // Whether the side's first shot, drawn at the value, hits: the hit's second
  // draw is taken only then, and the fight is stopped at the next draw.
  bool Hits(const Row& row, bool sideB, int draw) {
    SetUp();
    std::deque<ScriptedDraw> draws;
    if (sideB) draws = {{2000, 1999}, {100, 99}};
    draws.insert(draws.end(), {{2000, draw}, {300, 0}});
    Fight(row.set, draws);
    return ScriptedDrawsLeft() == 0;
  }
};

TEST_F(PairingFireTest, EachFactorWeighsOnTheFireOfTheSideItFavours) {
  const auto stance = [](int s) { return [s](TCorps& a, TCorps&) { a.Stance = s; }; };
  const Row rows[] = {
      {"even", [](TCorps&, TCorps&) {}, 50, 50},
      {"B more tired", [](TCorps&, TCorps& b) { b.Fatigue = 3; }, 65, 50},
      {"B much more tired", [](TCorps&, TCorps& b) { b.Fatigue = 11; }, 100, 50},
      {"A more tired", [](TCorps& a, TCorps&) { a.Fatigue = 3; }, 50, 65},
      {"A readier", [](TCorps& a, TCorps& b) { a.Readiness = 10, b.Readiness = 5; }, 100, 50},
      {"A much readier", [](TCorps& a, TCorps& b) { a.Readiness = 10, b.Readiness = 3; }, 110, 50},
      {"B readier", [](TCorps& a, TCorps&) { a.Readiness = 8; }, 50, 70},
      {"A bolder", [](TCorps& a, TCorps&) { a.LeaderInitiative = 6; }, 100, 50},
      {"B dug in", [](TCorps&, TCorps& b) { b.Entrenchment = 2; }, 50, 90},
      {"rough ground", [](TCorps&, TCorps&) { MapRecord.Cell(kX, kY).SetTerrain(5); }, 50, 80},
      {"broken ground", [](TCorps&, TCorps&) { MapRecord.Cell(kX, kY).SetTerrain(7); }, 50, 70},
      {"A's guns", [](TCorps&, TCorps&) { GameState.Cities[AddCity(kX, kY, TSide::Union)].CoastalGuns = 2; }, 60, 70},
      {"A unsupplied", [](TCorps& a, TCorps&) { a.SupplyPriority = 0; }, 20, 50},
      {"B stocked", [](TCorps&, TCorps& b) { b.SupplyPriority = 2; }, 50, 80},
      {"A advances", stance(2), 70, 70},
      {"A bold", [](TCorps& a, TCorps&) { GameState.Leaders[a.Leader].Aggression = 40; }, 70, 70},
      {"A nearly bold", [](TCorps& a, TCorps&) { GameState.Leaders[a.Leader].Aggression = 39; }, 60, 60},
  };
  for (const Row& row : rows) {
    EXPECT_TRUE(Hits(row, false, row.fireA - 1)) << row.what;
    EXPECT_FALSE(Hits(row, false, row.fireA)) << row.what;
    EXPECT_TRUE(Hits(row, true, row.fireB - 1)) << row.what;
    EXPECT_FALSE(Hits(row, true, row.fireB)) << row.what;
  }
}

// After the pairing, A's commander (fire 50) grows on a draw below the fire
// in 600: in trust (modifier) below 25 in 50, in initiative below 4 in 30.
// Both shots miss; B's commander's draw of 800 follows, and the skirmish,
// deciding nothing, costs A's commander 3 and his army commander 1 before the
// script runs out.
TEST_F(PairingFireTest, ACommanderGrowsBelowHisSidesFireIn600) {
  using R = std::tuple<std::deque<ScriptedDraw>, int, int>;
  const std::deque<ScriptedDraw> duel = {{2000, 1999}, {100, 99}, {2000, 1999}, {100, 99}, {100, 99},
                                         {1, 0}, {1, 0}, {2, 1}, {2, 1}};
  for (const auto& [growth, modifier, initiative] :
       {R{{{600, 50}}, 0, 5}, R{{{600, 49}, {50, 24}, {30, 3}}, 1, 6}, R{{{600, 49}, {50, 25}, {30, 4}}, 0, 5},
        R{{{600, 49}, {50, 24}, {30, 4}}, 1, 5}}) {
    SetUp();
    std::deque<ScriptedDraw> draws = duel;
    draws.insert(draws.end(), growth.begin(), growth.end());
    draws.push_back({800, 799});
    Fight(
        [](TCorps& a, TCorps&) {
          a.Army = static_cast<std::uint8_t>(AddArmy(30, 30, TSide::Union, TNation::Union));
          GameState.Armies[a.Army].Leader = static_cast<std::uint8_t>(AddLeader({}));
        },
        draws);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(GameState.Leaders[GameState.Armies[1].Leader].Modifier, -1);
    const TLeader& leader = GameState.Leaders[GameState.Corps[1].Leader];
    EXPECT_EQ(std::tuple(leader.Modifier, leader.Initiative, GameState.Corps[1].LeaderInitiative),
              std::tuple(modifier - 3, initiative, initiative)) << growth.front().value;
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

// One Union brigade of 4, its corps in an army whose commander leads the
// Union, against one Confederate brigade of 4, both sides led by the computer
// at intensity 2, worked by hand draw by draw.
TEST_F(LandCombatTest, AHandWorkedBattle) {
  const int blue = AddEngagedCorps(TSide::Union, 1, 0, 4, {.initiative = 4});
  const int grey = AddEngagedCorps(TSide::Confederate, 1, 0, 4, {.initiative = 3});
  GameState.Nations[TNation::France].Attitude = 50;
  const int general = AddLeader({.rank = TLeaderClass::Army, .initiative = 4});
  GameState.Corps[blue].Army =
      static_cast<std::uint8_t>(AddArmy(30, 30, TSide::Union, TNation::Union));
  GameState.Armies[GameState.Corps[blue].Army].Leader = static_cast<std::uint8_t>(general);
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
  // fire one hit back; the Union keeps its weapons, and its army commander
  // stands (999 in 1000); no quality is gained; the second duel finds no
  // Confederate and the second exchange does not take place; no leader grows;
  // then the Union's and the Confederates' aftermath.
  draws.insert(draws.end(),
               {{100, 0},   {100, 50},  {1100, 1000}, {100, 99}, {100, 99}, {100, 99}, {100, 99},
                {100, 99},  {100, 99},  {1000, 999},  {5, 0},    {1, 0},    {2, 1},    {2, 1},
                {200, 199}, {600, 599}, {800, 799},   {100, 99}, {100, 99}, {100, 99}});
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
  // The winner's army commander gains 1 and is charged nothing for 1 disorder.
  EXPECT_EQ(GameState.Leaders[general].Modifier, 1);
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
