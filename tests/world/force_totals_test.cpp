#include "world/force_totals.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "tests/world/force_builders.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/corps_movement.h"
#include "world/vardecl.h"

namespace {

// Corps stand on hexes of state 1 (theatre 1, held by the Union) unless a test
// moves them.
class ForceTotalsTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    GameState.States[1].Theatre = TTheatre::Seaboard;
    GameState.States[1].ControlSide = TSide::Union;
    for (int x = 1; x <= TMapRecord::Columns; ++x)
      for (int y = 1; y <= TMapRecord::Rows; ++y) MapRecord.Cell(x, y).Bytes[2] = 1;
  }

  // A corps of the given brigades of 80 men under a commander of the combat rating.
  static int AddFullCorps(int x, int y, int nation, int brigades, int combat = 36) {
    const int side = GameState.Nations[nation].Side;
    const int c = AddCorps(x, y, side, nation);
    Corps(c).Leader =
        static_cast<std::uint8_t>(AddLeader({.side = side, .status = 0, .combat = combat}));
    for (int b = 0; b < brigades; ++b) AddBrigade({.nation = nation, .location = c});
    return c;
  }
  // A corps of one battery, which the recount gives no strength: it rates 1,
  // as earlier totals already found.
  static int AddBatteryCorps(int x, int y, int nation) {
    const int c = AddFullCorps(x, y, nation, 0, 0);
    Corps(c).Cohesion = 1;
    AddBrigade({.nation = nation, .arm = TArm::Artillery, .strength = 16, .location = c});
    return c;
  }
  static TCorps& Corps(int c) { return GameState.Corps[c]; }
  static TNationRec& Nation(int n) { return GameState.Nations[n]; }
};

TEST_F(ForceTotalsTest, ACorpsWithoutACommanderIsRemovedAndItsBrigadesWaitArmed) {
  const int c = AddFullCorps(10, 10, TNation::Union, 3);
  Corps(c).Leader = 0;
  const int emptied = AddFullCorps(12, 10, TNation::Union, 0);
  const int commander = Corps(emptied).Leader;
  ComputeForceTotals();
  EXPECT_EQ(Corps(c).Inactive, 1);
  for (int b = 1; b <= 3; ++b) {
    EXPECT_EQ(GameState.Brigades[b].Status, TBrigadeStatus::ArmedAndWaiting);
    EXPECT_EQ(GameState.Brigades[b].Location, 0);
  }
  EXPECT_EQ(Corps(emptied).Inactive, 1);
  EXPECT_EQ(Corps(emptied).Leader, 0);
  EXPECT_EQ(GameState.Leaders[commander].Status, TLeaderStatus::Relieved);
  EXPECT_EQ(Nation(TNation::Union).CorpsCount, 0);
}

TEST_F(ForceTotalsTest, AFreeSlotNeverRelievesALeaderWhoNowCommandsElsewhere) {
  const int serving = AddFullCorps(10, 10, TNation::Union, 2);
  const int leader = Corps(serving).Leader;
  TCorps& old = Corps(AddCorps(0, 0, TSide::Union, TNation::Union));
  old.Inactive = 1;
  old.Leader = static_cast<std::uint8_t>(leader);
  ComputeForceTotals();
  EXPECT_EQ(GameState.Leaders[leader].Status, TLeaderStatus::InCommand);
  EXPECT_EQ(Corps(serving).Inactive, 0);
}

TEST_F(ForceTotalsTest, CapacityCohesionStanceAndLeaderRatingsOfACorps) {
  const int corps = AddFullCorps(10, 10, TNation::Union, 5, 36);
  const int division = AddFullCorps(30, 30, TNation::Union, 1, 36);
  Corps(division).Kind = TCorpsKind::InfantryDivision;
  Corps(division).Stance = TCombatStance::Training;
  Corps(division).Disorder = 1;
  Corps(corps).Stance = TCombatStance::Advance;
  const int army = AddArmy(10, 10, TSide::Union, TNation::Union);
  GameState.Armies[army].Leader = static_cast<std::uint8_t>(AddLeader({.combat = 90}));
  Corps(corps).Army = static_cast<std::uint8_t>(army);
  ComputeForceTotals();
  // 36 / 12 + 4 = 7 brigades: 400 men rate 400 x 10 / 560 = 7.
  EXPECT_EQ(Corps(corps).Capacity, 7);
  EXPECT_EQ(Corps(corps).Cohesion, 7);
  EXPECT_EQ(Corps(corps).Stance, TCombatStance::Defend);
  EXPECT_EQ(Corps(corps).LeaderCombat, 36 + 30);
  EXPECT_EQ(Corps(corps).State, 1);
  EXPECT_EQ(Corps(corps).Theatre, TTheatre::Seaboard);
  // 36 / 35 + 2 = 3 brigades: 80 men rate 80 x 10 / 240 = 3.
  EXPECT_EQ(Corps(division).Capacity, 3);
  EXPECT_EQ(Corps(division).Cohesion, 3);
  EXPECT_EQ(Corps(division).Stance, TCombatStance::Withdraw);
  EXPECT_EQ(Corps(division).LeaderCombat, 36);
}

TEST_F(ForceTotalsTest, CohesionRunsFromOneToTen) {
  const int weak = AddBatteryCorps(10, 10, TNation::Union);
  const int strong = AddFullCorps(30, 30, TNation::Union, 10, 0);
  ComputeForceTotals();
  EXPECT_EQ(Corps(weak).Cohesion, 1);
  EXPECT_EQ(Corps(strong).Cohesion, 10);
}

TEST_F(ForceTotalsTest, PressureCountsCorpsWithinTwoHexesAndHalvesDivisions) {
  const int own = AddFullCorps(10, 10, TNation::Union, 4, 0);       // cohesion 10
  const int division = AddFullCorps(11, 10, TNation::Union, 1, 0);  // cohesion 5, counts 2
  const int weak = AddBatteryCorps(10, 12, TNation::Union);         // cohesion 1, counts 1
  Corps(division).Kind = TCorpsKind::InfantryDivision;
  Corps(weak).Kind = TCorpsKind::CavalryDivision;
  const int enemy = AddFullCorps(12, 10, TNation::Confederacy, 4, 0);  // cohesion 10
  AddFullCorps(13, 10, TNation::Confederacy, 4, 0);                    // three hexes off
  // The second totals read every corps at its new rating.
  ComputeForceTotals();
  ComputeForceTotals();
  EXPECT_EQ(Corps(own).OwnPressure, 10 + 2 + 1);
  EXPECT_EQ(Corps(own).EnemyPressure, 10);
  EXPECT_EQ(Corps(own).Posture, TPosture::Stronger);
  EXPECT_EQ(Corps(enemy).OwnPressure, 20);
  // The battery stands three hexes from the enemy.
  EXPECT_EQ(Corps(enemy).EnemyPressure, 10 + 2);
}

// A corps reads the ratings of the corps after it as the last totals left them.
TEST_F(ForceTotalsTest, PressureReadsLaterCorpsAtTheirEarlierRating) {
  const int first = AddFullCorps(10, 10, TNation::Union, 4, 0);
  const int second = AddFullCorps(11, 10, TNation::Confederacy, 4, 0);
  Corps(second).Cohesion = 3;
  ComputeForceTotals();
  EXPECT_EQ(Corps(first).EnemyPressure, 3);
  EXPECT_EQ(Corps(second).EnemyPressure, 10);
  ComputeForceTotals();
  EXPECT_EQ(Corps(first).EnemyPressure, 10);
}

TEST_F(ForceTotalsTest, PostureBandsOfOwnAgainstEnemyPressure) {
  struct Case {
    int own;
    int enemy;
    int posture;
  };
  const Case cases[] = {{1, 3, TPosture::Outmatched}, {2, 4, TPosture::Outnumbered},
                        {4, 4, TPosture::Even},       {5, 4, TPosture::Even},
                        {6, 4, TPosture::Stronger},   {15, 4, TPosture::Overwhelming},
                        {14, 4, TPosture::Stronger}};
  for (const Case& test : cases) {
    SetUp();
    const int c = AddBatteryCorps(10, 10, TNation::Union);
    for (int k = 1; k < test.own; ++k) AddBatteryCorps(10, 11, TNation::Union);
    for (int k = 0; k < test.enemy; ++k) AddBatteryCorps(11, 10, TNation::Confederacy);
    ComputeForceTotals();
    EXPECT_EQ(Corps(c).Posture, test.posture) << test.own << " against " << test.enemy;
  }
}

TEST_F(ForceTotalsTest, AnArmyWithoutCorpsIsDissolvedAndItsNameFreed) {
  const int army = AddArmy(10, 10, TSide::Confederate, TNation::Confederacy);
  TArmy& record = GameState.Armies[army];
  record.Name = "Army of Virginia";
  record.Leader = static_cast<std::uint8_t>(AddLeader({.side = TSide::Confederate, .status = 0}));
  TArmyName& listed = GameState.ArmyNames[TNation::Confederacy][3];
  listed.Name = "Army of Virginia";
  listed.Used = 1;
  GameState.ArmyNames[TNation::Confederacy][4].Name = "Army of Tennessee";
  GameState.ArmyNames[TNation::Confederacy][4].Used = 1;
  ComputeForceTotals();
  EXPECT_EQ(listed.Used, 0);
  EXPECT_EQ(GameState.ArmyNames[TNation::Confederacy][4].Used, 1);
  EXPECT_EQ(record.Name.str(), " ");
  EXPECT_EQ(record.Nation, 0);
  EXPECT_EQ(record.Side, 0);
  EXPECT_EQ(record.HqCity, 0);
  EXPECT_EQ(GameState.Leaders[record.Leader].Status, TLeaderStatus::Relieved);
  EXPECT_EQ(Nation(TNation::Confederacy).ArmyCount, 0);
  EXPECT_EQ(Nation(TNation::Confederacy).TheatreFlag[TTheatre::Seaboard], 0);
}

TEST_F(ForceTotalsTest, ArmyMeansAndNationCountsPerTheatre) {
  const int army = AddArmy(10, 10, TSide::Union, TNation::Union);
  GameState.Cities[GameState.Armies[army].HqCity].Theatre = TTheatre::West;
  const int a = AddFullCorps(10, 10, TNation::Union, 4, 0);
  const int b = AddFullCorps(12, 10, TNation::Union, 2, 0);
  Corps(a).Army = Corps(b).Army = static_cast<std::uint8_t>(army);
  Corps(a).Readiness = 10;
  Corps(b).Readiness = 5;
  const int loose = AddFullCorps(40, 40, TNation::Union, 1, 0);
  MapRecord.Cell(40, 40).Bytes[2] = 2;
  GameState.States[2].Theatre = TTheatre::Mississippi;
  GameState.States[2].ControlSide = TSide::Confederate;
  ComputeForceTotals();
  const TArmy& record = GameState.Armies[army];
  EXPECT_EQ(record.Theatre, TTheatre::West);
  EXPECT_EQ(record.CorpsCount, 2);
  EXPECT_EQ(record.Cohesion, (10 + 5) / 2);
  EXPECT_EQ(record.Rating, 7);
  const TNationRec& nation = Nation(TNation::Union);
  EXPECT_EQ(nation.CorpsCount, 3);
  EXPECT_EQ(nation.ArmyCount, 1);
  EXPECT_EQ(nation.TheatreFlag[TTheatre::West], 1);
  EXPECT_EQ(nation.AiWeight[TTheatre::Seaboard], 2);
  EXPECT_EQ(nation.AiWeight[TTheatre::Mississippi], 1);
  EXPECT_EQ(nation.LandStrength[TTheatre::Seaboard], 480);
  // 480 x 10 / (2 corps x 4 brigades x 80 / 10 + 1)
  EXPECT_EQ(nation.TheatreCapacity[TTheatre::Seaboard], 4800 / 65);
  EXPECT_EQ(GameState.States[1].ControlStrength, 480);
  EXPECT_EQ(GameState.States[2].IntruderStrength, 80);
  EXPECT_EQ(Corps(loose).Theatre, TTheatre::Mississippi);
}

TEST_F(ForceTotalsTest, FortyLargeCorpsInOneTheatreDoNotWrapItsCapacity) {
  for (int k = 0; k < 40; ++k) AddFullCorps(1 + k, 10, TNation::Union, 10, 96);
  ComputeForceTotals();
  // Each corps: 12 brigades of capacity, 960 men of room; 800 men strong.
  const int strength = 40 * 800;
  EXPECT_EQ(Nation(TNation::Union).LandStrength[TTheatre::Seaboard], strength);
  EXPECT_EQ(Nation(TNation::Union).TheatreCapacity[TTheatre::Seaboard],
            strength * 10 / (40 * 960 / 10 + 1));
}

TEST_F(ForceTotalsTest, GarrisonsAddToLandStrengthButNotToCapacity) {
  AddFullCorps(10, 10, TNation::Union, 1, 0);
  const int city = AddCity(20, 20, TSide::Union);
  GameState.Cities[city].Theatre = TTheatre::Seaboard;
  AddBrigade({.status = TBrigadeStatus::InGarrison, .location = city});
  AddBrigade({.strength = 40, .status = TBrigadeStatus::InGarrison, .location = city});
  ComputeForceTotals();
  EXPECT_EQ(GameState.Cities[city].GarrisonCount, 2);
  EXPECT_EQ(Nation(TNation::Union).LandStrength[TTheatre::Seaboard], 80 + 120);
  EXPECT_EQ(Nation(TNation::Union).TheatreCapacity[TTheatre::Seaboard], 800 / 33);
}

TEST_F(ForceTotalsTest, ShipsAreTalliedByTypeForSeaAndRiverFleets) {
  const int sea = AddFleet(5, 5, TSide::Union, TNation::Union);
  const int river = AddFleet(6, 6, TSide::Union, TNation::Union);
  const int building = AddFleet(7, 7, TSide::Union, TNation::Union);
  for (const int f : {sea, river, building}) {
    TFleet& fleet = GameState.Fleets[f];
    fleet.Status = 0;
    fleet.Ships[1] = 1;
    fleet.Ships[2] = 2;
    fleet.Ships[3] = 3;
    fleet.DamagedShips[1] = 10;
  }
  GameState.Fleets[sea].Kind = 1;
  GameState.Fleets[river].Kind = 2;
  GameState.Fleets[building].Status = 5;
  ComputeForceTotals();
  const auto& tally = Nation(TNation::Union).ShipTally;
  EXPECT_EQ(tally[1], 11);
  EXPECT_EQ(tally[2], 2);
  EXPECT_EQ(tally[3], 2);
  EXPECT_EQ(tally[4], 3);
  EXPECT_EQ(tally[5], 3);
  EXPECT_EQ(tally[6], 11);
}

TEST_F(ForceTotalsTest, ForeignCitiesAreCountedPerState) {
  GameState.Cities[AddCity(5, 5, TSide::Confederate)].State = 1;
  GameState.Cities[AddCity(6, 6, TSide::Union)].State = 1;
  GameState.Cities[AddCity(7, 7, TSide::Confederate)].State = 2;
  GameState.States[2].ControlSide = TSide::Confederate;
  ComputeForceTotals();
  EXPECT_EQ(GameState.States[1].ForeignCities, 1);
  EXPECT_EQ(GameState.States[2].ForeignCities, 0);
}

TEST(ArmyOddsTest, TheStrongerSideGainsTenABandAndTheWeakerClimbsInsideItsBand) {
  EXPECT_EQ(ArmyOdds(7, 2), 81);
  EXPECT_EQ(ArmyOdds(3, 4), 41);
  EXPECT_EQ(ArmyOdds(3, 5), 42);
  EXPECT_EQ(ArmyOdds(5, 5), kEvenArmyOdds);
  EXPECT_EQ(ArmyOdds(60, 5), 100);
  EXPECT_EQ(ArmyOdds(1, 9), 4);
}

TEST_F(ForceTotalsTest, AnArmysOddsWeighItsCampAgainstTheEnemyNearItsHeadquarters) {
  const int army = AddArmy(10, 10, TSide::Union, TNation::Union);
  const int own = AddFullCorps(10, 10, TNation::Union, 6, 0);
  Corps(own).Army = static_cast<std::uint8_t>(army);
  const int enemy = AddFullCorps(10, 12, TNation::Confederacy, 0, 0);
  AddBrigade({.nation = TNation::Confederacy, .strength = 33, .location = enemy});
  ComputeForceTotals();
  // Own 1 + 480 becomes 49; the enemy's 33 / 3 = 11 becomes 2.
  EXPECT_EQ(ThreatOwnStrength, 49);
  EXPECT_EQ(ThreatEnemyStrength, 2);
  EXPECT_EQ(GameState.Armies[army].Odds, 50 + 50);
}

}  // namespace
