// The colour model, gradients and alpha blending of the drawing routines.
#include <algorithm>
#include <functional>

#include "platform/graphics/canvas.h"
#include "widgets/draw_utils.h"
#include "widgets/tools.h"

namespace {

constexpr int kHLSMax = 252;
constexpr int kRGBMax = 255;
constexpr int kUndefinedHue = kHLSMax * 2 / 3;

int WrapHue(int hue) {
  if (hue < 0) hue += kHLSMax;
  if (hue > kHLSMax) hue -= kHLSMax;
  return hue;
}

}  // namespace

TColor RGBToHLS(TColor rgb) {
  rgb = ColorToRGB(rgb);
  const int r = GetRValue(rgb);
  const int g = GetGValue(rgb);
  const int b = GetBValue(rgb);
  const int max = std::max({r, g, b});
  const int min = std::min({r, g, b});
  const int sum = max + min;
  const int lightness = (sum * kHLSMax + kRGBMax) / (2 * kRGBMax);
  if (max == min) return PackHLS(kUndefinedHue, lightness, 0);
  const int d = max - min;
  const int saturation = lightness <= kHLSMax / 2
                             ? (d * kHLSMax + sum / 2) / sum
                             : (d * kHLSMax + (2 * kRGBMax - sum) / 2) / (2 * kRGBMax - sum);
  const auto delta = [&](int channel) { return ((max - channel) * (kHLSMax / 6) + d / 2) / d; };
  int hue = 0;
  if (r == max) {
    hue = delta(b) - delta(g);
  } else if (g == max) {
    hue = kHLSMax / 3 + delta(r) - delta(b);
  } else {
    hue = 2 * kHLSMax / 3 + delta(g) - delta(r);
  }
  return PackHLS(WrapHue(hue), lightness, saturation);
}

int HueToRGB(int m1, int m2, int hue) {
  hue = WrapHue(hue);
  constexpr int sixth = kHLSMax / 6;
  if (hue < sixth) return m1 + ((m2 - m1) * hue + sixth / 2) / sixth;
  if (hue < kHLSMax / 2) return m2;
  if (hue < 2 * kHLSMax / 3) return m1 + ((m2 - m1) * (2 * kHLSMax / 3 - hue) + sixth / 2) / sixth;
  return m1;
}

TColor HLSToRGB(TColor hls) {
  const int hue = GetRValue(hls);
  const int lightness = GetGValue(hls);
  const int saturation = GetBValue(hls);
  if (saturation == 0) {
    const int grey = lightness * kRGBMax / kHLSMax;
    return RGB(grey, grey, grey);
  }
  const int m2 = lightness <= kHLSMax / 2
                     ? (lightness * (kHLSMax + saturation) + kHLSMax / 2) / kHLSMax
                     : lightness + saturation - (lightness * saturation + kHLSMax / 2) / kHLSMax;
  const int m1 = 2 * lightness - m2;
  const auto channel = [&](int h) {
    return std::clamp((HueToRGB(m1, m2, h) * kRGBMax + kHLSMax / 2) / kHLSMax, 0, kRGBMax);
  };
  return RGB(channel(hue + kHLSMax / 3), channel(hue), channel(hue - kHLSMax / 3));
}

namespace {

// Calls `paint` for each band of a gradient over `rect` with its colour.
void ForEachBand(const TRect& rect, TColor start_color, TColor end_color, int steps, bool vertical,
                 const std::function<void(const TRect&, TColor)>& paint) {
  const TColor start = ColorToRGB(start_color);
  const TColor end = ColorToRGB(end_color);
  if (start == end || steps == 1) {
    paint(rect, start);
    return;
  }
  if (steps < 1) return;
  const int extent = vertical ? rect.Height() : rect.Width();
  const auto mix = [&](int from, int to, int i) { return from + MulDiv(i, to - from, steps - 1); };
  for (int i = 0; i < steps; ++i) {
    const int near = MulDiv(i, extent, steps);
    const int far = MulDiv(i + 1, extent, steps);
    const TRect band = vertical ? TRect{rect.Left, rect.Top + near, rect.Right, rect.Top + far}
                                : TRect{rect.Left + near, rect.Top, rect.Left + far, rect.Bottom};
    paint(band,
          RGB(mix(GetRValue(start), GetRValue(end), i), mix(GetGValue(start), GetGValue(end), i),
              mix(GetBValue(start), GetBValue(end), i)));
  }
}

void PaintBand(TCanvas& canvas, const TRect& band, TColor color) {
  const TBrush brush = canvas.Brush;
  canvas.Brush = TBrush{color, bsSolid};
  canvas.PatBlt(band, PATCOPY);
  canvas.Brush = brush;
}

}  // namespace

void GradientFill(TCanvas& canvas, const TRect& rect, TColor start_color, TColor end_color,
                  int steps, bool vertical) {
  ForEachBand(rect, start_color, end_color, steps, vertical,
              [&](const TRect& band, TColor color) { PaintBand(canvas, band, color); });
}

void GradientFillClipped(TCanvas& canvas, const TRect& clip_rect, const TRect& rect, TPoint offset,
                         TColor start_color, TColor end_color, int steps, bool vertical) {
  TRect window = clip_rect;
  window.Offset(offset.X, offset.Y);
  ForEachBand(rect, start_color, end_color, steps, vertical, [&](const TRect& band, TColor color) {
    TRect part = band.Intersect(window);
    if (part.IsEmpty()) return;
    PaintBand(canvas, part.Offset(-offset.X, -offset.Y), color);
  });
}

void AlphaFillRect(TCanvas& canvas, const TRect& rect, TColor color, int alpha) {
  const TColor paint = ColorToRGB(color);
  const auto blend = [alpha](int old, int fresh) {
    return ((256 - alpha) * old + alpha * fresh) >> 8;
  };
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    for (int x = rect.Left; x < rect.Right; ++x) {
      const TColor old = canvas.Pixel(x, y);
      if (old == clNone) continue;
      canvas.SetPixel(
          x, y,
          RGB(blend(GetRValue(old), GetRValue(paint)), blend(GetGValue(old), GetGValue(paint)),
              blend(GetBValue(old), GetBValue(paint))));
    }
  }
}
