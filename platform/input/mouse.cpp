#include "platform/input/mouse.h"

#include <cstdlib>

#include "platform/components/focus.h"
#include "platform/components/input_memory.h"
#include "platform/components/win_control.h"
#include "platform/graphics/system_colours.h"

namespace {

TControl* g_capture = nullptr;
bool g_capture_implicit = false;  // taken by a press; ends with the last release
TControl* g_hover = nullptr;
TPoint g_cursor;
TShiftState g_buttons = 0;

// The previous press, for telling a double click from two clicks.
struct LastPress {
  TControl* control = nullptr;
  TMouseButton button = TMouseButton::mbLeft;
  TPoint point;
  uint64_t time_ms = 0;
} g_last_press;

TShiftState ButtonFlag(TMouseButton button) {
  switch (button) {
    case TMouseButton::mbLeft:
      return ssLeft;
    case TMouseButton::mbRight:
      return ssRight;
    case TMouseButton::mbMiddle:
      return ssMiddle;
  }
  return 0;
}

uint32_t ButtonMessage(TMouseButton button, bool down, bool double_click) {
  const uint32_t base = button == TMouseButton::mbLeft    ? WM_LBUTTONDOWN
                        : button == TMouseButton::mbRight ? WM_RBUTTONDOWN
                                                          : WM_MBUTTONDOWN;
  if (!down) return base + 1;
  return double_click ? base + 2 : base;
}

// The control that receives a mouse message at `point`: the capture, else the
// deepest enabled control there (the form itself when no child is).
TControl* InputTarget(TWinControl& root, TPoint point) {
  if (g_capture) return g_capture;
  const TPoint client = root.ScreenToClient(point);
  if (!root.Enabled() || !root.ClientRect().Contains(client)) return nullptr;
  TControl* hit = root.ControlAtPos(client, false);
  return hit ? hit : &root;
}

intptr_t SendMouse(TControl& target, uint32_t msg, TPoint point, TShiftState shift) {
  const TPoint client = target.ScreenToClient(point);
  return target.Perform(msg, static_cast<intptr_t>(shift | g_buttons),
                        PackPoint(client.X, client.Y));
}

void UpdateHover(TWinControl& root, TPoint point) {
  TControl* under = nullptr;
  const TPoint client = root.ScreenToClient(point);
  if (root.Showing() && root.ClientRect().Contains(client)) {
    under = root.ControlAtPos(client, true);
    if (!under) under = &root;
  }
  if (under == g_hover) return;
  TControl* left = g_hover;
  g_hover = under;
  if (left) left->Perform(CM_MOUSELEAVE, 0, reinterpret_cast<intptr_t>(left));
  // A leave handler may free the control now under the pointer, or run a
  // loop of its own that moves the hover on; either way there is no entry.
  if (under && g_hover == under)
    under->Perform(CM_MOUSEENTER, 0, reinterpret_cast<intptr_t>(under));
}

bool IsDoubleClick(const TControl& target, TMouseButton button, TPoint point, uint64_t time_ms) {
  if (!(target.ControlStyle() & csDoubleClicks)) return false;
  if (g_last_press.control != &target || g_last_press.button != button) return false;
  if (time_ms - g_last_press.time_ms > static_cast<uint64_t>(kDoubleClickTimeMs)) return false;
  return std::abs(point.X - g_last_press.point.X) <= GetSystemMetrics(SM_CXDOUBLECLK) &&
         std::abs(point.Y - g_last_press.point.Y) <= GetSystemMetrics(SM_CYDOUBLECLK);
}

// Installed before the program starts: the control layer asks the mouse,
// through this, to let go of controls.
const bool kMemoryInstalled = [] {
  InstallInputMemory({.release_capture_within = ReleaseCaptureWithin, .forget = ForgetMouseState});
  return true;
}();

}  // namespace

TControl* GetCapture() {
  return g_capture;
}

TControl* SetCapture(TControl* control) {
  TControl* previous = g_capture;
  g_capture_implicit = false;
  if (control == previous) return previous;
  g_capture = control;
  if (previous) previous->Perform(CM_CAPTURECHANGED, 0, reinterpret_cast<intptr_t>(control));
  return previous;
}

void ReleaseCapture() {
  SetCapture(nullptr);
}

void ReleaseCaptureWithin(TControl* control) {
  if (IsWithin(g_capture, control)) ReleaseCapture();
}

TControl* ControlUnderMouse() {
  return g_hover;
}

TPoint CursorPos() {
  return g_cursor;
}

void DispatchMouseMove(TWinControl& root, TPoint point, TShiftState shift) {
  g_cursor = point;
  UpdateHover(root, point);
  if (TControl* target = InputTarget(root, point)) SendMouse(*target, WM_MOUSEMOVE, point, shift);
}

void DispatchMouseButton(TWinControl& root, TPoint point, TMouseButton button, bool down,
                         TShiftState shift, uint64_t time_ms) {
  g_cursor = point;
  UpdateHover(root, point);
  TControl* target = InputTarget(root, point);
  if (down) {
    g_buttons |= ButtonFlag(button);
    if (!target) return;
    const bool double_click = IsDoubleClick(*target, button, point, time_ms);
    // A third quick press starts a new pair instead of making another double.
    g_last_press = double_click ? LastPress{} : LastPress{target, button, point, time_ms};
    if (!g_capture && (target->ControlStyle() & csCaptureMouse)) {
      SetCapture(target);
      g_capture_implicit = true;
    }
    SendMouse(*target, ButtonMessage(button, true, double_click), point, shift);
    return;
  }
  g_buttons &= ~ButtonFlag(button);
  if (target) SendMouse(*target, ButtonMessage(button, false, false), point, shift);
  if (g_capture_implicit && g_buttons == 0) ReleaseCapture();
}

void DispatchMouseWheel(TWinControl& root, TPoint point, int delta, TShiftState shift) {
  g_cursor = point;
  // Like the keys, the wheel belongs to the focus, not to the pointer: with
  // nothing focused, only the form itself hears it.
  TControl* target = FocusedControl();
  if (!IsWithin(target, &root)) target = &root;
  for (TControl* c = target; c; c = c->Parent()) {
    if (c->Enabled() && c->Perform(WM_MOUSEWHEEL, delta, static_cast<intptr_t>(shift)) != 0) return;
  }
}

void ForgetMouseState(TControl* control) {
  if (IsWithin(g_capture, control)) {
    g_capture = nullptr;
    g_capture_implicit = false;
  }
  if (IsWithin(g_hover, control)) g_hover = nullptr;
  if (IsWithin(g_last_press.control, control)) g_last_press = LastPress{};
}

void ReleaseMouseButtons() {
  g_buttons = 0;
  g_capture_implicit = false;
}
