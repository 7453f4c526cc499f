// The label search on small drawn scenes: which side of its mark a city's name takes as
// railways, rivers and state lines close round it, how far it may go, and a state's name
// kept inside its state.
#include "tools/map/label_search.h"

#include <gtest/gtest.h>

namespace {

constexpr int kWidth = 240;
constexpr int kHeight = 160;
constexpr PointF kMark{120, 80};
constexpr LabelForm kName{40, 12, 0};

TaggedLine Vertical(int tag, float x) {
  return {{tag}, {{x, 0}, {x, kHeight}}};
}
TaggedLine Short(int tag, float x) {
  return {{tag}, {{x, kMark.Y - 4}, {x, kMark.Y + 4}}};
}
TaggedLine Horizontal(int tag, float y) {
  return {{tag}, {{0, y}, {kWidth, y}}};
}
TaggedLine Rectangle(int id, int state, float left, float top, float right, float bottom) {
  return {{id, state}, {{left, top}, {right, top}, {right, bottom}, {left, bottom}}};
}

MapArt OneCity(int state = 1) {
  MapArt art;
  MapCity city;
  city.MarkX = kMark.X;
  city.MarkY = kMark.Y;
  city.State = state;
  art.Cities.push_back(city);
  return art;
}

LabelPlace PlaceCity(const MapArt& art, LabelForm form = kName) {
  const LabelGround ground(art, kWidth, kHeight);
  return PlaceLabels(ground, {{LabelKind::City, {form}, kMark, art.Cities[0].State}})[0];
}

enum class Side { Right, Left, AboveOrBelow };

Side SideOf(const TRect& box) {
  if (box.Left >= kMark.X) return Side::Right;
  if (box.Right <= kMark.X) return Side::Left;
  return Side::AboveOrBelow;
}

TEST(LabelSearch, CityNameTakesTheSideTheLinesLeaveIt) {
  const struct {
    const char* Scene;
    std::vector<TaggedLine> Railways;
    std::vector<TaggedLine> Rivers;
    std::vector<TaggedLine> Land;
    Side Expected;
  } kCases[] = {
      {"open paper", {}, {}, {}, Side::Right},
      {"railway on the right", {Vertical(1861, 132)}, {}, {}, Side::Left},
      {"railways close on both sides",
       {Short(1861, 110), Short(1861, 130)},
       {},
       {},
       Side::AboveOrBelow},
      {"river on the right", {}, {Vertical(3, 135)}, {}, Side::Left},
      {"river on the left", {}, {Vertical(3, 105)}, {}, Side::Right},
      {"river between the mark and its right", {}, {Vertical(1, 124.5f)}, {}, Side::Left},
      {"another state on the right",
       {},
       {},
       {Rectangle(1, 1, 0, 0, 125, kHeight), Rectangle(2, 2, 125, 0, kWidth, kHeight)},
       Side::Left},
  };
  for (const auto& c : kCases) {
    MapArt art = OneCity();
    art.Railways = c.Railways;
    art.Rivers = c.Rivers;
    art.Land = c.Land;
    const LabelPlace place = PlaceCity(art);
    EXPECT_LT(place.Cost, kCoveredPixel) << c.Scene;
    EXPECT_EQ(SideOf(place.Box), c.Expected) << c.Scene;
  }
}

// Railways caged round the mark at the given distance leave room only outside the cage. The
// ink of a railway at x = 120 + d reaches pixel 123 + d, so the nearest clear box starts
// 4 + d pixels from the mark: 32, the farthest a city's name may go, for a cage at 28.
TEST(LabelSearch, CityNameGoesNoFartherThan32PixelsFromItsMark) {
  const struct {
    float Cage;
    bool Clear;
  } kCases[] = {{28, true}, {29, false}};
  for (const auto& c : kCases) {
    MapArt art = OneCity();
    art.Railways = {Vertical(1861, kMark.X - c.Cage), Vertical(1861, kMark.X + c.Cage),
                    Horizontal(1861, kMark.Y - c.Cage), Horizontal(1861, kMark.Y + c.Cage)};
    const LabelPlace place = PlaceCity(art, {60, 12, 0});
    EXPECT_EQ(place.Cost < kCoveredPixel, c.Clear) << c.Cage;
  }
}

// A railway through the middle of the state and a city's name beside it: the state's name
// moves off both and stays on its own land, taking the smaller form only where the larger
// cannot fit.
TEST(LabelSearch, StateNameStaysInsideItsStateClearOfItsLines) {
  const struct {
    float Right;  // of the state's land
    int ExpectedForm;
  } kCases[] = {{220, 0}, {130, 1}};
  for (const auto& c : kCases) {
    MapArt art = OneCity(7);
    art.Land = {Rectangle(1, 7, 20, 20, c.Right, 140), Rectangle(2, 8, c.Right, 20, kWidth, 140)};
    art.Railways = {Horizontal(1861, 60)};
    const LabelGround ground(art, kWidth, kHeight);
    const std::vector<LabelPlace> places =
        PlaceLabels(ground, {{LabelKind::City, {kName}, kMark, 7},
                             {LabelKind::State, {{150, 14, 0}, {90, 12, 300}}, {}, 7}});
    const TRect state{20, 20, static_cast<int>(c.Right), 140};
    EXPECT_LT(places[1].Cost, kCoveredPixel) << c.Right;
    EXPECT_TRUE(Encloses(state, places[1].Box)) << c.Right;
    EXPECT_EQ(places[1].Form, c.ExpectedForm) << c.Right;
    EXPECT_FALSE(Overlap(places[1].Box, places[0].Box)) << c.Right;
  }
}

// The summed-area count against counting pixel by pixel, boxes inside, across and outside
// the window.
TEST(PixelTally, CountsTheMarkedPixelsOfABox) {
  constexpr int kStride = 20;
  std::vector<std::uint8_t> marks(kStride * 12);
  for (std::size_t i = 0; i < marks.size(); ++i) marks[i] = (i * 7 % 5 == 0);
  const TRect window{3, 2, 17, 10};
  const PixelTally tally(window, marks, kStride);
  for (const TRect& box : {TRect{3, 2, 17, 10}, TRect{5, 4, 6, 5}, TRect{0, 0, 20, 12},
                           TRect{10, 8, 19, 12}, TRect{17, 2, 19, 10}, TRect{6, 6, 6, 9}}) {
    int expected = 0;
    for (int y = std::max(box.Top, window.Top); y < std::min(box.Bottom, window.Bottom); ++y) {
      for (int x = std::max(box.Left, window.Left); x < std::min(box.Right, window.Right); ++x) {
        expected += marks[static_cast<std::size_t>(y) * kStride + x];
      }
    }
    EXPECT_EQ(tally.Inside(box), expected) << box.Left << "," << box.Top;
  }
}

}  // namespace
