#pragma once
// Where one kind of ground gives way to another in the map pictures. The hex classes meet
// along the straight sides of the hex boxes, and drawn that way forests and swamps come out
// as ruled blocks. The drawing looks up the ground of a point a little way off instead, moved
// by a smooth noise that is the same at every build, so the regions meet along wandering
// edges that never stray further than kMaxGroundShift (on each axis) from the hex sides. The
// hexes themselves, which the rules read, are untouched.
#include <cstdint>
#include <optional>

#include "tools/map/raster.h"
#include "world/hex_grid.h"

inline constexpr float kHexBoxPixels = 28;
inline constexpr float kMaxGroundShift = 14;

// The hex whose box holds the pixel: each box is 28 pixels square, from ((x - 1) * 28,
// (y - 1) * 28), 14 pixels lower in even columns; nothing off the map.
std::optional<THexPos> HexUnderPixel(PointF p);

// How far from the point its ground is looked up.
PointF GroundShift(PointF p);

// The hex whose ground the drawing shows at the point.
std::optional<THexPos> GroundHexAt(PointF p);

// A number in [0, 1) fixed by two integers and a seed.
float HashUnit(int i, int j, std::uint32_t seed);

// Noise in [-1, 1] that changes smoothly over about one unit.
float SmoothNoise(float x, float y, std::uint32_t seed);
