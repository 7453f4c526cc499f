#pragma once
// How a computer nation holds its cities: a brigade for every unguarded city
// with enemies near, the capital filled up to eight brigades, one brigade a
// turn for every city that asks for a garrison, and fortifications and coastal
// guns paid from the theatre's supplies.

void GuardThreatenedCities(int nation);
void GarrisonCapital(int nation);
void ServeGarrisonNeeds(int nation);
void BuildFortifications(int nation);

// Puts the brigade in the city's garrison and tells of it; an unarmed brigade
// is handed the weapons every garrison keeps in store.
void GarrisonBrigade(int nation, int city, int brigade);
