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
    fleet.Ships[kIronclads] = static_cast<std::uint8_t>(ironclads);
    fleet.Ships[kWarships] = static_cast<std::uint8_t>(warships);
    fleet.Ships[kTransports] = static_cast<std::uint8_t>(transports);
    return f;
  }
};

TEST_F(FleetConsolidationTest, ALoneIroncladTakesInTheNextIroncladSquadronOnItsHex) {
  const int keep = Squadron(1, 0, 0);
  const int absorbed = Squadron(1, 2, 0);
  TFleet& other = GameState.Fleets[absorbed];
  other.DamagedShips[kIronclads] = 1;
  other.Supplies = 300;
  other.Cotton = 40;
  other.Mission = 1;
  other.HomePort = 7;
  other.Path[1] = 3;

  ConsolidateComputerFleets();

  const TFleet& fleet = GameState.Fleets[keep];
  EXPECT_EQ(fleet.Ships[kIronclads], 2);
  EXPECT_EQ(fleet.Ships[kWarships], 2);
  EXPECT_EQ(fleet.DamagedShips[kIronclads], 1);
  EXPECT_EQ(fleet.Supplies, 300);
  EXPECT_EQ(fleet.Cotton, 40);
  EXPECT_EQ(other.Status, TFleet::FreedStatus);
  EXPECT_EQ(other.Nation, 0);
  EXPECT_EQ(other.X, 0);
  EXPECT_EQ(other.Mission, 0);
  EXPECT_EQ(other.HomePort, 0);
  EXPECT_EQ(other.Ships[kWarships], 0);
  EXPECT_EQ(other.DamagedShips[kIronclads], 0);
  EXPECT_EQ(other.Supplies, 0);
  EXPECT_EQ(other.Number, absorbed);
  EXPECT_EQ(other.Path[1], 3);
}

TEST_F(FleetConsolidationTest, OnlyASmallSquadronOfAKindTheOtherAlsoHasIsToppedUp) {
  // Four or five warships are no small squadron; the lone ironclad finds no other.
  const int four = Squadron(0, 4, 0);
  const int five = Squadron(0, 5, 0);
  const int lone = Squadron(1, 0, 0);
  ConsolidateComputerFleets();
  for (int f : {four, five, lone}) EXPECT_EQ(GameState.Fleets[f].Status, 0) << "fleet " << f;
  EXPECT_EQ(GameState.Fleets[four].Ships[kWarships], 4);
}

TEST_F(FleetConsolidationTest, ASmallSquadronTakesInABigOne) {
  const int big = Squadron(0, 4, 0);
  const int small = Squadron(0, 2, 0);
  ConsolidateComputerFleets();
  EXPECT_EQ(GameState.Fleets[big].Status, TFleet::FreedStatus);
  EXPECT_EQ(GameState.Fleets[small].Ships[kWarships], 6);
}

TEST_F(FleetConsolidationTest, EachFleetTakesInOnePartnerAtMostAndOnlyTheFirstItFinds) {
  const int keep = Squadron(0, 0, 2);
  const int first = Squadron(0, 0, 4);
  const int second = Squadron(0, 0, 5);
  ConsolidateComputerFleets();
  EXPECT_EQ(GameState.Fleets[keep].Ships[kTransports], 6);
  EXPECT_EQ(GameState.Fleets[first].Status, TFleet::FreedStatus);
  // The second is too big to top anything up, and the first fleet is done.
  EXPECT_EQ(GameState.Fleets[second].Status, 0);
}

TEST_F(FleetConsolidationTest, FleetsMergeOnlyWithinOneComputerNationHexKindAndIdleMission) {
  const int keep = Squadron(0, 1, 0);
  const int elsewhere = Squadron(0, 1, 0);
  GameState.Fleets[elsewhere].X = 21;
  const int river = Squadron(0, 1, 0);
  GameState.Fleets[river].Kind = 1;
  const int raiding = Squadron(0, 1, 0);
  GameState.Fleets[raiding].Mission = 2;
  const int british = Squadron(0, 1, 0);
  GameState.Fleets[british].Nation = TNation::Britain;
  const int union1 = AddFleet(40, 10, TSide::Union, TNation::Union);
  const int union2 = AddFleet(40, 10, TSide::Union, TNation::Union);
  GameState.Fleets[union1].Ships[kWarships] = GameState.Fleets[union2].Ships[kWarships] = 1;

  ConsolidateComputerFleets();

  for (int f : {keep, elsewhere, river, raiding, british, union1, union2})
    EXPECT_EQ(GameState.Fleets[f].Status, 0) << "fleet " << f;
  EXPECT_EQ(GameState.Fleets[keep].Ships[kWarships], 1);
}

TEST_F(FleetConsolidationTest, AFleetWithACorpsAboardIsNeverMergedAwayAndItsCorpsSailsOn) {
  const int keep = Squadron(0, 0, 1);
  const int carrier = Squadron(0, 0, 1);
  const int corps = AddCorps(20, 30, TSide::Confederate, TNation::Confederacy);
  GameState.Corps[corps].Stance = 4;
  GameState.Corps[corps].Strength = 500;
  GameState.Fleets[carrier].Corps = static_cast<std::uint8_t>(corps);

  ConsolidateComputerFleets();
  UpdateContacts();

  EXPECT_EQ(GameState.Fleets[carrier].Status, 0);
  // The carrier may take the empty fleet in instead.
  EXPECT_EQ(GameState.Fleets[keep].Status, TFleet::FreedStatus);
  EXPECT_EQ(GameState.Fleets[carrier].Ships[kTransports], 2);
  EXPECT_FALSE(GameState.Corps[corps].IsFree());
  EXPECT_EQ(GameState.Corps[corps].Nation, TNation::Confederacy);
}

TEST_F(FleetConsolidationTest, MergedCountsStopAtTheirFieldsLimits) {
  const int keep = Squadron(0, 0, 0);
  const int other = Squadron(0, 0, 0);
  GameState.Fleets[keep].Ships[kWarships] = 250;
  GameState.Fleets[other].Ships[kWarships] = 10;
  GameState.Fleets[keep].Supplies = 65000;
  GameState.Fleets[other].Supplies = 1000;
  MergeFleetInto(keep, other);
  EXPECT_EQ(GameState.Fleets[keep].Ships[kWarships], 255);
  EXPECT_EQ(GameState.Fleets[keep].Supplies, 65535);
}

}  // namespace
