#pragma once
// The ornaments of a printed map, set in the open Atlantic where no coast runs: a compass
// rose and a scale of miles (one hex is about 24 miles across).
#include "tools/map/raster.h"

// Where the scale of miles starts and how long 100 miles are, for its lettering.
inline constexpr PointF kScaleOrigin{1760, 1430};
inline constexpr float kPixelsPer100Miles = 100.0f / 24.0f * 28.0f;
inline constexpr PointF kCompassCentre{1930, 1250};

void DrawOrnaments(Picture& picture, Coverage& scratch);
