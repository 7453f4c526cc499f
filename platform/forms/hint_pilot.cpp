#include "platform/forms/hint_pilot.h"

#include "platform/forms/application.h"
#include "platform/forms/hint_window.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/input/mouse.h"

namespace {
constexpr int kBelowPointer = 20;  // the hint clears the pointer's arrow

// The control under the pointer when it shows hints, else none.
TControl* HintControlUnderMouse() {
  TControl* control = ControlUnderMouse();
  return control && control->ShowHint() ? control : nullptr;
}
}  // namespace

THintPilot::THintPilot() = default;
THintPilot::~THintPilot() = default;

void THintPilot::PointerMoved() {
  TControl* control = HintControlUnderMouse();
  if (control == control_) return;
  Cancel();
  control_ = control;
  if (control) Wait(Application.HintPause);
}

// The timer lives only while a hint is awaited or shown, so none is left
// running when the application stops.
void THintPilot::Cancel() {
  timer_.reset();
  window_.reset();
}

void THintPilot::Reset() {
  Cancel();
  control_ = nullptr;
}

void THintPilot::Wait(int ms) {
  if (!timer_) {
    timer_ = std::make_unique<TTimer>();
    timer_->OnTimer = [this](TComponent*) { Tick(); };
  }
  timer_->SetInterval(static_cast<unsigned>(ms));
}

// The first tick shows the hint, the next one ends it.
void THintPilot::Tick() {
  TControl* control = window_ ? nullptr : HintControlUnderMouse();
  if (!control || control != control_ || !control->Showing() || !Show(*control)) Cancel();
}

bool THintPilot::Show(TControl& control) {
  const TPoint pointer = CursorPos();
  THintInfo info{control.ScreenToClient(pointer), control.Hint(),
                 pointer + TPoint{0, kBelowPointer}};
  if (control.Perform(CM_HINTSHOW, 0, reinterpret_cast<intptr_t>(&info)) != 0) return false;
  if (info.HintStr.empty()) return false;
  window_ = std::make_unique<THintWindow>();
  const TRect size = window_->CalcHintRect(Screen.Width(), info.HintStr);
  window_->ActivateHint(TRect::Bounds(info.HintPos.X, info.HintPos.Y, size.Width(), size.Height()),
                        info.HintStr);
  Wait(Application.HintHidePause);
  return true;
}
