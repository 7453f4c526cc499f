#include "world/slavery_policies.h"

#include <gtest/gtest.h>

#include "tests/world/political_turn_fixture.h"
#include "world/foreign_intervention.h"

namespace {

class SlaveryPoliciesTest : public PoliticsTest {
 protected:
  void SetUp() override {
    PoliticsTest::SetUp();
    MakeState(5, TNation::Confederacy).Slaves = 1000;
    MakeState(6, TNation::Union).Slaves = 1000;
    MakeState(7, TNation::Confederacy);
  }
};

// Combat roles cost the Confederacy 50 of standing, 25 abroad and 20 in its
// slave states; emancipation gains the Union 50 and 15 abroad, and costs its
// slave states 10.
TEST_F(SlaveryPoliciesTest, EachPolicyMovesStandingAbroadAndInTheSlaveStates) {
  Attitude(TNation::Britain) = 30;
  AdoptCombatRoles();
  EXPECT_EQ(Nation(TNation::Confederacy).WarScore, 250);
  EXPECT_EQ(Attitude(TNation::Britain), 1);
  EXPECT_EQ(Attitude(TNation::France), kUndecided - 25);
  EXPECT_EQ(State(5).Loyalty, 30);
  EXPECT_EQ(State(7).Loyalty, 50);
  Attitude(TNation::Britain) = 100;
  Attitude(TNation::France) = 119;
  ProclaimEmancipation();
  EXPECT_EQ(Nation(TNation::Union).WarScore, 350);
  EXPECT_EQ(Attitude(TNation::Britain), 100);
  EXPECT_EQ(Attitude(TNation::France), 119 + 15);
  EXPECT_EQ(State(6).Loyalty, 40);
}

// A computer Confederacy adopts its policy when trailing by more than 200; a
// computer Union proclaims its matured one when leading by more than 75.
TEST_F(SlaveryPoliciesTest, AComputerSideTakesItsPolicyOnlyPastItsWarScoreMark) {
  const struct {
    int nation, own, other, human, before, after;
  } cases[] = {
      {TNation::Confederacy, 300, 500, 0, 0, 0}, {TNation::Confederacy, 299, 500, 0, 0, 1},
      {TNation::Confederacy, 299, 500, 1, 0, 0}, {TNation::Union, 376, 300, 0, 10, 11},
      {TNation::Union, 375, 300, 0, 10, 10},     {TNation::Union, 376, 300, 1, 10, 10},
      {TNation::Union, 376, 300, 0, 9, 9},
  };
  for (const auto& c : cases) {
    const int other = c.nation == TNation::Union ? TNation::Confederacy : TNation::Union;
    Nation(c.nation).WarScore = static_cast<std::int16_t>(c.own);
    Nation(other).WarScore = static_cast<std::int16_t>(c.other);
    Nation(c.nation).Human = static_cast<std::uint8_t>(c.human);
    Nation(c.nation).PolicyStatus = static_cast<std::uint8_t>(c.before);
    CheckPolicyEvents(c.nation);
    EXPECT_EQ(Nation(c.nation).PolicyStatus, c.after) << c.nation << " " << c.own << " " << c.human;
  }
}

}  // namespace
