#include "platform/controls/button.h"

#include "platform/components/focus.h"
#include "platform/controls/caption_text.h"
#include "platform/controls/parent_form.h"
#include "platform/graphics/edges.h"
#include "platform/input/key_codes.h"

TButton::TButton(TComponent* owner) : TPressableControl(owner) {
  SetBounds(0, 0, 75, 25);
  SetTabStop(true);
  SetColor(clBtnFace);
  // The click comes from the completed press, not from the plain release.
  control_style_ = csCaptureMouse | csSetCaption | csOpaque;
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
  TPressableControl::Click();
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
  if (message.Msg == CM_DIALOGKEY) {
    if (TakesDialogKey(static_cast<int>(message.WParam))) {
      Click();
      message.Result = 1;
    }
    return;
  }
  TPressableControl::WndProc(message);
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

void DrawCaptionedButton(TCanvas& canvas, const TControl& button, bool pressed, bool is_default) {
  DrawButtonFace(canvas, button.ClientRect(), pressed, is_default);
  TRect text_rect = button.ClientRect();
  if (pressed) text_rect.Offset(1, 1);
  canvas.Font.Assign(button.Font());
  DrawCaptionText(canvas, button.Caption(), text_rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE,
                  button.Enabled());
}

void TButton::Paint() {
  TCanvas& canvas = Canvas();
  DrawCaptionedButton(canvas, *this, Pushed(), default_ || Focused());
  if (Focused()) {
    TRect focus = ClientRect();
    focus.Inflate(-4, -4);
    canvas.DrawFocusRect(focus);
  }
}
