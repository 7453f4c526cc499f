#include "warfare/fleet_movement.h"

#include <gtest/gtest.h>

#include "tests/warfare/fleet_fixture.h"
#include "world/random.h"

namespace {

using FleetMovementTest = FleetTest;

// A fleet heading north along a full path, one call per movement step.
int MovesOverNineteenSteps(TFleet& fleet, int f) {
  const int startRow = fleet.Y;
  for (int step = 1; step <= 19; ++step) {
    GameState.Step = static_cast<std::uint16_t>(step);
    MoveFleetStep(f);
  }
  return startRow - fleet.Y;
}

void HeadNorth(TFleet& fleet, int allowance) {
  fleet.Mission = TFleetMission::Move;
  fleet.DestX = fleet.X;
  fleet.DestY = 1;
  for (int s = 1; s <= 20; ++s) fleet.Path[s] = kNorth;
  fleet.PathStep = 1;
  fleet.MoveAllowance = static_cast<std::uint8_t>(allowance);
}

TEST_F(FleetMovementTest, AFleetMakesOneMoveFewerThanItsAllowanceAndNoneUntilReady) {
  struct Row {
    int allowance, status, moves;
  };
  for (const Row row : {Row{12, 0, 11}, Row{20, 0, 19}, Row{13, 0, 12}, Row{20, 1, 0}}) {
    Fresh();
    GameState.PlayMode = 3;
    TFleet& fleet = ActiveFleet(10, 40, TNation::Union);
    HeadNorth(fleet, row.allowance);
    fleet.Status = static_cast<std::uint8_t>(row.status);
    EXPECT_EQ(MovesOverNineteenSteps(fleet, 1), row.moves) << "allowance " << row.allowance;
    if (row.moves == 0) continue;
    EXPECT_EQ(fleet.StartY, 40) << "where the turn began";
    EXPECT_EQ(fleet.StepDone[row.moves], kNorth) << "the mail turn's record";
    EXPECT_EQ(fleet.StepDone[row.moves + 1], 0);
  }
  Fresh();
  TFleet& unrecorded = ActiveFleet(10, 40, TNation::Union);
  HeadNorth(unrecorded, 20);
  MovesOverNineteenSteps(unrecorded, 1);
  EXPECT_EQ(unrecorded.StepDone[1], 0) << "a turn on one machine is not recorded";
}

TEST_F(FleetMovementTest, AMoveIsHiddenOnlyFromAHumanEnemyWhoHasNotSpottedTheFleet) {
  struct Row {
    int unionHuman, confederacyHuman, spotted, shown;
  };
  for (const Row row :
       {Row{1, 0, 0, 1}, Row{0, 0, 0, 1}, Row{0, 1, 0, 0}, Row{1, 1, 0, 0}, Row{0, 1, 1, 1}}) {
    Fresh();
    GameState.Nations[TNation::Union].Human = static_cast<std::uint8_t>(row.unionHuman);
    GameState.Nations[TNation::Confederacy].Human = static_cast<std::uint8_t>(row.confederacyHuman);
    TFleet& fleet = ActiveFleet(10, 40, TNation::Union);
    HeadNorth(fleet, 20);
    fleet.Spotted = static_cast<std::uint8_t>(row.spotted);
    EXPECT_EQ(MoveFleetStep(1), row.shown) << row.unionHuman << row.confederacyHuman << row.spotted;
  }
}

// A Union patrol two steps into its northward path, and Confederate fleets at sea.
class InterceptionTest : public FleetTest {
 protected:
  void SetUp() override {
    FleetTest::SetUp();
    TFleet& patrol = ActiveFleet(20, 20, TNation::Union, 0, 2, 0);
    HeadNorth(patrol, 20);
    patrol.Mission = TFleetMission::Patrol;
    patrol.PathStep = 2;
  }
  static TFleet& Patrol() { return GameState.Fleets[1]; }
  static TFleet& EnemySouth(int distance) {
    TFleet& enemy = ActiveFleet(20, 20 + distance, TNation::Confederacy);
    enemy.Mission = TFleetMission::Move;
    return enemy;
  }
};

TEST_F(InterceptionTest, ThePatrolTurnsOnItsQuarryWhenTheDrawBeatsThirtyTimesTheDistance) {
  struct Row {
    int distance, draw;
    bool turns;
  };
  for (const Row row : {Row{3, 90, false}, Row{3, 91, true}, Row{1, 30, false}, Row{1, 31, true}}) {
    Fresh();
    EnemySouth(row.distance);
    ScriptRandomDraws({{100, row.draw}});
    InterceptNearbyFleet(1);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(Patrol().DestY, row.turns ? 20 + row.distance : 1) << row.distance << " " << row.draw;
    EXPECT_EQ(Patrol().Path[1], kNorth) << "the steps already made stay";
    for (int s = 2; s <= 20; ++s) {
      const int course = s - 2 < row.distance ? kSouth : 0;
      EXPECT_EQ(Patrol().Path[s], row.turns ? course : kNorth) << "entry " << s;
    }
  }
  Fresh();
  EnemySouth(4);
  ScriptRandomDraws({});
  InterceptNearbyFleet(1);
  EXPECT_EQ(Patrol().DestY, 1) << "four hexes off, no draw is made";
}

TEST_F(InterceptionTest, AQuarryOnTheSameHexStopsThePatrolAndTheScanGoesOn) {
  EnemySouth(0);
  EnemySouth(2);
  ScriptRandomDraws({{100, 98}, {100, 61}});
  InterceptNearbyFleet(1);
  EXPECT_EQ(Patrol().DestY, 22);
  EXPECT_EQ(Patrol().Path[3], kSouth);
  EXPECT_EQ(Patrol().Path[4], 0);

  // The course must end within the twenty entries of the path.
  for (const int step : {18, 19}) {
    Fresh();
    Patrol().PathStep = static_cast<std::uint8_t>(step);
    EnemySouth(2);
    ScriptRandomDraws({{100, 99}});
    InterceptNearbyFleet(1);
    EXPECT_EQ(Patrol().DestY, 22) << "the course is set from entry " << step;
    EXPECT_EQ(Patrol().Path[step], step == 18 ? kSouth : 0);
    EXPECT_EQ(Patrol().Path[step - 1], kNorth);
  }

  Fresh();
  Patrol().Mission = TFleetMission::Move;
  EnemySouth(0);
  InterceptNearbyFleet(1);
  EXPECT_EQ(Patrol().Path[2], kNorth) << "only fighting fleets intercept";
}

TEST_F(FleetMovementTest, TheCorpsAboardTravelsAndRestsWithTheFleetMovingOrNot) {
  TFleet& fleet = ActiveFleet(10, 40, TNation::Union);
  HeadNorth(fleet, 2);
  TCorps& corps = EmbarkCorps(fleet);
  corps.Fatigue = 2;
  corps.Disorder = 2;
  corps.Entrenchment = 3;
  GameState.Brigades[1].Fatigue = 1;
  MoveFleetStep(1);
  EXPECT_EQ(corps.Y, 39);
  EXPECT_EQ(corps.DestY, 1);
  EXPECT_EQ(corps.Entrenchment, 0);
  EXPECT_EQ(corps.Fatigue, 1);
  EXPECT_EQ(corps.Disorder, 1);
  EXPECT_EQ(GameState.Brigades[1].Fatigue, 0);
  MoveFleetStep(1);
  EXPECT_EQ(fleet.Y, 39) << "the allowance is spent";
  EXPECT_EQ(corps.Fatigue, 0);
  EXPECT_EQ(corps.Disorder, 0);
  EXPECT_EQ(corps.Stance, TCombatStance::Embarked);
}

TEST_F(FleetMovementTest, ACarriedCorpsLandsWhereTheFleetArrivesOnLandButNeverAtSea) {
  const int port = AddPort(10, 10, TSide::Union);
  TFleet& fleet = ActiveFleet(10, 10, TNation::Union);
  SailFor(fleet, TFleetMission::Amphibious, 0, port);
  TCorps& corps = EmbarkCorps(fleet);
  MoveFleetStep(1);
  EXPECT_EQ(corps.Stance, TCombatStance::Advance);
  EXPECT_EQ(corps.City, port);
  EXPECT_EQ(fleet.Corps, 0) << "the fleet lets the corps go";

  TFleet& atSea = ActiveFleet(30, 30, TNation::Union);
  atSea.DestX = 30;
  atSea.DestY = 30;
  atSea.Mission = TFleetMission::Amphibious;
  TCorps& aboard = EmbarkCorps(atSea);
  MoveFleetStep(2);
  EXPECT_EQ(aboard.Stance, TCombatStance::Embarked);
  EXPECT_NE(atSea.Corps, 0);
}

TEST_F(FleetMovementTest, ACottonFleetBackHomeDeliversItsSuppliesOnceAndTheStockStopsAtItsLimit) {
  const int home = AddPort(10, 10, TSide::Confederate);
  TFleet& fleet = ActiveFleet(10, 10, TNation::Confederacy);
  SailFor(fleet, TFleetMission::CottonRun, home, home);
  fleet.Supplies = 3'000;
  SetSupplies(TNation::Confederacy, 64'000);
  MoveFleetStep(1);
  MoveFleetStep(1);
  EXPECT_EQ(Supplies(TNation::Confederacy), 65'535);
  EXPECT_EQ(fleet.Supplies, 0);
  EXPECT_EQ(fleet.Mission, TFleetMission::Nothing);
  EXPECT_EQ(fleet.DestX, 0);
  ASSERT_EQ(window.Notices().size(), 1u);
  const RecordedNotice& notice = window.Notices()[0];
  EXPECT_EQ(notice.kind, 17);
  EXPECT_EQ(notice.lines, (std::array<std::string, 4>{"text 152", "City 1", "text 156", ""}));
}

TEST_F(FleetMovementTest, AVoyageEndingAtHomeRefitsOnlyWithBothYardsAndBothKindsOfDamage) {
  struct Row {
    int damagedIronclads, damagedOthers, yardA, yardB, mission;
  };
  for (const Row row : {Row{1, 1, 1, 1, TFleetMission::Refit}, Row{0, 1, 1, 1, 0},
                        Row{1, 0, 1, 1, 0}, Row{1, 1, 0, 1, 0}, Row{1, 1, 1, 0, 0}}) {
    Fresh();
    const int home = AddPort(10, 10, TSide::Union);
    GameState.Cities[home].ShipyardA = static_cast<std::uint8_t>(row.yardA);
    GameState.Cities[home].ShipyardB = static_cast<std::uint8_t>(row.yardB);
    TFleet& fleet = ActiveFleet(10, 10, TNation::Union);
    SailFor(fleet, TFleetMission::Move, home, home);
    fleet.DamagedShips[TShipType::Ironclad] = static_cast<std::uint8_t>(row.damagedIronclads);
    fleet.DamagedShips[TShipType::Transport] = static_cast<std::uint8_t>(row.damagedOthers);
    fleet.Supplies = 40;
    MoveFleetStep(1);
    EXPECT_EQ(fleet.Mission, row.mission)
        << row.damagedIronclads << row.damagedOthers << row.yardA << row.yardB;
    EXPECT_EQ(fleet.Objective, 0);
    EXPECT_EQ(fleet.HomePort, home);
    EXPECT_EQ(Supplies(TNation::Union), 40);
  }
}

}  // namespace
