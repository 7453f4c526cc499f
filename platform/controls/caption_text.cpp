#include "platform/controls/caption_text.h"

unsigned AlignmentFlags(TAlignment alignment) {
  switch (alignment) {
    case TAlignment::taRightJustify:
      return DT_RIGHT;
    case TAlignment::taCenter:
      return DT_CENTER;
    case TAlignment::taLeftJustify:
      break;
  }
  return DT_LEFT;
}

unsigned LayoutFlags(TTextLayout layout) {
  switch (layout) {
    case TTextLayout::tlCenter:
      return DT_VCENTER | DT_SINGLELINE;
    case TTextLayout::tlBottom:
      return DT_BOTTOM | DT_SINGLELINE;
    case TTextLayout::tlTop:
      break;
  }
  return DT_TOP;
}

void DrawCaptionText(TCanvas& canvas, std::string_view text, TRect rect, unsigned flags,
                     bool enabled) {
  TCanvasStateGuard guard(canvas);
  canvas.Brush.Style = bsClear;
  if (enabled) {
    canvas.DrawText(text, rect, flags);
    return;
  }
  TRect shifted = rect;
  shifted.Offset(1, 1);
  canvas.Font.SetColor(clBtnHighlight);
  canvas.DrawText(text, shifted, flags);
  canvas.Font.SetColor(clBtnShadow);
  canvas.DrawText(text, rect, flags);
}
