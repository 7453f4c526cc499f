#pragma once
// The weather of the three theatres, drawn from the month's row of the game's
// weather table.

// The theatre's weather code; 0, fair, for a number that names no theatre.
int WeatherIn(int theatre);

// Draws a new weather code for theatres 1..3; only on odd days, which in play
// are every turn (days 1, 11 and 21).
void RollWeather();
