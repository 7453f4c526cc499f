#include "tools/sprites/election_map.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

#include "tools/sprites/election_outlines.h"

namespace {

constexpr TColor kOutline = clBlack;
constexpr TColor kCountedLand = RGB(244, 234, 206);
constexpr TColor kUncountedLand = RGB(226, 214, 188);
constexpr TColor kUncountedHatch = RGB(200, 186, 160);
constexpr TColor kTerritories = RGB(226, 230, 204);
constexpr TColor kForeignLand = RGB(220, 218, 210);
constexpr TColor kSeaColour = RGB(212, 224, 226);
constexpr TColor kWaterLine = RGB(172, 194, 204);
constexpr TColor kFrame = RGB(52, 40, 30);
constexpr TColor kSeaInk = RGB(70, 100, 116);
constexpr TColor kLandInk = RGB(110, 84, 60);

constexpr int kSea = -1;
constexpr int kForeign = -2;

std::size_t PixelIndex(int x, int y) { return static_cast<std::size_t>(y) * kElectionMapWidth + x; }

// The region of each pixel: a state's number, 0 for the territories, or sea or foreign land.
class Regions {
 public:
  Regions() : cells_(PixelIndex(0, kElectionMapHeight), kSea) {}

  int At(int x, int y) const {
    if (x < 0 || y < 0 || x >= kElectionMapWidth || y >= kElectionMapHeight) return kSea;
    return cells_[PixelIndex(x, y)];
  }
  void Set(int x, int y, int region) { cells_[PixelIndex(x, y)] = region; }

  // Every pixel whose middle lies inside the rings by the even-odd rule.
  void Paint(const std::vector<const OutlineRing*>& rings, int region) {
    std::vector<float> crossings;
    for (int y = 0; y < kElectionMapHeight; ++y) {
      const float middle = y + 0.5f;
      crossings.clear();
      for (const OutlineRing* ring : rings) AppendCrossings(*ring, middle, crossings);
      std::sort(crossings.begin(), crossings.end());
      for (std::size_t k = 0; k + 1 < crossings.size(); k += 2) {
        const int first = std::max(0, static_cast<int>(std::ceil(crossings[k] - 0.5f)));
        const int end = std::min(kElectionMapWidth, static_cast<int>(std::ceil(crossings[k + 1] - 0.5f)));
        for (int x = first; x < end; ++x) Set(x, y, region);
      }
    }
  }

 private:
  std::vector<int> cells_;
};

std::vector<const OutlineRing*> RingsOf(OutlineKind kind, int state = 0) {
  std::vector<const OutlineRing*> rings;
  for (const ElectionOutline& outline : ElectionOutlines()) {
    if (outline.kind == kind && (kind != OutlineKind::kState || outline.state == state))
      rings.push_back(&outline.ring);
  }
  return rings;
}

Regions RegionsOfThePicture() {
  Regions regions;
  regions.Paint(RingsOf(OutlineKind::kForeign), kForeign);
  std::set<int> states;
  for (const ElectionOutline& outline : ElectionOutlines()) {
    if (outline.kind == OutlineKind::kState) states.insert(outline.state);
  }
  for (int state : states) regions.Paint(RingsOf(OutlineKind::kState, state), state);
  regions.Paint(RingsOf(OutlineKind::kLake), kSea);
  return regions;
}

// A pixel is outline where its right or lower neighbour lies in another region: then every
// pair of touching pixels of two regions has an outline pixel between them, and a four-way
// flood fill stays in its state.
bool OnOutline(const Regions& regions, int x, int y) {
  const int here = regions.At(x, y);
  return here != regions.At(x + 1, y) || here != regions.At(x, y + 1);
}

using PixelMask = std::vector<bool>;

PixelMask OutlinePixels(const Regions& regions) {
  PixelMask outline(PixelIndex(0, kElectionMapHeight));
  for (int y = 0; y < kElectionMapHeight; ++y) {
    for (int x = 0; x < kElectionMapWidth; ++x) outline[PixelIndex(x, y)] = OnOutline(regions, x, y);
  }
  return outline;
}

// The inside pixels of one region reached four-way from (x, y), as the count's flood
// fill would reach them, marked in `seen`.
std::vector<TPoint> PocketFrom(const Regions& regions, const PixelMask& outline, PixelMask& seen,
                               TPoint start) {
  const int region = regions.At(start.X, start.Y);
  std::vector<TPoint> pocket;
  std::vector<TPoint> stack{start};
  while (!stack.empty()) {
    const TPoint p = stack.back();
    stack.pop_back();
    if (regions.At(p.X, p.Y) != region) continue;  // beyond the picture lies sea
    const std::size_t i = PixelIndex(p.X, p.Y);
    if (outline[i] || seen[i]) continue;
    seen[i] = true;
    pocket.push_back(p);
    for (TPoint step : {TPoint{1, 0}, TPoint{-1, 0}, TPoint{0, 1}, TPoint{0, -1}})
      stack.push_back({p.X + step.X, p.Y + step.Y});
  }
  return pocket;
}

// Where a voting state's coast or border pinches, the outline can cut off a few pixels no
// fill point reaches; they would stay blank in a coloured state, so they are inked as
// outline. A larger piece cut off needs a fill point of its own.
constexpr std::size_t kLargestInkedSliver = 12;

void InkSliversNoCountReaches(const Regions& regions, PixelMask& outline) {
  PixelMask seen(outline.size());
  for (const ElectionFillPoint& fill : ElectionFillPoints())
    PocketFrom(regions, outline, seen, {fill.point.X, fill.point.Y});
  for (int y = 0; y < kElectionMapHeight; ++y) {
    for (int x = 0; x < kElectionMapWidth; ++x) {
      if (!HasElectionFillPoint(regions.At(x, y))) continue;
      const std::vector<TPoint> sliver = PocketFrom(regions, outline, seen, {x, y});
      if (sliver.size() > kLargestInkedSliver) continue;
      for (TPoint p : sliver) outline[PixelIndex(p.X, p.Y)] = true;
    }
  }
}

// How far each sea pixel lies from land, in pixels (a 3-4 chamfer, close to round).
std::vector<float> DistanceFromLand(const Regions& regions) {
  constexpr int kFar = 1 << 20;
  const int w = kElectionMapWidth;
  const int h = kElectionMapHeight;
  std::vector<int> d(PixelIndex(0, h));
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) d[PixelIndex(x, y)] = regions.At(x, y) == kSea ? kFar : 0;
  const auto relax = [&](int x, int y, int dx, int dy, int cost) {
    const int nx = x + dx, ny = y + dy;
    if (nx < 0 || ny < 0 || nx >= w || ny >= h) return;
    int& here = d[PixelIndex(x, y)];
    here = std::min(here, d[PixelIndex(nx, ny)] + cost);
  };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      relax(x, y, -1, 0, 3), relax(x, y, 0, -1, 3), relax(x, y, -1, -1, 4), relax(x, y, 1, -1, 4);
    }
  }
  for (int y = h - 1; y >= 0; --y) {
    for (int x = w - 1; x >= 0; --x) {
      relax(x, y, 1, 0, 3), relax(x, y, 0, 1, 3), relax(x, y, 1, 1, 4), relax(x, y, -1, 1, 4);
    }
  }
  std::vector<float> distance(d.size());
  std::transform(d.begin(), d.end(), distance.begin(), [](int v) { return v / 3.0f; });
  return distance;
}

// The engraver's lines that follow the coast out to sea.
bool OnWaterLine(float distance) {
  for (float line : {3.0f, 6.5f, 11.0f, 17.0f}) {
    if (std::abs(distance - line) < 0.5f) return true;
  }
  return false;
}

// The states outside the count (the seceded South, the capital district and West Virginia)
// are hatched; the territories and the neighbours lie plain around them.
TColor LandColour(int region, int x, int y) {
  if (region == kForeign) return kForeignLand;
  if (region == 0) return kTerritories;
  if (HasElectionFillPoint(region)) return kCountedLand;
  return (x + y) % 5 == 0 ? kUncountedHatch : kUncountedLand;
}

// Seas and lands the count never colours, named as an engraver would, centred on a point.
struct PlaceName {
  const char* text;
  TPoint middle;
  TColor ink;
  TFontStyles style;
};
constexpr PlaceName kPlaceNames[] = {
    {"PACIFIC", {52, 270}, kSeaInk, fsItalic},    {"OCEAN", {52, 286}, kSeaInk, fsItalic},
    {"ATLANTIC", {580, 262}, kSeaInk, fsItalic},  {"OCEAN", {580, 278}, kSeaInk, fsItalic},
    {"GULF OF MEXICO", {352, 328}, kSeaInk, fsItalic},
    {"BRITISH AMERICA", {190, 40}, kLandInk, 0},  {"MEXICO", {236, 318}, kLandInk, 0},
    {"TERRITORIES", {192, 130}, kLandInk, 0},
};

void NamePlaces(TCanvas& canvas) {
  canvas.Brush.Style = bsClear;
  canvas.Font.SetName("Times New Roman");
  canvas.Font.SetHeight(-11);
  for (const PlaceName& name : kPlaceNames) {
    canvas.Font.SetStyle(name.style);
    canvas.Font.SetColor(name.ink);
    const TSize size = canvas.TextExtent(name.text);
    canvas.TextOut(name.middle.X - size.cx / 2, name.middle.Y - size.cy / 2, name.text);
  }
}

// The count's names and totals stand on a panel of paper below the map, inside a double rule
// like the map's own.
constexpr TRect kCountPanel = {14, 352, 470, 410};

void DoubleRule(TCanvas& canvas, TRect outer) {
  canvas.Rectangle(outer.Left, outer.Top, outer.Right, outer.Bottom);
  canvas.Rectangle(outer.Left + 3, outer.Top + 3, outer.Right - 3, outer.Bottom - 3);
}

void DrawFrameAndPanel(TCanvas& canvas) {
  canvas.Pen.Color = kFrame;
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = kCountedLand;
  canvas.FillRect(kCountPanel);
  canvas.Brush.Style = bsClear;
  DoubleRule(canvas, kCountPanel);
  DoubleRule(canvas, {2, 2, kElectionMapWidth - 2, kElectionMapHeight - 2});
  canvas.Brush.Style = bsSolid;  // the count floods with the picture's own canvas
}

}  // namespace

TBitmap DrawElectionMap() {
  const Regions regions = RegionsOfThePicture();
  PixelMask outline = OutlinePixels(regions);
  InkSliversNoCountReaches(regions, outline);
  const std::vector<float> distance = DistanceFromLand(regions);
  TBitmap map(kElectionMapWidth, kElectionMapHeight);
  for (int y = 0; y < kElectionMapHeight; ++y) {
    for (int x = 0; x < kElectionMapWidth; ++x) {
      const int region = regions.At(x, y);
      TColor colour = kOutline;
      if (!outline[PixelIndex(x, y)]) {
        const float offshore = distance[PixelIndex(x, y)];
        colour = region != kSea ? LandColour(region, x, y) : OnWaterLine(offshore) ? kWaterLine : kSeaColour;
      }
      map.SetPixel(x, y, colour);
    }
  }
  NamePlaces(map.Canvas());
  DrawFrameAndPanel(map.Canvas());
  return map;
}
