#pragma once
// Artillery is kept in points of two guns each, and every view, table and
// notice shows it in guns.
#include "world/force_records.h"

inline constexpr int kGunsPerArtilleryPoint = 2;

// The guns of a corps' batteries.
inline int CorpsGuns(const TCorps& corps) {
  return corps.ArtilleryStrength * kGunsPerArtilleryPoint;
}
