#pragma once
// The names a game may be saved under. The start files (1861, 1862 and 1863,
// each with its map) belong to the game: no save writes them, in whatever
// folder or letter case their name is typed, since files are found whatever
// the case of their names. A save that would replace another saved game asks
// first, except the Autosave, which every turn writes anew.
#include <optional>
#include <string>

// The file the game saves itself to at the end of every orders phase.
inline constexpr const char* kAutosaveName = "Autosave";

// Whether the game's name (a path, its extension left off) is a start file's.
bool IsStartFileName(const std::string& name);

// The saved game that saving under the name would replace, for the player to
// be asked about: its name as spelt on disk ("Alpha" for "aLPHA" typed over
// Alpha.GMR), without folder or extension. Nothing when there is none, or for
// the Autosave.
std::optional<std::string> SavedGameReplaced(const std::string& name);

// The name to save a set under: the saved game's own spelling when it is
// replaced ("games/Alpha" for "games/aLPHA" typed over Alpha.GMR), so that
// every file of the set, a new battle file too, is spelt alike; else as typed.
std::string NameAsSpeltOnDisk(const std::string& name);

// What the save dialog offers: the game last saved (SavedGameName), or else
// the game loaded (a received mail game's own name), but never a start file:
// that box is empty.
std::string ProposedSaveName();
