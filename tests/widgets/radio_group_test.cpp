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
  TKxRadioGroup* Group(int width, int height, int items, int columns = 1) {
    auto* group = Put<TKxRadioGroup>(10, 10, width, height);
    TFont font;
    font.SetName(std::string(kFixedCellFontName));
    font.SetHeight(16);
    group->SetFont(font);
    group->SetCaption("Supply Priority");
    group->SetColumns(columns);
    for (int i = 0; i < items; ++i) group->Items().Add(std::string(1, char('a' + i)));
    group->OnClick = [this, group](TComponent*) { clicked_index.push_back(group->ItemIndex()); };
    return group;
  }

  std::vector<int> clicked_index;
};

// Free height = height - 16 - 5 shared by the rows, the odd pixels split
// above; columns of (width - 10) / columns from x 8, filled top to bottom.
TEST_F(RadioGroupTest, ItemsFillTheColumnsBelowTheCaption) {
  const struct {
    int width, height, items, columns;
    int index;
    TRect bounds;
  } cases[] = {
      {130, 93, 3, 1, 0, TRect::Bounds(8, 17, 120, 24)},
      {130, 93, 3, 1, 2, TRect::Bounds(8, 65, 120, 24)},
      {130, 94, 3, 1, 0, TRect::Bounds(8, 17, 120, 24)},  // one pixel over: not split
      {130, 95, 3, 1, 0, TRect::Bounds(8, 18, 120, 24)},  // two over: one above
      {130, 95, 3, 1, 2, TRect::Bounds(8, 66, 120, 24)},
      {220, 51, 2, 2, 1, TRect::Bounds(113, 17, 105, 30)},
      {210, 100, 5, 2, 2, TRect::Bounds(8, 17 + 52, 100, 26)},
      {210, 100, 5, 2, 3, TRect::Bounds(108, 17, 100, 26)},
      {6, 10, 2, 1, 1, TRect::Bounds(8, 17, 0, 0)},  // too small: no room, never negative
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.width << "x" << c.height << " item " << c.index);
    auto* group = Group(c.width, c.height, c.items, c.columns);
    EXPECT_EQ(group->Buttons(c.index)->BoundsRect(), c.bounds);
    EXPECT_TRUE(group->Buttons(c.index)->Visible());
    delete group;
  }
}

TEST_F(RadioGroupTest, ColumnsAreKeptBetweenOneAndSixteen) {
  auto* group = Group(210, 100, 5);
  for (const auto& [asked, kept] : {std::pair{0, 1}, {1, 1}, {16, 16}, {17, 16}}) {
    group->SetColumns(asked);
    EXPECT_EQ(group->Columns(), kept) << asked;
  }
}

TEST_F(RadioGroupTest, ItemIndexFromCodeIsClampedToTheItemsAndRaisesNoClick) {
  auto* group = Group(130, 93, 3);
  EXPECT_EQ(group->ItemIndex(), -1);
  for (const auto& [asked, kept] :
       {std::pair{3, 2}, {0, 0}, {2, 2}, {5, 2}, {-1, -1}, {1, 1}, {-2, -1}, {-7, -1}}) {
    group->SetItemIndex(asked);
    EXPECT_EQ(group->ItemIndex(), kept) << asked;
    for (int i = 0; i < 3; ++i) EXPECT_EQ(group->Buttons(i)->Checked(), i == kept) << asked;
  }
  EXPECT_TRUE(clicked_index.empty());
}

TEST_F(RadioGroupTest, AClickSetsItemIndexAndRaisesTheGroupsClickButTheFocusAloneDoesNot) {
  auto* group = Group(130, 93, 3);
  group->SetItemIndex(0);
  backend().Click(*group->Buttons(1));
  backend().Click(*group->Buttons(1));
  EXPECT_EQ(clicked_index, (std::vector<int>{1, 1}));
  EXPECT_FALSE(group->Buttons(0)->Checked());

  group->Buttons(1)->SetFocus();
  backend().PressKey(VK_DOWN);
  EXPECT_TRUE(group->Buttons(2)->Focused());
  EXPECT_FALSE(group->Buttons(2)->Checked());
  EXPECT_EQ(group->ItemIndex(), 1);
  backend().PressKey(VK_SPACE);
  EXPECT_EQ(group->ItemIndex(), 2);
  EXPECT_EQ(clicked_index, (std::vector<int>{1, 1, 2}));
}

TEST_F(RadioGroupTest, ShrinkingOrClearingTheItemsKeepsItemIndexInsideThem) {
  auto* group = Group(130, 93, 3);
  group->SetItemIndex(2);
  group->Items().Delete(2);
  group->Items().Delete(1);
  EXPECT_EQ(group->ButtonCount(), 1);
  EXPECT_EQ(group->ItemIndex(), 0);
  EXPECT_TRUE(group->Buttons(0)->Checked());
  // The layout ran: the one item fills the free height.
  EXPECT_EQ(group->Buttons(0)->BoundsRect(), TRect::Bounds(8, 17, 120, 72));
  group->Items().Clear();
  EXPECT_EQ(group->ButtonCount(), 0);
  EXPECT_EQ(group->ItemIndex(), -1);
  EXPECT_TRUE(clicked_index.empty());
}

TEST_F(RadioGroupTest, TheCaptionCheckBoxAndTheGroupBothSwitchTheItems) {
  auto* group = Group(130, 93, 2);
  group->SetShowCheckBox(true);
  for (const auto& [group_on, box_on] : {std::pair{true, false}, {true, true}, {false, true}}) {
    group->SetEnabled(group_on);
    group->SetCheckBoxChecked(box_on);
    EXPECT_EQ(group->Buttons(1)->Enabled(), group_on && box_on) << group_on << box_on;
  }
}

// A group built from its design makes its items once loaded, with its look;
// the items keep their places whatever size the look gives them.
TEST_F(RadioGroupTest, AGroupBuiltFromItsDesignMakesItsItemsOnceLoadedWithItsLook) {
  auto* group = Group(130, 93, 0);
  group->BeginLoad();
  group->SetFlat(true);
  group->SetAlignment(TAlignment::taLeftJustify);
  group->Hints().Add("first");
  for (const char* item : {"a", "b", "c"}) group->Items().Add(item);
  EXPECT_EQ(group->ButtonCount(), 0);
  group->EndLoad();
  group->SetIsHTML(true);
  EXPECT_EQ(group->Buttons(2)->BoundsRect(), TRect::Bounds(8, 65, 120, 24));
  EXPECT_TRUE(group->Buttons(2)->Flat());
  EXPECT_EQ(group->Buttons(2)->Alignment(), TAlignment::taLeftJustify);
  EXPECT_TRUE(group->Buttons(2)->IsHTML());
  EXPECT_EQ(group->Buttons(0)->Hint(), "first");
  EXPECT_EQ(group->Buttons(1)->Hint(), "");
}

}  // namespace
