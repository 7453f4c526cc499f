#pragma once
// The control set's drawing routines: solid fills, 3-D frames and button
// frames, the flat border styles, flat scroll bars, arrows, text with a
// shadow or raised look, gradients, transparent copies, alpha blending and a
// hue-lightness-saturation colour model. They keep no state, and each puts
// back the pen, brush and font colour it changes.
//
// Colours are used as RGB after ColorToRGB, so a system colour follows the
// classic table; FillSolidRect and Draw3DRect take colours as given.
#include <cstdint>
#include <string_view>

#include "platform/graphics/types.h"

class TBitmap;
class TCanvas;
class TWinControl;

enum TKxTextDrawType : std::uint8_t { tdtNormal = 0, tdtShadowed = 1, tdtRaised = 2 };

enum TKxBorderSide : std::uint8_t { ebsLeft = 0, ebsRight = 1, ebsTop = 2, ebsBottom = 3 };
// A set of sides, one bit each: left 1, right 2, top 4, bottom 8.
using TKxBorderSides = std::uint8_t;
constexpr TKxBorderSides SideBit(TKxBorderSide side) {
  return static_cast<TKxBorderSides>(1u << side);
}
constexpr TKxBorderSides kKxAllSides = 15;

enum TKxFlatBorderType : std::uint8_t {
  fbtFlat = 0,
  fbtSunken = 1,
  fbtSunkenInner = 2,
  fbtSunkenOuter = 3,
  fbtRaised = 4,
  fbtRaisedInner = 5,
  fbtRaisedOuter = 6,
  fbtBump = 7,
  fbtBigBump = 8,
  fbtEtched = 9,
  fbtFramed = 10,
  fbtLine = 11,
  fbtLineBorder = 12,
  fbtNone = 13,
  fbtColorLineBorder = 14,
};

enum TKxBkGndType : std::uint8_t {
  bgtTileBitmap = 0,
  bgtStretchBitmap = 1,
  bgtColorFill = 2,
  bgtCenterBitmap = 3,
  bgtHorzGradient = 4,
  bgtVertGradient = 5,
  bgtTopLeftBitmap = 6,
};

inline bool IsGradientType(TKxBkGndType type) {
  return type == bgtHorzGradient || type == bgtVertGradient;
}

// Directions of DrawArrow.
constexpr int kArrowLeft = 0;
constexpr int kArrowUp = 1;
constexpr int kArrowRight = 2;
constexpr int kArrowDown = 3;

// Hit-test codes of a sizing border.
constexpr int HTNOWHERE = 0;
constexpr int HTCLIENT = 1;
constexpr int HTLEFT = 10;
constexpr int HTRIGHT = 11;
constexpr int HTTOP = 12;
constexpr int HTTOPLEFT = 13;
constexpr int HTTOPRIGHT = 14;
constexpr int HTBOTTOM = 15;
constexpr int HTBOTTOMLEFT = 16;
constexpr int HTBOTTOMRIGHT = 17;

// The red, green and blue channels of a colour after ColorToRGB.
int RedOf(TColor color);
int GreenOf(TColor color);
int BlueOf(TColor color);

void FillSolidRect(TCanvas& canvas, const TRect& rect, TColor color);
// A negative cx or cy extends left or up from (x, y).
void FillSolidRectXY(TCanvas& canvas, int x, int y, int cx, int cy, TColor color);
// Top and left edges in top_left, right and bottom in bottom_right, which
// also owns the top-right and bottom-left corner pixels.
void Draw3DRect(TCanvas& canvas, int x, int y, int cx, int cy, TColor top_left,
                TColor bottom_right);
// Two nested 3-D rectangles in system colours (COLOR_* indexes).
void Draw3DBorder(TCanvas& canvas, const TRect& rect, int outer_top_left, int outer_bottom_right,
                  int inner_top_left, int inner_bottom_right);
void DrawButtonFrame(TCanvas& canvas, const TRect& rect, bool deep, bool down);
void DrawButtonFrameColors(TCanvas& canvas, const TRect& rect, TColor outer_top_left,
                           TColor outer_bottom_right, TColor inner_top_left,
                           TColor inner_bottom_right, bool outer_only);
// A button frame whose light and dark shades derive from one colour.
void DrawButtonFrameFromColor(TCanvas& canvas, const TRect& rect, bool deep, bool down,
                              TColor color, bool outer_only);
void DrawButtonFrameCustom(TCanvas& canvas, const TRect& rect, bool deep, bool down,
                           bool outer_only, TColor highlight, TColor dark_shadow, TColor face,
                           TColor shadow);

// One ring of 1-pixel lines on the chosen sides; returns the rectangle
// inside it.
TRect DrawBorderLines(TCanvas& canvas, const TRect& rect, TColor top_left, TColor bottom_right,
                      TKxBorderSides sides);
void DrawFlatFrame(TCanvas& canvas, const TRect& rect, TColor color, bool deep);
// Returns the rectangle inside the frame's two rings.
TRect DrawFlatFrameSides(TCanvas& canvas, const TRect& rect, TColor color, TKxBorderSides sides,
                         bool deep);
void DrawBorder(TCanvas& canvas, const TRect& rect, TColor line_border_color, TColor bk_color,
                TKxBorderSides sides, TKxFlatBorderType border_type);

// The scroll state of one bar.
struct TKxScrollInfo {
  int Min = 0;
  int Max = 0;
  int Page = 0;
  int Pos = 0;
  int TrackPos = 0;
};

// What the flat scroll-bar painter reads of a window: which bars and
// borders its style gives it, its client size and its bars' state.
struct TKxScrollBarWindow {
  bool HasHorzBar = false;
  bool HasVertBar = false;
  bool HasBorder = false;
  bool HasClientEdge = false;
  bool Enabled = true;
  TSize ClientSize;
  TKxScrollInfo Horz;
  TKxScrollInfo Vert;
  TKxScrollInfo Control;  // a scroll-bar control's own bar
};

constexpr int kKxHorzBar = 1;
constexpr int kKxVertBar = 2;

// Paints a window's scroll bars flat. `rect` is the window's rectangle in
// its own coordinates; `bars` holds kKxHorzBar and kKxVertBar.
void DrawFlatScrollBars(const TKxScrollBarWindow& window, TCanvas& canvas, const TRect& rect,
                        int bars, bool deep, bool horz_tracking, bool vert_tracking,
                        bool control_bar);

// The sizing hit-test code of a point on a window with a border band of
// `band_width` pixels and corners of `corner_size`.
int BorderHitTest(const TRect& rect, TPoint point, int corner_size, int band_width);

void DrawArrow(TCanvas& canvas, int direction, const TRect& rect, TColor color, bool enabled);
void DrawTypedText(TCanvas& canvas, const TRect& rect, std::string_view text, unsigned flags,
                   TKxTextDrawType draw_type);
// Copies `source_rect` of a bitmap to (x, y), leaving out the pixels of the
// transparent colour.
void DrawTransparentBitmapEx(TCanvas& canvas, const TBitmap& bitmap, int x, int y,
                             const TRect& source_rect, TColor transparent_color);

// Bands of colour from start_color to end_color across the rectangle's width
// (or its height when vertical).
void GradientFill(TCanvas& canvas, const TRect& rect, TColor start_color, TColor end_color,
                  int steps, bool vertical);
// The part of a gradient over `rect` that lies under clip_rect + offset,
// drawn shifted back by -offset: a control paints the piece of its form's
// gradient that lies under it.
void GradientFillClipped(TCanvas& canvas, const TRect& clip_rect, const TRect& rect, TPoint offset,
                         TColor start_color, TColor end_color, int steps, bool vertical);
// Blends `color` over every pixel of the rectangle; alpha 0..255.
void AlphaFillRect(TCanvas& canvas, const TRect& rect, TColor color, int alpha);

// The colour model on the scale 0..252: a packed HLS value has the hue in
// the low byte, the lightness in the second and the saturation in the third.
TColor RGBToHLS(TColor rgb);
TColor HLSToRGB(TColor hls);
int HueToRGB(int m1, int m2, int hue);
constexpr TColor PackHLS(int hue, int lightness, int saturation) {
  return RGB(hue, lightness, saturation);
}

// The windowed child of `parent` that is `window`, or nullptr.
TWinControl* FindControlByHandle(const TWinControl& parent, const TWinControl* window);
