#include "world/weather_gauges.h"

#include "world/game_window.h"
#include "world/vardecl.h"

namespace {

constexpr int kGaugeStep = 14;

constexpr WindowGauge kTheatreGauges[] = {WindowGauge::Gauge1, WindowGauge::Gauge2,
                                          WindowGauge::Gauge3};

int GaugeSteps(int weather) {
  switch (weather) {
    case 3:
    case 4:
      return 5;
    case 5:
    case 7:
    case 8:
      return 3;
    case 6:
      return 6;
    default:
      return 7;
  }
}

}  // namespace

int WeatherGaugeValue(int weather) {
  return kGaugeStep * GaugeSteps(weather);
}

void ShowWeatherGauges() {
  for (int theatre = 1; theatre <= GameState.Weather.Count; ++theatre) {
    Window().SetGauge(kTheatreGauges[theatre - 1], WeatherGaugeValue(GameState.Weather[theatre]));
  }
}
