#include "tools/map/raster.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tools/map/water_distance.h"

namespace {

float Total(const Coverage& mask) {
  float sum = 0;
  for (int y = 0; y < mask.Height(); ++y) {
    for (int x = 0; x < mask.Width(); ++x) sum += mask.At(x, y);
  }
  return sum;
}

Polyline Square(float left, float top, float side) {
  return {{left, top}, {left + side, top}, {left + side, top + side}, {left, top + side}};
}

TEST(Raster, FilledRingCoversItsAreaWithSoftEdges) {
  Coverage mask(40, 40);
  FillRings(mask, {Square(5.5f, 5.5f, 10)});
  EXPECT_NEAR(Total(mask), 100, 1.5);
  EXPECT_FLOAT_EQ(mask.At(10, 10), 1);
  EXPECT_NEAR(mask.At(5, 10), 0.5, 0.11);
  EXPECT_EQ(mask.At(20, 10), 0);
}

TEST(Raster, RingInsideARingIsAHole) {
  Coverage mask(40, 40);
  FillRings(mask, {Square(0, 0, 30), Square(10, 10, 10)});
  EXPECT_NEAR(Total(mask), 900 - 100, 2);
  EXPECT_EQ(mask.At(15, 15), 0);
}

TEST(Raster, ShapesPartlyOffThePictureFillOnlyWhatIsOnIt) {
  Coverage mask(20, 20);
  FillRings(mask, {Square(-50, -50, 60)});
  EXPECT_NEAR(Total(mask), 100, 1);
}

TEST(Raster, StrokeHasItsWidthAndDashesLeaveGaps) {
  Coverage solid(60, 20);
  StrokeLine(solid, {{10, 10}, {50, 10}}, 3);
  EXPECT_NEAR(Total(solid), 40 * 3 + 3.14f * 1.5f * 1.5f, 6);
  Coverage dashed(60, 20);
  StrokeLine(dashed, {{10, 10}, {50, 10}}, 3, {5, 5});
  EXPECT_LT(Total(dashed), Total(solid) * 0.65f);
  EXPECT_GT(Total(dashed), Total(solid) * 0.35f);
}

TEST(Raster, SmoothedLinePassesThroughItsPoints) {
  const Polyline line{{0, 0}, {10, 10}, {20, 0}};
  const Polyline smooth = Smoothed(line, 1);
  EXPECT_GT(smooth.size(), 20u);
  EXPECT_FLOAT_EQ(smooth.front().X, 0);
  EXPECT_FLOAT_EQ(smooth.back().X, 20);
  EXPECT_TRUE(std::ranges::any_of(smooth, [](PointF p) { return p.X == 10 && p.Y == 10; }));
}

TEST(Raster, BlendingAStrokeClearsTheScratchMask) {
  Coverage scratch(10, 10);
  Picture picture(10, 10, {255, 255, 255});
  StrokeLine(scratch, {{5, 5}}, 3);
  picture.BlendStroke(scratch, {0, 0, 0});
  EXPECT_LT(picture.At(5, 5).R, 1);
  EXPECT_EQ(Total(scratch), 0);
  EXPECT_TRUE(scratch.Touched().empty());
}

TEST(WaterDistance, MeasuresStraightLineDistanceToTheNearestLand) {
  Coverage land(30, 30);
  land.Ref(10, 10) = 1;
  land.Ref(25, 25) = 1;
  const auto distance = DistanceFromLand(land);
  EXPECT_FLOAT_EQ(distance[10 * 30 + 10], 0);
  EXPECT_FLOAT_EQ(distance[14 * 30 + 13], 5);  // 3 across, 4 down
  EXPECT_FLOAT_EQ(distance[25 * 30 + 20], 5);  // nearer the second island
}

}  // namespace
