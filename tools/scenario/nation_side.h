#pragma once
// The camp a nation fights in at a start point, shared by the builder that sets each
// command's side and the check that the side still agrees.
#include "world/game_state.h"

// 0 for a number that names no nation.
inline int SideOfNation(const TGameState& game, int nation) {
  return nation >= 1 && nation <= 4 ? game.Nations[nation].Side : 0;
}
