#pragma once
// The one geometry of the hex map. Columns of odd x sit half a hex higher than
// columns of even x; directions run clockwise from north: 1 N, 2 NE, 3 SE, 4 S,
// 5 SW, 6 NW, 0 none. Everything here is integer arithmetic on 16-bit columns
// and rows and never reads the map: a step off the map gives column or row 0,
// 77 or 55 (or a wrap below 0), and the caller tests the result.
#include <cstdint>

#include "world/table.h"

inline constexpr int kNoDirection = 0;
inline constexpr int kNorth = 1;
inline constexpr int kNorthEast = 2;
inline constexpr int kSouthEast = 3;
inline constexpr int kSouth = 4;
inline constexpr int kSouthWest = 5;
inline constexpr int kNorthWest = 6;

struct THexPos {
  std::uint16_t X;
  std::uint16_t Y;
  friend bool operator==(const THexPos&, const THexPos&) = default;
};

// The hex a record stands on: anything with a column X and a row Y, such as a
// corps, a city or a fleet.
template <typename Placed>
constexpr THexPos HexOf(const Placed& placed) {
  return {placed.X, placed.Y};
}

// The six neighbours of the hex last given to NeighbourHexes, entry d in direction d.
extern Table<THexPos, 6> NeighbourTable;

// The direction back across the side crossed by a step in direction d (1..6).
constexpr int OppositeDirection(int direction) {
  return direction <= 3 ? direction + 3 : direction - 3;
}

// Moves the shared cursor (HexCursorX, HexCursorY) one hex; a direction outside
// 1..6 leaves it where it is.
void StepHex(int direction);

// The same step on a caller's own column and row.
void StepHexRef(std::uint16_t& x, std::uint16_t& y, int direction);

// The neighbour of (x, y) in direction d; (x, y) itself for a direction outside 1..6.
THexPos NeighbourHex(std::uint16_t x, std::uint16_t y, int direction);

inline THexPos Neighbour(THexPos hex, int direction) {
  return NeighbourHex(hex.X, hex.Y, direction);
}

// Fills NeighbourTable with the six neighbours of (x, y) in direction order.
void NeighbourHexes(std::uint16_t x, std::uint16_t y);

// Steps of a shortest walk between the two hexes; 0 for the same hex.
std::uint16_t HexDistance(std::uint16_t x1, std::uint16_t y1, std::uint16_t x2, std::uint16_t y2);

// The same count between two hexes, as the rules add it to their sums.
inline int Distance(THexPos a, THexPos b) {
  return HexDistance(a.X, a.Y, b.X, b.Y);
}

// The first step of a shortest walk from hex 1 towards hex 2; 0 for the same hex.
int HexDirection(std::uint16_t x1, std::uint16_t y1, std::uint16_t x2, std::uint16_t y2);

// 1 when bit n (0..31, from the least significant) of the value is set, else 0.
int TestBit(std::uint32_t value, int n);
