#include "platform/controls/up_down.h"

#include <algorithm>

#include "platform/controls/button.h"
#include "platform/forms/timer.h"
#include "platform/graphics/arrow_head.h"

namespace {
constexpr unsigned kFirstRepeatMs = 400;
constexpr unsigned kRepeatMs = 100;

TArrowDirection ArrowOf(TUDBtnType type, TUDOrientation orientation) {
  const bool next = type == TUDBtnType::btNext;
  if (orientation == TUDOrientation::udVertical) {
    return next ? TArrowDirection::adUp : TArrowDirection::adDown;
  }
  return next ? TArrowDirection::adRight : TArrowDirection::adLeft;
}
}  // namespace

TUpDown::TUpDown(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 17, 25);
  SetColor(clBtnFace);
  control_style_ = csCaptureMouse | csOpaque;
  repeat_ = new TTimer(this);
  repeat_->SetEnabled(false);
  repeat_->OnTimer = [this](TComponent*) { RepeatTick(); };
}

void TUpDown::SetMin(int value) {
  if (value == min_) return;
  min_ = value;
  SetPosition(position_);
}

void TUpDown::SetMax(int value) {
  if (value == max_) return;
  max_ = value;
  SetPosition(position_);
}

void TUpDown::SetPosition(int position) {
  position_ = std::clamp(position, min_, std::max(min_, max_));
}

void TUpDown::SetOrientation(TUDOrientation orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  Invalidate();
}

// Vertical: the upper half is "next"; horizontal: the right half is.
TRect TUpDown::NextRect() const {
  if (orientation_ == TUDOrientation::udVertical) return {0, 0, Width(), Height() / 2};
  return {Width() / 2, 0, Width(), Height()};
}

TRect TUpDown::PrevRect() const {
  if (orientation_ == TUDOrientation::udVertical) return {0, Height() / 2, Width(), Height()};
  return {0, 0, Width() / 2, Height()};
}

void TUpDown::Step(TUDBtnType button) {
  SetPosition(position_ + (button == TUDBtnType::btNext ? increment_ : -increment_));
  if (OnClick) OnClick(this, button);
}

void TUpDown::RepeatTick() {
  if (!held_ || !Enabled() || !Showing()) {
    StopRepeat();
    return;
  }
  repeat_->SetInterval(kRepeatMs);
  if (over_held_button_) Step(held_button_);
}

void TUpDown::StopRepeat() {
  repeat_->SetEnabled(false);
  if (held_) {
    held_ = false;
    Invalidate();
  }
}

void TUpDown::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_CAPTURECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_VISIBLECHANGED:
      StopRepeat();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

void TUpDown::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  TCustomControl::MouseDown(button, shift, x, y);
  if (button != TMouseButton::mbLeft) return;
  held_ = true;
  held_button_ = NextRect().Contains({x, y}) ? TUDBtnType::btNext : TUDBtnType::btPrev;
  over_held_button_ = true;
  Invalidate();
  repeat_->SetInterval(kFirstRepeatMs);
  repeat_->SetEnabled(true);
  Step(held_button_);
}

void TUpDown::MouseMove(TShiftState shift, int x, int y) {
  if (held_) {
    const TRect rect = held_button_ == TUDBtnType::btNext ? NextRect() : PrevRect();
    const bool over = rect.Contains({x, y});
    if (over != over_held_button_) Invalidate();
    over_held_button_ = over;
  }
  TCustomControl::MouseMove(shift, x, y);
}

void TUpDown::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) StopRepeat();
  TCustomControl::MouseUp(button, shift, x, y);
}

void TUpDown::Paint() {
  TCanvas& canvas = Canvas();
  const TColor arrow = Enabled() ? clBtnText : clGrayText;
  for (TUDBtnType type : {TUDBtnType::btNext, TUDBtnType::btPrev}) {
    const TRect rect = type == TUDBtnType::btNext ? NextRect() : PrevRect();
    const bool pressed = held_ && over_held_button_ && held_button_ == type;
    DrawButtonFace(canvas, rect, pressed, false);
    DrawButtonArrow(canvas, rect, ArrowOf(type, orientation_), arrow);
  }
}
