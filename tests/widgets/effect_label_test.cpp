// The effect label: the order of its copies, its disabled look and the
// size it takes with its effect.
#include "widgets/effect_label.h"

#include "widget_form.h"

namespace {

class EffectLabelTest : public WidgetFormTest {
 protected:
  // A label with one fixed-cell character: its ink is the block
  // (x + 0 .. x + 3, y + 1 .. y + 7) for a label placed at (x, y).
  TKxLabel* PutLabel(const std::string& caption = "I") {
    auto* label = Put<TKxLabel>(20, 20, 60, 20);
    UseFixedFont(*label, clNavy);
    label->SetColor(clSilver);
    label->SetCaption(caption);
    return label;
  }
};

// The manpower dialog's look: dark up-left, light down-right, text on top.
TEST_F(EffectLabelTest, ARecessedLabelDrawsDarkUpLeftThenLightDownRightThenTheText) {
  auto* label = PutLabel();
  label->SetStyle(ltsRecessed);
  label->SetDarkColor(clMaroon);
  label->SetLightColor(clYellow);
  EXPECT_EQ(PixelAt(20, 20), ColorToRGB(clMaroon));
  EXPECT_EQ(PixelAt(20 + 4, 20 + 8), ColorToRGB(clYellow));
  EXPECT_EQ(PixelAt(20 + 1, 20 + 3), ColorToRGB(clNavy));
  EXPECT_EQ(label->Width(), 4 + 1 + 2);
}

TEST_F(EffectLabelTest, ADisabledLabelIsDrawnInTheSystemsDisabledLookAfterItsEffect) {
  auto* label = PutLabel();
  label->SetStyle(ltsOutlined);
  label->SetOutlineColor(clLime);
  label->SetEffect(lesShadow);
  label->SetShadowColor(clRed);
  label->SetEnabled(false);
  const TRect area = label->BoundsRect();
  const TRect shadow = InkOf(area, clBtnShadow);
  EXPECT_EQ(shadow, TRect::Bounds(shadow.Left, shadow.Top, 4, 7));
  EXPECT_EQ(PixelAt(shadow.Right, shadow.Bottom), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(PixelAt(shadow.Right + 1, shadow.Bottom + 1), ColorToRGB(clRed));
  EXPECT_EQ(InkOf(area, clLime), TRect{});
}

TEST_F(EffectLabelTest, AnAutoSizedLabelMeasuresOneLineEvenEmptyAndGrowsByItsEffect) {
  auto* label = PutLabel("");
  EXPECT_EQ(label->BoundsRect(), TRect::Bounds(20, 20, 5, 10));
  label->SetCaption("&");
  EXPECT_EQ(label->Height(), 10);
  label->SetCaption("OK");
  const TRect plain = label->BoundsRect();
  label->SetEffect(lesShadow);
  EXPECT_EQ(label->BoundsRect(), TRect::Bounds(20, 20, plain.Width() + 2, plain.Height() + 2));
  // A right-aligned label keeps its right edge.
  label->SetAlignment(TAlignment::taRightJustify);
  label->SetEffect(lesNone);
  EXPECT_EQ(label->BoundsRect().Right, 20 + plain.Width() + 2);
}

TEST_F(EffectLabelTest, AnExtrusionFadesFromTheNearColourToTheFarOne) {
  auto* label = PutLabel();
  label->SetEffect(lesExtrude);
  label->SetDepth(2);
  label->SetDepth(-1);
  EXPECT_EQ(label->Depth(), 2);
  EXPECT_EQ(label->Width(), 4 + 1 + 2);
  label->SetNearColor(RGB(0, 0, 0));
  label->SetFarColor(RGB(200, 100, 50));
  // The farthest copy lies 2 pixels down-right; the nearer one half-way.
  EXPECT_EQ(PixelAt(20 + 5, 20 + 9), RGB(200, 100, 50));
  EXPECT_EQ(PixelAt(20 + 4, 20 + 8), RGB(100, 50, 25));
}

}  // namespace
