#include "platform/controls/group_box.h"

#include "platform/controls/caption_text.h"
#include "platform/graphics/edges.h"
#include "platform/input/keyboard.h"

namespace {
constexpr int kCaptionIndent = 8;
}

TCustomGroupBox::TCustomGroupBox(TComponent* owner) : TCustomControl(owner) {
  SetBounds(0, 0, 185, 105);
  control_style_ =
      csAcceptsControls | csCaptureMouse | csClickEvents | csSetCaption | csOpaque | csDoubleClicks;
}

int TCustomGroupBox::CaptionHeight() const {
  TCanvas measure;
  measure.Font.Assign(Font());
  return measure.TextHeight("0");
}

void TCustomGroupBox::AlignControls(TRect& rect) {
  rect.Top += CaptionHeight();
  rect.Inflate(-2, -2);
  TCustomControl::AlignControls(rect);
}

// Its accelerator moves the focus into the box.
void TCustomGroupBox::WndProc(TMessage& message) {
  if (message.Msg == CM_DIALOGCHAR && Showing() && Enabled() &&
      IsAccel(static_cast<char>(message.WParam), Caption())) {
    SelectNext(nullptr, true, true);
    message.Result = 1;
    return;
  }
  TCustomControl::WndProc(message);
}

void TCustomGroupBox::Paint() {
  TCanvas& canvas = Canvas();
  const int text_height = CaptionHeight();
  TRect frame = ClientRect();
  frame.Top += text_height / 2;
  DrawEdge(canvas, frame, EDGE_ETCHED, BF_RECT);
  if (Caption().empty()) return;
  canvas.Font.Assign(Font());
  TRect text{kCaptionIndent, 0, Width() - kCaptionIndent, text_height};
  canvas.DrawText(Caption(), text, DT_LEFT | DT_SINGLELINE | DT_CALCRECT);
  text.Right += 2;
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = Color();
  canvas.FillRect(text);
  text.Left += 1;
  DrawCaptionText(canvas, Caption(), text, DT_LEFT | DT_SINGLELINE, Enabled());
}
