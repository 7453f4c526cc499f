#include "world/city_control.h"

#include <gtest/gtest.h>

#include "tests/world/political_turn_fixture.h"
#include "world/random.h"

namespace {

class CityControlTest : public PoliticsTest {
 protected:
  static constexpr int kHome = 5;   // a Confederate state
  static constexpr int kNorth = 6;  // a Union state

  void SetUp() override {
    PoliticsTest::SetUp();
    MakeState(kHome, TNation::Confederacy);
    MakeState(kNorth, TNation::Union);
    city = AddCityIn(10, 10, TSide::Confederate, kHome);
  }

  int city = 0;
};

TEST_F(CityControlTest, AnOwnCorpsHoldsTheCityAgainstAnEnemyWhateverTheirOrder) {
  City(city).Fortifications = 2;
  for (bool enemyFirst : {true, false}) {
    const int first = AddLedCorps(10, 10, enemyFirst ? TSide::Union : TSide::Confederate);
    const int second = AddLedCorps(10, 10, enemyFirst ? TSide::Confederate : TSide::Union);
    UpdateCityControl();
    EXPECT_EQ(City(city).Side, TSide::Confederate);
    EXPECT_EQ(Corps(enemyFirst ? second : first).Entrenchment, 2);
    Corps(first).Inactive = Corps(second).Inactive = 1;
  }
  EXPECT_TRUE(window.Notices().empty());
}

TEST_F(CityControlTest, AGarrisonedCityIsNeverTakenByACorpsWalkingIn) {
  City(city).GarrisonCount = 1;
  AddLedCorps(10, 10, TSide::Union);
  UpdateCityControl();
  EXPECT_EQ(City(city).Side, TSide::Confederate);
}

TEST_F(CityControlTest, TheLastEnemyCorpsInTheTableTakesTheCityAndItsCommanderIsRewarded) {
  const int first = AddLedCorps(10, 10, TSide::Union);
  const int last = AddLedCorps(10, 10, TSide::Union);
  Nation(TNation::Confederacy).Capital = static_cast<std::uint8_t>(city);
  ScriptRandomDraws({{120, 119}, {4, 0}});
  UpdateCityControl();
  EXPECT_EQ(City(city).Side, TSide::Union);
  EXPECT_EQ(City(city).Nation, TNation::Union);
  ASSERT_EQ(window.Notices().size(), 1u);
  const RecordedNotice& notice = window.Notices()[0];
  EXPECT_EQ(notice.kind, 3);
  EXPECT_EQ(notice.lines[0], Text(17));
  EXPECT_EQ(notice.lines[1], Text(21) + GameState.Leaders[Corps(last).Leader].Name.str());
  EXPECT_EQ(notice.lines[3], City(city).Name.str() + " S5" + Text(32));
  EXPECT_EQ(Nation(TNation::Union).WarScore, 309);
  EXPECT_EQ(Nation(TNation::Confederacy).WarScore, 300 - 9 - 150);
  EXPECT_EQ(GameState.Leaders[Corps(last).Leader].Modifier, 3);
  EXPECT_EQ(GameState.Leaders[Corps(first).Leader].Modifier, 0);
  EXPECT_EQ(State(kNorth).Loyalty, 50);
  EXPECT_EQ(State(kHome).Loyalty, 50);
}

TEST_F(CityControlTest, BrigadesWaitingInATakenCityArePrisonersAndOtherStatesLoseHeart) {
  const int waiting = AddBrigade({.nation = TNation::Confederacy,
                                  .strength = 60,
                                  .status = TBrigadeStatus::ArmedAndWaiting,
                                  .location = city,
                                  .homeState = kHome});
  MakeState(7, TNation::Confederacy).Loyalty = 3;
  AddLedCorps(10, 10, TSide::Union);
  ScriptRandomDraws({{120, 119}, {4, 0}});
  UpdateCityControl();
  EXPECT_TRUE(GameState.Brigades[waiting].IsFree());
  EXPECT_EQ(GameState.Prisoners[TNation::Confederacy], 60u);
  EXPECT_EQ(State(kHome).Losses, 60);
  EXPECT_EQ(State(7).Loyalty, 0);
  EXPECT_EQ(State(kNorth).Loyalty, 50);
}

TEST_F(CityControlTest, AComputerCaptorLootsOnItsDrawAndLondonReadsOfIt) {
  const int captor = AddLedCorps(10, 10, TSide::Union, 40);
  Corps(captor).SupplyType = 2;
  const int brigade = AddBrigade({.location = captor});
  City(city).Fortifications = 2;
  City(city).Occupation = 10;
  Nation(TNation::Confederacy).Supplies[TTheatre::Seaboard] = 500;
  Nation(TNation::Confederacy).RailCapacity = 4;
  ScriptRandomDraws({{120, 89}, {4, 3}});
  UpdateCityControl();
  EXPECT_EQ(Corps(captor).SupplyStatus, 1);
  EXPECT_EQ(Corps(captor).Fatigue, 1);
  EXPECT_EQ(GameState.Brigades[brigade].Fatigue, 1);
  EXPECT_EQ(City(city).Fortifications, 0);
  EXPECT_EQ(City(city).Occupation, 50);
  EXPECT_EQ(State(kHome).Loyalty, 53);
  EXPECT_EQ(State(kNorth).Loyalty, 53);
  const int booty = 9 * 10 - 50 / 5;
  EXPECT_EQ(Nation(TNation::Confederacy).Supplies[TTheatre::Seaboard], 500 - booty);
  EXPECT_EQ(Nation(TNation::Union).Supplies[TTheatre::Seaboard], booty);
  EXPECT_EQ(Nation(TNation::Confederacy).RailCapacity, 3);
  EXPECT_EQ(Attitude(TNation::Britain), kUndecided - 1);
  ASSERT_EQ(window.Notices().size(), 3u);
  const RecordedNotice& report = window.Notices()[1];
  EXPECT_EQ(report.lines[2], std::to_string(booty) + Text(11));
  EXPECT_EQ(report.lines[3], Text(12));
  EXPECT_EQ(window.Notices()[2].kind, 24);
  EXPECT_EQ(window.Notices()[2].lines[3], Text(458));
}

TEST_F(CityControlTest, APlayerWhoSparesTheCityStillRewardsHisCommanderButMakesNoNews) {
  Nation(TNation::Union).Human = 1;
  const int captor = AddLedCorps(10, 10, TSide::Union);
  ScriptRandomDraws({});
  UpdateCityControl();
  ASSERT_EQ(window.Notices().size(), 2u);
  EXPECT_EQ(window.Notices()[1].options[0], Text(4));
  EXPECT_EQ(window.Notices()[1].options[1], Text(3));
  EXPECT_EQ(City(city).Occupation, 0);
  EXPECT_EQ(Attitude(TNation::Britain), kUndecided);
  EXPECT_EQ(GameState.Leaders[Corps(captor).Leader].Modifier, 3);
}

TEST_F(CityControlTest, APlayerWhoLootsKeepsOccupationWithinAHundredAndAngersTheEnemy) {
  Nation(TNation::Union).Human = 1;
  AddLedCorps(10, 10, TSide::Union);
  City(city).Occupation = 90;
  window.ScriptChoices({0, 2});
  ScriptRandomDraws({{4, 0}});
  UpdateCityControl();
  EXPECT_EQ(City(city).Occupation, 100);
  EXPECT_EQ(State(kHome).Loyalty, 60 - 3);
  EXPECT_EQ(State(kNorth).Loyalty, 53);
  EXPECT_EQ(Attitude(TNation::Britain), kUndecided - 1);
}

TEST_F(CityControlTest, RetakingAnOwnCityAsksNothingAndLeavesNoGarrison) {
  City(city).Side = City(city).Nation = TSide::Union;
  const int captor = AddLedCorps(10, 10, TSide::Confederate);
  AddBrigade({.nation = TNation::Confederacy, .location = captor});
  AddBrigade({.nation = TNation::Confederacy, .location = captor});
  Corps(captor).OtherBrigades = 2;
  ScriptRandomDraws({});
  UpdateCityControl();
  EXPECT_EQ(City(city).Side, TSide::Confederate);
  EXPECT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(GameState.Leaders[Corps(captor).Leader].Modifier, 0);
  EXPECT_EQ(City(city).GarrisonCount, 0);
}

TEST_F(CityControlTest, AComputerCaptorGarrisonsWithItsGreenestInfantryAndCountsThem) {
  City(city).Population = 600;  // need 2
  const int captor = AddLedCorps(10, 10, TSide::Union);
  const int veteran = AddBrigade({.location = captor, .quality = 12});
  const int green = AddBrigade({.location = captor, .quality = 2});
  const int greener = AddBrigade({.location = captor, .quality = 1});
  const int greenest = AddBrigade({.location = captor, .quality = 0});
  const int guns = AddBrigade({.arm = TArm::Artillery, .location = captor, .quality = 0});
  Corps(captor).OtherBrigades = 5;
  ScriptRandomDraws({{120, 119}, {4, 0}});
  UpdateCityControl();
  for (int b : {greenest, greener})
    EXPECT_EQ(GameState.Brigades[b].Status, TBrigadeStatus::InGarrison) << b;
  for (int b : {veteran, green, guns})
    EXPECT_EQ(GameState.Brigades[b].Status, TBrigadeStatus::InCorps) << b;
  EXPECT_EQ(City(city).GarrisonCount, 2);
  EXPECT_EQ(City(city).GarrisonNeed, 0);
  EXPECT_EQ(Corps(captor).OtherBrigades, 3);
}

TEST_F(CityControlTest, ACaptorWithASingleGreenBrigadeLeavesNoGarrison) {
  City(city).Population = 100;  // need 1
  const int captor = AddLedCorps(10, 10, TSide::Union);
  const int only = AddBrigade({.location = captor});
  Corps(captor).OtherBrigades = 3;
  ScriptRandomDraws({{120, 119}, {4, 0}});
  UpdateCityControl();
  EXPECT_EQ(GameState.Brigades[only].Status, TBrigadeStatus::InCorps);
  EXPECT_EQ(City(city).GarrisonCount, 0);
}

TEST_F(CityControlTest, TheFirstInvaderOfTheSouthernNeutralStateTurnsItsOtherCitiesAgainstHim) {
  MakeState(kNeutralStateSouth, 0);
  const int entered = AddCityIn(20, 20, TSide::None, kNeutralStateSouth);
  const int other = AddCityIn(25, 20, TSide::None, kNeutralStateSouth);
  const int guard = AddBrigade({.nation = 0,
                                .status = TBrigadeStatus::InGarrison,
                                .location = other,
                                .homeState = kNeutralStateSouth});
  City(other).GarrisonCount = 1;
  City(entered).Nation = City(other).Nation = City(entered).OriginalSide = 0;
  AddLedCorps(20, 20, TSide::Confederate);
  ScriptRandomDraws({{120, 119}, {4, 0}});
  UpdateCityControl();
  EXPECT_EQ(City(entered).Side, TSide::Confederate);
  EXPECT_EQ(City(other).Side, TSide::Union);
  EXPECT_EQ(City(other).Nation, TNation::Union);
  EXPECT_EQ(GameState.Brigades[guard].Nation, TNation::Union);
  EXPECT_EQ(MapRecord.Cell(25, 20).Owner(), TSide::Union);  // control follows at once
}

TEST_F(CityControlTest, ANeutralCityLootedGivesNoBooty) {
  City(city).Side = City(city).Nation = City(city).OriginalSide = 0;
  AddLedCorps(10, 10, TSide::Union, 200);
  ScriptRandomDraws({{120, 0}, {4, 0}});
  UpdateCityControl();
  ASSERT_GE(window.Notices().size(), 2u);
  EXPECT_EQ(window.Notices()[1].lines[2], "");
  EXPECT_EQ(Nation(TNation::Union).Supplies[TTheatre::Seaboard], 0);
}

TEST_F(CityControlTest, WhoeverHoldsTheCapitalCityOwnsTheState) {
  TStateRec& border = MakeState(kNeutralStateNorth, 0, city);
  border.Weight = 4;
  border.Slaves = 10;
  border.Manpower = border.InfantryPoints = 30;
  City(city).State = kNeutralStateNorth;
  const int neutral = AddCityIn(30, 30, TSide::None, kNeutralStateNorth);
  MakeState(9, TNation::Union, AddCityIn(40, 40, TSide::Union, 9));
  Nation(TNation::France).Side = TSide::Confederate;
  Attitude(TNation::France) = 20;
  UpdateCityControl();
  EXPECT_EQ(border.Nation, TNation::Confederacy);
  EXPECT_EQ(border.Side, TSide::Confederate);
  EXPECT_EQ(border.ControlSide, TSide::Confederate);
  EXPECT_EQ(border.Manpower, 0);
  EXPECT_EQ(border.InfantryPoints, 0);
  EXPECT_EQ(Nation(TNation::Confederacy).WarScore, 308);
  EXPECT_EQ(Attitude(TNation::France), 16);
  EXPECT_EQ(Attitude(TNation::Britain), kUndecided + 4);
  EXPECT_EQ(City(neutral).Side, TSide::Union);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].kind, 18);
  EXPECT_EQ(window.Notices()[0].lines[1], "the Confederacy.");
  EXPECT_EQ(State(9).Nation, TNation::Union);
}

TEST_F(CityControlTest, AWarshipOffAForeignPortCausesOneIncidentPerPass) {
  const int port = AddCityIn(50, 5, TSide::None, 0);
  City(port).Nation = TNation::Britain;
  for (int i = 0; i < 2; ++i) {
    const int fleet = AddFleet(52, 5, TSide::Union, TNation::Union);
    GameState.Fleets[fleet].Status = 0;
    GameState.Fleets[fleet].Mission = 4;
  }
  Attitude(TNation::Union) = 40;
  UpdateCityControl();
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines[0], "Britain" + Text(13));
  EXPECT_EQ(window.Notices()[0].lines[1], "Union" + Text(14));
  EXPECT_EQ(Attitude(TNation::Union), 39);
}

}  // namespace
