#pragma once
// A deterministic face for layout tests: a cell of h rows (ascent h - h/4,
// descent h/4) and h/2 columns; each visible character is a solid block
// filling its cell but for the last column and the top row, down to the
// baseline. Spaces leave no ink; control characters take no room at all.
#include <array>

#include "platform/text/text_face.h"

class TFixedCellFace : public TTextFace {
 public:
  explicit TFixedCellFace(int height);
  const TTextMetric& Metrics() const override { return metrics_; }
  const TGlyph& Glyph(unsigned char c) const override { return glyphs_[c]; }

 private:
  TTextMetric metrics_;
  std::array<TGlyph, 256> glyphs_;
};
