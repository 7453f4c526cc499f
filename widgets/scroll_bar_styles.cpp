#include "widgets/scroll_bar_styles.h"

#include <algorithm>

#include "platform/graphics/system_colours.h"
#include "widgets/tools.h"

namespace {
// The theme's scroll-bar arrow part, in its normal state for a bar lying
// across the window: the size of an arrow button and the bar's thickness.
constexpr int kThemeArrowPart = 1;
constexpr int kThemeArrowState = 9;

// Stores a new value; false when it is the one already held.
template <class T>
bool Store(T& field, T value) {
  if (field == value) return false;
  field = value;
  return true;
}
}  // namespace

TCustomKxScrollBar::TCustomKxScrollBar(TComponent* owner, TScrollBarKind kind)
    : TKxXPThemedControl(owner),
      kind_(kind),
      styles_(std::make_unique<TKxScrollBarStyles>(*this)),
      button_size_(SystemButtonSize()) {
  SetColor(clBtnFace);
  if (kind == TScrollBarKind::sbHorizontal) {
    SetBounds(0, 0, 121, GetSystemMetrics(SM_CYHSCROLL));
  } else {
    SetBounds(0, 0, GetSystemMetrics(SM_CXVSCROLL), 121);
  }
}

TCustomKxScrollBar::~TCustomKxScrollBar() = default;

void TCustomKxScrollBar::SetParams(int min, int max, int page, int position) {
  min_ = min;
  max_ = max;
  page_ = page;
  position_ = position;
  Recompute();
}

int TCustomKxScrollBar::Length() const {
  return Horizontal() ? ClientWidth() : ClientHeight();
}

void TCustomKxScrollBar::SetThickness(int thickness) {
  if (Horizontal()) {
    SetHeight(thickness);
  } else {
    SetWidth(thickness);
  }
}

int TCustomKxScrollBar::LeftButtonCount() const {
  if (!show_left_arrows_) return 0;
  return secondary_buttons_ ? 2 : 1;
}

int TCustomKxScrollBar::ButtonCount() const {
  const int right = !show_right_arrows_ ? 0 : secondary_buttons_ ? 2 : 1;
  return LeftButtonCount() + right;
}

int TCustomKxScrollBar::SystemButtonSize() const {
  return GetSystemMetrics(Horizontal() ? SM_CXHSCROLL : SM_CYVSCROLL);
}

int TCustomKxScrollBar::SystemThumbSize() const {
  return GetSystemMetrics(Horizontal() ? SM_CXHTHUMB : SM_CYVTHUMB);
}

// Buttons too long for the bar share its length equally.
int TCustomKxScrollBar::EffectiveButtonSize() const {
  const int wanted = use_system_metrics_ ? SystemButtonSize() : button_size_;
  const int count = ButtonCount();
  if (count == 0 || count * wanted <= Length()) return wanted;
  return Length() / count;
}

int TCustomKxScrollBar::EffectiveThumbSize() const {
  if (thumb_mode_ == etmFixed) return use_system_metrics_ ? SystemThumbSize() : thumb_size_;
  const int room = Length() - ButtonCount() * EffectiveButtonSize();
  if (room < 0) return 0;
  const int range = max_ - min_ + 1;
  const bool no_range = max_ < min_ + 1;
  int size = 0;
  if (page_ == 0) {
    size = no_range ? room : SystemThumbSize();
  } else if (no_range || max_ - min_ < page_) {
    size = room;
  } else {
    size = MulDiv(std::min(page_, range), room, range);
  }
  size = std::max(size, min_thumb_size_);
  return size > room ? 0 : size;
}

void TCustomKxScrollBar::Recompute() {
  if (!Painted()) return;
  const int buttons = ButtonCount() * EffectiveButtonSize();
  const int thumb = EffectiveThumbSize();
  const int start = LeftButtonCount() * EffectiveButtonSize();
  const int range = max_ - min_ + 1;
  thumb_position_ = start;
  if (buttons + thumb < Length() && max_ >= min_) {
    // A page as long as the range leaves no travel: MulDiv's zero divisor
    // then gives -1, which keeps the thumb at the start.
    const int travel =
        MulDiv(Length() - buttons - thumb, std::min(position_ - min_, max_ + 1 - page_),
               range - std::min(range, page_));
    thumb_position_ += std::max(0, travel);
  }
  Invalidate();
}

void TCustomKxScrollBar::RepaintIfPainted() {
  if (Painted()) Invalidate();
}

void TCustomKxScrollBar::SetFlat(bool value) {
  if (Store(flat_, value)) RepaintIfPainted();
}

void TCustomKxScrollBar::SetActiveFlat(bool value) {
  if (Store(active_flat_, value) && (mouse_over_ || Focused())) Invalidate();
}

void TCustomKxScrollBar::SetMinThumbSize(int value) {
  if (value < 1 || !Store(min_thumb_size_, value)) return;
  if (thumb_mode_ == etmAuto) Recompute();
}

void TCustomKxScrollBar::SetThumbSize(int value) {
  if (value >= 1 && Store(thumb_size_, value)) Recompute();
}

void TCustomKxScrollBar::SetThumbMode(TKxScrollThumbMode value) {
  if (!Store(thumb_mode_, value)) return;
  if (use_system_metrics_ && value == etmFixed) thumb_size_ = SystemThumbSize();
  Recompute();
}

// A size that does not fit twice into the bar is refused.
void TCustomKxScrollBar::SetButtonSize(int value) {
  if (value < 1 || (HandleAllocated() && 2 * value > Length())) return;
  if (Store(button_size_, value)) Recompute();
}

void TCustomKxScrollBar::SetSecondaryButtons(bool value) {
  if (Store(secondary_buttons_, value)) Recompute();
}

void TCustomKxScrollBar::SetShowLeftArrows(bool value) {
  if (Store(show_left_arrows_, value)) Recompute();
}

void TCustomKxScrollBar::SetShowRightArrows(bool value) {
  if (Store(show_right_arrows_, value)) Recompute();
}

void TCustomKxScrollBar::SetSecondBtnKind(TKxSecButtonsKind value) {
  if (Store(second_btn_kind_, value) && secondary_buttons_) RepaintIfPainted();
}

void TCustomKxScrollBar::SetBlendBackground(bool value) {
  if (Store(blend_background_, value) && HandleAllocated()) Invalidate();
}

void TCustomKxScrollBar::SetOwnerDraw(bool value) {
  if (Store(owner_draw_, value)) Invalidate();
}

void TCustomKxScrollBar::SetNoDisableButtons(bool value) {
  if (Store(no_disable_buttons_, value)) Invalidate();
}

void TCustomKxScrollBar::SetThinFrames(bool value) {
  if (Store(thin_frames_, value)) Invalidate();
}

void TCustomKxScrollBar::SetDrawArrowFrames(bool value) {
  if (Store(draw_arrow_frames_, value)) Invalidate();
}

void TCustomKxScrollBar::SetDrawBars(bool value) {
  if (Store(draw_bars_, value)) Invalidate();
}

void TCustomKxScrollBar::SetBarColor(TColor value) {
  if (Store(bar_color_, value)) Invalidate();
}

void TCustomKxScrollBar::SetBarOffset(unsigned value) {
  if (Store(bar_offset_, value)) Invalidate();
}

void TCustomKxScrollBar::SetArrowColor(TColor value) {
  if (Store(arrow_color_, value)) Invalidate();
}

void TCustomKxScrollBar::SetArrowHotTrackColor(TColor value) {
  if (Store(arrow_hot_track_color_, value)) Invalidate();
}

void TCustomKxScrollBar::SetSystemBkColor(bool value) {
  if (Store(system_bk_color_, value)) Invalidate();
}

// Arrow frames are part of the frames: without frames there are none.
void TCustomKxScrollBar::SetDrawFrames(bool value) {
  if (!Store(draw_frames_, value)) return;
  if (!value) draw_arrow_frames_ = false;
  Invalidate();
}

void TCustomKxScrollBar::SetNoSunkenThumb(bool value) {
  if (Store(no_sunken_thumb_, value) && ThumbSunken()) Invalidate();
}

void TCustomKxScrollBar::SetUseSystemMetrics(bool value) {
  if (!Store(use_system_metrics_, value)) return;
  if (Loading() || (Owner() && Owner()->Loading())) return;
  if (value) TakeSystemSizes();
  Recompute();
}

// The button length and the thickness come from the theme while one is
// applied, else from the system's metrics.
void TCustomKxScrollBar::TakeSystemSizes() {
  TSize size;
  if (IsThemeApplied() &&
      ThemeLibrary().GetThemePartSize(ThemeHandle(), &Canvas(), kThemeArrowPart, kThemeArrowState,
                                      nullptr, TS_TRUE, size) == S_OK) {
    button_size_ = Horizontal() ? size.cx : size.cy;
    SetThickness(Horizontal() ? size.cy : size.cx);
    return;
  }
  button_size_ = SystemButtonSize();
  SetThickness(GetSystemMetrics(Horizontal() ? SM_CYHSCROLL : SM_CXVSCROLL));
}

void TCustomKxScrollBar::SetImageForm(TKxImageForm* form) {
  if (!Store(image_form_, form)) return;
  if (form) form->FreeNotification(this);
  Invalidate();
}

void TCustomKxScrollBar::Notification(TComponent* component, TOperation operation) {
  TKxXPThemedControl::Notification(component, operation);
  if (operation == TOperation::opRemove && component == image_form_) {
    image_form_ = nullptr;
    Invalidate();
  }
}

void TCustomKxScrollBar::CreateWnd() {
  TKxXPThemedControl::CreateWnd();
  Recompute();
}

void TCustomKxScrollBar::Resize() {
  TKxXPThemedControl::Resize();
  Recompute();
}

void TCustomKxScrollBar::WndProc(TMessage& message) {
  TKxXPThemedControl::WndProc(message);
  if (message.Msg == CM_MOUSEENTER) mouse_over_ = true;
  if (message.Msg == CM_MOUSELEAVE) mouse_over_ = false;
}

// ---- the styles ----

void TKxScrollBarStyles::Changed() {
  if (OnChange) OnChange(&bar_);
}

void TKxScrollBarStyles::SetUseSystemMetrics(bool value) {
  if (value == bar_.UseSystemMetrics()) return;
  bar_.SetUseSystemMetrics(value);
  Changed();
}

// With the system's metrics in use the thickness stays the system's: the
// bar takes it afresh and the value given is not used.
void TKxScrollBarStyles::SetWidth(int value) {
  if (bar_.UseSystemMetrics()) {
    bar_.SetUseSystemMetrics(false);
    bar_.SetUseSystemMetrics(true);
  } else {
    bar_.SetThickness(value);
  }
  Changed();
}

void TKxScrollBarStyles::Assign(const TKxScrollBarStyles& source) {
  SetActiveFlat(source.ActiveFlat());
  SetBlendBackground(source.BlendBackground());
  SetColor(source.Color());
  SetFlat(source.Flat());
  SetMinThumbSize(source.MinThumbSize());
  SetOwnerDraw(source.OwnerDraw());
  SetSecondaryButtons(source.SecondaryButtons());
  SetSecondBtnKind(source.SecondBtnKind());
  SetShowTrackHint(source.ShowTrackHint());
  SetThumbMode(source.ThumbMode());
  SetThumbSize(source.ThumbSize());
}
