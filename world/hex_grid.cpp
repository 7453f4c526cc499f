#include "world/hex_grid.h"

#include "world/vardecl.h"

Table<THexPos, 6> NeighbourTable{};

namespace {

// Column and row change of a step in each direction, by the parity of the column
// stepped from: an odd column's eastern and western neighbours of the same row
// lie half a hex lower, an even column's half a hex higher.
struct HexOffset {
  int dx;
  int dy;
};
constexpr HexOffset kOddColumnStep[7] = {{0, 0}, {0, -1}, {1, -1}, {1, 0},
                                         {0, 1}, {-1, 0}, {-1, -1}};
constexpr HexOffset kEvenColumnStep[7] = {{0, 0}, {0, -1}, {1, 0}, {1, 1},
                                          {0, 1}, {-1, 1}, {-1, 0}};

bool IsOdd(std::uint16_t column) {
  return (column & 1) != 0;
}

std::uint16_t Distance1D(std::uint16_t a, std::uint16_t b) {
  return static_cast<std::uint16_t>(a > b ? a - b : b - a);
}

}  // namespace

THexPos NeighbourHex(std::uint16_t x, std::uint16_t y, int direction) {
  if (direction < kNorth || direction > kNorthWest) return {x, y};
  const HexOffset step = IsOdd(x) ? kOddColumnStep[direction] : kEvenColumnStep[direction];
  return {static_cast<std::uint16_t>(x + step.dx), static_cast<std::uint16_t>(y + step.dy)};
}

void StepHexRef(std::uint16_t& x, std::uint16_t& y, int direction) {
  const THexPos next = NeighbourHex(x, y, direction);
  x = next.X;
  y = next.Y;
}

void StepHex(int direction) {
  std::uint16_t x = HexCursorX;
  std::uint16_t y = HexCursorY;
  StepHexRef(x, y, direction);
  HexCursorX = x;
  HexCursorY = y;
}

void NeighbourHexes(std::uint16_t x, std::uint16_t y) {
  for (int direction = kNorth; direction <= kNorthWest; ++direction)
    NeighbourTable[direction] = NeighbourHex(x, y, direction);
}

std::uint16_t HexDistance(std::uint16_t x1, std::uint16_t y1, std::uint16_t x2, std::uint16_t y2) {
  const int dx = Distance1D(x1, x2);
  const int dy = Distance1D(y1, y2);
  if (dx == 0 || dy == 0) return static_cast<std::uint16_t>(dx + dy);
  // Every step into the next column may also gain half a row; an odd number of
  // column steps gains one row more when the start column leans towards the target.
  int rowsGained = dx / 2;
  const bool leansTowardsTarget = (!IsOdd(x1) && y1 < y2) || (IsOdd(x1) && y2 < y1);
  if (dx % 2 == 1 && leansTowardsTarget) ++rowsGained;
  if (dx > dy && rowsGained > dy) rowsGained = dy;
  return static_cast<std::uint16_t>(dx + dy - rowsGained);
}

int HexDirection(std::uint16_t x1, std::uint16_t y1, std::uint16_t x2, std::uint16_t y2) {
  const int dx = Distance1D(x1, x2);
  const bool east = x2 > x1;
  const bool west = x1 > x2;
  // A hex of the same row in the next column lies higher than an even column.
  const bool north = y1 > y2 || (y1 == y2 && !IsOdd(x1));
  const int dy = Distance1D(y1, y2);
  if (dy > dx) return north ? kNorth : kSouth;
  if (east) return north ? kNorthEast : kSouthEast;
  if (west) return north ? kNorthWest : kSouthWest;
  return kNoDirection;
}

int TestBit(std::uint32_t value, int n) {
  if (n < 0 || n > 31) return 0;
  return static_cast<int>((value >> n) & 1u);
}
