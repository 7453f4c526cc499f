// The movement phase as the timer runs it: fleets then corps at steps 1-9,
// fleets alone at steps 10-19, one move per tick, the between-pass work.
#include "world/movement_driver.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "tests/world/corps_fixture.h"

namespace {

constexpr int kSouthEastward = 3;

class MovementDriverTest : public CorpsTest {
 protected:
  void SetUp() override {
    CorpsTest::SetUp();
    GameState.MessageView = 3;  // every move is shown
    for (int c : {AddMarchingCorps(10, 10, TSide::Union), AddMarchingCorps(10, 30, TSide::Union)}) {
      Corps(c).DestX = 40;
      Corps(c).DestY = Corps(c).Y;
      Plan(c, {kSouthEastward, kSouthEastward, kSouthEastward, kSouthEastward, kSouthEastward,
               kSouthEastward, kSouthEastward, kSouthEastward, kSouthEastward});
    }
  }

  // Each move shown, as the unit and the step it was made in.
  std::vector<std::pair<int, int>> moves;
  ShowMove record = [this](MovedUnit kind, int unit) {
    EXPECT_EQ(kind, MovedUnit::Corps);
    moves.emplace_back(unit, GameState.Step);
  };
};

TEST_F(MovementDriverTest, CorpsTakeTheirStepsInTurnAfterEachFleetPassUpToStepNine) {
  RunMovementPhase(record);
  ASSERT_EQ(moves.size(), 18u);
  EXPECT_THAT(
      std::vector(moves.begin(), moves.begin() + 4),
      ::testing::ElementsAre(std::pair(1, 1), std::pair(2, 1), std::pair(1, 2), std::pair(2, 2)));
  EXPECT_EQ(moves.back(), std::pair(2, 9));
}

TEST_F(MovementDriverTest, EachTickMovesOneUnit) {
  StartMovementPhase();
  RunMovementTick(record);
  EXPECT_FALSE(MovePhaseFleets) << "the fleet pass of step 1 ends with no fleet under way";
  EXPECT_TRUE(moves.empty());
  RunMovementTick(record);
  EXPECT_THAT(moves, ::testing::ElementsAre(std::pair(1, 1)));
  RunMovementTick(record);
  EXPECT_EQ(moves.size(), 2u);
  EXPECT_TRUE(MovePhaseFleets);
  EXPECT_EQ(GameState.Step, 2);
}

TEST_F(MovementDriverTest, ThePhaseEndsAfterTheFleetPassOfStep19WithTheGaugeFull) {
  SetTurnProgress(110);
  window.SetCommandEnabled(WindowCommand::Execute1, true);
  RunMovementPhase(record);
  EXPECT_TRUE(TurnFinished);
  EXPECT_EQ(GameState.Step, 20);
  EXPECT_EQ(window.GaugeValue(WindowGauge::TurnProgressGauge), 300);
  EXPECT_EQ(window.IsEnabled(WindowCommand::Execute1), false);
  EXPECT_EQ(window.IsEnabled(WindowCommand::SpeedButton1), false);
  const auto ticks = moves.size();
  RunMovementTick(record);
  EXPECT_EQ(moves.size(), ticks) << "a finished phase moves nothing";
}

TEST_F(MovementDriverTest, ContactsAreMarkedAtTheEndOfTheFleetPass) {
  const int blue = AddMarchingCorps(30, 20, TSide::Union);
  const int grey = AddMarchingCorps(30, 20, TSide::Confederate);
  StartMovementPhase();
  RunMovementTick(record);
  EXPECT_EQ(Corps(blue).BattleMark, 2);
  EXPECT_EQ(Corps(grey).BattleMark, 2);
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
