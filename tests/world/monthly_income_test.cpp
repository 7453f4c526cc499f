#include "world/monthly_income.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

constexpr int kOffMapState = 5;
constexpr int kCapitalState = 6;

class MonthlyIncomeTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    GameState.Month = 12;
    GameState.Year = 1862;
  }

  // A state yielding nothing of its own yet: no industry, no people.
  static TStateRec& State(int s, int nation, int side) {
    TStateRec& state = GameState.States[s];
    state.Nation = static_cast<std::uint8_t>(nation);
    state.Side = state.ControlSide = static_cast<std::uint8_t>(side);
    state.Theatre = TTheatre::Seaboard;
    return state;
  }

  static int CityOf(int s, int side, int population) {
    const int c = AddCity(10 + s, 10, side);
    TCity& city = GameState.Cities[c];
    city.State = static_cast<std::uint8_t>(s);
    city.Theatre = TTheatre::Seaboard;
    city.Population = static_cast<std::uint16_t>(population);
    if (GameState.States[s].CapitalCity == 0)
      GameState.States[s].CapitalCity = static_cast<std::uint8_t>(c);
    return c;
  }

  static U16& Supplies(int nation) {
    return GameState.Nations[nation].Supplies[TTheatre::Seaboard];
  }
  static int Stock(int nation, int weapon) { return GameState.Nations[nation].WeaponStock[weapon]; }
};

TEST_F(MonthlyIncomeTest, AWinterMonthPaysIndustryAndBonusByPeopleAtTheLowRate) {
  // France at peace earns a bonus of 1: (20 + 1) x 2 x 10, two sevenths of it.
  TStateRec& state = State(kOffMapState, TNation::France, TSide::None);
  state.Industry = 20;
  state.Population = 1099;

  CollectMonthlyIncome();
  EXPECT_EQ(state.Income, 120);
  EXPECT_EQ(Supplies(TNation::France), 120);
}

TEST_F(MonthlyIncomeTest, TheCampLeadersAdvantageGivesTheBonusUpToSix) {
  GameState.Month = 7;  // summer: rate 6
  GameState.Nations[TNation::Confederacy].LeadershipAdvantage = 1;
  GameState.Nations[TNation::France].Side = TSide::Confederate;
  TStateRec& french = State(kOffMapState, TNation::France, TSide::Confederate);
  french.Industry = 10;
  french.Population = 700;
  GameState.Nations[TNation::Union].LeadershipAdvantage = 5;
  TStateRec& union_state = State(kOffMapState + 1, TNation::Union, TSide::Union);
  union_state.Industry = 10;
  union_state.Population = 700;

  CollectMonthlyIncome();
  EXPECT_EQ(french.Income, (10 + 2) * 6 * 7 * 2 / 7);
  EXPECT_EQ(union_state.Income, (10 + 6) * 6 * 7 * 2 / 7);
}

TEST_F(MonthlyIncomeTest, OnlyConfederateCapitalStatesGrowCottonAndTheOutputIsCutToTenthsFirst) {
  GameState.Month = 4;  // spring: rate 3
  TStateRec& planters = State(kCapitalState, TNation::Confederacy, TSide::Confederate);
  CityOf(kCapitalState, TSide::Confederate, 0);
  planters.Population = 600;
  planters.Slaves = 400;
  planters.CottonOutput = 70;
  TStateRec& farmers = State(kOffMapState, TNation::Confederacy, TSide::Confederate);
  farmers.Population = 1000;
  farmers.CottonOutput = 7;
  TStateRec& northern = State(kCapitalState + 1, TNation::Union, TSide::Union);
  CityOf(kCapitalState + 1, TSide::Union, 0);
  northern.Population = 1000;
  northern.CottonOutput = 7;

  CollectMonthlyIncome();
  EXPECT_EQ(planters.CottonOutput, 7);
  // Slaves count among a capital state's people: 10 hundreds x 7 x 3.
  EXPECT_EQ(GameState.Nations[TNation::Confederacy].Cotton[TTheatre::Seaboard], 210);
  EXPECT_EQ(GameState.Nations[TNation::Union].Cotton[TTheatre::Seaboard], 0);
}

TEST_F(MonthlyIncomeTest, AFullStockTakesNoIncomeAndANearlyFullOneStopsAtTheWordsLimit) {
  TStateRec& state = State(kOffMapState, TNation::Union, TSide::Union);
  state.Industry = 3000;
  state.Population = 10000;  // income 60000 x 2 / 7 = 17142
  Supplies(TNation::Union) = 59999;
  GameState.Nations[TNation::Union].Supplies[TTheatre::West] = 60000;

  CollectMonthlyIncome();
  EXPECT_EQ(Supplies(TNation::Union), 65535);

  state.Theatre = TTheatre::West;
  CollectMonthlyIncome();
  EXPECT_EQ(GameState.Nations[TNation::Union].Supplies[TTheatre::West], 60000);
}

TEST_F(MonthlyIncomeTest, AnOccupiedStateEarnsNothingButItsWeaponsAreStillMade) {
  TStateRec& state = State(kCapitalState, TNation::Union, TSide::Union);
  state.ControlSide = TSide::Confederate;
  state.Industry = 50;
  state.Population = 5000;
  const int city = CityOf(kCapitalState, TSide::Union, 3000);
  GameState.Cities[city].WeaponOutput[TWeapon::Springfields] = 7;

  CollectMonthlyIncome();
  EXPECT_EQ(state.Income, 0);
  EXPECT_EQ(Supplies(TNation::Union), 0);
  EXPECT_EQ(Stock(TNation::Union, TWeapon::Springfields), 7);
}

TEST_F(MonthlyIncomeTest, TheStockGetsTheWholeOutputWhileTheSuppliesPayForWholeUnitsOnly) {
  TStateRec& state = State(kOffMapState, TNation::Union, TSide::Union);
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
  TStateRec& state = State(kCapitalState, TNation::Union, TSide::Union);
  state.Population = 9999;
  state.WeaponOutput[TWeapon::Parrotts] = 50;
  const int free_city = CityOf(kCapitalState, TSide::Union, 1000);
  const int half_held = CityOf(kCapitalState, TSide::Union, 800);
  const int overrun = CityOf(kCapitalState, TSide::Union, 600);
  const int lost = CityOf(kCapitalState, TSide::Confederate, 5000);
  GameState.Cities[half_held].Occupation = 40;
  GameState.Cities[overrun].Occupation = 150;
  GameState.Cities[free_city].WeaponOutput[TWeapon::Springfields] = 3;
  GameState.Cities[overrun].WeaponOutput[TWeapon::Springfields] = 2;
  GameState.Cities[lost].WeaponOutput[TWeapon::Springfields] = 11;

  CollectMonthlyIncome();
  EXPECT_EQ(state.Population, 1000 + 480);
  EXPECT_EQ(GameState.Cities[overrun].Occupation, 100);
  EXPECT_EQ(state.WeaponOutput[TWeapon::Springfields], 5);
  EXPECT_EQ(state.WeaponOutput[TWeapon::Parrotts], 0);
  // The city the enemy took makes nothing for either side.
  EXPECT_EQ(GameState.Cities[lost].WeaponOutput[TWeapon::Springfields], 0);
  EXPECT_EQ(Stock(TNation::Confederacy, TWeapon::Springfields), 0);
}

TEST_F(MonthlyIncomeTest, EveryNationsCapitalStatesKeepTheirPeopleSoTheSecondMonthStillPays) {
  TStateRec& northern = State(kCapitalState, TNation::Union, TSide::Union);
  northern.Industry = 30;
  northern.Population = 2000;
  CityOf(kCapitalState, TSide::Union, 2000);
  TStateRec& southern = State(kCapitalState + 20, TNation::Confederacy, TSide::Confederate);
  southern.Industry = 30;
  southern.Population = 2000;
  CityOf(kCapitalState + 20, TSide::Confederate, 2000);

  CollectMonthlyIncome();
  CollectMonthlyIncome();
  EXPECT_EQ(northern.Population, 2000);
  EXPECT_EQ(southern.Population, 2000);
  EXPECT_EQ(northern.Income, 30 * 2 * 20 * 2 / 7);
  EXPECT_EQ(Supplies(TNation::Union), 2 * (30 * 2 * 20 * 2 / 7));
  EXPECT_EQ(Supplies(TNation::Confederacy), 2 * (30 * 2 * 20 * 2 / 7));
}

TEST_F(MonthlyIncomeTest, AStateWithoutANationOrTheatreEarnsNothingAndBreaksNothing) {
  TStateRec& stateless = State(kOffMapState, 0, TSide::Union);
  stateless.Industry = 100;
  stateless.Population = 1000;
  TStateRec& lost = State(kOffMapState + 1, TNation::Union, TSide::Union);
  lost.Theatre = 0;
  lost.Industry = 100;
  lost.Population = 1000;
  lost.WeaponOutput[TWeapon::Springfields] = 4;

  CollectMonthlyIncome();
  EXPECT_EQ(stateless.Income, 0);
  EXPECT_GT(lost.Income, 0);
  EXPECT_EQ(Supplies(TNation::Union), 0);
  EXPECT_EQ(Stock(TNation::Union, TWeapon::Springfields), 4);
}

}  // namespace
