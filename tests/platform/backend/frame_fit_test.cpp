#include <gtest/gtest.h>

#include "platform/backend/frame_fit.h"

namespace {

// The frame fills the window's narrower way and keeps its 4:3 shape, with
// bars along the other; a window of the frame's own size shows it as it is.
TEST(FrameFit, TheFrameFillsTheWindowInItsOwnShape) {
  const struct {
    int width, height;
    TRect frame;
    bool sharp;
  } cases[] = {{800, 600, TRect::Bounds(0, 0, 800, 600), true},
               {1200, 900, TRect::Bounds(0, 0, 1200, 900), false},
               {1920, 1080, TRect::Bounds(240, 0, 1440, 1080), false},
               {1600, 1300, TRect::Bounds(0, 50, 1600, 1200), true},
               {2560, 1440, TRect::Bounds(320, 0, 1920, 1440), false},
               {1601, 1200, TRect::Bounds(0, 0, 1600, 1200), true},  // one spare column
               {801, 601, TRect::Bounds(0, 0, 801, 601), false},     // just over: smoothed
               {400, 600, TRect::Bounds(0, 150, 400, 300), false},
               {640, 400, TRect::Bounds(53, 0, 533, 400), false}};
  for (const auto& c : cases) {
    const TRect frame = FitFrame(c.width, c.height, 800, 600);
    EXPECT_EQ(frame, c.frame) << c.width << " x " << c.height;
    EXPECT_EQ(ScalesByWholeFactor(frame, 800, 600), c.sharp) << c.width << " x " << c.height;
  }
  EXPECT_TRUE(FitFrame(0, 0, 800, 600).IsEmpty());
  EXPECT_FALSE(ScalesByWholeFactor({}, 800, 600));
}

// A click lands on the frame pixel drawn under it: the corners, the centre,
// and the bars beside the frame, which lie outside it.
TEST(FrameFit, WindowPointsMapBackToFramePixels) {
  const TRect maximised = FitFrame(1920, 1080, 800, 600);
  EXPECT_EQ(WindowToFrame({240, 0}, maximised, 800, 600), (TPoint{0, 0}));
  EXPECT_EQ(WindowToFrame({1679, 1079}, maximised, 800, 600), (TPoint{799, 599}));
  EXPECT_EQ(WindowToFrame({960, 540}, maximised, 800, 600), (TPoint{400, 300}));
  EXPECT_EQ(WindowToFrame({239, 540}, maximised, 800, 600).X, -1);  // in the left bar
  EXPECT_EQ(WindowToFrame({1680, 540}, maximised, 800, 600).X, 800);

  const TRect enlarged = FitFrame(1200, 900, 800, 600);
  EXPECT_EQ(WindowToFrame({0, 0}, enlarged, 800, 600), (TPoint{0, 0}));
  EXPECT_EQ(WindowToFrame({1199, 899}, enlarged, 800, 600), (TPoint{799, 599}));
  EXPECT_EQ(WindowToFrame({600, 450}, enlarged, 800, 600), (TPoint{400, 300}));

  const TRect doubled = TRect::Bounds(480, 120, 1600, 1200);
  EXPECT_EQ(WindowToFrame({481, 121}, doubled, 800, 600), (TPoint{0, 0}));
  EXPECT_EQ(WindowToFrame({479, 119}, doubled, 800, 600), (TPoint{-1, -1}));

  const TRect own_size = FitFrame(800, 600, 800, 600);
  EXPECT_EQ(WindowToFrame({123, 456}, own_size, 800, 600), (TPoint{123, 456}));
}

}  // namespace
