#include "world/force_totals.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "tests/world/force_builders.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

// Every hex lies in state 1, in the first theatre and held by the Union.
class ForceTotalsTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    GameState.States[1].Theatre = TTheatre::Seaboard;
    GameState.States[1].ControlSide = TSide::Union;
    for (int x = 1; x <= TMapRecord::Columns; ++x)
      for (int y = 1; y <= TMapRecord::Rows; ++y) MapRecord.Cell(x, y).Bytes[2] = 1;
  }

  // A corps of brigades of 80 men under a commander of the combat rating.
  static int AddFullCorps(int x, int y, int nation, int brigades, int combat = 0) {
    const int side = GameState.Nations[nation].Side;
    const int c = AddCorps(x, y, side, nation);
    Corps(c).Leader =
        static_cast<std::uint8_t>(AddLeader({.side = side, .status = 0, .combat = combat}));
    for (int b = 0; b < brigades; ++b) AddBrigade({.nation = nation, .location = c});
    return c;
  }
  // One battery, which the recount gives no strength: it rates 1, as the last
  // totals already found.
  static int AddBatteryCorps(int x, int y, int nation) {
    const int c = AddFullCorps(x, y, nation, 0);
    AddBrigade({.nation = nation, .arm = TArm::Artillery, .strength = 16, .location = c});
    Corps(c).Cohesion = 1;
    return c;
  }
  static TCorps& Corps(int c) { return GameState.Corps[c]; }
  static TNationRec& Nation(int n) { return GameState.Nations[n]; }
};

TEST_F(ForceTotalsTest, CorpsThatCeasedAreRemovedAndOnlyTheirOwnCommandersRelieved) {
  const int leaderless = AddFullCorps(10, 10, TNation::Union, 3);
  Corps(leaderless).Leader = 0;
  const int emptied = AddFullCorps(12, 10, TNation::Union, 0);
  const int relieved = Corps(emptied).Leader;
  // A free slot still naming a leader who has since taken another corps, and a
  // brigade left on it.
  const int serving = AddFullCorps(14, 10, TNation::Union, 1);
  const int free = AddCorps(0, 0, TSide::Union, TNation::Union);
  Corps(free).Inactive = 1;
  Corps(free).Leader = Corps(serving).Leader;
  const int stray = AddBrigade({.location = free});
  ComputeForceTotals();
  EXPECT_EQ(GameState.Brigades[stray].Status, TBrigadeStatus::ArmedAndWaiting);
  EXPECT_EQ(Corps(leaderless).Inactive, 1);
  for (int b = 1; b <= 3; ++b) {
    EXPECT_EQ(GameState.Brigades[b].Status, TBrigadeStatus::ArmedAndWaiting);
    EXPECT_EQ(GameState.Brigades[b].Location, 0);
  }
  EXPECT_EQ(Corps(emptied).Inactive, 1);
  EXPECT_EQ(Corps(emptied).Leader, 0);
  EXPECT_EQ(GameState.Leaders[relieved].Status, TLeaderStatus::Relieved);
  EXPECT_EQ(GameState.Leaders[Corps(serving).Leader].Status, TLeaderStatus::InCommand);
  EXPECT_EQ(Nation(TNation::Union).CorpsCount, 1);
}

TEST_F(ForceTotalsTest, CapacityCohesionStanceAndLeaderRatingsOfACorps) {
  const int corps = AddFullCorps(10, 10, TNation::Union, 5, 36);
  Corps(corps).Stance = TCombatStance::Advance;
  const int army = AddArmy(10, 10, TSide::Union, TNation::Union);
  GameState.Armies[army].Leader = static_cast<std::uint8_t>(AddLeader({.combat = 90}));
  Corps(corps).Army = static_cast<std::uint8_t>(army);
  const int division = AddFullCorps(30, 30, TNation::Union, 1, 36);
  Corps(division).Kind = TCorpsKind::InfantryDivision;
  Corps(division).Disorder = 1;
  const int full = AddFullCorps(40, 40, TNation::Union, 10);
  ComputeForceTotals();
  // 36 / 12 + 4 = 7 brigades of room: 400 men rate 400 x 10 / 560 = 7.
  EXPECT_EQ(Corps(corps).Capacity, 7);
  EXPECT_EQ(Corps(corps).Cohesion, 7);
  EXPECT_EQ(Corps(corps).Stance, TCombatStance::Defend);
  EXPECT_EQ(Corps(corps).LeaderCombat, 36 + 30);
  EXPECT_EQ(Corps(corps).Theatre, TTheatre::Seaboard);
  // 36 / 35 + 2 = 3 brigades of room: 80 men rate 3.
  EXPECT_EQ(Corps(division).Capacity, 3);
  EXPECT_EQ(Corps(division).Cohesion, 3);
  EXPECT_EQ(Corps(division).Stance, TCombatStance::Withdraw);
  EXPECT_EQ(Corps(full).Cohesion, 10);
}

// A corps reads the ratings of the corps after it as the last totals left them.
TEST_F(ForceTotalsTest, PressureCountsCorpsWithinTwoHexesHalvesDivisionsAndReadsLaterOnesStale) {
  const int own = AddFullCorps(10, 10, TNation::Union, 4);  // rates 10
  const int division = AddFullCorps(11, 10, TNation::Union, 1);
  Corps(division).Kind = TCorpsKind::InfantryDivision;  // rates 5, counts 2
  Corps(AddBatteryCorps(10, 12, TNation::Union)).Kind = TCorpsKind::CavalryDivision;
  const int enemy = AddFullCorps(12, 10, TNation::Confederacy, 4);
  AddFullCorps(13, 10, TNation::Confederacy, 4);  // three hexes off
  ComputeForceTotals();
  EXPECT_EQ(Corps(own).OwnPressure, 10 + 0 + 1);
  EXPECT_EQ(Corps(own).EnemyPressure, 0);
  ComputeForceTotals();
  EXPECT_EQ(Corps(own).OwnPressure, 10 + 2 + 1);
  EXPECT_EQ(Corps(own).EnemyPressure, 10);
  EXPECT_EQ(Corps(own).Posture, TPosture::Stronger);
  EXPECT_EQ(Corps(enemy).OwnPressure, 20);
  EXPECT_EQ(Corps(enemy).EnemyPressure, 10 + 2);
}

TEST_F(ForceTotalsTest, PostureBandsOfOwnAgainstEnemyPressure) {
  struct Case {
    int own, enemy, posture;
  };
  const Case cases[] = {{1, 3, TPosture::Outmatched}, {2, 4, TPosture::Outnumbered},
                        {5, 4, TPosture::Even},       {6, 4, TPosture::Stronger},
                        {14, 4, TPosture::Stronger},  {15, 4, TPosture::Overwhelming}};
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
  TArmy& army = GameState.Armies[AddArmy(10, 10, TSide::Confederate, TNation::Confederacy)];
  army.Name = "Army of Virginia";
  army.Leader = static_cast<std::uint8_t>(AddLeader({.side = TSide::Confederate, .status = 0}));
  auto& names = GameState.ArmyNames[TNation::Confederacy];
  names[3].Name = "Army of Virginia";
  names[4].Name = "Army of Virginia Too";
  names[3].Used = names[4].Used = 1;
  ComputeForceTotals();
  EXPECT_EQ(names[3].Used, 0);
  EXPECT_EQ(names[4].Used, 1);
  EXPECT_EQ(army.Name.str(), " ");
  EXPECT_TRUE(army.IsFree());
  EXPECT_EQ(army.Side, 0);
  EXPECT_EQ(GameState.Leaders[army.Leader].Status, TLeaderStatus::Relieved);
  EXPECT_EQ(Nation(TNation::Confederacy).ArmyCount, 0);
}

TEST_F(ForceTotalsTest, ArmiesStatesAndTheatresAddUpTheirCorpsAndGarrisons) {
  const int army = AddArmy(10, 10, TSide::Union, TNation::Union);
  const int hq = GameState.Armies[army].HqCity;
  GameState.Cities[hq].Theatre = TTheatre::West;
  const int a = AddFullCorps(10, 10, TNation::Union, 4);
  const int b = AddFullCorps(12, 10, TNation::Union, 2);
  Corps(a).Army = Corps(b).Army = static_cast<std::uint8_t>(army);
  Corps(a).Readiness = 10;
  Corps(b).Readiness = 5;
  // A corps of no army in state 2, which the Confederacy holds with two cities of three.
  const int loose = AddFullCorps(40, 40, TNation::Union, 1);
  MapRecord.Cell(40, 40).Bytes[2] = 2;
  GameState.States[2].Theatre = TTheatre::Mississippi;
  GameState.States[2].ControlSide = TSide::Confederate;
  for (const int side : {TSide::Union, TSide::Confederate, TSide::Confederate})
    GameState.Cities[AddCity(50, 40 + side, side)].State = 2;
  // A Union garrison of 120 in the first theatre.
  const int fort = AddCity(20, 20, TSide::Union);
  GameState.Cities[fort].Theatre = TTheatre::Seaboard;
  AddBrigade({.status = TBrigadeStatus::InGarrison, .location = fort});
  AddBrigade({.strength = 40, .status = TBrigadeStatus::InGarrison, .location = fort});
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
  EXPECT_EQ(nation.LandStrength[TTheatre::Seaboard], 480 + 120);
  // Of the corps alone: 480 x 10 / (2 corps x 4 brigades x 80 / 10 + 1).
  EXPECT_EQ(nation.TheatreCapacity[TTheatre::Seaboard], 4800 / 65);
  EXPECT_EQ(GameState.States[1].ControlStrength, 480);
  EXPECT_EQ(GameState.States[2].IntruderStrength, 80);
  EXPECT_EQ(GameState.States[2].ForeignCities, 1);
  EXPECT_EQ(Corps(loose).Theatre, TTheatre::Mississippi);
}

TEST_F(ForceTotalsTest, FortyLargeCorpsInOneTheatreDoNotWrapItsCapacity) {
  for (int k = 0; k < 40; ++k) AddFullCorps(1 + k, 10, TNation::Union, 10, 96);
  ComputeForceTotals();
  // Each corps: 12 brigades of room, 960 men; 800 men strong.
  EXPECT_EQ(Nation(TNation::Union).LandStrength[TTheatre::Seaboard], 32000);
  EXPECT_EQ(Nation(TNation::Union).TheatreCapacity[TTheatre::Seaboard],
            32000 * 10 / (40 * 960 / 10 + 1));
}

TEST_F(ForceTotalsTest, ShipsAreTalliedByTypeForSeaAndRiverFleets) {
  for (const int kind : {1, 2, 0}) {
    TFleet& fleet = GameState.Fleets[AddFleet(5, 5, TSide::Union, TNation::Union)];
    fleet.Status = kind == 0 ? 5 : 0;
    fleet.Kind = static_cast<std::uint8_t>(kind);
    fleet.Ships[1] = 1;
    fleet.Ships[2] = 2;
    fleet.Ships[3] = 3;
    fleet.DamagedShips[1] = 10;
  }
  ComputeForceTotals();
  const auto& tally = Nation(TNation::Union).ShipTally;
  const int expected[] = {0, 11, 2, 2, 3, 3, 11};
  for (int i = 1; i <= 6; ++i) EXPECT_EQ(tally[i], expected[i]) << i;
}

TEST_F(ForceTotalsTest, AnArmysOddsWeighItsCampAgainstTheEnemyNearItsHeadquarters) {
  const int army = AddArmy(10, 10, TSide::Union, TNation::Union);
  Corps(AddFullCorps(10, 10, TNation::Union, 6)).Army = static_cast<std::uint8_t>(army);
  const int enemy = AddFullCorps(10, 12, TNation::Confederacy, 0);
  AddBrigade({.nation = TNation::Confederacy, .strength = 33, .location = enemy});
  ComputeForceTotals();
  // Own 1 + 480 counts 49; the enemy's 33 / 3 = 11 counts 2.
  EXPECT_EQ(ThreatOwnStrength, 49);
  EXPECT_EQ(ThreatEnemyStrength, 2);
  EXPECT_EQ(GameState.Armies[army].Odds, 100);
}

TEST(ArmyOddsTest, TheStrongerSideGainsTenABandAndTheWeakerClimbsInsideItsBand) {
  EXPECT_EQ(ArmyOdds(7, 2), 81);
  EXPECT_EQ(ArmyOdds(3, 4), 41);
  EXPECT_EQ(ArmyOdds(3, 5), 42);
  EXPECT_EQ(ArmyOdds(5, 5), kEvenArmyOdds);
  EXPECT_EQ(ArmyOdds(1, 9), 4);
}

}  // namespace
