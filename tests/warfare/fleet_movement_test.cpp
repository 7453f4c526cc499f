#include "warfare/fleet_movement.h"

#include <gtest/gtest.h>

#include "tests/warfare/fleet_fixture.h"
#include "world/random.h"

namespace {

class FleetMovementTest : public FleetTest {
 protected:
  // Fleet 1, a Union patrol at (20, 20) with a path due north to row 1.
  static TFleet& HeadingNorth(int allowance, int mission = TFleetMission::Patrol) {
    TFleet& fleet = Fleet(20, 20, TNation::Union);
    fleet.Mission = mission;
    fleet.DestX = 20;
    fleet.DestY = 1;
    for (int s = 1; s <= 20; ++s) fleet.Path[s] = kNorth;
    fleet.PathStep = 1;
    fleet.MoveAllowance = allowance;
    return fleet;
  }
  static void EnemyAt(int y) { Fleet(20, y, TNation::Confederacy).Mission = TFleetMission::Move; }
};

TEST_F(FleetMovementTest, AFleetMakesOneMoveFewerThanItsAllowanceAndRecordsThemInAMailTurn) {
  struct Row {
    int allowance, status, playMode, moves, recorded;
  };
  for (const Row row :
       {Row{12, 0, 3, 11, 11}, Row{20, 0, 3, 19, 19}, Row{20, 1, 3, 0, 0}, Row{20, 0, 2, 19, 0}}) {
    Fresh();
    GameState.PlayMode = row.playMode;
    TFleet& fleet = HeadingNorth(row.allowance, TFleetMission::Move);
    fleet.Status = row.status;
    int recorded = 0;
    for (int step = 1; step <= 19; ++step) {
      GameState.Step = step;
      MoveFleetStep(1);
      recorded += fleet.StepDone[step] == kNorth;
    }
    EXPECT_EQ(20 - fleet.Y, row.moves)
        << "allowance " << row.allowance << ", status " << row.status;
    EXPECT_EQ(recorded, row.recorded);
    EXPECT_EQ(fleet.StartY, row.moves == 0 ? 0 : 20);
  }
}

TEST_F(FleetMovementTest, AMoveIsHiddenOnlyFromAHumanEnemyWhoHasNotSpottedTheFleet) {
  struct Row {
    int unionHuman, confederacyHuman, spotted, shown;
  };
  for (const Row row : {Row{1, 0, 0, 1}, Row{0, 0, 0, 1}, Row{1, 1, 0, 0}, Row{0, 1, 1, 1}}) {
    Fresh();
    GameState.Nations[TNation::Union].Human = row.unionHuman;
    GameState.Nations[TNation::Confederacy].Human = row.confederacyHuman;
    HeadingNorth(20, TFleetMission::Move).Spotted = row.spotted;
    EXPECT_EQ(MoveFleetStep(1), row.shown) << row.unionHuman << row.confederacyHuman << row.spotted;
  }
}

// The chance to turn on an enemy is 99 % less 30 % per hex, and the course
// must end within the path's twenty entries.
TEST_F(FleetMovementTest, APatrolTurnsOnAnEnemyWhenTheDrawBeatsThirtyTimesTheDistance) {
  constexpr int kNoDraw = -1;
  struct Row {
    int pathStep, distance, draw, destY, entry;
  };
  for (const Row row :
       {Row{2, 3, 90, 1, kNorth}, Row{2, 3, 91, 23, kSouth}, Row{2, 4, kNoDraw, 1, kNorth},
        Row{18, 2, 99, 22, kSouth}, Row{19, 2, 99, 22, 0}}) {
    Fresh();
    HeadingNorth(20).PathStep = row.pathStep;
    EnemyAt(20 + row.distance);
    ScriptRandomDraws(row.draw == kNoDraw ? std::deque<ScriptedDraw>{}
                                          : std::deque<ScriptedDraw>{{100, row.draw}});
    InterceptNearbyFleet(1);
    const TFleet& patrol = GameState.Fleets[1];
    EXPECT_EQ(patrol.DestY, row.destY) << row.pathStep << " " << row.distance << " " << row.draw;
    EXPECT_EQ(patrol.Path[row.pathStep], row.entry);
    EXPECT_EQ(patrol.Path[row.pathStep - 1], kNorth) << "the steps already made stay";
  }
  // Side by side the path is cut and the scan goes on.
  Fresh();
  HeadingNorth(20).PathStep = 2;
  EnemyAt(20);
  EnemyAt(22);
  ScriptRandomDraws({{100, 98}, {100, 61}});
  InterceptNearbyFleet(1);
  EXPECT_EQ(GameState.Fleets[1].DestY, 22);
  EXPECT_EQ(GameState.Fleets[1].Path[4], 0);
}

TEST_F(FleetMovementTest, TheCorpsAboardSailsAndRestsWithTheFleetAndLandsWhereItArrives) {
  const int port = Port(20, 19, TSide::Union);
  TFleet& fleet = HeadingNorth(20, TFleetMission::Amphibious);
  SailFor(fleet, TFleetMission::Amphibious, 0, port);
  TCorps& corps = EmbarkCorps(fleet);
  corps.Fatigue = corps.Disorder = corps.Entrenchment = 3;
  GameState.Brigades[1].Fatigue = 3;
  MoveFleetStep(1);
  EXPECT_EQ(corps.Y, 19);
  EXPECT_EQ(corps.Fatigue + corps.Disorder + corps.Entrenchment + GameState.Brigades[1].Fatigue, 6);
  MoveFleetStep(1);
  EXPECT_EQ(corps.Stance, TCombatStance::Advance);
  EXPECT_EQ(corps.City, port);
  EXPECT_EQ(fleet.Corps, 0) << "the fleet lets the corps go";

  TFleet& atSea = HeadingNorth(20, TFleetMission::Amphibious);
  atSea.DestY = 20;
  TCorps& aboard = EmbarkCorps(atSea);
  MoveFleetStep(2);
  EXPECT_EQ(aboard.Stance, TCombatStance::Embarked) << "no corps is landed into the sea";
}

TEST_F(FleetMovementTest, ACottonFleetBackHomeDeliversItsSuppliesOnceAndTheStockStopsAtItsLimit) {
  const int home = Port(10, 10, TSide::Confederate);
  TFleet& fleet = Fleet(10, 10, TNation::Confederacy);
  SailFor(fleet, TFleetMission::CottonRun, home, home);
  fleet.Supplies = 3'000;
  Stock(TNation::Confederacy) = 64'000;
  MoveFleetStep(1);
  MoveFleetStep(1);
  EXPECT_EQ(Stock(TNation::Confederacy), 65'535);
  EXPECT_EQ(fleet.Supplies, 0);
  EXPECT_EQ(fleet.Mission, TFleetMission::Nothing);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].kind, 17);
  EXPECT_EQ(window.Notices()[0].lines,
            (std::array<std::string, 4>{"text 152", "City 1", "text 156", ""}));
}

TEST_F(FleetMovementTest, AVoyageEndingAtHomeRefitsOnlyWithBothYardsAndBothKindsOfDamage) {
  struct Row {
    int damagedIronclads, damagedOthers, yardA, yardB, mission;
  };
  for (const Row row : {Row{1, 1, 1, 1, TFleetMission::Refit}, Row{0, 1, 1, 1, 0},
                        Row{1, 0, 1, 1, 0}, Row{1, 1, 0, 1, 0}, Row{1, 1, 1, 0, 0}}) {
    Fresh();
    const int home = Port(10, 10, TSide::Union);
    GameState.Cities[home].ShipyardA = row.yardA;
    GameState.Cities[home].ShipyardB = row.yardB;
    TFleet& fleet = Fleet(10, 10, TNation::Union);
    SailFor(fleet, TFleetMission::Move, home, home);
    fleet.DamagedShips[TShipType::Ironclad] = row.damagedIronclads;
    fleet.DamagedShips[TShipType::Transport] = row.damagedOthers;
    MoveFleetStep(1);
    EXPECT_EQ(fleet.Mission, row.mission)
        << row.damagedIronclads << row.damagedOthers << row.yardA << row.yardB;
    EXPECT_EQ(fleet.Objective, 0);
  }
}

}  // namespace
