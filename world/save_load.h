#pragma once
// A game lives in two files: the image of GameState (".GMR") and the image of
// MapRecord (".GMP") beside it, with the same name. The three start files are
// ordinary game files.
#include <cstddef>
#include <span>
#include <string>

#include "world/file_io.h"
#include "world/game_state.h"
#include "world/map_record.h"

inline constexpr std::size_t kGameFileSize = sizeof(TGameState);
inline constexpr std::size_t kMapFileSize = sizeof(TMapRecord);

// The file's path without the extension of its name: "games/Game7.GMR" gives
// "games/Game7"; a name without an extension is kept whole.
std::string NameWithoutExtension(const std::string& file);

// What GameFileName becomes for a game file: the name less its extension, the
// dot kept ("1861.gmr" gives "1861."); the companion files add "GMP" or "BTL".
std::string GameFileNameOf(const std::string& file);

// With no human side the players watch, and see every report; the load
// chooses so once the set-up has said who plays.
void ChooseMessageView();

// What the load rebuilds once the file's records are repaired and the set-up
// is done: the message view and, unless a mail turn is in progress, the
// figures derived from the records (derived_state.h).
void RebuildLoadedFigures();

// Writes name + ".GMR", name + ".GMP" and any companion files (a mail turn's
// battles) as one set: all are replaced, or none. A failure is told to the
// player; the result says whether it saved.
bool SaveGame(const std::string& name, std::span<const FileToWrite> companions = {});

// Loads the game file (its name with its extension) and its map, repairs them
// and prepares the game for play. A file that is missing, of the wrong size,
// holding a reference beyond its table or a game the rules cannot play
// (game_consistency.h), as it is or once the load has repaired it, or one that
// would not save and load back to itself, is refused with a message, and the
// game in play stays as it was. The result says whether the game was loaded.
bool LoadGame(const std::string& fileName);

// Asks for a game file until one loads or the player cancels, then readies the
// loaded game for the side to play. The result says whether a game was loaded.
bool LoadGameDialog();
