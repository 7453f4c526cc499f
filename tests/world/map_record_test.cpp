#include "world/map_record.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

namespace {

class MapRecordTest : public ::testing::Test {
 protected:
  long OffsetOf(int x, int y) const {
    return reinterpret_cast<const std::uint8_t*>(&map.Cell(x, y)) -
           reinterpret_cast<const std::uint8_t*>(&map);
  }

  TMapRecord map{};
};

TEST_F(MapRecordTest, HexesAreStoredColumnByColumnAndOnlyTheGridIsOnTheMap) {
  for (int x = 1; x <= TMapRecord::Columns; ++x)
    for (int y = 1; y <= TMapRecord::Rows; ++y)
      ASSERT_EQ(OffsetOf(x, y), 162 * (x - 1) + 3 * (y - 1));
  EXPECT_TRUE(TMapRecord::OnMap(1, 1));
  EXPECT_TRUE(TMapRecord::OnMap(76, 54));
  for (const auto& [x, y] : {std::pair{0, 5}, {77, 5}, {5, 0}, {5, 55}}) {
    EXPECT_FALSE(TMapRecord::OnMap(x, y));
    EXPECT_THROW(map.Cell(x, y), std::out_of_range);
  }
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

// Too wide a value is masked rather than spilling into the next field.
TEST_F(MapRecordTest, EachWriterKeepsEveryOtherBitOfItsByte) {
  TMapCell& cell = map.Cell(3, 4);
  cell.Bytes[0] = 0b10'11'10'01;
  cell.Bytes[1] = 0b01'10'0'010;
  cell.SetOwner(2);
  EXPECT_EQ(cell.Bytes[1], 0b10'10'0'010);
  cell.SetOwner(6);
  EXPECT_EQ(cell.Bytes[1], 0b10'10'0'010);
  cell.SetTerrain(4);
  EXPECT_EQ(cell.Bytes[1], 0b10'10'0'100);
  cell.SetTerrain(9);
  EXPECT_EQ(cell.Bytes[1], 0b10'10'0'001);
  cell.SetLinkFlag();
  EXPECT_EQ(cell.Bytes[1], 0b10'10'1'001);
  cell.ClearLinkFlag();
  EXPECT_EQ(cell.Bytes[1], 0b10'10'0'001);
  cell.SetRouteFlag();
  cell.SetRouteFlag();
  EXPECT_EQ(cell.Bytes[0], 0b11'11'10'01);
}

}  // namespace
