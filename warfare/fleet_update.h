#pragma once
// The fleets' per-turn upkeep at the end of the orders: paths laid toward
// their destinations, blockade of the computer's fleets, and the naval totals.
// Not written yet: the end of the orders calls these in their place, and they
// change nothing.

// Lays every fleet's path for the turn and applies blockade and arrivals.
void UpdateFleets();
// Counts each nation's ships and its naval balance against the enemy.
void ComputeNavalTotals();
