#include "tools/map/ground_edges.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <tuple>

#include "tests/tools/map/map_data_fixture.h"
#include "tools/map/map_picture.h"

namespace {

TEST(GroundEdges, PixelsBelongToTheHexBoxesTheMapViewDraws) {
  struct Row {
    PointF Pixel;
    int X, Y;  // 0: off the map
  };
  const Row rows[] = {
      {{0, 0}, 1, 1},      {{27.9f, 27.9f}, 1, 1},    {{28, 0}, 0, 0},  // even columns sit lower
      {{28, 14}, 2, 1},    {{28, 41.9f}, 2, 1},       {{28, 42}, 2, 2},
      {{56, 27.9f}, 3, 1}, {{2127, 1497.9f}, 76, 53}, {{2127, 1511}, 76, 54},
      {{-0.1f, 10}, 0, 0}, {{10, 1512}, 0, 0},
  };
  for (const auto& row : rows) {
    const auto hex = HexUnderPixel(row.Pixel);
    const std::tuple<int, int> got = hex ? std::tuple<int, int>{hex->X, hex->Y} : std::tuple{0, 0};
    EXPECT_EQ(got, std::tuple(row.X, row.Y)) << row.Pixel.X << "," << row.Pixel.Y;
  }
}

// Along one vertical side of a column of hex boxes, where the ground changes from one column to
// the next: the pixel, in each row of pixels, where the drawing first shows the right-hand hex.
std::vector<float> EdgeCrossings(int column, int firstRow, int rows) {
  const float side = column * kHexBoxPixels;
  std::vector<float> crossings;
  for (int y = firstRow; y < firstRow + rows; ++y) {
    float dx = -kHexBoxPixels / 2;
    while (dx < kHexBoxPixels / 2 && GroundHexAt({side + dx, y + 0.5f})->X <= column) dx += 0.5f;
    crossings.push_back(dx);
  }
  return crossings;
}

// The most rows in a row over which the edge keeps within a pixel of one place.
std::size_t LongestStraightRun(const std::vector<float>& crossings) {
  std::size_t longest = 0;
  for (std::size_t first = 0; first < crossings.size(); ++first) {
    float least = crossings[first], most = crossings[first];
    std::size_t last = first;
    for (; last < crossings.size(); ++last) {
      least = std::min(least, crossings[last]);
      most = std::max(most, crossings[last]);
      if (most - least > 1) break;
    }
    longest = std::max(longest, last - first);
  }
  return longest;
}

// A side of hex boxes runs straight for the whole height of the map; the edge the drawing
// shows wanders about it, keeps within the shift, and runs straight for less than two hexes.
TEST(GroundEdges, EdgesWanderAboutTheStraightSidesOfTheHexBoxes) {
  struct Row {
    int Column, FirstRow;
  };
  for (const auto [column, firstRow] : {Row{5, 100}, Row{20, 400}, Row{37, 700}, Row{60, 1100}}) {
    const auto crossings = EdgeCrossings(column, firstRow, 300);
    const auto [least, most] = std::ranges::minmax(crossings);
    EXPECT_GE(least, -kMaxGroundShift) << column;
    EXPECT_LE(most, kMaxGroundShift + 0.5f) << column;
    EXPECT_GE(most - least, 6) << column;
    EXPECT_LT(LongestStraightRun(crossings), 2 * kHexBoxPixels) << column;
  }
}

using Kind = std::pair<char, bool>;  // terrain, outside the war

Kind KindOf(THexPos hex) {
  const MapLayers& layers = TheCommittedMap().Layers;
  return {layers.Terrain[hex.Y - 1][hex.X - 1], layers.State[hex.Y - 1][hex.X - 1] == '.'};
}

bool IsGround(Kind kind) {
  return kind.first != '0' && kind.first != '4' && !(kind.first == '3' && kind.second);
}

// Whether every hex on the map within the given steps of the hex is of the kind.
bool AllAroundOfKind(THexPos hex, int steps, Kind kind) {
  if (!TMapRecord::OnMap(hex.X, hex.Y)) return true;
  if (KindOf(hex) != kind) return false;
  if (steps == 0) return true;
  for (int dir = 1; dir <= 6; ++dir) {
    if (!AllAroundOfKind(NeighbourHex(hex.X, hex.Y, dir), steps - 1, kind)) return false;
  }
  return true;
}

bool BesideOtherGround(THexPos hex) {
  for (int dir = 1; dir <= 6; ++dir) {
    const THexPos n = NeighbourHex(hex.X, hex.Y, dir);
    if (TMapRecord::OnMap(n.X, n.Y) && IsGround(KindOf(n)) && KindOf(n) != KindOf(hex)) return true;
  }
  return false;
}

// The minimap keeps one pixel per hex: water, cities and land outside the war exactly, and a
// hex of ground among its own kind its kind's colour; a hex beside another kind of ground
// shows a share of it.
TEST(GroundEdges, MinimapBlendsGroundOnlyWhereKindsMeet) {
  const Picture minimap = PaintMinimap(TheCommittedMap().Layers);
  auto colour = [&](THexPos hex) {
    const Rgb& c = minimap.At(hex.X - 1, hex.Y - 1);
    return std::tuple{c.R, c.G, c.B};
  };
  std::map<Kind, std::tuple<float, float, float>> kindColour;
  int edgeHexes = 0, mixed = 0;
  for (int pass = 0; pass < 2; ++pass) {
    for (std::uint16_t y = 1; y <= TMapRecord::Rows; ++y) {
      for (std::uint16_t x = 1; x <= TMapRecord::Columns; ++x) {
        const THexPos hex{x, y};
        const Kind kind = KindOf(hex);
        if (pass == 0 && (!IsGround(kind) || AllAroundOfKind(hex, 2, kind))) {
          const auto [it, fresh] = kindColour.try_emplace(kind, colour(hex));
          EXPECT_TRUE(fresh || it->second == colour(hex)) << x << "," << y;
        } else if (pass == 1 && IsGround(kind) && BesideOtherGround(hex) &&
                   kindColour.contains(kind)) {
          ++edgeHexes;
          mixed += colour(hex) != kindColour.at(kind);
        }
      }
    }
  }
  EXPECT_GT(edgeHexes, 500);
  EXPECT_GT(mixed * 10, edgeHexes * 9);
}

}  // namespace
