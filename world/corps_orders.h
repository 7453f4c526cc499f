#pragma once
// The corps' orders for the movement phase, once per turn at the end of the
// orders: paths from destinations, the turn's movement points, rest, holding,
// training, the fate of disordered corps, rail moves and readiness.

// TCorps.Activity values of the orders pass.
namespace TCorpsActivity {
inline constexpr int Disordered = 1;
inline constexpr int Resting = 2;
inline constexpr int MovedByRail = 3;
inline constexpr int Holding = 5;
inline constexpr int Training = 6;
inline constexpr int Embarked = 7;
}  // namespace TCorpsActivity

void ProcessCorpsOrders();

// Whether the route finder, asked for a route by the given mode, lists steps
// that end on the target.
bool RouteArrives(int fromX, int fromY, int toX, int toY, int maxSteps, int mode, int side,
                  int policy);
