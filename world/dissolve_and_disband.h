#pragma once
// Taking formations off the board: an army dissolved frees its slot and lets
// its corps go; a corps disbanded hands its brigades to a neighbour or a city
// and frees its slot.

// Clears the army record (its commander's record is not touched) and detaches
// its corps.
void DissolveArmy(int army);

// Hands the corps' brigades to the first corps of its nation within one hex,
// else to the garrison of the first city of its camp within one hex; tells the
// player when neither could take them, sends them to the nearest city of the
// camp, and frees the slot. The corps' path and step record are kept.
void DisbandCorps(int corps);

// Brigades of a corps that leaves the board go into garrison: in the corps'
// city when that is of its camp, else in the nearest city of its camp (the
// first on equal distance), else they wait, armed, at the nation's capital.
// No brigade is left naming a corps slot that is no longer its corps.
void GarrisonLeftoverBrigades(int corps);

// A corps lost at sea: its leader is gone for good, its brigades are cleared,
// and the slot is freed with no link to a place, an army or a nation left.
void LoseCorpsAtSea(int corps);
