#include "world/derived_state.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "support/window_fixture.h"
#include "world/vardecl.h"
#include "world/weather_gauges.h"

namespace {

class DerivedStateTest : public WindowTest {};

// Until the rules behind the other steps are written, rebuilding skips them.
TEST_F(DerivedStateTest, ALoadedGameRebuildsItsFiguresInThisOrderWithTheRulesWrittenSoFar) {
  const std::set<std::string> writtenSteps = {"RecomputeHexControl",  "RollWeather",
                                              "ShowWeatherGauges",    "UpdateCityControl",
                                              "UpdateCorpsReadiness", "ComputeCitySupplyLinks"};
  std::vector<std::string> names;
  for (const DerivedStateStep& step : DerivedStateSteps()) {
    names.emplace_back(step.name);
    const bool written = writtenSteps.contains(names.back());
    EXPECT_EQ(step.recompute != nullptr, written) << step.name;
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
