#pragma once
// The small solid triangles on spin, up-down and menu buttons.
#include "platform/graphics/canvas.h"
#include "platform/graphics/types.h"

enum class TArrowDirection { adUp, adDown, adLeft, adRight };

// Row r of the triangle lies r pixels behind `tip` and is 2r + 1 pixels wide.
void DrawArrowHead(TCanvas& canvas, TPoint tip, TArrowDirection direction, int rows, TColor color);

// A three-row arrow in the middle of a button, its tip one pixel past the
// middle.
void DrawButtonArrow(TCanvas& canvas, const TRect& button, TArrowDirection direction, TColor color);
