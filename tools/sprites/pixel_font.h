#pragma once
// A 3 x 5 pixel font for the numbers on counters: at 11 pixels of height a
// scalable face blurs, and drawn pixels keep every build identical.
#include <string>
#include <string_view>

#include "platform/graphics/canvas.h"

constexpr int kGlyphHeight = 5;

// Digits, the Roman letters I, V and X, and '#'.
int PixelTextWidth(std::string_view text);
void DrawPixelText(TCanvas& canvas, int x, int y, std::string_view text, TColor colour);
// Centred in rect, also vertically.
void DrawPixelTextCentred(TCanvas& canvas, const TRect& rect, std::string_view text, TColor colour);
std::string RomanNumeral(int number);
