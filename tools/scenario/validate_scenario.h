#pragma once
// Everything the rules need of a start file, checked before it is written and
// by the tests on every shipped start point. Each finding is one readable line;
// a start point is sound when there are none. The map checks run only when a
// map is given.
#include <string>
#include <vector>

#include "world/game_state.h"
#include "world/map_record.h"

std::vector<std::string> ValidateScenario(const TGameState& game, const TMapRecord* map = nullptr);

// A brigade's full strength in points: artillery 16, infantry 80, cavalry 50.
int FullBrigadeStrength(int arm);
