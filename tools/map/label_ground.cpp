#include "tools/map/label_ground.h"

#include <algorithm>
#include <cmath>

#include "tools/map/map_picture.h"

namespace {

constexpr std::uint8_t kWater = 255;

// A pixel counts as inked when any of the stroke reaches it: the line's width and one pixel
// more, so that a box clear of the marks keeps clear of the ink's anti-aliased edge too.
constexpr float kInkMargin = 1;

TRect BoundsOf(const std::vector<Polyline>& rings, const TRect& picture) {
  float left = 1e9f, top = 1e9f, right = -1e9f, bottom = -1e9f;
  for (const auto& ring : rings) {
    for (const PointF& p : ring) {
      left = std::min(left, p.X);
      top = std::min(top, p.Y);
      right = std::max(right, p.X);
      bottom = std::max(bottom, p.Y);
    }
  }
  return {std::max(picture.Left, static_cast<int>(std::floor(left))),
          std::max(picture.Top, static_cast<int>(std::floor(top))),
          std::min(picture.Right, static_cast<int>(std::ceil(right)) + 1),
          std::min(picture.Bottom, static_cast<int>(std::ceil(bottom)) + 1)};
}

}  // namespace

PixelTally::PixelTally(const TRect& window, const std::vector<std::uint8_t>& marks, int stride)
    : window_(window),
      sums_(static_cast<std::size_t>(window.Width() + 1) * (window.Height() + 1), 0) {
  const int w = window.Width() + 1;
  for (int y = 0; y < window.Height(); ++y) {
    int row = 0;
    for (int x = 0; x < window.Width(); ++x) {
      row += marks[static_cast<std::size_t>(window.Top + y) * stride + window.Left + x] != 0;
      sums_[static_cast<std::size_t>(y + 1) * w + x + 1] =
          sums_[static_cast<std::size_t>(y) * w + x + 1] + row;
    }
  }
}

int PixelTally::Inside(const TRect& box) const {
  const int left = std::clamp(box.Left, window_.Left, window_.Right) - window_.Left;
  const int right = std::clamp(box.Right, window_.Left, window_.Right) - window_.Left;
  const int top = std::clamp(box.Top, window_.Top, window_.Bottom) - window_.Top;
  const int bottom = std::clamp(box.Bottom, window_.Top, window_.Bottom) - window_.Top;
  if (left >= right || top >= bottom) return 0;
  const int w = window_.Width() + 1;
  auto at = [&](int x, int y) { return sums_[static_cast<std::size_t>(y) * w + x]; };
  return at(right, bottom) - at(left, bottom) - at(right, top) + at(left, top);
}

LabelGround::LabelGround(const MapArt& art, int width, int height)
    : width_(width), height_(height) {
  std::vector<Polyline> lines;
  std::vector<float> widths;
  for (const auto& railway : art.Railways) {
    lines.push_back(RailwayCourse(railway));
    widths.push_back(2 * kRailwayReach);
  }
  MarkInk(Ink::Railway, lines, widths);
  lines.clear();
  widths.clear();
  for (const auto& city : art.Cities) {
    lines.push_back({{static_cast<float>(city.MarkX), static_cast<float>(city.MarkY)}});
    widths.push_back(2 * kCityMarkRadius);
  }
  MarkInk(Ink::CityMark, lines, widths);
  lines.clear();
  widths.clear();
  for (const auto& river : art.Rivers) {
    lines.push_back(RiverCourse(river));
    widths.push_back(RiverWidth(river));
  }
  MarkInk(Ink::River, lines, widths);
  lines.clear();
  widths.clear();
  for (const auto& border : art.Borders) {
    lines.push_back(border.Points);
    widths.push_back(kBorderWidth);
  }
  MarkInk(Ink::Border, lines, widths);
  MarkLand(art);
}

bool LabelGround::InkAt(Ink ink, int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return false;
  return ink_[static_cast<int>(ink)][static_cast<std::size_t>(y) * width_ + x] != 0;
}

int LabelGround::StateLand(int state, const TRect& box) const {
  const auto tally = stateTally_.find(state);
  return tally == stateTally_.end() ? 0 : tally->second.Inside(box);
}

void LabelGround::MarkInk(Ink ink, const std::vector<Polyline>& lines,
                          const std::vector<float>& widths) {
  Coverage scratch(width_, height_);
  for (std::size_t i = 0; i < lines.size(); ++i)
    StrokeLine(scratch, lines[i], widths[i] + kInkMargin);
  auto& marks = ink_[static_cast<int>(ink)];
  marks.assign(static_cast<std::size_t>(width_) * height_, 0);
  for (auto i : scratch.Touched()) marks[i] = 1;
  inkTally_[static_cast<int>(ink)] = PixelTally(Picture(), marks, width_);
}

// Each land feature fills its pixels with its state; the lakes then clear theirs to water.
void LabelGround::MarkLand(const MapArt& art) {
  std::vector<std::uint8_t> state(static_cast<std::size_t>(width_) * height_, kWater);
  Coverage fill(width_, height_);
  auto paint = [&](const std::vector<Polyline>& rings, std::uint8_t value) {
    FillRings(fill, rings);
    const TRect bounds = BoundsOf(rings, Picture());
    for (int y = bounds.Top; y < bounds.Bottom; ++y) {
      for (int x = bounds.Left; x < bounds.Right; ++x) {
        if (fill.At(x, y) > 0.5f) state[static_cast<std::size_t>(y) * width_ + x] = value;
        fill.Ref(x, y) = 0;
      }
    }
  };
  std::map<int, int> stateOf;
  for (const auto& line : art.Land) stateOf[line.Tags[0]] = line.Tags[1];
  for (const auto& [id, rings] : RingsByFeature(art.Land)) {
    paint(rings, static_cast<std::uint8_t>(stateOf[id]));
  }
  for (const auto& [id, rings] : RingsByFeature(art.Lakes)) paint(rings, kWater);

  struct Extent {
    TRect Box{1 << 30, 1 << 30, -1, -1};
    double SumX = 0;
    double SumY = 0;
    int Count = 0;
  };
  std::vector<Extent> extents(kWater);
  std::vector<std::uint8_t> land(state.size());
  for (int y = 0; y < height_; ++y) {
    for (int x = 0; x < width_; ++x) {
      const std::size_t i = static_cast<std::size_t>(y) * width_ + x;
      if (state[i] == kWater) continue;
      land[i] = 1;
      Extent& e = extents[state[i]];
      e.Box = {std::min(e.Box.Left, x), std::min(e.Box.Top, y), std::max(e.Box.Right, x + 1),
               std::max(e.Box.Bottom, y + 1)};
      e.SumX += x + 0.5;
      e.SumY += y + 0.5;
      ++e.Count;
    }
  }
  landTally_ = PixelTally(Picture(), land, width_);
  std::vector<std::uint8_t> mine(state.size());
  for (int s = 0; s < kWater; ++s) {
    const Extent& e = extents[s];
    if (e.Count == 0) continue;
    for (int y = e.Box.Top; y < e.Box.Bottom; ++y) {
      for (int x = e.Box.Left; x < e.Box.Right; ++x) {
        const std::size_t i = static_cast<std::size_t>(y) * width_ + x;
        mine[i] = state[i] == s;
      }
    }
    stateTally_[s] = PixelTally(e.Box, mine, width_);
    stateBounds_[s] = e.Box;
    stateMiddle_[s] = {static_cast<float>(e.SumX / e.Count), static_cast<float>(e.SumY / e.Count)};
  }
}
