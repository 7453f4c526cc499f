#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

#include "world/map_record.h"

namespace {

class MapRecordTest : public ::testing::Test {
 protected:
  long OffsetOf(int x, int y) const {
    return reinterpret_cast<const std::uint8_t*>(&map.Cell(x, y)) -
           reinterpret_cast<const std::uint8_t*>(&map);
  }

  TMapRecord map{};
};

TEST_F(MapRecordTest, HexesAreStoredColumnByColumn) {
  EXPECT_EQ(OffsetOf(1, 1), 0);
  EXPECT_EQ(OffsetOf(76, 54), 12309);
  for (int x = 1; x <= TMapRecord::Columns; ++x) {
    for (int y = 1; y < TMapRecord::Rows; ++y) EXPECT_EQ(OffsetOf(x, y + 1), OffsetOf(x, y) + 3);
    if (x < TMapRecord::Columns) {
      EXPECT_EQ(OffsetOf(x + 1, 1), OffsetOf(x, 54) + 3);
    }
  }
}

TEST_F(MapRecordTest, OnlyHexesOfTheGridAreOnTheMap) {
  EXPECT_TRUE(TMapRecord::OnMap(1, 1));
  EXPECT_TRUE(TMapRecord::OnMap(76, 54));
  EXPECT_FALSE(TMapRecord::OnMap(0, 5));
  EXPECT_FALSE(TMapRecord::OnMap(77, 5));
  EXPECT_FALSE(TMapRecord::OnMap(5, 0));
  EXPECT_FALSE(TMapRecord::OnMap(5, 55));
  EXPECT_THROW(map.Cell(0, 1), std::out_of_range);
  EXPECT_THROW(map.Cell(77, 1), std::out_of_range);
  EXPECT_THROW(map.Cell(1, 55), std::out_of_range);
}

TEST_F(MapRecordTest, ReadersDecodeEveryFieldOfTheCell) {
  TMapCell& cell = map.Cell(10, 20);
  cell.Bytes[0] = 0b10'11'01'10;  // Flag7, side codes 2 (N), 1 (NE), 3 (SE)
  cell.Bytes[1] = 0b10'11'1'101;  // owner 2, kept bits, link flag, terrain 5
  cell.Bytes[2] = 0x80 | 21;
  EXPECT_EQ(cell.HexSideCode(1), 2);
  EXPECT_EQ(cell.HexSideCode(2), 1);
  EXPECT_EQ(cell.HexSideCode(3), 3);
  EXPECT_FALSE(cell.RouteFlag());
  EXPECT_TRUE(cell.Flag7());
  EXPECT_EQ(cell.Terrain(), 5);
  EXPECT_TRUE(cell.LinkFlag());
  EXPECT_EQ(cell.Owner(), 2);
  EXPECT_EQ(cell.State(), 0x80 | 21);
}

TEST_F(MapRecordTest, OwnerWriteKeepsTerrainLinkFlagAndKeptBits) {
  TMapCell& cell = map.Cell(3, 4);
  cell.Bytes[1] = 0b01'11'1'110;
  cell.SetOwner(2);
  EXPECT_EQ(cell.Bytes[1], 0b10'11'1'110);
  cell.SetOwner(0);
  EXPECT_EQ(cell.Bytes[1], 0b00'11'1'110);
}

TEST_F(MapRecordTest, TerrainWriteKeepsOwnerAndLinkFlag) {
  TMapCell& cell = map.Cell(3, 4);
  cell.Bytes[1] = 0b10'01'1'111;
  cell.SetTerrain(4);
  EXPECT_EQ(cell.Bytes[1], 0b10'01'1'100);
  cell.SetTerrain(0);
  EXPECT_EQ(cell.Bytes[1], 0b10'01'1'000);
}

TEST_F(MapRecordTest, FlagWritesKeepTheOtherBitsOfTheirByte) {
  TMapCell& cell = map.Cell(3, 4);
  cell.Bytes[0] = 0b10'11'10'01;
  cell.Bytes[1] = 0b11'10'0'011;
  cell.SetRouteFlag();
  cell.SetRouteFlag();
  EXPECT_EQ(cell.Bytes[0], 0b11'11'10'01);
  cell.SetLinkFlag();
  EXPECT_EQ(cell.Bytes[1], 0b11'10'1'011);
  cell.ClearLinkFlag();
  EXPECT_EQ(cell.Bytes[1], 0b11'10'0'011);
  cell.SetFlag7(false);
  EXPECT_EQ(cell.Bytes[0], 0b01'11'10'01);
  cell.SetFlag7(true);
  EXPECT_EQ(cell.Bytes[0], 0b11'11'10'01);
  cell.SetHexSideCode(2, 1);
  EXPECT_EQ(cell.Bytes[0], 0b11'11'01'01);
  cell.SetHexSideCode(3, 6);
  EXPECT_EQ(cell.Bytes[0], 0b11'10'01'01) << "a code too wide for its two bits is masked";
}

TEST_F(MapRecordTest, OversizedValuesCannotSpillIntoNeighbouringFields) {
  TMapCell& cell = map.Cell(3, 4);
  cell.Bytes[1] = 0b01'10'0'010;
  cell.SetTerrain(9);
  EXPECT_EQ(cell.Bytes[1], 0b01'10'0'001);
  cell.SetOwner(6);
  EXPECT_EQ(cell.Bytes[1], 0b10'10'0'001);
}

}  // namespace
