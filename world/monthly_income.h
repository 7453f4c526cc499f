#pragma once
// The first pass of a new month: every state's economy becomes supplies and
// cotton for its nation, and the weapon output of states and cities becomes
// weapons in the nation's stock, bought from the same supplies.
#include "world/le_int.h"

// Income, cotton and weapon output of the month. Shows nothing.
void CollectMonthlyIncome();

// A nation's supply stock in a theatre; nullptr when the nation or the theatre
// is none, so that a state or city without one neither pays nor earns.
U16* TheatreSupplies(int nation, int theatre);

// What the supply stock holds, 0 when there is none.
int SuppliesHeld(const U16* supplies);
