#pragma once
// The computer's own rail moves, made while it plans: a corps whose
// destination is another rail station of its nation is carried there at once,
// as far as the nation's rail capacity allows, and stands in stance 5 (moving
// by rail) for the turn. (A human's corps set to move by rail is carried in
// the orders pass instead: world/rail_moves.h.)
#include "world/force_records.h"

// A corps' rail cost: one unit per two infantry or cavalry brigades, rounded
// up; artillery rides free.
int RailCost(const TCorps& corps);

// Charges the corps already riding, then carries every ordered corps of the
// nation by rail, in index order, while its cost fits the capacity left.
void ArrangeRailMoves(int nation);

// Carries the corps from its station at (x, y) to the station at (destX,
// destY), both the nation's and at least 4 hexes apart, along its camp's rail
// lines, leg by leg. true only when it arrived; short of it the corps stays
// where its last leg ended.
bool CarryCorpsToStationByRail(int corps, int x, int y, int nation, int destX, int destY);
