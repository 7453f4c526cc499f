// The close of the turn: the rules after the movement, the election, the end
// date, the theatres' aggression and supplies.
#include "turn/after_movement.h"

#include <gtest/gtest.h>

#include <array>

#include "support/window_fixture.h"
#include "world/codes.h"
#include "world/play_modes.h"
#include "world/vardecl.h"

namespace {

// A game that ends in June 1865.
class AfterMovementTest : public WindowTest {
 protected:
  static void CloseTurnOf(int day, int month, int year) {
    GameState.Day = static_cast<std::uint8_t>(day);
    GameState.Month = static_cast<std::uint16_t>(month);
    GameState.Year = static_cast<std::uint16_t>(year);
    GameState.EndMonth = 6;
    GameState.EndYear = 1865;
    RunAfterMovementPhase();
  }
};

// The election falls on the first turn of November 1864; the game ends, with
// the victory summary, on or after the end date's month.
TEST_F(AfterMovementTest, TheElectionAndTheEndOfTheGameComeOnTheirDates) {
  const struct {
    int day, month, year, elections, code;
  } cases[] = {
      {.day = 1, .month = 11, .year = 1864, .elections = 1, .code = 0},
      {.day = 11, .month = 11, .year = 1864, .elections = 0, .code = 0},
      {.day = 1, .month = 10, .year = 1864, .elections = 0, .code = 0},
      {.day = 1, .month = 11, .year = 1863, .elections = 0, .code = 0},
      {.day = 21, .month = 5, .year = 1865, .elections = 0, .code = 0},
      {.day = 1, .month = 6, .year = 1865, .elections = 0, .code = 1},
      {.day = 1, .month = 1, .year = 1866, .elections = 0, .code = 1},
  };
  for (const auto& c : cases) {
    GameOverCode = 0;
    const int before = window.CallCount("ShowElection");
    CloseTurnOf(c.day, c.month, c.year);
    EXPECT_EQ(window.CallCount("ShowElection") - before, c.elections) << c.month << c.year;
    EXPECT_EQ(GameOverCode, c.code) << c.day << "/" << c.month << "/" << c.year;
  }
  EXPECT_EQ(window.CallCount("ShowPostMortem"), 2);
  GameOverCode = 2;
  CloseTurnOf(1, 1, 1866);
  EXPECT_EQ(GameOverCode, 2) << "a capitulation keeps its ending";
  window.OnPostMortem = [] { GameOverCode = 0; };
  GameOverCode = 0;
  CloseTurnOf(1, 1, 1866);
  EXPECT_EQ(GameOverCode, 0) << "the player chose to play on";
}

// Weather below 5 stirs every nation's aggression in the theatre, up to 255.
TEST_F(AfterMovementTest, FairWeatherStirsEveryNationsAggression) {
  GameState.Weather[TTheatre::Seaboard] = 4;
  GameState.Weather[TTheatre::West] = 5;
  GameState.Nations[TNation::Britain].AiAggression[TTheatre::Seaboard] = 255;
  CloseTurnOf(11, 6, 1862);
  EXPECT_EQ(GameState.Nations[TNation::France].AiAggression[TTheatre::Seaboard], 1);
  EXPECT_EQ(GameState.Nations[TNation::France].AiAggression[TTheatre::West], 0);
  EXPECT_EQ(GameState.Nations[TNation::Britain].AiAggression[TTheatre::Seaboard], 255);
}

// The richest theatre (the first of equals), holding more than 5000, sends
// 2500 to each theatre below 2000; only the two warring nations do this.
TEST_F(AfterMovementTest, ARichTheatreSendsSuppliesToEachTheatreRunningShort) {
  const struct {
    std::array<int, 3> before, after;
  } cases[] = {
      {.before = {6000, 1500, 1000}, .after = {1000, 4000, 3500}},
      {.before = {5001, 1999, 2000}, .after = {2501, 4499, 2000}},
      {.before = {5000, 100, 100}, .after = {5000, 100, 100}},
      {.before = {100, 6000, 6000}, .after = {2600, 3500, 6000}},
  };
  for (const auto& c : cases) {
    for (int n : {TNation::Union, TNation::France}) {
      for (int t = 1; t <= 3; ++t) GameState.Nations[n].Supplies[t] = c.before[t - 1];
    }
    CloseTurnOf(11, 6, 1862);
    for (int t = 1; t <= 3; ++t) {
      EXPECT_EQ(GameState.Nations[TNation::Union].Supplies[t], c.after[t - 1]) << t;
      EXPECT_EQ(GameState.Nations[TNation::France].Supplies[t], c.before[t - 1]) << t;
    }
  }
}

}  // namespace
