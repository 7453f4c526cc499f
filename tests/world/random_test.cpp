#include "world/random.h"

#include <gtest/gtest.h>

namespace {

class RandomTest : public ::testing::Test {
 protected:
  void TearDown() override {
    StopScriptingRandomDraws();
    SetRandomizeSource({});
  }
};

// seed' = seed * 134775813 + 1 (mod 2^32); draw = (seed' * n) >> 32, worked by hand.
TEST_F(RandomTest, DrawsFromAKnownSeedFollowTheFormula) {
  SetRandomSeed(0);
  EXPECT_EQ(Random(100), 0);
  EXPECT_EQ(RandomSeed(), 1u);
  EXPECT_EQ(Random(100), 3);
  EXPECT_EQ(Random(1000), 861);
  EXPECT_EQ(RandomSeed(), 3698175007u);
  EXPECT_EQ(Random(0), 0);
}

// A script checks each draw's bound and leaves the seeded stream untouched.
TEST_F(RandomTest, ScriptedDrawsCheckTheBoundAndLeaveTheStreamUntouched) {
  SetRandomizeSource([] { return 77u; });
  Randomize();
  const int first = Random(1000);
  Randomize();
  ScriptRandomDraws({{6, 5}});
  EXPECT_THROW(Random(99), RandomScriptError);
  EXPECT_EQ(Random(6), 5);
  EXPECT_THROW(Random(2), RandomScriptError) << "the script has run out";
  StopScriptingRandomDraws();
  EXPECT_EQ(Random(1000), first);
}

}  // namespace
