#include "world/derived_state.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "world/weather_gauges.h"

namespace {

// Hex control comes first: city control, the totals and the supply links read it.
TEST(DerivedStateTest, ALoadedGameRebuildsEveryFigureInThisOrder) {
  std::vector<std::string> names;
  for (const DerivedStateStep& step : DerivedStateSteps()) names.emplace_back(step.name);
  EXPECT_EQ(names,
            (std::vector<std::string>{"RecomputeHexControl", "RollWeather", "ShowWeatherGauges",
                                      "UpdateCityControl", "ComputeForceTotals",
                                      "UpdateCorpsReadiness", "ComputeCitySupplyLinks"}));
}

TEST(WeatherGaugeTest, FairWeatherFillsTheGaugeAndStormsEmptyIt) {
  const int expected[] = {98, 98, 98, 70, 70, 42, 84, 42, 42, 98};
  for (int weather = 0; weather <= 9; ++weather)
    EXPECT_EQ(WeatherGaugeValue(weather), expected[weather]) << weather;
}

}  // namespace
