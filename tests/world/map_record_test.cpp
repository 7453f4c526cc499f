#include "world/map_record.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <stdexcept>

namespace {

TEST(MapRecordTest, HexesAreStoredColumnByColumnAndOnlyTheGridIsOnTheMap) {
  TMapRecord map{};
  const auto* start = reinterpret_cast<const std::uint8_t*>(&map);
  for (int x = 1; x <= TMapRecord::Columns; ++x)
    for (int y = 1; y <= TMapRecord::Rows; ++y)
      ASSERT_EQ(reinterpret_cast<const std::uint8_t*>(&map.Cell(x, y)) - start,
                162 * (x - 1) + 3 * (y - 1));
  for (const auto& [x, y] : {std::pair{0, 5}, {77, 5}, {5, 0}, {5, 55}}) {
    EXPECT_FALSE(TMapRecord::OnMap(x, y));
    EXPECT_THROW(map.Cell(x, y), std::out_of_range);
  }
}

// Too wide a value is masked rather than spilling into the next field.
TEST(MapRecordTest, ReadersDecodeEveryFieldAndWritersKeepEveryOtherBit) {
  TMapCell cell{};
  cell.Bytes[0] = 0b10'11'01'10;  // Flag7, side codes 2 (N), 1 (NE), 3 (SE)
  cell.Bytes[1] = 0b10'11'1'101;  // owner 2, kept bits, link flag, terrain 5
  cell.Bytes[2] = 0x80 | 21;
  EXPECT_EQ((std::array{cell.HexSideCode(1), cell.HexSideCode(2), cell.HexSideCode(3)}),
            (std::array{2, 1, 3}));
  EXPECT_FALSE(cell.RouteFlag());
  EXPECT_TRUE(cell.Flag7() && cell.LinkFlag());
  EXPECT_EQ(cell.Terrain(), 5);
  EXPECT_EQ(cell.Owner(), 2);
  // The state byte's flag is no part of the state, for every rule that reads it.
  EXPECT_EQ((std::array{cell.State(), cell.StateByte()}), (std::array{21, 0x80 | 21}));
  cell.SetOwner(6);
  cell.ClearLinkFlag();
  cell.SetTerrain(9);
  EXPECT_EQ(cell.Bytes[1], 0b10'11'0'001);
  cell.SetRouteFlag();
  EXPECT_EQ(cell.Bytes[0], 0b11'11'01'10);
  cell.SetFlag7(false);
  cell.SetHexSideCode(2, 6);
  EXPECT_EQ(cell.Bytes[0], 0b01'11'10'10) << "a side code too wide for its bits is masked";
}

}  // namespace
