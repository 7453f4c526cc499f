#include "platform/controls/pressable_control.h"

#include "platform/controls/parent_form.h"
#include "platform/input/key_codes.h"
#include "platform/input/keyboard.h"

void TPressableControl::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_DIALOGCHAR:
      if (Showing() && Enabled() && IsAccel(static_cast<char>(message.WParam), Caption())) {
        AcceleratorPressed();
        message.Result = 1;
      }
      return;
    case CM_CAPTURECHANGED:
    case CM_ENABLEDCHANGED:
      press_.Cancel();
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      press_.Cancel();
      Invalidate();
      break;
    default:
      break;
  }
  TCustomControl::WndProc(message);
}

void TPressableControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) {
    FocusOnPress(*this);
    press_.MouseDown();
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TPressableControl::MouseMove(TShiftState shift, int x, int y) {
  press_.MouseMove(ClientRect().Contains({x, y}));
  TCustomControl::MouseMove(shift, x, y);
}

// The press comes from the release, after the control's OnMouseUp.
void TPressableControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const bool press =
      button == TMouseButton::mbLeft && press_.MouseUp(ClientRect().Contains({x, y}));
  TCustomControl::MouseUp(button, shift, x, y);
  if (press && Enabled()) Pressed();
}

void TPressableControl::KeyDown(int& key, TShiftState shift) {
  if (key == VK_SPACE) press_.SpaceDown();
  TCustomControl::KeyDown(key, shift);
}

// Space presses on its release, as a mouse button does.
void TPressableControl::KeyUp(int& key, TShiftState shift) {
  const bool press = key == VK_SPACE && press_.SpaceUp();
  TCustomControl::KeyUp(key, shift);
  if (press && Enabled()) Pressed();
}
