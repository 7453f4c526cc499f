#include "world/game_date.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/vardecl.h"

namespace {

class GameDateTest : public WorldTest {
 protected:
  static void SetDate(int day, int month, int year) {
    GameState.Day = static_cast<std::uint8_t>(day);
    GameState.Month = static_cast<std::uint16_t>(month);
    GameState.Year = static_cast<std::uint16_t>(year);
  }
};

TEST_F(GameDateTest, TurnsRunOnTheFirstEleventhAndTwentyFirstIntoTheNewYear) {
  SetDate(1, 12, 1862);
  AdvanceDate();
  EXPECT_EQ(FormatGameDate(), "Dec 11 1862");
  AdvanceDate();
  AdvanceDate();
  EXPECT_EQ(FormatGameDate(), "Jan 1 1863");
}

TEST_F(GameDateTest, DatesReadAsTheWindowShowsThem) {
  SetDate(11, 6, 1862);
  EXPECT_EQ(FormatGameDate(), "June 11 1862");
  SetDate(21, 9, 1863);
  EXPECT_EQ(FormatGameDate(), "Sept 21 1863");
  SetDate(1, 13, 1864);
  EXPECT_EQ(FormatGameDate(), "1 1864") << "a month outside 1..12 has no word";
}

}  // namespace
