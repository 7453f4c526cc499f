// The close of the turn: the rules after the movement, the election, the end
// date, the theatres' aggression and supplies, and the next orders phase.
#include "world/after_movement.h"

#include <gtest/gtest.h>

#include <array>

#include "support/window_fixture.h"
#include "tests/world/force_builders.h"
#include "world/codes.h"
#include "world/play_modes.h"
#include "world/vardecl.h"

namespace {

class AfterMovementTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    SetDate(11, 6, 1862);
    GameState.EndMonth = 6;
    GameState.EndYear = 1865;
  }

  static void SetDate(int day, int month, int year) {
    GameState.Day = static_cast<std::uint8_t>(day);
    GameState.Month = static_cast<std::uint16_t>(month);
    GameState.Year = static_cast<std::uint16_t>(year);
  }

  static Table<U16, 3>& Supplies(int nation) { return GameState.Nations[nation].Supplies; }
};

TEST_F(AfterMovementTest, CitiesChangeHandsAndTheTurnsRecordsAreCleared) {
  for (int mode : {TPlayMode::MailSetUp, 0}) {
    GameState.PlayMode = static_cast<std::uint16_t>(mode);
    GameState.BattleCount = 4;
    const int city = AddCity(10 + mode, 10, TSide::Confederate);
    GameState.Cities[city].FortifiedThisTurn = 1;
    const int corps = AddCorps(10 + mode, 10, TSide::Union, TNation::Union);
    // A corps needs men and a commander to outlast the recount of the totals.
    AddBrigade({.location = corps});
    GameState.Corps[corps].Leader = static_cast<std::uint8_t>(AddLeader({}));
    RunAfterMovementPhase();
    EXPECT_EQ(GameState.BattleCount, 0);
    EXPECT_EQ(GameState.Cities[city].FortifiedThisTurn, 0);
    // Play by mail set-up leaves the world's rules to the handed-over game.
    EXPECT_EQ(GameState.Cities[city].Side, mode == 0 ? TSide::Union : TSide::Confederate);
  }
}

TEST_F(AfterMovementTest, TheElectionIsHeldOnTheFirstTurnOfNovember1864Only) {
  const struct {
    int day, month, year, shown;
  } cases[] = {{1, 11, 1864, 1}, {11, 11, 1864, 0}, {1, 10, 1864, 0}, {1, 11, 1863, 0}};
  for (const auto& c : cases) {
    const int before = window.CallCount("ShowElection");
    SetDate(c.day, c.month, c.year);
    RunAfterMovementPhase();
    EXPECT_EQ(window.CallCount("ShowElection") - before, c.shown)
        << c.day << "/" << c.month << "/" << c.year;
  }
}

TEST_F(AfterMovementTest, TheGameEndsOnOrAfterTheEndDateWithTheVictorySummary) {
  const struct {
    int day, month, year, code;
  } cases[] = {
      {1, 7, 1864, 0}, {21, 5, 1865, 0}, {1, 6, 1865, 1}, {11, 7, 1865, 1}, {1, 1, 1866, 1}};
  for (const auto& c : cases) {
    GameOverCode = 0;
    window.SetCommandEnabled(WindowCommand::Execute1, false);
    SetDate(c.day, c.month, c.year);
    RunAfterMovementPhase();
    EXPECT_EQ(GameOverCode, c.code) << c.day << "/" << c.month << "/" << c.year;
  }
  EXPECT_EQ(window.CallCount("ShowPostMortem"), 3);
  EXPECT_EQ(window.IsEnabled(WindowCommand::Execute1), false) << "a finished game runs no turn";
  EXPECT_EQ(window.IsEnabled(WindowCommand::SaveGame1), false);
  EXPECT_EQ(window.IsEnabled(WindowCommand::Quit1), true);
  EXPECT_EQ(window.Cursor(), WindowCursor::Default);
  GameOverCode = 2;
  RunAfterMovementPhase();
  EXPECT_EQ(GameOverCode, 2) << "a capitulation keeps its ending";
}

TEST_F(AfterMovementTest, AContinuedCampaignOrAMailTurnLeftByTheBattlesPlaysOn) {
  SetDate(1, 6, 1865);
  window.OnPostMortem = [] { GameOverCode = 0; };
  RunAfterMovementPhase();
  EXPECT_EQ(GameOverCode, 0);
  EXPECT_EQ(window.CallCount("ShowPostMortem"), 1);
  SetDate(11, 6, 1862);
  GameState.PlayMode = TPlayMode::MailSetUp;
  GameOverCode = 10;
  RunAfterMovementPhase();
  EXPECT_EQ(window.CallCount("ShowPostMortem"), 1);
  EXPECT_EQ(window.IsEnabled(WindowCommand::SaveGame1), true);
}

TEST_F(AfterMovementTest, WeatherBelowFiveStirsEveryNationsAggressionUpToItsLimit) {
  GameState.Weather[TTheatre::Seaboard] = 4;
  GameState.Weather[TTheatre::West] = 5;
  GameState.Weather[TTheatre::Mississippi] = 0;
  GameState.Nations[TNation::Britain].AiAggression[TTheatre::Mississippi] = 255;
  RunAfterMovementPhase();
  for (int n = 1; n <= 4; ++n) {
    EXPECT_EQ(GameState.Nations[n].AiAggression[TTheatre::Seaboard], 1) << n;
    EXPECT_EQ(GameState.Nations[n].AiAggression[TTheatre::West], 0) << n;
  }
  EXPECT_EQ(GameState.Nations[TNation::Union].AiAggression[TTheatre::Mississippi], 1);
  EXPECT_EQ(GameState.Nations[TNation::Britain].AiAggression[TTheatre::Mississippi], 255);
}

// The richest theatre (the first of equals), holding more than 5000, sends
// 2500 to each theatre below 2000; only the two warring nations do this.
TEST_F(AfterMovementTest, ARichTheatreSendsSuppliesToEachTheatreRunningShort) {
  const struct {
    std::array<int, 3> before, after;
  } cases[] = {
      {{6000, 1500, 1000}, {1000, 4000, 3500}}, {{5001, 1999, 2000}, {2501, 4499, 2000}},
      {{5000, 100, 100}, {5000, 100, 100}},     {{100, 6000, 6000}, {2600, 3500, 6000}},
      {{1000, 1000, 1000}, {1000, 1000, 1000}},
  };
  for (const auto& c : cases) {
    for (int n : {TNation::Union, TNation::Confederacy, TNation::France}) {
      for (int t = 1; t <= 3; ++t) Supplies(n)[t] = static_cast<std::uint16_t>(c.before[t - 1]);
    }
    RunAfterMovementPhase();
    for (int n : {TNation::Union, TNation::Confederacy, TNation::France}) {
      const std::array<int, 3> expected = n == TNation::France ? c.before : c.after;
      for (int t = 1; t <= 3; ++t) EXPECT_EQ(Supplies(n)[t], expected[t - 1]) << n << " " << t;
    }
  }
}

TEST_F(AfterMovementTest, TheNextSideGivesOrdersWithTheMenusBetweenTurns) {
  GameState.Nations[TNation::Confederacy].Human = 1;
  CurrentCorps = 5;
  RunAfterMovementPhase();
  EXPECT_EQ(CurrentSide, TNation::Confederacy);
  EXPECT_EQ(CurrentCorps, 0);
  EXPECT_EQ(window.PanelCaption(WindowPanel::IdPanel), " ");
  EXPECT_EQ(window.GaugeValue(WindowGauge::TurnProgressGauge), 0);
  EXPECT_EQ(window.IsEnabled(WindowCommand::Execute1), true);
  EXPECT_EQ(window.IsEnabled(WindowCommand::SpeedButton1), false);
  EXPECT_EQ(window.IsEnabled(WindowCommand::RaiseCorps1), true);
  EXPECT_EQ(window.IsEnabled(WindowCommand::CorpsOrders1), false);
}

}  // namespace
