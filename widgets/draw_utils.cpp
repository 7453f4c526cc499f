#include "widgets/draw_utils.h"

#include <algorithm>

#include "platform/components/win_control.h"
#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/graphics/system_colours.h"
#include "widgets/tools.h"

namespace {

// Puts back the brush of a canvas when it goes out of scope.
class BrushKeeper {
 public:
  explicit BrushKeeper(TCanvas& canvas) : canvas_(canvas), brush_(canvas.Brush) {}
  ~BrushKeeper() { canvas_.Brush = brush_; }
  BrushKeeper(const BrushKeeper&) = delete;
  BrushKeeper& operator=(const BrushKeeper&) = delete;

 private:
  TCanvas& canvas_;
  TBrush brush_;
};

// Puts back the pen and its position.
class PenKeeper {
 public:
  explicit PenKeeper(TCanvas& canvas)
      : canvas_(canvas), pen_(canvas.Pen), position_(canvas.PenPos()) {}
  ~PenKeeper() {
    canvas_.Pen = pen_;
    canvas_.MoveTo(position_.X, position_.Y);
  }
  PenKeeper(const PenKeeper&) = delete;
  PenKeeper& operator=(const PenKeeper&) = delete;

 private:
  TCanvas& canvas_;
  TPen pen_;
  TPoint position_;
};

void Line(TCanvas& canvas, int x1, int y1, int x2, int y2) {
  canvas.MoveTo(x1, y1);
  canvas.LineTo(x2, y2);
}

bool Has(TKxBorderSides sides, TKxBorderSide side) {
  return (sides & SideBit(side)) != 0;
}

}  // namespace

int RedOf(TColor color) {
  return GetRValue(ColorToRGB(color));
}
int GreenOf(TColor color) {
  return GetGValue(ColorToRGB(color));
}
int BlueOf(TColor color) {
  return GetBValue(ColorToRGB(color));
}

void FillSolidRect(TCanvas& canvas, const TRect& rect, TColor color) {
  BrushKeeper keeper(canvas);
  canvas.Brush.Color = color;
  canvas.Brush.Style = bsSolid;
  canvas.FillRect(rect);
}

void FillSolidRectXY(TCanvas& canvas, int x, int y, int cx, int cy, TColor color) {
  FillSolidRect(
      canvas, {std::min(x, x + cx), std::min(y, y + cy), std::max(x, x + cx), std::max(y, y + cy)},
      color);
}

void Draw3DRect(TCanvas& canvas, int x, int y, int cx, int cy, TColor top_left,
                TColor bottom_right) {
  FillSolidRectXY(canvas, x, y, cx - 1, 1, top_left);
  FillSolidRectXY(canvas, x, y, 1, cy - 1, top_left);
  FillSolidRectXY(canvas, x + cx, y, -1, cy, bottom_right);
  FillSolidRectXY(canvas, x, y + cy, cx, -1, bottom_right);
}

void DrawButtonFrameColors(TCanvas& canvas, const TRect& rect, TColor outer_top_left,
                           TColor outer_bottom_right, TColor inner_top_left,
                           TColor inner_bottom_right, bool outer_only) {
  Draw3DRect(canvas, rect.Left, rect.Top, rect.Width(), rect.Height(), outer_top_left,
             outer_bottom_right);
  if (outer_only) return;
  Draw3DRect(canvas, rect.Left + 1, rect.Top + 1, rect.Width() - 2, rect.Height() - 2,
             inner_top_left, inner_bottom_right);
}

void Draw3DBorder(TCanvas& canvas, const TRect& rect, int outer_top_left, int outer_bottom_right,
                  int inner_top_left, int inner_bottom_right) {
  DrawButtonFrameColors(canvas, rect, GetSysColor(outer_top_left), GetSysColor(outer_bottom_right),
                        GetSysColor(inner_top_left), GetSysColor(inner_bottom_right), false);
}

void DrawButtonFrame(TCanvas& canvas, const TRect& rect, bool deep, bool down) {
  if (down) {
    Draw3DBorder(canvas, rect, COLOR_3DDKSHADOW, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW,
                 COLOR_BTNFACE);
  } else if (deep) {
    Draw3DBorder(canvas, rect, COLOR_BTNHIGHLIGHT, COLOR_3DDKSHADOW, COLOR_BTNFACE,
                 COLOR_BTNSHADOW);
  } else {
    Draw3DBorder(canvas, rect, COLOR_BTNHIGHLIGHT, COLOR_BTNSHADOW, COLOR_BTNFACE, COLOR_BTNFACE);
  }
}

void DrawButtonFrameCustom(TCanvas& canvas, const TRect& rect, bool deep, bool down,
                           bool outer_only, TColor highlight, TColor dark_shadow, TColor face,
                           TColor shadow) {
  if (down) {
    DrawButtonFrameColors(canvas, rect, dark_shadow, highlight, shadow, face, outer_only);
  } else if (deep) {
    DrawButtonFrameColors(canvas, rect, highlight, dark_shadow, face, shadow, outer_only);
  } else {
    DrawButtonFrameColors(canvas, rect, highlight, shadow, face, face, outer_only);
  }
}

namespace {

// The shade of `hls` at another lightness, as RGB.
TColor Shade(TColor hls, int lightness) {
  return HLSToRGB(PackHLS(GetRValue(hls), std::min(239, lightness), GetBValue(hls)));
}

}  // namespace

void DrawButtonFrameFromColor(TCanvas& canvas, const TRect& rect, bool deep, bool down,
                              TColor color, bool outer_only) {
  TColor highlight = ColorToRGB(clBtnHighlight);
  TColor dark_shadow = ColorToRGB(cl3DDkShadow);
  TColor face = ColorToRGB(clBtnFace);
  TColor shadow = ColorToRGB(clBtnShadow);
  if (color != clBtnFace) {
    face = ColorToRGB(color);
    const TColor hls = RGBToHLS(face);
    const int lightness = GetGValue(hls);
    if (lightness != 0) {
      highlight = Shade(hls, lightness + lightness / 3);
      dark_shadow = Shade(hls, lightness - lightness / 2);
      shadow = Shade(hls, lightness - lightness / 3);
    }
  }
  // Only a pressed deep frame differs from the custom one's rows.
  if (down && !deep) {
    DrawButtonFrameColors(canvas, rect, shadow, highlight, face, face, outer_only);
  } else {
    DrawButtonFrameCustom(canvas, rect, deep, down, outer_only, highlight, dark_shadow, face,
                          shadow);
  }
}

TRect DrawBorderLines(TCanvas& canvas, const TRect& rect, TColor top_left, TColor bottom_right,
                      TKxBorderSides sides) {
  PenKeeper keeper(canvas);
  canvas.Pen = TPen{ColorToRGB(top_left), 1, psSolid};
  const TRect& r = rect;
  if (Has(sides, ebsLeft)) Line(canvas, r.Left, r.Top, r.Left, r.Bottom);
  if (Has(sides, ebsTop)) Line(canvas, r.Left, r.Top, r.Right, r.Top);
  canvas.Pen.Color = ColorToRGB(bottom_right);
  if (Has(sides, ebsRight)) Line(canvas, r.Right - 1, r.Top, r.Right - 1, r.Bottom);
  if (Has(sides, ebsBottom)) Line(canvas, r.Left, r.Bottom - 1, r.Right, r.Bottom - 1);
  TRect inner = rect;
  if (Has(sides, ebsLeft)) ++inner.Left;
  if (Has(sides, ebsTop)) ++inner.Top;
  if (Has(sides, ebsRight)) --inner.Right;
  if (Has(sides, ebsBottom)) --inner.Bottom;
  return inner;
}

TRect DrawFlatFrameSides(TCanvas& canvas, const TRect& rect, TColor color, TKxBorderSides sides,
                         bool deep) {
  const TRect first = DrawBorderLines(canvas, rect, color, color, sides);
  const TRect inner = DrawBorderLines(canvas, first, color, color, sides);
  const TRect sunken = DrawBorderLines(canvas, rect, clBtnShadow, clBtnHighlight, sides);
  if (deep) DrawBorderLines(canvas, sunken, clBtnText, cl3DLight, sides);
  return inner;
}

void DrawFlatFrame(TCanvas& canvas, const TRect& rect, TColor color, bool deep) {
  DrawFlatFrameSides(canvas, rect, color, kKxAllSides, deep);
}

int BorderHitTest(const TRect& rect, TPoint point, int corner_size, int band_width) {
  const TRect& r = rect;
  const int c = corner_size;
  const int w = band_width;
  const int x = point.X;
  const int y = point.Y;
  if (!r.Contains(point)) return HTNOWHERE;
  if (x <= r.Left + w - 1) {
    return y <= r.Top + c ? HTTOPLEFT : (y < r.Bottom - c - 1 ? HTLEFT : HTBOTTOMLEFT);
  }
  if (y <= r.Top + w - 1) {
    return x <= r.Left + c ? HTTOPLEFT : (x < r.Right - c - 1 ? HTTOP : HTTOPRIGHT);
  }
  if (y >= r.Bottom - w - 1) {
    return x <= r.Left + c ? HTBOTTOMLEFT : (x < r.Right - c - 1 ? HTBOTTOM : HTBOTTOMRIGHT);
  }
  if (x >= r.Right - w - 1) {
    return y <= r.Top + c ? HTTOPRIGHT : (y < r.Bottom - c - 1 ? HTRIGHT : HTBOTTOMRIGHT);
  }
  return HTCLIENT;
}

namespace {

// The four lines of 7, 5, 3 and 1 pixels of an arrow whose 4 x 7 (or 7 x 4)
// box starts at (x, y); the long line is at the arrow's back.
void ArrowLines(TCanvas& canvas, int direction, int x, int y) {
  for (int i = 0; i < 4; ++i) {
    const int length = 7 - 2 * i;
    switch (direction) {
      case kArrowLeft:
        Line(canvas, x + 3 - i, y + i, x + 3 - i, y + i + length);
        break;
      case kArrowRight:
        Line(canvas, x + i, y + i, x + i, y + i + length);
        break;
      case kArrowUp:
        Line(canvas, x + i, y + 3 - i, x + i + length, y + 3 - i);
        break;
      default:
        Line(canvas, x + i, y + i, x + i + length, y + i);
        break;
    }
  }
}

}  // namespace

void DrawArrow(TCanvas& canvas, int direction, const TRect& rect, TColor color, bool enabled) {
  PenKeeper keeper(canvas);
  const bool sideways = direction == kArrowLeft || direction == kArrowRight;
  const int box_width = sideways ? 4 : 7;
  const int box_height = sideways ? 7 : 4;
  if (rect.Width() < (sideways ? 3 : 6) || rect.Height() < (sideways ? 6 : 3)) return;
  const TRect box = CenterRect(box_width, rect.Width(), box_height, rect.Height());
  const int shift = enabled ? 0 : 1;
  const int x = rect.Left + box.Left + shift;
  const int y = rect.Top + box.Top + shift;
  canvas.Pen = TPen{enabled ? color : clBtnHighlight, 1, psSolid};
  ArrowLines(canvas, direction, x, y);
  if (enabled) return;
  canvas.Pen.Color = clBtnShadow;
  ArrowLines(canvas, direction, x - 1, y - 1);
}

void DrawTypedText(TCanvas& canvas, const TRect& rect, std::string_view text, unsigned flags,
                   TKxTextDrawType draw_type) {
  const TColor font_color = canvas.Font.Color();
  const auto draw = [&](TPoint shift, TColor color) {
    TRect place = rect;
    place.Offset(shift.X, shift.Y);
    canvas.Font.SetColor(color);
    canvas.DrawText(text, place, flags);
  };
  if (draw_type == tdtShadowed) draw({2, 2}, clBtnShadow);
  if (draw_type == tdtRaised) draw({-1, -1}, clBtnHighlight);
  draw({0, 0}, font_color);
}

void DrawTransparentBitmapEx(TCanvas& canvas, const TBitmap& bitmap, int x, int y,
                             const TRect& source_rect, TColor transparent_color) {
  const TRect source = source_rect.Intersect({0, 0, bitmap.Width(), bitmap.Height()});
  const TColor key = ColorToRGB(transparent_color);
  for (int sy = source.Top; sy < source.Bottom; ++sy) {
    for (int sx = source.Left; sx < source.Right; ++sx) {
      const TColor pixel = bitmap.Pixel(sx, sy);
      if (pixel != key) canvas.SetPixel(x + sx - source_rect.Left, y + sy - source_rect.Top, pixel);
    }
  }
}

TWinControl* FindControlByHandle(const TWinControl& parent, const TWinControl* window) {
  for (int i = 0; i < parent.ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(parent.Controls(i));
    if (child && child == window) return child;
  }
  return nullptr;
}
