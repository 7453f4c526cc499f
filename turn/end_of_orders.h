#pragma once
// The end of the orders phase: once every side has given its orders, the game
// is saved, commands are cleaned up, the calendar, the weather and (at the
// start of a month) the economy move on, the computer players and every
// per-turn rule give their orders, and each unit's start hex is recorded for
// the movement that follows.

// Days 1..7: the turn that opens a month, whose end of orders runs the
// month's economy.
bool IsFirstTurnOfMonth();

void RunEndOfOrdersPhase();
