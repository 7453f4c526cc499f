#include "world/national_will.h"

#include <gtest/gtest.h>

#include "support/window_fixture.h"
#include "tests/world/economy_fixture.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

constexpr int kUnionOffMapState = 5;
constexpr int kUnionCityState = 6;
constexpr int kUnionUnlistedState = 7;
constexpr int kConfederateCityState = 21;
constexpr int kFrenchCityState = 37;

class NationalWillTest : public EconomyTest<WindowTest> {
 protected:
  void SetUp() override {
    EconomyTest::SetUp();
    GameState.Year = 1862;
    GameState.Month = 3;
    // Every nation calm: enough corps, fit corps, casualties enough to draft.
    for (int n = TNation::Union; n <= TNation::Britain; ++n) {
      TNationRec& nation = Nation(n);
      nation.DraftMonths = -5;
      nation.CorpsCount = 30;
      nation.AiWeight[TTheatre::Seaboard] = 5;
      GameState.Casualties[n] = 1000;
      for (int t = 1; t <= 3; ++t) nation.TheatreCapacity[t] = 70;
    }
  }

  // Too few corps in the east: a crisis that three points of recovery cannot mend.
  static void PutInCrisis(int n) { Nation(n).AiWeight[TTheatre::Seaboard] = 0; }
};

// --- The computer's bounty and draft ---

TEST_F(NationalWillTest, InTheFirstYearAComputerNationMayRaiseItsBountyButNeverDraftsOrHalvesIt) {
  GameState.Year = 1861;
  GameState.Month = 10;
  PutInCrisis(TNation::Union);
  Nation(TNation::Union).Bounty = 8;
  // Short of leadership and of corps, the Confederacy offers 4, then 3 more.
  Nation(TNation::Confederacy).LeadershipAdvantage = 2;
  Nation(TNation::Confederacy).CorpsCount = 9;
  Nation(TNation::Confederacy).Bounty = 2;

  UpdateNationalWill();
  EXPECT_TRUE(window.Notices().empty());
  EXPECT_EQ(Nation(TNation::Union).Bounty, 8);
  EXPECT_EQ(Nation(TNation::Union).DraftMonths, -6);
  EXPECT_EQ(Nation(TNation::Confederacy).Bounty, 7);

  GameState.Month = 8;
  UpdateNationalWill();
  EXPECT_EQ(Nation(TNation::Union).Bounty, 10);
}

TEST_F(NationalWillTest, ACrisisFromTheSecondYearOnDeclaresADraftAndTheStatesMayRiot) {
  GameState.Year = 1863;
  PutInCrisis(TNation::Union);
  Nation(TNation::Union).Bounty = 6;
  Nation(TNation::Union).WarScore = 10;
  TStateRec& rioting = StateOf(kUnionCityState, TNation::Union);
  rioting.Loyalty = 70;
  rioting.Weight = 3;
  StateOf(kUnionUnlistedState, TNation::Union).Loyalty = 70;
  // Two years of war add 60 to the roll: 11 beats a loyalty of 70, 10 does not.
  ScriptRandomDraws({{60, 11}, {60, 10}});

  UpdateNationalWill();
  ASSERT_EQ(window.Notices().size(), 2u);
  EXPECT_EQ(window.Notices()[0].kind, 19);
  EXPECT_EQ(window.Notices()[0].lines[0], "text 211");
  EXPECT_EQ(window.Notices()[1].kind, 0);
  EXPECT_EQ(window.Notices()[1].lines[0], "text 210");
  EXPECT_EQ(window.Notices()[1].lines[1], "State 6");
  EXPECT_EQ(window.CallCount("ShowDraftRiotingReport"), 1);
  EXPECT_EQ(window.Cursor(), WindowCursor::Default);
  EXPECT_EQ(Nation(TNation::Union).WarScore, 4);
  EXPECT_EQ(Nation(TNation::Union).Bounty, 1);
  EXPECT_EQ(Nation(TNation::Union).DraftMonths, 8);
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);
}

TEST_F(NationalWillTest, AForeignPowerAtWarMayDraftButHasNoNoticeToAnnounceIt) {
  TNationRec& france = Nation(TNation::France);
  france.Side = TSide::Confederate;
  france.Bounty = 6;
  // Behind and under strength in every theatre: 1 - 6 = -5, mended to -2.
  for (int t = 1; t <= 3; ++t) {
    france.StrengthBalance[t] = -1;
    france.TheatreCapacity[t] = 69;
  }
  StateOf(kFrenchCityState, TNation::France).Loyalty = 100;
  ScriptRandomDraws({{60, 59}});

  UpdateNationalWill();
  EXPECT_TRUE(window.Notices().empty());
  EXPECT_EQ(france.DraftMonths, 8);
  EXPECT_EQ(france.Bounty, 1);
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);
}

TEST_F(NationalWillTest, AMildCrisisOrFewCasualtiesCallNoDraftAndOnlyACalmNationHalvesItsBounty) {
  // Behind in every theatre and short of corps: 1 - 3 - 2 = -4, mended to -1.
  TNationRec& shaken = Nation(TNation::Union);
  for (int t = 1; t <= 3; ++t) shaken.StrengthBalance[t] = -1;
  shaken.CorpsCount = 19;
  shaken.Bounty = 10;
  PutInCrisis(TNation::Confederacy);
  GameState.Casualties[TNation::Confederacy] = 499;
  Nation(TNation::Confederacy).Bounty = 7;
  Nation(TNation::France).Bounty = 9;

  UpdateNationalWill();
  EXPECT_TRUE(window.Notices().empty());
  EXPECT_EQ(shaken.Bounty, 10);
  EXPECT_EQ(Nation(TNation::Confederacy).Bounty, 3);
  EXPECT_EQ(Nation(TNation::France).Bounty, 4);
}

TEST_F(NationalWillTest, AHumanNationNeverDraftsHereButItsOwnDraftDrawsTwentyLevelsMoreVolunteers) {
  GameState.Year = 1864;
  TNationRec& player = Nation(TNation::Union);
  player.Human = 1;
  PutInCrisis(TNation::Union);
  player.Bounty = 2;
  StateOf(kUnionCityState, TNation::Union);
  TCity& city = CityIn(kUnionCityState, TNation::Union, 4000);
  Supplies(TNation::Union) = 1000;
  ScriptRandomDraws({});  // no riot rolls

  UpdateNationalWill();
  EXPECT_TRUE(window.Notices().empty());
  EXPECT_EQ(player.Bounty, 2);
  EXPECT_EQ(player.DraftMonths, -6);
  EXPECT_EQ(player.MonthRecruits, 2 * 4000 / 400);

  player.DraftMonths = 9;  // declared in the manpower dialog
  UpdateNationalWill();
  // Level 2 + 20 on 3994 people; two men cost a bounty of 2.
  EXPECT_EQ(player.MonthRecruits, 219);
  EXPECT_EQ(GameState.States[kUnionCityState].Manpower, 20 + 219);
  EXPECT_EQ(GameState.States[kUnionCityState].Enlisted, 20 + 219);
  EXPECT_EQ(city.Population, 3994 - 73);
  EXPECT_EQ(Supplies(TNation::Union), 1000 - 20 - 219);
  EXPECT_EQ(player.DraftMonths, 8);
}

// --- Riots ---

TEST_F(NationalWillTest, ANationThatHasBledALittleAcceptsTheDraftWithoutRolling) {
  GameState.Year = 1864;
  Nation(TNation::Union).DraftMonths = 9;
  Nation(TNation::Confederacy).DraftMonths = 9;
  StateOf(kUnionCityState, TNation::Union).Losses = 1000;
  StateOf(kUnionUnlistedState, TNation::Union).Losses = 1000;
  StateOf(kConfederateCityState, TNation::Confederacy).Losses = 4001;
  ScriptRandomDraws({});

  CheckRiots(TNation::Union);
  CheckRiots(TNation::Confederacy);
  EXPECT_TRUE(window.Notices().empty());

  GameState.States[kUnionCityState].Losses = 1001;
  ScriptRandomDraws({{60, 0}, {60, 0}});
  CheckRiots(TNation::Union);
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);
}

TEST_F(NationalWillTest, AConfederateStatesRollIgnoresTheYearAndAWarScoreBelowTheCostFallsToZero) {
  GameState.Year = 1865;
  TNationRec& south = Nation(TNation::Confederacy);
  south.DraftMonths = 3;
  south.WarScore = 5;
  StateOf(kConfederateCityState, TNation::Confederacy).Loyalty = 50;
  TStateRec& restless = StateOf(kConfederateCityState + 1, TNation::Confederacy);
  restless.Loyalty = 50;
  restless.Weight = 3;
  ScriptRandomDraws({{60, 59}, {80, 50}, {60, 0}, {80, 51}});

  CheckRiots(TNation::Confederacy);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines[1], "State 22");
  EXPECT_EQ(south.WarScore, 0);

  south.DraftMonths = 0;
  ScriptRandomDraws({});
  CheckRiots(TNation::Confederacy);
  EXPECT_EQ(window.Notices().size(), 1u);
}

// --- Volunteers ---

TEST_F(NationalWillTest, ACitysVolunteersComeWholeWhenTheTheatreCanPayAndNotAtAllOtherwise) {
  TNationRec& south = Nation(TNation::Confederacy);
  south.Human = 1;
  south.Bounty = 5;
  south.LeadershipAdvantage = 1;
  StateOf(kConfederateCityState, TNation::Confederacy);
  TCity& city = CityIn(kConfederateCityState, TNation::Confederacy, 3000);
  // Level (5 + 5) doubled: 20 x 3000 / 300 = 200 men at 5 for two.
  Supplies(TNation::Confederacy) = 499;

  UpdateNationalWill();
  EXPECT_EQ(south.MonthRecruits, 0);
  EXPECT_EQ(city.Population, 3000);

  Supplies(TNation::Confederacy) = 500;
  UpdateNationalWill();
  EXPECT_EQ(south.MonthRecruits, 200);
  EXPECT_EQ(city.Population, 3000 - 66);
  EXPECT_EQ(Supplies(TNation::Confederacy), 0);
}

TEST_F(NationalWillTest, OnlyListedCapitalStatesAndHeldOffMapStatesSendVolunteers) {
  TNationRec& north = Nation(TNation::Union);
  north.Human = 1;
  north.Bounty = 3;
  north.LeadershipAdvantage = 1;
  Supplies(TNation::Union) = 10000;
  StateOf(kUnionUnlistedState, TNation::Union);
  TCity& unlisted = CityIn(kUnionUnlistedState, TNation::Union, 3000);
  TStateRec& off_map = StateOf(kUnionOffMapState, TNation::Union);
  off_map.Population = 4000;
  TStateRec& overrun = StateOf(kUnionOffMapState - 1, TNation::Union);
  overrun.ControlSide = TSide::Confederate;
  overrun.Population = 4000;

  UpdateNationalWill();
  // Level 3 + 5 = 8: 8 x 4000 / 400 = 80 men at 3 for three.
  EXPECT_EQ(off_map.Manpower, 80);
  EXPECT_EQ(off_map.Population, 4000 - 26);
  EXPECT_EQ(Supplies(TNation::Union), 10000 - 80);
  EXPECT_EQ(unlisted.Population, 3000);
  EXPECT_EQ(overrun.Manpower, 0);
}

TEST_F(NationalWillTest, UnderASlaveryPolicySlavesAreEnlistedEvenWhenNoVolunteerCanBePaid) {
  TNationRec& south = Nation(TNation::Confederacy);
  south.Human = 1;
  south.Bounty = 5;
  south.PolicyStatus = 9;
  TStateRec& state = StateOf(kConfederateCityState, TNation::Confederacy);
  TCity& city = CityIn(kConfederateCityState, TNation::Confederacy, 3000);
  city.Slaves = 1000;
  TStateRec& off_map = StateOf(kUnionOffMapState, TNation::Confederacy);
  off_map.Slaves = 2000;

  UpdateNationalWill();
  // 100 x 9 / 30 = 30 from the city, 60 from the state; a third as many leave the rolls.
  EXPECT_EQ(city.Slaves, 1000 - 10);
  EXPECT_EQ(off_map.Slaves, 2000 - 20);
  EXPECT_EQ(state.Manpower, 30);
  EXPECT_EQ(off_map.Manpower, 60);
  EXPECT_EQ(south.MonthRecruits, 90);
  EXPECT_EQ(city.Population, 3000);
}

TEST_F(NationalWillTest, ANationAtWarDrawsVolunteersAtTheBountyOfItsCampsLeader) {
  TNationRec& france = Nation(TNation::France);
  france.Human = 1;
  france.Side = TSide::Confederate;
  Nation(TNation::Confederacy).Human = 1;
  Nation(TNation::Confederacy).Bounty = 4;
  StateOf(kFrenchCityState, TNation::France);
  TCity& city = CityIn(kFrenchCityState, TNation::France, 3000);

  UpdateNationalWill();
  // Level 4, not doubled: 40 men, paid at France's own bounty of 0.
  EXPECT_EQ(france.MonthRecruits, 40);
  EXPECT_EQ(city.Population, 3000 - 13);
}

}  // namespace
