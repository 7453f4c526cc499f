#pragma once
// What the nation giving orders finds on a clicked hex. Each finder appends
// (index, kind) pairs to FinderResults after the FinderCount entries already
// there; the caller empties the list, sets the clicked hex and calls them in the
// order cities, armies, corps, fleets. The list holds 20 entries and stops there.
// TFinderKind
inline constexpr int kFoundCity = 1;
inline constexpr int kFoundArmy = 2;
inline constexpr int kFoundCorps = 3;
inline constexpr int kFoundFleet = 4;

// Cities of the camp on the hex.
void FindCitiesAtHex();
// Armies of the camp whose headquarters city stands on the hex.
void FindArmiesAtHex();
// Active corps on the hex, of the camp or spotted by it.
void FindCorpsAtHex();
// The camp's fleets on the hex that are ready for orders.
void FindFleetsAtHex();
