#include "control_form.h"
#include "platform/controls/bevel.h"
#include "platform/controls/edit.h"
#include "platform/controls/group_box.h"
#include "platform/controls/image.h"
#include "platform/controls/label.h"
#include "platform/controls/paint_box.h"

namespace {

class DrawnControlsTest : public ControlTest {};

TEST_F(DrawnControlsTest, ALabelSizesToItsTextRunsItsClickAndFocusesItsControlWhileItLasts) {
  auto* label = Put<TLabel>(10, 10, 80, 16);
  auto* edit = Put<TEdit>(100, 10, 80, 21);
  auto* other = Put<TEdit>(100, 40, 80, 21);
  label->SetCaption("&Name");
  label->SetFocusControl(edit);
  int clicks = 0;
  label->OnClick = [&](TComponent*) { ++clicks; };
  backend().Click(*label);
  EXPECT_EQ(clicks, 1);
  other->SetFocus();
  backend().Type("n", ssAlt);
  EXPECT_TRUE(edit->Focused());
  label->SetEnabled(false);
  backend().Click(*label);
  EXPECT_EQ(clicks, 1);
  // An auto-sized label takes the size of its text.
  const int one_line = label->Height();
  EXPECT_LT(label->Width(), 80);
  label->SetCaption("&Name\r\nRank");
  EXPECT_GT(label->Height(), one_line);
  // A focus control that goes away is forgotten.
  label->SetEnabled(true);
  delete edit;
  EXPECT_EQ(label->FocusControl(), nullptr);
  backend().Type("n", ssAlt);
}

TEST_F(DrawnControlsTest, AnOpaqueLabelFillsItsRectangleAndATransparentOneLeavesTheForm) {
  form.SetColor(clGreen);
  auto* label = Put<TLabel>(10, 10, 80, 16);
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 80, 16);
  label->SetParentColor(false);
  label->SetColor(clYellow);
  EXPECT_EQ(PixelAt(88, 24), clYellow);
  label->SetTransparent(true);
  EXPECT_EQ(PixelAt(88, 24), clGreen);
}

TEST_F(DrawnControlsTest, AnImageStretchesItsPictureAndKeepsWhatIsDrawnOnIt) {
  auto* image = Put<TImage>(0, 0, 40, 20);
  image->Picture().SetSize(2, 1);
  image->Picture().SetPixel(0, 0, clRed);
  image->Picture().SetPixel(1, 0, clBlue);
  image->SetStretch(true);
  EXPECT_EQ(PixelAt(5, 15), clRed);
  EXPECT_EQ(PixelAt(35, 15), clBlue);
  auto* map = Put<TImage>(100, 100, 30, 30);
  TCanvas& canvas = map->Canvas();
  canvas.Brush.Color = clBlack;
  canvas.FrameRect({0, 0, 30, 30});
  canvas.Brush.Color = clLime;
  canvas.FloodFill(15, 15, clBlack, fsBorder);
  EXPECT_EQ(map->Picture().Pixel(15, 15), clLime);
  EXPECT_EQ(PixelAt(115, 115), clLime);
}

TEST_F(DrawnControlsTest, AGroupBoxLaysAlignedChildrenOutBelowItsCaption) {
  auto* group = Put<TGroupBox>(10, 10, 200, 100);
  group->SetCaption("Weapon selection");
  auto* inside = Put<TEdit>(0, 0, 50, 21, group);
  inside->SetAlign(TAlign::alTop);
  EXPECT_GT(inside->Top(), 8);
  EXPECT_LT(inside->Width(), 200);
  EXPECT_EQ(PixelAt(10, 60), ColorToRGB(clBtnShadow));  // the etched frame's outer line
  EXPECT_EQ(PixelAt(11, 60), ColorToRGB(clBtnHighlight));
}

TEST_F(DrawnControlsTest, APaintBoxDrawsThroughOnPaintOnEveryRepaint) {
  auto* box = Put<TPaintBox>(10, 10, 20, 20);
  int paints = 0;
  box->OnPaint = [&](TComponent*) {
    ++paints;
    box->Canvas().Brush.Color = clNavy;
    box->Canvas().FillRect(box->ClientRect());
  };
  EXPECT_EQ(PixelAt(20, 20), clNavy);
  box->Repaint();
  EXPECT_EQ(paints, 2);
}

TEST_F(DrawnControlsTest, ALoweredBevelIsDarkAboveAndLightBelowARaisedOneTheOtherWay) {
  Put<TBevel>(10, 10, 40, 20);
  auto* line = Put<TBevel>(60, 10, 40, 2);
  line->SetShape(TBevelShape::bsTopLine);
  line->SetStyle(TBevelStyle::bsRaised);
  EXPECT_EQ(PixelAt(10, 10), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelAt(49, 29), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(PixelAt(30, 20), ColorToRGB(clBtnFace));  // the inside is left alone
  EXPECT_EQ(PixelAt(70, 10), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(PixelAt(70, 11), ColorToRGB(clBtnShadow));
}

}  // namespace
