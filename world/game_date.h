#pragma once
// The game's calendar: a turn is ten days, and the days of a month run 1, 11, 21.
#include <string>

// "June 11 1862": the month word, the day, a blank and the year. A month
// outside 1..12 has no word.
std::string FormatGameDate();

// Whether a turn can fall on the day of the month (1, 11 or 21).
bool IsTurnDay(int day);
// Whether the number is one of the twelve months.
bool IsMonth(int month);

// Moves the date on by one turn: 21 December 1862 becomes 1 January 1863.
void AdvanceDate();
