#include "warfare/fleet_missions.h"

#include <gtest/gtest.h>

#include "tests/warfare/fleet_fixture.h"

namespace {

// A Union port at (10, 10) in the seaboard theatre; a British buyer of cotton
// at (40, 30) in the west.
class FleetMissionsTest : public FleetTest {
 protected:
  void SetUp() override {
    FleetTest::SetUp();
    Port(10, 10, TSide::Union);
    Port(40, 30, TSide::None, TTheatre::West);
    GameState.Cities[kBuyer].Nation = TNation::Britain;
  }
  static constexpr int kHome = 1;
  static constexpr int kBuyer = 2;
};

// Stores at rest reach the home theatre's stocks when there are at most 9,999
// of them and the stock is below 50,000; otherwise they are lost.
TEST_F(FleetMissionsTest, StoresAtRestGoHomeWhenTheStockCanTakeThemAndAreLostOtherwise) {
  struct Row {
    int aboard, stock, stockAfter;
  };
  for (const Row row : {Row{9'999, 40'000, 49'999}, Row{10'000, 0, 0}, Row{12'000, 100, 100},
                        Row{500, 49'999, 50'499}, Row{500, 50'000, 50'000}}) {
    Fresh();
    TFleet& fleet = Fleet(40, 40, TNation::Union);
    SailFor(fleet, TFleetMission::Patrol, kHome, 0);
    fleet.Supplies = fleet.Cotton = row.aboard;
    Stock(TNation::Union) = GameState.Nations[TNation::Union].Cotton[TTheatre::Seaboard] = row.stock;
    ProcessFleetMissions();
    EXPECT_EQ(Stock(TNation::Union), row.stockAfter) << row.aboard << " onto " << row.stock;
    EXPECT_EQ(GameState.Nations[TNation::Union].Cotton[TTheatre::Seaboard], row.stockAfter);
    EXPECT_EQ(fleet.Supplies + fleet.Cotton, 0);
  }
}

// The buyer pays a supply a bale out of its stock, kept at 1,000 at least.
TEST_F(FleetMissionsTest, CottonSoldAbroadTakesFromTheBuyersStockDownToAFloorAndPaysInFull) {
  struct Row {
    int stock, stockAfter;
  };
  for (const Row row : {Row{2'500, 1'000}, Row{4'000, 1'000}, Row{4'001, 1'001}}) {
    Fresh();
    TFleet& fleet = Fleet(40, 30, TNation::Union);
    SailFor(fleet, TFleetMission::CottonRun, kHome, kBuyer);
    fleet.Cotton = 3'000;
    fleet.Supplies = 20;
    Stock(TNation::Britain, TTheatre::West) = row.stock;
    ProcessFleetMissions();
    EXPECT_EQ(Stock(TNation::Britain, TTheatre::West), row.stockAfter) << row.stock;
    EXPECT_EQ(fleet.Supplies, 3'020);
    EXPECT_EQ(fleet.DestX, 10);
  }
}

// A voyage abroad turns for home; one ending at home refits at either yard,
// and the refit puts the damaged ships back in service.
TEST_F(FleetMissionsTest, AVoyageTurnsForHomeAbroadAndEndsAtHomeRefittingAtEitherYard) {
  struct Row {
    int objective, damaged, yardA, yardB, mission;
  };
  for (const Row row : {Row{kBuyer, 0, 1, 1, TFleetMission::Move}, Row{kHome, 1, 0, 0, 0},
                        Row{kHome, 0, 1, 1, 0}, Row{kHome, 1, 1, 0, TFleetMission::Refit},
                        Row{kHome, 1, 0, 1, TFleetMission::Refit}}) {
    Fresh();
    GameState.Cities[kHome].ShipyardA = row.yardA;
    GameState.Cities[kHome].ShipyardB = row.yardB;
    const TCity& port = GameState.Cities[row.objective];
    TFleet& fleet = Fleet(port.X, port.Y, TNation::Union);
    SailFor(fleet, TFleetMission::Move, kHome, row.objective);
    fleet.DamagedShips[TShipType::Transport] = row.damaged;
    ProcessFleetMissions();
    EXPECT_EQ(fleet.Mission, row.mission) << row.objective << row.damaged << row.yardA << row.yardB;
  }
  ProcessFleetMissions();
  EXPECT_EQ(GameState.Fleets[1].Ships[TShipType::Transport], 2);
  EXPECT_EQ(GameState.Fleets[1].Mission, TFleetMission::Nothing);
}

}  // namespace
