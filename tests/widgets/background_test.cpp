// Drawing parts of a larger background, and the image form that paints a
// form's background and tells the controls over it when it changes.
#include "widgets/background.h"

#include <gtest/gtest.h>

#include "platform/graphics/bitmap.h"

namespace {

// A 4 x 3 picture whose every pixel has its own colour.
TBitmap Numbered() {
  TBitmap picture(4, 3);
  for (int y = 0; y < 3; ++y) {
    for (int x = 0; x < 4; ++x) picture.SetPixel(x, y, RGB(10 * x + 1, 10 * y + 1, 7));
  }
  return picture;
}

// The colour a background type puts at a target pixel; the area is the
// background's, the target shows the part of it at `offset`.
TColor Drawn(TKxBkGndType type, TPoint offset, TRect area, TPoint pixel, bool dither = false) {
  TBitmap target(12, 12);
  target.Canvas().Brush.Color = clBlack;
  target.Canvas().FillRect({0, 0, 12, 12});
  if (dither) {
    DrawBackgroundBitmapEx(target.Canvas(), {0, 0, 12, 12}, type, Numbered(), true, clWhite, clRed,
                           false, offset, area);
  } else {
    DrawBackgroundBitmap(target.Canvas(), {0, 0, 12, 12}, type, Numbered(), clRed, offset, area);
  }
  return target.Pixel(pixel.X, pixel.Y);
}

TEST(BackgroundTest, EachTypePaintsItsPartOfTheBackground) {
  const TBitmap p = Numbered();
  const TRect big{0, 0, 100, 100};
  const struct {
    const char* name;
    TKxBkGndType type;
    TPoint offset;
    TRect area;
    TPoint pixel;
    TColor colour;
    bool dither;
  } cases[] = {
      {"tile", bgtTileBitmap, {0, 0}, big, {9, 7}, p.Pixel(1, 1), false},
      {"tile seen from (5, 2)", bgtTileBitmap, {5, 2}, big, {0, 0}, p.Pixel(1, 2), false},
      {"tile seen from (5, 2), next tile", bgtTileBitmap, {5, 2}, big, {3, 1}, p.Pixel(0, 0), false},
      {"stretch first", bgtStretchBitmap, {0, 0}, {0, 0, 8, 6}, {0, 0}, p.Pixel(0, 0), false},
      {"stretch last", bgtStretchBitmap, {0, 0}, {0, 0, 8, 6}, {7, 5}, p.Pixel(3, 2), false},
      {"outside the area", bgtStretchBitmap, {0, 0}, {0, 0, 8, 6}, {8, 0}, clRed, false},
      {"centred, before", bgtCenterBitmap, {0, 0}, {0, 0, 10, 9}, {2, 2}, clRed, false},
      {"centred, first", bgtCenterBitmap, {0, 0}, {0, 0, 10, 9}, {3, 3}, p.Pixel(0, 0), false},
      {"centred, last", bgtCenterBitmap, {0, 0}, {0, 0, 10, 9}, {6, 5}, p.Pixel(3, 2), false},
      {"centred, after", bgtCenterBitmap, {0, 0}, {0, 0, 10, 9}, {7, 6}, clRed, false},
      {"dithered, kept", bgtTileBitmap, {0, 0}, big, {5, 1}, p.Pixel(1, 1), true},
      {"dithered, lit", bgtTileBitmap, {0, 0}, big, {6, 1}, clWhite, true},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Drawn(c.type, c.offset, c.area, c.pixel, c.dither), c.colour) << c.name;
  }
}

}  // namespace
