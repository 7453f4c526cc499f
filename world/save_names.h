#pragma once
// The names a game may be saved under. The start files (1861, 1862 and 1863,
// each with its map) belong to the game: no save writes them, in whatever
// folder or letter case their name is typed, since files are found whatever
// the case of their names. A save that would replace another saved game asks
// first, except the Autosave, which every turn writes anew.
#include <string>

// The file the game saves itself to at the end of every orders phase.
inline constexpr const char* kAutosaveName = "Autosave";

// Whether the game's name (a path, its extension left off) is a start file's.
bool IsStartFileName(const std::string& name);

// Whether saving under the name replaces a saved game the player is asked about.
bool ReplacesSavedGame(const std::string& name);

// What the save dialog offers: the game last saved (SavedGameName), or else
// the game loaded (a received mail game's own name), but never a start file:
// that box is empty.
std::string ProposedSaveName();
