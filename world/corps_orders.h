#pragma once
// The corps' orders for the movement phase, once per turn at the end of the
// orders: paths from destinations, the turn's movement points, rest, holding,
// training, the fate of disordered corps, rail moves and readiness.

void ProcessCorpsOrders();

// Whether the route finder, asked for a route by the given mode, lists steps
// that end on the target.
bool RouteArrives(int fromX, int fromY, int toX, int toY, int maxSteps, int mode, int side,
                  int policy);
