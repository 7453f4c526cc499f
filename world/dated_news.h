#pragma once
// Fixed news of the war, shown on its dates.

// The news text line for the date; 0 when the date has none.
int DatedNewsText(int year, int month, int day);

// Shows the news of the game's date, if it has any.
void ShowDatedNews();
