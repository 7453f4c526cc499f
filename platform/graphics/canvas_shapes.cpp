// Lines and filled shapes: pen outlines, brush interiors.
#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"

namespace {

// The points of a line from a up to, not including, b.
template <typename Plot>
void WalkLine(TPoint a, TPoint b, Plot plot) {
  const int dx = std::abs(b.X - a.X);
  const int dy = -std::abs(b.Y - a.Y);
  const int sx = a.X < b.X ? 1 : -1;
  const int sy = a.Y < b.Y ? 1 : -1;
  int err = dx + dy;
  TPoint p = a;
  while (p != b) {
    plot(p.X, p.Y);
    const int e2 = 2 * err;
    if (e2 >= dy) {
      err += dy;
      p.X += sx;
    }
    if (e2 <= dx) {
      err += dx;
      p.Y += sy;
    }
  }
}

}  // namespace

void TCanvas::MoveTo(int x, int y) {
  pen_pos_ = {x, y};
}

// A wide pen stamps a square of its width centred on each point of the line.
void TCanvas::LineTo(int x, int y) {
  const TPoint from = pen_pos_ + origin_;
  const TPoint to = TPoint{x, y} + origin_;
  pen_pos_ = {x, y};
  if (Pen.Style == psClear) return;
  const TColor rgb = ColorToRGB(Pen.Color);
  const int width = std::max(1, Pen.Width);
  WalkLine(from, to, [&](int px, int py) {
    if (width == 1) {
      PlotDevice(px, py, rgb);
    } else {
      FillDevice(TRect::Bounds(px - width / 2, py - width / 2, width, width), rgb);
    }
  });
  Changed();
}

void TCanvas::Polyline(std::span<const TPoint> points) {
  if (points.empty()) return;
  MoveTo(points[0].X, points[0].Y);
  for (std::size_t i = 1; i < points.size(); ++i) LineTo(points[i].X, points[i].Y);
}

// Even-odd filling, sampled at pixel centres, then the closed outline.
void TCanvas::Polygon(std::span<const TPoint> points) {
  if (points.size() < 2) return;
  if (Brush.Style == bsSolid && points.size() >= 3) {
    const TColor rgb = ColorToRGB(Brush.Color);
    auto [low, high] = std::minmax_element(points.begin(), points.end(),
                                           [](TPoint a, TPoint b) { return a.Y < b.Y; });
    for (int y = low->Y; y < high->Y; ++y) {
      const double cy = y + 0.5;
      std::vector<double> crossings;
      for (std::size_t i = 0; i < points.size(); ++i) {
        const TPoint a = points[i];
        const TPoint b = points[(i + 1) % points.size()];
        if ((a.Y <= cy) == (b.Y <= cy)) continue;
        crossings.push_back(a.X + (cy - a.Y) * (b.X - a.X) / static_cast<double>(b.Y - a.Y));
      }
      std::sort(crossings.begin(), crossings.end());
      for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
        const int left = static_cast<int>(std::ceil(crossings[i] - 0.5));
        const int right = static_cast<int>(std::ceil(crossings[i + 1] - 0.5));
        FillDevice(ToDevice({left, y, right, y + 1}), rgb);
      }
    }
  }
  const TPoint saved = pen_pos_;
  Polyline(points);
  LineTo(points[0].X, points[0].Y);
  pen_pos_ = saved;
  Changed();
}

// The outline lies inside the rectangle, one pen width thick.
void TCanvas::Rectangle(const TRect& rect) {
  if (rect.IsEmpty()) return;
  TRect inside = rect;
  if (Pen.Style != psClear) {
    const int w = std::max(1, Pen.Width);
    FrameDevice(ToDevice(rect), w, ColorToRGB(Pen.Color));
    inside.Inflate(-w, -w);
  }
  if (Brush.Style == bsSolid && !inside.IsEmpty()) {
    FillDevice(ToDevice(inside), ColorToRGB(Brush.Color));
  }
  Changed();
}

// The ellipse inscribed in rect, taken at pixel centres; its outline is the
// ring of inside pixels that touch an outside pixel.
void TCanvas::Ellipse(const TRect& rect) {
  if (rect.IsEmpty()) return;
  const double cx = (rect.Left + rect.Right) / 2.0;
  const double cy = (rect.Top + rect.Bottom) / 2.0;
  const double rx = rect.Width() / 2.0;
  const double ry = rect.Height() / 2.0;
  auto inside = [&](int x, int y) {
    const double nx = (x + 0.5 - cx) / rx;
    const double ny = (y + 0.5 - cy) / ry;
    return nx * nx + ny * ny <= 1.0;
  };
  const bool outline = Pen.Style != psClear;
  const TColor pen = ColorToRGB(Pen.Color);
  const TColor brush = ColorToRGB(Brush.Color);
  for (int y = rect.Top; y < rect.Bottom; ++y) {
    for (int x = rect.Left; x < rect.Right; ++x) {
      if (!inside(x, y)) continue;
      const bool edge =
          !inside(x - 1, y) || !inside(x + 1, y) || !inside(x, y - 1) || !inside(x, y + 1);
      if (edge && outline) {
        PlotDevice(x + origin_.X, y + origin_.Y, pen);
      } else if (Brush.Style == bsSolid) {
        PlotDevice(x + origin_.X, y + origin_.Y, brush);
      }
    }
  }
  Changed();
}

// Fills, with the brush, the four-connected area around (x, y) that is either
// bounded by color (fsBorder) or made of color (fsSurface), within the clip.
void TCanvas::FloodFill(int x, int y, TColor color, TFillStyle style) {
  if (!target_ || Brush.Style == bsClear) return;
  const TColor key = ColorToRGB(color);
  const TColor fill = ColorToRGB(Brush.Color);
  const int width = target_->Width();
  std::vector<bool> seen(static_cast<std::size_t>(width) * target_->Height(), false);
  auto qualifies = [&](int px, int py) {
    if (!target_->Bounds().Contains({px, py})) return false;
    if (seen[static_cast<std::size_t>(py) * width + px] || !clip_.Contains({px, py})) return false;
    const bool is_key = target_->Pixel(px, py) == key;
    return style == fsBorder ? !is_key : is_key;
  };
  std::vector<TPoint> stack{TPoint{x, y} + origin_};
  while (!stack.empty()) {
    const TPoint p = stack.back();
    stack.pop_back();
    if (!qualifies(p.X, p.Y)) continue;
    seen[static_cast<std::size_t>(p.Y) * width + p.X] = true;
    target_->SetPixel(p.X, p.Y, fill);
    stack.push_back({p.X + 1, p.Y});
    stack.push_back({p.X - 1, p.Y});
    stack.push_back({p.X, p.Y + 1});
    stack.push_back({p.X, p.Y - 1});
  }
  Changed();
}
