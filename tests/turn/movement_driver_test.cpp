// The movement phase as the timer runs it: fleets then corps at steps 1-9,
// fleets alone at steps 10-19, one move per tick, the between-pass work.
#include "turn/movement_driver.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/world/corps_fixture.h"

namespace {

class MovementDriverTest : public CorpsTest {
 protected:
  // Two Union corps, at (10, 10) and (10, 30), marching south-east all nine steps.
  void SetUp() override {
    CorpsTest::SetUp();
    GameState.MessageView = 3;  // every move is shown
    for (int c : {AddMarchingCorps(10, 10, TSide::Union), AddMarchingCorps(10, 30, TSide::Union)}) {
      Corps(c).DestX = 40;
      for (int s = 1; s <= 9; ++s) Corps(c).Path[s] = kSouthEast;
    }
  }

  // Each move shown, as the unit and the step it was made in.
  std::vector<std::pair<int, int>> moves;
  ShowMove record = [this](MovedUnit, int unit) { moves.emplace_back(unit, GameState.Step); };
};

TEST_F(MovementDriverTest, CorpsTakeTheirStepsInTurnAfterEachFleetPassOneMovePerTick) {
  StartMovementPhase();
  RunMovementTick(record);
  EXPECT_TRUE(moves.empty()) << "the fleet pass of step 1 ends with no fleet under way";
  RunMovementTick(record);
  RunMovementTick(record);
  EXPECT_EQ(moves, (std::vector<std::pair<int, int>>{{1, 1}, {2, 1}}));
  EXPECT_EQ(GameState.Step, 2);
}

TEST_F(MovementDriverTest, CorpsMoveUpToStepNineAndThePhaseEndsAfterStep19WithTheGaugeFull) {
  SetTurnProgress(110);
  window.SetCommandEnabled(WindowCommand::Execute1, true);
  RunMovementPhase(record);
  ASSERT_EQ(moves.size(), 18u);
  EXPECT_EQ(moves.back(), std::pair(2, 9));
  EXPECT_TRUE(TurnFinished);
  EXPECT_EQ(GameState.Step, 20);
  EXPECT_EQ(window.GaugeValue(WindowGauge::TurnProgressGauge), 300);
  EXPECT_EQ(window.IsEnabled(WindowCommand::Execute1), false);
  RunMovementTick(record);
  EXPECT_EQ(moves.size(), 18u) << "a finished phase moves nothing";
}

TEST_F(MovementDriverTest, ContactsAreMarkedAtTheEndOfTheFleetPass) {
  const int blue = AddMarchingCorps(30, 20, TSide::Union);
  const int grey = AddMarchingCorps(30, 20, TSide::Confederate);
  StartMovementPhase();
  RunMovementTick(record);
  EXPECT_EQ(std::pair(+Corps(blue).BattleMark, +Corps(grey).BattleMark), std::pair(2, 2));
  EXPECT_EQ(Corps(blue).ContactStep, 1);
}

TEST_F(MovementDriverTest, MovesHiddenFromAHumanEnemyAreShownOnlyWhenEveryMoveIsReported) {
  GameState.Nations[TNation::Confederacy].Human = 1;
  GameState.MessageView = 0;
  RunMovementPhase(record);
  EXPECT_TRUE(moves.empty());
  EXPECT_NE(Corps(1).StepDone[1], 0) << "the corps marched all the same";
}

}  // namespace
