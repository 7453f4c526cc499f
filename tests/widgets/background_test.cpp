// Drawing parts of a larger background, and the image form that paints a
// form's background and tells the controls over it when it changes.
#include "widgets/background.h"

#include <gtest/gtest.h>

#include "platform/controls/image.h"
#include "widget_form.h"
#include "widgets/image_form.h"

namespace {

// A 4 x 3 picture whose every pixel has its own colour.
TBitmap Numbered(int width = 4, int height = 3) {
  TBitmap picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.SetPixel(x, y, RGB(10 * x + 1, 10 * y + 1, 7));
  }
  return picture;
}

TBitmap Blank(int width, int height) {
  TBitmap target(width, height);
  target.Canvas().Brush.Color = clBlack;
  target.Canvas().FillRect({0, 0, width, height});
  return target;
}

TEST(BackgroundTest, TilesRepeatThePictureFromTheBackgroundsOrigin) {
  const TBitmap picture = Numbered();
  TBitmap target = Blank(12, 9);
  DrawBackgroundBitmap(target.Canvas(), {0, 0, 12, 9}, bgtTileBitmap, picture, clRed, {0, 0},
                       {0, 0, 100, 100});
  for (int y = 0; y < 9; ++y) {
    for (int x = 0; x < 12; ++x) ASSERT_EQ(target.Pixel(x, y), picture.Pixel(x % 4, y % 3));
  }
  // The same place of the background seen from a control lying at (5, 2).
  TBitmap shifted = Blank(6, 6);
  DrawBackgroundBitmap(shifted.Canvas(), {0, 0, 6, 6}, bgtTileBitmap, picture, clRed, {5, 2},
                       {0, 0, 100, 100});
  EXPECT_EQ(shifted.Pixel(0, 0), picture.Pixel(1, 2));
  EXPECT_EQ(shifted.Pixel(3, 1), picture.Pixel(0, 0));
}

TEST(BackgroundTest, APartReachingOutsideTheAreaIsFilledWithTheColourFirst) {
  const TBitmap picture = Numbered();
  TBitmap target = Blank(10, 10);
  DrawBackgroundBitmap(target.Canvas(), {0, 0, 10, 10}, bgtStretchBitmap, picture, clRed, {0, 0},
                       {0, 0, 8, 6});
  EXPECT_EQ(target.Pixel(9, 9), clRed);
  EXPECT_EQ(target.Pixel(8, 0), clRed);
  EXPECT_EQ(target.Pixel(0, 0), picture.Pixel(0, 0));
  EXPECT_EQ(target.Pixel(7, 5), picture.Pixel(3, 2));
}

TEST(BackgroundTest, ACentredPictureSitsInTheMiddleOfTheAreaOverTheColour) {
  const TBitmap picture = Numbered();
  TBitmap target = Blank(10, 9);
  DrawBackgroundBitmap(target.Canvas(), {0, 0, 10, 9}, bgtCenterBitmap, picture, clRed, {0, 0},
                       {0, 0, 10, 9});
  EXPECT_EQ(target.Pixel(2, 2), clRed);
  EXPECT_EQ(target.Pixel(3, 3), picture.Pixel(0, 0));
  EXPECT_EQ(target.Pixel(6, 5), picture.Pixel(3, 2));
  EXPECT_EQ(target.Pixel(7, 6), clRed);
}

TEST(BackgroundTest, TheCachedWholeBackgroundCanBeDitheredInAChequerboard) {
  const TBitmap picture = Numbered();
  TBitmap target = Blank(8, 6);
  DrawBackgroundBitmapEx(target.Canvas(), {0, 0, 8, 6}, bgtTileBitmap, picture, true, clWhite,
                         clRed, false, {0, 0}, {0, 0, 8, 6});
  EXPECT_EQ(target.Pixel(0, 0), picture.Pixel(0, 0));
  EXPECT_EQ(target.Pixel(1, 0), clWhite);
  EXPECT_EQ(target.Pixel(5, 1), picture.Pixel(1, 1));
  EXPECT_EQ(target.Pixel(6, 1), clWhite);
}

class ImageFormTest : public WidgetFormTest {
 protected:
  TKxImageForm* image_form = new TKxImageForm(&form);
};

TEST_F(ImageFormTest, AFormWithAColourFillErasesItselfAsUsual) {
  EXPECT_EQ(PixelAt(200, 150), ColorToRGB(clTeal));
  image_form->SetBackground(Numbered());
  EXPECT_EQ(PixelAt(200, 150), ColorToRGB(clTeal));
}

TEST_F(ImageFormTest, ATiledBackgroundCoversTheForm) {
  image_form->SetBackground(Numbered());
  image_form->SetBackgroundType(bgtTileBitmap);
  EXPECT_EQ(PixelAt(0, 0), Numbered().Pixel(0, 0));
  EXPECT_EQ(PixelAt(205, 151), Numbered().Pixel(1, 1));
}

TEST_F(ImageFormTest, ACornerPictureContinuesInItsBottomRightColour) {
  TBitmap picture = Numbered();
  image_form->SetBackground(picture);
  image_form->SetBackgroundType(bgtTopLeftBitmap);
  TBitmap part = Blank(10, 10);
  image_form->DrawBackgroundPart(part.Canvas(), {0, 0, 10, 10}, false, {0, 0});
  EXPECT_EQ(part.Pixel(1, 1), picture.Pixel(1, 1));
  EXPECT_EQ(part.Pixel(9, 9), picture.Pixel(3, 2));
  EXPECT_EQ(part.Pixel(5, 0), picture.Pixel(3, 2));
}

TEST_F(ImageFormTest, LinksHearOfChangesUntilTheyAreUnregistered) {
  TImgFormChangeLink link;
  int changes = 0;
  link.OnChange = [&](TComponent* sender) {
    EXPECT_EQ(sender, image_form);
    ++changes;
  };
  image_form->RegisterChanges(&link);
  image_form->SetBackgroundType(bgtTileBitmap);
  image_form->SetBackground(Numbered());
  EXPECT_EQ(changes, 2);
  TImgFormChangeLink stranger;
  image_form->UnregisterChanges(&stranger);
  EXPECT_EQ(image_form->LinkCount(), 1);
  image_form->UnregisterChanges(&link);
  EXPECT_EQ(link.ImageForm, nullptr);
  image_form->SetBackgroundType(bgtColorFill);
  EXPECT_EQ(changes, 2);
}

TEST_F(ImageFormTest, TheFormsShapeIsEveryRunOfPixelsThatAreNotTransparent) {
  auto* image = Put<TImage>(0, 0, 4, 3);
  TBitmap shape(4, 3);  // white, with a red run and a red pixel
  shape.SetPixel(1, 0, clRed);
  shape.SetPixel(2, 0, clRed);
  shape.SetPixel(3, 1, clRed);
  shape.SetPixel(0, 2, clBlue);  // the bottom-left pixel: the transparent colour
  image_form->SetChangeFormRegion(true);
  image_form->SetFormImage(image);
  image->Picture().Assign(shape);
  EXPECT_EQ(image_form->TransparentColor(), clBlue);
  const TRegion& region = image_form->WindowRegion();
  EXPECT_TRUE(region.Contains({1, 0}));
  EXPECT_TRUE(region.Contains({0, 0}));  // white differs from the transparent blue
  EXPECT_FALSE(region.Contains({0, 2}));
  EXPECT_TRUE(region.Contains({3, 2}));
  image_form->SetChangeFormRegion(false);
  EXPECT_TRUE(image_form->WindowRegion().IsEmpty());
}

TEST_F(ImageFormTest, AnEmptyPictureGivesTheColourThatMatchesNoPixel) {
  auto* image = Put<TImage>(0, 0, 4, 3);
  image_form->SetFormImage(image);
  image->Picture().Assign(Numbered());
  image->Picture().Assign(TBitmap());
  EXPECT_EQ(image_form->TransparentColor(), clNone);
}

TEST_F(ImageFormTest, TheFormIsDraggedByItsBackgroundOrItsCaptionControl) {
  auto* child = Put<TImage>(10, 10, 20, 20);
  EXPECT_FALSE(image_form->DragsForm({100, 100}));
  image_form->SetMoveForm(true);
  EXPECT_TRUE(image_form->DragsForm({100, 100}));
  EXPECT_FALSE(image_form->DragsForm({15, 15}));
  image_form->SetCaptionControl(child);
  EXPECT_TRUE(image_form->DragsForm({15, 15}));
  EXPECT_FALSE(image_form->DragsForm({100, 100}));
  delete child;
  EXPECT_EQ(image_form->CaptionControl(), nullptr);
}

}  // namespace
