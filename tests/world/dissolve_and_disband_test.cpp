#include "world/dissolve_and_disband.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/window_fixture.h"
#include "tests/world/force_builders.h"

namespace {

constexpr int kUnion = TNation::Union;
constexpr int US = TSide::Union, CS = TSide::Confederate;

class DisbandTest : public WindowTest {
 protected:
  // A Union corps of two brigades at (20, 20) under a general.
  int Doomed() {
    const int c = AddCorps(20, 20, US, kUnion);
    GameState.Corps[c].Leader = AddLeader({});
    GameState.Leaders[GameState.Corps[c].Leader].Name = "Ambrose Q. Longername";
    for (int& b : brigades) b = AddBrigade({.location = c});
    return c;
  }
  static int Other(int y, int side, int nation) {
    const int c = AddCorps(20, y, side, nation);
    GameState.Corps[c].Strength = 80;
    return c;
  }

  std::array<int, 2> brigades{};
};

// A corps of the nation within one hex takes every brigade quietly; else an
// own city within one hex garrisons them quietly; else the player is told and
// they go to the corps' own supply city, else the nearest city of its camp
// (never an enemy's), else wait at the capital (77). A y of 0 is no such place.
TEST_F(DisbandTest, ADisbandedCorpsHandsItsBrigadesToTheNearestOfItsOwn) {
  enum Receiver { kNeighbour, kNearCity, kFarCity, kSupplyCity, kCapital };
  using Row = struct { int neighbourY, neighbourNation, nearY, nearSide, farY, supplyY, receiver; };
  const Row rows[] = {{21, kUnion, 20, US, 0, 0, kNeighbour},
                      {22, kUnion, 20, US, 0, 0, kNearCity},
                      {21, TNation::France, 22, US, 0, 0, kNearCity},
                      {0, 0, 21, US, 30, 0, kNearCity},
                      {0, 0, 22, US, 40, 0, kNearCity},
                      {0, 0, 21, CS, 30, 0, kFarCity},
                      {0, 0, 0, US, 30, 40, kSupplyCity},
                      {0, 0, 21, CS, 0, 0, kCapital}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    TearDown();
    SetUp();
    window.ForgetRecords();
    GameState.Nations[TNation::France].Side = US;
    GameState.Nations[kUnion].Capital = 77;
    const int c = Doomed();
    // Its own supply city, far off, comes before any nearer city.
    const int supply = row.supplyY == 0 ? 0 : AddCity(20, row.supplyY, US);
    GameState.Corps[c].City = supply;
    Other(19, CS, TNation::Confederacy);
    const int neighbour = row.neighbourY == 0 ? 0 : Other(row.neighbourY, US, row.neighbourNation);
    const int far = row.farY == 0 ? 0 : AddCity(20, row.farY, US);
    const int near = row.nearY == 0 ? 0 : AddCity(20, row.nearY, row.nearSide);
    DisbandCorps(c);
    const bool told = row.receiver != kNeighbour && !(row.receiver == kNearCity && row.nearY <= 21);
    EXPECT_EQ(window.Notices().size(), told ? 1u : 0u);
    const int receivers[] = {neighbour, near, far, supply, 77};
    const int status[] = {TBrigadeStatus::InCorps, TBrigadeStatus::InGarrison,
                          TBrigadeStatus::InGarrison, TBrigadeStatus::InGarrison,
                          TBrigadeStatus::ArmedAndWaiting};
    for (int b : brigades) {
      EXPECT_EQ(GameState.Brigades[b].Status, status[row.receiver]);
      EXPECT_EQ(GameState.Brigades[b].Location, receivers[row.receiver]);
    }
  }
}

TEST_F(DisbandTest, TheDisbandedNoticeNamesTheCommanderAndTheSlotIsFreed) {
  const int c = Doomed();
  const int general = GameState.Corps[c].Leader;
  AddCity(20, 30, US);
  DisbandCorps(c);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines,
            (std::array<std::string, 4>{"Force under Ambrose Q. Longername",
                                        "has been disbanded due ", "to lack of leadership.", ""}));
  EXPECT_TRUE(GameState.Corps[c].IsFree());
  EXPECT_EQ(GameState.Leaders[general].Status, TLeaderStatus::Available);
}

}  // namespace
