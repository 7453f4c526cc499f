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
  EXPECT_EQ(Random(100), 3);
  EXPECT_EQ(RandomSeed(), 134775814u);
  EXPECT_EQ(Random(1000), 861);
  EXPECT_EQ(RandomSeed(), 3698175007u);
  EXPECT_EQ(Random(0), 0);
}

TEST_F(RandomTest, ScriptedDrawsCheckTheBoundAndLeaveTheStreamUntouched) {
  SetRandomSeed(77);
  const int first = Random(1000);
  SetRandomSeed(77);
  ResetRandomDrawCount();
  ScriptRandomDraws({{6, 5}, {100, 42}});
  EXPECT_EQ(Random(6), 5);
  EXPECT_THROW(Random(99), RandomScriptError);
  EXPECT_EQ(Random(100), 42);
  EXPECT_THROW(Random(2), RandomScriptError);
  EXPECT_EQ(RandomDrawCount(), 4u);
  StopScriptingRandomDraws();
  EXPECT_EQ(Random(1000), first);
}

TEST_F(RandomTest, RandomizeTakesItsSeedFromAGivenSourceUntilTheClockIsRestored) {
  SetRandomizeSource([] { return 42u; });
  Randomize();
  EXPECT_EQ(RandomSeed(), 42u);
  SetRandomizeSource({});
  Randomize();
  Randomize();
  EXPECT_NE(RandomSeed(), 42u) << "the clock seeds again";
}

}  // namespace
