#include "platform/controls/bevel.h"

#include "platform/graphics/frame_3d.h"

TBevel::TBevel(TComponent* owner) : TGraphicControl(owner) {
  SetBounds(0, 0, 50, 50);
  control_style_ &= ~(csClickEvents | csCaptureMouse);
}

void TBevel::SetShape(TBevelShape shape) {
  if (shape == shape_) return;
  shape_ = shape;
  Invalidate();
}

void TBevel::SetStyle(TBevelStyle style) {
  if (style == style_) return;
  style_ = style;
  Invalidate();
}

// A line is a pair of one-pixel lines, dark then light when lowered.
void TBevel::Paint() {
  TCanvas& canvas = Canvas();
  const bool lowered = style_ == TBevelStyle::bsLowered;
  const TColor first = lowered ? clBtnShadow : clBtnHighlight;
  const TColor second = lowered ? clBtnHighlight : clBtnShadow;
  const int w = Width();
  const int h = Height();
  auto line = [&](int x1, int y1, int x2, int y2, TColor color) {
    canvas.Pen.Color = color;
    canvas.MoveTo(x1, y1);
    canvas.LineTo(x2, y2);
  };
  TRect rect = ClientRect();
  switch (shape_) {
    case TBevelShape::bsBox:
      Frame3D(canvas, rect, first, second, 1);
      break;
    case TBevelShape::bsFrame: {
      TRect outer{0, 0, w - 1, h - 1};
      Frame3D(canvas, outer, first, first, 1);
      TRect inner{1, 1, w, h};
      Frame3D(canvas, inner, second, second, 1);
      break;
    }
    case TBevelShape::bsTopLine:
      line(0, 0, w, 0, first);
      line(0, 1, w, 1, second);
      break;
    case TBevelShape::bsBottomLine:
      line(0, h - 2, w, h - 2, first);
      line(0, h - 1, w, h - 1, second);
      break;
    case TBevelShape::bsLeftLine:
      line(0, 0, 0, h, first);
      line(1, 0, 1, h, second);
      break;
    case TBevelShape::bsRightLine:
      line(w - 2, 0, w - 2, h, first);
      line(w - 1, 0, w - 1, h, second);
      break;
    case TBevelShape::bsSpacer:
      break;
  }
}
