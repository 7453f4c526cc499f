#include "warfare/fleet_update.h"

#include <gtest/gtest.h>

#include "tests/warfare/fleet_fixture.h"
#include "warfare/fleet_places.h"
#include "world/random.h"

namespace {

using FleetUpdateTest = FleetTest;

TEST_F(FleetUpdateTest, TheSlowestHullDamagedOrNotSetsTheAllowanceAndDamageCostsFiveSteps) {
  struct Row {
    int ironclads, warships, damagedType, allowance;
  };
  for (const Row row : {Row{0, 0, 0, 20}, Row{1, 0, 0, 12}, Row{0, 1, 0, 18}, Row{1, 1, 0, 18},
                        Row{1, 1, TShipType::Warship, 13}, Row{0, 0, TShipType::Transport, 15},
                        Row{0, 0, TShipType::Ironclad, 7}}) {
    Fresh();
    TFleet& fleet = ActiveFleet(5, 5, TNation::Union, row.ironclads, row.warships, 1);
    if (row.damagedType != 0) fleet.DamagedShips[row.damagedType] = 1;
    EXPECT_EQ(FleetMoveAllowance(fleet), row.allowance)
        << row.ironclads << row.warships << row.damagedType;
  }
}

TEST_F(FleetUpdateTest, EachFleetUnderWayGetsAFreshPathAndNewFleetsPutToSeaAtHome) {
  const int port = AddPort(10, 10, TSide::Union);
  TFleet& fleet = ActiveFleet(10, 20, TNation::Union, 1, 0, 0);
  SailFor(fleet, TFleetMission::Move, port, port);
  fleet.Supplies = 30;
  fleet.PathStep = 7;
  TFleet& arrived = ActiveFleet(10, 10, TNation::Union, 0, 1, 0);
  SailFor(arrived, TFleetMission::Patrol, port, port);
  arrived.Path[1] = kNorth;
  TFleet& launched = ActiveFleet(0, 0, TNation::Union);
  launched.Status = 23;
  launched.HomePort = static_cast<std::uint8_t>(port);
  TFleet& building = ActiveFleet(0, 0, TNation::Union);
  building.Status = 24;
  building.HomePort = static_cast<std::uint8_t>(port);
  UpdateFleets();
  for (int s = 1; s <= 10; ++s) EXPECT_EQ(fleet.Path[s], kNorth) << "entry " << s;
  EXPECT_EQ(fleet.Path[11], 0);
  EXPECT_EQ(fleet.PathStep, 1);
  EXPECT_EQ(fleet.MoveAllowance, 12);
  EXPECT_EQ(arrived.Path[1], 0) << "a fleet on its destination stays";
  EXPECT_EQ(launched.X, 10);
  EXPECT_EQ(launched.Y, 10);
  EXPECT_EQ(building.X, 0);
}

// A Confederate computer fleet two hexes off its home port, which two Union
// ironclads blockade: its cotton run home must find another way in.
class BlockadeTest : public FleetTest {
 protected:
  void SetUp() override {
    FleetTest::SetUp();
    home = AddPort(10, 10, TSide::Confederate);
    TFleet& runner = ActiveFleet(10, 12, TNation::Confederacy);
    SailFor(runner, TFleetMission::CottonRun, home, home);
    TFleet& blockader = ActiveFleet(10, 10, TNation::Union, 2, 0, 0);
    blockader.Mission = TFleetMission::Patrol;
  }
  static TFleet& Runner() { return GameState.Fleets[1]; }
  int home = 0;
};

TEST_F(BlockadeTest, EachIroncladOffAPortWeighsTenHexesAgainstItAndTheRunnerMakesForTheBest) {
  struct Row {
    int otherPortRow, blockaders, mission, refuge;
  };
  // With twenty ironclads off it no port is in reach, and the runner tries its
  // own port all the same.
  for (const Row row :
       {Row{0, 2, TFleetMission::CottonRun, 1}, Row{33, 2, TFleetMission::CottonRun, 2},
        Row{34, 2, TFleetMission::CottonRun, 1}, Row{0, 20, TFleetMission::Patrol, 1}}) {
    Fresh();
    if (row.otherPortRow != 0) AddPort(10, row.otherPortRow, TSide::Confederate);
    GameState.Fleets[2].Ships[TShipType::Ironclad] = static_cast<std::uint8_t>(row.blockaders);
    Runner().Mission = static_cast<std::uint8_t>(row.mission);
    UpdateFleets();
    EXPECT_EQ(Runner().HomePort, row.refuge) << row.otherPortRow << " " << row.blockaders;
    EXPECT_EQ(Runner().Objective, row.refuge);
    EXPECT_EQ(Runner().Mission, TFleetMission::CottonRun);
    EXPECT_EQ(Runner().DestY, GameState.Cities[row.refuge].Y);
  }
  Fresh();
  AddPort(10, 20, TSide::Confederate);
  GameState.Nations[TNation::Confederacy].Human = 1;
  UpdateFleets();
  EXPECT_EQ(Runner().HomePort, home) << "a player's fleet is never re-homed";
}

TEST_F(FleetUpdateTest, AComputerFleetWhosePortFellSailsForAnotherOrIsScuttledThere) {
  struct Row {
    int otherPort, kind, human, status, homePort;
  };
  // Other ports: 0 none, 1 a sea port, 2 a sea port without a river landing.
  for (const Row row : {Row{1, 0, 0, 0, 2}, Row{0, 0, 0, 255, 0}, Row{2, kRiverFleet, 0, 255, 0},
                        Row{0, 0, 1, 0, 1}}) {
    Fresh();
    const int lost = AddPort(10, 10, TSide::Union);
    if (row.otherPort != 0) AddPort(30, 30, TSide::Confederate);
    GameState.Cities[2].RiverPort = row.otherPort == 1 ? 1 : 0;
    GameState.Nations[TNation::Confederacy].Human = static_cast<std::uint8_t>(row.human);
    TFleet& fleet = ActiveFleet(10, 10, TNation::Confederacy);
    fleet.HomePort = static_cast<std::uint8_t>(lost);
    fleet.Kind = static_cast<std::uint8_t>(row.kind);
    fleet.Number = 7;
    TCorps& corps = EmbarkCorps(fleet);
    UpdateFleets();
    EXPECT_EQ(fleet.Status, row.status) << row.otherPort << row.kind << row.human;
    EXPECT_EQ(fleet.HomePort, row.homePort);
    if (row.status == 0) continue;
    EXPECT_EQ(fleet.Number, 7) << "a freed slot keeps its number";
    EXPECT_EQ(fleet.Corps, 0);
    EXPECT_EQ(corps.Stance, TCombatStance::Defend)
        << "the corps goes ashore before the ships go down";
    ASSERT_EQ(window.Notices().size(), 1u);
    EXPECT_EQ(window.Notices()[0].kind, 15);
    EXPECT_EQ(window.Notices()[0].lines,
              (std::array<std::string, 4>{"text 152", "City 1", "text 155", "1"}));
  }
  Fresh();
  AddPort(10, 10, TSide::Union);
  TFleet& atSea = ActiveFleet(20, 20, TNation::Confederacy);
  atSea.HomePort = 1;
  UpdateFleets();
  EXPECT_EQ(atSea.Status, 0) << "with no port left a fleet at sea sails on";
}

TEST_F(FleetUpdateTest, AUnionPatrolOffTheBritishPortSoursBritainOnHalfTheDraws) {
  struct Row {
    int nation, distance, attitude, draw, attitude_after;
  };
  constexpr int kNoDraw = -1;
  for (const Row row :
       {Row{TNation::Union, 3, 50, 49, 49}, Row{TNation::Union, 3, 50, 50, 50},
        Row{TNation::Union, 4, 50, kNoDraw, 50}, Row{TNation::Union, 3, 1, 0, 0},
        Row{TNation::Union, 3, 100, kNoDraw, 100}, Row{TNation::Union, 3, 0, kNoDraw, 0},
        Row{TNation::Confederacy, 0, 50, kNoDraw, 50}}) {
    Fresh();
    GameState.Cities[86].X = 50;
    GameState.Cities[86].Y = 20;
    const int objective = AddPort(50, 20 + row.distance, TSide::Confederate);
    TFleet& fleet = ActiveFleet(50, 20 + row.distance, row.nation, 0, 2, 0);
    SailFor(fleet, TFleetMission::Patrol, 0, objective);
    GameState.Nations[TNation::Britain].Attitude = static_cast<std::int16_t>(row.attitude);
    if (row.draw == kNoDraw)
      ScriptRandomDraws({});
    else
      ScriptRandomDraws({{100, row.draw}});
    UpdateFleets();
    EXPECT_EQ(GameState.Nations[TNation::Britain].Attitude, row.attitude_after)
        << row.nation << " " << row.distance << " " << row.attitude;
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  }
}

TEST_F(FleetUpdateTest, TheNavalTotalsFreeEmptyFleetsAndWeighTheUnionsSeaPowerAgainstTheEnemys) {
  struct Row {
    int ironclads, warships, damagedWarships, transports, damagedTransports, enemyIronclads,
        balance;
  };
  for (const Row row :
       {Row{1, 0, 0, 0, 0, 1, 2}, Row{1, 0, 0, 0, 0, 0, 3}, Row{0, 0, 0, 0, 0, 1, 1},
        Row{1, 4, 1, 2, 0, 0, 4}, Row{1, 4, 0, 2, 0, 0, 3}, Row{1, 4, 1, 1, 1, 0, 3}}) {
    Fresh();
    AddPort(10, 10, TSide::Union);
    TFleet& fleet =
        ActiveFleet(10, 10, TNation::Union, row.ironclads, row.warships, row.transports);
    fleet.DamagedShips[TShipType::Warship] = static_cast<std::uint8_t>(row.damagedWarships);
    fleet.DamagedShips[TShipType::Transport] = static_cast<std::uint8_t>(row.damagedTransports);
    ActiveFleet(20, 20, TNation::Confederacy, row.enemyIronclads, 0, 1);
    ComputeNavalTotals();
    EXPECT_EQ(GameState.Nations[TNation::Union].NavalBalance, row.balance)
        << row.ironclads << row.warships << row.damagedWarships << row.transports
        << row.damagedTransports << row.enemyIronclads;
    EXPECT_EQ(GameState.Nations[TNation::Confederacy].NavalBalance, 0)
        << "the South holds no sea port";
  }
  Fresh();
  AddPort(10, 10, TSide::Confederate);
  ActiveFleet(10, 10, TNation::Confederacy, 5, 0, 0);
  TFleet& empty = ActiveFleet(10, 10, TNation::Confederacy, 0, 0, 0);
  empty.Status = 24;
  empty.Number = 3;
  empty.Mission = TFleetMission::Patrol;
  TFleet& laidDown = ActiveFleet(10, 10, TNation::Confederacy, 0, 0, 0);
  laidDown.Status = 25;
  ComputeNavalTotals();
  EXPECT_EQ(GameState.Nations[TNation::Confederacy].NavalBalance, 2)
      << "only the Union weighs its power";
  EXPECT_EQ(empty.Status, 255);
  EXPECT_EQ(empty.Number, 3);
  EXPECT_EQ(empty.Mission, 0);
  EXPECT_EQ(empty.Nation, 0);
  EXPECT_EQ(laidDown.Status, 25);
}

TEST_F(FleetUpdateTest, ShipsAreTalliedByWatersAndTypeForTheNationsActiveFleetsOnly) {
  ActiveFleet(10, 10, TNation::Union, 1, 2, 3);
  ActiveFleet(10, 10, TNation::Union, 4, 5, 6).Kind = kRiverFleet;
  ActiveFleet(10, 10, TNation::Union, 9, 9, 9).Status = 3;
  ActiveFleet(10, 10, TNation::Confederacy, 9, 9, 9);
  ComputeNavalTotals();
  const auto& tally = GameState.Nations[TNation::Union].ShipTally;
  const int expected[] = {4, 2, 5, 3, 6, 1};
  for (int k = 1; k <= 6; ++k) EXPECT_EQ(tally[k], expected[k - 1]) << "tally " << k;
}

TEST_F(FleetUpdateTest, StrayEmptyDamagedOrSpentFleetsAreRecalledHomeAndLandTheirCorpsAshore) {
  struct Row {
    int x, mission, supplies, damaged;
    bool recalled;
  };
  // Home is at column 10, the objective at column 30.
  for (const Row row :
       {Row{30, 0, 0, 0, true}, Row{10, 0, 0, 0, false}, Row{10, 1, 0, 0, true},
        Row{20, 4, 0, 0, true}, Row{20, 4, 1, 0, false}, Row{20, 3, 0, 0, false},
        Row{20, 4, 10, 1, true}, Row{30, 6, 10, 0, true}, Row{20, 6, 10, 0, false}}) {
    Fresh();
    const int home = AddPort(10, 10, TSide::Union);
    const int objective = AddPort(30, 10, TSide::Confederate);
    TFleet& fleet = ActiveFleet(row.x, 10, TNation::Union);
    SailFor(fleet, row.mission, home, row.mission != 0 ? objective : 0);
    fleet.Supplies = static_cast<std::uint16_t>(row.supplies);
    fleet.DamagedShips[TShipType::Transport] = static_cast<std::uint8_t>(row.damaged);
    RecallFleetsToPort(TNation::Union);
    EXPECT_EQ(fleet.Mission, row.recalled ? TFleetMission::Move : row.mission)
        << row.x << " " << row.mission;
    EXPECT_EQ(fleet.Objective, row.recalled ? home : fleet.Objective);
    if (row.recalled) {
      EXPECT_EQ(fleet.DestX, 10);
    }
  }
  Fresh();
  AddPort(10, 10, TSide::Union);
  const int landing = AddPort(30, 10, TSide::Union);
  TFleet& inPort = ActiveFleet(30, 10, TNation::Union);
  SailFor(inPort, TFleetMission::Nothing, 1, 0);
  TCorps& landed = EmbarkCorps(inPort);
  TFleet& atSea = ActiveFleet(20, 20, TNation::Union);
  SailFor(atSea, TFleetMission::Nothing, 1, 0);
  TCorps& aboard = EmbarkCorps(atSea);
  RecallFleetsToPort(TNation::Union);
  EXPECT_EQ(landing, 2);
  EXPECT_EQ(landed.Stance, TCombatStance::Defend);
  EXPECT_EQ(inPort.Corps, 0);
  EXPECT_EQ(aboard.Stance, TCombatStance::Embarked);
  EXPECT_NE(atSea.Corps, 0);
}

}  // namespace
