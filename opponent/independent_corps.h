#pragma once
// The computer's corps that belong to no army: a disordered one falls back to
// a supplied city; the others guard their supply city, strike at an enemy
// city within reach while the theatre's posture allows, or join a nearby army;
// and every one of them near a threatened capital rushes to it.

void PlanIndependentCorps(int nation);

// How far a free corps of the nation looks for an enemy city in the theatre:
// the nation's zeal there plus 5, or 12 once the zeal is 8 or more.
int StrikeReach(int nation, int theatre);

// The city of the camp (one that belongs to a nation) nearest the corps, less
// than maxDistance away, with strength of a camp other than the nation's
// within 10 hexes of it; for a nation not at war its own cities count by their
// planning value instead. The first wins a tie; 0 when none.
int NearestThreatenedCity(int camp, int nation, int corps, int maxDistance);
