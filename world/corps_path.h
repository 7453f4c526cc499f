#pragma once
// A corps' path: the nine entries its moves of the turn follow, and the
// directions it has marched so far.
#include "world/force_records.h"

// A path entry: 1..6 a direction, kHoldEntry "choose locally", 0 no move.
inline constexpr int kHoldEntry = 7;
inline constexpr int kPathLength = 9;

// Writes RouteSteps 1, 2, ... into the path from entry firstStep to entry 9.
void LayRouteOnPath(TCorps& corps, int firstStep);
// Empties all nine path entries.
void ClearPath(TCorps& corps);
// Forgets the directions the corps has marched this turn.
void ClearStepsDone(TCorps& corps);
