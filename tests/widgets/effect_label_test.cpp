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

TEST_F(EffectLabelTest, ARecessedLabelDrawsDarkUpLeftThenLightDownRightThenTheText) {
  auto* label = PutLabel();
  label->SetStyle(ltsRecessed);
  label->SetDarkColor(clMaroon);
  label->SetLightColor(clYellow);
  // The text's ink is columns 0..3, rows 1..7 of the label; the copies
  // reach one pixel past it, and the label is cut at its own edges.
  const int x = label->Left();
  const int y = label->Top();
  EXPECT_EQ(PixelAt(x, y), ColorToRGB(clMaroon));          // dark copy at (-1, -1)
  EXPECT_EQ(PixelAt(x + 4, y + 8), ColorToRGB(clYellow));  // light copy at (+1, +1)
  EXPECT_EQ(PixelAt(x + 1, y + 3), ColorToRGB(clNavy));    // the text on top
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
  EXPECT_EQ(shadow.Width(), 4);
  EXPECT_EQ(shadow.Height(), 7);
  EXPECT_EQ(PixelAt(shadow.Right, shadow.Bottom), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(PixelAt(shadow.Right + 1, shadow.Bottom + 1), ColorToRGB(clRed));
  EXPECT_EQ(InkOf(area, clLime), TRect{});
}

TEST_F(EffectLabelTest, AnAutoSizedLabelMeasuresOneLineEvenWhenEmpty) {
  auto* label = PutLabel("");
  EXPECT_EQ(label->Height(), 10);
  EXPECT_EQ(label->Width(), 5);
  label->SetCaption("&");
  EXPECT_EQ(label->Height(), 10);
}

TEST_F(EffectLabelTest, AShadowWidensAndHeightensTheLabelByItsOffsets) {
  auto* label = PutLabel("OK");
  const int width = label->Width();
  const int height = label->Height();
  label->SetEffect(lesShadow);
  EXPECT_EQ(label->Width(), width + 2);
  EXPECT_EQ(label->Height(), height + 2);
  label->SetAlignment(TAlignment::taRightJustify);
  const int right = label->Left() + label->Width();
  label->SetEffect(lesNone);
  EXPECT_EQ(label->Left() + label->Width(), right);
}

TEST_F(EffectLabelTest, AnExtrusionOfDepthZeroDrawsOnlyTheText) {
  auto* plain = PutLabel();
  const TRect plain_ink = InkOf(plain->BoundsRect(), clNavy);
  plain->SetEffect(lesExtrude);
  plain->SetDepth(0);
  plain->SetNearColor(clRed);
  plain->SetFarColor(clRed);
  EXPECT_EQ(InkOf(plain->BoundsRect(), clNavy), plain_ink);
  EXPECT_EQ(InkOf(plain->BoundsRect(), clRed), TRect{});
  plain->SetDepth(3);
  plain->SetDepth(-1);
  EXPECT_EQ(plain->Depth(), 3);
  EXPECT_EQ(plain->Width(), 4 + 1 + 3);
}

TEST_F(EffectLabelTest, AnExtrusionFadesFromTheNearColourToTheFarOne) {
  auto* label = PutLabel();
  label->SetEffect(lesExtrude);
  label->SetDepth(2);
  label->SetNearColor(RGB(0, 0, 0));
  label->SetFarColor(RGB(200, 100, 50));
  const int x = label->Left();
  const int y = label->Top();
  // The farthest copy lies 2 pixels down-right, in the far colour; the
  // nearer one half-way between.
  EXPECT_EQ(PixelAt(x + 5, y + 9), RGB(200, 100, 50));
  EXPECT_EQ(PixelAt(x + 4, y + 8), RGB(100, 50, 25));
}

TEST_F(EffectLabelTest, ATransparentLabelShowsWhatLiesBehindIt) {
  auto* label = PutLabel();
  label->SetAutoSize(false);
  label->SetBounds(20, 20, 60, 20);
  EXPECT_EQ(PixelAt(70, 30), ColorToRGB(clSilver));
  label->SetTransparent(true);
  EXPECT_EQ(PixelAt(70, 30), ColorToRGB(clTeal));
}

}  // namespace
