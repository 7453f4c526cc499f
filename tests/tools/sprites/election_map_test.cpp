#include <gtest/gtest.h>

#include <set>

#include "tools/sprites/election_map.h"
#include "tools/sprites/election_outlines.h"

namespace {

constexpr TColor kUnionCarries = RGB(0, 0, 255);

int PixelsOfColour(const TBitmap& map, TColor colour) {
  int count = 0;
  for (int y = 0; y < map.Height(); ++y) {
    for (int x = 0; x < map.Width(); ++x) count += map.Pixel(x, y) == colour;
  }
  return count;
}

std::set<int> StatesOnTheMap() {
  std::set<int> states;
  for (const ElectionOutline& outline : ElectionOutlines()) {
    if (outline.kind == OutlineKind::kState) states.insert(outline.state);
  }
  return states;
}

// The pixel's middle, where both the picture and the outlines decide what it is.
bool InsideState(int state, int x, int y) {
  return InsideStateOutline(state, x + 0.5f, y + 0.5f) && !InsideLake(x + 0.5f, y + 0.5f);
}

// The picture carries neither count colour until the count floods it.
TEST(ElectionMap, ShowsNeitherCountColourBeforeTheCount) {
  const TBitmap map = DrawElectionMap();
  EXPECT_EQ(PixelsOfColour(map, RGB(0, 0, 255)), 0);
  EXPECT_EQ(PixelsOfColour(map, RGB(255, 0, 0)), 0);
  EXPECT_GT(PixelsOfColour(map, clBlack), 0);
}

// The outlines hold every state of the war and the territories. The count floods a state from
// its points up to the black outline: the whole of the state turns its colour, except the
// outline, and nothing else.
TEST(ElectionMap, FloodingAStateFromItsPointsColoursThatStateWhole) {
  EXPECT_EQ(StatesOnTheMap().size(), 36u);
  const TBitmap blank = DrawElectionMap();
  std::set<int> voting;
  for (const ElectionFillPoint& fill : ElectionFillPoints()) voting.insert(fill.state);
  for (int state : voting) {
    SCOPED_TRACE("state " + std::to_string(state));
    TBitmap map(blank);
    map.Canvas().Brush.Color = kUnionCarries;
    for (const ElectionFillPoint& fill : ElectionFillPoints()) {
      if (fill.state == state) map.Canvas().FloodFill(fill.point.X, fill.point.Y, clBlack, fsBorder);
    }
    int coloured = 0;
    int left_out = 0;
    int spilt = 0;
    for (int y = 0; y < map.Height(); ++y) {
      for (int x = 0; x < map.Width(); ++x) {
        const TColor pixel = map.Pixel(x, y);
        if (pixel == kUnionCarries) {
          ++coloured;
          spilt += !InsideState(state, x, y);
        } else if (pixel != clBlack && blank.Pixel(x, y) != clBlack) {
          // Only pixels that could belong to this state are worth the outline test.
          left_out += pixel == blank.Pixel(x, y) && InsideState(state, x, y);
        }
      }
    }
    EXPECT_GT(coloured, 150) << "too small to see";
    EXPECT_EQ(spilt, 0);
    EXPECT_EQ(left_out, 0);
  }
}

}  // namespace
