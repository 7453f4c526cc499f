#pragma once
// The engraver's marks for the ground: trees for woods and forest, humps for wooded hills,
// shaded peaks for mountains and tufts for swamps. They fill each region of ground evenly,
// thin out toward its edges and follow the wandering edges of ground_edges.h, so a forest
// reads as a forest and not as a row of hex boxes.
#include <vector>

#include "tools/map/map_layers.h"
#include "tools/map/raster.h"

enum class Ground { Bare, Woods, Forest, Hills, Mountains, HighMountains, Swamp, DeepSwamp };

// The ground a hex's class stands for on the picture.
Ground GroundOf(const MapLayers& layers, int x, int y);

// The ground the drawing shows at a point of the map picture.
Ground GroundAt(const MapLayers& layers, PointF p);

struct TerrainMark {
  PointF At;  // the foot of the mark
  float Size = 0;
  Ground Kind = Ground::Bare;
};

// The marks, from the top of the picture down, each wholly on land and wholly off keepClear
// (the rivers, railways and city marks drawn over them).
std::vector<TerrainMark> PlaceTerrainMarks(const MapLayers& layers, const Coverage& land,
                                           const Coverage& keepClear);

void DrawTerrainMarks(Picture& picture, Coverage& scratch, const std::vector<TerrainMark>& marks);
