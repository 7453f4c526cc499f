#include "tools/sprites/election_map.h"

#include <limits>
#include <vector>

namespace {

constexpr TColor kLand = RGB(238, 226, 192);
constexpr TColor kSea = RGB(196, 216, 236);
constexpr TColor kOutline = clBlack;

// States and territories that cast no vote in the count still appear on the
// map: the seceded South and the western territories.
constexpr TPoint kOtherStates[] = {
    {515, 190}, {530, 215}, {515, 240}, {490, 268}, {515, 330}, {462, 268}, {432, 272},
    {405, 300}, {400, 250}, {455, 228}, {300, 320}, {300, 190}, {280, 128}, {250, 78},
    {180, 100}, {165, 205}, {205, 262}, {110, 165}, {150, 60},
};

// The coast and the borders of the country, clockwise from the north-west, and
// the Great Lakes inside them.
constexpr TPoint kCoastline[] = {
    {38, 40},   {250, 45},  {330, 48},  {380, 70},  {420, 75},  {470, 95},  {520, 95},  {545, 80},
    {575, 60},  {600, 38},  {626, 62},  {600, 95},  {606, 112}, {595, 126}, {580, 135}, {572, 150},
    {566, 178}, {568, 200}, {545, 235}, {520, 265}, {512, 300}, {532, 362}, {515, 376}, {495, 322},
    {470, 296}, {420, 300}, {400, 316}, {360, 320}, {320, 350}, {300, 378}, {270, 342}, {235, 300},
    {160, 300}, {110, 272}, {66, 235},  {35, 170},  {34, 100},
};

constexpr TPoint kSuperior[] = {{362, 78}, {400, 76}, {438, 82}, {428, 92}, {396, 90}, {372, 88}};
constexpr TPoint kMichigan[] = {{418, 95},  {428, 96},  {430, 140},
                                {424, 152}, {414, 146}, {412, 118}};
constexpr TPoint kHuron[] = {{446, 92}, {470, 96}, {478, 118}, {466, 128}, {456, 110}};
constexpr TPoint kErie[] = {{480, 140}, {515, 124}, {522, 128}, {488, 148}};
constexpr TPoint kOntario[] = {{516, 110}, {536, 104}, {540, 110}, {520, 116}};
constexpr std::span<const TPoint> kGreatLakes[] = {kSuperior, kMichigan, kHuron, kErie, kOntario};

bool Inside(std::span<const TPoint> outline, double x, double y) {
  bool inside = false;
  for (std::size_t i = 0, j = outline.size() - 1; i < outline.size(); j = i++) {
    const TPoint a = outline[i];
    const TPoint b = outline[j];
    if ((a.Y > y) != (b.Y > y) && x < a.X + (y - a.Y) * (b.X - a.X) / double(b.Y - a.Y)) {
      inside = !inside;
    }
  }
  return inside;
}

bool OnLand(double x, double y) {
  if (!Inside(kCoastline, x, y)) return false;
  for (std::span<const TPoint> lake : kGreatLakes) {
    if (Inside(lake, x, y)) return false;
  }
  return true;
}

std::vector<TPoint> Seeds() {
  std::vector<TPoint> seeds;
  for (const ElectionFillPoint& fill : ElectionFillPoints())
    seeds.push_back({fill.point.X, fill.point.Y});
  seeds.insert(seeds.end(), std::begin(kOtherStates), std::end(kOtherStates));
  return seeds;
}

constexpr int kSeaState = -1;

// Every land pixel belongs to the state whose seed is nearest; the sea is -1.
std::vector<int> StateOfEachPixel() {
  const std::vector<TPoint> seeds = Seeds();
  std::vector<int> states(static_cast<std::size_t>(kElectionMapWidth) * kElectionMapHeight,
                          kSeaState);
  for (int y = 0; y < kElectionMapHeight; ++y) {
    for (int x = 0; x < kElectionMapWidth; ++x) {
      if (!OnLand(x + 0.5, y + 0.5)) continue;
      int nearest = 0;
      int best = std::numeric_limits<int>::max();
      for (std::size_t s = 0; s < seeds.size(); ++s) {
        const int dx = x - seeds[s].X;
        const int dy = y - seeds[s].Y;
        if (dx * dx + dy * dy < best) {
          best = dx * dx + dy * dy;
          nearest = static_cast<int>(s);
        }
      }
      states[static_cast<std::size_t>(y) * kElectionMapWidth + x] = nearest;
    }
  }
  return states;
}

}  // namespace

// A pixel is outline where its right or lower neighbour lies in another state
// or in the sea: then every pair of touching pixels of two regions has an
// outline pixel between them, and a four-way flood fill stays in its state.
TBitmap DrawElectionMap() {
  const std::vector<int> states = StateOfEachPixel();
  const auto state_at = [&](int x, int y) {
    if (x >= kElectionMapWidth || y >= kElectionMapHeight) return kSeaState;
    return states[static_cast<std::size_t>(y) * kElectionMapWidth + x];
  };
  TBitmap map(kElectionMapWidth, kElectionMapHeight);
  for (int y = 0; y < kElectionMapHeight; ++y) {
    for (int x = 0; x < kElectionMapWidth; ++x) {
      const int here = state_at(x, y);
      const bool border = here != state_at(x + 1, y) || here != state_at(x, y + 1);
      map.SetPixel(x, y, border ? kOutline : here == kSeaState ? kSea : kLand);
    }
  }
  return map;
}
