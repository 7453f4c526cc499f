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

TEST(HexDistance, GivesTheWorkedExamples) {
  EXPECT_EQ(HexDistance(1, 5, 2, 4), 1);
  EXPECT_EQ(HexDistance(2, 5, 3, 6), 1);
  EXPECT_EQ(HexDistance(1, 5, 2, 6), 2);
  EXPECT_EQ(HexDistance(1, 5, 4, 4), 3);
  EXPECT_EQ(HexDistance(1, 5, 3, 4), 2);
  EXPECT_EQ(HexDistance(1, 5, 4, 3), 3);
  EXPECT_EQ(HexDistance(1, 5, 4, 6), 3);
  EXPECT_EQ(HexDistance(1, 5, 4, 7), 4);
}

TEST(HexDistance, EqualsTheShortestWalkBetweenEveryPairOfMapHexes) {
  for (int x1 = 1; x1 <= kColumns; ++x1) {
    for (int y1 = 1; y1 <= kRows; ++y1) {
      const std::vector<int> walked = WalkedDistances(x1, y1);
      for (int x2 = 1; x2 <= kColumns; ++x2) {
        for (int y2 = 1; y2 <= kRows; ++y2) {
          const int distance = HexDistance(x1, y1, x2, y2);
          if (distance != walked[Index(x2, y2)] || distance != HexDistance(x2, y2, x1, y1))
            FAIL() << "(" << x1 << ", " << y1 << ") to (" << x2 << ", " << y2 << "): " << distance
                   << ", walked " << walked[Index(x2, y2)];
        }
      }
    }
  }
}

TEST(HexDirection, OneStepTowardsAnyHexLowersTheDistanceByOne) {
  for (int x1 = 1; x1 <= kColumns; ++x1) {
    for (int y1 = 1; y1 <= kRows; ++y1) {
      for (int x2 = 1; x2 <= kColumns; ++x2) {
        for (int y2 = 1; y2 <= kRows; ++y2) {
          const int direction = HexDirection(x1, y1, x2, y2);
          if (x1 == x2 && y1 == y2) {
            ASSERT_EQ(direction, kNoDirection);
            continue;
          }
          const THexPos next = NeighbourHex(x1, y1, direction);
          if (HexDistance(next.X, next.Y, x2, y2) + 1 != HexDistance(x1, y1, x2, y2))
            FAIL() << "(" << x1 << ", " << y1 << ") to (" << x2 << ", " << y2 << ") steps "
                   << direction;
        }
      }
    }
  }
}

TEST(HexDirection, AlongARowLeansWithTheStartColumn) {
  EXPECT_EQ(HexDirection(3, 10, 4, 10), kSouthEast);
  EXPECT_EQ(HexDirection(4, 10, 5, 10), kNorthEast);
  EXPECT_EQ(HexDirection(3, 10, 2, 10), kSouthWest);
  EXPECT_EQ(HexDirection(4, 10, 3, 10), kNorthWest);
}

TEST(HexDirection, TiesGoToTheDiagonalAndASteeperLineGoesStraight) {
  EXPECT_EQ(HexDirection(10, 10, 13, 7), kNorthEast);
  EXPECT_EQ(HexDirection(10, 10, 7, 13), kSouthWest);
  EXPECT_EQ(HexDirection(10, 10, 13, 6), kNorth);
  EXPECT_EQ(HexDirection(10, 10, 7, 14), kSouth);
}

TEST(StepHex, StepsBackAcrossTheSameSideWithTheOppositeDirection) {
  for (std::uint16_t x : {5, 6}) {
    for (int direction = kNorth; direction <= kNorthWest; ++direction) {
      std::uint16_t column = x;
      std::uint16_t row = 8;
      StepHexRef(column, row, direction);
      StepHexRef(column, row, OppositeDirection(direction));
      EXPECT_EQ((THexPos{column, row}), (THexPos{x, 8})) << direction;
    }
  }
}

TEST(StepHex, IgnoresNoDirectionAndHoldAndLeavesTheMapUnchecked) {
  HexCursorX = 5;
  HexCursorY = 1;
  StepHex(kNoDirection);
  StepHex(7);
  EXPECT_EQ((THexPos{HexCursorX, HexCursorY}), (THexPos{5, 1}));
  StepHex(kNorth);
  EXPECT_EQ((THexPos{HexCursorX, HexCursorY}), (THexPos{5, 0}));
  HexCursorX = 1;
  StepHex(kNorthWest);
  EXPECT_EQ(HexCursorX, 0);
  StepHex(kSouthWest);
  EXPECT_EQ(HexCursorX, 0xffff);
}

TEST(NeighbourHexes, ListsTheSixNeighboursInDirectionOrder) {
  NeighbourHexes(76, 54);
  EXPECT_EQ(NeighbourTable[kNorth], (THexPos{76, 53}));
  EXPECT_EQ(NeighbourTable[kNorthEast], (THexPos{77, 54}));
  EXPECT_EQ(NeighbourTable[kSouthEast], (THexPos{77, 55}));
  EXPECT_EQ(NeighbourTable[kSouth], (THexPos{76, 55}));
  EXPECT_EQ(NeighbourTable[kSouthWest], (THexPos{75, 55}));
  EXPECT_EQ(NeighbourTable[kNorthWest], (THexPos{75, 54}));
}

TEST(TestBit, ReadsOneBitCountedFromTheLowest) {
  EXPECT_EQ(TestBit(0x40, 6), 1);
  EXPECT_EQ(TestBit(0x40, 7), 0);
  EXPECT_EQ(TestBit(0x80000000u, 31), 1);
  EXPECT_EQ(TestBit(0xffffffffu, 32), 0);
}

}  // namespace
