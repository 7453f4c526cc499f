#pragma once
// The replay of a received play-by-mail turn: every unit goes back to its start
// hex and walks the steps the sender's turn recorded, fleet pass and corps pass
// in the movement phase's order, each move shown. The replay only shows: the
// game is kept aside when it starts and put back when it ends, and no naval
// combat is fought again, so both players' games stay the same.
#include <functional>

#include "turn/movement_driver.h"

// Keeps the game aside, puts every unit on its start hex and readies the
// replay at step 1. Does nothing unless CanPlayBack().
void StartReplay();
// One replayed fleet or corps move, shown; sets TurnFinished after the last step.
void RunReplayTick(const ShowMove& show);
// Puts the game back as it was before the replay, then shows the sender's
// battles; the turn is then the receiver's to play, and the next side's orders
// phase opens.
void EndReplayedTurn(const std::function<void()>& show_battles);
