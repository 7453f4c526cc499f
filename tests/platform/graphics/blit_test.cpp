#include <gtest/gtest.h>

#include "pixel_picture.h"
#include "platform/graphics/bitmap.h"

namespace {

const Legend kLegend = {{clWhite, '.'}, {clRed, 'R'},    {clBlack, '#'},
                        {clBlue, 'B'},  {clYellow, 'Y'}, {clAqua, 'A'}};

// A 3 x 2 source: a red row over a blue row with one black pixel.
TBitmap Source() {
  TBitmap source = FilledBitmap(3, 2, clRed);
  source.Canvas().Brush.Color = clBlue;
  source.Canvas().FillRect({0, 1, 3, 2});
  source.SetPixel(2, 1, clBlack);
  return source;
}

TEST(Blit, CopyIsClippedOnBothSides) {
  TBitmap dest(4, 3);
  const TBitmap source = Source();
  dest.Canvas().IntersectClipRect({0, 0, 4, 2});
  dest.Canvas().BitBlt(2, 1, 3, 2, source.Canvas(), 0, 0, SRCCOPY);
  dest.Canvas().BitBlt(-1, -1, 3, 2, source.Canvas(), 0, 0, SRCCOPY);
  EXPECT_EQ(Picture(dest, {0, 0, 4, 3}, kLegend),
            (std::vector<std::string>{"B#..", "..RR", "...."}));
}

// The classic masked copy: a monochrome mask made against the transparent
// colour, AND with the mask, then OR the source whose transparent pixels
// were turned black. It must match a transparent Draw.
TEST(Blit, MaskSequenceLeavesOutTheTransparentColourLikeATransparentDraw) {
  const TBitmap source = Source();  // blue is to be left out
  TBitmap mask(3, 2);
  mask.SetMonochrome(true);
  TBitmap colour_source = source;
  colour_source.Canvas().Brush.Color = clBlue;  // background: the transparent colour
  mask.Canvas().BitBlt(0, 0, 3, 2, colour_source.Canvas(), 0, 0, SRCCOPY);
  EXPECT_EQ(Picture(mask, {0, 0, 3, 2}, kLegend), (std::vector<std::string>{"###", "..#"}));

  TBitmap masked = FilledBitmap(3, 2, clYellow);
  masked.Canvas().Brush.Color = clWhite;  // the mask's white keeps the destination
  masked.Canvas().BitBlt(0, 0, 3, 2, mask.Canvas(), 0, 0, SRCAND);
  TBitmap cut = source;
  cut.Canvas().Brush.Color = clBlack;
  cut.Canvas().Font.SetColor(clWhite);
  cut.Canvas().BitBlt(0, 0, 3, 2, mask.Canvas(), 0, 0, SRCAND);
  masked.Canvas().BitBlt(0, 0, 3, 2, cut.Canvas(), 0, 0, SRCPAINT);

  TBitmap drawn = FilledBitmap(3, 2, clYellow);
  TBitmap transparent = source;
  transparent.SetTransparentColor(clBlue);
  transparent.SetTransparent(true);
  drawn.Canvas().Draw(0, 0, transparent);
  EXPECT_EQ(Picture(drawn, {0, 0, 3, 2}, kLegend), (std::vector<std::string>{"RRR", "YY#"}));
  EXPECT_EQ(Picture(masked, {0, 0, 3, 2}, kLegend), Picture(drawn, {0, 0, 3, 2}, kLegend));
}

TEST(Blit, MonochromeSourceTakesTheTextAndBackgroundColoursOfTheTarget) {
  TBitmap mono(2, 1);
  mono.SetMonochrome(true);
  mono.SetPixel(0, 0, clBlack);
  TBitmap dest(2, 1);
  dest.Canvas().Font.SetColor(clRed);
  dest.Canvas().Brush.Color = clBlue;
  dest.Canvas().Draw(0, 0, mono);
  EXPECT_EQ(Picture(dest, {0, 0, 2, 1}, kLegend), (std::vector<std::string>{"RB"}));
}

TEST(Blit, StretchRepeatsOrSkipsSourcePixels) {
  const TBitmap source = Source();
  TBitmap dest(6, 4);
  dest.Canvas().StretchDraw({0, 0, 6, 4}, source);
  EXPECT_EQ(Picture(dest, {0, 0, 6, 4}, kLegend),
            (std::vector<std::string>{"RRRRRR", "RRRRRR", "BBBB##", "BBBB##"}));
  TBitmap small(1, 1);
  small.Canvas().CopyMode = SRCCOPY;
  small.Canvas().CopyRect({0, 0, 1, 1}, source.Canvas(), {1, 0, 3, 2});
  EXPECT_EQ(small.Pixel(0, 0), clRed);
}

TEST(Blit, OverlappingCopyWithinOneBitmapMovesThePictureWhole) {
  TBitmap bitmap(5, 1);
  for (int x = 0; x < 3; ++x) bitmap.SetPixel(x, 0, x == 0 ? clRed : x == 1 ? clBlue : clBlack);
  bitmap.Canvas().BitBlt(1, 0, 3, 1, bitmap.Canvas(), 0, 0, SRCCOPY);
  EXPECT_EQ(Picture(bitmap, {0, 0, 5, 1}, kLegend), (std::vector<std::string>{"RRB#."}));
}

TEST(Blit, SourceOriginAppliesToTheSourceRectangle) {
  TBitmap source = Source();
  TCanvas shifted(&source);
  shifted.SetOrigin({1, 1});
  TBitmap dest(2, 1);
  dest.Canvas().BitBlt(0, 0, 2, 1, shifted, 0, 0, SRCCOPY);
  EXPECT_EQ(Picture(dest, {0, 0, 2, 1}, kLegend), (std::vector<std::string>{"B#"}));
}

}  // namespace
