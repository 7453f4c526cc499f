#pragma once
// What a computer nation keeps back in each theatre for the rest of the month:
// its demand there times the weeks left (4 on day 1, 3 on day 11, 1 on day 21).
// It spends a theatre's supplies on recruits, rail and forts only above this.
#include <algorithm>
#include <cstdint>

#include "world/vardecl.h"

// In 32 bits: a large demand must not wrap to a small reserve.
inline std::int32_t TheatreReserve(int nation, int theatre) {
  const int weeksLeft = std::max(0, (32 - GameState.Day) / 7);
  return static_cast<std::int32_t>(GameState.Nations[nation].SupplyDemand[theatre]) * weeksLeft;
}
