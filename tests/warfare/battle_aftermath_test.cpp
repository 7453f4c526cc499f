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
  void Settle(int hits, int outcome, int entrenchment = 0, int modifier = 0) {
    TCorps& formation = GameState.Corps[corps];
    formation.Entrenchment = entrenchment;
    formation.Fatigue = 0;
    GameState.Leaders[leader].Modifier = modifier;
    ctx.hits[corps] = hits;
    GameState.BattleOutcome = outcome;
    Script({{100, 99}, {100, 99}, {100, 99}});
    ApplyBattleAftermath(ctx, corps);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  }

  BattleContext ctx;
  int corps = 0;
  int leader = 0;
};

// Disorder is hits x 50 over the men, at most 15, less the works (1 left);
// a winner keeps none below 8, 1 below 13, else 3, and tires 4 + twice it;
// a loser tires by it and loses its works, an undecided battle tires 3 more
// and keeps them. The commander is charged the disorder.
TEST_F(BattleAftermathTest, AWinnerKeepsLittleDisorderAndALoserLosesItsWorks) {
  struct Row {
    int hits, outcome, entrenchment, disorder, keptEntrenchment, fatigue;
  };
  for (const Row row : {Row{14, 2, 0, 0, 0, 4 + 14}, Row{16, 2, 0, 1, 0, 4 + 16},
                        Row{24, 2, 0, 1, 0, 4 + 24}, Row{26, 2, 0, 3, 0, 4 + 26},
                        Row{400, 2, 0, 3, 0, 4 + 30}, Row{10, 3, 2, 3, 0, 3},
                        Row{10, 1, 2, 3, 2, 3 + 3}, Row{0, 3, 2, 0, 0, 1}, Row{2, 3, 4, 1, 0, 1}}) {
    Settle(row.hits, row.outcome, row.entrenchment);
    const TCorps& formation = GameState.Corps[corps];
    SCOPED_TRACE(testing::Message() << row.hits << " hits, outcome " << row.outcome);
    EXPECT_EQ(formation.Disorder, row.disorder);
    EXPECT_EQ(formation.Entrenchment, row.keptEntrenchment);
    EXPECT_EQ(formation.Fatigue, row.fatigue);
    EXPECT_EQ(GameState.Leaders[leader].Modifier, -row.disorder);
  }
}

// Every brigade's quality is held at 10 before the corps' own may grow by one
// on a draw below 10.
TEST_F(BattleAftermathTest, QualityIsCappedAtTenForEveryBrigadeBeforeTheDrawsOfTheCorps) {
  GameState.Brigades[1].Quality = 12;
  const int garrison = AddBrigade({.status = TBrigadeStatus::InGarrison, .quality = 11});
  Script({{100, 9}, {100, 10}, {100, 99}});
  ApplyBattleAftermath(ctx, corps);
  EXPECT_EQ(GameState.Brigades[1].Quality, 11);
  EXPECT_EQ(GameState.Brigades[2].Quality, 1);
  EXPECT_EQ(GameState.Brigades[garrison].Quality, 10);
}

// On ground the Confederacy holds, a state steadies its own side's corps and
// unsettles a camp not controlling it; a commander's modifier is charged only
// above -20. An own city rallies a loser by a third of its works, a winner wholly.
TEST_F(BattleAftermathTest, OwnCitiesHomeGroundAndModifiersAtTheirFloor) {
  struct Row {
    int owner, stateSide, controlSide, modifier, disorder, modifierAfter;
  };
  MapRecord.Cell(kX, kY).Bytes[2] = 7;
  for (const Row row : {Row{2, 2, 2, 0, 5 + 1, -6}, Row{2, 1, 1, 0, 5 - 1, -4},
                        Row{1, 2, 2, 0, 5, -5}, Row{0, 2, 2, -19, 5, -24}, Row{0, 2, 2, -20, 5, -20}}) {
    MapRecord.Cell(kX, kY).SetOwner(row.owner);
    GameState.States[7].Side = row.stateSide;
    GameState.States[7].ControlSide = row.controlSide;
    Settle(10, 3, 0, row.modifier);
    EXPECT_EQ(GameState.Corps[corps].Disorder, row.disorder) << "owner " << row.owner;
    EXPECT_EQ(GameState.Leaders[leader].Modifier, row.modifierAfter) << "owner " << row.owner;
  }
  MapRecord.Cell(kX, kY).SetOwner(0);
  GameState.Cities[AddCity(kX, kY, TSide::Union)].Fortifications = 6;
  Settle(10, 3);
  EXPECT_EQ(GameState.Corps[corps].Disorder, 3);
  Settle(10, 2);
  EXPECT_EQ(GameState.Corps[corps].Disorder, 0);
}

}  // namespace
