#pragma once
// The computer's admirals: missions for its fleets and ships for the corps it
// sends by sea.

// Gives every computer fleet its mission and assigns transports to corps.
void PlanFleetsAndSeaTransport();
