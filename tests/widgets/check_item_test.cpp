// The check box and the radio button on a headless form, in the classic look
// the game shows.
#include "widgets/check_item.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/input/key_codes.h"
#include "platform/input/mouse.h"
#include "widget_form.h"
#include "widgets/panel.h"

namespace {

// Another member of the radio family: exclusivity covers it too.
class TOtherRadio : public TKxRadioButton {
 public:
  using TKxRadioButton::TKxRadioButton;
};

class CheckItemTest : public WidgetFormTest {
 protected:
  template <class T>
  T* Item(int left, int top, const std::string& caption, TWinControl* parent = nullptr) {
    auto* item = Put<T>(left, top, 100, 17, parent);
    UseFixedFont(*item);
    item->SetCaption(caption);
    item->OnClick = [this](TComponent*) { ++clicks; };
    return item;
  }

  int clicks = 0;
};

TEST_F(CheckItemTest, CheckingFromCodeUnchecksTheSameParentsRadiosOnlyAndRaisesNoClick) {
  auto* panel = Put<TKxPanel>(200, 10, 150, 100);
  auto* first = Item<TKxRadioButton>(10, 10, "One");
  auto* second = Item<TOtherRadio>(10, 30, "Two");
  auto* never = Item<TKxRadioButton>(10, 50, "Three");
  auto* elsewhere = Item<TKxRadioButton>(10, 10, "Four", panel);
  first->SetChecked(true);
  elsewhere->SetChecked(true);
  second->SetChecked(true);
  EXPECT_FALSE(first->Checked());
  EXPECT_TRUE(elsewhere->Checked());
  // The checked item becomes the tab stop; one never checked keeps its own.
  EXPECT_FALSE(first->TabStop());
  EXPECT_TRUE(second->TabStop());
  EXPECT_TRUE(never->TabStop());
  second->SetChecked(false);
  EXPECT_FALSE(second->Checked());
  EXPECT_EQ(clicks, 0);
}

// What the player sees checked is what the dialog recorded through OnClick:
// a radio is checked by a click or by code, never by the focus alone.
TEST_F(CheckItemTest, ARadioIsCheckedByAClickAndNeverByTheFocusAlone) {
  struct Case {
    const char* name;
    std::function<void()> act;
    bool second_checked;
    int clicks;
  };
  TKxRadioButton* first = nullptr;
  TKxRadioButton* second = nullptr;
  const Case cases[] = {
      {"click", [&] { backend().Click(*second); }, true, 1},
      {"click twice", [&] { backend().Click(*second), backend().Click(*second); }, true, 2},
      {"arrow key",
       [&] {
         first->SetFocus();
         backend().PressKey(VK_DOWN);
         EXPECT_TRUE(second->Focused());
       },
       false, 0},
      {"arrow then space",
       [&] {
         first->SetFocus();
         backend().PressKey(VK_DOWN);
         backend().PressKey(VK_SPACE);
       },
       true, 1},
      {"space with control", [&] { second->SetFocus(), backend().PressKey(VK_SPACE, ssCtrl); },
       false, 0},
      {"released outside",
       [&] {
         backend().MouseDown(second->ClientToScreen({5, 5}));
         backend().MouseUp({300, 200});
       },
       false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    delete first;
    delete second;
    first = Item<TKxRadioButton>(10, 10, "One");
    second = Item<TKxRadioButton>(10, 30, "Two");
    first->SetChecked(true);
    clicks = 0;
    c.act();
    EXPECT_EQ(second->Checked(), c.second_checked);
    EXPECT_EQ(first->Checked(), !c.second_checked);
    EXPECT_EQ(clicks, c.clicks);
    EXPECT_FALSE(second->Pressed());
  }
}

TEST_F(CheckItemTest, EveryReleaseGivesTheCaptureBackToWhoeverHeldItBefore) {
  auto* radio = Item<TKxRadioButton>(10, 10, "One");
  backend().MouseDown({15, 15});
  EXPECT_EQ(GetCapture(), radio);
  backend().MouseUp({300, 200});
  EXPECT_EQ(GetCapture(), nullptr);
  backend().MouseDown({15, 15}, TMouseButton::mbRight);
  backend().MouseUp({15, 15}, TMouseButton::mbRight);
  EXPECT_EQ(GetCapture(), nullptr);

  auto* holder = Put<TKxPanel>(200, 200, 50, 50);
  SetCapture(holder);
  radio->Perform(WM_LBUTTONDOWN, 0, PackPoint(2, 2));
  EXPECT_EQ(GetCapture(), radio);
  radio->Perform(WM_LBUTTONUP, 0, PackPoint(300, 2));
  EXPECT_EQ(GetCapture(), holder);
}

TEST_F(CheckItemTest, ACheckBoxCyclesThroughGrayedOnlyWhenAllowed) {
  auto* box = Item<TKxCheckBox>(10, 10, "Box");
  box->SetState(cbGrayed);
  EXPECT_EQ(box->State(), cbUnchecked);
  box->SetAllowGrayed(true);
  std::vector<TCheckBoxState> seen;
  for (int i = 0; i < 3; ++i) backend().Click(*box), seen.push_back(box->State());
  EXPECT_EQ(seen, (std::vector<TCheckBoxState>{cbGrayed, cbChecked, cbUnchecked}));
  box->Toggle();
  box->SetAllowGrayed(false);
  EXPECT_EQ(box->State(), cbUnchecked);
  EXPECT_EQ(clicks, 3);
}

// The fixed face: characters 5 wide, lines 10 high.
TEST_F(CheckItemTest, AutoSizeFitsTheMarkAndTheCaption) {
  auto* radio = Item<TKxRadioButton>(10, 10, "Abcd");
  EXPECT_EQ(radio->Width(), 13 + 7 + 20 + 2);
  EXPECT_EQ(radio->Height(), 17);
  radio->SetTextDrawType(tdtShadowed);
  radio->SetCaption("Abc");
  EXPECT_EQ(radio->Width(), 13 + 7 + 15 + 2);
  EXPECT_EQ(radio->Height(), 19);
  radio->SetTextDrawType(tdtNormal);
  radio->SetCaption("Ab\r\nCd");
  EXPECT_EQ(radio->Height(), 22);
  EXPECT_EQ(radio->MeasureCaption(false), 17);
  radio->SetAutoSize(false);
  radio->SetCaption("A much longer caption");
  EXPECT_EQ(radio->Width(), 13 + 7 + 10 + 2);
}

TEST_F(CheckItemTest, TheMarkStandsBesideTheFirstLineAndTheCaptionFiveRightOfIt) {
  auto* one_line = Item<TKxRadioButton>(10, 10, "Ab");
  auto* two_lines = Item<TKxRadioButton>(10, 60, "Ab\r\nCd");
  one_line->SetAutoSize(false);
  one_line->SetBounds(10, 10, 100, 22);
  // Height 22: centred at 22 / 2 - 6 = 5, beside the first line at 17 / 2 - 6 = 2.
  const TRect centred = InkOf({10, 10, 23, 40}, clBtnShadow);
  ASSERT_FALSE(centred.IsEmpty());
  EXPECT_EQ(centred.Top - 10, InkOf({10, 60, 23, 90}, clBtnShadow).Top - 60 + 3);
  EXPECT_EQ(two_lines->Height(), 22);

  one_line->SetHeight(17);
  // Caption from x 13 + 5, its 10 rows centred in 17: top 3, ink one row lower.
  const TRect text = InkOf({23, 10, 110, 27}, clBlack);
  EXPECT_EQ(text.Left, 10 + 18);
  EXPECT_EQ(text.Top, 10 + 4);
  one_line->SetAlignment(TAlignment::taLeftJustify);
  EXPECT_EQ(InkOf({10, 10, 97, 27}, clBlack).Left, 10);
  EXPECT_FALSE(InkOf({97, 10, 110, 27}, clBtnShadow).IsEmpty());
}

TEST_F(CheckItemTest, AnItemTakesTheColourOfWhatItStandsOnAndFramesItsCaptionWhenFocused) {
  auto* panel = Put<TKxPanel>(200, 10, 150, 100);
  panel->SetColor(clOlive);
  auto* on_panel = Item<TKxRadioButton>(10, 10, "Ab", panel);
  EXPECT_EQ(on_panel->Color(), clOlive);
  EXPECT_EQ(PixelAt(200 + 10 + 60, 10 + 10 + 8), clOlive);

  auto* radio = Item<TKxRadioButton>(10, 10, "Ab");
  // Pixels of a row of the item, from x to x + count, not the form's colour.
  const auto marked = [&](int row, int x, int count) {
    int n = 0;
    for (int i = 0; i < count; ++i) n += PixelAt(10 + x + i, 10 + row) != clTeal;
    return n;
  };
  on_panel->SetFocus();
  EXPECT_EQ(marked(2, 17, 12), 0);
  radio->SetFocus();
  // The dotted frame: the text's box (x 18, y 3, 10 x 10), one pixel out.
  EXPECT_GT(marked(2, 17, 12), 0);
  EXPECT_EQ(marked(1, 17, 12), 0);
  EXPECT_EQ(marked(2, 29, 3), 0);
}

}  // namespace
