#pragma once
// The small questions every computer planner asks: whom a camp fights, which
// cities an army may count as its own kind, and how a corps is sent to a city.
#include "world/force_records.h"

// The camp a camp fights against: Union and Confederates face each other, and
// a nation without a camp looks at the Union.
int EnemyCampOf(int camp);

// Whether an army of the one nation may fight over a city of the other: the
// two belligerents share the land war, France and Britain theirs.
bool AreCompatibleNations(int armyNation, int cityNation);

// Gives the corps the city's hex as its destination. A number that names no
// city leaves the destination as it was, so no corps is ever sent off the map.
void SendCorpsToCity(TCorps& corps, int city);

// Whether the corps stands on the city's hex (false for no city).
bool CorpsStandsOnCity(const TCorps& corps, int city);
