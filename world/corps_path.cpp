#include "world/corps_path.h"

#include <algorithm>

#include "world/hex_grid.h"
#include "world/vardecl.h"

void ClearPath(TCorps& corps) {
  for (int s = 1; s <= kPathLength; ++s) corps.Path[s] = kNoDirection;
}

void ClearStepsDone(TCorps& corps) {
  for (int s = 1; s <= kPathLength; ++s) corps.StepDone[s] = kNoDirection;
}

void LayRouteOnPath(TCorps& corps, int firstStep) {
  const int first = std::max(firstStep, 1);
  for (int s = first; s <= kPathLength; ++s) corps.Path[s] = RouteSteps[s - first + 1];
}
