#pragma once
// The engraver's marks for the ground: trees for woods and forest, humps for wooded hills,
// shaded peaks for mountains and tufts for swamps, scattered over each hex of that ground.
#include "tools/map/map_layers.h"
#include "tools/map/raster.h"

void DrawTerrainMarks(Picture& picture, Coverage& scratch, const Coverage& land,
                      const MapLayers& layers);
