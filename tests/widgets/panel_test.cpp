// The panel on a headless form: its looks by pixels, its grab handles and
// its moving by the mouse.
#include "widgets/panel.h"

#include <gtest/gtest.h>

#include "widget_form.h"

namespace {

class PanelTest : public WidgetFormTest {
 protected:
  PanelTest() {
    panel = Put<TKxPanel>(10, 10, 100, 50);
    panel->SetColor(clSilver);
  }

  TColor At(int x, int y) { return PixelAt(10 + x, 10 + y); }

  TKxPanel* panel = nullptr;
};

const TColor kShadow = ColorToRGB(clBtnShadow);
const TColor kHighlight = ColorToRGB(clBtnHighlight);

TEST_F(PanelTest, TheGamesPanelIsItsColourInARaisedOnePixelFrame) {
  EXPECT_EQ(At(0, 0), kHighlight);
  EXPECT_EQ(At(0, 30), kHighlight);
  EXPECT_EQ(At(99, 30), kShadow);
  EXPECT_EQ(At(50, 49), kShadow);
  EXPECT_EQ(At(1, 1), clSilver);
  EXPECT_EQ(At(98, 48), clSilver);
  EXPECT_TRUE(InkOf({11, 11, 109, 59}, clBlack).IsEmpty());
}

TEST_F(PanelTest, APictureTypeWithoutAPictureFallsBackToTheColour) {
  panel->SetBackgroundType(bgtTileBitmap);
  EXPECT_EQ(panel->BackgroundType(), bgtColorFill);
  TBitmap picture(4, 4);
  picture.Canvas().Brush.Color = clRed;
  picture.Canvas().FillRect({0, 0, 4, 4});
  panel->SetBackground(picture);
  panel->SetBackgroundType(bgtTileBitmap);
  EXPECT_EQ(At(50, 25), clRed);
  panel->SetBackground(TBitmap());
  EXPECT_EQ(panel->BackgroundType(), bgtColorFill);
  EXPECT_EQ(At(50, 25), clSilver);
}

// The corner picture lends the panel its bottom-right colour when it is set;
// painting only draws, so a colour given afterwards stays.
TEST_F(PanelTest, ACornerPictureGivesItsCornerColourWhenSetAndPaintingKeepsALaterColour) {
  TBitmap picture(4, 4);
  picture.Canvas().Brush.Color = clRed;
  picture.Canvas().FillRect({0, 0, 4, 4});
  picture.SetPixel(3, 3, clNavy);
  panel->SetParentColor(true);
  panel->SetBackground(picture);
  panel->SetBackgroundType(bgtTopLeftBitmap);
  EXPECT_EQ(panel->Color(), clNavy);
  EXPECT_FALSE(panel->ParentColor());
  EXPECT_EQ(At(50, 25), clNavy);
  EXPECT_EQ(At(2, 2), clRed);

  panel->SetColor(clGreen);
  EXPECT_EQ(At(50, 25), clGreen);
  EXPECT_EQ(panel->Color(), clGreen);
}

TEST_F(PanelTest, AVisibleEnabledGrabHandleDrawsItsStripAndKeepsChildrenOff) {
  auto* child = Put<TKxPanel>(0, 0, 20, 20, panel);
  child->SetAlign(TAlign::alLeft);
  EXPECT_EQ(child->Left(), 1);
  TKxPanelGrabHandle& handle = panel->LeftGrabHandle();
  handle.SetSize(8);
  handle.SetEnabled(true);
  handle.SetVisible(true);
  EXPECT_EQ(child->Left(), 9);
  // Without a bevel the strip takes its room but draws nothing.
  child->Hide();
  EXPECT_EQ(At(5, 25), clSilver);
  handle.SetBevelKind(TPanelBevel::bvRaised);
  // The strip x 1..8: a light line at its middle column and a dark one after.
  EXPECT_EQ(At(5, 25), kHighlight);
  EXPECT_EQ(At(6, 25), kShadow);
  EXPECT_EQ(At(5, 1), clSilver);
  EXPECT_EQ(At(5, 2), kHighlight);
}

TEST_F(PanelTest, TheCaptionStandsAtTheTopOrInTheMiddleUnlessTheOwnerDraws) {
  UseFixedFont(*panel);
  panel->SetCaption("Hi");
  panel->SetLayout(TTextLayout::tlTop);
  // Inside the one-pixel bevel; the face leaves a glyph's top row empty.
  EXPECT_EQ(InkOf({11, 11, 109, 59}, clBlack).Top, 10 + 2);
  panel->SetLayout(TTextLayout::tlCenter);
  // Measured from the top of the inside: (50 - 11) / 2 + 1 = 20 rows lower.
  EXPECT_EQ(InkOf({11, 11, 109, 59}, clBlack).Top, 10 + 1 + 20 + 1);
  EXPECT_EQ(InkOf({11, 11, 109, 59}, clBlack).Left, 10 + 45);

  int paints = 0;
  panel->OnPaint = [&](TComponent*) { ++paints; };
  panel->SetOwnerDraw(true);
  EXPECT_TRUE(InkOf({11, 11, 109, 59}, clBlack).IsEmpty());
  EXPECT_GT(paints, 0);
  EXPECT_EQ(At(50, 25), clTeal);  // the form shows through
  panel->SetAlwaysPaintBackground(true);
  EXPECT_EQ(At(50, 25), clSilver);
}

}  // namespace
