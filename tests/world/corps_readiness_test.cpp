#include "world/corps_readiness.h"

#include <gtest/gtest.h>

#include "tests/world/political_turn_fixture.h"
#include "world/codes.h"
#include "world/random.h"

namespace {

class ReadinessTest : public PoliticsTest {
 protected:
  // A corps marching at the standard pace, away from its destination, with
  // average odds and poor supply priority.
  int AddSteadyCorps(int readiness) {
    const int k = AddCorps(10, 10, TSide::Confederate, TNation::Confederacy);
    Corps(k).March = TMarchMode::Standard;
    Corps(k).DestX = 20;
    Corps(k).SupplyStatus = 2;
    Corps(k).SupplyPriority = 1;
    Corps(k).Posture = 3;
    Corps(k).Readiness = static_cast<std::uint8_t>(readiness);
    return k;
  }
};

TEST_F(ReadinessTest, EachCorpsDrawsForOddsEntrenchmentAndItsCommandersInTurn) {
  const int plain = AddSteadyCorps(10);
  const int led = AddSteadyCorps(10);
  const int leader = AddLeader({.side = TSide::Confederate});
  GameState.Leaders[leader].Inspiration = 50;
  Corps(led).Leader = static_cast<std::uint8_t>(leader);
  Corps(led).Army = static_cast<std::uint8_t>(AddArmy(30, 30, TSide::Confederate, 2));
  GameState.Armies[Corps(led).Army].Leader = static_cast<std::uint8_t>(leader);
  ScriptRandomDraws({{250, 74},
                     {30, 0},
                     {30, 0},  // plain: odds +1
                     {250, 75},
                     {30, 0},
                     {30, 29},
                     {70, 49},
                     {100, 49}});  // led: +3 +2
  UpdateCorpsReadiness();
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  EXPECT_EQ(Corps(plain).Readiness, 11);
  EXPECT_EQ(Corps(led).Readiness, 13);  // +5 cut to +3
}

TEST_F(ReadinessTest, ReadinessFallsAtMostTwoAndStaysWithinItsRange) {
  const int tired = AddSteadyCorps(1);
  Corps(tired).Fatigue = 20;
  Corps(tired).March = TMarchMode::Forced;
  Corps(tired).Posture = 1;
  const int fresh = AddSteadyCorps(25);
  Corps(fresh).Entrenchment = 9;
  ScriptRandomDraws({{250, 0}, {30, 29}, {30, 29}, {250, 0}, {30, 0}, {30, 0}});
  UpdateCorpsReadiness();
  EXPECT_EQ(Corps(tired).Readiness, 0);
  EXPECT_EQ(Corps(fresh).Readiness, 25);
  EXPECT_EQ(Corps(fresh).Entrenchment, 3);
}

TEST_F(ReadinessTest, ACorpsAtSeaNeverLosesReadiness) {
  const int aboard = AddSteadyCorps(10);
  Corps(aboard).Fatigue = 20;
  Corps(aboard).Stance = TCombatStance::Embarked;
  ScriptRandomDraws({{250, 0}, {30, 29}, {30, 29}});
  UpdateCorpsReadiness();
  EXPECT_EQ(Corps(aboard).Readiness, 11);
}

TEST_F(ReadinessTest, ACorpsAtItsDestinationRestsAndASteadyOneShedsDisorder) {
  const int resting = AddSteadyCorps(12);
  Corps(resting).DestX = 10;
  Corps(resting).DestY = 10;
  Corps(resting).Disorder = 2;
  Corps(resting).Posture = 2;
  ScriptRandomDraws({{250, 0}, {30, 0}, {30, 29}});
  UpdateCorpsReadiness();
  EXPECT_EQ(Corps(resting).March, TMarchMode::Cautious);
  EXPECT_EQ(Corps(resting).Disorder, 1);
  EXPECT_EQ(Corps(resting).Readiness, 15);
}

}  // namespace
