#include "platform/controls/speed_button.h"

#include "platform/controls/button.h"
#include "platform/controls/caption_text.h"
#include "platform/controls/frame_3d.h"

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 23, 22);
  SetParentColor(false);
  SetColor(clBtnFace);
}

void TSpeedButton::SetFlat(bool flat) {
  if (flat == flat_) return;
  flat_ = flat;
  Invalidate();
}

void TSpeedButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      mouse_inside_ = message.Msg == CM_MOUSEENTER;
      if (flat_) Invalidate();
      break;
    case CM_CAPTURECHANGED:
    case CM_ENABLEDCHANGED:
      press_.Cancel();
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(message);
}

void TSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) press_.MouseDown();
  TGraphicControl::MouseDown(button, shift, x, y);
}

void TSpeedButton::MouseMove(TShiftState shift, int x, int y) {
  press_.MouseMove(ClientRect().Contains({x, y}));
  TGraphicControl::MouseMove(shift, x, y);
}

void TSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) press_.MouseUp(ClientRect().Contains({x, y}));
  TGraphicControl::MouseUp(button, shift, x, y);
}

// A flat button shows its edge only under the mouse or while pressed.
void TSpeedButton::Paint() {
  TCanvas& canvas = Canvas();
  TRect rect = ClientRect();
  if (!flat_) {
    DrawButtonFace(canvas, rect, press_.Pushed(), false);
  } else {
    canvas.Brush.Style = bsSolid;
    canvas.Brush.Color = Color();
    canvas.FillRect(rect);
    if (press_.Pushed()) {
      Frame3D(canvas, rect, clBtnShadow, clBtnHighlight, 1);
    } else if (mouse_inside_ && Enabled()) {
      Frame3D(canvas, rect, clBtnHighlight, clBtnShadow, 1);
    }
  }
  TRect text = ClientRect();
  if (press_.Pushed()) text.Offset(1, 1);
  canvas.Font.Assign(Font());
  DrawCaptionText(canvas, Caption(), text, DT_CENTER | DT_VCENTER | DT_SINGLELINE, Enabled());
}
