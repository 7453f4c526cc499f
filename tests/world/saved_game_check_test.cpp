#include "world/saved_game_check.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

class SavedGameCheckTest : public WorldTest {};

TEST_F(SavedGameCheckTest, ABlankGameAndMapPass) {
  EXPECT_EQ(FindIndexOutOfRange(GameState), "");
  EXPECT_EQ(FindIndexOutOfRange(MapRecord), "");
}

TEST_F(SavedGameCheckTest, ABrigadeIsPlacedByItsCorpsOrByItsCity) {
  TBrigade& brigade = GameState.Brigades[40];
  brigade.Location = 100;
  brigade.Status = TBrigadeStatus::InCorps;
  EXPECT_EQ(FindIndexOutOfRange(GameState), "");

  brigade.Status = TBrigadeStatus::InGarrison;
  EXPECT_EQ(FindIndexOutOfRange(GameState), "brigade 40 has Location 100, beyond the last (86)");
}

TEST_F(SavedGameCheckTest, TheFirstFieldOutOfRangeIsNamed) {
  GameState.States[37].Nation = 5;
  GameState.Cities[86].Theatre = 4;
  EXPECT_EQ(FindIndexOutOfRange(GameState), "city 86 has Theatre 4, beyond the last (3)");

  GameState.Cities[86].Theatre = 3;
  EXPECT_EQ(FindIndexOutOfRange(GameState), "state 37 has Nation 5, beyond the last (4)");
}

TEST_F(SavedGameCheckTest, AnUnknownOriginalCampIsLeftToTheLoadRepair) {
  GameState.Cities[1].OriginalSide = 9;
  EXPECT_EQ(FindIndexOutOfRange(GameState), "");
}

TEST_F(SavedGameCheckTest, AHexMarkedInBitSevenStillBelongsToItsState) {
  MapRecord.Cell(10, 10).Bytes[2] = 128 + 37;
  EXPECT_EQ(FindIndexOutOfRange(MapRecord), "");
  MapRecord.Cell(10, 10).SetOwner(3);
  EXPECT_EQ(FindIndexOutOfRange(MapRecord), "hex (10, 10) has owner 3, beyond the last (2)");
}

}  // namespace
