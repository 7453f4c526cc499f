#include "platform/text/freetype_face.h"

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_TRUETYPE_TABLES_H

#include <algorithm>
#include <filesystem>
#include <memory>
#include <stdexcept>

#include "platform/text/cp1252.h"
#include "platform/text/letter_case.h"

namespace {

constexpr int kDefaultPixelHeight = 11;
// Slant of a synthetic italic: x += 0.2 * y, in 16.16 fixed point.
constexpr FT_Fixed kItalicShear = 0x3333;

FT_Library Library() {
  static FT_Library library = [] {
    FT_Library lib = nullptr;
    if (FT_Init_FreeType(&lib) != 0) throw std::runtime_error("FreeType cannot start");
    return lib;
  }();
  return library;
}

struct FaceCloser {
  void operator()(FT_Face face) const { FT_Done_Face(face); }
};
using FacePtr = std::unique_ptr<std::remove_pointer_t<FT_Face>, FaceCloser>;

bool NameHas(std::string_view name, std::string_view word) {
  return LowerCase(name).find(word) != std::string::npos;
}

enum class Family { kSans, kSerif, kMono };

Family FamilyOf(std::string_view name) {
  if (NameHas(name, "courier") || NameHas(name, "mono") || NameHas(name, "fixedsys")) {
    return Family::kMono;
  }
  if (NameHas(name, "sans")) return Family::kSans;
  if (NameHas(name, "serif") || NameHas(name, "times") || NameHas(name, "roman")) {
    return Family::kSerif;
  }
  return Family::kSans;
}

// A family's files: folder/stem + style suffix + ".ttf", the suffixes
// indexed by bold * 2 + italic.
using StyleSuffixes = std::array<const char*, 4>;
constexpr StyleSuffixes kLiberationStyles = {"-Regular", "-Italic", "-Bold", "-BoldItalic"};
constexpr StyleSuffixes kDejaVuSerifStyles = {"", "-Italic", "-Bold", "-BoldItalic"};
constexpr StyleSuffixes kDejaVuSansStyles = {"", "-Oblique", "-Bold", "-BoldOblique"};

struct Typeface {
  const char* folder;
  const char* stem;
  StyleSuffixes styles;

  std::string File(int style_index) const {
    return std::string("/usr/share/fonts/truetype/") + folder + "/" + stem +
           styles[static_cast<std::size_t>(style_index)] + ".ttf";
  }
};

// Liberation first (either packaging of it), DejaVu as the fall-back.
std::array<Typeface, 3> CandidatesFor(Family family) {
  const char* liberation = family == Family::kSerif  ? "LiberationSerif"
                           : family == Family::kMono ? "LiberationMono"
                                                     : "LiberationSans";
  const Typeface dejavu =
      family == Family::kSerif  ? Typeface{"dejavu", "DejaVuSerif", kDejaVuSerifStyles}
      : family == Family::kMono ? Typeface{"dejavu", "DejaVuSansMono", kDejaVuSansStyles}
                                : Typeface{"dejavu", "DejaVuSans", kDejaVuSansStyles};
  return {{{"liberation2", liberation, kLiberationStyles},
           {"liberation", liberation, kLiberationStyles},
           dejavu}};
}

int Scaled(int units, int ppem, int units_per_em) {
  return (units * ppem + units_per_em / 2) / units_per_em;
}

}  // namespace

// The first family folder that has the regular file wins; within it, the
// closest style file that exists, with what it lacks synthesised.
std::optional<TFontFile> FindFontFile(std::string_view name, TFontStyles style) {
  const bool bold = (style & fsBold) != 0;
  const bool italic = (style & fsItalic) != 0;
  for (const Typeface& face : CandidatesFor(FamilyOf(name))) {
    if (!std::filesystem::exists(face.File(0))) continue;
    for (int drop = 0; drop < 4; ++drop) {
      const bool use_bold = bold && !(drop & 2);
      const bool use_italic = italic && !(drop & 1);
      const std::string path = face.File((use_bold ? 2 : 0) + (use_italic ? 1 : 0));
      if (std::filesystem::exists(path)) {
        return TFontFile{path, bold && !use_bold, italic && !use_italic};
      }
    }
  }
  return std::nullopt;
}

TFreeTypeFace::TFreeTypeFace(const TFontFile& file, int height) {
  FT_Face raw = nullptr;
  if (FT_New_Face(Library(), file.Path.c_str(), 0, &raw) != 0) {
    throw std::runtime_error("cannot read font " + file.Path);
  }
  FacePtr face(raw);
  const int upem = face->units_per_EM;
  const auto* os2 = static_cast<const TT_OS2*>(FT_Get_Sfnt_Table(face.get(), FT_SFNT_OS2));
  const int win_ascent = os2 ? os2->usWinAscent : face->ascender;
  const int win_descent = os2 ? os2->usWinDescent : -face->descender;
  // A negative height is the em size; a positive one the whole cell.
  const int cell_units = win_ascent + win_descent;
  int ppem = height < 0 ? -height : kDefaultPixelHeight;
  if (height > 0) ppem = std::max(1, (height * upem + cell_units / 2) / cell_units);
  FT_Set_Pixel_Sizes(face.get(), 0, static_cast<FT_UInt>(ppem));

  metrics_.Ascent = Scaled(win_ascent, ppem, upem);
  metrics_.Descent = Scaled(win_descent, ppem, upem);
  metrics_.Height = metrics_.Ascent + metrics_.Descent;
  metrics_.InternalLeading = std::max(0, metrics_.Height - ppem);
  metrics_.AveCharWidth = os2 ? Scaled(os2->xAvgCharWidth, ppem, upem) : ppem / 2;
  metrics_.MaxCharWidth = Scaled(static_cast<int>(face->bbox.xMax - face->bbox.xMin), ppem, upem);
  metrics_.UnderlinePosition = std::max(1, Scaled(-face->underline_position, ppem, upem));
  metrics_.UnderlineThickness = std::max(1, Scaled(face->underline_thickness, ppem, upem));
  metrics_.StrikeOutPosition =
      os2 ? Scaled(os2->yStrikeoutPosition, ppem, upem) : metrics_.Ascent / 3;

  // Synthetic bold thickens each stroke by about a twentieth of the em.
  const FT_Pos embolden = file.SyntheticBold ? std::max<FT_Pos>(64, ppem * 64 / 20) : 0;
  FT_Matrix shear{0x10000, file.SyntheticItalic ? kItalicShear : 0, 0, 0x10000};
  for (int c = 0; c < 256; ++c) {
    TGlyph& g = glyphs_[static_cast<std::size_t>(c)];
    const FT_UInt index =
        FT_Get_Char_Index(face.get(), Cp1252ToUnicode(static_cast<unsigned char>(c)));
    if (c < ' ' || index == 0 || FT_Load_Glyph(face.get(), index, FT_LOAD_NO_BITMAP) != 0) {
      continue;
    }
    FT_GlyphSlot slot = face->glyph;
    if (slot->format == FT_GLYPH_FORMAT_OUTLINE) {
      if (embolden) FT_Outline_Embolden(&slot->outline, embolden);
      if (file.SyntheticItalic) FT_Outline_Transform(&slot->outline, &shear);
    }
    g.Advance = static_cast<int>((slot->advance.x + embolden + 32) >> 6);
    if (FT_Render_Glyph(slot, FT_RENDER_MODE_NORMAL) != 0) continue;
    const FT_Bitmap& bitmap = slot->bitmap;
    g.Left = slot->bitmap_left;
    g.Top = slot->bitmap_top;
    g.Width = static_cast<int>(bitmap.width);
    g.Height = static_cast<int>(bitmap.rows);
    g.Coverage.resize(static_cast<std::size_t>(g.Width) * g.Height);
    for (int row = 0; row < g.Height; ++row) {
      const unsigned char* src = bitmap.buffer + static_cast<std::ptrdiff_t>(row) * bitmap.pitch;
      std::copy_n(src, g.Width, g.Coverage.begin() + static_cast<std::ptrdiff_t>(row) * g.Width);
    }
  }
}
