#pragma once
// Where a fleet stands, measured against its destination and the cities it
// sails between. A city index that names no city (0 or past the table) has no
// hex: its place reads as column and row 0, which no fleet ever stands on.
#include "world/hex_grid.h"
#include "world/realm_records.h"

// A river fleet keeps to the rivers; the other kinds sail the sea.
inline constexpr int kRiverFleet = 2;
inline constexpr int kFleetPathSteps = decltype(TFleet::Path)::Count;

// The route finder's mode for the fleet's waters.
int RouteModeOf(const TFleet& fleet);

THexPos CityHex(int city);
THexPos FleetHex(const TFleet& fleet);
bool IsOnDestination(const TFleet& fleet);
// Whether the fleet lies on the city's own hex.
bool LiesInCity(const TFleet& fleet, int city);
// The fleet's destination becomes the city's hex.
void SteerToCity(TFleet& fleet, int city);
// The fleet lets go of the corps it names and sails home. Here, below the
// fleet's cargo, because freeing a corps slot lets go of the corps as well.
void GiveUpCorps(TFleet& fleet);
// The theatre of the city; 0 for none.
int TheatreOfCity(int city);
