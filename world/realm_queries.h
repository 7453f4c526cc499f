#pragma once
// Which entries of the realm's tables an index names, and the camp a nation
// fights in: what nearly every rule asks before it reads a nation or a city.
#include "world/table_slots.h"
#include "world/vardecl.h"

inline bool IsNation(int nation) {
  return IsEntryOf(GameState.Nations, nation);
}

inline bool IsCity(int city) {
  return IsEntryOf(GameState.Cities, city);
}

// The camp a nation (1..4) fights in; camp 0 for no nation.
int CampOfNation(int nation);
