#pragma once
// Where a byte of a saved game lies, in words a player can find it by.
#include <cstddef>
#include <string>

// A byte of the game file: "army 3, byte 31", or "the game's byte 136"
// outside the tables.
std::string GameByteName(std::size_t offset);
// A byte of the map file: "hex (12, 30), byte 1".
std::string MapByteName(std::size_t offset);
