#include "warfare/fleet_missions.h"

#include <gtest/gtest.h>

#include "tests/warfare/fleet_fixture.h"

namespace {

// A Union port in the seaboard theatre, a foreign buyer of cotton across the sea.
class FleetMissionsTest : public FleetTest {
 protected:
  void SetUp() override {
    FleetTest::SetUp();
    home = AddPort(10, 10, TSide::Union);
    buyer = AddPort(40, 30, TSide::None, TTheatre::West);
    GameState.Cities[buyer].Nation = TNation::Britain;
  }
  int home = 0;
  int buyer = 0;
};

TEST_F(FleetMissionsTest, AMissionWithoutAnObjectiveEndsAndARefitThenRestoresTheDamagedShips) {
  struct Row {
    int mission, objective, mission_after, ships_after;
  };
  for (const Row row : {Row{TFleetMission::Patrol, 0, 0, 1}, Row{TFleetMission::Patrol, 87, 0, 1},
                        Row{TFleetMission::Refit, 0, 0, 3}, Row{TFleetMission::Refit, 1, 1, 1}}) {
    Fresh();
    TFleet& fleet = ActiveFleet(30, 30, TNation::Union, 0, 1, 0);
    fleet.DamagedShips[TShipType::Warship] = 2;
    SailFor(fleet, row.mission, home, 0);
    fleet.Objective = static_cast<std::uint8_t>(row.objective);
    ProcessFleetMissions();
    EXPECT_EQ(fleet.Mission, row.mission_after) << row.mission << " " << row.objective;
    EXPECT_EQ(fleet.Ships[TShipType::Warship], row.ships_after);
    EXPECT_EQ(fleet.DamagedShips[TShipType::Warship], 3 - row.ships_after);
  }
}

TEST_F(FleetMissionsTest,
       StoresAtRestGoToTheHomeTheatreUnlessTooLargeForItsStockAndAreLostOtherwise) {
  struct Row {
    int aboard, stock, stock_after;
  };
  for (const Row row : {Row{9'999, 40'000, 49'999}, Row{10'000, 0, 0}, Row{12'000, 100, 100},
                        Row{500, 49'999, 50'499}, Row{500, 50'000, 50'000}}) {
    Fresh();
    TFleet& fleet = ActiveFleet(40, 40, TNation::Union);
    fleet.HomePort = static_cast<std::uint8_t>(home);
    fleet.Supplies = static_cast<std::uint16_t>(row.aboard);
    fleet.Cotton = static_cast<std::uint16_t>(row.aboard);
    SetSupplies(TNation::Union, row.stock);
    GameState.Nations[TNation::Union].Cotton[TTheatre::Seaboard] =
        static_cast<std::uint16_t>(row.stock);
    ProcessFleetMissions();
    EXPECT_EQ(Supplies(TNation::Union), row.stock_after) << row.aboard << " onto " << row.stock;
    EXPECT_EQ(GameState.Nations[TNation::Union].Cotton[TTheatre::Seaboard], row.stock_after);
    EXPECT_EQ(fleet.Supplies, 0);
    EXPECT_EQ(fleet.Cotton, 0);
  }
  Fresh();
  TFleet& homeless = ActiveFleet(40, 40, TNation::Union);
  homeless.Supplies = 70;
  ProcessFleetMissions();
  EXPECT_EQ(homeless.Supplies, 70) << "with no home theatre the stores stay aboard";
}

TEST_F(FleetMissionsTest, CottonSoldAbroadTakesFromTheBuyersStockDownToAFloorAndPaysInFull) {
  struct Row {
    int stock, stock_after;
  };
  for (const Row row :
       {Row{2'500, 1'000}, Row{4'000, 1'000}, Row{4'001, 1'001}, Row{10'000, 7'000}}) {
    Fresh();
    TFleet& fleet = ActiveFleet(40, 30, TNation::Union);
    SailFor(fleet, TFleetMission::CottonRun, home, buyer);
    fleet.Cotton = 3'000;
    fleet.Supplies = 20;
    SetSupplies(TNation::Britain, row.stock, TTheatre::West);
    ProcessFleetMissions();
    EXPECT_EQ(Supplies(TNation::Britain, TTheatre::West), row.stock_after) << row.stock;
    EXPECT_EQ(fleet.Supplies, 3'020);
    EXPECT_EQ(fleet.Cotton, 0);
    EXPECT_EQ(fleet.Objective, home);
    EXPECT_EQ(fleet.DestX, 10);
    EXPECT_EQ(fleet.Mission, TFleetMission::CottonRun);
    EXPECT_TRUE(window.Notices().empty());
  }
}

TEST_F(FleetMissionsTest, ACottonFleetBackWithoutCottonDeliversItsSuppliesReportsAndRefits) {
  TFleet& fleet = ActiveFleet(10, 10, TNation::Union);
  SailFor(fleet, TFleetMission::CottonRun, home, home);
  fleet.Supplies = 3'000;
  SetSupplies(TNation::Union, 500);
  ProcessFleetMissions();
  EXPECT_EQ(Supplies(TNation::Union), 3'500);
  EXPECT_EQ(fleet.Supplies, 0);
  EXPECT_EQ(fleet.Mission, TFleetMission::Refit);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].kind, 17);
  EXPECT_EQ(window.Notices()[0].lines[1], "City 1");
}

TEST_F(FleetMissionsTest, AVoyageTurnsForHomeAbroadAndEndsAtHomeRefittingAtEitherYard) {
  struct Row {
    bool atHome;
    int damaged, yardA, yardB, mission;
  };
  for (const Row row :
       {Row{false, 0, 1, 1, TFleetMission::Move}, Row{true, 1, 1, 0, TFleetMission::Refit},
        Row{true, 1, 0, 1, TFleetMission::Refit}, Row{true, 1, 0, 0, 0}, Row{true, 0, 1, 1, 0}}) {
    Fresh();
    GameState.Cities[home].ShipyardA = static_cast<std::uint8_t>(row.yardA);
    GameState.Cities[home].ShipyardB = static_cast<std::uint8_t>(row.yardB);
    const int objective = row.atHome ? home : buyer;
    TFleet& fleet =
        ActiveFleet(GameState.Cities[objective].X, GameState.Cities[objective].Y, TNation::Union);
    SailFor(fleet, TFleetMission::Move, home, objective);
    fleet.DamagedShips[TShipType::Transport] = static_cast<std::uint8_t>(row.damaged);
    fleet.Supplies = 40;
    ProcessFleetMissions();
    EXPECT_EQ(fleet.Mission, row.mission) << row.atHome << row.damaged << row.yardA << row.yardB;
    EXPECT_EQ(fleet.Objective, row.atHome ? 0 : home);
    EXPECT_EQ(fleet.DestX, row.atHome ? 0 : 10);
    EXPECT_EQ(fleet.Supplies, row.atHome ? 0 : 40);
    EXPECT_EQ(Supplies(TNation::Union), row.atHome ? 40 : 0);
  }
}

TEST_F(FleetMissionsTest, AnAmphibiousFleetLandsOnlyTheCorpsReallyAboardAtItsObjective) {
  TFleet& fleet = ActiveFleet(40, 30, TNation::Union);
  SailFor(fleet, TFleetMission::Amphibious, home, buyer);
  TCorps& corps = EmbarkCorps(fleet);
  ProcessFleetMissions();
  EXPECT_EQ(corps.Stance, TCombatStance::Advance);
  EXPECT_EQ(corps.City, buyer);
  EXPECT_EQ(fleet.Corps, 0);

  TFleet& waiting = ActiveFleet(40, 30, TNation::Union);
  SailFor(waiting, TFleetMission::Amphibious, home, buyer);
  TCorps& ashore = EmbarkCorps(waiting);
  ashore.Stance = TCombatStance::Defend;
  ashore.X = 12;
  ProcessFleetMissions();
  EXPECT_EQ(ashore.X, 12) << "a corps not yet aboard is not carried off";
  EXPECT_EQ(ashore.Stance, TCombatStance::Defend);
}

}  // namespace
