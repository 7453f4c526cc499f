// The group box on a headless form, classic look, fixed-cell text 10 rows
// high (so the caption band T is 10 and the frame starts at row 5).
#include "widgets/group_box.h"

#include <gtest/gtest.h>

#include "platform/input/key_codes.h"
#include "widget_form.h"

namespace {

class GroupBoxTest : public WidgetFormTest {
 protected:
  GroupBoxTest() {
    box = Put<TKxGroupBox>(10, 10, 200, 60);
    UseFixedFont(*box);
    box->SetColor(clSilver);
    box->SetCaptionColor(clSilver);
    box->SetCaption("Supply");
    box->OnClick = [this](TComponent*) { ++clicks; };
  }

  TColor At(int x, int y) { return PixelAt(10 + x, 10 + y); }

  TKxGroupBox* box = nullptr;
  int clicks = 0;
};

const TColor kShadow = ColorToRGB(clBtnShadow);
const TColor kHighlight = ColorToRGB(clBtnHighlight);

TEST_F(GroupBoxTest, TheGamesRadioGroupLookIsASilverBandAndAnEtchedFrameBrokenByTheCaption) {
  // The dark ring from row 5, the light one inside it, on every side.
  const struct {
    int x, y;
    TColor colour;
  } pixels[] = {{3, 5, kShadow},   {3, 6, kHighlight},    {0, 30, kShadow},    {1, 30, kHighlight},
                {100, 58, kShadow}, {100, 59, kHighlight}, {198, 30, kShadow},  {199, 30, kHighlight},
                {6, 5, kShadow},    {7, 5, clSilver},      {38, 5, clSilver},   {39, 5, kShadow},
                {100, 2, clSilver}, {100, 30, clSilver}};
  for (const auto& p : pixels) EXPECT_EQ(At(p.x, p.y), p.colour) << p.x << "," << p.y;
  // The caption from x 8, 30 wide, and one pixel either side interrupt it.
  EXPECT_EQ(InkOf({10, 10, 210, 20}, clBlack).Left, 10 + 8);

  box->SetBorderSides(SideBit(ebsLeft) | SideBit(ebsRight) | SideBit(ebsBottom));
  EXPECT_EQ(At(50, 5), clSilver);
  EXPECT_EQ(At(50, 6), clSilver);
  EXPECT_EQ(At(0, 30), kShadow);
  EXPECT_FALSE(InkOf({10, 10, 210, 20}, clBlack).IsEmpty());
  box->SetCtl3D(false);
  EXPECT_EQ(At(0, 30), ColorToRGB(clWindowFrame));
  EXPECT_EQ(At(1, 30), clSilver);
}

// The caption band is never lower than a check mark, 13 rows.
TEST_F(GroupBoxTest, TheCaptionHeightIsTheTextsButNeverBelowACheckMark) {
  for (const auto& [text, band] : {std::pair{10, 13}, {12, 13}, {13, 13}, {14, 14}, {20, 20}}) {
    TFont font = box->Font();
    font.SetHeight(text);
    box->SetFont(font);
    EXPECT_EQ(box->CaptionHeight(), band) << text;
  }
  // Children sit below the caption and inside the etched frame.
  TRect inside = box->ClientRect();
  box->AdjustClientRect(inside);
  EXPECT_EQ(inside, (TRect{2, 22, 198, 58}));
}

TEST_F(GroupBoxTest, TheCaptionCheckBoxTogglesOnAReleaseOverItOnly) {
  box->SetShowCheckBox(true);
  Application.ProcessMessages();
  // Mark at x 8, top 10 / 2 - 13 / 2; the caption moves right of it.
  EXPECT_EQ(box->CheckBoxRect(), TRect::Bounds(8, -1, 13, 13));
  EXPECT_EQ(InkOf({10 + 22, 10, 210, 20}, clBlack).Left, 10 + 26);

  backend().MouseDown({10 + 12, 10 + 5});
  backend().MouseUp({10 + 100, 10 + 40});
  EXPECT_TRUE(box->CheckBoxChecked());
  EXPECT_EQ(clicks, 0);
  backend().Click({10 + 12, 10 + 5});
  EXPECT_FALSE(box->CheckBoxChecked());
  EXPECT_EQ(clicks, 1);
  box->SetFocus();
  backend().PressKey(VK_SPACE, ssCtrl);
  EXPECT_FALSE(box->CheckBoxChecked());
  backend().PressKey(VK_SPACE);
  EXPECT_TRUE(box->CheckBoxChecked());
  EXPECT_EQ(clicks, 2);

  // With no caption only the mark interrupts the frame, the band behind it.
  box->SetCaption("");
  EXPECT_EQ(At(7, 5), kShadow);
  for (int x = 9; x < 20; ++x) EXPECT_NE(At(x, 5), kShadow) << x;
  EXPECT_NE(At(14, 0), clSilver);
  EXPECT_EQ(At(21, 5), kShadow);
}

// The mouse handlers measure the check box as it stands, not where the last
// paint left it: shown, hidden or under a taller font before any paint.
TEST_F(GroupBoxTest, TheCheckBoxIsWhereTheMouseFindsItBeforeAnyPaint) {
  Application.ProcessMessages();
  box->SetShowCheckBox(true);
  EXPECT_EQ(box->CheckBoxRect(), TRect::Bounds(8, -1, 13, 13));
  backend().MouseMove({10 + 12, 10 + 5});
  EXPECT_TRUE(box->CheckBoxHot());
  box->SetShowCheckBox(false);
  EXPECT_EQ(box->CheckBoxRect(), TRect{});
  backend().MouseMove({10 + 13, 10 + 5});
  EXPECT_FALSE(box->CheckBoxHot());
}

}  // namespace
