#pragma once
// The computer's admirals: missions for its fleets and ships for the corps it
// sends by sea.
// Not written yet: the end of the orders calls it in its place, and the
// computer gives its fleets no orders.

// Gives every computer fleet its mission and assigns transports to corps.
void PlanFleetsAndSeaTransport();
