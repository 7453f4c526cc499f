#include <gtest/gtest.h>

#include "platform/backend/frame_fit.h"

namespace {

TEST(FrameFit, TheFrameGrowsByWholeFactorsAndIsCentredWithBars) {
  EXPECT_EQ(FitFrame(800, 600, 800, 600), TRect::Bounds(0, 0, 800, 600));
  EXPECT_EQ(FitFrame(1920, 1080, 800, 600), TRect::Bounds(560, 240, 800, 600));
  EXPECT_EQ(FitFrame(1600, 1300, 800, 600), TRect::Bounds(0, 50, 1600, 1200));
  EXPECT_EQ(FitFrame(2560, 1440, 800, 600), TRect::Bounds(480, 120, 1600, 1200));
}

TEST(FrameFit, AWindowSmallerThanTheFrameShowsItShrunkInShape) {
  EXPECT_EQ(FitFrame(400, 600, 800, 600), TRect::Bounds(0, 150, 400, 300));
  EXPECT_EQ(FitFrame(640, 400, 800, 600), TRect::Bounds(53, 0, 533, 400));
  EXPECT_TRUE(FitFrame(0, 0, 800, 600).IsEmpty());
}

TEST(FrameFit, WindowPointsMapBackToFramePixels) {
  const TRect doubled = TRect::Bounds(480, 120, 1600, 1200);
  EXPECT_EQ(WindowToFrame({480, 120}, doubled, 800, 600), (TPoint{0, 0}));
  EXPECT_EQ(WindowToFrame({481, 121}, doubled, 800, 600), (TPoint{0, 0}));
  EXPECT_EQ(WindowToFrame({2079, 1319}, doubled, 800, 600), (TPoint{799, 599}));
  EXPECT_EQ(WindowToFrame({479, 119}, doubled, 800, 600), (TPoint{-1, -1}));  // in the bars

  const TRect shrunk = TRect::Bounds(0, 150, 400, 300);
  EXPECT_EQ(WindowToFrame({200, 300}, shrunk, 800, 600), (TPoint{400, 300}));
}

}  // namespace
