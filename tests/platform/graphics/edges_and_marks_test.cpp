#include <gtest/gtest.h>

#include "pixel_picture.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/edges.h"
#include "platform/graphics/frame_control.h"
#include "platform/graphics/system_colours.h"

namespace {

const Legend kLegend = {{clRed, 'R'},
                        {clBlack, '#'},
                        {GetSysColor(COLOR_3DLIGHT), 'l'},
                        {GetSysColor(COLOR_BTNHIGHLIGHT), 'w'},
                        {GetSysColor(COLOR_BTNSHADOW), 's'},
                        {GetSysColor(COLOR_BTNFACE), 'f'}};

TEST(Edges, RaisedEdgeHasLightOuterAndInnerRingsWithDarkCornersAndAdjusts) {
  TBitmap bitmap = FilledBitmap(6, 5, clRed);
  TRect rect{0, 0, 6, 5};
  DrawEdge(bitmap.Canvas(), rect, EDGE_RAISED, BF_RECT | BF_ADJUST);
  EXPECT_EQ(Picture(bitmap, {0, 0, 6, 5}, kLegend),
            (std::vector<std::string>{"lllll#", "lwwws#", "lwRRs#", "lssss#", "######"}));
  EXPECT_EQ(rect, (TRect{2, 2, 4, 3}));
  EXPECT_EQ(bitmap.Canvas().Brush.Color, clRed);  // the caller's brush is left as it was
}

TEST(Edges, SunkenEdgeMirrorsTheRaisedColoursAndLeavesTheRectangleWithoutAdjust) {
  TBitmap bitmap = FilledBitmap(5, 5, clRed);
  TRect rect{0, 0, 5, 5};
  DrawEdge(bitmap.Canvas(), rect, EDGE_SUNKEN, BF_RECT);
  EXPECT_EQ(Picture(bitmap, {0, 0, 5, 5}, kLegend),
            (std::vector<std::string>{"ssssw", "s##lw", "s#Rlw", "slllw", "wwwww"}));
  EXPECT_EQ(rect, (TRect{0, 0, 5, 5}));
}

TEST(Edges, OnlyTheChosenSidesAreDrawnAndAdjusted) {
  TBitmap bitmap = FilledBitmap(4, 4, clRed);
  TRect rect{0, 0, 4, 4};
  DrawEdge(bitmap.Canvas(), rect, EDGE_ETCHED, BF_LEFT | BF_TOP | BF_ADJUST);
  EXPECT_EQ(Picture(bitmap, {0, 0, 4, 4}, kLegend),
            (std::vector<std::string>{"ssss", "swww", "swRR", "swRR"}));
  EXPECT_EQ(rect, (TRect{2, 2, 4, 4}));
}

TBitmap Mark(unsigned state) {
  TBitmap bitmap = FilledBitmap(14, 14, clRed);
  EXPECT_TRUE(DrawFrameControl(bitmap.Canvas(), {0, 0, 13, 13}, DFC_BUTTON, state));
  return bitmap;
}

constexpr TRect kBoxInside{2, 2, 11, 11};
constexpr int kTickPixels = 21;

TEST(Marks, CheckBoxIsA13By13SunkenBoxWithATickWhenChecked) {
  const TBitmap unchecked = Mark(DFCS_BUTTONCHECK);
  EXPECT_EQ(InkBounds(unchecked, clRed), (TRect{0, 0, 13, 13}));
  EXPECT_EQ(CountPixels(unchecked, kBoxInside, clWhite), 81);
  EXPECT_EQ(unchecked.Pixel(0, 0), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(unchecked.Pixel(12, 12), GetSysColor(COLOR_BTNHIGHLIGHT));

  const TBitmap checked = Mark(DFCS_CHECKED);
  EXPECT_EQ(CountPixels(checked, kBoxInside, clBlack), kTickPixels);
  EXPECT_EQ(CountPixels(checked, kBoxInside, clWhite), 81 - kTickPixels);
}

TEST(Marks, DisabledAndGrayedBoxesShowAGrayTickOnTheFaceColour) {
  for (unsigned state : {DFCS_CHECKED | DFCS_INACTIVE, DFCS_CHECKED | DFCS_BUTTON3STATE}) {
    const TBitmap mark = Mark(state);
    EXPECT_EQ(CountPixels(mark, kBoxInside, GetSysColor(COLOR_BTNSHADOW)), kTickPixels);
    EXPECT_EQ(CountPixels(mark, kBoxInside, GetSysColor(COLOR_BTNFACE)), 81 - kTickPixels);
  }
  EXPECT_EQ(CountPixels(Mark(DFCS_BUTTON3STATE), kBoxInside, clWhite), 81);
}

TEST(Marks, RadioIsARoundMarkWithACentreDotWhenChecked) {
  const TBitmap unchecked = Mark(DFCS_BUTTONRADIO);
  EXPECT_EQ(unchecked.Pixel(0, 0), clRed);   // the corners stay as they were
  EXPECT_EQ(unchecked.Pixel(12, 6), clRed);  // the circle is 12 wide
  EXPECT_EQ(unchecked.Pixel(5, 5), clWhite);
  const TBitmap checked = Mark(DFCS_BUTTONRADIO | DFCS_CHECKED);
  EXPECT_EQ(CountPixels(checked, {4, 4, 8, 8}, clBlack), 12);
  const TBitmap disabled = Mark(DFCS_BUTTONRADIO | DFCS_CHECKED | DFCS_INACTIVE);
  EXPECT_EQ(disabled.Pixel(5, 5), GetSysColor(COLOR_BTNSHADOW));
  EXPECT_EQ(disabled.Pixel(3, 3), GetSysColor(COLOR_BTNFACE));
  TBitmap other(13, 13);
  EXPECT_FALSE(DrawFrameControl(other.Canvas(), {0, 0, 13, 13}, DFC_BUTTON + 1, 0));
}

}  // namespace
