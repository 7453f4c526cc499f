#pragma once
// The colours of the counters: each nation's field and each army's colour.
#include "platform/graphics/types.h"

constexpr TColor kUnionBlue = RGB(28, 46, 112);
constexpr TColor kConfederateGray = RGB(138, 138, 132);
constexpr TColor kFrenchBlue = RGB(86, 132, 214);
constexpr TColor kBritishRed = RGB(168, 30, 40);
constexpr TColor kParchment = RGB(240, 228, 196);
constexpr TColor kInk = RGB(24, 20, 16);
constexpr TColor kSeaBlue = RGB(64, 104, 156);

TColor NationColour(int nation);

// Army colour codes 1 and 5, and 2 and 8, share a strength-bar colour on the
// map; their counters keep them apart with a striped band for 5 and 8. The
// colours are the inks and dyes of the period, dark enough to stand off the
// map's pale washes and to carry white marks.
struct ArmyColour {
  TColor colour;
  bool striped;
};
ArmyColour ArmyColourOf(int code);

// The colour share_of_b of the way from a to b.
TColor Blend(TColor a, TColor b, double share_of_b);
