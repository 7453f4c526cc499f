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
    const THexPos hex = queue[head];
    for (int direction = kNorth; direction <= kNorthWest; ++direction) {
      const THexPos next = NeighbourHex(hex.X, hex.Y, direction);
      if (!TMapRecord::OnMap(next.X, next.Y) || distance[Index(next.X, next.Y)] >= 0) continue;
      distance[Index(next.X, next.Y)] = distance[Index(hex.X, hex.Y)] + 1;
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

TEST(HexGrid, DirectionLeansWithTheStartColumnAndTiesGoToTheDiagonal) {
  // From, to, direction.
  const int rows[][5] = {{3, 10, 4, 10, kSouthEast},  {4, 10, 5, 10, kNorthEast},
                         {3, 10, 2, 10, kSouthWest},  {4, 10, 3, 10, kNorthWest},
                         {10, 10, 13, 7, kNorthEast}, {10, 10, 7, 13, kSouthWest},
                         {10, 10, 13, 6, kNorth},     {10, 10, 7, 14, kSouth}};
  for (const auto& [x1, y1, x2, y2, direction] : rows)
    EXPECT_EQ(HexDirection(x1, y1, x2, y2), direction) << x1 << "," << y1 << " " << x2 << "," << y2;
}

TEST(HexGrid, AStepAndItsOppositeComeBackAndNoDirectionStaysPut) {
  for (std::uint16_t x : {5, 6}) {
    for (int direction = kNorth; direction <= kNorthWest; ++direction) {
      std::uint16_t column = x;
      std::uint16_t row = 8;
      StepHexRef(column, row, direction);
      StepHexRef(column, row, OppositeDirection(direction));
      EXPECT_EQ((THexPos{column, row}), (THexPos{x, 8})) << direction;
    }
  }
  HexCursorX = 5;
  HexCursorY = 1;
  StepHex(kNoDirection);
  StepHex(7);
  EXPECT_EQ((THexPos{HexCursorX, HexCursorY}), (THexPos{5, 1}));
  // Off the map unchecked: the caller tests the result.
  StepHex(kNorth);
  EXPECT_EQ((THexPos{HexCursorX, HexCursorY}), (THexPos{5, 0}));
  HexCursorX = 1;
  StepHex(kNorthWest);
  EXPECT_EQ(HexCursorX, 0);
  StepHex(kSouthWest);
  EXPECT_EQ(HexCursorX, 0xffff);
}

TEST(HexGrid, NeighbourHexesListsTheSixInDirectionOrder) {
  NeighbourHexes(76, 54);
  EXPECT_EQ(NeighbourTable[kNorth], (THexPos{76, 53}));
  EXPECT_EQ(NeighbourTable[kNorthEast], (THexPos{77, 54}));
  EXPECT_EQ(NeighbourTable[kSouthEast], (THexPos{77, 55}));
  EXPECT_EQ(NeighbourTable[kSouth], (THexPos{76, 55}));
  EXPECT_EQ(NeighbourTable[kSouthWest], (THexPos{75, 55}));
  EXPECT_EQ(NeighbourTable[kNorthWest], (THexPos{75, 54}));
}

TEST(HexGrid, TestBitReadsOneBitCountedFromTheLowest) {
  EXPECT_EQ(TestBit(0x40, 6), 1);
  EXPECT_EQ(TestBit(0x40, 7), 0);
  EXPECT_EQ(TestBit(0x80000000u, 31), 1);
  EXPECT_EQ(TestBit(0xffffffffu, 32), 0);
}

}  // namespace
