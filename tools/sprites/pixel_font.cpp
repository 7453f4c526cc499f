#include "tools/sprites/pixel_font.h"

#include <array>
#include <span>

namespace {

constexpr int kMostRows = 6;

struct Glyph {
  char letter;
  int width;
  std::array<const char*, kMostRows> rows;
};

constexpr Glyph kSmallGlyphs[] = {
    {'0', 3, {"###", "#.#", "#.#", "#.#", "###"}},
    {'1', 3, {".#.", "##.", ".#.", ".#.", "###"}},
    {'2', 3, {"###", "..#", "###", "#..", "###"}},
    {'3', 3, {"###", "..#", ".##", "..#", "###"}},
    {'4', 3, {"#.#", "#.#", "###", "..#", "..#"}},
    {'5', 3, {"###", "#..", "###", "..#", "###"}},
    {'6', 3, {"###", "#..", "###", "#.#", "###"}},
    {'7', 3, {"###", "..#", ".#.", ".#.", ".#."}},
    {'8', 3, {"###", "#.#", "###", "#.#", "###"}},
    {'9', 3, {"###", "#.#", "###", "..#", "###"}},
    {'I', 1, {"#", "#", "#", "#", "#"}},
    {'V', 3, {"#.#", "#.#", "#.#", "#.#", ".#."}},
    {'X', 3, {"#.#", "#.#", ".#.", "#.#", "#.#"}},
    {'#', 5, {".#.#.", "#####", ".#.#.", "#####", ".#.#."}},
};

// Four columns give X and V solid strokes that a one-pixel gap sets apart, so
// XXVIII and XXXIII still fit the 21 pixels of an ordinal's cell.
constexpr Glyph kRomanGlyphs[] = {
    {'I', 1, {"#", "#", "#", "#", "#", "#"}},
    {'V', 4, {"#..#", "#..#", "#..#", ".##.", ".##.", ".##."}},
    {'X', 4, {"#..#", "#..#", ".##.", ".##.", "#..#", "#..#"}},
};

struct Face {
  int height;
  std::span<const Glyph> glyphs;
};

Face FaceOf(PixelFace face) {
  return face == PixelFace::kRoman ? Face{6, kRomanGlyphs} : Face{5, kSmallGlyphs};
}

const Glyph* FindGlyph(char letter, PixelFace face) {
  for (const Glyph& glyph : FaceOf(face).glyphs) {
    if (glyph.letter == letter) return &glyph;
  }
  return nullptr;
}

}  // namespace

int PixelTextHeight(PixelFace face) {
  return FaceOf(face).height;
}

int PixelTextWidth(std::string_view text, PixelFace face) {
  int width = 0;
  for (char letter : text) {
    if (const Glyph* glyph = FindGlyph(letter, face)) width += glyph->width + 1;
  }
  return width > 0 ? width - 1 : 0;
}

void DrawPixelText(TCanvas& canvas, int x, int y, std::string_view text, TColor colour,
                   PixelFace face) {
  const int height = PixelTextHeight(face);
  for (char letter : text) {
    const Glyph* glyph = FindGlyph(letter, face);
    if (!glyph) continue;
    for (int row = 0; row < height; ++row) {
      for (int column = 0; column < glyph->width; ++column) {
        if (glyph->rows[row][column] == '#') canvas.SetPixel(x + column, y + row, colour);
      }
    }
    x += glyph->width + 1;
  }
}

void DrawPixelTextCentred(TCanvas& canvas, const TRect& rect, std::string_view text, TColor colour,
                          PixelFace face) {
  DrawPixelText(canvas, rect.Left + (rect.Width() - PixelTextWidth(text, face) + 1) / 2,
                rect.Top + (rect.Height() - PixelTextHeight(face) + 1) / 2, text, colour, face);
}

std::string RomanNumeral(int number) {
  struct Step {
    int value;
    const char* letters;
  };
  std::string numeral;
  for (Step step : {Step{10, "X"}, Step{9, "IX"}, Step{5, "V"}, Step{4, "IV"}, Step{1, "I"}}) {
    for (; number >= step.value; number -= step.value) numeral += step.letters;
  }
  return numeral;
}
