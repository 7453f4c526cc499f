// A month of the monthly passes alone, on a small Union and Confederacy,
// checked figure by figure against sums worked out by hand.
#include <gtest/gtest.h>

#include <array>
#include <tuple>

#include "support/world_fixture.h"
#include "tests/world/economy_fixture.h"
#include "world/brigade_rules.h"
#include "world/monthly_income.h"
#include "world/national_will.h"
#include "world/weapon_procurement.h"

namespace {

constexpr int kUnion = TNation::Union, kSouth = TNation::Confederacy;
constexpr int kUnionOffMapState = 5, kUnionState = 6, kConfederateState = 21;

// June 1861. The Union (leadership 1, 25 corps, 5000 supplies) has an off-map
// state of industry 50 and 3000 people making 10 muskets and 4 carbines, and a
// state of industry 30 whose towns of 1500 and 500 make 20 rifles and 2 guns.
// The Confederacy (20 corps, 3000 supplies) has a state of industry 20, 1000
// people, 400 slaves and cotton output 40, whose town of 1000 makes 3 guns.
// Every bounty is 4.
class MonthlyEconomyTest : public EconomyTest<WorldTest> {
 protected:
  void SetUp() override {
    EconomyTest::SetUp();
    GameState.Year = 1861;
    SetProductionCosts();
    for (int n = 1; n <= 4; ++n) GameState.WeaponTypes[TWeapon::Muskets].Cost[n] = 2;
    for (const auto& [n, leadership, corps, supplies, shares] :
         {std::tuple{kUnion, 1, 25, 5000, std::array{60, 20, 10, 10}},
          {kSouth, 0, 20, 3000, std::array{70, 15, 10, 5}}}) {
      TNationRec& nation = Nation(n);
      nation.LeadershipAdvantage = leadership;
      nation.Bounty = 4;
      nation.CorpsCount = corps;
      nation.AiWeight[TTheatre::Seaboard] = 6;
      for (int t = 1; t <= 3; ++t) nation.TheatreCapacity[t] = 80;
      Supplies(n) = supplies;
      for (int k = 1; k <= 4; ++k) nation.ProductionShare[k] = shares[k - 1];
    }
    for (const auto& [s, n, industry, people] : {std::array{kUnionOffMapState, kUnion, 50, 3000},
                                                 {kUnionState, kUnion, 30, 2000},
                                                 {kConfederateState, kSouth, 20, 1000}}) {
      StateOf(s, n).Industry = industry;
      GameState.States[s].Population = people;
    }
    Record(kUnionOffMapState).WeaponOutput[TWeapon::Muskets] = 10;
    Record(kUnionOffMapState).WeaponOutput[TWeapon::Sharps] = 4;
    Record(kConfederateState).Slaves = 400;
    Record(kConfederateState).CottonOutput = 40;
    CityIn(kUnionState, kUnion, 1500).WeaponOutput[TWeapon::Springfields] = 20;
    CityIn(kUnionState, kUnion, 500).WeaponOutput[TWeapon::Parrotts] = 2;
    CityIn(kConfederateState, kSouth, 1000).WeaponOutput[TWeapon::Smoothbores] = 3;
  }
  static TStateRec& Record(int s) { return GameState.States[s]; }
};

TEST_F(MonthlyEconomyTest, TheFirstMonthMatchesTheSumsWorkedOutByHand) {
  // The first turn of a month, as the end of the orders runs it.
  CollectMonthlyIncome();
  UpdateNationalWill();
  SetProductionCosts();
  ProcureWeapons();
  // Union: income 2674 + 1097 on 5000; weapons 20 + 48 + 60 + 140; volunteers
  // 373 + 280 + 90; recruits 132 + 110 + 11 and 84 + 70 + 7; muskets sold for
  // 60 and two carbines' output for 32.
  const TNationRec& north = Nation(kUnion);
  const TStateRec& offMap = Record(kUnionOffMapState);
  EXPECT_EQ((std::array<int, 9>{offMap.Income, Record(kUnionState).Income, Supplies(kUnion),
                                north.WeaponStock[TWeapon::Muskets],
                                north.WeaponStock[TWeapon::Springfields],
                                north.WeaponStock[TWeapon::Parrotts], north.MonthRecruits,
                                north.BuildPoints, north.Bounty}),
            (std::array{2674, 1097, 7438, 10, 20, 2, 112 + 56 + 18, 11 + 7, 10}));
  EXPECT_EQ((std::array<int, 5>{offMap.Population, offMap.InfantryPoints,
                                offMap.WeaponOutput[TWeapon::Sharps],
                                Record(kUnionState).CavalryPoints, GameState.Cities[1].Population}),
            (std::array{2963, 67, 2, 14, 1482}));
  // Confederacy: income 480 on 3000; guns 135; volunteers 330; recruits
  // 54 + 60 + 3; one gun of the three a month's output sold back for 49.
  const TNationRec& south = Nation(kSouth);
  EXPECT_EQ((std::array<int, 6>{Record(kConfederateState).Income, Supplies(kSouth),
                                south.Cotton[TTheatre::Seaboard], south.MonthRecruits,
                                Record(kConfederateState).InfantryPoints,
                                GameState.Cities[3].WeaponOutput[TWeapon::Smoothbores]}),
            (std::array{480, 2947, 336, 66, 46, 1}));
}

}  // namespace
