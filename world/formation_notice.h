#pragma once
// The notice that announces a new army or corps: a headline, its commander and
// its city.
#include <string>

// TEventKind of the two notices.
inline constexpr int kArmyFormedNotice = 20;
inline constexpr int kCorpsFormedNotice = 21;

// Fills and shows the pending notice: the headline, then the texts "commanded
// by" and "at" with the leader's and the city's names (empty for none).
void ShowFormationNotice(int kind, const std::string& headline, int leader, int city);
