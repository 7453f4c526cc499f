#pragma once
// One movement step of one corps: contacts with the enemy, recovery from
// disorder, reaction and interception, then one hex along its path or, on a
// hold entry, to the best of its own hex and its neighbours.
#include <cstdint>

// Moves the corps one step; 1 when the move is to be shown to the player, 0
// otherwise and whenever it did not move. After a move HexCursorX/HexCursorY
// hold the hex entered.
std::uint8_t MoveCorpsStep(int corps);

// The distance from the city to the nearest active corps of another camp than
// the nation's; 100 when there is none or no such city.
std::uint16_t NearestEnemyCorpsDistance(int city, int nation);
