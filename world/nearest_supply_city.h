#pragma once
// Where a corps of the computer's choosing falls back to be supplied.

// The supplied city of the nation's camp that is cheapest to reach from the
// corps: its distance, 15 more when an enemy corps stands on a city that is
// not a plain depot, 2 more in another state than the corps'. Only a cost
// below 50 counts; the first city wins a tie. 0 when none.
int NearestSupplyCity(int corps, int nation);
