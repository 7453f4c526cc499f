#include "tools/map/raster.h"

#include <algorithm>
#include <cmath>

Coverage::Coverage(int width, int height)
    : width_(width), height_(height), values_(static_cast<std::size_t>(width) * height, 0.0f) {}

float Coverage::At(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return 0;
  return values_[static_cast<std::size_t>(y) * width_ + x];
}

void Coverage::Raise(int x, int y, float coverage) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0) return;
  float& value = Ref(x, y);
  if (value == 0) touched_.push_back(static_cast<std::uint32_t>(y * width_ + x));
  value = std::max(value, std::min(coverage, 1.0f));
}

void Coverage::Clear() {
  for (auto i : touched_) values_[i] = 0;
  touched_.clear();
}

namespace {

constexpr int kSubRows = 5;

struct Edge {
  float YTop;
  float YBottom;
  float XAtTop;
  float Slope;  // dx per dy
};

// Adds the horizontal span [x0, x1) to a row of coverage with fractional ends.
void AddSpan(std::vector<float>& row, float x0, float x1, float weight) {
  const int width = static_cast<int>(row.size());
  x0 = std::clamp(x0, 0.0f, static_cast<float>(width));
  x1 = std::clamp(x1, 0.0f, static_cast<float>(width));
  if (x1 <= x0) return;
  const int first = static_cast<int>(x0);
  const int last = std::min(static_cast<int>(x1), width - 1);
  if (first == last) {
    row[first] += (x1 - x0) * weight;
    return;
  }
  row[first] += (first + 1 - x0) * weight;
  for (int x = first + 1; x < last; ++x) row[x] += weight;
  row[last] += (x1 - last) * weight;
}

}  // namespace

void FillRings(Coverage& mask, const std::vector<Polyline>& rings) {
  std::vector<Edge> edges;
  for (const auto& ring : rings) {
    for (std::size_t i = 0; i < ring.size(); ++i) {
      PointF a = ring[i];
      PointF b = ring[(i + 1) % ring.size()];
      if (a.Y == b.Y) continue;
      if (a.Y > b.Y) std::swap(a, b);
      edges.push_back({a.Y, b.Y, a.X, (b.X - a.X) / (b.Y - a.Y)});
    }
  }
  std::ranges::sort(edges, {}, &Edge::YTop);
  std::vector<float> row(mask.Width());
  std::vector<const Edge*> active;
  std::vector<float> crossings;
  std::size_t next = 0;
  const int top = edges.empty() ? 0 : std::max(0, static_cast<int>(edges.front().YTop));
  for (int y = top; y < mask.Height() && (next < edges.size() || !active.empty()); ++y) {
    std::ranges::fill(row, 0.0f);
    bool any = false;
    for (int s = 0; s < kSubRows; ++s) {
      const float sy = y + (s + 0.5f) / kSubRows;
      while (next < edges.size() && edges[next].YTop <= sy) active.push_back(&edges[next++]);
      std::erase_if(active, [&](const Edge* e) { return e->YBottom <= sy; });
      crossings.clear();
      for (const Edge* e : active) {
        if (e->YTop <= sy) crossings.push_back(e->XAtTop + (sy - e->YTop) * e->Slope);
      }
      std::ranges::sort(crossings);
      for (std::size_t i = 0; i + 1 < crossings.size(); i += 2) {
        AddSpan(row, crossings[i], crossings[i + 1], 1.0f / kSubRows);
        any = true;
      }
    }
    if (!any) continue;
    for (int x = 0; x < mask.Width(); ++x) {
      if (row[x] > 0) mask.Ref(x, y) = std::max(mask.Ref(x, y), std::min(row[x], 1.0f));
    }
  }
}

void StrokeLine(Coverage& scratch, const Polyline& line, float width, Dashes dashes) {
  const float half = width / 2;
  float travelled = 0;
  for (std::size_t i = 0; i < line.size(); ++i) {
    const PointF a = line[i];
    const PointF b = i + 1 < line.size() ? line[i + 1] : line[i];
    if (i + 1 == line.size() && line.size() > 1) break;
    const float dx = b.X - a.X;
    const float dy = b.Y - a.Y;
    const float length = std::hypot(dx, dy);
    const int x0 = static_cast<int>(std::floor(std::min(a.X, b.X) - half - 1));
    const int x1 = static_cast<int>(std::ceil(std::max(a.X, b.X) + half + 1));
    const int y0 = static_cast<int>(std::floor(std::min(a.Y, b.Y) - half - 1));
    const int y1 = static_cast<int>(std::ceil(std::max(a.Y, b.Y) + half + 1));
    for (int y = std::max(y0, 0); y <= std::min(y1, scratch.Height() - 1); ++y) {
      for (int x = std::max(x0, 0); x <= std::min(x1, scratch.Width() - 1); ++x) {
        const float px = x + 0.5f - a.X;
        const float py = y + 0.5f - a.Y;
        float t = length > 0 ? (px * dx + py * dy) / (length * length) : 0;
        t = std::clamp(t, 0.0f, 1.0f);
        if (dashes.On > 0 &&
            std::fmod(travelled + t * length, dashes.On + dashes.Off) > dashes.On) {
          continue;
        }
        const float distance = std::hypot(px - t * dx, py - t * dy);
        scratch.Raise(x, y, half + 0.5f - distance);
      }
    }
    travelled += length;
  }
}

Polyline Smoothed(const Polyline& line, float spacing) {
  if (line.size() < 3) return line;
  Polyline out;
  auto at = [&](int i) { return line[std::clamp<int>(i, 0, static_cast<int>(line.size()) - 1)]; };
  for (int i = 0; i + 1 < static_cast<int>(line.size()); ++i) {
    const PointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
    const float length = std::hypot(p2.X - p1.X, p2.Y - p1.Y);
    const int steps = std::max(1, static_cast<int>(length / spacing));
    for (int s = 0; s < steps; ++s) {
      const float t = static_cast<float>(s) / steps;
      const float t2 = t * t, t3 = t2 * t;
      auto blend = [&](float a, float b, float c, float d) {
        return 0.5f * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 +
                       (-a + 3 * b - 3 * c + d) * t3);
      };
      out.push_back({blend(p0.X, p1.X, p2.X, p3.X), blend(p0.Y, p1.Y, p2.Y, p3.Y)});
    }
  }
  out.push_back(line.back());
  return out;
}

Picture::Picture(int width, int height, Rgb fill)
    : width_(width), height_(height), pixels_(static_cast<std::size_t>(width) * height, fill) {}

void Picture::Blend(int x, int y, Rgb colour, float amount) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || amount <= 0) return;
  Rgb& p = At(x, y);
  p.R += (colour.R - p.R) * amount;
  p.G += (colour.G - p.G) * amount;
  p.B += (colour.B - p.B) * amount;
}

void Picture::BlendStroke(Coverage& scratch, Rgb colour, float opacity) {
  for (auto i : scratch.Touched()) {
    const int x = static_cast<int>(i % width_);
    const int y = static_cast<int>(i / width_);
    Blend(x, y, colour, scratch.At(x, y) * opacity);
  }
  scratch.Clear();
}

void Picture::BlendMask(const Coverage& mask, Rgb colour, float opacity) {
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) Blend(x, y, colour, mask.At(x, y) * opacity);
  }
}
