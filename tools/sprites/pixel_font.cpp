#include "tools/sprites/pixel_font.h"

#include <array>

namespace {

struct Glyph {
  char letter;
  int width;
  std::array<const char*, kGlyphHeight> rows;
};

constexpr Glyph kGlyphs[] = {
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

const Glyph* FindGlyph(char letter) {
  for (const Glyph& glyph : kGlyphs) {
    if (glyph.letter == letter) return &glyph;
  }
  return nullptr;
}

}  // namespace

int PixelTextWidth(std::string_view text) {
  int width = 0;
  for (char letter : text) {
    if (const Glyph* glyph = FindGlyph(letter)) width += glyph->width + 1;
  }
  return width > 0 ? width - 1 : 0;
}

void DrawPixelText(TCanvas& canvas, int x, int y, std::string_view text, TColor colour) {
  for (char letter : text) {
    const Glyph* glyph = FindGlyph(letter);
    if (!glyph) continue;
    for (int row = 0; row < kGlyphHeight; ++row) {
      for (int column = 0; column < glyph->width; ++column) {
        if (glyph->rows[row][column] == '#') canvas.SetPixel(x + column, y + row, colour);
      }
    }
    x += glyph->width + 1;
  }
}

void DrawPixelTextCentred(TCanvas& canvas, const TRect& rect, std::string_view text,
                          TColor colour) {
  DrawPixelText(canvas, rect.Left + (rect.Width() - PixelTextWidth(text) + 1) / 2,
                rect.Top + (rect.Height() - kGlyphHeight + 1) / 2, text, colour);
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
