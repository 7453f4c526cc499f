#include <string>
#include <utility>
#include <vector>

#include "control_form.h"
#include "platform/controls/list_box.h"
#include "platform/forms/application.h"
#include "platform/input/key_codes.h"
#include "platform/input/mouse.h"

namespace {

class ListBoxTest : public ControlTest {
 protected:
  ListBoxTest() {
    list = Put<TListBox>(10, 10, 150, 4 + 5 * 16);
    list->SetItemHeight(16);
    for (int i = 0; i < 12; ++i) list->Items().Add("Row " + std::to_string(i));
    list->OnClick = [this](TComponent*) { clicks.push_back(list->ItemIndex()); };
  }
  // The middle of a visible row on the screen.
  TPoint RowPoint(int index) const {
    const TRect rect = list->ItemRect(index);
    return list->ClientToScreen({(rect.Left + rect.Right) / 2, (rect.Top + rect.Bottom) / 2});
  }
  TListBox* list;
  std::vector<int> clicks;
};

// Twelve rows, five in view: an index outside the rows selects nothing, whether
// one row or several may be selected.
TEST_F(ListBoxTest, TheSelectedIndexIsARowOrNone) {
  EXPECT_EQ(list->ItemIndex(), -1);
  const std::pair<int, int> rows[] = {{-2, -1}, {-1, -1}, {0, 0}, {11, 11}, {12, -1}};
  for (bool multi_select : {false, true}) {
    list->SetMultiSelect(multi_select);
    for (const auto& [index, selected] : rows) {
      list->SetItemIndex(index);
      EXPECT_EQ(list->ItemIndex(), selected) << index << (multi_select ? " of several" : "");
    }
  }
  list->SetItemIndex(3);
  list->Clear();
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_TRUE(clicks.empty());
}

TEST_F(ListBoxTest, AClickOnARowSelectsItAndTellsTheFormAClickBelowTheRowsDoesNot) {
  list->SetItemIndex(2);
  backend().Click(RowPoint(1));
  backend().Click(RowPoint(1));  // the selected row clicked again still tells the form
  EXPECT_EQ(clicks, (std::vector<int>{1, 1}));
  EXPECT_TRUE(list->Selected(1));
  EXPECT_FALSE(list->Selected(2));
  list->Items().Clear();
  list->Items().Add("Only");
  backend().Click(list->ClientToScreen({20, 60}));
  EXPECT_EQ(list->ItemIndex(), -1);
  EXPECT_EQ(clicks.size(), 2u);
}

TEST_F(ListBoxTest, TheSelectionFollowsItsRowWhenRowsComeAndGoBeforeIt) {
  list->SetItemIndex(5);
  list->Items().Delete(1);
  EXPECT_EQ(list->ItemIndex(), 4);
  list->Items().Insert(0, "New row");
  EXPECT_EQ(list->ItemIndex(), 5);
  EXPECT_EQ(list->Items()[list->ItemIndex()], "Row 5");
  list->Items().Add("Last");
  EXPECT_EQ(list->ItemIndex(), 5);
  list->Items().Delete(5);
  EXPECT_EQ(list->ItemIndex(), -1);
}

TEST_F(ListBoxTest, KeysMoveTheSelectionTellTheFormAndScrollItIntoView) {
  list->SetFocus();
  backend().PressKey(VK_DOWN);
  EXPECT_EQ(list->ItemIndex(), 0);
  backend().PressKey(VK_END);
  EXPECT_EQ(list->ItemIndex(), 11);
  EXPECT_EQ(list->TopIndex(), 7);
  backend().PressKey(VK_HOME);
  backend().Type("r");
  EXPECT_EQ(clicks, (std::vector<int>{0, 11, 0, 1}));
  EXPECT_EQ(list->TopIndex(), 0);
}

TEST_F(ListBoxTest, TheScrollBarTheWheelAndCodeMoveTheTopRowWithinItsRange) {
  const TPoint lower_arrow = list->ClientToScreen({list->Width() - 6, list->Height() - 6});
  backend().Click(lower_arrow);
  EXPECT_EQ(list->TopIndex(), 1);
  EXPECT_TRUE(list->Focused());
  backend().Wheel(RowPoint(2), -10);
  EXPECT_EQ(list->TopIndex(), 7);
  backend().Wheel(RowPoint(2), 1);
  EXPECT_EQ(list->TopIndex(), 4);
  list->Perform(WM_VSCROLL, ScrollMessageParam(SB_THUMBPOSITION, 3));
  EXPECT_EQ(list->TopIndex(), 3);
  list->Perform(WM_VSCROLL, ScrollMessageParam(SB_BOTTOM, 0));
  EXPECT_EQ(list->TopIndex(), 7);
  EXPECT_TRUE(clicks.empty());
  // Rows wider than the list scroll sideways as far as their extent.
  EXPECT_FALSE(list->ScrollRange(TScrollBarKind::sbHorizontal).visible);
  list->SetHorizontalExtent(400);
  EXPECT_EQ(list->ScrollRange(TScrollBarKind::sbHorizontal).range, 400 - list->RowsArea().Width());
  EXPECT_EQ(list->ItemRect(7).Width(), 400);
}

// Every step of a press on the vertical bar reaches the list as a message of
// its own, recorded here as (code, position).
class ScrollReportTest : public ListBoxTest {
 protected:
  using Report = std::pair<int, int>;
  ScrollReportTest() {
    TWndMethod list_proc = list->WindowProc;
    list->WindowProc = [this, list_proc](TMessage& message) {
      if (message.Msg == WM_VSCROLL) {
        reports.emplace_back(ScrollCode(message.WParam), ScrollPosition(message.WParam));
      }
      list_proc(message);
    };
  }
  TPoint BarPoint(int y) const { return list->ClientToScreen({list->Width() - 2 - 8, y}); }
  std::vector<Report> reports;
};

TEST_F(ScrollReportTest, ArrowsAndTrackAreReportedAsLinesAndPagesEachEndedByTheRelease) {
  backend().Click(BarPoint(list->Height() - 6));
  backend().Click(BarPoint(list->Height() - 24));
  backend().Click(BarPoint(6));
  EXPECT_EQ(reports, (std::vector<Report>{{SB_LINEDOWN, 0},
                                          {SB_ENDSCROLL, 0},
                                          {SB_PAGEDOWN, 0},
                                          {SB_ENDSCROLL, 0},
                                          {SB_LINEUP, 0},
                                          {SB_ENDSCROLL, 0}}));
  EXPECT_EQ(list->TopIndex(), 1 + 4 - 1);
}

TEST_F(ScrollReportTest, TheDraggedThumbIsTrackedThenLetGoWhereItWasLastTracked) {
  const TPoint thumb = BarPoint(2 + 16 + 3);
  backend().MouseMove(thumb);
  backend().MouseDown(thumb);
  backend().MouseMove(BarPoint(list->Height() + 40));
  EXPECT_EQ(reports, (std::vector<Report>{{SB_THUMBTRACK, 7}}));
  EXPECT_EQ(list->TopIndex(), 7);
  backend().MouseUp(BarPoint(list->Height() + 40));
  EXPECT_EQ(reports,
            (std::vector<Report>{{SB_THUMBTRACK, 7}, {SB_THUMBPOSITION, 7}, {SB_ENDSCROLL, 0}}));

  reports.clear();
  list->SetTopIndex(0);
  backend().MouseMove(thumb);
  backend().MouseDown(thumb);
  backend().MouseMove(BarPoint(40));
  ReleaseCapture();
  ASSERT_EQ(reports.size(), 3u);
  EXPECT_EQ(reports[1].first, SB_THUMBPOSITION);
  EXPECT_EQ(reports[1].second, list->TopIndex());
  EXPECT_EQ(reports[2].first, SB_ENDSCROLL);
  backend().MouseUp(BarPoint(40));
  EXPECT_EQ(reports.size(), 3u);
}

TEST_F(ListBoxTest, ColumnsRunDownEachColumnAndScrollAColumnAtATime) {
  list->SetColumns(2);  // 12 rows do not fit: a horizontal bar leaves 4 rows a column
  EXPECT_EQ(list->ItemRect(4).Top, list->ItemRect(0).Top);
  EXPECT_GT(list->ItemRect(4).Left, list->ItemRect(0).Left);
  EXPECT_TRUE(list->ItemRect(8).IsEmpty());
  list->SetTopIndex(5);
  EXPECT_EQ(list->TopIndex(), 4);
  list->SetFocus();
  list->SetItemIndex(0);
  backend().PressKey(VK_RIGHT);
  EXPECT_EQ(list->ItemIndex(), 4);
}

TEST_F(ListBoxTest, MultiSelectAddsRowsWithCtrlAndRangesWithShift) {
  list->SetMultiSelect(true);
  backend().Click(RowPoint(0));
  backend().Click(RowPoint(2), ssCtrl);
  EXPECT_EQ(list->SelCount(), 2);
  backend().Click(RowPoint(4), ssShift);
  EXPECT_EQ(list->SelCount(), 3);  // rows 2 to 4 from the last anchor
  EXPECT_FALSE(list->Selected(0));
}

TEST_F(ListBoxTest, OwnerDrawnRowsAreDrawnByTheFormInTheSelectedColours) {
  list->SetStyle(TListBoxStyle::lbOwnerDrawFixed);
  list->SetItemIndex(1);
  std::vector<std::pair<int, TOwnerDrawState>> drawn;
  list->OnDrawItem = [&](TComponent*, int index, TRect rect, TOwnerDrawState state) {
    drawn.push_back({index, state});
    list->Canvas().FillRect(rect);
  };
  form.Invalidate();
  const TRect selected = list->ItemRect(1);
  const TColor fill = PixelAt(list->Left() + selected.Left + 5, list->Top() + selected.Top + 5);
  ASSERT_EQ(drawn.size(), 5u);
  EXPECT_EQ(drawn[1], (std::pair<int, TOwnerDrawState>{1, odSelected}));
  EXPECT_EQ(drawn[0].second, 0u);
  EXPECT_EQ(fill, ColorToRGB(clHighlight));
}

TEST_F(ListBoxTest, VariableRowsAreMeasuredOnceAsTheyComeAndLaidOutByTheirOwnHeights) {
  std::vector<int> measured;
  list->OnMeasureItem = [&](TComponent*, int index, int& height) {
    EXPECT_EQ(height, 16);
    measured.push_back(index);
    height = index % 2 == 0 ? 30 : 10;
  };
  list->SetColumns(2);
  list->SetStyle(TListBoxStyle::lbOwnerDrawVariable);
  ASSERT_EQ(measured.size(), 12u);
  measured.clear();
  list->Items().Insert(1, "New row");
  EXPECT_EQ(measured, std::vector<int>{1});
  // Rows 0 (30), the new 1 (10), 2 (10) and 3 (30) fill the 80 pixels of one
  // column.
  EXPECT_EQ(list->ItemRect(1), TRect::Bounds(2, 32, list->RowsArea().Width(), 10));
  EXPECT_EQ(list->ItemRect(3), TRect::Bounds(2, 52, list->RowsArea().Width(), 30));
  EXPECT_TRUE(list->ItemRect(4).IsEmpty());
  EXPECT_EQ(list->ItemAtPos({20, 41}, true), 1);
  EXPECT_EQ(list->ItemAtPos({20, 42}, true), 2);
  EXPECT_EQ(list->ItemAtPos({20, 81}, true), 3);
  // Rows 9 (30), 10 (10), 11 (30), 12 (10) end the list: its last page.
  list->SetItemIndex(12);
  EXPECT_EQ(list->TopIndex(), 9);
  EXPECT_EQ(list->ScrollRange(TScrollBarKind::sbVertical).range, 9);
  EXPECT_EQ(measured.size(), 1u);
}

TEST_F(ListBoxTest, TabsInARowJumpToTheTabStops) {
  list->Items().Clear();
  list->Items().Add("A\tB");
  list->SetColor(clWhite);
  auto first_inked_column_after = [&](int from) {
    Application.ProcessMessages();
    for (int x = from; x < list->Width() - 2; ++x) {
      for (int y = 2; y < 18; ++y) {
        if (form.BackBuffer()->Pixel(list->Left() + x, list->Top() + y) != clWhite) return x;
      }
    }
    return -1;
  };
  list->SetTabWidth(40);
  form.Invalidate();
  const int narrow = first_inked_column_after(12);
  list->SetTabWidth(80);
  form.Invalidate();
  const int wide = first_inked_column_after(12);
  ASSERT_GT(narrow, 0);
  EXPECT_GT(wide, narrow);
}

}  // namespace
