#pragma once
// The map file beside a start file: the map layers of data/map/ with the
// railways open in that year and each hex owned as the start point's states
// and cities say.
#include "tools/map/map_layers.h"
#include "world/game_state.h"
#include "world/map_record.h"

void BuildStartMap(const MapSources& sources, const TGameState& game, TMapRecord& map);
