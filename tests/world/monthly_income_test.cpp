#include "world/monthly_income.h"

#include <array>

#include "support/world_fixture.h"
#include "tests/world/economy_fixture.h"

namespace {

constexpr int kOffMapState = 5, kCapitalState = 6, kUnion = TNation::Union;
constexpr int kSouth = TNation::Confederacy;

// June of the blank game.
using MonthlyIncomeTest = EconomyTest<WorldTest>;

// Income is (industry + bonus) x season x hundreds of people, at most 60000,
// two sevenths of it. The season is 3 from March to May, 6 from June to
// November, 2 in winter; the bonus is twice the camp leader's advantage, at
// most 6, and 1 for a nation at peace.
TEST_F(MonthlyIncomeTest, IncomeGrowsWithIndustrySeasonBonusAndPeopleUpToItsCap) {
  using Row = struct { int month, side, advantage, industry, people, income; };
  const Row rows[] = {
      {2, 0, 0, 34, 1000, 200},  {3, 0, 0, 34, 1000, 300},      {5, 0, 0, 34, 1000, 300},
      {6, 0, 0, 34, 1000, 600},  {11, 0, 0, 34, 1000, 600},     {12, 0, 0, 34, 1000, 200},
      {12, 2, 0, 35, 1099, 200}, {12, 2, 2, 31, 1000, 200},     {12, 2, 3, 29, 1000, 200},
      {12, 2, 4, 29, 1000, 200}, {12, 0, 0, 29997, 100, 17141}, {12, 0, 0, 30001, 100, 17142}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    GameState.Month = row.month;
    Nation(TNation::France).Side = row.side;
    Nation(kSouth).LeadershipAdvantage = row.advantage;
    TStateRec& state = StateOf(kOffMapState, TNation::France);
    state.Industry = row.industry;
    state.Population = row.people;
    CollectMonthlyIncome();
    EXPECT_EQ(state.Income, row.income);
    EXPECT_EQ(Supplies(TNation::France), row.income);
  }
}

// A capital state is rebuilt from its own nation's cities: each counts the
// part of its people the enemy does not occupy (an occupation above 100 cut
// to 100); a city another nation holds there counts nothing and its output
// is lost. The capital itself (1000) is never occupied here.
TEST_F(MonthlyIncomeTest, ACapitalStateIsRebuiltFromItsOwnNationsCitiesLessTheirOccupiedPart) {
  using Row = struct { int occupation, people, occupationAfter; };
  const Row rows[] = {{0, 800, 0},  {1, 792, 1},    {40, 480, 40}, {99, 8, 99},
                      {100, 0, 100}, {101, 0, 100}, {150, 0, 100}};
  for (const Row& row : rows) {
    SetUp();
    TStateRec& state = StateOf(kCapitalState, kUnion);
    state.Population = 9999;
    CityIn(kCapitalState, kUnion, 1000);
    TCity& city = CityIn(kCapitalState, kUnion, 800);
    city.Occupation = row.occupation;
    TCity& lost = CityIn(kCapitalState, kSouth, 5000);
    lost.WeaponOutput[TWeapon::Springfields] = 11;
    CollectMonthlyIncome();
    EXPECT_EQ(state.Population, 1000 + row.people) << row.occupation;
    EXPECT_EQ(city.Occupation, row.occupationAfter);
    EXPECT_EQ(lost.WeaponOutput[TWeapon::Springfields] + state.WeaponOutput[TWeapon::Springfields], 0);
  }
}

// Only the Confederacy's capital states grow cotton: hundreds of people (slaves
// included) x (output + bonus) x season, at most 20000. An output above ten is
// cut to tenths first.
TEST_F(MonthlyIncomeTest, OnlyConfederateCapitalStatesGrowCottonUpToItsCap) {
  using Row = struct { int nation, capital, month, people, slaves, output, after, cotton; };
  const Row rows[] = {
      {kSouth, 1, 4, 600, 400, 70, 7, 210},   {kSouth, 1, 4, 600, 400, 10, 10, 300},
      {kSouth, 1, 4, 600, 400, 11, 1, 30},    {kSouth, 0, 4, 1000, 0, 7, 7, 0},
      {kUnion, 1, 4, 1000, 0, 7, 7, 0},       {kSouth, 1, 7, 33300, 0, 10, 10, 19980},
      {kSouth, 1, 7, 33400, 0, 10, 10, 20000}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    GameState.Month = row.month;
    TStateRec& state = StateOf(kCapitalState, row.nation);
    if (row.capital) CityIn(kCapitalState, row.nation, 0);
    state.Population = row.people;
    state.Slaves = row.slaves;
    state.CottonOutput = row.output;
    CollectMonthlyIncome();
    EXPECT_EQ(state.CottonOutput, row.after);
    EXPECT_EQ(Nation(row.nation).Cotton[TTheatre::Seaboard], row.cotton);
  }
}

TEST_F(MonthlyIncomeTest, AFullStockTakesNoIncomeAndANearlyFullOneStopsAtTheWordsLimit) {
  TStateRec& state = StateOf(kOffMapState, kUnion);
  state.Industry = 3000;
  state.Population = 10000;  // income 60000 x 2 / 7 = 17142
  Supplies(kUnion) = 59999;
  Supplies(kUnion, TTheatre::West) = 60000;
  CollectMonthlyIncome();
  EXPECT_EQ(Supplies(kUnion), 65535);
  state.Theatre = TTheatre::West;
  CollectMonthlyIncome();
  EXPECT_EQ(Supplies(kUnion, TTheatre::West), 60000);
}

// Five muskets a month always reach the stock; the supplies pay for as many
// whole muskets as they can, and a weapon that costs nothing is free.
TEST_F(MonthlyIncomeTest, TheWholeOutputIsStockedAndPaidForAsFarAsTheSuppliesGo) {
  using Row = struct { int cost, supplies, left; };
  const Row rows[] = {{10, 50, 0}, {10, 51, 1}, {10, 49, 9}, {10, 9, 9}, {0, 7, 7}};
  for (const Row& row : rows) {
    SetUp();
    GameState.WeaponTypes[TWeapon::Muskets].Cost[kUnion] = row.cost;
    StateOf(kOffMapState, kUnion).WeaponOutput[TWeapon::Muskets] = 5;
    Supplies(kUnion) = row.supplies;
    CollectMonthlyIncome();
    EXPECT_EQ(Supplies(kUnion), row.left) << row.cost << " a musket, " << row.supplies;
    EXPECT_EQ(Nation(kUnion).WeaponStock[TWeapon::Muskets], 5);
  }
}

// A capital state is rebuilt from its own nation's cities after each month, so
// both belligerents' capital states earn the same again the month after.
TEST_F(MonthlyIncomeTest, CapitalStatesOfBothSidesStillEarnInTheirSecondMonth) {
  TStateRec& north = StateOf(kCapitalState, kUnion);
  TStateRec& south = StateOf(kCapitalState + 1, kSouth);
  for (TStateRec* state : {&north, &south}) {
    state->Industry = 34;
    CityIn(state == &north ? kCapitalState : kCapitalState + 1,
           state == &north ? kUnion : kSouth, 1000);
    state->Population = 1000;
  }
  CollectMonthlyIncome();
  const int northFirst = north.Income, southFirst = south.Income;
  CollectMonthlyIncome();
  EXPECT_GT(northFirst, 0);
  EXPECT_GT(southFirst, 0);
  EXPECT_EQ((std::array<int, 2>{north.Income, south.Income}), (std::array{northFirst, southFirst}));
}

}  // namespace
