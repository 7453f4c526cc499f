#include "platform/controls/button.h"

#include "platform/controls/caption_text.h"
#include "platform/controls/parent_form.h"
#include "platform/graphics/edges.h"
#include "platform/input/focus.h"
#include "platform/input/key_codes.h"
#include "platform/input/keyboard.h"

TButton::TButton(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
  SetColor(clBtnFace);
  control_style_ = csCaptureMouse | csClickEvents | csSetCaption | csOpaque;
}

void TButton::SetDefault(bool is_default) {
  if (is_default == default_) return;
  default_ = is_default;
  Invalidate();
}

void TButton::Click() {
  if (modal_result_ != mrNone) {
    if (TForm* form = GetParentForm(this)) form->SetModalResult(modal_result_);
  }
  TCustomControl::Click();
}

// Enter belongs to the focused button, and to the default button only while
// no other button has the focus.
bool TButton::TakesDialogKey(int key) const {
  if (!Showing() || !Enabled()) return false;
  if (key == VK_RETURN) {
    return Focused() || (default_ && !dynamic_cast<TButton*>(FocusedControl()));
  }
  return key == VK_ESCAPE && cancel_;
}

void TButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_DIALOGKEY:
      if (TakesDialogKey(static_cast<int>(message.WParam))) {
        Click();
        message.Result = 1;
      }
      return;
    case CM_DIALOGCHAR:
      if (Showing() && Enabled() && IsAccel(static_cast<char>(message.WParam), Caption())) {
        Click();
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

void TButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) {
    FocusOnPress(*this);
    press_.MouseDown();
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TButton::MouseMove(TShiftState shift, int x, int y) {
  press_.MouseMove(ClientRect().Contains({x, y}));
  TCustomControl::MouseMove(shift, x, y);
}

// The click itself comes from the release, as for every control.
void TButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) press_.MouseUp(ClientRect().Contains({x, y}));
  TCustomControl::MouseUp(button, shift, x, y);
}

void TButton::KeyDown(int& key, TShiftState shift) {
  if (key == VK_SPACE) press_.SpaceDown();
  TCustomControl::KeyDown(key, shift);
}

// Space clicks on its release, as a mouse button does.
void TButton::KeyUp(int& key, TShiftState shift) {
  const bool click = key == VK_SPACE && press_.SpaceUp();
  TCustomControl::KeyUp(key, shift);
  if (click && Enabled()) Click();
}

void DrawButtonFace(TCanvas& canvas, TRect rect, bool pressed, bool is_default) {
  TCanvasStateGuard guard(canvas);
  canvas.Brush.Style = bsSolid;
  if (is_default) {
    canvas.Brush.Color = clWindowFrame;
    canvas.FrameRect(rect);
    rect.Inflate(-1, -1);
  }
  if (pressed) {
    canvas.Brush.Color = clBtnShadow;
    canvas.FrameRect(rect);
    rect.Inflate(-1, -1);
  } else {
    DrawEdge(canvas, rect, EDGE_RAISED, BF_RECT | BF_ADJUST);
  }
  canvas.Brush.Color = clBtnFace;
  canvas.FillRect(rect);
}

void TButton::Paint() {
  TCanvas& canvas = Canvas();
  const bool shows_default = default_ || Focused();
  DrawButtonFace(canvas, ClientRect(), press_.Pushed(), shows_default);
  TRect text_rect = ClientRect();
  if (press_.Pushed()) text_rect.Offset(1, 1);
  canvas.Font.Assign(Font());
  DrawCaptionText(canvas, Caption(), text_rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE, Enabled());
  if (Focused()) {
    TRect focus = ClientRect();
    focus.Inflate(-4, -4);
    canvas.DrawFocusRect(focus);
  }
}
