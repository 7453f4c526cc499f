#include "world/weather.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

class WeatherTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    GameState.Day = 1;
    // Entry (row, column) reads 10 x row + column, so a pick tells where it came from.
    for (int row = 0; row < 9; ++row)
      for (int column = 0; column < 12; ++column)
        GameState.WeatherTable[row][column] = static_cast<std::uint8_t>(10 * row + column);
  }

  static void Roll(int r1, int r2, int r3) {
    ScriptRandomDraws({{15, r1}, {15, r2}, {15, r3}});
    RollWeather();
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  }
};

TEST_F(WeatherTest, EachTheatreReadsTheMonthsRowAtHalfItsWeatherPlusTheDraw) {
  GameState.Month = 3;
  GameState.Weather[1] = 4;
  GameState.Weather[2] = 4;
  GameState.Weather[3] = 4;
  // Draws 2 and 14 stand for 2 and 11; 5 stands for 2 as well.
  Roll(2, 14, 5);
  EXPECT_EQ(WeatherColumn, 3);
  EXPECT_EQ(GameState.Weather[TTheatre::Seaboard], 22);     // (4 + 2) / 2 = 3, then one less
  EXPECT_EQ(GameState.Weather[TTheatre::West], 27);         // (4 + 11) / 2 = 7
  EXPECT_EQ(GameState.Weather[TTheatre::Mississippi], 12);  // 23 halved, plus one
}

TEST_F(WeatherTest, TheSecondHalfOfTheYearReadsTheSpringRowsAgain) {
  const int rows[] = {0, 1, 2, 3, 4, 5, 3, 4, 5, 6, 7, 8};
  for (int month = 1; month <= 12; ++month) {
    GameState.Month = static_cast<std::uint16_t>(month);
    GameState.Weather[TTheatre::West] = 0;
    Roll(0, 0, 0);
    EXPECT_EQ(GameState.Weather[TTheatre::West], 10 * rows[month - 1]) << "month " << month;
  }
}

TEST_F(WeatherTest, AWeatherCodeBeyondTheTableReadsItsLastColumn) {
  GameState.Month = 9;
  GameState.Weather[TTheatre::West] = 200;
  Roll(0, 14, 0);
  EXPECT_EQ(GameState.Weather[TTheatre::West], 61);
  EXPECT_EQ(WeatherColumn, 0);
}

TEST_F(WeatherTest, ASeaboardCalmStaysCalmAndTheRiverNeverFallsBelowOne) {
  GameState.Month = 1;
  Roll(0, 0, 0);
  EXPECT_EQ(GameState.Weather[TTheatre::Seaboard], 0);
  EXPECT_EQ(GameState.Weather[TTheatre::Mississippi], 1);
  GameState.WeatherTable[0][0] = 2;
  Roll(0, 0, 0);
  EXPECT_EQ(GameState.Weather[TTheatre::Seaboard], 1);
  EXPECT_EQ(GameState.Weather[TTheatre::Mississippi], 2);
}

TEST_F(WeatherTest, RollingLeavesTheSavedHeaderAndTheTableAlone) {
  GameState.Month = 1;
  GameState.Reserved156 = 77;
  Roll(14, 14, 14);
  EXPECT_EQ(GameState.Reserved156, 77);
  EXPECT_EQ(GameState.WeatherTable[0][0], 0);
  EXPECT_EQ(GameState.WeatherTable[0][5], 5);
}

TEST_F(WeatherTest, OnAnEvenDayTheWeatherHolds) {
  GameState.Day = 10;
  GameState.Month = 5;
  GameState.Weather[1] = 3;
  ScriptRandomDraws({});
  RollWeather();
  EXPECT_EQ(GameState.Weather[1], 3);
}

}  // namespace
