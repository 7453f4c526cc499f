#pragma once
// Corps take their supply city and the map its owners from the nearest city that fits, so
// both settle ties the same way: the lower city number wins.
#include <cstdint>

#include "world/game_state.h"
#include "world/hex_grid.h"

// The nearest city within `range` hexes of (x, y) that passes the test; 0 when there is none.
template <typename Test>
int NearestCity(const TGameState& game, int x, int y, int range, Test test) {
  int best = 0;
  int bestDistance = range + 1;
  for (int c = 1; c <= 86; ++c) {
    const TCity& city = game.Cities[c];
    const int distance =
        HexDistance(static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y), city.X, city.Y);
    if (distance < bestDistance && test(city)) {
      best = c;
      bestDistance = distance;
    }
  }
  return best;
}
