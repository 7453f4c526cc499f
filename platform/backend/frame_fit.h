#pragma once

#include "platform/graphics/types.h"

// Where the game's frame lies in a window: as large as the window allows
// while keeping its shape, centred, with black bars along the two sides the
// window has to spare.
TRect FitFrame(int window_width, int window_height, int frame_width, int frame_height);

// Whether a frame drawn into `viewport` is enlarged by a whole factor, so each
// of its pixels becomes a square block and is best copied sharp; any other
// scale is smoothed.
bool ScalesByWholeFactor(const TRect& viewport, int frame_width, int frame_height);

// The frame pixel under a window pixel, for a frame drawn into `viewport`.
// Points in the bars map to pixels outside the frame.
TPoint WindowToFrame(TPoint window_point, const TRect& viewport, int frame_width, int frame_height);

// Where a pointer that has left the window lies: far beyond every edge of the
// frame and level with none of them, so nothing reads it as over the frame or
// over a bar beside it.
inline constexpr TPoint kPointerOutsideWindow{-32768, -32768};
