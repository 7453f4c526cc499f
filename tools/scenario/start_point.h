#pragma once
// Builds one start point's game record from the shared sources and the tables
// of its folder (data/scenario/<year>/). The same sources always give the same
// bytes: the record starts zeroed and every field is written from the tables or
// from a fixed rule.
#include <filesystem>

#include "tools/scenario/scenario_sources.h"
#include "world/game_state.h"

void BuildStartPoint(const ScenarioSources& sources, const std::filesystem::path& folder,
                     TGameState& game);
