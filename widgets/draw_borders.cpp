// The fifteen flat border styles. The edged styles draw a classic edge and
// then touch up one-pixel strips around what the edge left inside, so that
// each style gets its own flat look.
#include <algorithm>
#include <array>

#include "platform/graphics/canvas.h"
#include "platform/graphics/edges.h"
#include "platform/graphics/system_colours.h"
#include "widgets/draw_utils.h"

namespace {

enum StripBrush { kFace, kWindow, kShadow };
enum Edge { L, T, R, B };  // an edge of the rectangle inside the drawn edge

// One coordinate of a strip: an edge of the inner rectangle plus an offset.
struct Coord {
  Edge edge;
  int offset;
};

struct Strip {
  TKxFlatBorderType type;
  TKxBorderSide side;
  StripBrush brush;
  Coord left, top, right, bottom;
};

// Every strip of the edged styles, with the side that must be chosen for it.
// fbtBigBump adds its strips to those of fbtBump, fbtRaisedOuter to those of
// fbtRaisedInner.
constexpr std::array kStrips = {
    Strip{fbtSunkenInner, ebsLeft, kFace, {L, 0}, {T, 0}, {L, 1}, {B, 0}},
    Strip{fbtSunkenInner, ebsTop, kFace, {L, 0}, {T, 0}, {R, 0}, {T, 1}},
    Strip{fbtSunkenInner, ebsRight, kFace, {R, -1}, {T, 0}, {R, 0}, {B, 0}},
    Strip{fbtSunkenInner, ebsRight, kFace, {R, 0}, {T, -1}, {R, 1}, {B, 1}},
    Strip{fbtSunkenInner, ebsBottom, kFace, {L, 0}, {B, -1}, {R, 0}, {B, 0}},
    Strip{fbtSunkenInner, ebsBottom, kFace, {L, -1}, {B, 0}, {R, 1}, {B, 1}},

    Strip{fbtSunkenOuter, ebsLeft, kFace, {L, 0}, {T, 0}, {L, 1}, {B, -1}},
    Strip{fbtSunkenOuter, ebsTop, kFace, {L, 0}, {T, 0}, {R, -1}, {T, 1}},
    Strip{fbtSunkenOuter, ebsRight, kFace, {R, -1}, {T, 0}, {R, 0}, {B, 0}},
    Strip{fbtSunkenOuter, ebsRight, kWindow, {R, 0}, {T, -1}, {R, 1}, {B, 1}},
    Strip{fbtSunkenOuter, ebsBottom, kFace, {L, 0}, {B, -1}, {R, 0}, {B, 0}},
    Strip{fbtSunkenOuter, ebsBottom, kWindow, {L, -1}, {B, 0}, {R, 1}, {B, 1}},

    Strip{fbtRaisedInner, ebsLeft, kFace, {L, 0}, {T, 0}, {L, 1}, {B, 0}},
    Strip{fbtRaisedInner, ebsTop, kFace, {L, 0}, {T, 0}, {R, 0}, {T, 1}},
    Strip{fbtRaisedInner, ebsRight, kFace, {R, -1}, {T, 0}, {R, 0}, {B, 0}},
    Strip{fbtRaisedInner, ebsBottom, kFace, {L, 0}, {B, -1}, {R, 0}, {B, 0}},
    Strip{fbtRaisedOuter, ebsRight, kShadow, {R, 0}, {T, -1}, {R, 1}, {B, 1}},
    Strip{fbtRaisedOuter, ebsBottom, kShadow, {L, -1}, {B, 0}, {R, 1}, {B, 1}},

    Strip{fbtBump, ebsLeft, kShadow, {L, -1}, {T, -1}, {L, 0}, {B, 0}},
    Strip{fbtBump, ebsTop, kShadow, {L, 0}, {T, -1}, {R, 0}, {T, 0}},
    Strip{fbtBump, ebsRight, kShadow, {R, 1}, {T, -2}, {R, 2}, {B, 2}},
    Strip{fbtBump, ebsBottom, kShadow, {L, -2}, {B, 1}, {R, 2}, {B, 2}},
    Strip{fbtBigBump, ebsLeft, kWindow, {L, -2}, {T, -2}, {L, -1}, {B, 1}},
    Strip{fbtBigBump, ebsTop, kWindow, {L, -2}, {T, -2}, {R, 1}, {T, -1}},
    Strip{fbtBigBump, ebsRight, kWindow, {R, 0}, {T, -2}, {R, 1}, {B, 1}},
    Strip{fbtBigBump, ebsBottom, kWindow, {L, -2}, {B, 0}, {R, 1}, {B, 1}},

    Strip{fbtFramed, ebsLeft, kFace, {L, -1}, {T, 0}, {L, 0}, {B, 0}},
    Strip{fbtFramed, ebsTop, kFace, {L, -2}, {T, -1}, {R, 1}, {T, 0}},
    Strip{fbtFramed, ebsRight, kShadow, {R, 1}, {T, -2}, {R, 2}, {B, 2}},
    Strip{fbtFramed, ebsBottom, kShadow, {L, -2}, {B, 1}, {R, 2}, {B, 2}},
};

unsigned EdgeOf(TKxFlatBorderType type) {
  switch (type) {
    case fbtSunken:
      return EDGE_SUNKEN;
    case fbtSunkenInner:
      return BDR_SUNKENINNER;
    case fbtSunkenOuter:
      return BDR_SUNKENOUTER;
    case fbtRaised:
      return EDGE_RAISED;
    case fbtRaisedInner:
      return BDR_RAISEDINNER;
    case fbtRaisedOuter:
      return BDR_RAISEDOUTER;
    case fbtEtched:
      return EDGE_ETCHED;
    default:
      return EDGE_BUMP;  // fbtBump, fbtBigBump, fbtFramed
  }
}

bool Has(TKxBorderSides sides, TKxBorderSide side) {
  return (sides & SideBit(side)) != 0;
}

bool StripBelongs(TKxFlatBorderType strip_type, TKxFlatBorderType type) {
  return strip_type == type || (type == fbtBigBump && strip_type == fbtBump) ||
         (type == fbtRaisedOuter && strip_type == fbtRaisedInner);
}

int At(const TRect& r, Coord c) {
  const int edges[] = {r.Left, r.Top, r.Right, r.Bottom};
  return edges[c.edge] + c.offset;
}

void FillStrip(TCanvas& canvas, const TRect& r, const Strip& strip) {
  static constexpr int kColours[] = {COLOR_BTNFACE, COLOR_WINDOW, COLOR_BTNSHADOW};
  const int x1 = At(r, strip.left);
  const int y1 = At(r, strip.top);
  const int x2 = At(r, strip.right);
  const int y2 = At(r, strip.bottom);
  FillSolidRect(canvas, {std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2)},
                GetSysColor(kColours[strip.brush]));
}

unsigned EdgeFlags(TKxBorderSides sides) {
  unsigned flags = BF_ADJUST;
  if (Has(sides, ebsLeft)) flags |= BF_LEFT;
  if (Has(sides, ebsTop)) flags |= BF_TOP;
  if (Has(sides, ebsRight)) flags |= BF_RIGHT;
  if (Has(sides, ebsBottom)) flags |= BF_BOTTOM;
  return flags;
}

// Two rings of one colour from the rectangle's edge inward.
void TwoRings(TCanvas& canvas, const TRect& rect, TColor color, TKxBorderSides sides) {
  DrawBorderLines(canvas, DrawBorderLines(canvas, rect, color, color, sides), color, color, sides);
}

void DrawEdgedBorder(TCanvas& canvas, const TRect& rect, TColor bk_color, TKxBorderSides sides,
                     TKxFlatBorderType type) {
  TRect r = rect;
  DrawEdge(canvas, r, EdgeOf(type), EdgeFlags(sides));
  for (const Strip& strip : kStrips) {
    if (StripBelongs(strip.type, type) && Has(sides, strip.side)) FillStrip(canvas, r, strip);
  }
  if (type == fbtEtched && Has(sides, ebsTop)) {
    const int left = Has(sides, ebsLeft) ? r.Left - 1 : r.Left;
    FillSolidRect(canvas, {left, r.Top - 1, r.Right, r.Top}, GetSysColor(COLOR_BTNFACE));
  }
  if (type == fbtRaised) {
    TwoRings(canvas, r, bk_color, sides);
    DrawBorderLines(canvas, r, clBtnShadow, clBtnHighlight, sides);
  }
}

}  // namespace

void DrawBorder(TCanvas& canvas, const TRect& rect, TColor line_border_color, TColor bk_color,
                TKxBorderSides sides, TKxFlatBorderType border_type) {
  switch (border_type) {
    case fbtFlat:
      DrawFlatFrameSides(canvas, rect, bk_color, sides, false);
      return;
    case fbtLine:
    case fbtLineBorder:
    case fbtNone:
      TwoRings(canvas, rect, bk_color, sides);
      if (border_type == fbtLine) {
        DrawBorderLines(canvas, rect, clWindowFrame, clWindowFrame, SideBit(ebsBottom));
      } else if (border_type == fbtLineBorder) {
        DrawBorderLines(canvas, rect, clWindowFrame, clWindowFrame, sides);
      }
      return;
    case fbtColorLineBorder: {
      const TRect inner =
          DrawBorderLines(canvas, rect, line_border_color, line_border_color, sides);
      DrawBorderLines(canvas, inner, bk_color, bk_color, sides);
      return;
    }
    default:
      DrawEdgedBorder(canvas, rect, bk_color, sides, border_type);
      return;
  }
}
