#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/components/custom_control.h"
#include "platform/controls/scroll_bar.h"
#include "platform/services/string_list.h"

enum class TListBoxStyle { lbStandard, lbOwnerDrawFixed, lbOwnerDrawVariable };

// The state an item is drawn in.
using TOwnerDrawState = unsigned;
constexpr TOwnerDrawState odSelected = 1;
constexpr TOwnerDrawState odFocused = 2;
constexpr TOwnerDrawState odDisabled = 4;

using TDrawItemEvent =
    std::function<void(TComponent* sender, int index, TRect rect, TOwnerDrawState state)>;
// Asked the height of a row of a variable-height list; `height` comes in as
// ItemHeight.
using TMeasureItemEvent = std::function<void(TComponent* sender, int index, int& height)>;

// A list of text rows in a sunken frame, with a classic scroll bar when the
// rows do not fit: a vertical one, or with Columns a horizontal one, the
// rows then running down each column in turn.
//
// ItemIndex is the selected row, -1 when none. The user selects with the
// mouse (Ctrl and Shift add rows in MultiSelect) and the keys (arrows,
// Page Up and Down, Home, End, or a row's first letter); each such choice
// runs OnClick. Setting ItemIndex or Selected from code runs nothing. A
// selected row stays selected when rows are added or removed around it.
//
// Each row is drawn by DrawItem with the canvas already in the selected or
// normal colours; with an owner-draw style a form draws it in OnDrawItem.
// The focus rectangle is drawn afterwards. With lbOwnerDrawVariable each row
// has a height of its own, asked of MeasureItem once when the row comes into
// the list, and the rows run down one column whatever Columns says.
//
// A press on a scroll bar is reported to the list itself as WM_VSCROLL or
// WM_HSCROLL (a line or a page, the thumb tracked and let go, then the end
// of the press), and handling those messages is what scrolls, so a control
// built on the list sees every step of it.
class TListBox : public TCustomControl {
 public:
  explicit TListBox(TComponent* owner);

  TStringList& Items() { return items_; }
  const TStringList& Items() const { return items_; }
  int Count() const { return items_.Count(); }
  void Clear() { items_.Clear(); }

  int ItemIndex() const { return item_index_; }
  void SetItemIndex(int index);
  bool Selected(int index) const;
  void SetSelected(int index, bool selected);
  int SelCount() const;

  int TopIndex() const { return top_index_; }
  void SetTopIndex(int index);
  // Rows are ItemHeight pixels high; 0 means as high as a line of the font.
  int ItemHeight() const;
  void SetItemHeight(int height);
  int Columns() const { return columns_; }
  void SetColumns(int columns);
  bool MultiSelect() const { return multi_select_; }
  void SetMultiSelect(bool multi_select);
  // Tab stops, in quarters of the font's average character width; 0 means 32.
  int TabWidth() const { return tab_width_; }
  void SetTabWidth(int width);
  TListBoxStyle Style() const { return style_; }
  void SetStyle(TListBoxStyle style);

  // The row at a client point, or -1; with `existing` false, a point below
  // the last row gives the row that would lie there.
  int ItemAtPos(TPoint point, bool existing) const;
  // The row's rectangle, empty when the row is scrolled out of sight.
  TRect ItemRect(int index) const;

  // Rows wider than the list (pixels) get a horizontal scroll bar; 0: none.
  int HorizontalExtent() const { return horizontal_extent_; }
  void SetHorizontalExtent(int width);

  // The part of the list the rows are drawn in, inside the frame and beside
  // the scroll bars.
  TRect RowsArea() const;
  // The rows and the scroll bars together: the list inside its edge.
  TRect InsideEdge() const;
  // What a scroll bar shows, in its own steps: rows for the vertical bar;
  // columns, or pixels of rows wider than the list, for the horizontal one.
  struct TScrollRange {
    bool visible = false;
    int position = 0;
    int range = 0;  // the last position
    int page = 0;   // steps in view
  };
  TScrollRange ScrollRange(TScrollBarKind kind) const;

  TDrawItemEvent OnDrawItem;
  TMeasureItemEvent OnMeasureItem;

 protected:
  virtual void DrawItem(int index, TRect rect, TOwnerDrawState state);
  virtual void MeasureItem(int index, int& height);
  // The sides the sunken edge runs along (BF_LEFT, BF_TOP, ...); a side
  // without it gives its width to the rows. Call LayoutChanged when the
  // answer changes.
  virtual unsigned EdgeSides() const;
  void LayoutChanged();
  void WndProc(TMessage& message) override;
  void Paint() override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void KeyDown(int& key, TShiftState shift) override;
  void KeyPress(char& key) override;

 private:
  // Where rows and the scroll bar lie for the present size and count.
  struct TLayout {
    TRect rows;           // the area the rows are drawn in
    int rows_per_column;  // rows visible in one column
    int column_width;     // at least the horizontal extent in a single column
    std::optional<TClassicScrollBar> vertical;
    std::optional<TClassicScrollBar> horizontal;

    const TClassicScrollBar* BarAt(TPoint point) const {
      for (const auto* bar : {&vertical, &horizontal}) {
        if (*bar && (*bar)->HitTest(point) != TClassicScrollBar::TPart::None) return &**bar;
      }
      return nullptr;
    }
  };
  TLayout Layout() const;
  int VisibleRows() const;
  int ScrollUnit() const;  // rows one step of the scroll bar moves
  int MaxTopIndex() const;
  int ColumnCount() const;  // 0 for a single column
  int RowHeight(int index) const;
  // Rows from `first` on that fit whole into `pixels`, at least one.
  int RowsFitting(int first, int pixels) const;
  // The top row that shows row `last` at the bottom of `pixels` of rows.
  int TopEndingAt(int last, int pixels) const;
  int RowsHeight(int first, int end) const;  // of rows first..end-1
  void MeasureRows(int first, int end);
  int TabStopPixels() const;

  void ItemsChanged();
  void ScrollInView(int index);
  // A choice made by the user: selects the row as the keys and the mouse do,
  // then tells the form.
  void ChooseRow(int index, TShiftState shift);
  void SelectOnly(int index);
  int RowForKey(int key) const;
  int LineStep(TScrollBarKind kind) const;
  void ScrollTo(TScrollBarKind kind, int position);
  void SetScrollLeft(int pixels);
  void Scroll(TScrollBarKind kind, int code, int position);
  void ReportScroll(TScrollBarKind kind, int code, int position = 0);
  void ScrollBarPressed(const TClassicScrollBar& bar, TPoint point);
  void EndBarPress();
  TRect FocusRect() const;
  void DrawRowText(TCanvas& canvas, const std::string& text, const TRect& rect) const;

  TStringList items_;
  std::vector<std::string> shown_rows_;  // the rows as they were at the last change
  std::vector<bool> selected_;
  std::vector<int> row_heights_;  // of a variable-height list, one per row
  int item_index_ = -1;
  int anchor_ = -1;
  int top_index_ = 0;
  int item_height_ = 0;
  int columns_ = 0;
  bool multi_select_ = false;
  int tab_width_ = 0;
  TListBoxStyle style_ = TListBoxStyle::lbStandard;
  bool tracking_ = false;  // the left button went down on a row
  int horizontal_extent_ = 0;
  int scroll_left_ = 0;                        // pixels the rows are scrolled to the left
  std::optional<TScrollBarKind> pressed_bar_;  // the bar the left button went down on
  int thumb_grip_ = -1;  // pixels from the thumb's edge to the pointer while dragging
  int tracked_position_ = 0;
};
