// The radio group: item layout, ItemIndex from code and from clicks, and the
// caption check box that switches the items.
#include "widgets/radio_group.h"

#include <gtest/gtest.h>

#include <vector>

#include "platform/input/key_codes.h"
#include "widget_form.h"

namespace {

class RadioGroupTest : public WidgetFormTest {
 protected:
  // A group whose caption band is 16 rows high (fixed-cell text of 16).
  TKxRadioGroup* Group(int width, int height, std::vector<std::string> items, int columns = 1) {
    auto* group = Put<TKxRadioGroup>(10, 10, width, height);
    TFont font;
    font.SetName(std::string(kFixedCellFontName));
    font.SetHeight(16);
    group->SetFont(font);
    group->SetCaption("Supply Priority");
    group->SetColumns(columns);
    for (const std::string& item : items) group->Items().Add(item);
    group->OnClick = [this, group](TComponent*) { clicked_index.push_back(group->ItemIndex()); };
    return group;
  }

  std::vector<int> clicked_index;
};

TEST_F(RadioGroupTest, ItemsFillOneColumnBelowTheCaption) {
  auto* group = Group(130, 93, {"Low", "Normal", "High"});
  ASSERT_EQ(group->ButtonCount(), 3);
  // Free height 93 - 16 - 5 = 72: rows of 24 from y 16 + 1.
  EXPECT_EQ(group->Buttons(0)->BoundsRect(), TRect::Bounds(8, 17, 120, 24));
  EXPECT_EQ(group->Buttons(1)->BoundsRect(), TRect::Bounds(8, 41, 120, 24));
  EXPECT_EQ(group->Buttons(2)->BoundsRect(), TRect::Bounds(8, 65, 120, 24));
  EXPECT_TRUE(group->Buttons(2)->Visible());
  EXPECT_EQ(group->Buttons(1)->Caption(), "Normal");
}

TEST_F(RadioGroupTest, ColumnsAreFilledTopToBottomThenLeftToRight) {
  auto* pair = Group(220, 51, {"Orders", "Set Objective"}, 2);
  EXPECT_EQ(pair->Buttons(0)->BoundsRect(), TRect::Bounds(8, 17, 105, 30));
  EXPECT_EQ(pair->Buttons(1)->BoundsRect(), TRect::Bounds(113, 17, 105, 30));

  auto* five = Group(210, 100, {"a", "b", "c", "d", "e"}, 2);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(five->Buttons(i)->Left(), i < 3 ? 8 : 108) << i;
  EXPECT_EQ(five->Buttons(3)->Top(), five->Buttons(0)->Top());
  EXPECT_EQ(five->Buttons(4)->Top(), five->Buttons(1)->Top());

  five->SetColumns(0);
  EXPECT_EQ(five->Columns(), 1);
  five->SetColumns(40);
  EXPECT_EQ(five->Columns(), TKxCheckItemGroup::kMaxColumns);
}

TEST_F(RadioGroupTest, AGroupTooSmallForItsItemsGivesThemNoRoomRatherThanNegativeSizes) {
  auto* group = Group(6, 10, {"a", "b"});
  EXPECT_EQ(group->Buttons(0)->Width(), 0);
  EXPECT_EQ(group->Buttons(1)->Height(), 0);
}

TEST_F(RadioGroupTest, ItemIndexFromCodeIsClampedAndRaisesNoClick) {
  auto* group = Group(130, 93, {"Low", "Normal", "High"});
  EXPECT_EQ(group->ItemIndex(), -1);
  group->SetItemIndex(5);
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_TRUE(group->Buttons(2)->Checked());
  group->SetItemIndex(0);
  EXPECT_TRUE(group->Buttons(0)->Checked());
  EXPECT_FALSE(group->Buttons(2)->Checked());
  group->SetItemIndex(-7);
  EXPECT_EQ(group->ItemIndex(), -1);
  EXPECT_FALSE(group->Buttons(0)->Checked());
  EXPECT_TRUE(clicked_index.empty());
}

TEST_F(RadioGroupTest, AClickSetsItemIndexAndRaisesTheGroupsClickEvenOnTheCheckedItem) {
  auto* group = Group(130, 93, {"Low", "Normal", "High"});
  group->SetItemIndex(0);
  backend().Click(*group->Buttons(1));
  backend().Click(*group->Buttons(1));
  EXPECT_EQ(clicked_index, (std::vector<int>{1, 1}));
  EXPECT_TRUE(group->Buttons(1)->Checked());
  EXPECT_FALSE(group->Buttons(0)->Checked());
}

TEST_F(RadioGroupTest, MovingTheFocusAlongTheItemsLeavesTheChoiceAlone) {
  auto* group = Group(130, 93, {"Low", "Normal", "High"});
  group->SetItemIndex(0);
  group->Buttons(0)->SetFocus();
  backend().PressKey(VK_DOWN);
  EXPECT_TRUE(group->Buttons(1)->Focused());
  EXPECT_FALSE(group->Buttons(1)->Checked());
  EXPECT_EQ(group->ItemIndex(), 0);
  backend().PressKey(VK_SPACE);
  EXPECT_EQ(group->ItemIndex(), 1);
  EXPECT_EQ(clicked_index, (std::vector<int>{1}));
}

TEST_F(RadioGroupTest, ShrinkingOrClearingTheItemsKeepsItemIndexInsideThem) {
  auto* group = Group(130, 93, {"Low", "Normal", "High"});
  group->Items().Clear();
  EXPECT_EQ(group->ButtonCount(), 0);
  EXPECT_EQ(group->ItemIndex(), -1);

  for (const char* item : {"Low", "Normal", "High"}) group->Items().Add(item);
  group->SetItemIndex(2);
  group->Items().Delete(2);
  group->Items().Delete(1);
  EXPECT_EQ(group->ButtonCount(), 1);
  EXPECT_EQ(group->ItemIndex(), 0);
  EXPECT_TRUE(group->Buttons(0)->Checked());
  // The layout ran: the one item fills the free height.
  EXPECT_EQ(group->Buttons(0)->BoundsRect(), TRect::Bounds(8, 17, 120, 72));
  group->Items().Clear();
  EXPECT_EQ(group->ItemIndex(), -1);
  EXPECT_TRUE(clicked_index.empty());
}

TEST_F(RadioGroupTest, TheCaptionCheckBoxSwitchesTheItemsOnAndOff) {
  auto* group = Group(130, 93, {"Low", "Normal"});
  group->SetShowCheckBox(true);
  group->SetCheckBoxChecked(false);
  EXPECT_FALSE(group->Buttons(0)->Enabled());
  EXPECT_FALSE(group->Buttons(1)->Enabled());
  group->SetCheckBoxChecked(true);
  EXPECT_TRUE(group->Buttons(1)->Enabled());

  group->SetEnabled(false);
  EXPECT_FALSE(group->Buttons(0)->Enabled());
  group->SetCheckBoxChecked(false);
  group->SetCheckBoxChecked(true);
  EXPECT_FALSE(group->Buttons(0)->Enabled());
}

TEST_F(RadioGroupTest, TheGroupsLookReachesItsItems) {
  auto* group = Group(130, 93, {"Low", "Normal"});
  group->SetFlat(true);
  group->SetAlignment(TAlignment::taLeftJustify);
  group->SetIsHTML(true);
  // The items keep their places in the column whatever size the look gives them.
  EXPECT_EQ(group->Buttons(0)->BoundsRect(), TRect::Bounds(8, 17, 120, 36));
  group->Hints().Add("first");
  group->Items().Add("High");
  for (int i = 0; i < group->ButtonCount(); ++i) {
    EXPECT_TRUE(group->Buttons(i)->Flat());
    EXPECT_EQ(group->Buttons(i)->Alignment(), TAlignment::taLeftJustify);
    EXPECT_TRUE(group->Buttons(i)->IsHTML());
  }
  EXPECT_EQ(group->Buttons(0)->Hint(), "first");
  EXPECT_EQ(group->Buttons(1)->Hint(), "");
}

TEST_F(RadioGroupTest, AGroupBuiltFromItsDesignMakesItsItemsOnceLoaded) {
  auto* group = new TKxRadioGroup(&form);
  group->BeginLoad();
  group->SetParent(&form);
  group->SetBounds(10, 10, 130, 93);
  group->Items().Add("Low");
  group->Items().Add("High");
  EXPECT_EQ(group->ButtonCount(), 0);
  group->EndLoad();
  EXPECT_EQ(group->ButtonCount(), 2);
  EXPECT_TRUE(group->Buttons(1)->Visible());
}

}  // namespace
