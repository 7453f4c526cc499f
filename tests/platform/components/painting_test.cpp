#include <gtest/gtest.h>

#include "platform/backend/headless_backend.h"
#include "platform/forms/application.h"
#include "platform/forms/form.h"
#include "platform/forms/screen.h"
#include "test_controls.h"

namespace {

class PaintingTest : public ::testing::Test {
 protected:
  PaintingTest() {
    form.SetBorderStyle(TFormBorderStyle::bsNone);
    form.SetBounds(0, 0, 100, 80);
    form.SetColor(clRed);
  }

  TColor PixelAt(int x, int y) { return form.BackBuffer()->Pixel(x, y); }

  THeadlessSession session;
  TForm form;
};

TEST_F(PaintingTest, WindowedChildrenCoverWindowlessOnesWhateverTheOrderOfCreation) {
  auto* windowed = Place<TProbe>(&form, 30, 30, 40, 40);
  windowed->SetColor(clLime);
  auto* windowless = Place<TGraphicProbe>(&form, 10, 10, 40, 40);
  windowless->SetColor(clBlue);
  form.Show();
  Application.ProcessMessages();

  EXPECT_EQ(PixelAt(5, 5), clRed);     // the form itself, painted first
  EXPECT_EQ(PixelAt(15, 15), clBlue);  // the windowless child on top of it
  EXPECT_EQ(PixelAt(35, 35), clLime);  // the windowed child above both
  EXPECT_EQ(PixelAt(75, 75), clRed);
}

TEST_F(PaintingTest, ChildrenAreClippedToEveryParent) {
  auto* panel = Place<TProbe>(&form, 20, 20, 30, 30);
  panel->SetColor(clWhite);
  auto* wide = Place<TGraphicProbe>(panel, 10, 10, 100, 100);
  wide->SetColor(clBlue);
  form.Show();
  Application.ProcessMessages();

  EXPECT_EQ(PixelAt(25, 25), clWhite);
  EXPECT_EQ(PixelAt(49, 49), clBlue);
  EXPECT_EQ(PixelAt(50, 50), clRed);  // outside the panel the child leaves no trace
  EXPECT_EQ(PixelAt(60, 35), clRed);
}

TEST_F(PaintingTest, OnlyControlsInTheInvalidAreaPaintAgain) {
  auto* left = Place<TProbe>(&form, 0, 0, 40, 40);
  auto* right = Place<TProbe>(&form, 60, 0, 40, 40);
  form.Show();
  Application.ProcessMessages();
  const int left_paints = left->paints;
  const int right_paints = right->paints;

  right->SetColor(clNavy);
  Application.ProcessMessages();
  EXPECT_EQ(left->paints, left_paints);
  EXPECT_EQ(right->paints, right_paints + 1);
  EXPECT_EQ(PixelAt(70, 10), clNavy);

  // A hidden control leaves its parent's colour behind.
  right->Hide();
  Application.ProcessMessages();
  EXPECT_EQ(PixelAt(70, 10), clRed);
}

TEST_F(PaintingTest, TheFrameShowsEachFormAtItsPlaceAndADialogAboveTheFormBelow) {
  form.SetBounds(0, 0, TScreen::kWidth, TScreen::kHeight);
  form.Show();
  TForm dialog;
  dialog.SetBorderStyle(TFormBorderStyle::bsNone);
  dialog.SetBounds(0, 0, 200, 100);
  dialog.SetColor(clYellow);
  dialog.Position = TPosition::poScreenCenter;
  dialog.Show();
  Application.ProcessMessages();

  const TBitmap& frame = session.Backend().Frame();
  EXPECT_EQ(dialog.Left(), 300);
  EXPECT_EQ(dialog.Top(), 250);
  EXPECT_EQ(frame.Pixel(299, 300), clRed);
  EXPECT_EQ(frame.Pixel(300, 300), clYellow);
  EXPECT_EQ(frame.Pixel(499, 349), clYellow);
  EXPECT_EQ(frame.Pixel(500, 349), clRed);
}

TEST_F(PaintingTest, ABorderedFormDrawsItsCaptionBarAboveItsClientArea) {
  form.SetBorderStyle(TFormBorderStyle::bsDialog);
  form.SetCaption("Orders");
  form.Position = TPosition::poScreenCenter;
  form.Show();
  Application.ProcessMessages();

  const TRect outer = form.FrameRect();
  EXPECT_EQ(outer.Width(), 106);
  EXPECT_EQ((TScreen::kWidth - outer.Width()) / 2, outer.Left);
  const TBitmap& frame = session.Backend().Frame();
  EXPECT_EQ(frame.Pixel(form.Left() + 50, form.Top() + 10), clRed);
  EXPECT_EQ(frame.Pixel(form.Left() + 90, form.Top() - 10), ColorToRGB(clActiveCaption));
}

}  // namespace
