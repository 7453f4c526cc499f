#include "world/derived_state.h"

#include "world/city_control.h"
#include "world/corps_readiness.h"
#include "world/force_totals.h"
#include "world/hex_control.h"
#include "world/supply_links.h"
#include "world/weather.h"
#include "world/weather_gauges.h"

namespace {

// Control of the hexes comes first: city control and supply links read it.
constexpr DerivedStateStep kSteps[] = {
    {"RecomputeHexControl", RecomputeHexControl},
    {"RollWeather", RollWeather},
    {"ShowWeatherGauges", ShowWeatherGauges},
    {"UpdateCityControl", UpdateCityControl},
    {"ComputeForceTotals", ComputeForceTotals},
    {"UpdateCorpsReadiness", UpdateCorpsReadiness},
    {"ComputeCitySupplyLinks", ComputeCitySupplyLinks},
};

}  // namespace

std::span<const DerivedStateStep> DerivedStateSteps() {
  return kSteps;
}

void RecomputeDerivedState() {
  for (const DerivedStateStep& step : kSteps) {
    step.recompute();
  }
}
