#include "world/weather.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"
#include "world/weather_gauges.h"

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
};

// Column: (weather + shift) / 2, the shift a draw of 15 less 3 above 2, at most
// the last column. Row: the month's, the second half of the year reading the
// spring rows again. The seaboard reads one less above 1, the river half plus 1.
TEST_F(WeatherTest, EachTheatreReadsTheMonthsRowAtHalfItsWeatherPlusTheShift) {
  const struct {
    int month, weather, draw, entry;
  } cases[] = {{3, 4, 2, 23}, {3, 4, 3, 22},  {3, 4, 14, 27},   {1, 0, 0, 0}, {6, 0, 0, 50},
               {7, 0, 0, 30}, {12, 0, 0, 80}, {9, 200, 14, 61}, {1, 2, 0, 1}, {1, 4, 0, 2}};
  for (const auto& c : cases) {
    GameState.Month = static_cast<std::uint16_t>(c.month);
    for (int t = 1; t <= 3; ++t) GameState.Weather[t] = static_cast<std::uint16_t>(c.weather);
    ScriptRandomDraws({{15, c.draw}, {15, c.draw}, {15, c.draw}});
    RollWeather();
    EXPECT_EQ(GameState.Weather[TTheatre::West], c.entry)
        << c.month << " " << c.weather << " " << c.draw;
    EXPECT_EQ(GameState.Weather[TTheatre::Seaboard], c.entry > 1 ? c.entry - 1 : c.entry);
    EXPECT_EQ(GameState.Weather[TTheatre::Mississippi], c.entry / 2 + 1);
  }
  EXPECT_EQ(GameState.WeatherTable[0][5], 5) << "the table is read, not written";
}

// The gauge shows 14 a step: 7 steps for fair weather, 6 for weather 6, 5
// for 3 and 4, 3 for 5, 7 and 8.
TEST(WeatherGaugeTest, FairWeatherFillsTheGaugeAndStormsEmptyIt) {
  const int expected[] = {98, 98, 98, 70, 70, 42, 84, 42, 42, 98};
  for (int weather = 0; weather <= 9; ++weather)
    EXPECT_EQ(WeatherGaugeValue(weather), expected[weather]) << weather;
}

}  // namespace
