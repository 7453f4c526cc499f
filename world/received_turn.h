#pragma once
// Whether a received mail turn waits to be replayed. Loading and saving, the
// menus and the turn itself all ask or tell it, so it lives below the turn's
// phases; the replay itself (turn/movement_replay.h) reads it.

// Whether the game is a received mail turn, the one kind that is played back:
// loaded in PlayMode 4 and not yet replayed. The machine that executed and
// sent the turn holds the same mode, with nothing received to replay.
bool CanPlayBack();
// A loaded game may hold a received turn; a turn executed or replayed here
// holds none.
void NoteTurnLoaded();
void NoteTurnExecuted();
