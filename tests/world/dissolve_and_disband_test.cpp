#include "world/dissolve_and_disband.h"

#include <array>
#include <string>

#include "support/window_fixture.h"
#include "tests/world/force_builders.h"

namespace {

constexpr int kUnion = TNation::Union, US = TSide::Union, CS = TSide::Confederate;

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
// An enemy corps stands one hex off.
TEST_F(DisbandTest, ADisbandedCorpsHandsItsBrigadesToTheNearestOfItsOwn) {
  enum Receiver { Corps, Near, Far, Supply, Capital };
  using Row = struct { int corpsY, corpsNation, nearY, nearSide, farY, supplyY, receiver; };
  const Row rows[] = {{21, kUnion, 20, US, 0, 0, Corps},
                      {22, kUnion, 20, US, 0, 0, Near},
                      {21, TNation::France, 22, US, 0, 0, Near},
                      {0, 0, 21, US, 30, 0, Near},
                      {0, 0, 22, US, 40, 0, Near},
                      {0, 0, 21, CS, 30, 0, Far},
                      {0, 0, 0, US, 30, 40, Supply},
                      {0, 0, 21, CS, 0, 0, Capital}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    TearDown();
    SetUp();
    window.ForgetRecords();
    GameState.Nations[TNation::France].Side = US;
    GameState.Nations[kUnion].Capital = 77;
    const int c = Doomed();
    // Its own supply city, far off, comes before any nearer city.
    const int supply = GameState.Corps[c].City =
        row.supplyY == 0 ? 0 : AddCity(20, row.supplyY, US);
    Other(19, CS, TNation::Confederacy);
    const int receivers[] = {row.corpsY == 0 ? 0 : Other(row.corpsY, US, row.corpsNation),
                             row.nearY == 0 ? 0 : AddCity(20, row.nearY, row.nearSide),
                             row.farY == 0 ? 0 : AddCity(20, row.farY, US), supply, 77};
    DisbandCorps(c);
    const bool told = row.receiver != Corps && !(row.receiver == Near && row.nearY <= 21);
    const int status = row.receiver == Corps     ? TBrigadeStatus::InCorps
                       : row.receiver == Capital ? TBrigadeStatus::ArmedAndWaiting
                                                 : TBrigadeStatus::InGarrison;
    EXPECT_EQ(window.Notices().size(), told ? 1u : 0u);
    for (int b : brigades) {
      EXPECT_EQ(GameState.Brigades[b].Status, status);
      EXPECT_EQ(GameState.Brigades[b].Location, receivers[row.receiver]);
    }
  }
  // The last row's notice names the commander.
  EXPECT_EQ(window.Notices()[0].lines,
            (std::array<std::string, 4>{"Force under Ambrose Q. Longername",
                                        "has been disbanded due ", "to lack of leadership.", ""}));
}

}  // namespace
