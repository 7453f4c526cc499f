#include "world/derived_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/window_fixture.h"
#include "world/vardecl.h"
#include "world/weather_gauges.h"

namespace {

class DerivedStateTest : public WindowTest {};

// Hex control comes first: city control, the totals and the supply links read it.
TEST_F(DerivedStateTest, ALoadedGameRebuildsEveryFigureInThisOrder) {
  std::vector<std::string> names;
  for (const DerivedStateStep& step : DerivedStateSteps()) {
    names.emplace_back(step.name);
    EXPECT_NE(step.recompute, nullptr) << step.name;
  }
  EXPECT_EQ(names,
            (std::vector<std::string>{"RecomputeHexControl", "RollWeather", "ShowWeatherGauges",
                                      "UpdateCityControl", "ComputeForceTotals",
                                      "UpdateCorpsReadiness", "ComputeCitySupplyLinks"}));
}

TEST(WeatherGaugeTest, FairWeatherFillsTheGaugeAndStormsEmptyIt) {
  const int expected[] = {98, 98, 98, 70, 70, 42, 84, 42, 42, 98};
  for (int weather = 0; weather <= 9; ++weather) {
    EXPECT_EQ(WeatherGaugeValue(weather), expected[weather]) << "weather " << weather;
  }
}

}  // namespace
