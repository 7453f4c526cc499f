#pragma once
// The opening of the game: the start point or saved game the player chooses,
// its set-up, and the side that gives the first orders.
#include <cstdint>
#include <filesystem>

// 1 from the main window's creation until its timer has ticked once.
extern std::uint16_t FirstTick;

// Asks for a start point or a saved game until one loads: cancelling the load
// dialog, or a start file that will not load, asks again. The start files are
// read from `game_folder`. Ends without a game once the program is closing.
void StartMenu(const std::filesystem::path& game_folder);
