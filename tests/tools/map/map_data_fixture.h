#pragma once
// The committed map data and its picture lines, each read once per test program.
#include "tools/map/map_art.h"
#include "tools/map/map_layers.h"

inline const MapSources& TheCommittedMap() {
  static const MapSources map = ReadMapSources(GRAYMARCH_MAP_DATA);
  return map;
}

inline const MapArt& TheCommittedArt() {
  static const MapArt art = ReadMapArt(GRAYMARCH_MAP_DATA);
  return art;
}
