#pragma once
// The three weather gauges of the main window, one per theatre.

// The gauge reading of a weather code: fair weather fills most of the gauge,
// storms and mud little of it.
int WeatherGaugeValue(int weather);

// Shows the weather of theatres 1..3 on Gauge1..Gauge3.
void ShowWeatherGauges();
