#pragma once
// The computer players' turn: each computer nation plans its theatres, armies
// and corps once per turn, at the end of the orders.
// Not written yet: the end of the orders calls it in its place, and the
// computer nations give no orders.

// Runs the orders of every computer nation in turn.
void RunNationTurnLoop();
