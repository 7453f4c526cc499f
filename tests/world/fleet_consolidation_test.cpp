#include "world/fleet_consolidation.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/contacts.h"
#include "world/vardecl.h"

namespace {

constexpr int kIronclads = 1;
constexpr int kWarships = 2;
constexpr int kTransports = 3;

class FleetConsolidationTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    GameState.Nations[TNation::Union].Human = 1;
  }

  // A Confederate computer fleet at (20, 30) with the given sound ships.
  static int Squadron(int ironclads, int warships, int transports) {
    const int f = AddFleet(20, 30, TSide::Confederate, TNation::Confederacy);
    TFleet& fleet = GameState.Fleets[f];
    fleet.Ships[kIronclads] = ironclads;
    fleet.Ships[kWarships] = warships;
    fleet.Ships[kTransports] = transports;
    return f;
  }

  static int Status(int fleet) { return GameState.Fleets[fleet].Status; }
};

TEST_F(FleetConsolidationTest, ALoneIroncladTakesInTheNextIroncladSquadronAndFreesItsSlot) {
  const int keep = Squadron(1, 0, 0);
  const int absorbed = Squadron(1, 2, 0);
  TFleet& other = GameState.Fleets[absorbed];
  other.DamagedShips[kIronclads] = 1;
  other.Supplies = 300;
  other.Mission = 1;
  other.Path[1] = 3;

  ConsolidateComputerFleets();

  const TFleet& fleet = GameState.Fleets[keep];
  EXPECT_EQ(fleet.Ships[kIronclads] + fleet.DamagedShips[kIronclads], 3);
  EXPECT_EQ(fleet.Ships[kWarships], 2);
  EXPECT_EQ(fleet.Supplies, 300);
  EXPECT_EQ(other.Status, TFleet::FreedStatus);
  EXPECT_EQ(other.Nation + other.X + other.Mission + other.Ships[kWarships] + other.Supplies, 0);
  EXPECT_EQ(other.Number, absorbed);  // a freed slot keeps its number and path
  EXPECT_EQ(other.Path[1], 3);
}

// A fleet takes in the next idle fleet of its hex and kind when it has a lone
// ironclad, or one to three warships or transports, and the partner has ships
// of that kind too; damaged ships count. Every fleet is asked in turn.
TEST_F(FleetConsolidationTest, OnlyASmallSquadronOfAKindThePartnerAlsoHasTakesItIn) {
  // Rows: the first fleet's ironclads, warships, transports, damaged ironclads;
  // the second's; the second's mission; the fleet freed (0 none).
  const int rows[][10] = {{1, 0, 0, 0, 2, 0, 0, 0, 0, 2}, {0, 0, 0, 1, 2, 0, 0, 0, 0, 2},
                          {2, 0, 0, 0, 2, 0, 0, 0, 0, 0}, {2, 0, 0, 0, 1, 0, 0, 0, 0, 1},
                          {0, 3, 0, 0, 0, 4, 0, 0, 0, 2}, {0, 4, 0, 0, 0, 4, 0, 0, 0, 0},
                          {0, 0, 3, 0, 0, 0, 4, 0, 0, 2}, {0, 0, 4, 0, 0, 0, 4, 0, 0, 0},
                          {1, 0, 0, 0, 0, 5, 0, 0, 0, 0}, {0, 1, 0, 0, 0, 1, 0, 0, 1, 2},
                          {0, 1, 0, 0, 0, 1, 0, 0, 2, 0}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
    SetUp();
    const int first = Squadron(row[0], row[1], row[2]);
    const int second = Squadron(row[4], row[5], row[6]);
    GameState.Fleets[first].DamagedShips[kIronclads] = row[3];
    GameState.Fleets[second].Mission = row[8];
    ConsolidateComputerFleets();
    EXPECT_EQ(Status(first) == TFleet::FreedStatus, row[9] == first);
    EXPECT_EQ(Status(second) == TFleet::FreedStatus, row[9] == second);
  }
}

TEST_F(FleetConsolidationTest, FleetsMergeOnlyWithinOneComputerNationHexKindAndIdleMission) {
  const int keep = Squadron(0, 1, 0);
  GameState.Fleets[Squadron(0, 1, 0)].X = 21;
  GameState.Fleets[Squadron(0, 1, 0)].Kind = 1;
  GameState.Fleets[Squadron(0, 1, 0)].Mission = 2;
  GameState.Fleets[Squadron(0, 1, 0)].Nation = TNation::Britain;
  for (int i = 0; i < 2; ++i)
    GameState.Fleets[AddFleet(40, 10, TSide::Union, TNation::Union)].Ships[kWarships] = 1;

  ConsolidateComputerFleets();

  for (int f = 1; f <= 7; ++f) EXPECT_EQ(Status(f), 0) << "fleet " << f;
  EXPECT_EQ(GameState.Fleets[keep].Ships[kWarships], 1);
}

TEST_F(FleetConsolidationTest, AFleetWithACorpsAboardIsNeverMergedAwayAndItsCorpsSailsOn) {
  const int empty = Squadron(0, 0, 1);
  const int carrier = Squadron(0, 0, 1);
  const int corps = AddCorps(20, 30, TSide::Confederate, TNation::Confederacy);
  GameState.Corps[corps].Stance = 4;
  GameState.Corps[corps].Strength = 500;
  GameState.Fleets[carrier].Corps = corps;

  ConsolidateComputerFleets();
  UpdateContacts();

  EXPECT_EQ(Status(empty), TFleet::FreedStatus);  // the carrier takes it in instead
  EXPECT_EQ(GameState.Fleets[carrier].Ships[kTransports], 2);
  EXPECT_EQ(GameState.Corps[corps].Nation, TNation::Confederacy);
}

TEST_F(FleetConsolidationTest, MergedCountsStopAtTheirFieldsLimits) {
  const int keep = Squadron(0, 250, 0);
  const int other = Squadron(0, 10, 0);
  GameState.Fleets[keep].Supplies = 65000;
  GameState.Fleets[other].Supplies = 1000;
  MergeFleetInto(keep, other);
  EXPECT_EQ(GameState.Fleets[keep].Ships[kWarships], 255);
  EXPECT_EQ(GameState.Fleets[keep].Supplies, 65535);
}

}  // namespace
