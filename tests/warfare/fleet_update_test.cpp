#include "warfare/fleet_update.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/warfare/fleet_fixture.h"
#include "world/fleet_places.h"

namespace {

using FleetUpdateTest = FleetTest;
using R4 = std::tuple<int, int, int, int>;
using R5 = std::tuple<int, int, int, int, int>;
constexpr int kRun = TFleetMission::CottonRun;
constexpr int kPatrol = TFleetMission::Patrol;

// The slowest hull aboard, sound or damaged, sets the allowance: 20, 12 with
// ironclads, 18 with warships; any damage costs five steps.
TEST_F(FleetUpdateTest, TheSlowestHullSetsTheAllowanceAndDamageCostsFive) {
  for (const auto& [ironclads, warships, damagedType, allowance] :
       {R4{0, 0, 0, 20}, R4{1, 0, 0, 12}, R4{1, 1, 0, 18}, R4{0, 0, TShipType::Ironclad, 7}}) {
    TFleet& fleet = Fleet(5, 5, TNation::Union, ironclads, warships, 1);
    if (damagedType != 0) fleet.DamagedShips[damagedType] = 1;
    EXPECT_EQ(FleetMoveAllowance(fleet), allowance) << ironclads << warships << damagedType;
  }
}

// A computer runner two hexes off its blockaded home port (10, 10) makes for
// the port nearest counting ten hexes per ironclad and five per warship off
// it; the lower index wins a tie, and with every port out of reach it tries
// its own. A human fleet is never re-homed.
TEST_F(FleetUpdateTest, ABlockadedRunnerMakesForTheNearestPortCountingTheIronclads) {
  using R6 = std::tuple<int, int, int, int, int, int>;
  for (const auto& [otherPortRow, blockaders, warships, mission, human, refuge] :
       {R6{0, 2, 0, kRun, 0, 1}, R6{33, 2, 0, kRun, 0, 2}, R6{34, 2, 0, kRun, 0, 1},
        R6{33, 0, 4, kRun, 0, 2}, R6{34, 0, 4, kRun, 0, 1}, R6{0, 20, 0, kPatrol, 0, 1},
        R6{20, 2, 0, kPatrol, 1, 1}}) {
    Fresh();
    const int home = Port(10, 10, TSide::Confederate);
    if (otherPortRow != 0) Port(10, otherPortRow, TSide::Confederate);
    GameState.Nations[TNation::Confederacy].Human = human;
    TFleet& runner = Fleet(10, 12, TNation::Confederacy);
    SailFor(runner, mission, home, home);
    Fleet(10, 10, TNation::Union, blockaders, warships, 0).Mission = kPatrol;
    UpdateFleets();
    EXPECT_EQ(runner.HomePort, refuge) << otherPortRow << " " << blockaders << " " << human;
    EXPECT_EQ(runner.Mission, human ? mission : kRun);
  }
}

// A computer fleet whose port fell sails for another port of its nation (a
// river fleet only for one with a river landing); with none it is scuttled
// in the lost port, its corps put ashore first, but sails on at sea.
TEST_F(FleetUpdateTest, AFleetWhosePortFellSailsForAnotherOrIsScuttledThere) {
  // Other port: 0 none, 1 a sea port with a river landing, 2 one without.
  for (const auto& [otherPort, kind, human, x, homePort] :
       {R5{1, 0, 0, 10, 2}, R5{0, 0, 0, 10, 0}, R5{2, kRiverFleet, 0, 10, 0}, R5{0, 0, 1, 10, 1},
        R5{0, 0, 0, 20, 1}}) {
    Fresh();
    const int lost = Port(10, 10, TSide::Union);
    if (otherPort != 0) GameState.Cities[Port(30, 30, TSide::Confederate)].RiverPort = otherPort == 1;
    GameState.Nations[TNation::Confederacy].Human = human;
    TFleet& fleet = Fleet(x, 10, TNation::Confederacy);
    fleet.HomePort = lost;
    fleet.Kind = kind;
    const TCorps& corps = EmbarkCorps(fleet);
    UpdateFleets();
    EXPECT_EQ(fleet.HomePort, homePort) << otherPort << kind << human << x;
    if (homePort != 0) continue;
    EXPECT_EQ(corps.Stance, TCombatStance::Defend);
    EXPECT_EQ(window.Notices().at(0).lines,
              (std::array<std::string, 4>{"text 152", "City 1", "text 155", "1"}));
  }
}

// A Union fleet fighting within three hexes of the British port sours
// Britain on a draw below 50, while its attitude lies between 1 and 99.
TEST_F(FleetUpdateTest, AUnionPatrolOffTheBritishPortSoursBritainOnHalfTheDraws) {
  for (const auto& [nation, distance, attitude, draw, attitudeAfter] :
       {R5{1, 3, 50, 49, 49}, R5{1, 3, 50, 50, 50}, R5{1, 4, 50, kNoDraw, 50}, R5{1, 3, 1, 0, 0},
        R5{1, 3, 99, 0, 98}, R5{1, 3, 100, kNoDraw, 100}, R5{1, 3, 0, kNoDraw, 0},
        R5{2, 0, 50, kNoDraw, 50}}) {
    Fresh();
    GameState.Cities[86].X = 50;
    GameState.Cities[86].Y = 20;
    const int objective = Port(50, 20 + distance, TSide::Confederate);
    SailFor(Fleet(50, 20 + distance, nation, 0, 2, 0), kPatrol, 0, objective);
    GameState.Nations[TNation::Britain].Attitude = attitude;
    DrawOf100(draw);
    UpdateFleets();
    EXPECT_EQ(GameState.Nations[TNation::Britain].Attitude, attitudeAfter) << attitude << draw;
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  }
}

// The Union's balance: 1 weaker, 2 even, 3 stronger in ironclads (a damaged
// ship half a sound one), 4 able to carry troops from 11 points of ironclads
// and warships with 4 of transports. Empty fleets are freed unless just laid
// down (25).
TEST_F(FleetUpdateTest, TheNavalBalanceWeighsSeaPowerAndEmptyFleetsAreFreed) {
  using R = std::tuple<int, int, int, int, int, int, int>;
  for (const auto& [ironclads, warships, damagedWarships, transports, damagedTransports, enemy,
                    balance] : {R{1, 0, 0, 0, 0, 1, 2}, R{1, 0, 0, 0, 0, 0, 3}, R{0, 0, 0, 0, 0, 1, 1},
                                R{1, 4, 1, 2, 0, 0, 4}, R{1, 4, 0, 2, 0, 0, 3}, R{1, 4, 1, 1, 1, 0, 3}}) {
    Fresh();
    Port(10, 10, TSide::Union);
    TFleet& fleet = Fleet(10, 10, TNation::Union, ironclads, warships, transports);
    fleet.DamagedShips[TShipType::Warship] = damagedWarships;
    fleet.DamagedShips[TShipType::Transport] = damagedTransports;
    Fleet(20, 20, TNation::Confederacy, enemy, 0, 1);
    ComputeNavalTotals();
    EXPECT_EQ(GameState.Nations[TNation::Union].NavalBalance, balance) << ironclads << warships;
  }
  Fleet(30, 30, TNation::Confederacy, 0, 0, 0).Status = 24;
  Fleet(30, 30, TNation::Confederacy, 0, 0, 0).Status = 25;
  ComputeNavalTotals();
  EXPECT_EQ(GameState.Fleets[3].Status, 255);
  EXPECT_EQ(GameState.Fleets[4].Status, 25);
}

// Recalled home: a fleet idle away from it, or on a mission without supplies
// (a cotton run needs none), damaged, or landed at its objective. Each row
// is a fleet of its own at sea (column 20), at home (10) or on the objective (30).
TEST_F(FleetUpdateTest, StrayEmptyDamagedOrSpentFleetsAreRecalledHome) {
  const R5 rows[] = {{30, 0, 0, 0, true},  {10, 0, 0, 0, false}, {10, 1, 0, 0, true},
                     {20, 4, 0, 0, true},  {20, 4, 1, 0, false}, {20, 3, 0, 0, false},
                     {20, 4, 10, 1, true}, {30, 6, 10, 0, true}, {20, 6, 10, 0, false}};
  const int home = Port(10, 10, TSide::Union);
  const int objective = Port(30, 10, TSide::Confederate);
  for (const auto& [x, mission, supplies, damaged, recalled] : rows) {
    TFleet& fleet = Fleet(x, 10, TNation::Union);
    SailFor(fleet, mission, home, mission != 0 ? objective : 0);
    fleet.Supplies = supplies;
    fleet.DamagedShips[TShipType::Transport] = damaged;
  }
  RecallFleetsToPort(TNation::Union);
  for (int f = 1; f <= 9; ++f)
    EXPECT_EQ(GameState.Fleets[f].DestX == 10, std::get<4>(rows[f - 1])) << "fleet " << f;
}

}  // namespace
