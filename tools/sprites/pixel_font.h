#pragma once
// Pixel fonts for the numbers on counters: at 11 pixels of height a scalable
// face blurs, and drawn pixels keep every build identical.
#include <string>
#include <string_view>

#include "platform/graphics/canvas.h"

enum class PixelFace {
  kSmall,  // 3 x 5: digits, the Roman letters I, V and X, and '#'
  kRoman,  // 4 x 6: I, V and X for corps ordinals, whose long numerals blur
           // into a lattice of dots in the small face
};

int PixelTextHeight(PixelFace face);
int PixelTextWidth(std::string_view text, PixelFace face = PixelFace::kSmall);
void DrawPixelText(TCanvas& canvas, int x, int y, std::string_view text, TColor colour,
                   PixelFace face = PixelFace::kSmall);
// Centred in rect, also vertically.
void DrawPixelTextCentred(TCanvas& canvas, const TRect& rect, std::string_view text, TColor colour,
                          PixelFace face = PixelFace::kSmall);
std::string RomanNumeral(int number);
