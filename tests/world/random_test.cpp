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
TEST_F(RandomTest, FirstDrawsFromAKnownSeedFollowTheFormula) {
  SetRandomSeed(0);
  EXPECT_EQ(Random(100), 0);  // seed 1: 100 >> 32
  EXPECT_EQ(RandomSeed(), 1u);
  EXPECT_EQ(Random(100), 3);  // seed 134775814: 13477581400 >> 32
  EXPECT_EQ(RandomSeed(), 134775814u);
  EXPECT_EQ(Random(1000), 861);  // seed 3698175007
  EXPECT_EQ(RandomSeed(), 3698175007u);
}

TEST_F(RandomTest, DrawsStayBelowTheBoundAndCoverIt) {
  SetRandomSeed(12345);
  bool seen[7] = {};
  for (int i = 0; i < 1000; ++i) {
    const int draw = Random(7);
    ASSERT_GE(draw, 0);
    ASSERT_LT(draw, 7);
    seen[draw] = true;
  }
  for (bool each : seen) EXPECT_TRUE(each);
  EXPECT_EQ(Random(0), 0);
}

TEST_F(RandomTest, ScriptedDrawsReturnTheirValuesAndCheckTheBound) {
  ResetRandomDrawCount();
  ScriptRandomDraws({{6, 5}, {100, 42}});
  EXPECT_EQ(Random(6), 5);
  EXPECT_THROW(Random(99), RandomScriptError);
  EXPECT_EQ(ScriptedDrawsLeft(), 1u);
  EXPECT_EQ(Random(100), 42);
  EXPECT_THROW(Random(2), RandomScriptError);
  EXPECT_EQ(RandomDrawCount(), 4u);
}

TEST_F(RandomTest, ScriptingLeavesTheGeneratorsStreamUntouched) {
  SetRandomSeed(77);
  const int first = Random(1000);
  SetRandomSeed(77);
  ScriptRandomDraws({{3, 1}});
  Random(3);
  StopScriptingRandomDraws();
  EXPECT_EQ(Random(1000), first);
}

TEST_F(RandomTest, RandomizeTakesItsSeedFromAGivenSourceUntilTheClockIsRestored) {
  SetRandomizeSource([] { return 42u; });
  Randomize();
  EXPECT_EQ(RandomSeed(), 42u);
  SetRandomizeSource({});
  SetRandomSeed(42);
  Randomize();
  Randomize();
  EXPECT_NE(RandomSeed(), 42u) << "the clock seeds again";
}

}  // namespace
