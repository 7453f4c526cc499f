#include "world/weapon_procurement.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "tests/world/economy_fixture.h"
#include "tests/world/force_builders.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

constexpr int kOffMapState = 5;
constexpr int kConfederateState = 25;

class WeaponProcurementTest : public EconomyTest<WorldTest> {
 protected:
  void SetUp() override {
    EconomyTest::SetUp();
    // Each weapon costs its number for every nation; with the margin of 4 a
    // unit of output of weapon w trades at w + 4.
    for (int w = 1; w <= GameState.WeaponTypes.Count; ++w)
      for (int n = 1; n <= 4; ++n) GameState.WeaponTypes[w].Cost[n] = static_cast<std::uint8_t>(w);
    ScriptRandomDraws({});
  }

  static TStateRec& OffMapState(int s, int nation, int theatre) {
    TStateRec& state = GameState.States[s];
    state.Nation = static_cast<std::uint8_t>(nation);
    state.Theatre = static_cast<std::uint8_t>(theatre);
    return state;
  }

  static void NeedWeapons(int nation, int arm, int strength) {
    AddBrigade({.nation = nation,
                .arm = arm,
                .strength = strength,
                .status = TBrigadeStatus::RaisedUnarmed});
  }

  // A Confederate railway town inland, in a state the Confederacy holds.
  static TCity& RailwayTown(int population) {
    GameState.States[kConfederateState].Nation = TNation::Confederacy;
    TCity& city = GameState.Cities[AddCity(AddedCities() + 1, 30, TSide::Confederate)];
    city.State = kConfederateState;
    city.Theatre = TTheatre::West;
    city.RailStation = 1;
    city.Population = static_cast<std::uint16_t>(population);
    return city;
  }

  static int AddedCities() {
    int count = 0;
    for (int c = 1; c <= GameState.Cities.Count; ++c) count += GameState.Cities[c].X != 0;
    return count;
  }
};

TEST_F(WeaponProcurementTest, StocksAreCutToFiftyThousandAndAHumanNationIsOtherwiseLeftAlone) {
  Nation(TNation::Union).Human = 1;
  Nation(TNation::Union).WeaponStock[TWeapon::Springfields] = 60000;
  NeedWeapons(TNation::Union, TArm::Infantry, 80);
  TStateRec& state = OffMapState(kOffMapState, TNation::Union, TTheatre::Seaboard);
  state.WeaponOutput[TWeapon::Muskets] = 10;
  Nation(TNation::Confederacy).WeaponStock[TWeapon::Smoothbores] = 50001;

  ProcureWeapons();
  EXPECT_EQ(Nation(TNation::Union).WeaponStock[TWeapon::Springfields], 50000);
  EXPECT_EQ(Nation(TNation::Confederacy).WeaponStock[TWeapon::Smoothbores], 50000);
  EXPECT_EQ(state.WeaponOutput[TWeapon::Muskets], 10);
  EXPECT_EQ(Supplies(TNation::Union), 0);
}

TEST_F(WeaponProcurementTest, MusketOutputOfStatesAndCitiesIsSoldIntoTheirTheatresSupplies) {
  TStateRec& state = OffMapState(kOffMapState, TNation::Union, TTheatre::West);
  state.WeaponOutput[TWeapon::Muskets] = 10;
  TCity& city = GameState.Cities[AddCity(5, 5, TSide::Union)];
  city.Theatre = TTheatre::Mississippi;
  city.WeaponOutput[TWeapon::Muskets] = 8;
  Supplies(TNation::Union, TTheatre::Mississippi) = 65500;

  ProcureWeapons();
  EXPECT_EQ(state.WeaponOutput[TWeapon::Muskets], 0);
  EXPECT_EQ(city.WeaponOutput[TWeapon::Muskets], 0);
  EXPECT_EQ(Supplies(TNation::Union, TTheatre::West), 50);
  EXPECT_EQ(Supplies(TNation::Union, TTheatre::Mississippi), 65535);
}

TEST_F(WeaponProcurementTest, RaisedBrigadesWithoutRiflesAreArmedByNewOutputPaidByTheUnion) {
  NeedWeapons(TNation::Union, TArm::Infantry, 80);
  AddBrigade({.strength = 80, .status = TBrigadeStatus::RaisedUnarmed, .weapon = TWeapon::Muskets});
  AddBrigade({.strength = 80, .status = TBrigadeStatus::RaisedUnarmed, .weapon = TWeapon::Sharps});
  AddBrigade({.strength = 80, .status = TBrigadeStatus::ArmedAndWaiting});
  Nation(TNation::Union).WeaponStock[TWeapon::Muskets] = 30;
  TStateRec& state = OffMapState(kOffMapState, TNation::Union, TTheatre::Seaboard);
  Supplies(TNation::Union) = 1000;

  ProcureWeapons();
  // 160 men want rifles, 30 muskets are at hand: 13 a month at 2 + 4.
  EXPECT_EQ(state.WeaponOutput[TWeapon::Springfields], 13);
  EXPECT_EQ(Supplies(TNation::Union), 1000 - 78);
}

TEST_F(WeaponProcurementTest, ANeedOfNineOrdersNothing) {
  NeedWeapons(TNation::Union, TArm::Cavalry, 50);
  Nation(TNation::Union).WeaponStock[TWeapon::Shotguns] = 41;
  TStateRec& state = OffMapState(kOffMapState, TNation::Union, TTheatre::Seaboard);
  Supplies(TNation::Union) = 1000;

  ProcureWeapons();
  EXPECT_EQ(state.WeaponOutput[TWeapon::Spencers], 0);
  EXPECT_EQ(Supplies(TNation::Union), 1000);
}

TEST_F(WeaponProcurementTest, TheUnionHalvesAndSellsTheOutputOfCoveredArmsAtItsOffMapStates) {
  Nation(TNation::Union).WeaponStock[TWeapon::Parrotts] = 100;
  TStateRec& state = OffMapState(kOffMapState, TNation::Union, TTheatre::Seaboard);
  state.WeaponOutput[TWeapon::Smoothbores] = 5;
  state.WeaponOutput[TWeapon::Parrotts] = 4;
  state.WeaponOutput[TWeapon::Springfields] = 7;
  TStateRec& too_early = OffMapState(3, TNation::Union, TTheatre::Seaboard);
  too_early.WeaponOutput[TWeapon::Parrotts] = 4;

  ProcureWeapons();
  EXPECT_EQ(state.WeaponOutput[TWeapon::Smoothbores], 2);
  EXPECT_EQ(state.WeaponOutput[TWeapon::Parrotts], 2);
  EXPECT_EQ(state.WeaponOutput[TWeapon::Springfields], 3);
  EXPECT_EQ(too_early.WeaponOutput[TWeapon::Parrotts], 4);
  EXPECT_EQ(Supplies(TNation::Union), 2 * 10 + 2 * 11 + 3 * 6);
}

TEST_F(WeaponProcurementTest, TheUnionOrdersAtTheFirstStateThatCanPayUnlessALaterOneWinsADraw) {
  NeedWeapons(TNation::Union, TArm::Infantry, 100);
  Supplies(TNation::Union) = 61;  // 10 rifles cost 60
  Supplies(TNation::Union, TTheatre::West) = 60;
  OffMapState(4, TNation::Union, TTheatre::West);
  TStateRec& first = OffMapState(kOffMapState, TNation::Union, TTheatre::Seaboard);
  TStateRec& lucky = OffMapState(7, TNation::Union, TTheatre::Seaboard);
  TStateRec& unlucky = OffMapState(8, TNation::Confederacy, TTheatre::Seaboard);
  ScriptRandomDraws({{100, 29}, {100, 30}});

  ProcureWeapons();
  EXPECT_EQ(first.WeaponOutput[TWeapon::Springfields], 0);
  EXPECT_EQ(lucky.WeaponOutput[TWeapon::Springfields], 10);
  EXPECT_EQ(unlucky.WeaponOutput[TWeapon::Springfields], 0);
  EXPECT_EQ(Supplies(TNation::Union), 1);
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);
}

TEST_F(WeaponProcurementTest, UnionGunsAreOrderedOnlyInItsOwnStates) {
  NeedWeapons(TNation::Union, TArm::Artillery, 16);
  Supplies(TNation::Union) = 1000;
  TStateRec& foreign = OffMapState(kOffMapState, TNation::Confederacy, TTheatre::Seaboard);
  TStateRec& own = OffMapState(kOffMapState + 1, TNation::Union, TTheatre::Seaboard);

  ProcureWeapons();
  EXPECT_EQ(foreign.WeaponOutput[TWeapon::Parrotts], 0);
  EXPECT_EQ(own.WeaponOutput[TWeapon::Parrotts], 1);
}

TEST_F(WeaponProcurementTest, TheConfederacyBuildsAtTheBestOfTheRailwayTownsItLooksAt) {
  NeedWeapons(TNation::Confederacy, TArm::Cavalry, 50);
  Supplies(TNation::Confederacy, TTheatre::Mississippi) = 51;  // 5 shotguns cost 45
  TCity& large = RailwayTown(500);
  TCity& port = RailwayTown(5000);
  port.RiverPort = 1;
  TCity& overlooked = RailwayTown(5000);
  TCity& fortified = RailwayTown(250);
  fortified.Fortifications = 3;
  fortified.GarrisonCount = 1;
  TCity& equal = RailwayTown(525);
  // Scores: 100 + 4 for the large town, 50 + 0 + 30 + 25 for the fortified
  // one; the last town only draws level with it.
  ScriptRandomDraws({{100, 29}, {25, 4}, {100, 30}, {100, 0}, {25, 0}, {100, 0}, {25, 0}});

  ProcureWeapons();
  EXPECT_EQ(fortified.WeaponOutput[TWeapon::Shotguns], 5);
  EXPECT_EQ(large.WeaponOutput[TWeapon::Shotguns], 0);
  EXPECT_EQ(port.WeaponOutput[TWeapon::Shotguns], 0);
  EXPECT_EQ(overlooked.WeaponOutput[TWeapon::Shotguns], 0);
  EXPECT_EQ(equal.WeaponOutput[TWeapon::Shotguns], 0);
  EXPECT_EQ(Supplies(TNation::Confederacy, TTheatre::Mississippi), 51);
}

TEST_F(WeaponProcurementTest, TheConfederacyOrdersNothingWhenNoTownIsLookedAtOrNoTheatreCanPay) {
  NeedWeapons(TNation::Confederacy, TArm::Artillery, 160);
  TCity& town = RailwayTown(500);
  Supplies(TNation::Confederacy, TTheatre::West) = 160;  // 16 smoothbores cost 160

  ProcureWeapons();
  EXPECT_EQ(town.WeaponOutput[TWeapon::Smoothbores], 0);

  Supplies(TNation::Confederacy, TTheatre::West) = 161;
  ScriptRandomDraws({{100, 99}});
  ProcureWeapons();
  EXPECT_EQ(town.WeaponOutput[TWeapon::Smoothbores], 0);
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);
}

TEST_F(WeaponProcurementTest, TheConfederacySellsOffOnlyInItsOwnTownsThatItStillHolds) {
  for (int c = 1; c <= 40; ++c) AddCity(c, 40, TSide::Union);
  TCity& held = RailwayTown(500);  // city 41
  held.WeaponOutput[TWeapon::Sharps] = 9;
  TCity& lost = RailwayTown(500);
  lost.Nation = TNation::Union;
  lost.WeaponOutput[TWeapon::Sharps] = 9;

  ProcureWeapons();
  EXPECT_EQ(held.WeaponOutput[TWeapon::Sharps], 4);
  EXPECT_EQ(lost.WeaponOutput[TWeapon::Sharps], 9);
  EXPECT_EQ(Supplies(TNation::Confederacy, TTheatre::West), 4 * 7);
}

TEST_F(WeaponProcurementTest, FranceAndBritainOrderAtTheirOwnArsenalsWithoutPaying) {
  NeedWeapons(TNation::France, TArm::Artillery, 32);
  NeedWeapons(TNation::Britain, TArm::Infantry, 80);

  ProcureWeapons();
  EXPECT_EQ(GameState.Cities[85].WeaponOutput[TWeapon::Parrotts], 3);
  EXPECT_EQ(GameState.Cities[86].WeaponOutput[TWeapon::Springfields], 8);
}

}  // namespace
