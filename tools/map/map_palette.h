#pragma once
// The colours of the map picture: a hand-tinted engraving of the 1860s, paper and pale
// washes, with rivers, railways and borders in ink.
#include "tools/map/raster.h"

namespace palette {

inline constexpr Rgb kSea{186, 208, 206};
inline constexpr Rgb kDeepSea{168, 195, 197};
inline constexpr Rgb kWaterLine{104, 138, 146};
inline constexpr Rgb kCoast{62, 72, 70};
inline constexpr Rgb kPaper{238, 228, 200};
inline constexpr Rgb kOutOfPlay{214, 208, 192};
inline constexpr Rgb kHatch{150, 140, 120};
inline constexpr Rgb kRiver{58, 102, 146};
inline constexpr Rgb kBorder{128, 62, 52};
inline constexpr Rgb kRailway{36, 30, 26};
inline constexpr Rgb kTree{78, 104, 62};
inline constexpr Rgb kForest{56, 84, 48};
inline constexpr Rgb kHill{128, 98, 66};
inline constexpr Rgb kMountain{98, 80, 62};
inline constexpr Rgb kMarsh{70, 104, 100};
inline constexpr Rgb kCityRing{30, 24, 20};
inline constexpr Rgb kCityFill{178, 44, 32};

// The wash of a state: cool tints for the Union, warm ones for the Confederacy, lilac for
// the border states, each group in four tints so that neighbours differ.
Rgb StateWash(int state);

// The stronger tint of the same colour laid along the inside of a state's boundary.
Rgb StateBand(int state);

}  // namespace palette
