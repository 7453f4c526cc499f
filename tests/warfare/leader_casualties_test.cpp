#include "warfare/leader_casualties.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

#include "tests/warfare/battle_fixture.h"
#include "world/play_modes.h"

namespace {

// A Union corps of a human side at intensity 5, its leader in command.
class LeaderCasualtiesTest : public BattleTest {
 protected:
  void SetUp() override {
    BattleTest::SetUp();
    AddEngagedCorps(TSide::Union, 2);
    GameState.Nations[TNation::Union].Human = 1;
    ctx.BattleIntensity = 5;
  }
  // The draws by which the corps leader falls, wounded for 3 turns.
  static std::deque<ScriptedDraw> Falls(int threshold = 70) {
    return {{100, 99}, {500, threshold - 1}, {1000, threshold - 1}, {25, 2}};
  }
  static TLeader& Fallen() { return GameState.Leaders[1]; }
  BattleContext ctx;
};

// Beyond a skirmish the leader gains a point on a draw below 20, then falls
// when two draws come below the threshold; a wound of 25 kills.
TEST_F(LeaderCasualtiesTest, TheDrawsStopAtTheFirstMissAndNoneAreMadeInASkirmish) {
  using R = std::tuple<int, std::deque<ScriptedDraw>, int, int>;
  for (const auto& [intensity, draws, status, modifier] :
       {R{1, {}, TLeaderStatus::InCommand, 0}, R{5, {{100, 19}, {500, 70}}, TLeaderStatus::InCommand, 1},
        R{5, {{100, 20}, {500, 69}, {1000, 70}}, TLeaderStatus::InCommand, 0},
        R{2, {{100, 20}, {1100, 69}, {1300, 69}, {25, 24}}, 255, 0}}) {
    Fallen().Status = TLeaderStatus::InCommand;
    Fallen().Modifier = 0;
    ctx.BattleIntensity = intensity;
    ScriptRandomDraws(draws);
    CheckCorpsLeaderCasualty(ctx, 1);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(Fallen().Status, status) << "intensity " << intensity;
    EXPECT_EQ(Fallen().Modifier, modifier) << "intensity " << intensity;
  }
}

// The threshold starts at 70 and each fall lowers it by 10, down to 10. With
// no free leader the fallen keeps his corps, unannounced.
TEST_F(LeaderCasualtiesTest, EachFallLowersTheThresholdByTenDownToTen) {
  for (int threshold : {70, 60, 50, 40, 30, 20, 10, 10}) {
    EXPECT_EQ(ctx.CasualtyThreshold, threshold);
    ScriptRandomDraws(Falls(threshold));
    CheckCorpsLeaderCasualty(ctx, 1);
  }
  EXPECT_EQ(Fallen().Status, 203);
  EXPECT_EQ(GameState.Corps[1].Leader, 1);
  EXPECT_TRUE(window.Notices().empty());
}

// In one-machine play a human chooses the successor (asked again when he
// closes without one); in play by mail, from its set-up on, the rules appoint.
TEST_F(LeaderCasualtiesTest, AHumanChoosesTheSuccessorAndTheComputerHasOneAppointed) {
  const int second = AddLeader({.rank = 1, .initiative = 7});
  const int third = AddLeader({});
  battleViews.ScriptLeaderLines({0, 1});
  ScriptRandomDraws(Falls());
  CheckCorpsLeaderCasualty(ctx, 1);
  EXPECT_EQ(GameState.Corps[1].Leader, second);
  EXPECT_EQ(GameState.Corps[1].LeaderInitiative, 5);
  EXPECT_EQ(window.Notices().at(0).lines[1], "text 55");
  GameState.PlayMode = TPlayMode::MailSetUp;
  std::deque<ScriptedDraw> draws = Falls(60);
  draws.push_back({50, 0});  // the one available leader's score
  ScriptRandomDraws(draws);
  CheckCorpsLeaderCasualty(ctx, 1);
  EXPECT_EQ(GameState.Corps[1].Leader, third);
  EXPECT_EQ(battleViews.LeaderViews().size(), 2u);
}

// An army commander falls only when both draws of 1500 - 250 x intensity come
// below the threshold, and a third below 100 of 1500; the first miss ends the
// draws. Whoever might succeed him, a miss leaves him in command.
TEST_F(LeaderCasualtiesTest, AnArmyCommanderHoldsOnEitherDrawAtTheThreshold) {
  const int commander = AddLeader({.rank = 5});
  const int army = AddArmy(kX, kY, TSide::Union, TNation::Union);
  GameState.Armies[army].Leader = commander;
  GameState.Leaders[commander].Status = TLeaderStatus::InCommand;
  for (const std::deque<ScriptedDraw>& draws :
       {std::deque<ScriptedDraw>{{250, 70}}, {{250, 69}, {250, 70}}, {{250, 69}, {250, 69}, {1500, 100}}}) {
    ScriptRandomDraws(draws);
    CheckArmyLeaderCasualty(ctx, army);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(GameState.Leaders[commander].Status, TLeaderStatus::InCommand) << draws.size() << " draws";
  }
}

// A fallen army commander (on a third draw below 100) is replaced by a corps
// leader or better, promoted; with only a divisional leader free the army is
// dissolved.
TEST_F(LeaderCasualtiesTest, AnArmyIsDissolvedOnlyWhenItsSideHasNoOneToLeadIt) {
  const int commander = AddLeader({.rank = 5});
  AddLeader({.rank = 1});
  for (const auto& [lastDraw, corpsLeaderFree] : {std::pair{100, false}, {99, false}, {99, true}}) {
    const int army = AddArmy(kX, kY, TSide::Union, TNation::Union);
    GameState.Armies[army].Leader = commander;
    GameState.Corps[1].Army = army;
    GameState.Leaders[commander].Status = TLeaderStatus::InCommand;
    const int corpsLeader = corpsLeaderFree ? AddLeader({.rank = 3, .initiative = 10}) : 0;
    ScriptRandomDraws({{250, 69}, {250, 69}, {1500, lastDraw}, {25, 0}});
    CheckArmyLeaderCasualty(ctx, army);
    const bool dissolved = lastDraw < 100 && !corpsLeaderFree;
    EXPECT_EQ(GameState.Corps[1].Army, dissolved ? 0 : army) << lastDraw << corpsLeaderFree;
    EXPECT_EQ(GameState.Armies[army].Leader, lastDraw < 100 ? corpsLeader : commander);
    EXPECT_TRUE(!corpsLeaderFree || GameState.Leaders[corpsLeader].Initiative == 8);
    // Dissolved as any army is: the name empty, its characters left standing.
    const Str<22>& name = GameState.Armies[army].Name;
    if (dissolved) {
      EXPECT_EQ((std::pair{int{name.Length}, name.Chars[0]}), (std::pair{0, 'A'}));
    }
  }
}

}  // namespace
