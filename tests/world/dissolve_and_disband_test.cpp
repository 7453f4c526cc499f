#include "world/dissolve_and_disband.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/window_fixture.h"
#include "tests/world/force_builders.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

constexpr int kUnion = TNation::Union;

class DisbandTest : public WindowTest {
 protected:
  // A Union corps of two brigades at (20, 20) under a general, with a path it
  // took this turn.
  int Doomed() {
    general = AddLeader({});
    GameState.Leaders[general].Name = "Ambrose Q. Longername";
    const int c = AddCorps(20, 20, TSide::Union, kUnion);
    TCorps& corps = GameState.Corps[c];
    corps.Leader = general;
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
  static int Other(int y, int side, int nation) {
    const int c = AddCorps(20, y, side, nation);
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
  const int a = AddArmy(10, 10, TSide::Union, kUnion);
  TArmy& army = GameState.Armies[a];
  army.Leader = AddLeader({.status = 0});
  army.CorpsCount = 2;
  army.Odds = 300;
  army.AiOrder = 4;
  const int corps = Other(10, TSide::Union, kUnion);
  const int elsewhere = Other(12, TSide::Union, kUnion);
  GameState.Corps[corps].Army = a;
  GameState.Corps[elsewhere].Army = a + 1;
  DissolveArmy(a);
  EXPECT_TRUE(army.IsFree());
  EXPECT_EQ(army.Name.str(), "");
  EXPECT_EQ(
      (std::array<int, 5>{army.Leader, army.CorpsCount, army.TargetCity, army.Odds, army.AiOrder}),
      (std::array{0, 0, 0, 0, 0}));
  EXPECT_EQ(GameState.Leaders[1].Status, 0);
  EXPECT_EQ(GameState.Corps[corps].Army, 0);
  EXPECT_EQ(GameState.Corps[elsewhere].Army, a + 1);
}

// A corps of the nation within one hex takes every brigade quietly; else an
// own city within one hex garrisons them quietly; else the player is told and
// they go to the corps' own supply city, else the nearest city of its camp
// (never an enemy's), else wait at the capital.
TEST_F(DisbandTest, ADisbandedCorpsHandsItsBrigadesToTheNearestOfItsOwn) {
  enum Receiver { kNeighbour, kNearCity, kFarCity, kSupplyCity, kCapital };
  struct Row {
    int neighbourY, neighbourNation, nearCityY, nearCitySide, farCityY, supplyCityY, receiver;
  };
  constexpr int U = TSide::Union, S = TSide::Confederate;
  const Row rows[] = {{21, kUnion, 20, U, 0, 0, kNeighbour},
                      {22, kUnion, 20, U, 0, 0, kNearCity},
                      {21, TNation::France, 22, U, 0, 0, kNearCity},
                      {0, 0, 21, U, 30, 0, kNearCity},
                      {0, 0, 22, U, 40, 0, kNearCity},
                      {0, 0, 21, S, 30, 0, kFarCity},
                      {0, 0, 0, U, 30, 40, kSupplyCity},
                      {0, 0, 21, S, 0, 0, kCapital}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
    TearDown();
    SetUp();
    window.ForgetRecords();
    GameState.Nations[TNation::France].Side = TSide::Union;
    GameState.Nations[kUnion].Capital = 77;
    const int c = Doomed();
    // Its own supply city, far off, comes before any nearer city.
    const int supply = row.supplyCityY == 0 ? 0 : AddCity(20, row.supplyCityY, TSide::Union);
    GameState.Corps[c].City = supply;
    Other(19, TSide::Confederate, TNation::Confederacy);
    const int neighbour =
        row.neighbourY == 0 ? 0 : Other(row.neighbourY, TSide::Union, row.neighbourNation);
    const int far = row.farCityY == 0 ? 0 : AddCity(20, row.farCityY, TSide::Union);
    const int near = row.nearCityY == 0 ? 0 : AddCity(20, row.nearCityY, row.nearCitySide);
    DisbandCorps(c);
    const bool told =
        row.receiver != kNeighbour && !(row.receiver == kNearCity && row.nearCityY <= 21);
    EXPECT_EQ(window.Notices().size(), told ? 1u : 0u);
    switch (row.receiver) {
      case kNeighbour:
        ExpectBrigades(TBrigadeStatus::InCorps, neighbour);
        break;
      case kCapital:
        ExpectBrigades(TBrigadeStatus::ArmedAndWaiting, 77);
        break;
      default:
        ExpectBrigades(TBrigadeStatus::InGarrison, row.receiver == kNearCity  ? near
                                                   : row.receiver == kFarCity ? far
                                                                              : supply);
    }
  }
}

TEST_F(DisbandTest, TheDisbandedNoticeNamesTheCommanderAndTheSlotKeepsOnlyItsPathAndSteps) {
  const int c = Doomed();
  AddCity(20, 30, TSide::Union);
  DisbandCorps(c);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].kind, 0);
  EXPECT_EQ(window.Notices()[0].lines,
            (std::array<std::string, 4>{"Force under Ambrose Q. Longername",
                                        "has been disbanded due ", "to lack of leadership.", ""}));
  const TCorps& corps = GameState.Corps[c];
  EXPECT_TRUE(corps.IsFree());
  EXPECT_EQ((std::array<int, 9>{corps.Nation, corps.Leader, corps.Strength, corps.X, corps.PathStep,
                                corps.StartX, corps.StepsMoved, corps.Path[1], corps.StepDone[1]}),
            (std::array{0, 0, 0, 0, 0, 0, 0, 2, 1}));
  EXPECT_EQ(GameState.Leaders[general].Status, TLeaderStatus::Available);
}

}  // namespace
