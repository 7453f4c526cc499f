#pragma once
// What the map picture is drawn from: the projected vector lines of data/map/lines/, the hex
// layers and the cities' marks.
#include <filesystem>
#include <map>
#include <vector>

#include "tools/map/map_layers.h"
#include "tools/map/raster.h"

// One polyline with the numbers written before it (a state, a width class, a year).
struct TaggedLine {
  std::vector<int> Tags;
  Polyline Points;
};

struct MapArt {
  MapLayers Layers;
  std::vector<MapCity> Cities;
  std::vector<TaggedLine> Land;      // feature id, state; rings
  std::vector<TaggedLine> Lakes;     // lake id; rings
  std::vector<TaggedLine> Borders;   // no tags
  std::vector<TaggedLine> Rivers;    // width class 1..3
  std::vector<TaggedLine> Railways;  // first year
};

MapArt ReadMapArt(const std::filesystem::path& folder);

// Rings grouped by the feature (state or country) they belong to, each group read even-odd.
std::map<int, std::vector<Polyline>> RingsByFeature(const std::vector<TaggedLine>& lines);

// The hex-centre pixel of (x, y) in the map picture: each hex's 28-pixel box starts at
// ((x - 1) * 28, (y - 1) * 28), 14 pixels lower in even columns.
PointF HexCentrePixel(int x, int y);
