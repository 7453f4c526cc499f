#pragma once
// The rules a start map must keep before the game may load it: every city on a town hex
// and no town anywhere else, river ports on the river routes, the hexes the game repairs at
// every load already right, neutral Kentucky, and no land unit walking across open water.
#include <string>
#include <vector>

#include "tools/map/map_layers.h"
#include "world/map_record.h"

// One sentence per fault; empty when the map is sound. Kentucky is neutral only in 1861.
std::vector<std::string> CheckMap(const TMapRecord& map, int year,
                                  const std::vector<MapCity>& cities,
                                  const std::vector<HexSide>& waterSides);
