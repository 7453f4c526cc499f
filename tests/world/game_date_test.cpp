#include "world/game_date.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/vardecl.h"

namespace {

using GameDateTest = WorldTest;

// Turns fall on the 1st, 11th and 21st; the 21st turns into the next month.
TEST_F(GameDateTest, TurnsRunOnTheFirstEleventhAndTwentyFirstAndReadAsTheWindowShowsThem) {
  const struct {
    int day, month, year;
    const char* next;
  } cases[] = {{1, 12, 1862, "Dec 11 1862"},
               {11, 6, 1862, "June 21 1862"},
               {21, 8, 1863, "Sept 1 1863"},
               {21, 12, 1863, "Jan 1 1864"}};
  for (const auto& c : cases) {
    GameState.Day = static_cast<std::uint8_t>(c.day);
    GameState.Month = static_cast<std::uint16_t>(c.month);
    GameState.Year = static_cast<std::uint16_t>(c.year);
    AdvanceDate();
    EXPECT_EQ(FormatGameDate(), c.next);
  }
  GameState.Month = 13;
  EXPECT_EQ(FormatGameDate(), "1 1864") << "a month outside 1..12 has no word";
}

}  // namespace
