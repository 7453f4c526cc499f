#include "platform/graphics/edges.h"

namespace {

struct RingColours {
  TColor top_left;
  TColor bottom_right;
};

// One ring on the chosen sides: the top and left first, then the bottom and
// right over them, which gives the off-diagonal corners to the dark side.
void DrawRing(TCanvas& canvas, const TRect& r, RingColours colours, unsigned sides) {
  TCanvasStateGuard guard(canvas);
  canvas.Brush.Style = bsSolid;
  canvas.Brush.Color = colours.top_left;
  if (sides & BF_TOP) canvas.FillRect({r.Left, r.Top, r.Right, r.Top + 1});
  if (sides & BF_LEFT) canvas.FillRect({r.Left, r.Top, r.Left + 1, r.Bottom});
  canvas.Brush.Color = colours.bottom_right;
  if (sides & BF_BOTTOM) canvas.FillRect({r.Left, r.Bottom - 1, r.Right, r.Bottom});
  if (sides & BF_RIGHT) canvas.FillRect({r.Right - 1, r.Top, r.Right, r.Bottom});
}

void ShrinkSides(TRect& r, unsigned sides) {
  if (sides & BF_LEFT) ++r.Left;
  if (sides & BF_TOP) ++r.Top;
  if (sides & BF_RIGHT) --r.Right;
  if (sides & BF_BOTTOM) --r.Bottom;
}

}  // namespace

void DrawEdge(TCanvas& canvas, TRect& rect, unsigned edge, unsigned flags) {
  const unsigned sides = flags & BF_RECT;
  TRect ring = rect;
  if (edge & BDR_OUTER) {
    const RingColours outer = (edge & BDR_SUNKENOUTER) ? RingColours{clBtnShadow, clBtnHighlight}
                                                       : RingColours{cl3DLight, cl3DDkShadow};
    DrawRing(canvas, ring, outer, sides);
    ShrinkSides(ring, sides);
  }
  if (edge & BDR_INNER) {
    const RingColours inner = (edge & BDR_SUNKENINNER) ? RingColours{cl3DDkShadow, cl3DLight}
                                                       : RingColours{clBtnHighlight, clBtnShadow};
    DrawRing(canvas, ring, inner, sides);
    ShrinkSides(ring, sides);
  }
  if (flags & BF_ADJUST) rect = ring;
}
