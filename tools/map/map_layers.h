#pragma once
// The map as the readable text layers of data/map/: one character per hex for water and
// terrain, state, owner, river route, river control and railway, three digits per hex for
// the side codes. The loader turns them into the saved map record and back.
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "world/map_record.h"

class MapDataError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The lines of one data file.
std::vector<std::string> ReadDataLines(const std::filesystem::path& file);
// Names the file and line, so a fault in the data points straight at itself.
[[noreturn]] void FailAtLine(const std::filesystem::path& file, int line, const std::string& what);

// A grid holds one string per row (rows 1..54), each with one character per column (1..76);
// the side grid holds three digits per column (N, NE, SE).
using LayerGrid = std::vector<std::string>;

struct MapLayers {
  LayerGrid Terrain;  // '0' water .. '7'
  LayerGrid State;    // one code of kStateCodes per hex
  LayerGrid Owner;    // '0', '1', '2'
  LayerGrid Route;    // 'R' or '.'
  LayerGrid Flag7;    // '7' or '.'
  LayerGrid Rail;     // '1' from 1861, '2' from 1862, '.' none
  LayerGrid Sides;    // "ddd" per hex, no blanks

  friend bool operator==(const MapLayers&, const MapLayers&) = default;
};

// State n (0..37) is written as character n of this string.
inline constexpr std::string_view kStateCodes = ".123IWLMNOPYHV4SRCJmktvxaslncgbfDEZwBF";

struct MapCity {
  int Number = 0;
  int X = 0;
  int Y = 0;
  int State = 0;
  bool SeaPort = false;
  bool RiverPort = false;
  double MarkX = 0;  // the city's mark in the map picture
  double MarkY = 0;
  std::string Name;
};

// Side Direction (1 N, 2 NE, 3 SE) of hex (X, Y).
struct HexSide {
  int X = 0;
  int Y = 0;
  int Direction = 0;
};

MapLayers ReadMapLayers(const std::filesystem::path& folder);
void WriteMapLayers(const MapLayers& layers, const std::filesystem::path& folder);
std::vector<MapCity> ReadMapCities(const std::filesystem::path& file);
std::vector<HexSide> ReadHexSides(const std::filesystem::path& file);

// Everything a folder of map data holds: the layers, the cities and the sides across water.
struct MapSources {
  MapLayers Layers;
  std::vector<MapCity> Cities;
  std::vector<HexSide> WaterSides;
};
MapSources ReadMapSources(const std::filesystem::path& folder);

// The record of the map in the given year: railways opened later are left out.
TMapRecord BuildMapRecord(const MapLayers& layers, int year);
// The layers of a record; every railway reads as open from 1861.
MapLayers LayersOfRecord(const TMapRecord& record);
