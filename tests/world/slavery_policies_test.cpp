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

TEST_F(SlaveryPoliciesTest, CombatRolesCostTheConfederacyStandingAbroadAndInItsSlaveStates) {
  Attitude(TNation::Britain) = 30;
  AdoptCombatRoles();
  EXPECT_EQ(Nation(TNation::Confederacy).PolicyStatus, 1);
  EXPECT_EQ(Nation(TNation::Confederacy).WarScore, 250);
  EXPECT_EQ(Attitude(TNation::Britain), 1);
  EXPECT_EQ(Attitude(TNation::France), kUndecided - 25);
  EXPECT_EQ(State(5).Loyalty, 30);
  EXPECT_EQ(State(6).Loyalty, 50);
  EXPECT_EQ(State(7).Loyalty, 50);
  EXPECT_EQ(window.Cursor(), WindowCursor::Default);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].kind, 0);
  EXPECT_EQ(window.Notices()[0].lines[0], Text(201));
  EXPECT_EQ(window.Notices()[0].lines[1], Text(203));
}

TEST_F(SlaveryPoliciesTest, EmancipationWinsTheUnionFriendsAbroadAndUnsettlesItsSlaveStates) {
  Attitude(TNation::Britain) = 100;
  ProclaimEmancipation();
  EXPECT_EQ(Nation(TNation::Union).PolicyStatus, 11);
  EXPECT_EQ(Nation(TNation::Union).WarScore, 350);
  EXPECT_EQ(Attitude(TNation::Britain), 100);
  EXPECT_EQ(Attitude(TNation::France), kUndecided + 15);
  EXPECT_EQ(State(6).Loyalty, 40);
  EXPECT_EQ(State(5).Loyalty, 50);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].kind, 11);
}

TEST_F(SlaveryPoliciesTest, AComputerSideTakesItsPolicyOnlyWhenTheWarScoreCallsForIt) {
  Nation(TNation::Union).WarScore = 500;
  Nation(TNation::Confederacy).WarScore = 300;
  CheckPolicyEvents(TNation::Confederacy);
  EXPECT_EQ(Nation(TNation::Confederacy).PolicyStatus, 0);
  Nation(TNation::Confederacy).WarScore = 299;
  Nation(TNation::Confederacy).Human = 1;
  CheckPolicyEvents(TNation::Confederacy);
  EXPECT_EQ(Nation(TNation::Confederacy).PolicyStatus, 0);
  Nation(TNation::Confederacy).Human = 0;
  CheckPolicyEvents(TNation::Confederacy);
  EXPECT_EQ(Nation(TNation::Confederacy).PolicyStatus, 1);
  Nation(TNation::Union).PolicyStatus = 10;
  CheckUnionPolicy();
  EXPECT_EQ(Nation(TNation::Union).PolicyStatus, 11);
}

}  // namespace
