#include <gtest/gtest.h>

#include <array>

#include "pixel_picture.h"
#include "platform/graphics/bitmap.h"

namespace {

const Legend kLegend = {{clWhite, '.'}, {clRed, 'R'}, {clBlack, '#'}, {clBlue, 'B'}};

TEST(CanvasShapes, LinesLeaveOutTheirEndPixelAndMoveThePen) {
  TBitmap bitmap(5, 4);
  TCanvas& c = bitmap.Canvas();
  c.MoveTo(0, 0);
  c.LineTo(4, 0);
  c.LineTo(4, 3);
  EXPECT_EQ(c.PenPos(), (TPoint{4, 3}));
  EXPECT_EQ(Picture(bitmap, {0, 0, 5, 4}, kLegend),
            (std::vector<std::string>{"#####", "....#", "....#", "....."}));
}

// The sprite art draws with wide pens.
TEST(CanvasShapes, AWidePenStampsItsWidthAndAClearPenDrawsNothing) {
  TBitmap bitmap(7, 5);
  TCanvas& c = bitmap.Canvas();
  c.Pen.Width = 3;
  c.MoveTo(1, 2);
  c.LineTo(5, 2);
  EXPECT_EQ(InkBounds(bitmap, clWhite), (TRect{0, 1, 6, 4}));
  c.Pen.Style = psClear;
  c.Pen.Color = clRed;
  c.LineTo(1, 2);
  EXPECT_EQ(CountPixels(bitmap, {0, 0, 7, 5}, clRed), 0);
}

TEST(CanvasShapes, FrameAndRectangleDrawInsideTheRectangle) {
  TBitmap bitmap(6, 5);
  TCanvas& c = bitmap.Canvas();
  c.Brush.Color = clRed;
  c.FrameRect({0, 0, 3, 3});
  c.Pen.Color = clBlack;
  c.Brush.Color = clBlue;
  c.Rectangle(2, 1, 6, 5);
  EXPECT_EQ(Picture(bitmap, {0, 0, 6, 5}, kLegend),
            (std::vector<std::string>{"RRR...", "R.####", "RR#BB#", "..#BB#", "..####"}));
}

TEST(CanvasShapes, FocusRectangleIsDottedAndASecondCallRemovesIt) {
  TBitmap bitmap(5, 4);
  TCanvas& c = bitmap.Canvas();
  c.DrawFocusRect({0, 0, 5, 4});
  EXPECT_EQ(Picture(bitmap, {0, 0, 5, 4}, kLegend),
            (std::vector<std::string>{"#.#.#", ".....", "#...#", ".#.#."}));
  c.DrawFocusRect({0, 0, 5, 4});
  EXPECT_EQ(CountPixels(bitmap, {0, 0, 5, 4}, clWhite), 20);
}

TEST(CanvasShapes, FloodFillStopsAtTheBorderColourAndAtTheClip) {
  TBitmap bitmap(7, 5);
  TCanvas& c = bitmap.Canvas();
  c.Brush.Color = clBlack;
  c.FrameRect({0, 0, 5, 5});
  c.IntersectClipRect({0, 0, 3, 5});
  c.Brush.Color = clRed;
  c.FloodFill(2, 2, clBlack, fsBorder);
  EXPECT_EQ(Picture(bitmap, {0, 0, 7, 5}, kLegend),
            (std::vector<std::string>{"#####..", "#RR.#..", "#RR.#..", "#RR.#..", "#####.."}));
}

TEST(CanvasShapes, SurfaceFloodFillReplacesOneConnectedColour) {
  TBitmap bitmap(5, 3);
  TCanvas& c = bitmap.Canvas();
  c.Brush.Color = clBlue;
  c.FillRect({2, 0, 3, 3});
  c.Brush.Color = clRed;
  c.FloodFill(0, 0, clWhite, fsSurface);
  EXPECT_EQ(Picture(bitmap, {0, 0, 5, 3}, kLegend),
            (std::vector<std::string>{"RRB..", "RRB..", "RRB.."}));
  c.Brush.Color = clWhite;
  c.FloodFill(4, 0, clWhite, fsSurface);  // filling a colour with itself ends
  EXPECT_EQ(CountPixels(bitmap, {0, 0, 5, 3}, clWhite), 6);
}

TEST(CanvasShapes, PolygonFillsItsInsideAndOutlinesItsEdges) {
  TBitmap bitmap(6, 6);
  TCanvas& c = bitmap.Canvas();
  c.Brush.Color = clRed;
  const std::array<TPoint, 4> square = {{{0, 0}, {5, 0}, {5, 5}, {0, 5}}};
  c.Polygon(square);
  EXPECT_EQ(Picture(bitmap, {0, 0, 6, 6}, kLegend),
            (std::vector<std::string>{"######", "#RRRR#", "#RRRR#", "#RRRR#", "#RRRR#", "######"}));
  EXPECT_EQ(c.PenPos(), (TPoint{0, 0}));
}

}  // namespace
