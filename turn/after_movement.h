#pragma once
// The close of a turn once the movement is over: fleet missions and battles,
// embarkation, city control, the second supply pass, the computer's forces,
// leaderless corps and politics; the 1864 election, the end date, the
// theatres' aggression and supplies; then the orders phase of the next side,
// or the victory summary when the game is over.

void RunAfterMovementPhase();
