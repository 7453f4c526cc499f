#include "platform/controls/speed_button.h"

#include "platform/controls/button.h"

TSpeedButton::TSpeedButton(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 23, 22);
  SetParentColor(false);
  SetColor(clBtnFace);
}

void TSpeedButton::WndProc(TMessage& message) {
  if (message.Msg == CM_CAPTURECHANGED || message.Msg == CM_ENABLEDCHANGED) press_.Cancel();
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

void TSpeedButton::Paint() {
  DrawCaptionedButton(Canvas(), *this, press_.Pushed(), false);
}
