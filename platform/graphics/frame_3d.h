#pragma once
// Frames drawn as rings of one-pixel lines: the light colour on the top and
// left, the dark one on the bottom and right. Panels, bevels and gauges use
// them.
#include "platform/graphics/canvas.h"
#include "platform/graphics/types.h"

enum class TBorderStyle { bsNone, bsSingle };

// Draws `width` rings inside `rect` and shrinks it to the area inside them.
void Frame3D(TCanvas& canvas, TRect& rect, TColor top_left, TColor bottom_right, int width);
