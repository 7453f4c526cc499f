#pragma once
// A nation's rail capacity is the number of loads its railways carry in a
// turn; corps moving by rail and the transfers of supplies and cotton between
// theatres draw on the same count (see rail_gates.h).

// Moves one load of 100 supplies or cotton from one theatre to another; false,
// moving nothing, when no capacity is left, the source holds fewer than 100 or
// the destination could not hold them.
bool TransferLoad(int nation, bool cotton, int from, int to);

// Buys one unit of rail capacity with 100 supplies from the theatre holding
// most (the first of equals); returns that theatre, or 0 when none holds 100.
int BuyRailCapacity(int nation);
