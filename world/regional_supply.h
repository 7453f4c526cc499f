#pragma once
// The computer's nations move supplies between their theatres each turn, so
// that no theatre starves while another has more than it needs.

// Sets the nation's demand per theatre and covers every theatre short of it:
// from each theatre with a surplus, then, for whatever is still missing, from
// nothing.
void BalanceRegionalSupply(int nation);
