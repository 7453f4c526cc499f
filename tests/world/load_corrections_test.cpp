#include "world/load_corrections.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/world_fixture.h"
#include "world/vardecl.h"

namespace {

class LoadCorrectionsTest : public WorldTest {
 protected:
  static void PlaceCity(int city, int x, int y) {
    GameState.Cities[city].X = static_cast<std::uint8_t>(x);
    GameState.Cities[city].Y = static_cast<std::uint8_t>(y);
  }
};

TEST_F(LoadCorrectionsTest, TheRecordsAndTheMapAreRepairedOnce) {
  GameState.Cities[83].State = 4;
  GameState.Cities[38].RiverPort = GameState.Cities[60].RiverPort = 1;
  PlaceCity(50, 10, 20);
  PlaceCity(67, 7, 30);  // an odd column
  PlaceCity(55, 8, 30);  // an even one
  MapRecord.Cell(10, 19).Bytes[0] = 0x15;
  MapRecord.Cell(32, 26).Bytes[1] = 8 | 2 | 64;
  MapRecord.Cell(65, 14).Bytes[1] = 0x9B;
  MapRecord.Cell(13, 38).Bytes[1] = 3;

  ApplyLoadCorrections();

  EXPECT_EQ(GameState.Cities[83].State, 21);
  EXPECT_EQ(GameState.Cities[38].RiverPort + GameState.Cities[60].RiverPort, 0);
  EXPECT_EQ(GameState.WeaponTypes[5].FireA, 1);
  EXPECT_EQ(GameState.WeaponTypes[5].FireB, 2);
  EXPECT_TRUE(MapRecord.Cell(26, 19).RouteFlag());
  EXPECT_EQ(MapRecord.Cell(10, 19).Bytes[0], 0x55) << "north of city 50, side codes kept";
  EXPECT_TRUE(MapRecord.Cell(6, 30).RouteFlag()) << "south-west of city 67";
  EXPECT_TRUE(MapRecord.Cell(7, 31).RouteFlag()) << "south-west of city 55";
  EXPECT_EQ(MapRecord.Cell(32, 26).Bytes[1], 2 | 64) << "the link goes, terrain and owner stay";
  EXPECT_TRUE(MapRecord.Cell(32, 27).LinkFlag());
  EXPECT_TRUE(MapRecord.Cell(12, 38).LinkFlag());
  EXPECT_EQ(MapRecord.Cell(13, 38).Bytes[1], 8 | 3);
  EXPECT_EQ(MapRecord.Cell(65, 15).Bytes[1], 0x9B);

  TGameState game;
  std::memcpy(&game, &GameState, sizeof game);
  const TMapRecord map = MapRecord;
  ApplyLoadCorrections();
  EXPECT_EQ(std::memcmp(&game, &GameState, sizeof game), 0) << "repairing twice changes nothing";
  EXPECT_EQ(std::memcmp(&map, &MapRecord, sizeof map), 0);
}

TEST_F(LoadCorrectionsTest, ACityOnTheMapEdgeGetsNoRiverOffTheMap) {
  PlaceCity(50, 10, 1);
  PlaceCity(67, 1, 30);
  PlaceCity(55, 8, 54);

  ASSERT_NO_THROW(ApplyLoadCorrections());

  int rivers = 0;
  for (int x = 1; x <= TMapRecord::Columns; ++x) {
    for (int y = 1; y <= TMapRecord::Rows; ++y) rivers += MapRecord.Cell(x, y).RouteFlag();
  }
  EXPECT_EQ(rivers, 1) << "only the fixed hex (26, 19)";
}

}  // namespace
