// The drawing routines checked by their pixels on small white bitmaps.
#include "widgets/draw_utils.h"

#include <gtest/gtest.h>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/system_colours.h"

namespace {

const TColor kFace = GetSysColor(COLOR_BTNFACE);
const TColor kShadow = GetSysColor(COLOR_BTNSHADOW);
const TColor kHighlight = GetSysColor(COLOR_BTNHIGHLIGHT);
const TColor kDark = GetSysColor(COLOR_3DDKSHADOW);

// The colours at the four corners that tell a two-ring frame apart: outer
// top-left, outer bottom-right, inner top-left, inner bottom-right.
std::vector<TColor> FrameCorners(const TBitmap& page, const TRect& r) {
  return {page.Pixel(r.Left, r.Top), page.Pixel(r.Right - 1, r.Bottom - 1),
          page.Pixel(r.Left + 1, r.Top + 1), page.Pixel(r.Right - 2, r.Bottom - 2)};
}

int CountOf(const TBitmap& page, TColor color) {
  int n = 0;
  for (int y = 0; y < page.Height(); ++y) {
    for (int x = 0; x < page.Width(); ++x) n += page.Pixel(x, y) == color ? 1 : 0;
  }
  return n;
}

TEST(DrawUtils, ThreeDRectGivesTheOffDiagonalCornersToTheBottomRightColour) {
  TBitmap page(6, 6);
  Draw3DRect(page.Canvas(), 0, 0, 5, 4, clRed, clBlue);
  EXPECT_EQ(page.Pixel(3, 0), clRed);
  EXPECT_EQ(page.Pixel(4, 0), clBlue);  // top-right
  EXPECT_EQ(page.Pixel(0, 2), clRed);
  EXPECT_EQ(page.Pixel(0, 3), clBlue);  // bottom-left
  EXPECT_EQ(page.Pixel(2, 2), clWhite);
  EXPECT_EQ(page.Pixel(5, 4), clWhite);
}

TEST(DrawUtils, ButtonFramesFollowTheirTables) {
  const TRect r{0, 0, 8, 8};
  const auto frame = [&](bool deep, bool down) {
    TBitmap page(8, 8);
    DrawButtonFrame(page.Canvas(), r, deep, down);
    return FrameCorners(page, r);
  };
  const auto from_color = [&](TColor color, bool deep, bool down) {
    TBitmap page(8, 8);
    DrawButtonFrameFromColor(page.Canvas(), r, deep, down, color, false);
    return FrameCorners(page, r);
  };
  using Corners = std::vector<TColor>;
  EXPECT_EQ(frame(false, true), (Corners{kDark, kHighlight, kShadow, kFace}));
  EXPECT_EQ(frame(true, false), (Corners{kHighlight, kDark, kFace, kShadow}));
  EXPECT_EQ(frame(false, false), (Corners{kHighlight, kShadow, kFace, kFace}));
  EXPECT_EQ(from_color(clBtnFace, true, false), frame(true, false));
  EXPECT_EQ(from_color(clBtnFace, false, true), (Corners{kShadow, kHighlight, kFace, kFace}));
  // Black has no lightness to shade: the system shades frame it.
  EXPECT_EQ(from_color(clBlack, true, true), (Corners{kDark, kHighlight, kShadow, clBlack}));
}

// A right arrow in a 4 x 7 box at (4, 3) of a 12 x 12 box: columns of 7, 5, 3 and 1.
TEST(DrawUtils, ArrowsPointTheirWayNeedRoomAndLeaveThePenAsTheyFoundIt) {
  TBitmap page(12, 12);
  TCanvas& canvas = page.Canvas();
  canvas.Pen.Color = clLime;
  canvas.MoveTo(3, 4);
  for (int direction = 0; direction < 4; ++direction) {
    DrawArrow(canvas, direction, {0, 0, 5, 5}, clRed, true);
  }
  EXPECT_EQ(CountOf(page, clWhite), 144);
  DrawArrow(canvas, kArrowRight, {0, 0, 12, 12}, clRed, true);
  EXPECT_EQ(canvas.Pen.Color, clLime);
  EXPECT_EQ(canvas.PenPos(), (TPoint{3, 4}));
  EXPECT_EQ(CountOf(page, clRed), 16);
  EXPECT_EQ(page.Pixel(4, 3), clRed);
  EXPECT_EQ(page.Pixel(4, 9), clRed);
  EXPECT_EQ(page.Pixel(7, 6), clRed);
  EXPECT_EQ(page.Pixel(7, 5), clWhite);

  TBitmap disabled(12, 12);
  DrawArrow(disabled.Canvas(), kArrowDown, {0, 0, 12, 12}, clRed, false);
  EXPECT_EQ(CountOf(disabled, clRed), 0);
  EXPECT_EQ(disabled.Pixel(3, 4), kShadow);      // the row of 7 at (3, 4)
  EXPECT_EQ(disabled.Pixel(10, 5), kHighlight);  // its highlight one pixel down-right
}

TEST(DrawUtils, HLSOfGreysAndRoundTrips) {
  EXPECT_EQ(RGBToHLS(clBlack), PackHLS(168, 0, 0));
  EXPECT_EQ(RGBToHLS(clWhite), PackHLS(168, 252, 0));
  EXPECT_EQ(HLSToRGB(PackHLS(168, 252, 0)), clWhite);
  EXPECT_EQ(RGBToHLS(clRed), PackHLS(0, 126, 252));
  EXPECT_EQ(HLSToRGB(RGBToHLS(clNavy)), clNavy);
}

// Corner 8, bands 4 wide; the bottom and right bands are one wider.
TEST(DrawUtils, BorderHitTestFindsCornersBandsAndTheClient) {
  const TRect r{0, 0, 100, 50};
  const struct {
    TPoint at;
    int code;
  } cases[] = {
      {{3, 25}, HTLEFT},      {{4, 25}, HTCLIENT},    {{0, 8}, HTTOPLEFT},      {{0, 9}, HTLEFT},
      {{0, 40}, HTLEFT},      {{0, 41}, HTBOTTOMLEFT}, {{50, 3}, HTTOP},        {{50, 4}, HTCLIENT},
      {{8, 1}, HTTOPLEFT},    {{9, 1}, HTTOP},        {{90, 1}, HTTOP},         {{91, 1}, HTTOPRIGHT},
      {{50, 45}, HTBOTTOM},   {{50, 44}, HTCLIENT},   {{95, 25}, HTRIGHT},      {{94, 25}, HTCLIENT},
      {{99, 49}, HTBOTTOMRIGHT}, {{100, 10}, HTNOWHERE},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(BorderHitTest(r, c.at, 8, 4), c.code) << c.at.X << "," << c.at.Y;
  }
}

TEST(DrawUtils, FlatScrollBarsPlaceTheThumbFromTheScrollState) {
  TKxScrollBarWindow window;
  window.HasVertBar = true;
  window.ClientSize = {84, 100};
  window.Vert = {0, 99, 25, 50, 0};
  TBitmap page(100, 100);
  DrawFlatScrollBars(window, page.Canvas(), {0, 0, 100, 100}, kKxVertBar, false, false, false,
                     false);
  // Arrows of 16 at both ends; the thumb is 68 * 25 / 100 = 17 long and
  // starts 50 * 51 / 75 = 34 after the first arrow.
  EXPECT_EQ(page.Pixel(84, 84), kHighlight);
  EXPECT_EQ(page.Pixel(84, 16 + 34), kHighlight);
  EXPECT_EQ(page.Pixel(99, 16 + 34 + 16), kShadow);
  EXPECT_EQ(page.Pixel(90, 16 + 33), clWhite);

  // A page as large as the range: the thumb fills the track, one short.
  window.Vert = {0, 9, 10, 0, 0};
  window.HasHorzBar = true;
  window.ClientSize = {84, 84};
  TBitmap full(100, 100);
  DrawFlatScrollBars(window, full.Canvas(), {0, 0, 100, 100}, kKxHorzBar | kKxVertBar, false, false,
                     false, false);
  EXPECT_EQ(full.Pixel(99, 83), kShadow);
  EXPECT_EQ(full.Pixel(0, 99), kShadow);   // the horizontal bar's first arrow
  EXPECT_EQ(full.Pixel(99, 99), clWhite);  // the corner between the bars
}

}  // namespace
