// The bitmap group box: its picture, kept across repaints, and the radio
// groups it makes.
#include "widgets/bitmap_group_box.h"

#include "platform/controls/radio_button.h"
#include "widget_form.h"

namespace {

class BitmapGroupBoxTest : public WidgetFormTest {};

TEST_F(BitmapGroupBoxTest, TheBoxShowsItsPictureUnscaledAndKeepsItAcrossRepaints) {
  auto* box = Put<TNewRadBox>(10, 10, 120, 80);
  box->SetColor(clSilver);
  EXPECT_EQ(PixelAt(15, 15), clWhite);
  TBitmap picture(100, 60);
  picture.Canvas().Brush.Color = clMaroon;
  picture.Canvas().FillRect({0, 0, 100, 60});
  picture.SetPixel(0, 0, clYellow);
  box->SetPicture(picture);
  box->Invalidate();
  form.Invalidate();
  EXPECT_EQ(PixelAt(10, 10), clYellow);
  EXPECT_EQ(PixelAt(109, 69), clMaroon);
  // Beyond the picture the box keeps its own plain background.
  EXPECT_EQ(PixelAt(110, 70), ColorToRGB(clSilver));
}

TEST_F(BitmapGroupBoxTest, RadioButtonsAreExclusiveWithinEachBoxWhoseAcceleratorFocusesThem) {
  auto* left = Put<TNewRadBox>(0, 0, 150, 100);
  auto* right = Put<TNewRadBox>(200, 0, 150, 100);
  auto* a = Put<TRadioButton>(5, 5, 100, 17, left);
  auto* b = Put<TRadioButton>(5, 30, 100, 17, left);
  auto* c = Put<TRadioButton>(5, 5, 100, 17, right);
  a->SetChecked(true);
  c->SetChecked(true);
  backend().Click(*b);
  EXPECT_FALSE(a->Checked());
  EXPECT_TRUE(c->Checked());

  EXPECT_EQ(right->Perform(CM_DIALOGCHAR, 'c'), 0);  // no caption, no key
  right->SetCaption("&Corps");
  EXPECT_EQ(right->Perform(CM_DIALOGCHAR, 'c'), 1);
  EXPECT_TRUE(c->Focused());
}

TEST_F(BitmapGroupBoxTest, AlignedChildrenKeepClearOfTwoCaptionLinesAndTheFrame) {
  auto* box = Put<TNewRadBox>(0, 0, 150, 100);
  UseFixedFont(*box);
  auto* child = Put<TRadioButton>(0, 0, 50, 17, box);
  child->SetAlign(TAlign::alClient);
  EXPECT_EQ(child->BoundsRect(), (TRect{4, 4 + 20, 146, 96}));
}

}  // namespace
