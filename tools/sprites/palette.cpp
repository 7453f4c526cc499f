#include "tools/sprites/palette.h"

TColor NationColour(int nation) {
  switch (nation) {
    case 1:
      return kUnionBlue;
    case 2:
      return kConfederateGray;
    case 3:
      return kFrenchBlue;
    default:
      return kBritishRed;
  }
}

ArmyColour ArmyColourOf(int code) {
  switch (code) {
    case 1:
      return {clRed, false};
    case 2:
      return {clGreen, false};
    case 3:
      return {clMaroon, false};
    case 4:
      return {clFuchsia, false};
    case 5:
      return {clRed, true};
    case 6:
      return {clBlue, false};
    case 7:
      return {clPurple, false};
    case 8:
      return {clGreen, true};
    case 9:
      return {clTeal, false};
    default:
      return {clBlack, false};
  }
}
