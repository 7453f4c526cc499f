#pragma once
// Who sees whom: each turn, and between the movement steps, the corps and
// fleets the enemy can see are marked, corps that share a hex with the enemy
// are marked for battle, and corps that lost their strength or their transport
// leave the board.

// Removes spent and drowned corps, then works out every contact afresh.
void UpdateContacts();
