#pragma once
// The committed map data, read once per test program.
#include <filesystem>

#include "tools/map/map_layers.h"

struct CommittedMap {
  MapLayers Layers;
  std::vector<MapCity> Cities;
  std::vector<HexSide> WaterSides;
};

inline const std::filesystem::path kMapData = GRAYMARCH_MAP_DATA;

inline const CommittedMap& TheCommittedMap() {
  static const CommittedMap map{ReadMapLayers(kMapData), ReadMapCities(kMapData / "cities.txt"),
                                ReadHexSides(kMapData / "water-sides.txt")};
  return map;
}
