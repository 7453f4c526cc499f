#include "warfare/fleet_update.h"

#include <gtest/gtest.h>

#include "tests/warfare/fleet_fixture.h"
#include "warfare/fleet_places.h"

namespace {

using FleetUpdateTest = FleetTest;

// The slowest hull aboard, sound or damaged, sets the allowance: 20, 12 with
// ironclads, 18 with warships; any damage costs five steps.
TEST_F(FleetUpdateTest, TheSlowestHullSetsTheAllowanceAndDamageCostsFive) {
  struct Row {
    int ironclads, warships, damagedType, allowance;
  };
  for (const Row row : {Row{0, 0, 0, 20}, Row{1, 0, 0, 12}, Row{1, 1, 0, 18},
                        Row{0, 0, TShipType::Transport, 15}, Row{0, 0, TShipType::Ironclad, 7}}) {
    TFleet& fleet = Fleet(5, 5, TNation::Union, row.ironclads, row.warships, 1);
    if (row.damagedType != 0) fleet.DamagedShips[row.damagedType] = 1;
    EXPECT_EQ(FleetMoveAllowance(fleet), row.allowance) << row.ironclads << row.damagedType;
  }
}

// A computer runner two hexes off its blockaded home port (10, 10) makes for
// the port nearest counting ten hexes per ironclad off it; the lower index
// wins a tie, and with every port out of reach it tries its own. A human
// fleet is never re-homed.
TEST_F(FleetUpdateTest, ABlockadedRunnerMakesForTheNearestPortCountingTheIronclads) {
  struct Row {
    int otherPortRow, blockaders, mission, human, refuge;
  };
  for (const Row row : {Row{0, 2, TFleetMission::CottonRun, 0, 1},
                        Row{33, 2, TFleetMission::CottonRun, 0, 2},
                        Row{34, 2, TFleetMission::CottonRun, 0, 1},
                        Row{0, 20, TFleetMission::Patrol, 0, 1},
                        Row{20, 2, TFleetMission::Patrol, 1, 1}}) {
    Fresh();
    const int home = Port(10, 10, TSide::Confederate);
    if (row.otherPortRow != 0) Port(10, row.otherPortRow, TSide::Confederate);
    GameState.Nations[TNation::Confederacy].Human = row.human;
    TFleet& runner = Fleet(10, 12, TNation::Confederacy);
    SailFor(runner, row.mission, home, home);
    Fleet(10, 10, TNation::Union, row.blockaders, 0, 0).Mission = TFleetMission::Patrol;
    UpdateFleets();
    EXPECT_EQ(runner.HomePort, row.refuge) << row.otherPortRow << " " << row.blockaders;
    EXPECT_EQ(runner.Mission, row.human ? row.mission : TFleetMission::CottonRun);
  }
}

// A computer fleet whose port fell sails for another of its nation's ports
// (a river fleet only for one with a river landing); with none it is
// scuttled in the lost port, its corps put ashore first, but sails on at sea.
TEST_F(FleetUpdateTest, AFleetWhosePortFellSailsForAnotherOrIsScuttledThere) {
  struct Row {
    int otherPort, kind, human, x, status, homePort;
  };
  // Other ports: 0 none, 1 a sea port, 2 a sea port without a river landing.
  for (const Row row : {Row{1, 0, 0, 10, 0, 2}, Row{0, 0, 0, 10, 255, 0},
                        Row{2, kRiverFleet, 0, 10, 255, 0}, Row{0, 0, 1, 10, 0, 1},
                        Row{0, 0, 0, 20, 0, 1}}) {
    Fresh();
    const int lost = Port(10, 10, TSide::Union);
    if (row.otherPort != 0) Port(30, 30, TSide::Confederate);
    GameState.Cities[2].RiverPort = row.otherPort == 1 ? 1 : 0;
    GameState.Nations[TNation::Confederacy].Human = row.human;
    TFleet& fleet = Fleet(row.x, 10, TNation::Confederacy);
    fleet.HomePort = lost;
    fleet.Kind = row.kind;
    const TCorps& corps = EmbarkCorps(fleet);
    UpdateFleets();
    EXPECT_EQ(fleet.Status, row.status) << row.otherPort << row.kind << row.human << row.x;
    EXPECT_EQ(fleet.HomePort, row.homePort);
    if (row.status == 0) continue;
    EXPECT_EQ(corps.Stance, TCombatStance::Defend);
    ASSERT_EQ(window.Notices().size(), 1u);
    EXPECT_EQ(window.Notices()[0].lines,
              (std::array<std::string, 4>{"text 152", "City 1", "text 155", "1"}));
  }
}

// A Union fleet fighting within three hexes of the British port sours
// Britain on a draw below 50, while its attitude lies between 1 and 99.
TEST_F(FleetUpdateTest, AUnionPatrolOffTheBritishPortSoursBritainOnHalfTheDraws) {
  struct Row {
    int nation, distance, attitude, draw, attitudeAfter;
  };
  for (const Row row : {Row{TNation::Union, 3, 50, 49, 49}, Row{TNation::Union, 3, 50, 50, 50},
                        Row{TNation::Union, 4, 50, kNoDraw, 50}, Row{TNation::Union, 3, 1, 0, 0},
                        Row{TNation::Union, 3, 99, 0, 98}, Row{TNation::Union, 3, 100, kNoDraw, 100},
                        Row{TNation::Union, 3, 0, kNoDraw, 0},
                        Row{TNation::Confederacy, 0, 50, kNoDraw, 50}}) {
    Fresh();
    GameState.Cities[86].X = 50;
    GameState.Cities[86].Y = 20;
    const int objective = Port(50, 20 + row.distance, TSide::Confederate);
    SailFor(Fleet(50, 20 + row.distance, row.nation, 0, 2, 0), TFleetMission::Patrol, 0, objective);
    GameState.Nations[TNation::Britain].Attitude = row.attitude;
    DrawOf100(row.draw);
    UpdateFleets();
    EXPECT_EQ(GameState.Nations[TNation::Britain].Attitude, row.attitudeAfter)
        << row.nation << " " << row.distance << " " << row.attitude;
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  }
}

// The Union's balance: ironclads against the enemy's (a damaged ship half a
// sound one), able to carry troops at 11 points of ironclads and warships
// with 4 of transports. Empty fleets are freed unless just laid down (25).
TEST_F(FleetUpdateTest, TheNavalBalanceWeighsSeaPowerAndEmptyFleetsAreFreed) {
  struct Row {
    int ironclads, warships, damagedWarships, transports, damagedTransports, enemyIronclads,
        balance;
  };
  for (const Row row : {Row{1, 0, 0, 0, 0, 1, 2}, Row{1, 0, 0, 0, 0, 0, 3},
                        Row{0, 0, 0, 0, 0, 1, 1}, Row{1, 4, 1, 2, 0, 0, 4},
                        Row{1, 4, 0, 2, 0, 0, 3}, Row{1, 4, 1, 1, 1, 0, 3}}) {
    Fresh();
    Port(10, 10, TSide::Union);
    TFleet& fleet = Fleet(10, 10, TNation::Union, row.ironclads, row.warships, row.transports);
    fleet.DamagedShips[TShipType::Warship] = row.damagedWarships;
    fleet.DamagedShips[TShipType::Transport] = row.damagedTransports;
    Fleet(20, 20, TNation::Confederacy, row.enemyIronclads, 0, 1);
    ComputeNavalTotals();
    EXPECT_EQ(GameState.Nations[TNation::Union].NavalBalance, row.balance)
        << row.ironclads << row.warships << row.damagedWarships << row.transports
        << row.damagedTransports << row.enemyIronclads;
  }
  Fleet(30, 30, TNation::Confederacy, 0, 0, 0).Status = 24;
  Fleet(30, 30, TNation::Confederacy, 0, 0, 0).Status = 25;
  ComputeNavalTotals();
  EXPECT_EQ(GameState.Fleets[3].Status, 255);
  EXPECT_EQ(GameState.Fleets[4].Status, 25);
}

// A fleet is recalled home when idle away from it, or on a mission without
// supplies (a cotton run needs none), damaged, or landed at its objective;
// a corps aboard goes ashore only on land.
TEST_F(FleetUpdateTest, StrayEmptyDamagedOrSpentFleetsAreRecalledHome) {
  struct Row {
    int x, mission, supplies, damaged;
    bool recalled;
  };
  const int home = Port(10, 10, TSide::Union);
  const int objective = Port(30, 10, TSide::Confederate);
  // Each row is a fleet of its own at sea, at home (column 10) or on the objective (30).
  const Row rows[] = {Row{30, 0, 0, 0, true},  Row{10, 0, 0, 0, false}, Row{10, 1, 0, 0, true},
                      Row{20, 4, 0, 0, true},  Row{20, 4, 1, 0, false}, Row{20, 3, 0, 0, false},
                      Row{20, 4, 10, 1, true}, Row{30, 6, 10, 0, true}, Row{20, 6, 10, 0, false}};
  for (const Row row : rows) {
    TFleet& fleet = Fleet(row.x, 10, TNation::Union);
    SailFor(fleet, row.mission, home, row.mission != 0 ? objective : 0);
    fleet.Supplies = row.supplies;
    fleet.DamagedShips[TShipType::Transport] = row.damaged;
  }
  const TCorps& landed = EmbarkCorps(GameState.Fleets[1]);
  const TCorps& aboard = EmbarkCorps(GameState.Fleets[4]);
  RecallFleetsToPort(TNation::Union);
  for (int f = 1; f <= 9; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    EXPECT_EQ(fleet.Mission == TFleetMission::Move && fleet.DestX == 10, rows[f - 1].recalled) << f;
  }
  EXPECT_EQ(landed.Stance, TCombatStance::Defend);
  EXPECT_EQ(aboard.Stance, TCombatStance::Embarked);
}

}  // namespace
