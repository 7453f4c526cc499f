#pragma once
// The politics of the war, once per turn after the movement: the diplomatic
// incident of late 1861, the two capitals, the war's slow weight on the Union,
// the monthly look abroad and at the slavery policies, and the day's news.
// A side that loses its capital without a worthy place to move it, or without
// the standing to carry on, capitulates and the game ends.
void PoliticalEventsTurn();

// The loser (1 or 2) hands every city, state and brigade to the winner; its
// corps and fleets are disbanded and the game is over.
void CapitulateSide(int loser, int winner);

// The nation's government moves to the city, and the world takes note.
void CapitalFalls(int nation, int city);

// The best capital city of the nation's own states to move to from the lost
// one; 0 when none is left.
int ChooseNewCapital(int oldCapital, int nation);
