#pragma once
// Texts the order dialogs share: the row of a city, and figures in the units
// the player reads (men for infantry and cavalry, guns for artillery).
#include <string>

// The text cut to at most n characters.
std::string CutText(const std::string& text, std::size_t n);

// "Name," cut to 17 characters, then the state's short name, cut to 21 in all;
// empty for city 0.
std::string CityRow(int city);

// Brigade strength and recruit pools are kept in fifties of men, artillery in half guns.
int ShownStrength(int arm, int amount);
// Weapon stocks of muskets to shotguns in fifties of men, of cannon in half guns.
int ShownWeaponStock(int weapon, int amount);
