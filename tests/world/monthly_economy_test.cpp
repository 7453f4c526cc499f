// A year of the monthly passes alone, on a small Union and Confederacy: the
// first month is checked figure by figure against sums worked out by hand,
// the rest for staying plausible.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/world_fixture.h"
#include "tests/world/economy_fixture.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/monthly_income.h"
#include "world/national_will.h"
#include "world/vardecl.h"
#include "world/weapon_procurement.h"

namespace {

constexpr int kUnionOffMapState = 5;
constexpr int kUnionState = 6;
constexpr int kConfederateState = 21;

class MonthlyEconomyTest : public EconomyTest<WorldTest> {
 protected:
  void SetUp() override {
    EconomyTest::SetUp();
    GameState.Year = 1861;
    GameState.Month = 6;
    SetProductionCosts();
    for (int n = 1; n <= 4; ++n) GameState.WeaponTypes[TWeapon::Muskets].Cost[n] = 2;

    SetUpNation(TNation::Union, 1, 25, 5000, {60, 20, 10, 10});
    SetUpNation(TNation::Confederacy, 0, 20, 3000, {70, 15, 10, 5});

    TStateRec& off_map = State(kUnionOffMapState, TNation::Union, 50, 3000);
    off_map.WeaponOutput[TWeapon::Muskets] = 10;
    off_map.WeaponOutput[TWeapon::Sharps] = 4;
    State(kUnionState, TNation::Union, 30, 2000);
    TStateRec& southern = State(kConfederateState, TNation::Confederacy, 20, 1000);
    southern.Slaves = 400;
    southern.CottonOutput = 40;

    town_a = City(kUnionState, TNation::Union, 1500, TWeapon::Springfields, 20);
    town_b = City(kUnionState, TNation::Union, 500, TWeapon::Parrotts, 2);
    town_c = City(kConfederateState, TNation::Confederacy, 1000, TWeapon::Smoothbores, 3);
  }

  static void SetUpNation(int n, int leadership, int corps, int supplies,
                          std::array<int, 4> shares) {
    TNationRec& nation = GameState.Nations[n];
    nation.LeadershipAdvantage = leadership;
    nation.Bounty = 4;
    nation.CorpsCount = corps;
    nation.AiWeight[TTheatre::Seaboard] = 6;
    for (int t = 1; t <= 3; ++t) nation.TheatreCapacity[t] = 80;
    nation.Supplies[TTheatre::Seaboard] = supplies;
    for (int k = 1; k <= 4; ++k) nation.ProductionShare[k] = shares[k - 1];
  }

  static TStateRec& State(int s, int nation, int industry, int population) {
    TStateRec& state = StateOf(s, nation);
    state.Industry = industry;
    state.Population = population;
    return state;
  }

  static TCity* City(int s, int nation, int population, int weapon, int output) {
    TCity& city = CityIn(s, nation, population);
    city.WeaponOutput[weapon] = output;
    return &city;
  }

  // The first turn of a month, as the end of the orders runs it.
  static void RunMonth() {
    CollectMonthlyIncome();
    UpdateNationalWill();
    SetProductionCosts();
    ProcureWeapons();
    if (++GameState.Month > 12) {
      GameState.Month = 1;
      ++GameState.Year;
    }
  }

  static const TStateRec& Record(int s) { return GameState.States[s]; }

  static int RaisedBrigades(int nation) {
    int count = 0;
    for (int b = 1; b <= GameState.Brigades.Count; ++b) {
      const TBrigade& brigade = GameState.Brigades[b];
      count += brigade.Status == TBrigadeStatus::RaisedUnarmed && brigade.Nation == nation;
    }
    return count;
  }

  TCity* town_a = nullptr;
  TCity* town_b = nullptr;
  TCity* town_c = nullptr;
};

TEST_F(MonthlyEconomyTest, TheFirstMonthMatchesTheSumsWorkedOutByHand) {
  RunMonth();
  // Union: income 2674 + 1097 on 5000; weapons 20 + 48 + 60 + 140; volunteers
  // 373 + 280 + 90; recruits 132 + 110 + 11 and 84 + 70 + 7; muskets sold for
  // 60 and two carbines' output for 32.
  const TNationRec& north = Nation(TNation::Union);
  const TNationRec& south = Nation(TNation::Confederacy);
  EXPECT_EQ((std::array<int, 9>{
                Record(kUnionOffMapState).Income, Record(kUnionState).Income,
                Supplies(TNation::Union), north.WeaponStock[TWeapon::Muskets],
                north.WeaponStock[TWeapon::Springfields], north.WeaponStock[TWeapon::Sharps],
                north.WeaponStock[TWeapon::Parrotts], north.MonthRecruits, north.BuildPoints}),
            (std::array{2674, 1097, 7438, 10, 20, 4, 2, 112 + 56 + 18, 11 + 7}));
  EXPECT_EQ(
      (std::array<int, 8>{
          north.Bounty, Record(kUnionOffMapState).Population, Record(kUnionOffMapState).Manpower,
          Record(kUnionOffMapState).InfantryPoints,
          Record(kUnionOffMapState).WeaponOutput[TWeapon::Sharps], Record(kUnionState).Manpower,
          Record(kUnionState).CavalryPoints, town_a->Population + town_b->Population}),
      (std::array{10, 2963, 1, 67, 2, 2, 14, 1482 + 494}));
  // Confederacy: income 480 on 3000; guns 135; volunteers 330; recruits
  // 54 + 60 + 3; one gun of the three a month's output sold back for 49.
  EXPECT_EQ((std::array<int, 8>{
                Record(kConfederateState).Income, Supplies(TNation::Confederacy),
                south.Cotton[TTheatre::Seaboard], south.WeaponStock[TWeapon::Smoothbores],
                south.MonthRecruits, Record(kConfederateState).InfantryPoints,
                Record(kConfederateState).Manpower, town_c->WeaponOutput[TWeapon::Smoothbores]}),
            (std::array{480, 2947, 336, 3, 66, 46, 2, 1}));
  EXPECT_EQ(RaisedBrigades(TNation::Union) + RaisedBrigades(TNation::Confederacy), 0);
}

// A year on: every state still earns, no stock wraps, and the recruits keep
// coming into brigades.
TEST_F(MonthlyEconomyTest, AYearOfMonthsKeepsIncomeRecruitsAndStocksPlausible) {
  for (int month = 1; month <= 12; ++month) {
    SCOPED_TRACE("month " + std::to_string(month));
    const int before = Supplies(TNation::Union);
    RunMonth();
    for (int s : {kUnionOffMapState, kUnionState, kConfederateState})
      EXPECT_GT(Record(s).Income, 0);
    // A month's income is a few thousand: a stock that jumped by more wrapped.
    EXPECT_LT(Supplies(TNation::Union), before + 5000);
    EXPECT_GT(Supplies(TNation::Union), 1000);
  }
  EXPECT_GE(RaisedBrigades(TNation::Union), 12);
  EXPECT_GE(RaisedBrigades(TNation::Confederacy), 3);
  EXPECT_GT(Nation(TNation::Union).WeaponStock[TWeapon::Springfields], 240);
}

}  // namespace
