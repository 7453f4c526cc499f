#include "world/route_search.h"

#include "world/vardecl.h"

void ClearRouteSteps() {
  for (int step = 1; step <= kRouteStepsListed; ++step) RouteSteps[step] = 0;
}
