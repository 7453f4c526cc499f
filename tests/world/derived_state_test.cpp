#include "world/derived_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/window_fixture.h"
#include "world/vardecl.h"
#include "world/weather_gauges.h"

namespace {

class DerivedStateTest : public WindowTest {};

TEST_F(DerivedStateTest, ALoadedGameRebuildsItsFiguresInThisOrder) {
  std::vector<std::string> names;
  for (const DerivedStateStep& step : DerivedStateSteps()) names.emplace_back(step.name);
  EXPECT_EQ(names,
            (std::vector<std::string>{"RecomputeHexControl", "RollWeather", "ShowWeatherGauges",
                                      "UpdateCityControl", "ComputeForceTotals",
                                      "UpdateCorpsReadiness", "ComputeCitySupplyLinks"}));
}

// Until the rules behind the other steps are written, rebuilding shows the
// weather and changes nothing in the game.
TEST_F(DerivedStateTest, OnlyTheWeatherGaugesAreRebuiltSoFar) {
  for (const DerivedStateStep& step : DerivedStateSteps()) {
    EXPECT_EQ(step.recompute != nullptr, std::string(step.name) == "ShowWeatherGauges")
        << step.name;
  }
}

TEST_F(DerivedStateTest, EachTheatreGaugeShowsItsWeather) {
  GameState.Weather[1] = 3;
  GameState.Weather[2] = 6;
  GameState.Weather[3] = 9;

  RecomputeDerivedState();

  EXPECT_EQ(window.GaugeValue(WindowGauge::Gauge1), 70);
  EXPECT_EQ(window.GaugeValue(WindowGauge::Gauge2), 84);
  EXPECT_EQ(window.GaugeValue(WindowGauge::Gauge3), 98);
}

TEST(WeatherGaugeTest, FairWeatherFillsTheGaugeAndStormsEmptyIt) {
  const int expected[] = {98, 98, 98, 70, 70, 42, 84, 42, 42, 98};
  for (int weather = 0; weather <= 9; ++weather) {
    EXPECT_EQ(WeatherGaugeValue(weather), expected[weather]) << "weather " << weather;
  }
}

}  // namespace
