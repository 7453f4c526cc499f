#include "platform/controls/list_box.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "platform/controls/parent_form.h"
#include "platform/graphics/edges.h"
#include "platform/graphics/system_colours.h"
#include "platform/input/key_codes.h"

namespace {
constexpr int kBorder = 2;  // the sunken client edge
constexpr int kTextIndent = 2;
constexpr int kWheelRows = 3;  // rows one notch of the wheel scrolls
constexpr int kDefaultTabUnits = 32;
}  // namespace

TListBox::TListBox(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 121, 97);
  SetTabStop(true);
  SetColor(clWindow);
  control_style_ = csCaptureMouse | csSetCaption | csOpaque | csDoubleClicks;
  items_.OnChange = [this](TComponent*) { ItemsChanged(); };
}

// A row keeps its selection while it stays, or moves only because rows were
// added or removed before it; a row that was removed or replaced loses it.
// The change is found as the one run of rows between the unchanged start
// and the unchanged end of the list.
void TListBox::ItemsChanged() {
  const int old_count = static_cast<int>(shown_rows_.size());
  const int new_count = Count();
  const int common = std::min(old_count, new_count);
  int head = 0;
  while (head < common && shown_rows_[head] == items_[head]) ++head;
  int tail = 0;
  while (tail < common - head &&
         shown_rows_[old_count - 1 - tail] == items_[new_count - 1 - tail]) {
    ++tail;
  }
  auto moved = [&](int row) {
    if (row < 0) return -1;
    if (row < head) return row;
    if (row >= old_count - tail) return row + new_count - old_count;
    return -1;
  };
  std::vector<bool> selected(new_count, false);
  std::vector<int> heights(new_count, 0);
  for (int row = 0; row < old_count; ++row) {
    if (moved(row) < 0) continue;
    selected[moved(row)] = selected_[row];
    if (row < static_cast<int>(row_heights_.size())) heights[moved(row)] = row_heights_[row];
  }
  selected_ = std::move(selected);
  row_heights_ = std::move(heights);
  item_index_ = moved(item_index_);
  anchor_ = moved(anchor_);
  shown_rows_.clear();
  for (int row = 0; row < new_count; ++row) shown_rows_.push_back(items_[row]);
  MeasureRows(head, new_count - tail);
  LayoutChanged();
}

// Only rows that came in are measured; a row keeps the height it was given.
void TListBox::MeasureRows(int first, int end) {
  if (style_ != TListBoxStyle::lbOwnerDrawVariable) return;
  for (int row = first; row < end; ++row) {
    int height = ItemHeight();
    MeasureItem(row, height);
    row_heights_[row] = std::max(1, height);
  }
}

void TListBox::MeasureItem(int index, int& height) {
  if (OnMeasureItem) OnMeasureItem(this, index, height);
}

int TListBox::ColumnCount() const {
  return style_ == TListBoxStyle::lbOwnerDrawVariable ? 0 : columns_;
}

// Past the last row (where a row would lie) every row is ItemHeight high.
int TListBox::RowHeight(int index) const {
  if (style_ != TListBoxStyle::lbOwnerDrawVariable || index >= Count()) return ItemHeight();
  return row_heights_[index];
}

// Rows of one height are counted; rows of their own heights are walked.
int TListBox::RowsFitting(int first, int pixels) const {
  if (style_ != TListBoxStyle::lbOwnerDrawVariable) return std::max(1, pixels / ItemHeight());
  int rows = 0;
  for (int used = RowHeight(first); used <= pixels; used += RowHeight(first + rows)) ++rows;
  return std::max(1, rows);
}

int TListBox::RowsHeight(int first, int end) const {
  if (style_ != TListBoxStyle::lbOwnerDrawVariable) return (end - first) * ItemHeight();
  int height = 0;
  for (int row = first; row < end; ++row) height += RowHeight(row);
  return height;
}

int TListBox::TopEndingAt(int last, int pixels) const {
  int top = last + 1;
  if (style_ != TListBoxStyle::lbOwnerDrawVariable) {
    top -= pixels / ItemHeight();
  } else {
    for (int used = 0; top > 0 && used + RowHeight(top - 1) <= pixels;) used += RowHeight(--top);
  }
  return std::max(0, std::min(top, last));
}

void TListBox::LayoutChanged() {
  top_index_ = std::clamp(top_index_, 0, MaxTopIndex());
  SetScrollLeft(scroll_left_);
  Invalidate();
}

int TListBox::ItemHeight() const {
  if (item_height_ > 0) return item_height_;
  TCanvas measure;
  measure.Font.Assign(Font());
  return std::max(1, measure.TextHeight("0"));
}

void TListBox::SetItemHeight(int height) {
  if (height == item_height_ || height < 0) return;
  item_height_ = height;
  LayoutChanged();
}

void TListBox::SetColumns(int columns) {
  columns = std::max(0, columns);
  if (columns == columns_) return;
  columns_ = columns;
  top_index_ = 0;
  LayoutChanged();
}

void TListBox::SetMultiSelect(bool multi_select) {
  if (multi_select == multi_select_) return;
  multi_select_ = multi_select;
  SelectOnly(item_index_);
}

void TListBox::SetTabWidth(int width) {
  if (width == tab_width_) return;
  tab_width_ = std::max(0, width);
  Invalidate();
}

void TListBox::SetStyle(TListBoxStyle style) {
  if (style == style_) return;
  style_ = style;
  MeasureRows(0, Count());
  LayoutChanged();
}

// A single column may need a vertical bar for its rows and a horizontal one
// for a row wider than the list; each bar takes room the other may then miss.
// Columns need at most a horizontal bar.
TListBox::TLayout TListBox::Layout() const {
  TLayout layout;
  layout.rows = InsideEdge();
  const int bar = GetSystemMetrics(SM_CXVSCROLL);
  auto rows_in = [this](int pixels) { return RowsFitting(0, pixels); };
  const int columns = ColumnCount();
  bool vertical = false;
  bool horizontal = false;
  if (columns == 0) {
    vertical = Count() > rows_in(layout.rows.Height());
    horizontal = horizontal_extent_ > layout.rows.Width() - (vertical ? bar : 0);
    if (horizontal && !vertical) vertical = Count() > rows_in(layout.rows.Height() - bar);
  } else {
    horizontal = Count() > rows_in(layout.rows.Height()) * columns;
  }
  if (vertical) layout.rows.Right -= bar;
  if (horizontal) layout.rows.Bottom -= bar;
  layout.rows_per_column = RowsFitting(top_index_, layout.rows.Height());
  layout.column_width = columns == 0 ? std::max(layout.rows.Width(), horizontal_extent_)
                                     : std::max(1, layout.rows.Width() / columns);
  if (vertical) {
    const TRect place{layout.rows.Right, layout.rows.Top, layout.rows.Right + bar,
                      layout.rows.Bottom};
    layout.vertical.emplace(TScrollBarKind::sbVertical, place, top_index_,
                            TopEndingAt(Count() - 1, layout.rows.Height()), layout.rows_per_column);
  }
  if (horizontal) {
    const TRect place{layout.rows.Left, layout.rows.Bottom, layout.rows.Right,
                      layout.rows.Bottom + bar};
    if (columns == 0) {
      layout.horizontal.emplace(TScrollBarKind::sbHorizontal, place, scroll_left_,
                                horizontal_extent_ - layout.rows.Width(), layout.rows.Width());
    } else {
      const int rows = layout.rows_per_column;
      const int column_count = (Count() + rows - 1) / rows;
      layout.horizontal.emplace(TScrollBarKind::sbHorizontal, place, top_index_ / rows,
                                std::max(0, column_count - columns), columns);
    }
  }
  return layout;
}

TRect TListBox::RowsArea() const {
  return Layout().rows;
}

unsigned TListBox::EdgeSides() const {
  return BF_RECT;
}

TRect TListBox::InsideEdge() const {
  const unsigned sides = EdgeSides();
  auto edge = [sides](unsigned side) { return (sides & side) ? kBorder : 0; };
  return {edge(BF_LEFT), edge(BF_TOP), Width() - edge(BF_RIGHT), Height() - edge(BF_BOTTOM)};
}

TListBox::TScrollRange TListBox::ScrollRange(TScrollBarKind kind) const {
  const TLayout layout = Layout();
  const auto& bar = kind == TScrollBarKind::sbVertical ? layout.vertical : layout.horizontal;
  if (!bar) return {};
  return {true, bar->Position(), bar->Range(), bar->Page()};
}

void TListBox::SetHorizontalExtent(int width) {
  width = std::max(0, width);
  if (width == horizontal_extent_) return;
  horizontal_extent_ = width;
  LayoutChanged();
}

void TListBox::SetScrollLeft(int pixels) {
  const TLayout layout = Layout();
  const int widest = ColumnCount() == 0 ? horizontal_extent_ - layout.rows.Width() : 0;
  pixels = std::clamp(pixels, 0, std::max(0, widest));
  if (pixels == scroll_left_) return;
  scroll_left_ = pixels;
  Invalidate();
}

int TListBox::VisibleRows() const {
  const TLayout layout = Layout();
  return layout.rows_per_column * std::max(1, ColumnCount());
}

int TListBox::ScrollUnit() const {
  return ColumnCount() == 0 ? 1 : Layout().rows_per_column;
}

int TListBox::MaxTopIndex() const {
  if (ColumnCount() == 0) return TopEndingAt(Count() - 1, Layout().rows.Height());
  if (Count() <= VisibleRows()) return 0;
  const int unit = ScrollUnit();
  const int column_count = (Count() + unit - 1) / unit;
  return std::max(0, column_count - ColumnCount()) * unit;
}

void TListBox::SetTopIndex(int index) {
  int top = std::clamp(index, 0, MaxTopIndex());
  top -= top % ScrollUnit();
  if (top == top_index_) return;
  top_index_ = top;
  Invalidate();
}

void TListBox::ScrollInView(int index) {
  if (index < 0) return;
  const int visible = VisibleRows();
  const int unit = ScrollUnit();
  if (index < top_index_) {
    SetTopIndex(index - index % unit);
  } else if (index >= top_index_ + visible) {
    SetTopIndex(ColumnCount() == 0 ? TopEndingAt(index, Layout().rows.Height())
                                   : index - visible + unit);
  }
}

TRect TListBox::ItemRect(int index) const {
  if (index < top_index_ || index >= top_index_ + VisibleRows()) return {};
  const TLayout layout = Layout();
  const int column = (index - top_index_) / layout.rows_per_column;
  const int top = layout.rows.Top + RowsHeight(top_index_ + column * layout.rows_per_column, index);
  return TRect::Bounds(layout.rows.Left + column * layout.column_width - scroll_left_, top,
                       layout.column_width, RowHeight(index));
}

int TListBox::ItemAtPos(TPoint point, bool existing) const {
  const TLayout layout = Layout();
  if (!layout.rows.Contains(point)) return -1;
  const int columns = ColumnCount();
  const int column = columns == 0 ? 0 : (point.X - layout.rows.Left) / layout.column_width;
  if (column >= std::max(1, columns)) return -1;
  const int first = top_index_ + column * layout.rows_per_column;
  // The rows wholly above the point, counted from the column's first.
  const int above = point.Y - layout.rows.Top;
  const int row = above < RowHeight(first) ? 0 : RowsFitting(first, above);
  if (row >= layout.rows_per_column) return -1;
  const int index = first + row;
  if (index < Count()) return index;
  return existing ? -1 : Count();
}

void TListBox::SetItemIndex(int index) {
  if (index < -1 || index >= Count()) index = -1;
  if (multi_select_) {
    item_index_ = index;
    Invalidate();
  } else {
    SelectOnly(index);
  }
  ScrollInView(index);
}

bool TListBox::Selected(int index) const {
  return index >= 0 && index < Count() && selected_[index];
}

void TListBox::SetSelected(int index, bool selected) {
  if (index < 0 || index >= Count() || selected_[index] == selected) return;
  if (!multi_select_ && selected) {
    SelectOnly(index);
    return;
  }
  selected_[index] = selected;
  if (!multi_select_) item_index_ = -1;
  Invalidate();
}

int TListBox::SelCount() const {
  if (!multi_select_) return -1;
  return static_cast<int>(std::count(selected_.begin(), selected_.end(), true));
}

void TListBox::SelectOnly(int index) {
  std::fill(selected_.begin(), selected_.end(), false);
  if (index >= 0 && index < Count()) selected_[index] = true;
  item_index_ = index < Count() ? index : -1;
  anchor_ = item_index_;
  Invalidate();
}

void TListBox::ChooseRow(int index, TShiftState shift) {
  if (index < 0 || index >= Count()) return;
  if (!multi_select_) {
    SelectOnly(index);
  } else if (shift & ssCtrl) {
    selected_[index] = !selected_[index];
    item_index_ = anchor_ = index;
  } else if ((shift & ssShift) && anchor_ >= 0) {
    std::fill(selected_.begin(), selected_.end(), false);
    for (int i = std::min(anchor_, index); i <= std::max(anchor_, index); ++i) selected_[i] = true;
    item_index_ = index;
  } else {
    SelectOnly(index);
  }
  Invalidate();
  ScrollInView(index);
}

void TListBox::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      message.Result = DLGC_WANTARROWS | DLGC_WANTCHARS;
      return;
    case WM_MOUSEWHEEL:
      SetTopIndex(top_index_ - static_cast<int>(message.WParam) * kWheelRows * ScrollUnit());
      message.Result = 1;
      return;
    case CM_CAPTURECHANGED:
      tracking_ = false;
      EndBarPress();
      break;
    case WM_VSCROLL:
    case WM_HSCROLL:
      Scroll(message.Msg == WM_VSCROLL ? TScrollBarKind::sbVertical : TScrollBarKind::sbHorizontal,
             ScrollCode(message.WParam), ScrollPosition(message.WParam));
      break;
    case CM_FONTCHANGED:
      LayoutChanged();
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Invalidate();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

// One step of a bar: a row, a column, or an average character sideways.
int TListBox::LineStep(TScrollBarKind kind) const {
  if (kind == TScrollBarKind::sbVertical || ColumnCount() > 0) return 1;
  TCanvas measure;
  measure.Font.Assign(Font());
  return std::max(1, measure.TextMetrics().AveCharWidth);
}

void TListBox::ScrollTo(TScrollBarKind kind, int position) {
  if (kind == TScrollBarKind::sbVertical) {
    SetTopIndex(position);
  } else if (ColumnCount() > 0) {
    SetTopIndex(position * ScrollUnit());
  } else {
    SetScrollLeft(position);
  }
}

// A page of rows keeps one row of the last page in view.
void TListBox::Scroll(TScrollBarKind kind, int code, int position) {
  const TLayout layout = Layout();
  const auto& bar = kind == TScrollBarKind::sbVertical ? layout.vertical : layout.horizontal;
  if (!bar) return;
  const int line = LineStep(kind);
  const int page = std::max(line, bar->Page() - (kind == TScrollBarKind::sbVertical ? 1 : 0));
  switch (code) {
    case SB_LINEUP:
      ScrollTo(kind, bar->Position() - line);
      break;
    case SB_LINEDOWN:
      ScrollTo(kind, bar->Position() + line);
      break;
    case SB_PAGEUP:
      ScrollTo(kind, bar->Position() - page);
      break;
    case SB_PAGEDOWN:
      ScrollTo(kind, bar->Position() + page);
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
      ScrollTo(kind, position);
      break;
    case SB_TOP:
      ScrollTo(kind, 0);
      break;
    case SB_BOTTOM:
      ScrollTo(kind, bar->Range());
      break;
    default:
      break;
  }
}

void TListBox::ReportScroll(TScrollBarKind kind, int code, int position) {
  Perform(kind == TScrollBarKind::sbVertical ? WM_VSCROLL : WM_HSCROLL,
          ScrollMessageParam(code, position));
}

void TListBox::ScrollBarPressed(const TClassicScrollBar& bar, TPoint point) {
  pressed_bar_ = bar.Kind();
  tracked_position_ = bar.Position();
  switch (bar.HitTest(point)) {
    case TClassicScrollBar::TPart::LessButton:
      ReportScroll(bar.Kind(), SB_LINEUP);
      break;
    case TClassicScrollBar::TPart::MoreButton:
      ReportScroll(bar.Kind(), SB_LINEDOWN);
      break;
    case TClassicScrollBar::TPart::PageLess:
      ReportScroll(bar.Kind(), SB_PAGEUP);
      break;
    case TClassicScrollBar::TPart::PageMore:
      ReportScroll(bar.Kind(), SB_PAGEDOWN);
      break;
    case TClassicScrollBar::TPart::Thumb:
      thumb_grip_ = bar.TrackOffsetOf(point) - bar.ThumbOffset();
      break;
    case TClassicScrollBar::TPart::None:
      break;
  }
}

// However the press ends, by release or by losing the mouse, a dragged thumb
// is let go where it was last tracked.
void TListBox::EndBarPress() {
  const std::optional<TScrollBarKind> kind = std::exchange(pressed_bar_, std::nullopt);
  const bool thumb = std::exchange(thumb_grip_, -1) >= 0;
  if (!kind) return;
  if (thumb) ReportScroll(*kind, SB_THUMBPOSITION, tracked_position_);
  ReportScroll(*kind, SB_ENDSCROLL);
}

void TListBox::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) {
    FocusOnPress(*this);
    const TLayout layout = Layout();
    const TClassicScrollBar* bar = layout.BarAt({x, y});
    if (bar) {
      ScrollBarPressed(*bar, {x, y});
    } else if (const int index = ItemAtPos({x, y}, true); index >= 0) {
      ChooseRow(index, shift);
      tracking_ = true;
    }
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TListBox::MouseMove(TShiftState shift, int x, int y) {
  if (thumb_grip_ >= 0 && pressed_bar_) {
    const TLayout layout = Layout();
    const auto& bar =
        *pressed_bar_ == TScrollBarKind::sbVertical ? layout.vertical : layout.horizontal;
    if (bar) {
      tracked_position_ = bar->PositionAtThumbOffset(bar->TrackOffsetOf({x, y}) - thumb_grip_);
      ReportScroll(*pressed_bar_, SB_THUMBTRACK, tracked_position_);
    }
  } else if (tracking_ && !multi_select_) {
    const int index = ItemAtPos({x, y}, true);
    if (index >= 0 && index != item_index_) SelectOnly(index);
  }
  TCustomControl::MouseMove(shift, x, y);
}

// A click on a row tells the form once, when the button comes up.
void TListBox::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const bool chose = button == TMouseButton::mbLeft && tracking_;
  if (button == TMouseButton::mbLeft) {
    tracking_ = false;
    EndBarPress();
  }
  TCustomControl::MouseUp(button, shift, x, y);
  if (chose) Click();
}

int TListBox::RowForKey(int key) const {
  const int current = std::max(item_index_, 0);
  const int page = std::max(1, VisibleRows() - 1);
  const int unit = ScrollUnit();
  switch (key) {
    case VK_UP:
      return item_index_ < 0 ? 0 : current - 1;
    case VK_DOWN:
      return item_index_ < 0 ? 0 : current + 1;
    case VK_LEFT:
      return ColumnCount() > 0 ? current - unit : current - 1;
    case VK_RIGHT:
      return ColumnCount() > 0 ? current + unit : current + 1;
    case VK_PRIOR:
      return current - page;
    case VK_NEXT:
      return current + page;
    case VK_HOME:
      return 0;
    case VK_END:
      return Count() - 1;
    default:
      return -1;
  }
}

void TListBox::KeyDown(int& key, TShiftState shift) {
  TCustomControl::KeyDown(key, shift);
  if (key == 0 || Count() == 0) return;
  if (key == VK_SPACE && multi_select_ && item_index_ >= 0) {
    ChooseRow(item_index_, ssCtrl);
    Click();
    return;
  }
  const bool navigation = key == VK_UP || key == VK_DOWN || key == VK_LEFT || key == VK_RIGHT ||
                          key == VK_PRIOR || key == VK_NEXT || key == VK_HOME || key == VK_END;
  if (!navigation) return;
  const int row = std::clamp(RowForKey(key), 0, Count() - 1);
  if (row == item_index_ && Selected(row)) return;
  ChooseRow(row, shift & ssShift);
  Click();
}

// A typed letter goes to the next row that starts with it.
void TListBox::KeyPress(char& key) {
  TCustomControl::KeyPress(key);
  const auto wanted = static_cast<unsigned char>(key);
  if (Count() == 0 || !std::isgraph(wanted)) return;
  for (int step = 1; step <= Count(); ++step) {
    const int row = (std::max(item_index_, -1) + step) % Count();
    const std::string& text = items_[row];
    if (!text.empty() &&
        std::toupper(static_cast<unsigned char>(text[0])) == std::toupper(wanted)) {
      ChooseRow(row, 0);
      Click();
      return;
    }
  }
}

int TListBox::TabStopPixels() const {
  TCanvas measure;
  measure.Font.Assign(Font());
  const int units = tab_width_ > 0 ? tab_width_ : kDefaultTabUnits;
  return std::max(1, units * measure.TextMetrics().AveCharWidth / 4);
}

void TListBox::DrawRowText(TCanvas& canvas, const std::string& text, const TRect& rect) const {
  const int tab = TabStopPixels();
  int x = 0;
  size_t start = 0;
  for (;;) {
    const size_t end = text.find('\t', start);
    const std::string_view piece = std::string_view(text).substr(start, end - start);
    canvas.TextOut(rect.Left + kTextIndent + x, rect.Top, piece);
    if (end == std::string::npos) return;
    x = (x + canvas.TextWidth(piece)) / tab * tab + tab;
    start = end + 1;
  }
}

void TListBox::DrawItem(int index, TRect rect, TOwnerDrawState state) {
  if (style_ != TListBoxStyle::lbStandard && OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  TCanvas& canvas = Canvas();
  canvas.FillRect(rect);
  DrawRowText(canvas, items_[index], rect);
}

void TListBox::Paint() {
  TCanvas& canvas = Canvas();
  TRect frame = ClientRect();
  DrawEdge(canvas, frame, EDGE_SUNKEN, EdgeSides() | BF_ADJUST);
  const TLayout layout = Layout();
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = Color();
  canvas.FillRect(frame);
  if (layout.vertical) layout.vertical->Paint(canvas, Enabled());
  if (layout.horizontal) layout.horizontal->Paint(canvas, Enabled());
  if (layout.vertical && layout.horizontal) {
    canvas.Brush.Color = clBtnFace;
    const TRect inside = InsideEdge();
    canvas.FillRect({layout.rows.Right, layout.rows.Bottom, inside.Right, inside.Bottom});
  }
  canvas.IntersectClipRect(layout.rows);
  const int last = std::min(Count(), top_index_ + VisibleRows());
  for (int index = top_index_; index < last; ++index) {
    const bool selected = Selected(index);
    TOwnerDrawState state = 0;
    if (selected) state |= odSelected;
    if (!Enabled()) state |= odDisabled;
    if (index == item_index_ && Focused()) state |= odFocused;
    TCanvasStateGuard guard(canvas);
    canvas.Font.Assign(Font());
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = selected ? clHighlight : Color();
    canvas.Font.SetColor(selected ? clHighlightText : (Enabled() ? Font().Color() : clGrayText));
    DrawItem(index, ItemRect(index), state);
  }
  if (Focused()) {
    const TRect focus = FocusRect();
    if (!focus.IsEmpty()) canvas.DrawFocusRect(focus);
  }
}

// The focus rectangle marks the selected row, else the top row; an empty
// list shows it where the first row would be.
TRect TListBox::FocusRect() const {
  if (Count() == 0) {
    const TLayout layout = Layout();
    return TRect::Bounds(layout.rows.Left, layout.rows.Top, layout.column_width, ItemHeight());
  }
  return ItemRect(item_index_ >= 0 ? item_index_ : top_index_);
}
