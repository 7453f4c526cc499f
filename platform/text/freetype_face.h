#pragma once
// TrueType faces through FreeType, and the choice of font file for a name.
#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "platform/text/text_face.h"

// The file that draws a font name and style. The designs' serif names map to
// Liberation Serif, sans-serif names (and any unknown name) to Liberation
// Sans, fixed-pitch names to Liberation Mono; DejaVu stands in when
// Liberation is missing. A style the family has no file for is synthesised.
struct TFontFile {
  std::string Path;
  bool SyntheticBold = false;
  bool SyntheticItalic = false;
};
std::optional<TFontFile> FindFontFile(std::string_view name, TFontStyles style);

class TFreeTypeFace : public TTextFace {
 public:
  // height as TFont::Height; throws std::runtime_error when the file cannot be read.
  TFreeTypeFace(const TFontFile& file, int height);
  const TTextMetric& Metrics() const override { return metrics_; }
  const TGlyph& Glyph(unsigned char c) const override { return glyphs_[c]; }

 private:
  TTextMetric metrics_;
  std::array<TGlyph, 256> glyphs_;
};
