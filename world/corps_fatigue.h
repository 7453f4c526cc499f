#pragma once
// A corps' fatigue is kept twice: on the corps and on each of its brigades.
// Marching, resting and fighting change both alike.
#include <algorithm>
#include <cstdint>

#include "world/codes.h"
#include "world/vardecl.h"

// A brigade serving in the corps (not a garrison that shares its number).
inline bool IsBrigadeOfCorps(const TBrigade& brigade, int corps) {
  return brigade.Status == TBrigadeStatus::InCorps && brigade.Location == corps;
}

// Replaces the fatigue f of the corps and of each of its brigades by change(f),
// kept within a byte.
template <typename Change>
void ChangeCorpsFatigue(int corps, Change change) {
  const auto store = [&change](std::uint8_t& fatigue) {
    fatigue = static_cast<std::uint8_t>(std::clamp<int>(change(int{fatigue}), 0, 255));
  };
  store(GameState.Corps[corps].Fatigue);
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    if (IsBrigadeOfCorps(brigade, corps)) store(brigade.Fatigue);
  }
}

// Adds to (or, for a negative amount, takes from) the fatigue of the corps and
// its brigades; none falls below 0.
inline void AddCorpsFatigue(int corps, int amount) {
  ChangeCorpsFatigue(corps, [amount](int fatigue) { return fatigue + amount; });
}
