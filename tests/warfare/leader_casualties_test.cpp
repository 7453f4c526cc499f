#include "warfare/leader_casualties.h"

#include <gtest/gtest.h>

#include "tests/warfare/battle_fixture.h"
#include "world/play_modes.h"

namespace {

class LeaderCasualtiesTest : public BattleTest {
 protected:
  void SetUp() override {
    BattleTest::SetUp();
    corps = AddEngagedCorps(TSide::Union, 2);
    fallen = GameState.Corps[corps].Leader;
    ctx.BattleIntensity = 5;
  }

  // The casualty draws of a corps leader at intensity 5 and the threshold:
  // the leader falls and is wounded for 3 turns.
  static std::deque<ScriptedDraw> Falls(int threshold = 70) {
    return {{100, 99}, {500, threshold - 1}, {1000, threshold - 1}, {25, 2}};
  }

  BattleContext ctx;
  int corps = 0;
  int fallen = 0;
};

// Beyond a skirmish the leader gains a point on a draw below 20, then falls
// when two draws come below the threshold; a wound of 25 kills.
TEST_F(LeaderCasualtiesTest, TheDrawsStopAtTheFirstMissAndNoneAreMadeInASkirmish) {
  struct Row {
    int intensity;
    std::deque<ScriptedDraw> draws;
    int status, modifier;
  };
  const Row rows[] = {
      {1, {}, TLeaderStatus::InCommand, 0},
      {5, {{100, 19}, {500, 70}}, TLeaderStatus::InCommand, 1},
      {5, {{100, 20}, {500, 69}, {1000, 70}}, TLeaderStatus::InCommand, 0},
      {2, {{100, 20}, {1100, 69}, {1300, 69}, {25, 24}}, 255, 0},
  };
  for (const Row& row : rows) {
    GameState.Leaders[fallen].Status = TLeaderStatus::InCommand;
    GameState.Leaders[fallen].Modifier = 0;
    ctx.BattleIntensity = row.intensity;
    ScriptRandomDraws(row.draws);
    CheckCorpsLeaderCasualty(ctx, corps);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(GameState.Leaders[fallen].Status, row.status) << "intensity " << row.intensity;
    EXPECT_EQ(GameState.Leaders[fallen].Modifier, row.modifier);
  }
}

// The threshold starts at 70 and each fall lowers it by 10, down to 10. A
// human side with no free leader keeps the fallen in command.
TEST_F(LeaderCasualtiesTest, EachFallLowersTheThresholdByTenDownToTen) {
  GameState.Nations[TNation::Union].Human = 1;
  for (int threshold : {70, 60, 50, 40, 30, 20, 10, 10}) {
    EXPECT_EQ(ctx.CasualtyThreshold, threshold);
    ScriptRandomDraws(Falls(threshold));
    CheckCorpsLeaderCasualty(ctx, corps);
    EXPECT_EQ(GameState.Corps[corps].Leader, fallen);
  }
  EXPECT_EQ(GameState.Leaders[fallen].Status, 203);
  EXPECT_TRUE(window.Notices().empty());
}

// In one-machine play a human chooses the successor (asked again when he
// closes without one); in play by mail the rules appoint.
TEST_F(LeaderCasualtiesTest, AHumanChoosesTheSuccessorAndTheComputerHasOneAppointed) {
  GameState.Nations[TNation::Union].Human = 1;
  const int second = AddLeader({.side = TSide::Union, .rank = 1, .initiative = 7});
  const int third = AddLeader({.side = TSide::Union});
  battleViews.ScriptLeaderLines({0, 1});
  ScriptRandomDraws(Falls());
  CheckCorpsLeaderCasualty(ctx, corps);
  EXPECT_EQ(GameState.Corps[corps].Leader, second);
  EXPECT_EQ(GameState.Corps[corps].LeaderInitiative, 5);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines[1], "text 55");

  GameState.PlayMode = TPlayMode::MailToSend;
  std::deque<ScriptedDraw> draws = Falls(60);
  draws.push_back({50, 0});  // the one available leader's score
  ScriptRandomDraws(draws);
  CheckCorpsLeaderCasualty(ctx, corps);
  EXPECT_EQ(GameState.Corps[corps].Leader, third);
  EXPECT_EQ(battleViews.LeaderViews().size(), 2u);
}

// A fallen army commander is replaced by a corps leader or better, promoted;
// with only a divisional leader free the army is dissolved.
TEST_F(LeaderCasualtiesTest, AnArmyIsDissolvedOnlyWhenItsSideHasNoOneToLeadIt) {
  const int army = AddArmy(kX, kY, TSide::Union, TNation::Union);
  const int commander = AddLeader({.side = TSide::Union, .rank = 5, .status = TLeaderStatus::InCommand});
  GameState.Armies[army].Leader = commander;
  GameState.Corps[corps].Army = army;
  GameState.Nations[TNation::Union].Human = 1;
  AddLeader({.side = TSide::Union, .rank = 1});
  const std::deque<ScriptedDraw> falls = {{250, 69}, {250, 69}, {1500, 99}, {25, 0}};
  ScriptRandomDraws(falls);
  CheckArmyLeaderCasualty(ctx, army);
  EXPECT_EQ(GameState.Armies[army].Nation, 0);
  EXPECT_EQ(GameState.Corps[corps].Army, 0);

  const int second = AddArmy(kX, kY, TSide::Union, TNation::Union);
  GameState.Armies[second].Leader = commander;
  GameState.Leaders[commander].Status = TLeaderStatus::InCommand;
  const int corpsLeader = AddLeader({.side = TSide::Union, .rank = 3, .initiative = 10});
  ScriptRandomDraws({{250, 69}, {250, 69}, {1500, 100}});  // a miss on the last draw spares him
  CheckArmyLeaderCasualty(ctx, second);
  EXPECT_EQ(GameState.Leaders[commander].Status, TLeaderStatus::InCommand);
  ScriptRandomDraws(falls);
  CheckArmyLeaderCasualty(ctx, second);
  EXPECT_EQ(GameState.Armies[second].Leader, corpsLeader);
  EXPECT_EQ(GameState.Leaders[corpsLeader].Initiative, 8);
}

}  // namespace
