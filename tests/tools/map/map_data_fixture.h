#pragma once
// The committed map data, read once per test program.
#include "tools/map/map_layers.h"

inline const MapSources& TheCommittedMap() {
  static const MapSources map = ReadMapSources(GRAYMARCH_MAP_DATA);
  return map;
}
