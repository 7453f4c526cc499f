#pragma once
// How far each pixel of water lies from the nearest land, in pixels; 0 on land.
#include <vector>

#include "tools/map/raster.h"

std::vector<float> DistanceFromLand(const Coverage& land);
