#include "world/monthly_income.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "tests/world/economy_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

constexpr int kOffMapState = 5;
constexpr int kCapitalState = 6;

class MonthlyIncomeTest : public EconomyTest<WorldTest> {
 protected:
  void SetUp() override {
    EconomyTest::SetUp();
    GameState.Month = 12;
    GameState.Year = 1862;
  }

  static int Stock(int nation, int weapon) { return Nation(nation).WeaponStock[weapon]; }
};

TEST_F(MonthlyIncomeTest, AWinterMonthPaysIndustryAndBonusByPeopleAtTheLowRate) {
  // France at peace earns a bonus of 1: (20 + 1) x 2 x 10, two sevenths of it.
  TStateRec& state = StateOf(kOffMapState, TNation::France);
  state.Industry = 20;
  state.Population = 1099;

  CollectMonthlyIncome();
  EXPECT_EQ(state.Income, 120);
  EXPECT_EQ(Supplies(TNation::France), 120);
}

TEST_F(MonthlyIncomeTest, TheCampLeadersAdvantageGivesTheBonusUpToSix) {
  GameState.Month = 7;  // summer: rate 6
  Nation(TNation::Confederacy).LeadershipAdvantage = 1;
  Nation(TNation::France).Side = TSide::Confederate;
  Nation(TNation::Union).LeadershipAdvantage = 5;
  TStateRec& french = StateOf(kOffMapState, TNation::France);
  TStateRec& northern = StateOf(kOffMapState + 1, TNation::Union);
  for (TStateRec* state : {&french, &northern}) {
    state->Industry = 10;
    state->Population = 700;
  }

  CollectMonthlyIncome();
  EXPECT_EQ(french.Income, (10 + 2) * 6 * 7 * 2 / 7);
  EXPECT_EQ(northern.Income, (10 + 6) * 6 * 7 * 2 / 7);
}

TEST_F(MonthlyIncomeTest, OnlyConfederateCapitalStatesGrowCottonAndTheOutputIsCutToTenthsFirst) {
  GameState.Month = 4;  // spring: rate 3
  TStateRec& planters = StateOf(kCapitalState, TNation::Confederacy);
  CityIn(kCapitalState, TNation::Confederacy, 0);
  planters.Population = 600;
  planters.Slaves = 400;
  planters.CottonOutput = 70;
  TStateRec& farmers = StateOf(kOffMapState, TNation::Confederacy);
  farmers.Population = 1000;
  farmers.CottonOutput = 7;
  TStateRec& northern = StateOf(kCapitalState + 1, TNation::Union);
  CityIn(kCapitalState + 1, TNation::Union, 0);
  northern.Population = 1000;
  northern.CottonOutput = 7;

  CollectMonthlyIncome();
  EXPECT_EQ(planters.CottonOutput, 7);
  // Slaves count among a capital state's people: 10 hundreds x 7 x 3.
  EXPECT_EQ(Nation(TNation::Confederacy).Cotton[TTheatre::Seaboard], 210);
  EXPECT_EQ(Nation(TNation::Union).Cotton[TTheatre::Seaboard], 0);
}

TEST_F(MonthlyIncomeTest, AFullStockTakesNoIncomeAndANearlyFullOneStopsAtTheWordsLimit) {
  TStateRec& state = StateOf(kOffMapState, TNation::Union);
  state.Industry = 3000;
  state.Population = 10000;  // income 60000 x 2 / 7 = 17142
  Supplies(TNation::Union) = 59999;
  Supplies(TNation::Union, TTheatre::West) = 60000;

  CollectMonthlyIncome();
  EXPECT_EQ(Supplies(TNation::Union), 65535);

  state.Theatre = TTheatre::West;
  CollectMonthlyIncome();
  EXPECT_EQ(Supplies(TNation::Union, TTheatre::West), 60000);
}

TEST_F(MonthlyIncomeTest, AnOccupiedStateEarnsNothingButItsWeaponsAreStillMade) {
  TStateRec& state = StateOf(kCapitalState, TNation::Union);
  state.ControlSide = TSide::Confederate;
  state.Industry = 50;
  state.Population = 5000;
  CityIn(kCapitalState, TNation::Union, 3000).WeaponOutput[TWeapon::Springfields] = 7;

  CollectMonthlyIncome();
  EXPECT_EQ(state.Income, 0);
  EXPECT_EQ(Supplies(TNation::Union), 0);
  EXPECT_EQ(Stock(TNation::Union, TWeapon::Springfields), 7);
}

TEST_F(MonthlyIncomeTest, TheStockGetsTheWholeOutputWhileTheSuppliesPayForWholeUnitsOnly) {
  TStateRec& state = StateOf(kOffMapState, TNation::Union);
  state.WeaponOutput[TWeapon::Springfields] = 10;
  state.WeaponOutput[TWeapon::Sharps] = 4;
  state.WeaponOutput[TWeapon::Shotguns] = 9;
  GameState.WeaponTypes[TWeapon::Springfields].Cost[TNation::Union] = 3;
  GameState.WeaponTypes[TWeapon::Sharps].Cost[TNation::Union] = 5;
  GameState.WeaponTypes[TWeapon::Shotguns].Cost[TNation::Union] = 0;
  Supplies(TNation::Union) = 42;

  CollectMonthlyIncome();
  // 30 pays for the rifles; 12 buys two of the carbines' four; shotguns are free.
  EXPECT_EQ(Supplies(TNation::Union), 2);
  EXPECT_EQ(Stock(TNation::Union, TWeapon::Springfields), 10);
  EXPECT_EQ(Stock(TNation::Union, TWeapon::Sharps), 4);
  EXPECT_EQ(Stock(TNation::Union, TWeapon::Shotguns), 9);
  EXPECT_EQ(state.WeaponOutput[TWeapon::Springfields], 10);  // an off-map state keeps its output
}

TEST_F(MonthlyIncomeTest, ACapitalStateIsRebuiltFromItsOwnNationsCitiesLessTheirOccupiedPart) {
  TStateRec& state = StateOf(kCapitalState, TNation::Union);
  state.Population = 9999;
  state.WeaponOutput[TWeapon::Parrotts] = 50;
  TCity& free_city = CityIn(kCapitalState, TNation::Union, 1000);
  TCity& half_held = CityIn(kCapitalState, TNation::Union, 800);
  TCity& overrun = CityIn(kCapitalState, TNation::Union, 600);
  TCity& lost = CityIn(kCapitalState, TNation::Confederacy, 5000);
  half_held.Occupation = 40;
  overrun.Occupation = 150;
  free_city.WeaponOutput[TWeapon::Springfields] = 3;
  overrun.WeaponOutput[TWeapon::Springfields] = 2;
  lost.WeaponOutput[TWeapon::Springfields] = 11;

  CollectMonthlyIncome();
  EXPECT_EQ(state.Population, 1000 + 480);
  EXPECT_EQ(overrun.Occupation, 100);
  EXPECT_EQ(state.WeaponOutput[TWeapon::Springfields], 5);
  EXPECT_EQ(state.WeaponOutput[TWeapon::Parrotts], 0);
  // The city the enemy took makes nothing for either side.
  EXPECT_EQ(lost.WeaponOutput[TWeapon::Springfields], 0);
  EXPECT_EQ(Stock(TNation::Confederacy, TWeapon::Springfields), 0);
}

TEST_F(MonthlyIncomeTest, EveryNationsCapitalStatesKeepTheirPeopleSoTheSecondMonthStillPays) {
  constexpr int kMonthsIncome = 30 * 2 * 20 * 2 / 7;
  for (int nation : {TNation::Union, TNation::Confederacy}) {
    TStateRec& state = StateOf(kCapitalState + nation, nation);
    state.Industry = 30;
    state.Population = 2000;
    CityIn(kCapitalState + nation, nation, 2000);
  }

  CollectMonthlyIncome();
  CollectMonthlyIncome();
  for (int nation : {TNation::Union, TNation::Confederacy}) {
    EXPECT_EQ(GameState.States[kCapitalState + nation].Population, 2000);
    EXPECT_EQ(GameState.States[kCapitalState + nation].Income, kMonthsIncome);
    EXPECT_EQ(Supplies(nation), 2 * kMonthsIncome);
  }
}

TEST_F(MonthlyIncomeTest, AStateWithoutANationOrTheatreEarnsNothingAndBreaksNothing) {
  TStateRec& stateless = StateOf(kOffMapState, 0);
  TStateRec& lost = StateOf(kOffMapState + 1, TNation::Union);
  lost.Theatre = 0;
  for (TStateRec* state : {&stateless, &lost}) {
    state->Industry = 100;
    state->Population = 1000;
    state->WeaponOutput[TWeapon::Springfields] = 4;
  }

  CollectMonthlyIncome();
  EXPECT_EQ(stateless.Income, 0);
  EXPECT_GT(lost.Income, 0);
  EXPECT_EQ(Supplies(TNation::Union), 0);
  EXPECT_EQ(Stock(TNation::Union, TWeapon::Springfields), 4);
}

}  // namespace
