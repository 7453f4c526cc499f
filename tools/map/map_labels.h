#pragma once
// The lettering of the map picture: state names in spaced capitals, the seas in italics and
// every city's name beside its mark, each placed where it covers no mark and no other name.
#include <vector>

#include "platform/graphics/bitmap.h"
#include "tools/map/map_layers.h"

void LetterMap(TBitmap& map, const MapLayers& layers, const std::vector<MapCity>& cities);
