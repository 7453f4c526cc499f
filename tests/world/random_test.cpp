#include "world/random.h"

#include <gtest/gtest.h>

namespace {

// seed' = seed * 134775813 + 1 (mod 2^32); draw = (seed' * n) >> 32, worked by hand.
TEST(RandomTest, DrawsFromAKnownSeedFollowTheFormula) {
  SetRandomSeed(0);
  EXPECT_EQ(Random(100), 0);
  EXPECT_EQ(RandomSeed(), 1u);
  EXPECT_EQ(Random(100), 3);
  EXPECT_EQ(Random(1000), 861);
  EXPECT_EQ(RandomSeed(), 3698175007u);
  EXPECT_EQ(Random(0), 0);
}

}  // namespace
