#include "platform/controls/mark_button.h"

#include <algorithm>

#include "platform/graphics/frame_control.h"
#include "platform/graphics/system_colours.h"

namespace {
constexpr int kMarkGap = 4;  // between the mark and the caption
}

TMarkButton::TMarkButton(TComponent* owner) : TPressableControl(owner) {
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

void TMarkButton::AcceleratorPressed() {
  SetFocus();
  Pressed();
}

// The mark shows pushed in the way a disabled one does: a face-coloured box.
void TMarkButton::Paint() {
  TCanvas& canvas = Canvas();
  unsigned state = MarkState();
  if (Pushed() || !Enabled()) state |= DFCS_INACTIVE;
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
