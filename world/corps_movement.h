#pragma once
// One movement step of one corps: contacts with the enemy, recovery from
// disorder, reaction and interception, then one hex along its path or, on a
// hold entry, to the best of its own hex and its neighbours.
#include <cstdint>

#include "world/force_records.h"

// A path entry: 1..6 a direction, kHoldEntry "choose locally", 0 no move.
inline constexpr int kHoldEntry = 7;
inline constexpr int kPathLength = 9;

// The corps' stances (TCombatStance) and march modes (TMarchMode).
namespace TCombatStance {
inline constexpr int Withdraw = 0;
inline constexpr int Defend = 1;
inline constexpr int Advance = 2;
inline constexpr int Training = 3;
inline constexpr int Embarked = 4;
inline constexpr int ByRail = 5;
}  // namespace TCombatStance

namespace TMarchMode {
inline constexpr int Cautious = 0;
inline constexpr int Standard = 1;
inline constexpr int Forced = 2;
}  // namespace TMarchMode

namespace TSupplyType {
inline constexpr int Depot = 0;
inline constexpr int Encampment = 1;
inline constexpr int Foraging = 2;
}  // namespace TSupplyType

// TCorps.Activity: what the corps did this turn (0 nothing yet).
namespace TCorpsActivity {
inline constexpr int Disordered = 1;
inline constexpr int Resting = 2;
inline constexpr int MovedByRail = 3;
inline constexpr int Holding = 5;
inline constexpr int Training = 6;
inline constexpr int Embarked = 7;
inline constexpr int Marching = 9;
}  // namespace TCorpsActivity

// Moves the corps one step; 1 when the move is to be shown to the player, 0
// otherwise and whenever it did not move. After a move HexCursorX/HexCursorY
// hold the hex entered.
std::uint8_t MoveCorpsStep(int corps);

// The distance from the city to the nearest active corps of another camp than
// the nation's; 100 when there is none or no such city.
std::uint16_t NearestEnemyCorpsDistance(int city, int nation);

// Writes RouteSteps 1, 2, ... into the path from entry firstStep to entry 9.
void LayRouteOnPath(TCorps& corps, int firstStep);
// Empties all nine path entries.
void ClearPath(TCorps& corps);
// Forgets the directions the corps has marched this turn.
void ClearStepsDone(TCorps& corps);
bool StandsOn(const TCorps& corps, int x, int y);
// Whether an active corps of another camp than `side` stands on the hex.
bool EnemyCorpsOn(int x, int y, int side);
// The state of a map hex (the top bit of its state byte is no part of it); 0
// for none or off the map.
int StateAt(int x, int y);
