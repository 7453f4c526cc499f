#pragma once
// What the route finder's two searches, the flood and the army route, share:
// the list of steps each leaves in RouteSteps with its outcome in
// RouteReached, and the layout of their work grids over the map.
#include "world/map_record.h"

inline constexpr int kRouteReached = 2;
inline constexpr int kRouteStepsListed = 30;

// Empties RouteSteps.
void ClearRouteSteps();

// The work grid of a search: every map hex with a one-hex border around the
// map, stored column by column, so that the six neighbours of a hex are fixed
// offsets from it (by the parity of its column) and the border stops a walk.
namespace route_grid {
inline constexpr int kStride = TMapRecord::Rows + 2;
inline constexpr int kCells = (TMapRecord::Columns + 2) * kStride;

constexpr int CellIndex(int x, int y) {
  return x * kStride + y;
}
constexpr int ColumnOf(int cell) {
  return cell / kStride;
}
constexpr int RowOf(int cell) {
  return cell % kStride;
}
}  // namespace route_grid
