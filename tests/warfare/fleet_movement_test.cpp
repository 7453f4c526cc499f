#include "warfare/fleet_movement.h"

#include <gtest/gtest.h>

#include "tests/warfare/fleet_fixture.h"

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

// Over the 19 steps a fleet makes one move fewer than its allowance; the
// moves are recorded in a mail turn, and hidden only from a human enemy who
// has not spotted the fleet.
TEST_F(FleetMovementTest, AFleetMakesOneMoveFewerThanItsAllowance) {
  struct Row {
    int allowance, status, playMode, enemyHuman, spotted, moves, recorded, shown;
  };
  for (const Row row : {Row{12, 0, 3, 0, 0, 11, 11, 1}, Row{20, 0, 3, 1, 0, 19, 19, 0},
                        Row{20, 0, 3, 1, 1, 19, 19, 1}, Row{20, 1, 3, 0, 0, 0, 0, 0},
                        Row{20, 0, 2, 0, 0, 19, 0, 1}}) {
    Fresh();
    GameState.PlayMode = row.playMode;
    GameState.Nations[TNation::Confederacy].Human = row.enemyHuman;
    TFleet& fleet = HeadingNorth(row.allowance, TFleetMission::Move);
    fleet.Status = row.status;
    fleet.Spotted = row.spotted;
    int recorded = 0;
    int shown = 0;
    for (int step = 1; step <= 19; ++step) {
      GameState.Step = step;
      shown += MoveFleetStep(1);
      recorded += fleet.StepDone[step] == kNorth;
    }
    EXPECT_EQ(20 - fleet.Y, row.moves) << row.allowance << " " << row.status << " " << row.playMode;
    EXPECT_EQ(recorded, row.recorded);
    EXPECT_EQ(shown, row.shown * row.moves);
  }
}

// The chance to turn on an enemy within three hexes is 99 % less 30 % per
// hex; the new course must end within the path's twenty entries, and side by
// side the path is only cut.
TEST_F(FleetMovementTest, APatrolTurnsOnAnEnemyWhenTheDrawBeatsThirtyTimesTheDistance) {
  struct Row {
    int pathStep, distance, draw, destY, entry;
  };
  for (const Row row : {Row{2, 3, 90, 1, kNorth}, Row{2, 3, 91, 23, kSouth},
                        Row{2, 4, kNoDraw, 1, kNorth}, Row{18, 2, 99, 22, kSouth},
                        Row{19, 2, 99, 22, 0}, Row{2, 0, 1, 1, 0}}) {
    Fresh();
    HeadingNorth(20).PathStep = row.pathStep;
    EnemyAt(20 + row.distance);
    DrawOf100(row.draw);
    InterceptNearbyFleet(1);
    const TFleet& patrol = GameState.Fleets[1];
    EXPECT_EQ(patrol.DestY, row.destY) << row.pathStep << " " << row.distance << " " << row.draw;
    EXPECT_EQ(patrol.Path[row.pathStep], row.entry);
    EXPECT_EQ(patrol.Path[row.pathStep - 1], kNorth);
  }
}

// The corps aboard sails and rests with its fleet and lands where it
// arrives, never into the sea.
TEST_F(FleetMovementTest, TheCorpsAboardSailsAndRestsWithTheFleetAndLandsWhereItArrives) {
  const int port = Port(20, 19, TSide::Union);
  TFleet& fleet = HeadingNorth(20, TFleetMission::Amphibious);
  SailFor(fleet, TFleetMission::Amphibious, 0, port);
  TCorps& corps = EmbarkCorps(fleet);
  corps.Fatigue = corps.Disorder = corps.Entrenchment = 3;
  MoveFleetStep(1);
  EXPECT_EQ(corps.Y, 19);
  EXPECT_EQ(corps.Fatigue + corps.Disorder + corps.Entrenchment, 4);
  MoveFleetStep(1);
  EXPECT_EQ(corps.Stance, TCombatStance::Advance);
  EXPECT_EQ(corps.City, port);

  TFleet& atSea = HeadingNorth(20, TFleetMission::Amphibious);
  atSea.DestY = 20;
  TCorps& aboard = EmbarkCorps(atSea);
  MoveFleetStep(2);
  EXPECT_EQ(aboard.Stance, TCombatStance::Embarked);
}

TEST_F(FleetMovementTest, ACottonFleetBackHomeDeliversItsSuppliesOnceOverTwoTicks) {
  const int home = Port(10, 10, TSide::Confederate);
  TFleet& fleet = Fleet(10, 10, TNation::Confederacy);
  SailFor(fleet, TFleetMission::CottonRun, home, home);
  fleet.Supplies = 3'000;
  Stock(TNation::Confederacy) = 10'000;
  MoveFleetStep(1);
  MoveFleetStep(1);
  EXPECT_EQ(Stock(TNation::Confederacy), 13'000);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines,
            (std::array<std::string, 4>{"text 152", "City 1", "text 156", ""}));
}

// A voyage ending at home refits only with both yards and both kinds of damage.
TEST_F(FleetMovementTest, AVoyageEndingAtHomeRefitsWithBothYardsAndBothKindsOfDamage) {
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
  }
}

}  // namespace
