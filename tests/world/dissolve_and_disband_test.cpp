#include "world/dissolve_and_disband.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/window_fixture.h"
#include "tests/world/force_builders.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

class DisbandTest : public WindowTest {
 protected:
  // A Union corps of two brigades under a general, with a path it took this turn.
  int Doomed(int x, int y) {
    general = AddLeader({});
    GameState.Leaders[general].Name = "Ambrose Q. Longername";
    const int c = AddCorps(x, y, TSide::Union, TNation::Union);
    TCorps& corps = GameState.Corps[c];
    corps.Leader = static_cast<std::uint8_t>(general);
    corps.Strength = 160;
    corps.OtherBrigades = 2;
    corps.StartX = 5;
    corps.StepsMoved = 3;
    corps.Path[1] = 2;
    corps.StepDone[1] = 1;
    first = AddBrigade({.location = c});
    second = AddBrigade({.location = c});
    return c;
  }

  static int Other(int x, int y, int side, int nation) {
    const int c = AddCorps(x, y, side, nation);
    GameState.Corps[c].Strength = 80;
    return c;
  }

  void ExpectBrigades(int status, int location) const {
    for (int b : {first, second}) {
      EXPECT_EQ(GameState.Brigades[b].Status, status) << "brigade " << b;
      EXPECT_EQ(GameState.Brigades[b].Location, location) << "brigade " << b;
    }
  }

  int general = 0;
  int first = 0;
  int second = 0;
};

TEST_F(DisbandTest, DissolvingAnArmyFreesItsSlotAndItsCorpsButLeavesItsCommander) {
  const int a = AddArmy(10, 10, TSide::Union, TNation::Union);
  TArmy& army = GameState.Armies[a];
  const int commander = AddLeader({});
  GameState.Leaders[commander].Status = 0;
  army.Leader = static_cast<std::uint8_t>(commander);
  army.CorpsCount = 2;
  army.Odds = 300;
  army.AiOrder = 4;
  const int corps = Other(10, 10, TSide::Union, TNation::Union);
  const int elsewhere = Other(12, 10, TSide::Union, TNation::Union);
  GameState.Corps[corps].Army = static_cast<std::uint8_t>(a);
  GameState.Corps[elsewhere].Army = static_cast<std::uint8_t>(a + 1);

  DissolveArmy(a);

  EXPECT_TRUE(army.IsFree());
  EXPECT_EQ(army.Name.str(), "");
  EXPECT_EQ(army.Leader, 0);
  EXPECT_EQ(army.CorpsCount, 0);
  EXPECT_EQ(army.TargetCity, 0);
  EXPECT_EQ(army.Odds, 0);
  EXPECT_EQ(army.AiOrder, 0);
  EXPECT_EQ(GameState.Leaders[commander].Status, 0);
  EXPECT_EQ(GameState.Corps[corps].Army, 0);
  EXPECT_EQ(GameState.Corps[elsewhere].Army, a + 1);
}

TEST_F(DisbandTest, ANeighbouringCorpsOfTheNationTakesEveryBrigadeQuietly) {
  const int c = Doomed(20, 20);
  Other(20, 21, TSide::Confederate, TNation::Confederacy);
  const int receiver = Other(20, 19, TSide::Union, TNation::Union);
  Other(20, 20, TSide::Union, TNation::Union);  // a second neighbour gets nothing
  AddCity(20, 20, TSide::Union);

  DisbandCorps(c);

  ExpectBrigades(TBrigadeStatus::InCorps, receiver);
  EXPECT_TRUE(window.Notices().empty());
}

TEST_F(DisbandTest, AnAllyOfAnotherNationTakesNoBrigades) {
  GameState.Nations[TNation::France].Side = TSide::Union;
  const int c = Doomed(20, 20);
  Other(20, 21, TSide::Union, TNation::France);
  const int city = AddCity(20, 22, TSide::Union);  // two hexes off
  DisbandCorps(c);
  ExpectBrigades(TBrigadeStatus::InGarrison, city);
  EXPECT_EQ(window.Notices().size(), 1u);
}

TEST_F(DisbandTest, ACorpsOnItsOwnCityWithNoCorpsNearbyJoinsTheGarrison) {
  const int c = Doomed(20, 20);
  Other(20, 22, TSide::Union, TNation::Union);  // two hexes off
  const int city = AddCity(20, 20, TSide::Union);
  DisbandCorps(c);
  ExpectBrigades(TBrigadeStatus::InGarrison, city);
  EXPECT_EQ(GameState.Cities[city].GarrisonCount, 2);
  EXPECT_TRUE(window.Notices().empty());
}

TEST_F(DisbandTest, AnEnemyCityNextToTheCorpsNeverTakesItsBrigades) {
  const int c = Doomed(20, 20);
  const int enemyCity = AddCity(20, 21, TSide::Confederate);
  const int ownCity = AddCity(20, 30, TSide::Union);
  DisbandCorps(c);
  ExpectBrigades(TBrigadeStatus::InGarrison, ownCity);
  EXPECT_EQ(GameState.Cities[enemyCity].GarrisonCount, 0);
  EXPECT_EQ(window.Notices().size(), 1u);
}

TEST_F(DisbandTest, ACorpsAloneInTheFieldTellsThePlayerAndSendsItsBrigadesToTheNearestCity) {
  const int c = Doomed(20, 20);
  AddCity(20, 40, TSide::Union);
  const int nearest = AddCity(20, 30, TSide::Union);

  DisbandCorps(c);

  ASSERT_EQ(window.Notices().size(), 1u);
  const RecordedNotice& notice = window.Notices()[0];
  EXPECT_EQ(notice.kind, 0);
  EXPECT_EQ(notice.lines,
            (std::array<std::string, 4>{"Force under Ambrose Q. Longername",
                                        "has been disbanded due ", "to lack of leadership.", ""}));
  ExpectBrigades(TBrigadeStatus::InGarrison, nearest);
}

TEST_F(DisbandTest, ADisbandedCorpsSlotIsFreeAndKeepsOnlyItsPathAndSteps) {
  const int c = Doomed(20, 20);
  AddCity(20, 20, TSide::Union);
  DisbandCorps(c);
  const TCorps& corps = GameState.Corps[c];
  EXPECT_TRUE(corps.IsFree());
  EXPECT_EQ(corps.Nation, 0);
  EXPECT_EQ(corps.Leader, 0);
  EXPECT_EQ(corps.Strength, 0);
  EXPECT_EQ(corps.X, 0);
  EXPECT_EQ(corps.PathStep, 0);
  EXPECT_EQ(corps.StartX, 0);
  EXPECT_EQ(corps.StepsMoved, 0);
  EXPECT_EQ(corps.Path[1], 2);
  EXPECT_EQ(corps.StepDone[1], 1);
  EXPECT_EQ(GameState.Leaders[general].Status, TLeaderStatus::Available);
}

}  // namespace
