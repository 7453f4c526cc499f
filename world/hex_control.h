#pragma once
// Who controls each hex of the map (TMapCell.Owner): the camp holding its
// state, the corps standing near it, river fleets on the river hexes they
// command and the cities on it. Recomputed after every movement pass, so it is
// built to be cheap.

// Per state: ForeignCities, the state's own cities held by a camp other than
// its holder. The force totals and hex control both start from it.
void RecountForeignCities();

// ForeignCities, and IntruderStrength, the strength of corps of any other
// camp standing in the state.
void RecountStateTallies();

// Recounts the state tallies, then gives every hex of a state its controlling
// camp.
void RecomputeHexControl();
