#include "world/ship_building.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

// A Confederate yard in the first theatre that can take any order, with ample
// build points and supplies unless a test says otherwise. New fleets take the
// highest free slots: 100, 99, ...
class ShipBuildingTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    yard = AddCity(20, 20, TSide::Confederate);
    GameState.Cities[yard].Theatre = TTheatre::Seaboard;
    GameState.Cities[yard].ShipyardA = 10;
    GameState.Cities[yard].ShipyardB = 10;
    Nation().BuildPoints = 1000;
    Supplies() = 10000;
  }
  void Build(int kind, int ironclads, int warships, int transports) const {
    BuildShipsAtCity(TNation::Confederacy, yard, kind, ironclads, warships, transports);
  }
  static TNationRec& Nation() { return GameState.Nations[TNation::Confederacy]; }
  static U16& Supplies() { return Nation().Supplies[TTheatre::Seaboard]; }
  static const TFleet& Fleet(int f) { return GameState.Fleets[f]; }

  int yard = 0;
};

TEST_F(ShipBuildingTest, AShortPurseCutsEveryPartOfTheOrderByOneShipARound) {
  Nation().BuildPoints = 7;
  // 2 x 2 + 4 x 1 = 8 is too dear: one round leaves one ironclad and no warship.
  Build(0, 2, -1, 0);
  EXPECT_EQ(CurrentFleet, 100);
  EXPECT_EQ(Fleet(100).Ships[1], 1);
  EXPECT_TRUE(Fleet(99).IsFree());
  EXPECT_EQ(Nation().BuildPoints, 5);
  EXPECT_EQ(Supplies(), 10000 - 200);
}

TEST_F(ShipBuildingTest, YardsSuppliesAndTheLimitPerOrderCapEachType) {
  GameState.Cities[yard].ShipyardA = 2;
  GameState.Cities[yard].ShipyardB = 7;
  Build(0, 5, 9, 9);
  EXPECT_EQ(Fleet(100).Ships[1], 2);
  EXPECT_EQ(Fleet(99).Ships[2], 7);
  EXPECT_EQ(Fleet(98).Ships[3], 6);
  EXPECT_EQ(CurrentFleet, 98);
  EXPECT_EQ(Supplies(), 10000 - 400 - 70 - 6);
  EXPECT_EQ(Nation().BuildPoints, 1000 - 4 - 28 - 18);

  // 150 supplies buy no ironclad, and warships up to what the yard takes.
  Supplies() = 150;
  Build(0, 3, 8, 0);
  EXPECT_EQ(CurrentFleet, 97);
  EXPECT_EQ(Fleet(97).Ships[2], 7);
  EXPECT_TRUE(Fleet(96).IsFree());
  EXPECT_EQ(Supplies(), 80);
}

TEST_F(ShipBuildingTest, ConstructionTakesLongerForIroncladsAndAtSea) {
  Build(kRiverFleetKind, 1, 1, 1);
  EXPECT_EQ(Fleet(100).Status, 24);
  EXPECT_EQ(Fleet(99).Status, 10);
  EXPECT_EQ(Fleet(98).Status, 6);
  Build(0, 0, 1, 1);
  EXPECT_EQ(Fleet(97).Status, 12);
  EXPECT_EQ(Fleet(96).Status, 8);
  // The Confederacy's transports for kind 1 are laid down as kind 0.
  Build(1, 0, 1, 1);
  EXPECT_EQ(Fleet(95).Kind, 1);
  EXPECT_EQ(Fleet(94).Kind, 0);
}

TEST_F(ShipBuildingTest, ANewFleetIsAFreshRecordWithTheLowestNumberNoFleetHolds) {
  for (const int number : {1, 2, 4}) {
    TFleet& fleet = GameState.Fleets[AddFleet(5, 5, TSide::Confederate, TNation::Confederacy)];
    fleet.Number = static_cast<std::uint8_t>(number);
  }
  GameState.Fleets[2].Status = TFleet::FreedStatus;
  TFleet& old = GameState.Fleets[100];
  old.Number = 1;
  old.Mission = 5;
  old.Supplies = 90;
  old.TransportTask = 9;
  old.Path[3] = 4;
  old.DamagedShips[2] = 2;
  AddShipsToFleet(100, TNation::Confederacy, yard, 0, 1, 3);
  EXPECT_EQ(old.Number, 2);
  EXPECT_EQ(old.X, 20);
  EXPECT_EQ(old.Side, TSide::Confederate);
  EXPECT_EQ(old.HomePort, yard);
  EXPECT_EQ(old.Ships[2], 3);
  EXPECT_EQ(old.DamagedShips[2], 0);
  EXPECT_EQ(old.Mission, 0);
  EXPECT_EQ(old.Supplies, 0);
  EXPECT_EQ(old.TransportTask, 0);
  EXPECT_EQ(old.Path[3], 0);
}

TEST_F(ShipBuildingTest, NoYardNoNationOrAFullTableBuildsNothing) {
  BuildShipsAtCity(TNation::Confederacy, 0, 0, 1, 1, 1);
  BuildShipsAtCity(0, yard, 0, 1, 1, 1);
  for (int f = 1; f <= GameState.Fleets.Count; ++f) GameState.Fleets[f].Status = 0;
  Build(0, 1, 1, 1);
  EXPECT_EQ(CurrentFleet, 0);
  EXPECT_EQ(Supplies(), 10000);
}

}  // namespace
