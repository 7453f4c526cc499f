#include "world/hex_grid.h"

#include <gtest/gtest.h>

#include <vector>

#include "world/map_record.h"
#include "world/vardecl.h"

namespace {

constexpr int kColumns = TMapRecord::Columns;
constexpr int kRows = TMapRecord::Rows;

int Index(int x, int y) {
  return (x - 1) * kRows + (y - 1);
}

// Steps from (x, y) to every map hex, by a breadth-first walk over the neighbours.
std::vector<int> WalkedDistances(int x, int y) {
  std::vector<int> distance(kColumns * kRows, -1);
  std::vector<THexPos> queue{{static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)}};
  distance[Index(x, y)] = 0;
  for (std::size_t head = 0; head < queue.size(); ++head) {
    for (int direction = kNorth; direction <= kNorthWest; ++direction) {
      const THexPos next = NeighbourHex(queue[head].X, queue[head].Y, direction);
      if (!TMapRecord::OnMap(next.X, next.Y) || distance[Index(next.X, next.Y)] >= 0) continue;
      distance[Index(next.X, next.Y)] = distance[Index(queue[head].X, queue[head].Y)] + 1;
      queue.push_back(next);
    }
  }
  return distance;
}

// Every pair of map hexes: the distance is the shortest walk either way, and
// the direction's first step brings the walk one hex nearer.
TEST(HexGrid, DistanceIsTheShortestWalkAndDirectionStepsOneNearer) {
  for (int x1 = 1; x1 <= kColumns; ++x1) {
    for (int y1 = 1; y1 <= kRows; ++y1) {
      const std::vector<int> walked = WalkedDistances(x1, y1);
      for (int x2 = 1; x2 <= kColumns; ++x2) {
        for (int y2 = 1; y2 <= kRows; ++y2) {
          const int distance = HexDistance(x1, y1, x2, y2);
          const int direction = HexDirection(x1, y1, x2, y2);
          const THexPos next = NeighbourHex(x1, y1, direction);
          const bool same = x1 == x2 && y1 == y2;
          if (distance != walked[Index(x2, y2)] || distance != HexDistance(x2, y2, x1, y1) ||
              (same ? direction != kNoDirection
                    : HexDistance(next.X, next.Y, x2, y2) + 1 != distance))
            FAIL() << "(" << x1 << ", " << y1 << ") to (" << x2 << ", " << y2 << "): " << distance
                   << ", walked " << walked[Index(x2, y2)] << ", direction " << direction;
        }
      }
    }
  }
}

// From, to, direction: the start column's lean and a tie between two directions.
TEST(HexGrid, DirectionLeansWithTheStartColumnAndTiesGoToTheDiagonal) {
  const int rows[][5] = {{3, 10, 4, 10, kSouthEast},  {4, 10, 5, 10, kNorthEast},
                         {3, 10, 2, 10, kSouthWest},  {4, 10, 3, 10, kNorthWest},
                         {10, 10, 13, 7, kNorthEast}, {10, 10, 7, 13, kSouthWest},
                         {10, 10, 13, 6, kNorth},     {10, 10, 7, 14, kSouth}};
  for (const auto& [x1, y1, x2, y2, direction] : rows)
    EXPECT_EQ(HexDirection(x1, y1, x2, y2), direction) << x1 << "," << y1 << " " << x2 << "," << y2;
}

// The cursor steps unchecked: off the map is the caller's to test.
TEST(HexGrid, AStepAndItsOppositeComeBackAndTheCursorStepsOffTheMapUnchecked) {
  for (int direction = kNorth; direction <= kNorthWest; ++direction) {
    const THexPos there = NeighbourHex(5, 8, direction);
    EXPECT_EQ(NeighbourHex(there.X, there.Y, OppositeDirection(direction)), (THexPos{5, 8}));
  }
  HexCursorX = 1;
  HexCursorY = 1;
  StepHex(kNoDirection);
  StepHex(kNorthWest);
  EXPECT_EQ(HexCursorX, 0);
  NeighbourHexes(76, 54);
  EXPECT_EQ(NeighbourTable[kSouthEast], (THexPos{77, 55}));
}

}  // namespace
