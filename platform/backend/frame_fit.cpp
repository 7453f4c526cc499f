#include "platform/backend/frame_fit.h"

#include <algorithm>
#include <cmath>

TRect FitFrame(int window_width, int window_height, int frame_width, int frame_height) {
  if (frame_width <= 0 || frame_height <= 0 || window_width <= 0 || window_height <= 0) return {};
  const int factor = std::min(window_width / frame_width, window_height / frame_height);
  int width = frame_width * factor;
  int height = frame_height * factor;
  if (factor == 0) {
    const double scale = std::min(static_cast<double>(window_width) / frame_width,
                                  static_cast<double>(window_height) / frame_height);
    width = std::max(1, static_cast<int>(std::lround(frame_width * scale)));
    height = std::max(1, static_cast<int>(std::lround(frame_height * scale)));
  }
  return TRect::Bounds((window_width - width) / 2, (window_height - height) / 2, width, height);
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
