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

TEST_F(FleetMissionsTest, StoresAtRestGoHomeWhenTheStockCanTakeThemAndAreLostOtherwise) {
  struct Row {
    int aboard, stock, stockAfter;
  };
  for (const Row row : {Row{9'999, 40'000, 49'999}, Row{10'000, 0, 0}, Row{12'000, 100, 100},
                        Row{500, 49'999, 50'499}, Row{500, 50'000, 50'000}}) {
    Fresh();
    TFleet& fleet = Fleet(40, 40, TNation::Union);
    SailFor(fleet, TFleetMission::Patrol, kHome, 0);
    fleet.Supplies = row.aboard;
    fleet.Cotton = row.aboard;
    Stock(TNation::Union) = row.stock;
    GameState.Nations[TNation::Union].Cotton[TTheatre::Seaboard] = row.stock;
    ProcessFleetMissions();
    EXPECT_EQ(Stock(TNation::Union), row.stockAfter) << row.aboard << " onto " << row.stock;
    EXPECT_EQ(GameState.Nations[TNation::Union].Cotton[TTheatre::Seaboard], row.stockAfter);
    EXPECT_EQ(fleet.Supplies + fleet.Cotton, 0);
    EXPECT_EQ(fleet.Mission, TFleetMission::Nothing) << "a patrol without an objective ends";
  }
}

TEST_F(FleetMissionsTest, CottonSoldAbroadTakesFromTheBuyersStockDownToAFloorAndPaysInFull) {
  struct Row {
    int stock, stockAfter;
  };
  for (const Row row :
       {Row{2'500, 1'000}, Row{4'000, 1'000}, Row{4'001, 1'001}, Row{10'000, 7'000}}) {
    Fresh();
    TFleet& fleet = Fleet(40, 30, TNation::Union);
    SailFor(fleet, TFleetMission::CottonRun, kHome, kBuyer);
    fleet.Cotton = 3'000;
    fleet.Supplies = 20;
    Stock(TNation::Britain, TTheatre::West) = row.stock;
    ProcessFleetMissions();
    EXPECT_EQ(Stock(TNation::Britain, TTheatre::West), row.stockAfter) << row.stock;
    EXPECT_EQ(fleet.Supplies, 3'020);
    EXPECT_EQ(fleet.Objective, kHome);
    EXPECT_EQ(fleet.DestX, 10);
  }
  // Back home without cotton, the run ends in a report and a refit.
  TFleet& fleet = Fleet(10, 10, TNation::Union);
  SailFor(fleet, TFleetMission::CottonRun, kHome, kHome);
  fleet.Supplies = 3'000;
  ProcessFleetMissions();
  EXPECT_EQ(Stock(TNation::Union), 3'000);
  EXPECT_EQ(fleet.Mission, TFleetMission::Refit);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines[1], "City 1");
}

TEST_F(FleetMissionsTest, AVoyageTurnsForHomeAbroadAndEndsAtHomeRefittingAtEitherYard) {
  struct Row {
    int objective, damaged, yardA, yardB, mission;
  };
  for (const Row row :
       {Row{kBuyer, 0, 1, 1, TFleetMission::Move}, Row{kHome, 1, 0, 0, 0}, Row{kHome, 0, 1, 1, 0},
        Row{kHome, 1, 1, 0, TFleetMission::Refit}, Row{kHome, 1, 0, 1, TFleetMission::Refit}}) {
    Fresh();
    GameState.Cities[kHome].ShipyardA = row.yardA;
    GameState.Cities[kHome].ShipyardB = row.yardB;
    const TCity& port = GameState.Cities[row.objective];
    TFleet& fleet = Fleet(port.X, port.Y, TNation::Union);
    SailFor(fleet, TFleetMission::Move, kHome, row.objective);
    fleet.DamagedShips[TShipType::Transport] = row.damaged;
    ProcessFleetMissions();
    EXPECT_EQ(fleet.Mission, row.mission) << row.objective << row.damaged << row.yardA << row.yardB;
    EXPECT_EQ(fleet.Objective, row.objective == kHome ? 0 : kHome);
  }
  // The next check completes the refit: the damaged ship is back in service.
  ProcessFleetMissions();
  EXPECT_EQ(GameState.Fleets[1].Ships[TShipType::Transport], 2);
  EXPECT_EQ(GameState.Fleets[1].Mission, TFleetMission::Nothing);

  TFleet& landing = Fleet(40, 30, TNation::Union);
  SailFor(landing, TFleetMission::Amphibious, kHome, kBuyer);
  const TCorps& corps = EmbarkCorps(landing);
  ProcessFleetMissions();
  EXPECT_EQ(corps.City, kBuyer) << "the corps lands at the objective";
}

}  // namespace
