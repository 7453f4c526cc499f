#pragma once
// What a player reads from the drawn rivers: a tributary meets the great river it flows into,
// and a river town stands on its own bank, clear of the water.
#include <span>
#include <string>
#include <vector>

#include "tools/map/map_art.h"

// A tributary and the hex its mouth lies in.
struct RiverMouth {
  const char* River;
  int X;
  int Y;
};

enum class Bank { North, South, East, West };

struct TownBank {
  const char* City;
  Bank Side;
};

// One sentence per fault; empty when every river line ending in a mouth hex ends on another
// great river's line.
std::vector<std::string> CheckMouths(const MapArt& art, std::span<const RiverMouth> mouths);
// One sentence per town whose mark is not on its bank of the nearest great river.
std::vector<std::string> CheckBanks(const MapArt& art, std::span<const TownBank> banks);
// Both, for the tributaries of the Mississippi and the river towns a player knows.
std::vector<std::string> CheckRiverLines(const MapArt& art);
