#include <gtest/gtest.h>

#include "pixel_picture.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/colour_names.h"
#include "platform/graphics/region.h"
#include "platform/graphics/system_colours.h"

namespace {

const Legend kLegend = {{clWhite, '.'}, {clRed, 'R'}, {clBlack, '#'}};

TEST(CanvasState, ColourNamesAreFoundWhateverTheirCase) {
  EXPECT_EQ(IdentToColor("clRed"), clRed);
  EXPECT_EQ(IdentToColor("CLBTNFACE"), clBtnFace);
  EXPECT_EQ(IdentToColor("clNone"), clNone);
  EXPECT_EQ(IdentToColor("clMauve"), std::nullopt);
  EXPECT_EQ(IdentToColor("Red"), std::nullopt);
}

TEST(Region, UnitedRectanglesNeverOverlapAndExcludedHolesAreLeftOut) {
  TRegion region;
  region.Unite({0, 0, 4, 2});
  region.Unite({2, 1, 6, 3});  // overlaps the first
  region.Exclude({1, 0, 2, 3});
  int area = 0;
  for (const TRect& r : region.Rects()) area += r.Width() * r.Height();
  EXPECT_EQ(area, 8 + 8 - 2 - 2);
  EXPECT_FALSE(region.Contains({1, 1}));
  EXPECT_TRUE(region.Contains({5, 2}));
  EXPECT_EQ(region.BoundingBox(), (TRect{0, 0, 6, 3}));
  region.Intersect({10, 10, 20, 20});
  EXPECT_TRUE(region.IsEmpty());
  EXPECT_EQ(region.BoundingBox(), TRect{});
}

TEST(CanvasState, FillsAreClippedToTheIntersectionAndAroundExcludedHoles) {
  TBitmap bitmap(6, 4);
  TCanvas& c = bitmap.Canvas();
  c.IntersectClipRect({1, 0, 6, 4});
  c.IntersectClipRect({0, 1, 5, 4});
  c.ExcludeClipRect({2, 2, 4, 3});
  c.Brush.Color = clRed;
  c.FillRect({0, 0, 6, 4});
  EXPECT_EQ(Picture(bitmap, {0, 0, 6, 4}, kLegend),
            (std::vector<std::string>{"......", ".RRRR.", ".R..R.", ".RRRR."}));
  EXPECT_EQ(c.ClipRect(), (TRect{1, 1, 5, 4}));
}

TEST(CanvasState, RestoreStateBringsBackToolsOriginAndClipInNestedOrder) {
  TBitmap bitmap(10, 10);
  TCanvas& c = bitmap.Canvas();
  c.Brush.Color = clRed;
  c.SaveState();
  c.SetOrigin({4, 4});
  c.IntersectClipRect({0, 0, 1, 1});
  c.Pen.Width = 3;
  {
    TCanvasStateGuard guard(c);
    c.Brush.Color = clBlack;
    c.Font.SetHeight(-20);
    c.IntersectClipRect({5, 5, 6, 6});
  }
  EXPECT_EQ(c.Brush.Color, clRed);
  EXPECT_EQ(c.Font.Height(), -11);
  EXPECT_EQ(c.ClipRect(), (TRect{0, 0, 1, 1}));
  c.RestoreState();
  EXPECT_EQ(c.Origin(), (TPoint{0, 0}));
  EXPECT_EQ(c.Pen.Width, 1);
  EXPECT_EQ(c.ClipRect(), (TRect{0, 0, 10, 10}));
  c.RestoreState();  // an unmatched restore changes nothing
  EXPECT_EQ(c.Brush.Color, clRed);
}

// A canvas's origin shifts its drawing and its clip is given in its own
// coordinates; two canvases on one bitmap keep their own.
TEST(CanvasState, EachCanvasKeepsItsOwnOriginAndClip) {
  TBitmap form(10, 10);
  TCanvas control(&form);
  control.SetOrigin({5, 5});
  control.IntersectClipRect({0, 0, 3, 3});
  EXPECT_EQ(control.ClipRect(), (TRect{0, 0, 3, 3}));
  EXPECT_TRUE(control.PtVisible({2, 2}));
  EXPECT_FALSE(control.PtVisible({3, 2}));
  control.Brush.Color = clRed;
  control.FillRect({-5, -5, 10, 10});
  form.Canvas().Brush.Color = clBlack;
  form.Canvas().FillRect({0, 0, 1, 1});
  EXPECT_EQ(InkBounds(form, clWhite), (TRect{0, 0, 8, 8}));
  EXPECT_EQ(CountPixels(form, {0, 0, 10, 10}, clRed), 9);
  EXPECT_EQ(control.Pixel(0, 0), clRed);
}

TEST(CanvasState, DrawingOutsideTheBitmapIsIgnoredAndReadsAsNone) {
  TBitmap bitmap(2, 2);
  bitmap.Canvas().SetPixel(-1, 5, clRed);
  bitmap.Canvas().Brush.Color = clRed;
  bitmap.Canvas().FillRect({-10, -10, 0, 0});
  EXPECT_EQ(CountPixels(bitmap, {0, 0, 2, 2}, clWhite), 4);
  EXPECT_EQ(bitmap.Pixel(2, 0), clNone);
  TCanvas unattached;
  unattached.FillRect({0, 0, 5, 5});
  EXPECT_EQ(unattached.Pixel(0, 0), clNone);
}

TEST(Bitmap, ResizingKeepsTheOverlapAndNotifiesOnlyOnChange) {
  TBitmap bitmap(2, 2);
  bitmap.SetPixel(1, 1, clRed);
  int changes = 0;
  bitmap.OnChange = [&] { ++changes; };
  bitmap.SetSize(3, 3);
  bitmap.SetSize(3, 3);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(bitmap.Pixel(1, 1), clRed);
  EXPECT_EQ(bitmap.Pixel(2, 2), clWhite);
  TBitmap copy = bitmap;
  copy.Canvas().SetPixel(0, 0, clBlack);
  EXPECT_EQ(bitmap.Pixel(0, 0), clWhite);
  EXPECT_EQ(copy.Pixel(0, 0), clBlack);
}

TEST(Bitmap, TransparentColourIsTheBottomLeftPixelUntilFixedAndNoneLeavesOutNothing) {
  TBitmap bitmap(3, 3);
  bitmap.SetPixel(0, 2, clRed);
  EXPECT_EQ(bitmap.TransparentColor(), clRed);
  bitmap.SetTransparentColor(clBlack);
  EXPECT_EQ(bitmap.TransparentMode(), tmFixed);
  EXPECT_EQ(bitmap.TransparentColor(), clBlack);
  bitmap.SetTransparentColor(clDefault);
  EXPECT_EQ(bitmap.TransparentColor(), clRed);
  EXPECT_EQ(TBitmap().TransparentColor(), clNone);
  // None as the transparent colour leaves nothing out.
  TBitmap picture(2, 1);
  picture.SetTransparent(true);
  picture.SetTransparentColor(clNone);
  TBitmap dest = FilledBitmap(2, 1, clRed);
  dest.Canvas().Draw(0, 0, picture);
  EXPECT_EQ(CountPixels(dest, {0, 0, 2, 1}, clWhite), 2);
}

TEST(Bitmap, MonochromeHoldsOnlyBlackAndWhite) {
  TBitmap bitmap(2, 1);
  bitmap.SetPixel(0, 0, clRed);
  bitmap.SetMonochrome(true);
  EXPECT_EQ(bitmap.Pixel(0, 0), clBlack);
  EXPECT_EQ(bitmap.Pixel(1, 0), clWhite);
  bitmap.Canvas().Brush.Color = clYellow;
  bitmap.Canvas().FillRect({1, 0, 2, 1});
  EXPECT_EQ(bitmap.Pixel(1, 0), clBlack);
}

}  // namespace
