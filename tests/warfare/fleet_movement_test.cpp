#include "warfare/fleet_movement.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/warfare/fleet_fixture.h"

namespace {

class FleetMovementTest : public FleetTest {
 protected:
  // Fleet 1, a Union fleet at (20, 20) with a path due north to row 1.
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
};

// Over the 19 steps a fleet makes one move fewer than its allowance; the
// moves are recorded in a mail turn, and hidden only from a human enemy who
// has not spotted the fleet.
TEST_F(FleetMovementTest, AFleetMakesOneMoveFewerThanItsAllowance) {
  using R = std::tuple<int, int, int, int, int, int, int, int>;
  for (const auto& [allowance, status, playMode, enemyHuman, spotted, moves, recorded, shown] :
       {R{12, 0, 3, 0, 0, 11, 11, 11}, R{20, 0, 3, 1, 0, 19, 19, 0}, R{20, 0, 3, 1, 1, 19, 19, 19},
        R{20, 1, 3, 0, 0, 0, 0, 0}, R{20, 0, 2, 0, 0, 19, 0, 19}}) {
    Fresh();
    GameState.PlayMode = playMode;
    GameState.Nations[TNation::Confederacy].Human = enemyHuman;
    TFleet& fleet = HeadingNorth(allowance, TFleetMission::Move);
    fleet.Status = status;
    fleet.Spotted = spotted;
    int steps = 0;
    int seen = 0;
    for (GameState.Step = 1; GameState.Step <= 19; ++GameState.Step) {
      seen += MoveFleetStep(1);
      steps += fleet.StepDone[GameState.Step] == kNorth;
    }
    EXPECT_EQ(20 - fleet.Y, moves) << allowance << " " << status << " " << playMode;
    EXPECT_EQ(steps, recorded);
    EXPECT_EQ(seen, shown);
  }
}

// Within three hexes a patrol turns on an enemy on a draw above 30 x the
// distance in 100; the new course must end within the path's twenty
// entries, and side by side the path is only cut and the scan goes on.
TEST_F(FleetMovementTest, APatrolTurnsOnAnEnemyWhenTheDrawBeatsThirtyTimesTheDistance) {
  using R = std::tuple<int, int, int, int, int>;
  for (const auto& [pathStep, distance, draw, destY, entry] :
       {R{2, 3, 90, 1, kNorth}, R{2, 3, 91, 23, kSouth}, R{2, 4, kNoDraw, 1, kNorth},
        R{18, 2, 99, 22, kSouth}, R{19, 2, 99, 22, 0}}) {
    Fresh();
    HeadingNorth(20).PathStep = pathStep;
    Fleet(20, 20 + distance, TNation::Confederacy).Mission = TFleetMission::Move;
    DrawOf100(draw);
    InterceptNearbyFleet(1);
    const TFleet& patrol = GameState.Fleets[1];
    EXPECT_EQ(patrol.DestY, destY) << pathStep << " " << distance << " " << draw;
    EXPECT_EQ(patrol.Path[pathStep], entry);
    EXPECT_EQ(patrol.Path[pathStep - 1], kNorth);
  }
  Fresh();
  HeadingNorth(20).PathStep = 2;
  for (int y : {20, 22}) Fleet(20, y, TNation::Confederacy).Mission = TFleetMission::Move;
  ScriptRandomDraws({{100, 98}, {100, 61}});
  InterceptNearbyFleet(1);
  EXPECT_EQ(GameState.Fleets[1].DestY, 22);
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
  const TCorps& aboard = EmbarkCorps(atSea);
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
  EXPECT_EQ(window.Notices().at(0).lines,
            (std::array<std::string, 4>{"text 152", "City 1", "text 156", ""}));
}

}  // namespace
