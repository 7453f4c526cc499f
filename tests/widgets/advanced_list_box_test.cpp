#include "widgets/advanced_list_box.h"

#include <string>

#include "platform/forms/screen.h"
#include "platform/graphics/system_colours.h"
#include "widget_form.h"

namespace {

// A list at (10, 10) in the fixed test face: rows 10 pixels high whose
// text cells are 5 pixels wide, drawn from x = 2 inside the 2-pixel edge.
class AdvancedListBoxTest : public WidgetFormTest {
 protected:
  AdvancedListBoxTest() {
    list = Put<TKxAdvancedListBox>(10, 10, 104, 64);
    UseFixedFont(*list);
  }
  TPoint RowPoint(int index) const {
    const TRect rect = list->ItemRect(index);
    return list->ClientToScreen({rect.Left + 3, rect.Top + 3});
  }
  int CellWidth(const std::string& text) const {
    TCanvas measure;
    measure.Font.Assign(list->Font());
    return measure.TextWidth(text);
  }

  TKxAdvancedListBox* list;
};

TEST_F(AdvancedListBoxTest, AStandardListKeepsItsRowsAsHighAsTheFontsZero) {
  EXPECT_EQ(list->ItemHeight(), 10);
  list->SetItemHeight(19);
  EXPECT_EQ(list->ItemHeight(), 10);
  list->Font().SetHeight(14);
  EXPECT_EQ(list->ItemHeight(), 14);
  list->SetStyle(TListBoxStyle::lbOwnerDrawFixed);
  list->SetItemHeight(19);
  EXPECT_EQ(list->ItemHeight(), 19);
}

TEST_F(AdvancedListBoxTest, TheSelectedRowIsFilledInItsOwnColourWithTheSelectedFontsColour) {
  list->Items().Add("A&B");
  list->Items().Add("CD");
  list->SetSelectedColor(clRed);
  TFont selected = list->Font();
  selected.SetColor(clYellow);
  list->SetSelectedFont(selected);
  list->SetItemIndex(1);
  EXPECT_EQ(PixelAt(100, 23), ColorToRGB(clRed));
  EXPECT_FALSE(InkOf({12, 22, 100, 32}, clYellow).IsEmpty());
  // An ampersand is shown as it stands.
  const TRect first = InkOf({12, 12, 100, 22}, clBlack);
  EXPECT_EQ(first.Left, 14);
  EXPECT_EQ(first.Width(), CellWidth("A&B") - 1);
}

TEST_F(AdvancedListBoxTest, VariableRowsAreDrawnAtTheHeightsTheFormGivesThem) {
  list->SetStyle(TListBoxStyle::lbOwnerDrawVariable);
  list->OnMeasureItem = [](TComponent*, int index, int& height) { height = index == 0 ? 24 : 12; };
  list->Items().Add("AB");
  list->Items().Add("CD");
  list->SetSelectedColor(clRed);
  list->SetItemIndex(1);
  EXPECT_EQ(PixelAt(100, 12 + 24), ColorToRGB(clRed));
  EXPECT_EQ(PixelAt(100, 12 + 24 + 11), ColorToRGB(clRed));
  EXPECT_EQ(PixelAt(100, 12 + 23), ColorToRGB(clWindow));
  const TRect text = InkOf({12, 12, 100, 36}, clBlack);
  EXPECT_GE(text.Top, 12 + 6);  // centred in the taller row
  EXPECT_LE(text.Bottom, 36 - 6);
}

TEST_F(AdvancedListBoxTest, TheHorizontalExtentFollowsTheWidestRowAndScrollsSideways) {
  list->Items().Add("AB");
  EXPECT_EQ(list->HorizontalExtent(), 0);
  list->SetHorizontalScroll(true);
  EXPECT_EQ(list->HorizontalExtent(), CellWidth("ABW"));
  list->Items().Add("ABCDEF");
  list->Items().Insert(0, "ABC");
  EXPECT_EQ(list->HorizontalExtent(), CellWidth("ABCDEFW"));
  list->Items().Delete(2);
  EXPECT_EQ(list->HorizontalExtent(), CellWidth("ABCW"));
  EXPECT_FALSE(list->ScrollRange(TScrollBarKind::sbHorizontal).visible);

  list->Items().Add(std::string(60, 'W'));
  list->Items().Add(std::string(40, 'W'));
  EXPECT_TRUE(list->ScrollRange(TScrollBarKind::sbHorizontal).visible);
  list->Perform(WM_HSCROLL, ScrollMessageParam(SB_BOTTOM, 0));
  ASSERT_LT(list->ItemRect(0).Left, 2);
  // Deleting the widest row takes the list back to its left edge.
  list->Items().Delete(2);
  EXPECT_EQ(list->ItemRect(0).Left, 2);
  list->Items().Clear();
  EXPECT_EQ(list->HorizontalExtent(), 0);
  EXPECT_FALSE(list->ScrollRange(TScrollBarKind::sbHorizontal).visible);
}

class LineHintTest : public AdvancedListBoxTest {
 protected:
  LineHintTest() {
    list->SetShowLineHint(true);
    list->Items().Add("Fits");
    list->Items().Add("A row far too long for the list");
  }
};

TEST_F(LineHintTest, ACutRowShowsItsTextAfterTheHintPauseForTheHidePause) {
  backend().MouseMove(RowPoint(1));
  EXPECT_EQ(list->LineHintItem(), 1);
  backend().Advance(499);
  EXPECT_EQ(list->LineHintWindow(), nullptr);
  backend().Advance(1);
  THintWindow* hint = list->LineHintWindow();
  ASSERT_NE(hint, nullptr);
  EXPECT_EQ(hint->Caption(), "A row far too long for the list");
  const TRect row = list->ItemRect(1);
  EXPECT_EQ((TPoint{hint->Left(), hint->Top()}), list->ClientToScreen({row.Left - 3, row.Top - 3}));
  backend().Advance(2499);
  EXPECT_NE(list->LineHintWindow(), nullptr);
  backend().Advance(1);
  EXPECT_EQ(list->LineHintWindow(), nullptr);

  // Hiding the hint window ends the hint.
  backend().MouseMove(RowPoint(0));
  backend().MouseMove(RowPoint(1));
  backend().Advance(500);
  ASSERT_NE(list->LineHintWindow(), nullptr);
  list->LineHintWindow()->Hide();
  EXPECT_EQ(list->LineHintItem(), -1);
}

// A list whose rows all measure what the test says.
class TFixedWidthList : public TKxAdvancedListBox {
 public:
  using TKxAdvancedListBox::TKxAdvancedListBox;
  int GetItemWidth(int) const override { return width; }
  int width = 0;
};

// A row fits while its width is less than the rows' area: one exactly as
// wide is cut.
TEST_F(AdvancedListBoxTest, OnlyARowAtLeastAsWideAsTheListIsCut) {
  auto* fixed = Put<TFixedWidthList>(150, 10, 104, 64);
  fixed->SetShowLineHint(true);
  fixed->Items().Add("Row");
  const TPoint row = fixed->ClientToScreen({5, 5});
  for (const int over : {-1, 0}) {
    SCOPED_TRACE(over);
    fixed->width = fixed->RowsArea().Width() + over;
    backend().MouseMove({300, 200});
    backend().MouseMove(row);
    backend().Advance(500);
    EXPECT_EQ(fixed->LineHintWindow() != nullptr, over == 0);
    backend().Advance(5000);
  }
}

// In a list of columns the row under the pointer is found in its own
// column, so a hint never shows the text of the row beside it.
TEST_F(LineHintTest, HintsInColumnsTakeTheRowOfTheColumnUnderThePointer) {
  list->SetStyle(TListBoxStyle::lbOwnerDrawFixed);
  list->SetItemHeight(0);
  list->SetColumns(2);
  for (int i = 0; i < 6; ++i) list->Items().Add("Another row much too long " + std::to_string(i));
  const int right_column_top = 6;  // six rows to a column
  ASSERT_EQ(list->ItemAtPos({60, 5}, true), right_column_top);
  backend().MouseMove(list->ClientToScreen({60, 5}));
  backend().Advance(500);
  ASSERT_NE(list->LineHintWindow(), nullptr);
  EXPECT_EQ(list->LineHintWindow()->Caption(), list->Items()[right_column_top]);
  THintInfo info{{60, 5}, {}, {}};
  list->HintShow(info);
  EXPECT_EQ(info.HintStr, list->Items()[right_column_top]);
}

TEST_F(LineHintTest, TheStandardHintShowsCutRowsAndOverEmptySpaceTheListsOwnHint) {
  list->SetHint("Corps of the army");
  THintInfo fits{{20, 5}, "x", {}};
  list->HintShow(fits);
  EXPECT_EQ(fits.HintStr, "");
  THintInfo cut{{20, 15}, {}, {}};
  list->HintShow(cut);
  EXPECT_EQ(cut.HintStr, "A row far too long for the list");
  EXPECT_EQ(cut.HintPos, list->ClientToScreen({1, 9}));
  THintInfo below{{20, 50}, {}, {}};
  list->HintShow(below);
  EXPECT_EQ(below.HintStr, "");
  list->SetShowHint(true);
  list->HintShow(below);
  EXPECT_EQ(below.HintStr, "Corps of the army");
}

TEST_F(AdvancedListBoxTest, SidesLeftOutOfTheFrameGiveTheirRoomToTheRowsAndTheBars) {
  list->Items().Add("AB");
  const TRect framed = list->RowsArea();
  list->SetBorderSides(SideBit(ebsTop) | SideBit(ebsBottom));
  EXPECT_EQ(list->RowsArea(), (TRect{0, framed.Top, framed.Right + 2, framed.Bottom}));
  EXPECT_EQ(InkOf({10, 12, 100, 22}, clBlack).Left, 10 + 2);
  for (int i = 0; i < 20; ++i) list->Items().Add("Row " + std::to_string(i));
  list->SetFlat(true);
  const int bar_left = 10 + 104 - GetSystemMetrics(SM_CXVSCROLL);
  EXPECT_EQ(list->RowsArea().Right, bar_left - 10);
  EXPECT_EQ(PixelAt(bar_left, 12), ColorToRGB(clBtnFace));
}

}  // namespace
