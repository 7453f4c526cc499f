#include "warfare/land_combat.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "tests/warfare/battle_fixture.h"
#include "warfare/battle_setup.h"
#include "warfare/field_battle.h"
#include "world/play_modes.h"

namespace {

using LandCombatTest = BattleTest;

TEST(OutcomeFromLosses, TheHolderWinsEvenAndTheOtherCampNeedsHalfAsMuchAgain) {
  struct Case {
    int owner;
    int unionLoss;
    int confedLoss;
    int expected;
  };
  const Case cases[] = {
      {1, 10, 11, 2}, {1, 10, 10, 0}, {1, 15, 10, 0}, {1, 16, 10, 3},
      {2, 11, 10, 3}, {2, 10, 10, 0}, {2, 10, 15, 0}, {2, 10, 16, 2}, {0, 11, 10, 3},
  };
  for (const Case& c : cases)
    EXPECT_EQ(OutcomeFromLosses(c.owner, c.unionLoss, c.confedLoss), c.expected)
        << "owner " << c.owner << ", losses " << c.unionLoss << " and " << c.confedLoss;
}

TEST_F(LandCombatTest, TheInitiativeDrawAndTheOverrideOfThreeTimesTheBrigades) {
  struct Case {
    int b1, b2;
    int unionInitiative, confedInitiative;
    int unionIntensity, confedIntensity;
    ScriptedDraw draw;
    int side;
    int intensity;
  };
  const Case cases[] = {
      {10, 30, 4, 3, 2, 3, {70, 39}, 1, 2},
      {10, 30, 4, 3, 2, 3, {70, 40}, 2, 3},
      {10, 31, 4, 3, 2, 3, {100, 79}, 2, 3},
      {10, 31, 4, 3, 2, 3, {100, 80}, 1, 2},
      {31, 10, 4, 3, 2, 3, {100, 89}, 1, 2},
      {31, 10, 4, 3, 2, 3, {100, 90}, 2, 3},
      {10, 10, 4, 3, 1, 3, {50, 39}, 1, 1},  // a skirmisher lowers the range once
      {10, 10, 4, 3, 1, 1, {50, 40}, 2, 1},
      {10, 10, 1, 0, 1, 4, {0, 0}, 1, 1},    // the range floored at 0
      {10, 10, 0, 0, 1, 4, {0, 0}, 2, 4},
      {10, 10, 4, 3, 7, 3, {70, 0}, 1, 5},   // no intensity above 5
  };
  const int unionLeader = AddLeader({.side = TSide::Union});
  const int confedLeader = AddLeader({.side = TSide::Confederate});
  for (const Case& c : cases) {
    GameState.Leaders[unionLeader].Initiative = static_cast<std::uint8_t>(c.unionInitiative);
    GameState.Leaders[confedLeader].Initiative = static_cast<std::uint8_t>(c.confedInitiative);
    BattleCorps1 = static_cast<std::uint16_t>(c.b1);
    BattleCorps2 = static_cast<std::uint16_t>(c.b2);
    BattleContext ctx;
    ctx.UnionCommander = static_cast<std::uint16_t>(unionLeader);
    ctx.ConfedCommander = static_cast<std::uint16_t>(confedLeader);
    ctx.UnionIntensity = static_cast<std::uint16_t>(c.unionIntensity);
    ctx.ConfedIntensity = static_cast<std::uint16_t>(c.confedIntensity);
    Script({c.draw});
    DecideInitiative(ctx);
    SCOPED_TRACE(testing::Message() << c.b1 << " against " << c.b2 << ", draw " << c.draw.value);
    EXPECT_EQ(InitiativeSide, c.side);
    EXPECT_EQ(ctx.BattleIntensity, c.intensity);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  }
}

TEST_F(LandCombatTest, FactorsBecomeMeansAndNoneIsZero) {
  BattleCorps1 = 4;
  BattleCorps2 = 0;
  BattleFactors[TBattleFactor::Fatigue][1] = 41;
  BattleFactors[TBattleFactor::Leadership][1] = 4 * 13;
  BattleFactors[TBattleFactor::Leadership][2] = 12;
  BattleFactors[TBattleFactor::Stance][1] = 5;
  BattleFactors[TBattleFactor::CorpsCount][1] = 2;
  BattleContext ctx;
  ctx.BattleIntensity = 4;
  FinishBattleFactors(ctx);
  EXPECT_EQ(BattleFactors[TBattleFactor::Fatigue][1], 10);
  EXPECT_EQ(BattleFactors[TBattleFactor::Leadership][1], 12);
  EXPECT_EQ(BattleFactors[TBattleFactor::Leadership][2], 12);
  EXPECT_EQ(BattleFactors[TBattleFactor::Stance][1], 2);
  EXPECT_EQ(BattleFactors[TBattleFactor::Stance][2], 1);
  EXPECT_EQ(BattleFactors[TBattleFactor::TotalTroops][2], 1);
  EXPECT_EQ(BattleFactors[TBattleFactor::Intensity][2], 4);
  EXPECT_EQ(BattleCorps2, 1);
}

TEST_F(LandCombatTest, SmallBattlesAndSkirmishesDecideNothingAndBrokenReadinessYieldsTheField) {
  struct Case {
    int hits1, hits2;
    int intensity;
    int unionReadiness;
    int expected;
    int owner;
  };
  const Case cases[] = {
      {1, 4, 2, 5, 2, 0},  // five hits decide
      {0, 4, 2, 5, 1, 0},  // four do not
      {1, 4, 1, 5, 1, 0},  // nor does a skirmish
      {0, 0, 1, 5, 1, 0},
      {0, 0, 2, 5, 0, 0},
      {3, 3, 2, 2, 3, 2},  // no readiness left less disorder: the hex changes hands
  };
  const int unionCorps = AddEngagedCorps(TSide::Union, 1);
  const int confedCorps = AddEngagedCorps(TSide::Confederate, 1);
  GameState.Corps[unionCorps].Disorder = 2;
  for (const Case& c : cases) {
    BattleContext ctx;
    SetUpBattle(ctx);
    MapRecord.Cell(kX, kY).Bytes[1] = 5;
    GameState.Corps[unionCorps].Readiness = static_cast<std::uint8_t>(c.unionReadiness);
    GameState.Corps[confedCorps].Readiness = 5;
    GameState.Hits1 = static_cast<std::uint16_t>(c.hits1);
    GameState.Hits2 = static_cast<std::uint16_t>(c.hits2);
    BattleStrength1 = BattleStrength2 = 100;
    ctx.BattleIntensity = static_cast<std::uint16_t>(c.intensity);
    DecideOutcome(ctx);
    SCOPED_TRACE(testing::Message() << "hits " << c.hits1 << " and " << c.hits2);
    EXPECT_EQ(GameState.BattleOutcome, c.expected);
    EXPECT_EQ(MapRecord.Cell(kX, kY).Owner(), c.owner);
    EXPECT_EQ(MapRecord.Cell(kX, kY).Bytes[1] & 63, 5);
  }
}

// One Union brigade of 4 against one Confederate brigade of 4, both sides led
// by the computer at intensity 2, worked by hand draw by draw.
TEST_F(LandCombatTest, AHandWorkedBattle) {
  const int blue = AddEngagedCorps(TSide::Union, 1, 0, 4, {.initiative = 4});
  const int grey = AddEngagedCorps(TSide::Confederate, 1, 0, 4, {.initiative = 3});
  GameState.Nations[TNation::France].Attitude = 50;
  GameState.Nations[TNation::Britain].Attitude = 100;
  TotalTheSides();
  std::deque<ScriptedDraw> draws = {
      {70, 10},  // the Union takes the initiative: intensity 2 (4 div 2)
      {2, 1},    // no Union battery to open the artillery phase
      {2, 0},    // 0 + 2 + 0 line exchanges
      {200, 0},  // the first takes place
      {2, 1},    // the Confederate brigade
      {2, 1},    // the Union brigade fires first: 100 + 20 x quality 1 = 120
  };
  for (int attempt = 0; attempt < 4; ++attempt) {
    draws.push_back({1500, 0});
    draws.push_back({300, 0});
  }
  const std::deque<ScriptedDraw> rest = {
      {100, 0},      // the first of five hits shakes the Confederates
      {100, 50},     // their commander gains nothing
      {1100, 1000},  // and does not fall
      {100, 99}, {100, 99}, {100, 99}, {100, 99},
      {100, 99},     // the Confederates, gone, fire one hit back
      {100, 99},     // the Union keeps its weapons
      {5, 0},   {1, 0},  // no quality gained
      {2, 1},   {2, 1},    // the second duel finds no Confederate
      {200, 199},          // the second exchange does not take place
      {600, 599}, {800, 799},  // no leader grows
      {100, 99}, {100, 99},    // the Union's aftermath
      {100, 99},               // the Confederates'
  };
  draws.insert(draws.end(), rest.begin(), rest.end());
  ScriptRandomDraws(draws);
  FightFieldBattle();
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);

  EXPECT_EQ(InitiativeSide, TSide::Union);
  EXPECT_EQ(GameState.Hits1, 1);
  EXPECT_EQ(GameState.Hits2, 5);
  // Losses of 25 % against 125 %: the Union wins.
  EXPECT_EQ(GameState.BattleOutcome, 2);
  EXPECT_EQ(GameState.Casualties[TNation::Union], 1);
  EXPECT_EQ(GameState.Casualties[TNation::Confederacy], 4);
  EXPECT_EQ(GameState.MilitaryPoints[TNation::Union], 3);
  EXPECT_EQ(GameState.MilitaryPoints[TNation::Confederacy], 0);
  EXPECT_EQ(GameState.Nations[TNation::Union].WarScore, 1);
  EXPECT_EQ(GameState.Nations[TNation::France].Attitude, 51);
  EXPECT_EQ(GameState.Nations[TNation::Britain].Attitude, 100);

  const TCorps& winner = GameState.Corps[blue];
  EXPECT_EQ(winner.ContactStep, 1);
  EXPECT_EQ(winner.Strength, 3);
  EXPECT_EQ(winner.Disorder, 1);   // 12 from its hits, kept as 1 by a winner
  EXPECT_EQ(winner.Readiness, 0);  // 10 less twice 12
  EXPECT_EQ(winner.Fatigue, 29);   // 1 for the fight, 4 + 2 x 12 for the victory
  EXPECT_EQ(GameState.Leaders[winner.Leader].Modifier, 1);
  const TCorps& loser = GameState.Corps[grey];
  EXPECT_EQ(loser.ContactStep, 5);
  EXPECT_EQ(loser.Strength, 0);
  EXPECT_EQ(loser.Disorder, 15);
  EXPECT_EQ(loser.Fatigue, 15);
  EXPECT_EQ(GameState.Leaders[loser.Leader].Modifier, -18);

  ASSERT_EQ(battleViews.Results().size(), 1u);
  const BattleResults& results = battleViews.Results()[0];
  EXPECT_EQ(results.initiative, "Union text 666");
  EXPECT_EQ(results.intensity, "text 670");
  EXPECT_EQ(results.result, "text 64");
  EXPECT_EQ(results.losses[1], "text 404 250");
  EXPECT_EQ(results.rows[0][0].brigades, "1/1");
  EXPECT_EQ(results.rows[1][0].brigades, "0/0");
  EXPECT_EQ(results.rows[1][0].casualties, "250");
  EXPECT_EQ(results.rows[1][0].disorder, "text 677");
}

// Ten corps of five brigades and a battery a side, both fighting all out.
class BigBattleTest : public BattleTest {
 protected:
  void SetUp() override {
    BattleTest::SetUp();
    PlayByMailAsTheUnion();
    for (int w = 1; w <= 8; ++w) GameState.WeaponTypes[w].FireA = GameState.WeaponTypes[w].FireB = 5;
    for (int i = 0; i < 20; ++i) {
      const int c = AddEngagedCorps(i % 2 + 1, 5, 1, 80, {.initiative = 10, .combat = 40});
      GameState.Corps[c].Stance = static_cast<std::uint8_t>(i % 3);
    }
    for (int b = 1; b <= GameState.Brigades.Count; ++b) GameState.Brigades[b].Weapon = static_cast<std::uint8_t>(b % 9);
    for (int i = 0; i < 8; ++i) AddLeader({.side = i % 2 + 1, .rank = i % 5 + 1});
    TotalTheSides();
  }

  static std::vector<unsigned char> Bytes() {
    std::vector<unsigned char> bytes(sizeof(TGameState) + sizeof(TMapRecord));
    std::memcpy(bytes.data(), &GameState, sizeof(TGameState));
    std::memcpy(bytes.data() + sizeof(TGameState), &MapRecord, sizeof(TMapRecord));
    return bytes;
  }

  static void Restore(const std::vector<unsigned char>& bytes) {
    std::memcpy(&GameState, bytes.data(), sizeof(TGameState));
    std::memcpy(&MapRecord, bytes.data() + sizeof(TGameState), sizeof(TMapRecord));
  }

  static std::array<long, 3> Manpower() {
    std::array<long, 3> men{};
    for (int b = 1; b <= GameState.Brigades.Count; ++b) {
      const TBrigade& brigade = GameState.Brigades[b];
      if (brigade.Nation == 1 || brigade.Nation == 2) men[brigade.Nation] += brigade.Strength;
    }
    return men;
  }
};

TEST_F(BigBattleTest, CasualtiesAreTheMenLostAndTheSameSeedFightsTheSameBattle) {
  const std::vector<unsigned char> start = Bytes();
  const std::array<long, 3> before = Manpower();
  battleViews.ScriptIntensities({5, 5});
  SetRandomSeed(1862);
  FightFieldBattle();
  const std::array<long, 3> after = Manpower();
  for (int nation = 1; nation <= 2; ++nation) {
    EXPECT_GT(before[nation], after[nation]);
    EXPECT_EQ(GameState.Casualties[nation], before[nation] - after[nation]) << "nation " << nation;
  }
  ASSERT_EQ(battleViews.IntensityViews().size(), 1u);
  EXPECT_EQ(battleViews.IntensityViews()[0].side, TSide::Union);
  EXPECT_EQ(GameState.BattleCount, 1);
  const std::vector<unsigned char> first = Bytes();
  const std::vector<std::string> firstLog = BattleLog;

  Restore(start);
  BattleLog.clear();
  TotalTheSides();
  SetRandomSeed(1862);
  FightFieldBattle();
  EXPECT_TRUE(Bytes() == first);
  EXPECT_EQ(BattleLog, firstLog);
  EXPECT_EQ(BattleLog.back(), "EndOfBattle");
}

}  // namespace
