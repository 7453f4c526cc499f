#include <gtest/gtest.h>

#include "tools/sprites/election_map.h"

namespace {

constexpr TColor kUnionCarries = RGB(0, 0, 255);

int PixelsOfColour(const TBitmap& map, TColor colour) {
  int count = 0;
  for (int y = 0; y < map.Height(); ++y) {
    for (int x = 0; x < map.Width(); ++x) count += map.Pixel(x, y) == colour;
  }
  return count;
}

bool EdgeTouched(const TBitmap& map, TColor colour) {
  for (int x = 0; x < map.Width(); ++x) {
    if (map.Pixel(x, 0) == colour || map.Pixel(x, map.Height() - 1) == colour) return true;
  }
  for (int y = 0; y < map.Height(); ++y) {
    if (map.Pixel(0, y) == colour || map.Pixel(map.Width() - 1, y) == colour) return true;
  }
  return false;
}

TEST(ElectionMap, IsTheFormsPictureWithNeitherCountColourOnIt) {
  const TBitmap map = DrawElectionMap();
  EXPECT_EQ(map.Width(), kElectionMapWidth);
  EXPECT_EQ(map.Height(), kElectionMapHeight);
  EXPECT_EQ(PixelsOfColour(map, RGB(0, 0, 255)), 0);
  EXPECT_EQ(PixelsOfColour(map, RGB(255, 0, 0)), 0);
  EXPECT_GT(PixelsOfColour(map, clBlack), 0);
}

// The count floods each state from its point up to the black outline.
TEST(ElectionMap, EachFillPointFloodsOnlyItsOwnState) {
  const TBitmap blank = DrawElectionMap();
  for (const ElectionFillPoint& fill : ElectionFillPoints()) {
    SCOPED_TRACE("state " + std::to_string(fill.state));
    ASSERT_NE(blank.Pixel(fill.point.X, fill.point.Y), clBlack);
    TBitmap map(blank);
    map.Canvas().Brush.Color = kUnionCarries;
    map.Canvas().FloodFill(fill.point.X, fill.point.Y, clBlack, fsBorder);
    EXPECT_GT(PixelsOfColour(map, kUnionCarries), 20) << "too small to see";
    EXPECT_FALSE(EdgeTouched(map, kUnionCarries)) << "leaks into the sea";
    for (const ElectionFillPoint& other : ElectionFillPoints()) {
      if (other.state == fill.state) continue;
      EXPECT_NE(map.Pixel(other.point.X, other.point.Y), kUnionCarries)
          << "also fills state " << other.state;
    }
  }
}

}  // namespace
