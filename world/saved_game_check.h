#pragma once
// Checks a game read from a file before it replaces the one in play: every
// field that names an entry of a table (a city, a leader, a corps, a state, a
// nation, a camp, a theatre, a weapon) must lie within that table; 0 is always
// allowed, as "none". Slots that are free are not checked, since nothing reads
// them before they are filled again. A field of a few codes (the play mode, a
// nation's camp) must hold one of them.
#include <string>

#include "world/game_state.h"
#include "world/map_record.h"

// The first field out of range, as a sentence for the player; empty when none is.
std::string FindIndexOutOfRange(const TGameState& game);
std::string FindIndexOutOfRange(const TMapRecord& map);
