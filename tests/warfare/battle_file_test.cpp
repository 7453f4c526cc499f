#include "warfare/battle_file.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/warfare/battle_fixture.h"
#include "warfare/battle_results.h"
#include "warfare/battle_setup.h"
#include "world/play_modes.h"

namespace {

using BattleFileTest = BattleTest;

const ResultsRow kRow = {"Gen", "3/2", "150", "steady"};

BattleResults SomeResults(int unionRows, int confedRows) {
  return {.initiative = "Union took it", .intensity = "High", .commanders = {"Grant", "Lee"},
          .losses = {"Lost 100", "Lost 200"},
          .rows = {std::vector(unionRows, kRow), std::vector(confedRows, kRow)}, .result = "Won",
          .weapons = " ", .analysis = {}};
}

// The opening, then each side's rows as four lines each, an empty row as the
// side's terminator.
TEST_F(BattleFileTest, ABlockOfThreeUnionAndTwoConfederateRows) {
  GameState.PlayMode = TPlayMode::MailToSend;
  WriteBattleOpening({"at Shiloh", "woods", "rain", "Grant", "Lee"});
  RecordBattleResult(SomeResults(3, 2));
  std::vector<std::string> expected = {"Battle", "at Shiloh", "Union Forces", "Grant",
                                       "Confederate Forces", "Lee", "woods", "rain", "Result",
                                       "Union took it", "High", "text 505", "Grant", "Lost 100"};
  const auto rows = [&expected](int count) {
    for (int i = 0; i < count; ++i) expected.insert(expected.end(), {"Gen", "3/2", "150", "steady"});
  };
  rows(3);
  expected.insert(expected.end(), 7, "EndOfUnion");
  expected.insert(expected.end(), {"text 506", "Lee", "Lost 200"});
  rows(2);
  expected.insert(expected.end(), 8, "EndOfConfed");
  expected.insert(expected.end(), {"Won", " ", "EndOfBattle"});
  EXPECT_EQ(BattleLog, expected);
  EXPECT_EQ(GameState.BattleCount, 1);
}

// A full side of ten rows ends with one terminator; a leaderless row is
// written "-" and a caption never breaks a line.
TEST_F(BattleFileTest, AFullSideEndsWithOneTerminatorAndAnEmptyNameIsNoTerminator) {
  GameState.PlayMode = TPlayMode::MailReceived;
  BattleResults results = SomeResults(10, 1);
  results.rows[1][0].leader = "";
  results.rows[0][9].casualties = "15\r\n0";
  RecordBattleResult(results);
  // Result, 2 lines, header, 2 lines, 40 row lines and one terminator.
  ASSERT_EQ(BattleLog.size(), 6u + 40u + 1u + 3u + 4u + 9u + 3u);
  EXPECT_EQ(BattleLog[6 + 40 - 2], "150");
  EXPECT_EQ(BattleLog[6 + 40], "EndOfUnion");
  EXPECT_EQ(BattleLog[6 + 41], "text 506");
  EXPECT_EQ(BattleLog[6 + 44], "-");
}

TEST_F(BattleFileTest, NothingIsWrittenOutsideATurnToSendOrReceive) {
  for (int mode : {TPlayMode::OneMachine, 1, TPlayMode::MailSetUp}) {
    GameState.PlayMode = mode;
    WriteBattleOpening({});
    RecordBattleResult(SomeResults(1, 1));
    EXPECT_TRUE(BattleLog.empty()) << "mode " << mode;
  }
}

// A corps' row tells its disorder in words: none (674), slight at 1 (675),
// up to 6 (676), above (677).
TEST_F(BattleFileTest, TheResultsTellEachCorpsDisorderInWords) {
  const int c = AddEngagedCorps(TSide::Union, 1);
  BattleContext ctx;
  SetUpBattle(ctx);
  for (const auto& [disorder, text] : {std::pair{0, 674}, {1, 675}, {2, 676}, {6, 676}, {7, 677}}) {
    GameState.Corps[c].Disorder = disorder;
    EXPECT_EQ(CollectBattleResults(ctx).rows[0].at(0).disorder, "text " + std::to_string(text)) << disorder;
  }
}

// A Confederate victory takes the Union's lost weapons and lowers foreign
// attitudes above the Union's rows plus one (4) by as much; a military point
// per 20 hits inflicted.
TEST_F(BattleFileTest, AConfederateVictoryCapturesTheUnionsLostWeaponsAndCoolsTheForeignPowers) {
  for (int i = 0; i < 3; ++i) AddEngagedCorps(TSide::Union, 4);
  AddEngagedCorps(TSide::Confederate, 2);
  BattleContext ctx;
  SetUpBattle(ctx);
  GameState.BattleOutcome = 3;
  GameState.Hits1 = 39;
  GameState.Hits2 = 40;
  WeaponLossCounters[2] = 3;
  WeaponLossCounters[7] = 5;
  GameState.Nations[TNation::France].Attitude = 5;
  GameState.Nations[TNation::Britain].Attitude = 4;
  ShowBattleResults(ctx);
  EXPECT_EQ(battleViews.Results().at(0).weapons, "text 668160 weapons.");
  EXPECT_EQ(GameState.Nations[TNation::Confederacy].WeaponStock[7], 5);
  EXPECT_EQ(GameState.Nations[TNation::France].Attitude, 1);
  EXPECT_EQ(GameState.Nations[TNation::Britain].Attitude, 4);
  EXPECT_EQ(GameState.MilitaryPoints[TNation::Union], 2);
  EXPECT_EQ(GameState.MilitaryPoints[TNation::Confederacy], 1);
}

}  // namespace
