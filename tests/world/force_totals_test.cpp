#include "world/force_totals.h"

#include <array>

#include "support/world_fixture.h"
#include "tests/world/force_builders.h"
#include "world/brigade_rules.h"

namespace {

constexpr int kUnion = TNation::Union, kSouth = TNation::Confederacy;

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
  // A corps of brigades of 80 under a commander rated 0.
  static int AddFullCorps(int x, int y, int nation, int brigades) {
    const int side = GameState.Nations[nation].Side;
    const int c = AddCorps(x, y, side, nation);
    Corps(c).Leader = AddLeader({.side = side, .status = 0, .combat = 0});
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
};

// Cohesion is the strength against a full complement of 80 per brigade of
// room (four for a commander rated 0), held to 1..10: full brigades of 80 and
// one more brigade of the rest.
TEST_F(ForceTotalsTest, ACorpsRatesItsStrengthAgainstItsRoomFromOneToTen) {
  using Row = struct { int full, rest, cohesion; };
  const Row rows[] = {{0, 31, 1}, {0, 63, 1}, {0, 64, 2}, {3, 79, 9}, {4, 0, 10}, {5, 0, 10}};
  for (const Row& row : rows) {
    SetUp();
    const int c = AddFullCorps(10, 10, kUnion, row.full);
    if (row.rest != 0) AddBrigade({.strength = row.rest, .location = c});
    ComputeForceTotals();
    EXPECT_EQ(Corps(c).Cohesion, row.cohesion) << "row " << &row - rows;
  }
}

// Corps within two hexes weigh on each other; a division counts half unless it
// rates 1, and a corps reads those after it as the last totals left them.
TEST_F(ForceTotalsTest, PressureCountsCorpsWithinTwoHexesHalvesDivisionsAndReadsLaterOnesStale) {
  const int own = AddFullCorps(10, 10, kUnion, 4);                             // rates 10
  Corps(AddFullCorps(11, 10, kUnion, 1)).Kind = TCorpsKind::InfantryDivision;  // rates 5, counts 2
  Corps(AddBatteryCorps(10, 12, kUnion)).Kind = TCorpsKind::CavalryDivision;
  const int enemy = AddFullCorps(12, 10, kSouth, 4);
  AddFullCorps(13, 10, kSouth, 4);  // three hexes off
  ComputeForceTotals();
  EXPECT_EQ(Corps(own).OwnPressure + Corps(own).EnemyPressure, 10 + 0 + 1 + 0);
  ComputeForceTotals();
  EXPECT_EQ((std::array<int, 4>{Corps(own).OwnPressure, Corps(own).EnemyPressure,
                                Corps(enemy).OwnPressure, Corps(enemy).EnemyPressure}),
            (std::array{10 + 2 + 1, 10, 20, 10 + 2}));
}

// Own corps rating 1 each (the first included) against enemy ones.
TEST_F(ForceTotalsTest, PostureBandsOfOwnAgainstEnemyPressure) {
  using Row = struct { int own, enemy, posture; };
  const Row rows[] = {{1, 3, TPosture::Outmatched},  {2, 4, TPosture::Outnumbered},
                      {3, 4, TPosture::Outnumbered}, {4, 4, TPosture::Even},
                      {5, 4, TPosture::Even},        {6, 4, TPosture::Stronger},
                      {14, 4, TPosture::Stronger},   {15, 4, TPosture::Overwhelming}};
  for (const Row& row : rows) {
    SetUp();
    const int c = AddBatteryCorps(10, 10, kUnion);
    for (int k = 1; k < row.own; ++k) AddBatteryCorps(10, 11, kUnion);
    for (int k = 0; k < row.enemy; ++k) AddBatteryCorps(11, 10, kSouth);
    ComputeForceTotals();
    EXPECT_EQ(Corps(c).Posture, row.posture) << "row " << &row - rows;
  }
}

// Sea fleets tally ironclads, warships and transports as 6, 2 and 4, river
// fleets as 1, 3 and 5; a fleet under construction counts nothing. A fleet
// within 25 turns of ready takes its nation's side.
TEST_F(ForceTotalsTest, ShipsAreTalliedByTypeForSeaAndRiverFleets) {
  for (const int kind : {1, 2, 0}) {
    TFleet& fleet = GameState.Fleets[AddFleet(5, 5, TSide::None, kUnion)];
    fleet.Status = kind == 0 ? 24 : 0;
    fleet.Kind = kind;
    for (int type = 1; type <= 3; ++type) fleet.Ships[type] = type;
    fleet.DamagedShips[1] = 10;
  }
  GameState.Fleets[AddFleet(5, 5, TSide::None, kUnion)].Status = 25;
  ComputeForceTotals();
  const auto& tally = GameState.Nations[kUnion].ShipTally;
  EXPECT_EQ((std::array<int, 8>{tally[1], tally[2], tally[3], tally[4], tally[5], tally[6],
                                GameState.Fleets[3].Side, GameState.Fleets[4].Side}),
            (std::array{11, 2, 2, 3, 3, 11, TSide::Union, TSide::None}));
}

// An army whose last corps is gone is dissolved instead of counted: neither
// the nation's armies nor its theatre's include it, and totals taken twice
// agree.
TEST_F(ForceTotalsTest, AnArmyWithoutCorpsIsDissolvedNotCountedInItsTheatre) {
  const int held = AddArmy(10, 10, TSide::Union, kUnion);
  const int empty = AddArmy(20, 20, TSide::Union, kUnion);
  for (const int a : {held, empty})
    GameState.Cities[GameState.Armies[a].HqCity].Theatre = TTheatre::Seaboard;
  Corps(AddFullCorps(10, 10, kUnion, 2)).Army = static_cast<std::uint8_t>(held);
  const TNationRec& union_ = GameState.Nations[kUnion];
  for (int pass = 1; pass <= 2; ++pass) {
    ComputeForceTotals();
    EXPECT_EQ((std::array<int, 3>{union_.ArmyCount, union_.TheatreFlag[TTheatre::Seaboard],
                                  GameState.Armies[empty].HqCity}),
              (std::array{1, 1, 0}))
        << "pass " << pass;
  }
}

// The stronger side gains ten a band of how many times over it outnumbers the
// enemy, up to five, and climbs within its band; the weaker drops ten a band.
TEST(ArmyOddsTest, EachBandOfOddsStartsWhereTheStrongerSideOutnumbersTheOtherOnceMore) {
  using Row = struct { int own, enemy, odds; };
  const Row rows[] = {{3, 2, 61},     {6, 2, 72}, {7, 2, 81}, {10, 2, 92}, {11, 2, 100},
                      {300, 100, 80}, {5, 5, 50}, {3, 4, 41}, {3, 5, 42},  {3, 6, 43},
                      {3, 7, 31},     {1, 5, 11}, {1, 6, 1},  {1, 9, 4},   {30, 61, 30}};
  for (const Row& row : rows) EXPECT_EQ(ArmyOdds(row.own, row.enemy), row.odds) << &row - rows;
}

}  // namespace
