#include "tools/sprites/palette.h"

#include <algorithm>
#include <cmath>

TColor NationColour(int nation) {
  constexpr TColor kColours[] = {kUnionBlue, kConfederateGray, kFrenchBlue, kBritishRed};
  return kColours[std::clamp(nation, 1, 4) - 1];
}

namespace {

constexpr TColor kArmyInk = RGB(38, 32, 28);
constexpr TColor kArmyRed = RGB(176, 44, 34);
constexpr TColor kArmyGreen = RGB(52, 112, 48);
constexpr TColor kArmyMaroon = RGB(110, 44, 34);
constexpr TColor kArmyMauve = RGB(196, 84, 156);
constexpr TColor kArmyBlue = RGB(36, 82, 156);
constexpr TColor kArmyPurple = RGB(100, 44, 112);
constexpr TColor kArmyTeal = RGB(28, 124, 132);

}  // namespace

// Code 0 is a corps outside any army; 9 appears only on the ninth army's marker.
ArmyColour ArmyColourOf(int code) {
  constexpr ArmyColour kColours[] = {
      {kArmyInk, false},   {kArmyRed, false},  {kArmyGreen, false}, {kArmyMaroon, false},
      {kArmyMauve, false}, {kArmyRed, true},   {kArmyBlue, false},  {kArmyPurple, false},
      {kArmyGreen, true},  {kArmyTeal, false},
  };
  return kColours[std::clamp(code, 0, 9)];
}

TColor Blend(TColor a, TColor b, double share_of_b) {
  const auto mix = [&](int x, int y) {
    return static_cast<int>(std::lround(x + (y - x) * share_of_b));
  };
  return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)),
             mix(GetBValue(a), GetBValue(b)));
}
