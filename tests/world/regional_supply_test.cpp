#include "world/regional_supply.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

// The Confederacy with one corps of ten brigades (demand 20) in each theatre
// it is given stock for.
class RegionalSupplyTest : public WorldTest {
 protected:
  static constexpr int kNation = TNation::Confederacy;

  static void AddCorpsIn(int theatre) {
    TCorps& corps = GameState.Corps[AddCorps(10, 10 + theatre, TSide::Confederate, kNation)];
    corps.Theatre = static_cast<std::uint8_t>(theatre);
    corps.OtherBrigades = 10;
  }
  static U16& Supplies(int theatre) { return GameState.Nations[kNation].Supplies[theatre]; }
  static U16& Demand(int theatre) { return GameState.Nations[kNation].SupplyDemand[theatre]; }
};

TEST_F(RegionalSupplyTest, DemandCountsTheCorpsAndTheShipsBasedInEachTheatre) {
  AddCorpsIn(TTheatre::West);
  AddCorpsIn(TTheatre::West);
  const int port = AddCity(30, 30, TSide::Confederate);
  GameState.Cities[port].Theatre = TTheatre::Mississippi;
  TFleet& fleet = GameState.Fleets[AddFleet(30, 30, TSide::Confederate, kNation)];
  fleet.Status = 0;
  fleet.HomePort = static_cast<std::uint8_t>(port);
  fleet.Ships[1] = 1;
  fleet.Ships[2] = 2;
  fleet.Ships[3] = 3;
  fleet.DamagedShips[1] = 4;
  Supplies(TTheatre::West) = 1000;
  Supplies(TTheatre::Mississippi) = 1000;
  BalanceRegionalSupply(kNation);
  EXPECT_EQ(Demand(TTheatre::Seaboard), 0);
  EXPECT_EQ(Demand(TTheatre::West), 40);
  EXPECT_EQ(Demand(TTheatre::Mississippi), 60);
}

TEST_F(RegionalSupplyTest, EachDonorGivesUpToTheWholeNeedFromItsSurplus) {
  AddCorpsIn(TTheatre::Seaboard);
  AddCorpsIn(TTheatre::Mississippi);
  Supplies(TTheatre::Seaboard) = 5;
  Supplies(TTheatre::West) = 100;
  Supplies(TTheatre::Mississippi) = 30;
  BalanceRegionalSupply(kNation);
  // Need 15: 15 from the West, and 10 more, all the surplus, from the Mississippi.
  EXPECT_EQ(Supplies(TTheatre::Seaboard), 30);
  EXPECT_EQ(Supplies(TTheatre::West), 85);
  EXPECT_EQ(Supplies(TTheatre::Mississippi), 20);
}

TEST_F(RegionalSupplyTest, WhatNoTheatreCanSpareIsMadeUpFromNothing) {
  AddCorpsIn(TTheatre::Seaboard);
  AddCorpsIn(TTheatre::West);
  Supplies(TTheatre::Seaboard) = 5;
  Supplies(TTheatre::West) = 22;
  BalanceRegionalSupply(kNation);
  EXPECT_EQ(Supplies(TTheatre::Seaboard), 20);
  EXPECT_EQ(Supplies(TTheatre::West), 20);
}

TEST_F(RegionalSupplyTest, AHugeDemandStopsAtTheTopOfTheStock) {
  for (int c = 0; c < 120; ++c) {
    TCorps& corps = GameState.Corps[AddCorps(10, 10, TSide::Union, TNation::Union)];
    corps.Theatre = TTheatre::Seaboard;
    corps.OtherBrigades = 255;
    corps.SupplyPriority = 2;
  }
  BalanceRegionalSupply(TNation::Union);
  EXPECT_EQ(GameState.Nations[TNation::Union].SupplyDemand[TTheatre::Seaboard], 65535);
  EXPECT_EQ(GameState.Nations[TNation::Union].Supplies[TTheatre::Seaboard], 65535);
}

}  // namespace
