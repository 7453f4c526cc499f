#include "platform/controls/mark_button.h"

#include <algorithm>

#include "platform/controls/parent_form.h"
#include "platform/graphics/frame_control.h"
#include "platform/graphics/system_colours.h"
#include "platform/input/key_codes.h"
#include "platform/input/keyboard.h"

namespace {
constexpr int kMarkGap = 4;  // between the mark and the caption
}

TMarkButton::TMarkButton(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 113, 17);
  SetTabStop(true);
  // The press is the control's own (Pressed); a release is no OnClick by itself.
  control_style_ = csCaptureMouse | csSetCaption | csOpaque;
}

void TMarkButton::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  Invalidate();
}

TRect TMarkButton::MarkRect() const {
  const int top = (Height() - kMarkSize) / 2;
  const int left = alignment_ == TAlignment::taLeftJustify ? Width() - kMarkSize : 0;
  return TRect::Bounds(left, top, kMarkSize, kMarkSize);
}

TRect TMarkButton::TextRect() const {
  if (alignment_ == TAlignment::taLeftJustify) {
    return {0, 0, Width() - kMarkSize - kMarkGap, Height()};
  }
  return {kMarkSize + kMarkGap, 0, Width(), Height()};
}

void TMarkButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_DIALOGCHAR:
      if (Showing() && Enabled() && IsAccel(static_cast<char>(message.WParam), Caption())) {
        SetFocus();
        Pressed();
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

void TMarkButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) {
    FocusOnPress(*this);
    press_.MouseDown();
  }
  TCustomControl::MouseDown(button, shift, x, y);
}

void TMarkButton::MouseMove(TShiftState shift, int x, int y) {
  press_.MouseMove(ClientRect().Contains({x, y}));
  TCustomControl::MouseMove(shift, x, y);
}

void TMarkButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  const bool press =
      button == TMouseButton::mbLeft && press_.MouseUp(ClientRect().Contains({x, y}));
  TCustomControl::MouseUp(button, shift, x, y);
  if (press && Enabled()) Pressed();
}

void TMarkButton::KeyDown(int& key, TShiftState shift) {
  if (key == VK_SPACE) press_.SpaceDown();
  TCustomControl::KeyDown(key, shift);
}

void TMarkButton::KeyUp(int& key, TShiftState shift) {
  const bool press = key == VK_SPACE && press_.SpaceUp();
  TCustomControl::KeyUp(key, shift);
  if (press && Enabled()) Pressed();
}

// The mark shows pushed in the way a disabled one does: a face-coloured box.
void TMarkButton::Paint() {
  TCanvas& canvas = Canvas();
  unsigned state = MarkState();
  if (press_.Pushed() || !Enabled()) state |= DFCS_INACTIVE;
  DrawFrameControl(canvas, MarkRect(), DFC_BUTTON, state);
  canvas.Font.Assign(Font());
  const unsigned flags = DT_LEFT | DT_VCENTER | DT_SINGLELINE;
  DrawCaptionText(canvas, Caption(), TextRect(), flags, Enabled());
  if (Focused()) {
    TRect measured = TextRect();
    canvas.DrawText(Caption(), measured, flags | DT_CALCRECT);
    TRect focus = TextRect();
    focus.Right = std::min(focus.Right, focus.Left + measured.Width() + 2);
    focus.Left -= 1;
    canvas.DrawFocusRect(focus);
  }
}
