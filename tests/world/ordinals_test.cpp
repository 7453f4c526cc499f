#include "world/ordinals.h"

#include <gtest/gtest.h>

namespace {

// The teens take "th"; 21, 22 and 102 take the ending of their last digit.
TEST(OrdinalsTest, OrdinalWordsAreCorrectEnglishWithTheirTrailingBlank) {
  const struct {
    int number;
    const char* word;
  } cases[] = {{11, "11th "}, {12, "12th "}, {13, "13th "},
               {21, "21st "}, {22, "22nd "}, {102, "102nd "}};
  for (const auto& c : cases) EXPECT_EQ(OrdinalWord(c.number), c.word);
}

TEST(OrdinalsTest, TheLowestNumberNoOneHoldsIsFree) {
  OrdinalsInUse numbers;
  for (int n : {1, 2, 4, 0, 300}) numbers.Mark(n);
  EXPECT_EQ(numbers.LowestFree(), 3);
  for (int n = 1; n <= 255; ++n) numbers.Mark(n);
  EXPECT_EQ(numbers.LowestFree(), 0);
}

}  // namespace
