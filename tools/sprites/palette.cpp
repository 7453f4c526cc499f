#include "tools/sprites/palette.h"

#include <algorithm>

TColor NationColour(int nation) {
  constexpr TColor kColours[] = {kUnionBlue, kConfederateGray, kFrenchBlue, kBritishRed};
  return kColours[std::clamp(nation, 1, 4) - 1];
}

// Code 0 is a corps outside any army; 9 appears only on the ninth army's marker.
ArmyColour ArmyColourOf(int code) {
  constexpr ArmyColour kColours[] = {
      {clBlack, false}, {clRed, false},  {clGreen, false},  {clMaroon, false}, {clFuchsia, false},
      {clRed, true},    {clBlue, false}, {clPurple, false}, {clGreen, true},   {clTeal, false},
  };
  return kColours[std::clamp(code, 0, 9)];
}
