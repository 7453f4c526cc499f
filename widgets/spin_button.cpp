#include "widgets/spin_button.h"

#include "platform/forms/screen.h"
#include "platform/input/mouse.h"
#include "widgets/draw_utils.h"

namespace {
constexpr unsigned kFirstRepeatMs = 400;
constexpr unsigned kRepeatMs = 100;

// Parts and states of the theme's spin class.
constexpr int kPartUp = 1;
constexpr int kPartDown = 2;
constexpr int kPartRight = 3;
constexpr int kPartLeft = 4;
constexpr int kStateNormal = 1;
constexpr int kStateHot = 2;
constexpr int kStatePressed = 3;
constexpr int kStateDisabled = 4;
}  // namespace

TKxSpinButton::TKxSpinButton(TComponent* owner) : TKxXPThemedControl(owner) {
  control_style_ &= ~csCaptureMouse;
  SetBounds(Left(), Top(), 16, 16);
}

// A button freed in the middle of a press or a drag leaves nothing running
// and the pointer as it found it.
TKxSpinButton::~TKxSpinButton() {
  repeat_timer_.reset();
  RestoreCursor();
}

void TKxSpinButton::SetUseDrag(bool use_drag) {
  use_drag_ = use_drag;
}

void TKxSpinButton::SetFlat(bool flat) {
  if (flat == flat_) return;
  flat_ = flat;
  Invalidate();
}

void TKxSpinButton::SetButtonDirection(TKxSpinBtnDir direction) {
  if (direction == direction_) return;
  direction_ = direction;
  if (!Loading()) Invalidate();
}

void TKxSpinButton::SetButtonType(TKxSpinBtnType type) {
  if (type == type_) return;
  type_ = type;
  if (!Loading()) Invalidate();
}

void TKxSpinButton::SetUpArrowEnabled(bool enabled) {
  if (enabled == up_arrow_enabled_) return;
  up_arrow_enabled_ = enabled;
  if (Enabled()) Invalidate();
}

void TKxSpinButton::SetDownArrowEnabled(bool enabled) {
  if (enabled == down_arrow_enabled_) return;
  down_arrow_enabled_ = enabled;
  if (Enabled()) Invalidate();
}

void TKxSpinButton::SetSoftFlat(bool soft_flat) {
  if (soft_flat == soft_flat_) return;
  soft_flat_ = soft_flat;
  Invalidate();
}

namespace {
void StoreSoftFlatColor(TColor& field, TColor color, bool soft_flat, TControl& control) {
  if (color == field) return;
  field = color;
  if (soft_flat) control.Invalidate();
}
}  // namespace

void TKxSpinButton::SetSoftFlatActiveColor(TColor color) {
  StoreSoftFlatColor(soft_flat_active_, color, soft_flat_, *this);
}

void TKxSpinButton::SetSoftFlatDownColor(TColor color) {
  StoreSoftFlatColor(soft_flat_down_, color, soft_flat_, *this);
}

void TKxSpinButton::SetSoftFlatInactiveColor(TColor color) {
  StoreSoftFlatColor(soft_flat_inactive_, color, soft_flat_, *this);
}

TRect TKxSpinButton::FirstHalfRect() const {
  if (type_ == sbtUpDown) return {0, 0, Width(), Height() / 2};
  return {0, 0, Width() / 2, Height()};
}

TRect TKxSpinButton::SecondHalfRect() const {
  if (type_ == sbtUpDown) return {0, Height() / 2 + 1, Width(), Height()};
  return {Width() / 2 + 1, 0, Width(), Height()};
}

// Along the split, the half's own edge row (or column) and the one after it
// are both the seam, so a press there never steps.
TKxSpinButton::THalf TKxSpinButton::HalfAt(int x, int y) const {
  const int along = type_ == sbtUpDown ? y : x;
  const int middle = (type_ == sbtUpDown ? Height() : Width()) / 2;
  if (along < middle) return THalf::First;
  if (along > middle + 1) return THalf::Second;
  return THalf::Seam;
}

bool TKxSpinButton::OnSeamLine(int x, int y) const {
  if (HalfAt(x, y) != THalf::Seam) return false;
  return type_ == sbtUpDown ? x >= 0 && x <= Width() : y >= 0 && y <= Height();
}

TCursor TKxSpinButton::ResizeCursor() const {
  return type_ == sbtUpDown ? crSizeNS : crSizeWE;
}

void TKxSpinButton::ShowResizeCursor() {
  if (Screen.Cursor() == ResizeCursor()) return;
  saved_cursor_ = Screen.Cursor();
  Screen.SetCursor(ResizeCursor());
}

void TKxSpinButton::RestoreCursor() {
  if (Screen.Cursor() == crSizeNS || Screen.Cursor() == crSizeWE) Screen.SetCursor(saved_cursor_);
}

// The first half steps up on an up-down button and down on a left-right one.
void TKxSpinButton::Step(THalf half) {
  const bool up = (half == THalf::First) == (type_ == sbtUpDown);
  const TKxSpinEvent& event = up ? OnUpClick : OnDownClick;
  if (event) event(this, increment_);
}

void TKxSpinButton::RepeatStep() {
  repeat_timer_->SetInterval(kRepeatMs);
  if (first_pressed_) {
    Step(THalf::First);
  } else if (second_pressed_) {
    Step(THalf::Second);
  }
}

// The press holds the mouse before its first step, so that a step that
// hides or disables the button, or opens a dialog, takes the capture away
// and with it the repetition.
void TKxSpinButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TKxXPThemedControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  const THalf half = HalfAt(x, y);
  if (half == THalf::Seam) {
    if (!use_drag_) return;
    ShowResizeCursor();
    dragging_ = true;
    drag_start_ = 0;
    if (OnSpinStart) OnSpinStart(this, drag_start_);
    SetCapture(this);
    return;
  }
  (half == THalf::First ? first_pressed_ : second_pressed_) = true;
  SetCapture(this);
  repeat_timer_ = std::make_unique<TTimer>();
  repeat_timer_->SetInterval(kFirstRepeatMs);
  repeat_timer_->OnTimer = [this](TComponent*) { RepeatStep(); };
  Invalidate();
  Step(half);
}

void TKxSpinButton::MouseMove(TShiftState shift, int x, int y) {
  const bool holding = GetCapture() == this;
  if (OnSeamLine(x, y)) {
    if (!holding && !dragging_ && use_drag_) {
      SetCapture(this);
      ShowResizeCursor();
    }
  } else if (!dragging_ && holding) {
    if (!repeat_timer_) ReleaseCapture();
    RestoreCursor();
  }
  TKxXPThemedControl::MouseMove(shift, x, y);
  if (dragging_) {
    if (!OnSpinDrag) return;
    const double offset = type_ == sbtUpDown ? Height() / 2 - y : x - Width() / 2;
    OnSpinDrag(this, offset * increment_ + drag_start_);
    return;
  }
  FollowHotHalf(HalfAt(x, y));
}

void TKxSpinButton::FollowHotHalf(THalf half) {
  const bool was_first = first_hot_;
  const bool was_second = second_hot_;
  first_hot_ = half == THalf::First;
  second_hot_ = half == THalf::Second;
  const bool lit = (first_hot_ && !was_first) || (second_hot_ && !was_second);
  const bool cleared = half == THalf::Seam && (was_first || was_second);
  if (lit || cleared) Invalidate();
}

void TKxSpinButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  TKxXPThemedControl::MouseUp(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  RestoreCursor();
  if (dragging_) {
    EndDrag();
  } else {
    StopRepeat();
  }
}

void TKxSpinButton::StopRepeat() {
  const bool was_pressed = first_pressed_ || second_pressed_;
  repeat_timer_.reset();
  first_pressed_ = false;
  second_pressed_ = false;
  LetGoOfMouse();
  if (was_pressed) Invalidate();
}

void TKxSpinButton::EndDrag() {
  dragging_ = false;
  LetGoOfMouse();
}

void TKxSpinButton::LetGoOfMouse() {
  if (GetCapture() == this) ReleaseCapture();
}

// A menu opened in the middle of a drag would leave it running under the
// menu: the drag ends first, as if the button had come up where the pointer is.
TContextMenu* TKxSpinButton::GetPopupMenu() {
  if (dragging_) {
    const TPoint at = ScreenToClient(CursorPos());
    MouseUp(TMouseButton::mbLeft, 0, at.X, at.Y);
  }
  return TKxXPThemedControl::GetPopupMenu();
}

void TKxSpinButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_CONTEXTMENU:
      // Likewise a held press comes up before the menu opens.
      if (repeat_timer_) {
        const TPoint at = ScreenToClient({PointX(message.LParam), PointY(message.LParam)});
        MouseUp(TMouseButton::mbLeft, 0, at.X, at.Y);
      }
      TKxXPThemedControl::WndProc(message);
      return;
    case WM_MOUSEWHEEL:
      // The wheel is not the spin button's: it goes up to whatever holds it.
      for (TControl* c = Parent(); c; c = c->Parent()) {
        if (c->Enabled() && c->Perform(WM_MOUSEWHEEL, message.WParam, message.LParam) != 0) break;
      }
      message.Result = 1;
      return;
    case CM_CAPTURECHANGED:
      // Hiding, disabling, a dialog opening or another control taking the
      // mouse all end here: no step may outlive the press.
      TKxXPThemedControl::WndProc(message);
      dragging_ = false;
      RestoreCursor();
      StopRepeat();
      return;
    case CM_MOUSELEAVE:
      TKxXPThemedControl::WndProc(message);
      first_hot_ = false;
      second_hot_ = false;
      if (IsThemeApplied() || soft_flat_) Invalidate();
      return;
    case CM_EXIT:
      TKxXPThemedControl::WndProc(message);
      Invalidate();
      return;
    default:
      TKxXPThemedControl::WndProc(message);
      return;
  }
}

void TKxSpinButton::Paint() {
  TCanvas& canvas = Canvas();
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = clBtnFace;
  canvas.FillRect(FirstHalfRect());
  canvas.FillRect(SecondHalfRect());
  DrawHalf(canvas, FirstHalfRect(), true);
  DrawHalf(canvas, SecondHalfRect(), false);
}

int TKxSpinButton::ThemePart(bool first) const {
  if (direction_ == sbdUpDown) return first ? kPartUp : kPartDown;
  return first ? kPartLeft : kPartRight;
}

int TKxSpinButton::ThemeState(bool first) const {
  if (!(first ? up_arrow_enabled_ : down_arrow_enabled_)) return kStateDisabled;
  if (first ? first_pressed_ : second_pressed_) return kStatePressed;
  if (first ? first_hot_ : second_hot_) return kStateHot;
  return kStateNormal;
}

void TKxSpinButton::DrawHalf(TCanvas& canvas, const TRect& rect, bool first) {
  if (IsThemeApplied()) {
    const TRect clip = canvas.ClipRect();
    ThemeLibrary().DrawThemeBackground(ThemeHandle(), canvas, ThemePart(first), ThemeState(first),
                                       rect, &clip);
    return;
  }
  const bool pressed = first ? first_pressed_ : second_pressed_;
  if (soft_flat_) {
    DrawBorder(canvas, rect, pressed ? soft_flat_down_ : soft_flat_inactive_, clBtnFace,
               kKxAllSides, fbtColorLineBorder);
  } else {
    DrawButtonFrame(canvas, rect, !flat_, pressed);
  }
  DrawArrow(canvas, rect, first);
}

// Four pixels around the half's centre, the right edge taken one pixel in.
void TKxSpinButton::DrawArrow(TCanvas& canvas, TRect rect, bool first) {
  rect.Right -= 1;
  const int cx = rect.Left + (rect.Right - rect.Left) / 2;
  const int cy = rect.Top + (rect.Bottom - rect.Top) / 2;
  const TColor ink = Enabled() ? clBtnText : clBtnShadow;
  struct Offset {
    int dx, dy;
  };
  static constexpr Offset kUp[] = {{0, -1}, {-1, 0}, {0, 0}, {1, 0}};
  static constexpr Offset kDown[] = {{0, 0}, {-1, -1}, {0, -1}, {1, -1}};
  static constexpr Offset kLeft[] = {{-1, 0}, {0, -1}, {0, 0}, {0, 1}};
  static constexpr Offset kRight[] = {{0, 0}, {-1, -1}, {-1, 0}, {-1, 1}};
  const Offset* pixels = direction_ == sbdUpDown ? (first ? kUp : kDown) : (first ? kLeft : kRight);
  for (int i = 0; i < 4; ++i) canvas.SetPixel(cx + pixels[i].dx, cy + pixels[i].dy, ink);
}
