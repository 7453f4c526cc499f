#pragma once
// A drawing surface over a TBitmap: pen, brush and font, a translation origin
// and a clip region, and every drawing operation the controls and forms use.
// Several canvases may draw on one bitmap; a form's painter hands each control
// a canvas translated to the control's place and clipped to its bounds.
//
// Text is drawn in the text colour; a solid brush paints the background
// colour behind each character cell, a clear brush leaves what was there.
// A monochrome source copied into colour turns its black pixels into the text
// colour and its white ones into the background colour; colour copied into a
// monochrome bitmap turns white where it has the source's background colour.
// TextColor and BkColor follow Font.Color and Brush.Color while they are
// clDefault; a routine that needs them apart sets them (and restores them).
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "platform/graphics/region.h"
#include "platform/graphics/types.h"
#include "platform/text/draw_text.h"
#include "platform/text/font.h"
#include "platform/text/text_metric.h"

class TBitmap;
struct TTextLine;

enum TPenStyle { psSolid, psClear };
struct TPen {
  TColor Color = clBlack;
  int Width = 1;
  TPenStyle Style = psSolid;
};

enum TBrushStyle { bsSolid, bsClear };
struct TBrush {
  TColor Color = clWhite;
  TBrushStyle Style = bsSolid;
};

// FloodFill: fsBorder fills up to a border of the given colour, fsSurface
// fills the area that has the given colour.
enum TFillStyle { fsBorder, fsSurface };

// Raster operations of the blits: bits 16..23 hold the boolean function of
// pattern (the brush), source and destination, so any ternary code works.
constexpr std::uint32_t SRCCOPY = 0x00CC0020;
constexpr std::uint32_t SRCPAINT = 0x00EE0086;
constexpr std::uint32_t SRCAND = 0x008800C6;
constexpr std::uint32_t SRCINVERT = 0x00660046;
constexpr std::uint32_t PATCOPY = 0x00F00021;
constexpr std::uint32_t DSTINVERT = 0x00550009;
constexpr std::uint32_t DSPDxax = 0x00E20746;

// TextOut's reference point: a horizontal and a vertical choice combined.
constexpr unsigned TA_LEFT = 0;
constexpr unsigned TA_RIGHT = 2;
constexpr unsigned TA_CENTER = 6;
constexpr unsigned TA_TOP = 0;
constexpr unsigned TA_BOTTOM = 8;
constexpr unsigned TA_BASELINE = 24;

class TCanvas {
 public:
  explicit TCanvas(TBitmap* target = nullptr);

  TBitmap* Target() const { return target_; }
  void SetTarget(TBitmap* target);

  TPen Pen;
  TBrush Brush;
  TFont Font;
  TColor TextColor = clDefault;
  TColor BkColor = clDefault;
  std::uint32_t CopyMode = SRCCOPY;  // used by CopyRect
  unsigned TextAlign = TA_LEFT | TA_TOP;

  // The text and background colours in force, as RGB.
  TColor EffectiveTextColor() const;
  TColor EffectiveBkColor() const;

  // Saves pen, brush, font, text and background colours, text alignment, copy
  // mode, pen position, origin and clip region; RestoreState brings back the
  // most recent save.
  void SaveState();
  void RestoreState();

  // Where logical (0, 0) lies on the bitmap; every drawing call is shifted by it.
  TPoint Origin() const { return origin_; }
  void SetOrigin(TPoint origin);

  // The bounding box of the clip region in logical coordinates; without any
  // clipping, the whole bitmap.
  TRect ClipRect() const;
  void IntersectClipRect(const TRect& rect);
  void ExcludeClipRect(const TRect& rect);
  // Drops every clip rectangle: the whole bitmap is drawable again.
  void ResetClip();
  bool PtVisible(TPoint p) const;

  // Pixels outside the bitmap read as clNone; writes there are ignored.
  TColor Pixel(int x, int y) const;
  void SetPixel(int x, int y, TColor color);

  TPoint PenPos() const { return pen_pos_; }
  void MoveTo(int x, int y);
  // Draws from the pen position up to, not including, (x, y).
  void LineTo(int x, int y);
  void Polyline(std::span<const TPoint> points);
  // Filled with the brush, outlined with the pen.
  void Polygon(std::span<const TPoint> points);
  void Rectangle(const TRect& rect);
  void Rectangle(int left, int top, int right, int bottom) {
    Rectangle({left, top, right, bottom});
  }
  void Ellipse(const TRect& rect);
  void FloodFill(int x, int y, TColor color, TFillStyle style);

  void FillRect(const TRect& rect);   // with the brush
  void FrameRect(const TRect& rect);  // one pixel wide, with the brush colour
  void InvertRect(const TRect& rect);
  // A dotted frame drawn by inverting, so a second call removes it.
  void DrawFocusRect(const TRect& rect);

  // Copies a bitmap, leaving out its transparent colour when it is Transparent.
  void Draw(int x, int y, const TBitmap& bitmap);
  void StretchDraw(const TRect& dest, const TBitmap& bitmap);
  // Copies (stretching when the sizes differ) with CopyMode.
  void CopyRect(const TRect& dest, const TCanvas& source, const TRect& sourceRect);
  void BitBlt(int x, int y, int width, int height, const TCanvas& source, int sourceX, int sourceY,
              std::uint32_t rop);
  void StretchBlt(const TRect& dest, const TCanvas& source, const TRect& sourceRect,
                  std::uint32_t rop);
  // A blit without a source (PATCOPY, DSTINVERT, ...).
  void PatBlt(const TRect& rect, std::uint32_t rop);

  // Text is a string of Windows-1252 bytes.
  void TextOut(int x, int y, std::string_view text);
  TSize TextExtent(std::string_view text) const;
  int TextWidth(std::string_view text) const { return TextExtent(text).cx; }
  int TextHeight(std::string_view text) const { return TextExtent(text).cy; }
  // The extent of text whose tabs jump to multiples of tabStop pixels.
  TSize TabbedTextExtent(std::string_view text, int tabStop) const;
  TTextMetric TextMetrics() const;
  // Formats text into rect with DT_* flags and returns the height of the text.
  // With DT_CALCRECT it draws nothing and sets rect's right and bottom instead.
  int DrawText(std::string_view text, TRect& rect, unsigned flags);

 private:
  struct State {
    TPen pen;
    TBrush brush;
    TFont font;
    TColor text_color;
    TColor bk_color;
    std::uint32_t copy_mode;
    unsigned text_align;
    TPoint pen_pos;
    TPoint origin;
    TRegion clip;
  };

  // Device-level work shared by the operations: coordinates here are bitmap
  // pixels, already shifted by the origin, and every write honours the clip.
  void PlotDevice(int x, int y, TColor rgb);
  void FillDevice(const TRect& rect, TColor rgb);
  // A ring `thickness` pixels wide just inside rect.
  void FrameDevice(const TRect& rect, int thickness, TColor rgb);
  void InvertDevice(const TRect& rect);
  TRect ToDevice(const TRect& rect) const;
  void DrawTextLine(TPoint at, const TTextLine& line, int tab_stop);
  void Changed();

  TBitmap* target_;
  TPoint origin_;
  TPoint pen_pos_;
  TRegion clip_ = TRegion::Everywhere();  // in bitmap coordinates
  std::vector<State> saved_;
};

// Saves a canvas's state for the lifetime of the guard.
class TCanvasStateGuard {
 public:
  explicit TCanvasStateGuard(TCanvas& canvas) : canvas_(canvas) { canvas_.SaveState(); }
  ~TCanvasStateGuard() { canvas_.RestoreState(); }
  TCanvasStateGuard(const TCanvasStateGuard&) = delete;
  TCanvasStateGuard& operator=(const TCanvasStateGuard&) = delete;

 private:
  TCanvas& canvas_;
};
