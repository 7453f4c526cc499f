#include "world/force_totals.h"

#include <gtest/gtest.h>

#include <array>

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

  // A corps of brigades of the strength under a commander of the combat rating.
  static int AddFullCorps(int x, int y, int nation, int brigades, int combat = 0,
                          int strength = 80) {
    const int side = GameState.Nations[nation].Side;
    const int c = AddCorps(x, y, side, nation);
    Corps(c).Leader = AddLeader({.side = side, .status = 0, .combat = combat});
    for (int b = 0; b < brigades; ++b)
      AddBrigade({.nation = nation, .strength = strength, .location = c});
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

// A corps without strength and brigades, a commander or a place has ceased.
TEST_F(ForceTotalsTest, CorpsThatCeasedAreRemovedAndOnlyTheirOwnCommandersRelieved) {
  using Row = struct { int brigades, leaderKept, x, y, removed; };
  const Row rows[] = {
      {1, 1, 10, 10, 0}, {0, 1, 10, 10, 1}, {1, 0, 10, 10, 1}, {1, 1, 0, 10, 1}, {1, 1, 10, 0, 1}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    const int c = AddFullCorps(row.x, row.y, TNation::Union, row.brigades);
    const int leader = Corps(c).Leader;
    if (!row.leaderKept) Corps(c).Leader = 0;
    ComputeForceTotals();
    EXPECT_EQ(Corps(c).Inactive, row.removed);
    EXPECT_EQ(Nation(TNation::Union).CorpsCount, 1 - row.removed);
    EXPECT_EQ(GameState.Leaders[leader].Status,
              row.removed && row.leaderKept ? TLeaderStatus::Relieved : TLeaderStatus::InCommand);
  }
}

TEST_F(ForceTotalsTest, CapacityIsACommandersRatingOverTwelveForACorpsAndThirtyFiveForADivision) {
  EXPECT_EQ((std::array{CorpsCapacity(TCorpsKind::Corps, 11), CorpsCapacity(TCorpsKind::Corps, 12),
                        CorpsCapacity(TCorpsKind::InfantryDivision, 34),
                        CorpsCapacity(TCorpsKind::CavalryDivision, 35)}),
            (std::array{4, 5, 2, 3}));
}

// Cohesion is the strength against a full complement of 80 per brigade of
// room (four for a commander rated 0), held to 1..10.
TEST_F(ForceTotalsTest, ACorpsRatesItsStrengthAgainstItsRoomFromOneToTen) {
  using Row = struct { int full, rest, cohesion; };
  const Row rows[] = {{0, 31, 1}, {0, 63, 1}, {0, 64, 2}, {3, 79, 9}, {4, 0, 10}, {5, 0, 10}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    const int c = AddFullCorps(10, 10, TNation::Union, row.full);
    if (row.rest != 0) AddBrigade({.strength = row.rest, .location = c});
    ComputeForceTotals();
    EXPECT_EQ(Corps(c).Cohesion, row.cohesion);
  }
}

// A computer corps set to anything from defending to training is set to
// defend; a disordered one withdraws.
TEST_F(ForceTotalsTest, StanceIsResetForComputerAndDisorderedCorps) {
  namespace S = TCombatStance;
  using Row = struct { int stance, human, disorder, after; };
  const Row rows[] = {{S::Withdraw, 0, 0, S::Withdraw}, {S::Advance, 0, 0, S::Defend},
                      {S::Training, 0, 0, S::Defend},   {S::Embarked, 0, 0, S::Embarked},
                      {S::Advance, 1, 0, S::Advance},   {S::Advance, 1, 1, S::Withdraw}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    const int c = AddFullCorps(10, 10, TNation::Union, 1);
    Nation(TNation::Union).Human = row.human;
    Corps(c).Stance = row.stance;
    Corps(c).Disorder = row.disorder;
    ComputeForceTotals();
    EXPECT_EQ(Corps(c).Stance, row.after);
  }
}

// Corps within two hexes weigh on each other; a division counts half unless it
// rates 1, and a corps reads those after it as the last totals left them.
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
  EXPECT_EQ(
      (std::array<int, 5>{Corps(own).OwnPressure, Corps(own).EnemyPressure, Corps(own).Posture,
                          Corps(enemy).OwnPressure, Corps(enemy).EnemyPressure}),
      (std::array{10 + 2 + 1, 10, TPosture::Stronger, 20, 10 + 2}));
}

TEST_F(ForceTotalsTest, PostureBandsOfOwnAgainstEnemyPressure) {
  using Row = struct { int own, enemy, posture; };
  const Row rows[] = {{1, 3, TPosture::Outmatched},  {2, 4, TPosture::Outnumbered},
                      {3, 4, TPosture::Outnumbered}, {4, 4, TPosture::Even},
                      {5, 4, TPosture::Even},        {6, 4, TPosture::Stronger},
                      {14, 4, TPosture::Stronger},   {15, 4, TPosture::Overwhelming}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    const int c = AddBatteryCorps(10, 10, TNation::Union);
    for (int k = 1; k < row.own; ++k) AddBatteryCorps(10, 11, TNation::Union);
    for (int k = 0; k < row.enemy; ++k) AddBatteryCorps(11, 10, TNation::Confederacy);
    ComputeForceTotals();
    EXPECT_EQ(Corps(c).Posture, row.posture);
  }
}

TEST_F(ForceTotalsTest, AnArmyWithoutCorpsIsDissolvedAndItsNameFreed) {
  TArmy& army = GameState.Armies[AddArmy(10, 10, TSide::Confederate, TNation::Confederacy)];
  army.Name = "Army of Virginia";
  army.Leader = AddLeader({.side = TSide::Confederate, .status = 0});
  auto& names = GameState.ArmyNames[TNation::Confederacy];
  names[3].Name = "Army of Virginia";
  names[4].Name = "Army of Virginia Too";
  names[3].Used = names[4].Used = 1;
  ComputeForceTotals();
  EXPECT_EQ(names[3].Used + 2 * names[4].Used, 2);
  EXPECT_TRUE(army.IsFree());
}

// An army's cohesion is its corps' mean readiness; a theatre's strength counts
// its garrisons, its capacity the corps alone.
TEST_F(ForceTotalsTest, ArmiesAndTheatresAddUpTheirCorpsAndGarrisons) {
  const int army = AddArmy(10, 10, TSide::Union, TNation::Union);
  GameState.Cities[GameState.Armies[army].HqCity].Theatre = TTheatre::West;
  const int a = AddFullCorps(10, 10, TNation::Union, 4);
  const int b = AddFullCorps(12, 10, TNation::Union, 2);
  Corps(a).Army = Corps(b).Army = army;
  Corps(a).Readiness = 10;
  Corps(b).Readiness = 5;
  const int fort = AddCity(20, 20, TSide::Union);
  GameState.Cities[fort].Theatre = TTheatre::Seaboard;
  AddBrigade({.strength = 40, .status = TBrigadeStatus::InGarrison, .location = fort});
  ComputeForceTotals();
  const TArmy& record = GameState.Armies[army];
  const TNationRec& nation = Nation(TNation::Union);
  EXPECT_EQ((std::array<int, 4>{record.Theatre, record.CorpsCount, record.Cohesion, record.Rating}),
            (std::array{TTheatre::West, 2, (10 + 5) / 2, 7}));
  // Capacity: 480 x 10 / (2 corps x 4 brigades x 80 / 10 + 1).
  EXPECT_EQ((std::array<int, 4>{nation.CorpsCount, nation.ArmyCount,
                                nation.LandStrength[TTheatre::Seaboard],
                                nation.TheatreCapacity[TTheatre::Seaboard]}),
            (std::array{2, 1, 480 + 40, 4800 / 65}));
}

// Sea fleets tally ironclads, warships and transports as 6, 2 and 4, river
// fleets as 1, 3 and 5; a fleet under construction counts nothing. A fleet
// within 25 turns of ready takes its nation's side.
TEST_F(ForceTotalsTest, ShipsAreTalliedByTypeForSeaAndRiverFleets) {
  for (const int kind : {1, 2, 0}) {
    TFleet& fleet = GameState.Fleets[AddFleet(5, 5, TSide::None, TNation::Union)];
    fleet.Status = kind == 0 ? 24 : 0;
    fleet.Kind = kind;
    fleet.Ships[1] = 1;
    fleet.Ships[2] = 2;
    fleet.Ships[3] = 3;
    fleet.DamagedShips[1] = 10;
  }
  GameState.Fleets[AddFleet(5, 5, TSide::None, TNation::Union)].Status = 25;
  ComputeForceTotals();
  const auto& tally = Nation(TNation::Union).ShipTally;
  EXPECT_EQ((std::array<int, 6>{tally[1], tally[2], tally[3], tally[4], tally[5], tally[6]}),
            (std::array{11, 2, 2, 3, 3, 11}));
  EXPECT_EQ(GameState.Fleets[3].Side, TSide::Union);
  EXPECT_EQ(GameState.Fleets[4].Side, TSide::None);
}

TEST_F(ForceTotalsTest, AnArmysOddsWeighItsCampAgainstTheEnemyNearItsHeadquarters) {
  const int army = AddArmy(10, 10, TSide::Union, TNation::Union);
  Corps(AddFullCorps(10, 10, TNation::Union, 6)).Army = army;
  AddFullCorps(10, 12, TNation::Confederacy, 1, 0, 33);
  ComputeForceTotals();
  // Own 1 + 480 counts 49; the enemy's 33 / 3 = 11 counts 2.
  EXPECT_EQ(ThreatOwnStrength, 49);
  EXPECT_EQ(ThreatEnemyStrength, 2);
  EXPECT_EQ(GameState.Armies[army].Odds, 100);
}

// The stronger side gains ten a band of how many times over it outnumbers the
// enemy, up to five, and climbs within its band; the weaker drops ten a band.
TEST(ArmyOddsTest, EachBandOfOddsStartsWhereTheStrongerSideOutnumbersTheOtherOnceMore) {
  // Rows: own, enemy, odds.
  const int rows[][3] = {{3, 2, 61},     {6, 2, 72}, {7, 2, 81}, {10, 2, 92}, {11, 2, 100},
                         {300, 100, 80}, {5, 5, 50}, {3, 4, 41}, {3, 5, 42},  {3, 6, 43},
                         {3, 7, 31},     {1, 5, 11}, {1, 6, 1},  {1, 9, 4},   {30, 61, 30}};
  for (const auto& [own, enemy, odds] : rows)
    EXPECT_EQ(ArmyOdds(own, enemy), odds) << own << ":" << enemy;
}

}  // namespace
