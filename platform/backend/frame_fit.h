#pragma once

#include "platform/graphics/types.h"

// Where the game's frame lies in a window: scaled by the largest whole
// factor that fits, centred, with black bars round it. A window too small
// for the frame at its own size shows it shrunk, keeping its shape.
TRect FitFrame(int window_width, int window_height, int frame_width, int frame_height);

// The frame pixel under a window pixel, for a frame drawn into `viewport`.
// Points in the bars map to pixels outside the frame.
TPoint WindowToFrame(TPoint window_point, const TRect& viewport, int frame_width, int frame_height);
