#pragma once
// The map of the election of 1864: the states outlined in black on a light
// ground, so that the count can flood each state's region blue or red from a
// point inside it.
#include <span>

#include "platform/graphics/bitmap.h"

constexpr int kElectionMapWidth = 646;
constexpr int kElectionMapHeight = 452;

struct ElectionFillPoint {
  int state;
  TPoint point;
};

// The point inside each state that takes part in the count.
std::span<const ElectionFillPoint> ElectionFillPoints();

TBitmap DrawElectionMap();
