#include "world/saved_game_check.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

class SavedGameCheckTest : public WorldTest {};

TEST_F(SavedGameCheckTest, ABrigadeIsPlacedByItsCorpsOrByItsCity) {
  TBrigade& brigade = GameState.Brigades[40];
  brigade.Location = 100;
  brigade.Status = TBrigadeStatus::InCorps;
  EXPECT_EQ(FindIndexOutOfRange(GameState), "");

  brigade.Status = TBrigadeStatus::InGarrison;
  EXPECT_EQ(FindIndexOutOfRange(GameState), "brigade 40 has Location 100, beyond the last (86)");
}

TEST_F(SavedGameCheckTest, FreeSlotsAndUnknownOriginalCampsAreNoReasonToRefuseAGame) {
  GameState.Corps[7].Leader = 250;
  GameState.Fleets[9].Corps = 200;
  GameState.Cities[1].OriginalSide = 9;  // repaired on loading
  EXPECT_EQ(FindIndexOutOfRange(GameState), "");
}

TEST_F(SavedGameCheckTest, AHexMarkedInBitSevenStillBelongsToItsState) {
  MapRecord.Cell(10, 10).Bytes[2] = 128 + 37;
  EXPECT_EQ(FindIndexOutOfRange(MapRecord), "");
  MapRecord.Cell(10, 10).SetOwner(3);
  EXPECT_EQ(FindIndexOutOfRange(MapRecord), "hex (10, 10) has owner 3, beyond the last (2)");
}

}  // namespace
