// Text on a canvas: glyphs blended in the font colour over an optional
// brush-coloured cell, with underline, strike-out and "&" prefix marks.
#include <algorithm>

#include "platform/graphics/bitmap.h"
#include "platform/graphics/canvas.h"
#include "platform/text/text_face.h"
#include "platform/text/text_layout.h"

namespace {

TColor Blend(TColor under, TColor ink, int coverage) {
  auto channel = [&](int shift) {
    const int u = static_cast<int>((under >> shift) & 0xFF);
    const int i = static_cast<int>((ink >> shift) & 0xFF);
    return static_cast<TColor>((u * (255 - coverage) + i * coverage + 127) / 255) << shift;
  };
  return channel(0) | channel(8) | channel(16);
}

}  // namespace

// Draws one line whose cell's top-left corner is at `at` (logical).
void TCanvas::DrawTextLine(TPoint at, const TTextLine& line, int tab_stop) {
  const TTextFace& face = FaceFor(Font);
  const TTextMetric& m = face.Metrics();
  const TPoint cell = at + origin_;
  const int baseline = cell.Y + m.Ascent;
  if (Brush.Style == bsSolid) {
    FillDevice(TRect::Bounds(cell.X, cell.Y, line.Width, m.Height), EffectiveBkColor());
  }
  const TColor ink = EffectiveTextColor();
  const std::vector<int> offsets = CharOffsets(face, line.Text, tab_stop);
  for (std::size_t i = 0; i < line.Text.size(); ++i) {
    const TGlyph& g = face.Glyph(static_cast<unsigned char>(line.Text[i]));
    const int left = cell.X + offsets[i] + g.Left;
    const int top = baseline - g.Top;
    for (int row = 0; row < g.Height; ++row) {
      for (int col = 0; col < g.Width; ++col) {
        const int coverage = g.Coverage[static_cast<std::size_t>(row) * g.Width + col];
        if (coverage == 0) continue;
        const int x = left + col;
        const int y = top + row;
        PlotDevice(
            x, y, coverage == 255 ? ink : Blend(target_ ? target_->Pixel(x, y) : 0, ink, coverage));
      }
    }
  }
  auto rule = [&](int x0, int x1, int top_row, int thickness) {
    FillDevice({cell.X + x0, top_row, cell.X + x1, top_row + thickness}, ink);
  };
  const int underline_row = baseline + m.UnderlinePosition - m.UnderlineThickness / 2;
  if (Font.Style() & fsUnderline) rule(0, line.Width, underline_row, m.UnderlineThickness);
  if (Font.Style() & fsStrikeOut) {
    rule(0, line.Width, baseline - m.StrikeOutPosition, m.UnderlineThickness);
  }
  for (std::size_t i = 0; i < line.Underlined.size(); ++i) {
    if (line.Underlined[i]) rule(offsets[i], offsets[i + 1], underline_row, m.UnderlineThickness);
  }
}

void TCanvas::TextOut(int x, int y, std::string_view text) {
  const TTextFace& face = FaceFor(Font);
  const TTextMetric& m = face.Metrics();
  const TTextLine line{std::string(text), {}, RunWidth(face, text)};
  if ((TextAlign & TA_CENTER) == TA_CENTER) {
    x -= line.Width / 2;
  } else if (TextAlign & TA_RIGHT) {
    x -= line.Width;
  }
  if ((TextAlign & TA_BASELINE) == TA_BASELINE) {
    y -= m.Ascent;
  } else if (TextAlign & TA_BOTTOM) {
    y -= m.Height;
  }
  DrawTextLine({x, y}, line, 0);
  Changed();
}

TSize TCanvas::TextExtent(std::string_view text) const {
  const TTextFace& face = FaceFor(Font);
  return {RunWidth(face, text), face.Metrics().Height};
}

TSize TCanvas::TabbedTextExtent(std::string_view text, int tabStop) const {
  const TTextFace& face = FaceFor(Font);
  return {CharOffsets(face, text, tabStop).back(), face.Metrics().Height};
}

TTextMetric TCanvas::TextMetrics() const {
  return FaceFor(Font).Metrics();
}

int TCanvas::DrawText(std::string_view text, TRect& rect, unsigned flags) {
  const TTextFace& face = FaceFor(Font);
  const int line_height = face.Metrics().Height;
  const std::vector<TTextLine> lines = LayoutText(face, text, rect.Width(), flags);
  const int text_height = line_height * static_cast<int>(lines.size());
  if (flags & DT_CALCRECT) {
    int widest = 0;
    for (const TTextLine& line : lines) widest = std::max(widest, line.Width);
    rect.Right = rect.Left + widest;
    rect.Bottom = rect.Top + text_height;
    return text_height;
  }
  int top = rect.Top;
  if (flags & DT_SINGLELINE) {
    if (flags & DT_VCENTER) {
      top = rect.Top + (rect.Height() - line_height) / 2;
    } else if (flags & DT_BOTTOM) {
      top = rect.Bottom - line_height;
    }
  }
  TCanvasStateGuard guard(*this);
  if (!(flags & DT_NOCLIP)) IntersectClipRect(rect);
  int y = top;
  for (const TTextLine& line : lines) {
    int x = rect.Left;
    if (flags & DT_CENTER) {
      x = rect.Left + (rect.Width() - line.Width) / 2;
    } else if (flags & DT_RIGHT) {
      x = rect.Right - line.Width;
    }
    DrawTextLine({x, y}, line, TabStopFor(face, flags));
    y += line_height;
  }
  Changed();
  return top - rect.Top + text_height;
}
