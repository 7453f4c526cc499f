#include "world/dated_news.h"

#include <gtest/gtest.h>

namespace {

// Each text shows from its first day to its last, in its own year only.
TEST(DatedNewsTest, EachNewsTextAppearsOnlyWithinItsDays) {
  const struct {
    int year, month, firstDay, lastDay, text;
  } news[] = {
      {1861, 8, 1, 7, 709},   {1861, 8, 14, 20, 710},  {1861, 10, 1, 6, 711},
      {1861, 11, 1, 7, 712},  {1861, 11, 21, 31, 713}, {1861, 12, 8, 14, 714},
      {1862, 2, 21, 27, 715}, {1862, 7, 1, 7, 716},    {1862, 7, 8, 14, 717},
      {1862, 7, 25, 31, 718}, {1862, 8, 15, 21, 719},  {1863, 4, 24, 31, 720},
      {1863, 9, 1, 7, 721},
  };
  for (const auto& row : news) {
    const auto shows = [&row](int day) {
      return DatedNewsText(row.year, row.month, day) == row.text;
    };
    EXPECT_TRUE(shows(row.firstDay) && shows(row.lastDay)) << row.text;
    EXPECT_FALSE(row.firstDay > 1 && shows(row.firstDay - 1)) << row.text;
    EXPECT_FALSE(row.lastDay < 31 && shows(row.lastDay + 1)) << row.text;
    EXPECT_EQ(DatedNewsText(row.year + 1, row.month, row.firstDay), 0);
  }
}

}  // namespace
