#pragma once
// The program on whatever backend is installed: the main window opened on
// the files beside the program, its message loop, and the exit code.
#include <filesystem>

// Runs until the window closes or the player quits; 0 then, or 1 when a file
// the game needs is missing or damaged (the player is told which first).
int RunMainWindow(const std::filesystem::path& game_folder);
