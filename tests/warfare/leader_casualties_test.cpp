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

  // The casualty draws of a corps leader at intensity 5 and threshold 70: the
  // leader falls and is wounded for 3 turns.
  static std::deque<ScriptedDraw> Falls(int threshold = 70) {
    return {{100, 99}, {500, threshold - 1}, {1000, threshold - 1}, {25, 2}};
  }

  BattleContext ctx;
  int corps = 0;
  int fallen = 0;
};

TEST_F(LeaderCasualtiesTest, TheDrawsStopAtTheFirstMissAndNoneAreMadeInASkirmish) {
  struct Case {
    int intensity;
    std::deque<ScriptedDraw> draws;
    int status;
    int modifier;
  };
  const Case cases[] = {
      {1, {}, TLeaderStatus::InCommand, 0},
      {5, {{100, 19}, {500, 70}}, TLeaderStatus::InCommand, 1},
      {5, {{100, 20}, {500, 69}, {1000, 70}}, TLeaderStatus::InCommand, 0},
      {2, {{100, 20}, {1100, 69}, {1300, 69}, {25, 24}}, 255, 0},  // a draw of 25 kills
  };
  for (const Case& c : cases) {
    GameState.Leaders[fallen].Status = TLeaderStatus::InCommand;
    GameState.Leaders[fallen].Modifier = 0;
    ctx.BattleIntensity = static_cast<std::uint16_t>(c.intensity);
    ctx.CasualtyThreshold = 70;
    ScriptRandomDraws(c.draws);
    CheckCorpsLeaderCasualty(ctx, corps);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(GameState.Leaders[fallen].Status, c.status) << "intensity " << c.intensity;
    EXPECT_EQ(GameState.Leaders[fallen].Modifier, c.modifier);
  }
}

TEST_F(LeaderCasualtiesTest, EachFallLowersTheThresholdByTenDownToTen) {
  GameState.Nations[TNation::Union].Human = 1;  // with no free leader, the fallen keeps his corps
  const int thresholds[] = {70, 60, 50, 40, 30, 20, 10, 10};
  for (int threshold : thresholds) {
    EXPECT_EQ(ctx.CasualtyThreshold, threshold);
    ScriptRandomDraws(Falls(threshold));
    CheckCorpsLeaderCasualty(ctx, corps);
    EXPECT_EQ(GameState.Leaders[fallen].Status, 203);
    EXPECT_EQ(GameState.Corps[corps].Leader, fallen);
  }
  EXPECT_TRUE(window.Notices().empty());
}

TEST_F(LeaderCasualtiesTest, AHumanChoosesTheSuccessorAndTheComputerHasOneAppointed) {
  GameState.Nations[TNation::Union].Human = 1;
  AddLeader({.side = TSide::Union, .status = TLeaderStatus::Relieved});
  const int second = AddLeader({.side = TSide::Union, .rank = 1, .initiative = 7, .combat = 40});
  const int third = AddLeader({.side = TSide::Union});
  battleViews.ScriptLeaderLines({0, 1});  // closing without a choice asks again
  ScriptRandomDraws(Falls());
  CheckCorpsLeaderCasualty(ctx, corps);
  EXPECT_EQ(GameState.Corps[corps].Leader, second);
  EXPECT_EQ(GameState.Corps[corps].LeaderInitiative, 5);
  EXPECT_EQ(GameState.Leaders[second].Status, TLeaderStatus::InCommand);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines[0], GameState.Leaders[fallen].Name.str());
  EXPECT_EQ(window.Notices()[0].lines[1], "text 55");
  EXPECT_EQ(battleViews.LeaderViews().size(), 2u);

  // In play by mail the rules appoint, for a human side too.
  GameState.PlayMode = TPlayMode::MailToSend;
  std::deque<ScriptedDraw> draws = Falls(60);
  draws.push_back({50, 0});  // the one available leader's score
  ScriptRandomDraws(draws);
  CheckCorpsLeaderCasualty(ctx, corps);
  EXPECT_EQ(GameState.Corps[corps].Leader, third);
  EXPECT_EQ(battleViews.LeaderViews().size(), 2u);
}

TEST_F(LeaderCasualtiesTest, AnArmyIsDissolvedOnlyWhenItsSideHasNoOneToLeadIt) {
  const int army = AddArmy(kX, kY, TSide::Union, TNation::Union);
  const int commander = AddLeader({.side = TSide::Union, .rank = 5, .status = TLeaderStatus::InCommand});
  GameState.Armies[army].Leader = static_cast<std::uint8_t>(commander);
  GameState.Corps[corps].Army = static_cast<std::uint8_t>(army);
  GameState.Nations[TNation::Union].Human = 1;
  const int divisional = AddLeader({.side = TSide::Union, .rank = 1});
  const std::deque<ScriptedDraw> falls = {{250, 69}, {250, 69}, {1500, 99}, {25, 0}};
  // Only a divisional leader is free: he may not lead an army.
  ScriptRandomDraws(falls);
  CheckArmyLeaderCasualty(ctx, army);
  EXPECT_EQ(GameState.Armies[army].Nation, 0);
  EXPECT_EQ(GameState.Corps[corps].Army, 0);
  EXPECT_EQ(GameState.Leaders[commander].Status, 201);

  const int second = AddArmy(kX, kY, TSide::Union, TNation::Union);
  GameState.Armies[second].Leader = static_cast<std::uint8_t>(commander);
  GameState.Leaders[commander].Status = TLeaderStatus::InCommand;
  const int corpsLeader = AddLeader({.side = TSide::Union, .rank = 3, .initiative = 10});
  // A miss on the last draw spares him.
  ScriptRandomDraws({{250, 69}, {250, 69}, {1500, 100}});
  CheckArmyLeaderCasualty(ctx, second);
  EXPECT_EQ(GameState.Leaders[commander].Status, TLeaderStatus::InCommand);
  ScriptRandomDraws(falls);
  CheckArmyLeaderCasualty(ctx, second);
  EXPECT_EQ(GameState.Armies[second].Leader, corpsLeader);
  EXPECT_EQ(GameState.Leaders[corpsLeader].Rank, 5);
  EXPECT_EQ(GameState.Leaders[corpsLeader].Initiative, 8);
  EXPECT_EQ(GameState.Leaders[divisional].Status, TLeaderStatus::Available);
}

}  // namespace
