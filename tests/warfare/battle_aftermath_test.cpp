#include "warfare/battle_aftermath.h"

#include <gtest/gtest.h>

#include "tests/warfare/battle_fixture.h"

namespace {

class BattleAftermathTest : public BattleTest {
 protected:
  void SetUp() override {
    BattleTest::SetUp();
    corps = AddEngagedCorps(TSide::Union, 2, 0, 50);  // 100 strength: two hits are one point of disorder
    leader = GameState.Corps[corps].Leader;
  }

  // Settles the corps after taking the hits, with no draw lowering anything.
  void Settle(int hits, int outcome) {
    ctx.hits[corps] = hits;
    GameState.BattleOutcome = static_cast<std::uint16_t>(outcome);
    Script({{100, 99}, {100, 99}, {100, 99}});
    ApplyBattleAftermath(ctx, corps);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  }

  BattleContext ctx;
  int corps = 0;
  int leader = 0;
};

TEST_F(BattleAftermathTest, AWinnerKeepsLittleDisorderAndALoserLosesItsWorks) {
  struct Case {
    int hits;
    int outcome;
    int entrenchment;
    int disorder;
    int keptEntrenchment;
    int fatigue;
  };
  const Case cases[] = {
      {14, 2, 0, 0, 0, 4 + 14},   // disorder 7 after a victory
      {16, 2, 0, 1, 0, 4 + 16},   // 8
      {24, 2, 0, 1, 0, 4 + 24},   // 12
      {26, 2, 0, 3, 0, 4 + 26},   // 13
      {400, 2, 0, 3, 0, 4 + 30},  // at most 15
      {10, 3, 2, 3, 0, 3},        // a loss: the works lower disorder, then are lost
      {10, 1, 2, 3, 2, 3 + 3},    // undecided: the works stay, three more fatigue
      {10, 0, 2, 3, 0, 3},
      {0, 3, 2, 0, 0, 1},         // no disorder: one point of fatigue
      {2, 3, 4, 1, 0, 1},         // works deeper than the disorder leave 1
  };
  for (const Case& c : cases) {
    TCorps& formation = GameState.Corps[corps];
    formation.Entrenchment = static_cast<std::uint8_t>(c.entrenchment);
    formation.Fatigue = 0;
    formation.Readiness = 10;
    GameState.Leaders[leader].Modifier = 0;
    Settle(c.hits, c.outcome);
    SCOPED_TRACE(testing::Message() << c.hits << " hits, outcome " << c.outcome);
    EXPECT_EQ(formation.Disorder, c.disorder);
    EXPECT_EQ(formation.Entrenchment, c.keptEntrenchment);
    EXPECT_EQ(formation.Fatigue, c.fatigue);
    EXPECT_EQ(GameState.Leaders[leader].Modifier, -c.disorder);
    EXPECT_EQ(formation.BattleMark, 0);
  }
}

TEST_F(BattleAftermathTest, QualityIsCappedAtTenForEveryBrigadeBeforeTheDrawsOfTheCorps) {
  GameState.Brigades[1].Quality = 12;
  const int garrison = AddBrigade({.status = TBrigadeStatus::InGarrison, .quality = 11});
  ctx.hits[corps] = 0;
  Script({{100, 9}, {100, 10}, {100, 99}});
  ApplyBattleAftermath(ctx, corps);
  EXPECT_EQ(GameState.Brigades[1].Quality, 11);
  EXPECT_EQ(GameState.Brigades[2].Quality, 1);
  EXPECT_EQ(GameState.Brigades[garrison].Quality, 10);
  EXPECT_EQ(GameState.Corps[corps].Strength, 100);
  EXPECT_EQ(GameState.Corps[corps].OtherBrigades, 2);
}

TEST_F(BattleAftermathTest, OwnCitiesHomeGroundAndModifiersAtTheirFloor) {
  struct Case {
    int owner;
    int stateSide;
    int controlSide;
    int modifier;
    int disorder;
    int expectedModifier;
  };
  const Case cases[] = {
      {2, 2, 2, 0, 5 + 1, -6},  // unsettled on enemy-controlled ground
      {2, 1, 1, 0, 5 - 1, -4},  // steadied in its own state
      {1, 2, 2, 0, 5, -5},      // ground not held by the Confederacy
      {0, 2, 2, -19, 5, -24},
      {0, 2, 2, -20, 5, -20},
  };
  MapRecord.Cell(kX, kY).Bytes[2] = 7;
  for (const Case& c : cases) {
    MapRecord.Cell(kX, kY).SetOwner(c.owner);
    GameState.States[7].Side = static_cast<std::uint8_t>(c.stateSide);
    GameState.States[7].ControlSide = static_cast<std::uint8_t>(c.controlSide);
    GameState.Leaders[leader].Modifier = static_cast<std::int8_t>(c.modifier);
    GameState.Corps[corps].Entrenchment = 0;
    Settle(10, 3);
    SCOPED_TRACE(testing::Message() << "owner " << c.owner);
    EXPECT_EQ(GameState.Corps[corps].Disorder, c.disorder);
    EXPECT_EQ(GameState.Leaders[leader].Modifier, c.expectedModifier);
  }
  // An own city of works 6 takes two points off a loser, all of them off a winner.
  MapRecord.Cell(kX, kY).SetOwner(0);
  GameState.Cities[AddCity(kX, kY, TSide::Union)].Fortifications = 6;
  Settle(10, 3);
  EXPECT_EQ(GameState.Corps[corps].Disorder, 3);
  Settle(10, 2);
  EXPECT_EQ(GameState.Corps[corps].Disorder, 0);
}

}  // namespace
