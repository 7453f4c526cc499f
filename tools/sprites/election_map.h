#pragma once
// The map of the election of 1864: the states outlined in black on a light
// ground, so that the count can flood each state's region blue or red from a
// point inside it.
#include "platform/graphics/bitmap.h"
#include "world/election.h"

constexpr int kElectionMapWidth = 646;
constexpr int kElectionMapHeight = 452;

TBitmap DrawElectionMap();
