#pragma once
// A saved game given as bytes (the game file followed by its map file), loaded
// as the game loads a file and, when the load accepts it, played for one turn
// by the computer on every side with every invariant checked: what the
// saved-game fuzzer runs on each input and the corpus replay runs again.
// The files go to the working folder.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

struct LoadedTurn {
  bool loaded = false;
  std::string refusal;              // the message of a load that refused the game
  std::vector<std::string> broken;  // each invariant broken, headed by its phase
};

// The images' length, game file then map file; other lengths are not a game.
std::size_t GameImagesSize();

LoadedTurn LoadAndPlayOneTurn(std::span<const std::uint8_t> images);
