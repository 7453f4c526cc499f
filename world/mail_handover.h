#pragma once
// The save command, which in play by mail also closes the sender's turn: the
// battle file goes with the game, and the move passes to the other side.

// Asks for a name and saves the game; in play by mail also writes the battle
// file and offers to hand the turn to the opponent. A start file's name is
// refused, replacing a saved game asked about (save_names.h; OK alone keeps
// it) and a save the system refuses told, each time returning to the dialog
// with the name kept.
void SaveGameDialog();
