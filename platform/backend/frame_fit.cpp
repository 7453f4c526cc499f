#include "platform/backend/frame_fit.h"

#include <algorithm>

TRect FitFrame(int window_width, int window_height, int frame_width, int frame_height) {
  if (frame_width <= 0 || frame_height <= 0 || window_width <= 0 || window_height <= 0) return {};
  const long long across = static_cast<long long>(window_width) * frame_height;
  const long long down = static_cast<long long>(window_height) * frame_width;
  int width = window_width;
  int height = window_height;
  // The window is wider than the frame's shape: bars left and right;
  // otherwise taller: bars above and below.
  if (across > down) {
    width = static_cast<int>((down + frame_height / 2) / frame_height);
  } else {
    height = static_cast<int>((across + frame_width / 2) / frame_width);
  }
  width = std::max(1, width);
  height = std::max(1, height);
  return TRect::Bounds((window_width - width) / 2, (window_height - height) / 2, width, height);
}

bool ScalesByWholeFactor(const TRect& viewport, int frame_width, int frame_height) {
  if (frame_width <= 0 || frame_height <= 0 || viewport.IsEmpty()) return false;
  const int factor = viewport.Width() / frame_width;
  return factor >= 1 && viewport.Width() == factor * frame_width &&
         viewport.Height() == factor * frame_height;
}

namespace {

// Floor division, so points left of or above the viewport map below zero.
int Scale(int offset, int frame_size, int viewport_size) {
  const long long product = static_cast<long long>(offset) * frame_size;
  long long quotient = product / viewport_size;
  if (product % viewport_size != 0 && product < 0) --quotient;
  return static_cast<int>(quotient);
}

}  // namespace

TPoint WindowToFrame(TPoint window_point, const TRect& viewport, int frame_width,
                     int frame_height) {
  if (viewport.IsEmpty()) return {-1, -1};
  return {Scale(window_point.X - viewport.Left, frame_width, viewport.Width()),
          Scale(window_point.Y - viewport.Top, frame_height, viewport.Height())};
}
