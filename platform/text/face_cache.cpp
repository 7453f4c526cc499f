// One face per (name, height, weight and slant), made on first use and kept.
#include <algorithm>
#include <map>
#include <memory>
#include <mutex>
#include <tuple>

#include "platform/text/fixed_cell_face.h"
#include "platform/text/freetype_face.h"
#include "platform/text/text_face.h"

namespace {

using FaceKey = std::tuple<std::string, int, TFontStyles>;

// Faces render all their glyphs up front, so a height beyond any the game
// shows is capped rather than allowed to take memory without bound.
constexpr int kMaxPixelHeight = 256;

std::unique_ptr<TTextFace> MakeFace(const TFont& font) {
  const int height = std::clamp(font.Height(), -kMaxPixelHeight, kMaxPixelHeight);
  const int cell_height = height < 0 ? -height : height;
  if (font.Name() == kFixedCellFontName) return std::make_unique<TFixedCellFace>(cell_height);
  if (std::optional<TFontFile> file = FindFontFile(font.Name(), font.Style())) {
    try {
      return std::make_unique<TFreeTypeFace>(*file, height);
    } catch (const std::runtime_error&) {
      // An unreadable font file falls through to the cell face: text stays
      // measurable and visible rather than stopping the game.
    }
  }
  return std::make_unique<TFixedCellFace>(cell_height);
}

}  // namespace

const TTextFace& FaceFor(const TFont& font) {
  static std::mutex mutex;
  static std::map<FaceKey, std::unique_ptr<TTextFace>> faces;
  const FaceKey key{font.Name(), font.Height(), font.Style() & (fsBold | fsItalic)};
  std::lock_guard lock(mutex);
  std::unique_ptr<TTextFace>& face = faces[key];
  if (!face) face = MakeFace(font);
  return *face;
}

int RunWidth(const TTextFace& face, std::string_view text) {
  int width = 0;
  for (char c : text) width += face.Glyph(static_cast<unsigned char>(c)).Advance;
  return width;
}
