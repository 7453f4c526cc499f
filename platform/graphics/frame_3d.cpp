#include "platform/graphics/frame_3d.h"

void Frame3D(TCanvas& canvas, TRect& rect, TColor top_left, TColor bottom_right, int width) {
  TCanvasStateGuard guard(canvas);
  canvas.Pen.Width = 1;
  canvas.Pen.Style = psSolid;
  for (int ring = 0; ring < width && !rect.IsEmpty(); ++ring) {
    const int right = rect.Right - 1;
    const int bottom = rect.Bottom - 1;
    canvas.Pen.Color = top_left;
    canvas.MoveTo(rect.Left, bottom);
    canvas.LineTo(rect.Left, rect.Top);
    canvas.LineTo(right, rect.Top);
    canvas.Pen.Color = bottom_right;
    canvas.MoveTo(right, rect.Top);
    canvas.LineTo(right, bottom);
    canvas.LineTo(rect.Left - 1, bottom);
    rect.Inflate(-1, -1);
  }
}
