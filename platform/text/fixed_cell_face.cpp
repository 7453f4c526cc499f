#include "platform/text/fixed_cell_face.h"

#include <algorithm>

TFixedCellFace::TFixedCellFace(int height) {
  const int h = std::max(4, height);
  const int width = std::max(2, h / 2);
  metrics_.Height = h;
  metrics_.Descent = h / 4;
  metrics_.Ascent = h - metrics_.Descent;
  metrics_.AveCharWidth = width;
  metrics_.MaxCharWidth = width;
  metrics_.UnderlinePosition = 1;
  metrics_.UnderlineThickness = 1;
  metrics_.StrikeOutPosition = metrics_.Ascent / 2;
  for (int c = 0; c < 256; ++c) {
    TGlyph& g = glyphs_[static_cast<std::size_t>(c)];
    if (c < ' ') continue;  // control characters take no room, as in the TrueType faces
    g.Advance = width;
    if (c == ' ' || c == 0x7F || c == 0xA0) continue;
    g.Width = width - 1;
    g.Height = metrics_.Ascent - 1;
    g.Top = g.Height;
    g.Coverage.assign(static_cast<std::size_t>(g.Width) * g.Height, 255);
  }
}
