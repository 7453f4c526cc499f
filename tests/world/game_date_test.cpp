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
  } cases[] = {{.day = 11, .month = 6, .year = 1862, .next = "June 21 1862"},
               {.day = 21, .month = 8, .year = 1863, .next = "Sept 1 1863"},
               {.day = 21, .month = 12, .year = 1863, .next = "Jan 1 1864"}};
  for (const auto& c : cases) {
    GameState.Day = static_cast<std::uint8_t>(c.day);
    GameState.Month = static_cast<std::uint16_t>(c.month);
    GameState.Year = static_cast<std::uint16_t>(c.year);
    AdvanceDate();
    EXPECT_EQ(FormatGameDate(), c.next);
  }
}

}  // namespace
