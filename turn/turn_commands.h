#pragma once
// The two commands that frame an executed turn, shared by the main window and
// the headless turn runner so both play a turn alike: the execute command that
// closes the orders phase, and the close of the turn once the movement is over.

// Marks the current side's orders as given. Once every human side has given
// its orders (in play by mail the one side always has), runs the end of the
// orders and readies the movement phase at step 1, and the result is true; the
// movement timer then goes on. Otherwise each side still to give orders is
// told so and the result is false. No side is current afterwards either way.
bool ExecuteOrders();

// The close of an executed turn: the after-movement phase; a play-by-mail turn
// becomes one to send; and, unless the game is over, the orders phase of the
// next side with nothing in hand.
void EndExecutedTurn();

// After a turn, executed or replayed: unless the game is over, the menus of
// the orders phase for the side that plays next, with nothing in hand.
void OpenNextOrdersPhase();
