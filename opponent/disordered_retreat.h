#pragma once
// A human player's disordered corps fall back to safety on their own.

// Resets the nation's rail transfers of the turn. Every disordered corps of
// the nation heads for its supply city, and falls back further, to its army's
// headquarters or the nearest supplied city, by forced march and withdrawing,
// when it has none or an enemy corps stands within 2 hexes of it.
void RetreatDisorderedCorps(int nation);
