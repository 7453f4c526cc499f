#include "world/ordinals.h"

#include <gtest/gtest.h>

namespace {

TEST(OrdinalsTest, OrdinalWordsAreCorrectEnglishWithTheirTrailingBlank) {
  const struct {
    int number;
    const char* word;
  } cases[] = {{1, "1st "},   {2, "2nd "},   {3, "3rd "},     {4, "4th "},     {11, "11th "},
               {12, "12th "}, {13, "13th "}, {21, "21st "},   {22, "22nd "},   {23, "23rd "},
               {33, "33rd "}, {41, "41st "}, {100, "100th "}, {102, "102nd "}, {111, "111th "}};
  for (const auto& c : cases) EXPECT_EQ(OrdinalWord(c.number), c.word);
}

TEST(OrdinalsTest, TheLowestNumberNoOneHoldsIsFree) {
  OrdinalsInUse numbers;
  EXPECT_EQ(numbers.LowestFree(), 1);
  for (int n : {1, 2, 4, 0, 300}) numbers.Mark(n);
  EXPECT_EQ(numbers.LowestFree(), 3);
  for (int n = 1; n <= 255; ++n) numbers.Mark(n);
  EXPECT_EQ(numbers.LowestFree(), 0);
}

}  // namespace
