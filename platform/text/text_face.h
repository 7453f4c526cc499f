#pragma once
// A typeface at one pixel size and style: its metrics and the glyph of each
// Windows-1252 byte. Faces are made once per font and kept for the run.
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/text/font.h"
#include "platform/text/text_metric.h"

// A rendered character: coverage 0..255 per pixel, placed relative to the pen
// position on the baseline.
struct TGlyph {
  int Left = 0;  // columns right of the pen position
  int Top = 0;   // rows above the baseline
  int Width = 0;
  int Height = 0;
  int Advance = 0;
  std::vector<std::uint8_t> Coverage;  // Width * Height, row by row
};

class TTextFace {
 public:
  virtual ~TTextFace() = default;
  virtual const TTextMetric& Metrics() const = 0;
  virtual const TGlyph& Glyph(unsigned char c) const = 0;
};

// The font name that selects the fixed-cell face: every character occupies a
// cell of |Height| rows and |Height| / 2 columns, so layouts are exact.
constexpr std::string_view kFixedCellFontName = "Fixed Cell";

// The face that draws a font: the fixed-cell face by name, otherwise the
// TrueType face the name maps to.
const TTextFace& FaceFor(const TFont& font);

// Width of a run of text without tabs.
int RunWidth(const TTextFace& face, std::string_view text);
