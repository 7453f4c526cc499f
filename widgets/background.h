#pragma once
// Drawing a part of a larger background: a bitmap tiled, stretched, centred
// or at the top-left corner over a fill colour, or a plain colour. Controls
// that show their form's background ask for the part under themselves.
//
// Rectangles are in the canvas's coordinates; `offset` is where the canvas's
// (0, 0) lies in the background's coordinates, and `area` is the whole
// background in the background's coordinates.
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/types.h"
#include "widgets/draw_utils.h"

// Paints at `rect` the part of the background that lies at rect + offset.
void DrawBackgroundBitmap(TCanvas& canvas, const TRect& rect, TKxBkGndType type,
                          const TBitmap& bitmap, TColor color, TPoint offset, const TRect& area);

// Paints the whole area (shifted back by `offset`, clipped to `rect`) at once,
// for caching a background: optionally dithered with `dither_color` and
// merged by exclusive-or instead of copied.
void DrawBackgroundBitmapEx(TCanvas& canvas, const TRect& rect, TKxBkGndType type,
                            const TBitmap& bitmap, bool dither, TColor dither_color, TColor color,
                            bool invert_merge, TPoint offset, const TRect& area);
