#include "widgets/advanced_list_box.h"

#include <cmath>
#include <utility>

#include "platform/components/posted_messages.h"
#include "platform/forms/application.h"
#include "platform/graphics/edges.h"
#include "platform/graphics/system_colours.h"
#include "platform/input/mouse.h"

namespace {
constexpr int kTextIndent = 2;
constexpr unsigned kItemTextFlags = DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX;
constexpr int kHintMaxWidth = 10000;
constexpr int kHintShift = 3;

int TextHeightOfZero(const TFont& font) {
  TCanvas measure;
  measure.Font.Assign(font);
  return measure.TextHeight("0");
}
}  // namespace

TKxAdvancedListBox::TKxAdvancedListBox(TComponent* owner) : TListBox(owner) {
  selected_font_.SetColor(clHighlightText);
  selected_font_.OnChange = [this] {
    if (!holding_selected_font_) SetParentFont(false);
    Invalidate();
  };
  background_.OnChange = [this] { Invalidate(); };
  image_form_link_.OnChange = [this](TComponent*) { Invalidate(); };
  items_changed_ = Items().OnChange;
  Items().OnChange = [this](TComponent* sender) {
    if (items_changed_) items_changed_(sender);
    const int widest = HorizontalExtent();
    RecomputeExtent();
    // The widest row gone, the list starts again from its left edge.
    if (HorizontalExtent() < widest) Perform(WM_HSCROLL, ScrollMessageParam(SB_TOP, 0));
  };
  RecreateWnd();
}

TKxAdvancedListBox::~TKxAdvancedListBox() {
  CancelLineHint();
  if (image_form_) image_form_->UnregisterChanges(&image_form_link_);
  FreeThemeHandle();
}

void TKxAdvancedListBox::SetParent(TWinControl* parent) {
  TListBox::SetParent(parent);
  if (parent) RecreateWnd();
}

// Whatever the list shows behind its rows has moved under it.
void TKxAdvancedListBox::SetBounds(int left, int top, int width, int height) {
  TListBox::SetBounds(left, top, width, height);
  Perform(KM_REPAINTCHILDREN);
}

void TKxAdvancedListBox::Loaded() {
  TListBox::Loaded();
  RecreateWnd();
}

void TKxAdvancedListBox::RecreateWnd() {
  LayoutChanged();
  FollowFontHeight();
  if (use_xp_themes_ && !IsThemeApplied()) CreateThemeHandle();
  RecomputeExtent();
  Invalidate();
}

void TKxAdvancedListBox::FollowFontHeight() {
  if (style_ == TListBoxStyle::lbStandard) TListBox::SetItemHeight(TextHeightOfZero(Font()));
}

void TKxAdvancedListBox::SetItemHeight(int height) {
  TListBox::SetItemHeight(height);
  FollowFontHeight();
}

void TKxAdvancedListBox::SetStyle(TListBoxStyle style) {
  if (style == style_) return;
  style_ = style;
  line_hint_item_ = -1;
  TListBox::SetStyle(style);
  FollowFontHeight();
}

void TKxAdvancedListBox::SetActiveBorderType(TKxFlatBorderType type) {
  if (type == active_border_) return;
  active_border_ = type;
  RedrawFrameWhen(Active());
}

void TKxAdvancedListBox::SetInactiveBorderType(TKxFlatBorderType type) {
  if (type == inactive_border_) return;
  inactive_border_ = type;
  RedrawFrameWhen(!Active());
}

void TKxAdvancedListBox::SetFlatFocusedScrollBars(bool flat) {
  if (flat == flat_focused_scroll_bars_) return;
  flat_focused_scroll_bars_ = flat;
  RedrawFrameWhen(Focused());
}

void TKxAdvancedListBox::SetFlat(bool flat) {
  if (flat == flat_) return;
  flat_ = flat;
  if (flat) {
    Invalidate();
  } else {
    RecreateWnd();
  }
}

bool TKxAdvancedListBox::HasSelection() const {
  return MultiSelect() ? SelCount() > 0 : ItemIndex() >= 0;
}

void TKxAdvancedListBox::SetInvertSelection(bool invert) {
  if (invert == invert_selection_) return;
  invert_selection_ = invert;
  if (HasSelection()) Invalidate();
}

void TKxAdvancedListBox::SetSelectedColor(TColor color) {
  if (color == selected_color_) return;
  selected_color_ = color;
  if (HasSelection()) Invalidate();
}

void TKxAdvancedListBox::SetTransparentSelection(bool transparent) {
  if (transparent == transparent_selection_) return;
  transparent_selection_ = transparent;
  if (ItemIndex() >= 0) Invalidate();
}

void TKxAdvancedListBox::SetTransparent(bool transparent) {
  if (transparent == transparent_) return;
  transparent_ = transparent;
  RecreateWnd();
  Perform(CM_COLORCHANGED);
}

void TKxAdvancedListBox::SetUseBackground(bool use) {
  if (use == use_background_) return;
  use_background_ = use;
  Invalidate();
}

void TKxAdvancedListBox::SetImageForm(TKxImageForm* form) {
  if (form == image_form_) return;
  if (image_form_) image_form_->UnregisterChanges(&image_form_link_);
  image_form_ = form;
  if (form) {
    form->RegisterChanges(&image_form_link_);
    form->FreeNotification(this);
  }
  RecreateWnd();
  Perform(CM_COLORCHANGED);
}

void TKxAdvancedListBox::Notification(TComponent* component, TOperation operation) {
  TListBox::Notification(component, operation);
  if (operation == TOperation::opRemove && component == image_form_) {
    image_form_ = nullptr;
    Invalidate();
  }
}

void TKxAdvancedListBox::SetBorderSides(TKxBorderSides sides) {
  if (sides == border_sides_) return;
  border_sides_ = sides;
  RecreateWnd();
}

void TKxAdvancedListBox::SetHorizontalScroll(bool scroll) {
  if (scroll == horizontal_scroll_) return;
  horizontal_scroll_ = scroll;
  RecreateWnd();
}

void TKxAdvancedListBox::SetUseXPThemes(bool use) {
  if (use == use_xp_themes_) return;
  use_xp_themes_ = use;
  Invalidate();
}

void TKxAdvancedListBox::SetLineBorderActiveColor(TColor color) {
  if (color == line_border_active_) return;
  line_border_active_ = color;
  RedrawFrameWhen(flat_ && Active());
}

void TKxAdvancedListBox::SetLineBorderInactiveColor(TColor color) {
  if (color == line_border_inactive_) return;
  line_border_inactive_ = color;
  RedrawFrameWhen(flat_ && !Active());
}

// Every frame is painted with the rest of the list, so redrawing the frame
// is repainting the list.
void TKxAdvancedListBox::RedrawFrameWhen(bool condition) {
  if (condition) Invalidate();
}

void TKxAdvancedListBox::CreateThemeHandle() {
  theme_ = ThemesAvailable && ThemeLibrary().IsThemeActive()
               ? ThemeLibrary().OpenThemeData(this, L"EDIT")
               : 0;
}

void TKxAdvancedListBox::FreeThemeHandle() {
  if (ThemesAvailable) ThemeLibrary().CloseThemeData(theme_);
  theme_ = 0;
}

// ---- the image form's background ----

int TKxAdvancedListBox::GetImageFormWidth() const {
  return image_form_->GetRealControl()->ClientWidth();
}

int TKxAdvancedListBox::GetImageFormHeight() const {
  return image_form_->GetRealControl()->ClientHeight();
}

TPoint TKxAdvancedListBox::ImageFormScreenToClient(TPoint point) const {
  return image_form_->GetRealControl()->ScreenToClient(point);
}

bool TKxAdvancedListBox::ImageFormShows() const {
  return image_form_ && image_form_->GetRealControl() &&
         image_form_->BackgroundType() != bgtColorFill;
}

bool TKxAdvancedListBox::BackgroundModeInForce() const {
  return transparent_ || (use_background_ && !background_.Empty()) || ImageFormShows();
}

// The part of the image form's background that lies under `rect`; where the
// rectangle reaches past the form's area the brush fills in.
void TKxAdvancedListBox::PaintImageFormPart(TCanvas& canvas, const TRect& rect) {
  if (image_form_->GetRealControl() == this) return;
  const TPoint offset = ImageFormScreenToClient(ClientToScreen({0, 0}));
  const TRect mapped = TRect(rect).Offset(offset.X, offset.Y);
  const bool complete = mapped.Left >= 0 && mapped.Top >= 0 &&
                        mapped.Right <= GetImageFormWidth() &&
                        mapped.Bottom <= GetImageFormHeight();
  if (!complete) canvas.FillRect(rect);
  image_form_->DrawBackgroundPart(canvas, rect, false, offset);
}

// Tiles stay anchored at the client area's corner wherever the list scrolls.
void TKxAdvancedListBox::TileBackground(TCanvas& canvas, const TRect& clip) {
  const TBitmap& tile = GetBackground();
  const TRect area = ClientRect();
  TCanvasStateGuard guard(canvas);
  canvas.IntersectClipRect(clip);
  for (int y = area.Top; y < area.Bottom; y += tile.Height()) {
    for (int x = area.Left; x < area.Right; x += tile.Width()) {
      canvas.BitBlt(x, y, area.Right - x, area.Bottom - y, tile.Canvas(), 0, 0, SRCCOPY);
    }
  }
}

// The parent and its windowless controls painted again under `rect`.
void TKxAdvancedListBox::PaintParent(TCanvas& canvas, const TRect& rect) {
  TWinControl* parent = Parent();
  if (!parent || !canvas.Target()) return;
  const TPoint parent_origin = canvas.Origin() - TPoint{Left(), Top()};
  const TRect clip = TRect(rect).Offset(canvas.Origin().X, canvas.Origin().Y);
  parent->PaintAt(*canvas.Target(), parent_origin, clip);
  for (int i = 0; i < parent->ControlCount(); ++i) {
    TControl* sibling = parent->Controls(i);
    if (dynamic_cast<TWinControl*>(sibling) || !sibling->Visible()) continue;
    sibling->PaintAt(*canvas.Target(), parent_origin + TPoint{sibling->Left(), sibling->Top()},
                     clip);
  }
}

void TKxAdvancedListBox::PaintBackground(TCanvas& canvas, const TRect& rect) {
  if (ImageFormShows()) {
    PaintImageFormPart(canvas, rect);
  } else if (transparent_) {
    PaintParent(canvas, rect);
  } else if (use_background_ && !GetBackground().Empty()) {
    TileBackground(canvas, rect);
  }
}

// ---- painting ----

void TKxAdvancedListBox::Paint() {
  TCanvas& canvas = Canvas();
  {
    TCanvasStateGuard guard(canvas);
    TListBox::Paint();
  }
  if (BackgroundModeInForce()) {
    // The rows paint their own background; the rest of the list shows it too.
    TCanvasStateGuard guard(canvas);
    const TRect rows = RowsArea();
    canvas.IntersectClipRect(rows);
    for (int index = TopIndex(); index < Count(); ++index) {
      const TRect item = ItemRect(index);
      if (item.IsEmpty()) break;
      canvas.ExcludeClipRect(item);
    }
    PaintBackground(canvas, rows);
  }
  if (IsThemeApplied()) {
    DrawThemedFrame(canvas);
  } else if (flat_) {
    DrawFlatBorder(canvas);
  }
}

void TKxAdvancedListBox::DrawItem(int index, TRect rect, TOwnerDrawState state) {
  if (style_ != TListBoxStyle::lbStandard && OnDrawItem) {
    OnDrawItem(this, index, rect, state);
    return;
  }
  TCanvas& canvas = Canvas();
  const TColor text_color = canvas.TextColor;
  const TColor bk_color = canvas.BkColor;
  const bool selected = (state & odSelected) != 0;
  if (selected && !invert_selection_ && transparent_selection_) {
    canvas.Font.SetColor(Font().Color());
  }
  if (selected && !invert_selection_ && !transparent_selection_) {
    canvas.Brush.Color = selected_color_;
    canvas.FillRect(rect);
  } else if (BackgroundModeInForce()) {
    PaintBackground(canvas, rect);
  } else if (!transparent_selection_) {
    canvas.FillRect(rect);
  }
  if (selected && invert_selection_) canvas.InvertRect(rect);
  if (selected && !transparent_selection_) canvas.Font.Assign(selected_font_);
  if (index < Count()) {
    TRect text = rect;
    text.Left += kTextIndent;
    canvas.Brush.Style = bsClear;
    canvas.DrawText(Items()[index], text, kItemTextFlags);
  }
  canvas.TextColor = text_color;
  canvas.BkColor = bk_color;
}

// The sides missing from BorderSides give their edge to the rows.
unsigned TKxAdvancedListBox::EdgeSides() const {
  unsigned sides = 0;
  if (border_sides_ & SideBit(ebsLeft)) sides |= BF_LEFT;
  if (border_sides_ & SideBit(ebsTop)) sides |= BF_TOP;
  if (border_sides_ & SideBit(ebsRight)) sides |= BF_RIGHT;
  if (border_sides_ & SideBit(ebsBottom)) sides |= BF_BOTTOM;
  return sides;
}

// The list's scroll bars as the platform list lays them out.
TKxScrollBarWindow TKxAdvancedListBox::ScrollBarWindow() const {
  TKxScrollBarWindow window;
  window.HasClientEdge = true;
  window.Enabled = Enabled();
  const auto bar = [this](TScrollBarKind kind, bool& shown) {
    const TScrollRange range = ScrollRange(kind);
    shown = range.visible;
    return TKxScrollInfo{0, range.range + range.page - 1, range.page, range.position,
                         range.position};
  };
  window.Vert = bar(TScrollBarKind::sbVertical, window.HasVertBar);
  window.Horz = bar(TScrollBarKind::sbHorizontal, window.HasHorzBar);
  const TRect rows = RowsArea();
  window.ClientSize = {rows.Width(), rows.Height()};
  return window;
}

// The flat bars are laid inside the client edge on every side; where a side
// has given its edge to the rows, the rectangle reaches past the list there.
TRect TKxAdvancedListBox::FlatBarsRect() const {
  const int edge = GetSystemMetrics(SM_CXEDGE);
  const TRect inside = InsideEdge();
  return {inside.Left - edge, inside.Top - edge, inside.Right + edge, inside.Bottom + edge};
}

void TKxAdvancedListBox::DrawFlatBorder(TCanvas& canvas) {
  const bool active = Active();
  DrawBorder(canvas, {0, 0, Width(), Height()},
             active ? line_border_active_ : line_border_inactive_, Color(), border_sides_,
             active ? active_border_ : inactive_border_);
  // A focused list keeps its own scroll bars unless asked otherwise, while
  // the mouse is elsewhere.
  if (!flat_focused_scroll_bars_ && Focused() && !mouse_over_) return;
  DrawFlatScrollBars(ScrollBarWindow(), canvas, FlatBarsRect(), kKxHorzBar | kKxVertBar, true,
                     horz_tracking_, vert_tracking_, false);
}

void TKxAdvancedListBox::DrawThemedFrame(TCanvas& canvas) {
  TCanvasStateGuard guard(canvas);
  canvas.ExcludeClipRect(InsideEdge());
  const TRect clip = canvas.ClipRect();
  ThemeLibrary().DrawThemeBackground(theme_, canvas, 0, 0, {0, 0, Width(), Height()}, &clip);
}

// ---- messages ----

void TKxAdvancedListBox::WndProc(TMessage& message) {
  TListBox::WndProc(message);
  switch (message.Msg) {
    case CM_FONTCHANGED:
      FollowFontHeight();
      RecomputeExtent();
      break;
    case CM_PARENTFONTCHANGED:
      if (ParentFont()) {
        holding_selected_font_ = true;
        selected_font_.Assign(Font());
        selected_font_.SetColor(clHighlightText);
        holding_selected_font_ = false;
      }
      break;
    case CM_PARENTCOLORCHANGED:
      if (transparent_) Invalidate();
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      mouse_over_ = message.Msg == CM_MOUSEENTER;
      RedrawFrameWhen(IsThemeApplied() ||
                      (flat_ && active_border_ != inactive_border_ && !Focused()));
      break;
    case WM_HSCROLL:
    case WM_VSCROLL:
      ScrollReported(message.Msg == WM_VSCROLL, ScrollCode(message.WParam));
      break;
    case CM_HINTSHOW:
      HintShow(*reinterpret_cast<THintInfo*>(message.LParam));
      break;
    case WM_THEMECHANGED:
      if (ThemesAvailable && use_xp_themes_) {
        FreeThemeHandle();
        CreateThemeHandle();
        Invalidate();
      }
      message.Result = 1;
      break;
    case KM_REPAINTCHILDREN:
      Invalidate();
      for (int i = 0; i < ControlCount(); ++i) {
        if (dynamic_cast<TWinControl*>(Controls(i))) {
          PostMessage(Controls(i), KM_REPAINTCHILDREN, message.WParam, message.LParam);
        }
      }
      break;
    default:
      break;
  }
}

// ---- horizontal extent ----

int TKxAdvancedListBox::GetItemWidth(int index) const {
  TCanvas measure;
  measure.Font.Assign(Font());
  const std::string text = Items()[index] + "W";
  if (TabWidth() > 0) {
    const int stop = static_cast<int>(std::lround(measure.TextWidth("0") * TabWidth() * 0.25));
    return measure.TabbedTextExtent(text, stop).cx;
  }
  return measure.TextWidth(text);
}

// The list scrolls sideways over the widest row there is now, so removing the
// widest row shrinks the range; without HorizontalScroll there is none.
void TKxAdvancedListBox::RecomputeExtent() {
  int widest = 0;
  if (horizontal_scroll_) {
    for (int index = 0; index < Count(); ++index) widest = std::max(widest, GetItemWidth(index));
  }
  SetHorizontalExtent(widest);
}

// ---- hints ----

// The row under a client point, column included, or -1.
int TKxAdvancedListBox::RowUnder(TPoint client) const {
  return ItemAtPos(client, true);
}

bool TKxAdvancedListBox::FlatBarsFollowScrolling() const {
  return flat_ && !(Active() && !flat_focused_scroll_bars_);
}

void TKxAdvancedListBox::ScrollReported(bool vertical, int code) {
  bool& tracking = vertical ? vert_tracking_ : horz_tracking_;
  if (code == SB_THUMBTRACK) tracking = true;
  if (code == SB_THUMBPOSITION) tracking = false;
  RedrawFrameWhen(FlatBarsFollowScrolling());
}

void TKxAdvancedListBox::MouseMove(TShiftState shift, int x, int y) {
  TListBox::MouseMove(shift, x, y);
  if (horz_tracking_ || vert_tracking_) RedrawFrameWhen(FlatBarsFollowScrolling());
  const int item = RowUnder({x, y});
  if (item == line_hint_item_) return;
  CancelLineHint();
  if (show_line_hint_ && item >= 0) {
    ArmLineHint(item);
  } else {
    line_hint_item_ = -1;
  }
}

void TKxAdvancedListBox::ArmLineHint(int item) {
  line_hint_item_ = item;
  if (!hint_timer_) {
    hint_timer_ = std::make_unique<TTimer>();
    hint_timer_->OnTimer = [this](TComponent*) { LineHintTick(); };
  }
  hint_timer_->SetEnabled(false);
  hint_timer_->SetInterval(static_cast<unsigned>(Application.HintPause));
  hint_timer_->SetEnabled(true);
}

void TKxAdvancedListBox::LineHintTick() {
  hint_timer_->SetEnabled(false);
  if (hint_window_) {
    CancelLineHint();
    return;
  }
  const int item = RowUnder(ScreenToClient(CursorPos()));
  if (item >= 0 && GetItemWidth(item) < RowsArea().Width()) {
    // The text fits: no hint, and no new wait until the pointer moves on.
    line_hint_item_ = -1;
  } else if (item >= 0 && item == line_hint_item_) {
    ShowLineHintWindow(item);
  } else if (item >= 0) {
    ArmLineHint(item);
  } else {
    line_hint_item_ = -1;
  }
}

void TKxAdvancedListBox::ShowLineHintWindow(int item) {
  hint_window_ = CreateHintWindow();
  const std::string& text = Items()[item];
  const TRect row = ItemRect(item);
  const TPoint corner = ClientToScreen({row.Left - kHintShift, row.Top - kHintShift});
  const TRect size = hint_window_->CalcHintRect(kHintMaxWidth, text);
  hint_window_->ActivateHint(TRect::Bounds(corner.X, corner.Y, size.Width(), size.Height()), text);
  saved_hint_proc_ = hint_window_->WindowProc;
  hint_window_->WindowProc = [this](TMessage& message) { HintWindowProc(message); };
  hint_timer_->SetInterval(static_cast<unsigned>(Application.HintHidePause));
  hint_timer_->SetEnabled(true);
}

// Whoever hides the hint window ends the hint with it; the hidden window
// itself is freed by the next cancel, outside its own message handling.
void TKxAdvancedListBox::HintWindowProc(TMessage& message) {
  saved_hint_proc_(message);
  if (message.Msg != CM_VISIBLECHANGED || message.WParam != 0) return;
  if (hint_timer_) hint_timer_->SetEnabled(false);
  line_hint_item_ = -1;
}

void TKxAdvancedListBox::CancelLineHint() {
  if (hint_timer_) hint_timer_->SetEnabled(false);
  THintWindow* window = std::exchange(hint_window_, nullptr);
  if (!window) return;
  window->WindowProc = std::move(saved_hint_proc_);
  delete window;
}

THintWindow* TKxAdvancedListBox::CreateHintWindow() {
  return new TListBoxHintWindow(this);
}

void TKxAdvancedListBox::HintShow(THintInfo& info) {
  const int item = RowUnder(info.CursorPos);
  if (item < 0) {
    info.HintStr = ShowHint() ? Hint() : std::string();
    return;
  }
  TCanvas measure;
  measure.Font.Assign(Font());
  const std::string& text = Items()[item];
  if (measure.TextWidth(text) < RowsArea().Width()) {
    info.HintStr.clear();
    return;
  }
  const TRect row = ItemRect(item);
  info.HintStr = text;
  info.HintPos = ClientToScreen({row.Left - 1, row.Top - kHintShift});
}
