#pragma once
// A player's merge and split of fleets on one hex: how many ships of each type
// (ironclads, warships, transports) go from one fleet to the other.
#include <array>

using ShipChoice = std::array<int, 3>;

// Every ship of the fleet, type by type, sound and damaged together.
ShipChoice AllShips(int fleet);

// Whether the fleet may merge into the partner: an active fleet of the nation
// on the same hex and of the same kind, and not one already carrying a corps
// when the fleet carries one, since merging every ship would strand it.
bool MayMergeWith(int fleet, int partner, int nation);

// The chosen ships, sound ones first, go to the partner. A fleet left without
// ships hands its corps (when the partner has none), supplies and cotton over
// and frees its slot; true when it did.
bool MergeChosenShips(int fleet, int partner, const ShipChoice& chosen);

// The chosen ships leave the fleet as a new fleet of the nation in the free
// slot, with the fleet's place, orders and kind, and nothing aboard. Choosing
// every ship, or none, splits nothing; true when the new fleet was made.
bool SplitChosenShips(int fleet, int slot, const ShipChoice& chosen, int nation);
