#include "world/fleet_merging.h"

#include <tuple>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

// Two Union fleets on one hex: the first of 2 sound and 1 damaged ironclads
// and 1 transport, carrying corps 7 and 40 supplies.
class FleetMergingTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    fleet = AddFleet(10, 10, TSide::Union, TNation::Union);
    partner = AddFleet(10, 10, TSide::Union, TNation::Union);
    TFleet& ships = GameState.Fleets[fleet];
    ships.Ships[1] = 2, ships.DamagedShips[1] = 1, ships.Ships[3] = 1;
    ships.Corps = 7, ships.Supplies = 40, ships.Mission = 5, ships.HomePort = 3;
    GameState.Fleets[partner].Ships[2] = 1;
  }
  static TFleet& Fleet(int f) { return GameState.Fleets[f]; }
  int fleet = 0, partner = 0;
};

TEST_F(FleetMergingTest, OnlyPartnersWhoseMergeStrandsNoCorpsAreOffered) {
  EXPECT_TRUE(MayMergeWith(fleet, partner, TNation::Union));
  Fleet(partner).Corps = 8;
  EXPECT_FALSE(MayMergeWith(fleet, partner, TNation::Union));
  Fleet(fleet).Corps = 0;
  EXPECT_TRUE(MayMergeWith(fleet, partner, TNation::Union));
  Fleet(partner).Kind = 2;
  EXPECT_FALSE(MayMergeWith(fleet, partner, TNation::Union));
}

// Sound ships move first; a fleet with ships left keeps its corps. (Merging
// every ship is shown through the fleet orders dialog.)
TEST_F(FleetMergingTest, MergingSomeShipsKeepsTheFleet) {
  EXPECT_FALSE(MergeChosenShips(fleet, partner, {3, 0, 0}));
  EXPECT_EQ(std::tuple(Fleet(partner).Ships[1], Fleet(partner).DamagedShips[1], Fleet(fleet).Corps),
            std::tuple(2, 1, 7));
}

TEST_F(FleetMergingTest, SplittingMakesACleanFleetUnlessEveryShipIsChosen) {
  const int slot = GameState.Fleets.Count;
  Fleet(slot).Cotton = 50, Fleet(slot).TransportTask = 9;
  EXPECT_FALSE(SplitChosenShips(fleet, slot, {3, 0, 1}, TNation::Union));
  EXPECT_FALSE(SplitChosenShips(fleet, slot, {0, 0, 0}, TNation::Union));
  EXPECT_TRUE(Fleet(slot).IsFree());
  ASSERT_TRUE(SplitChosenShips(fleet, slot, {1, 0, 1}, TNation::Union));
  const TFleet& made = Fleet(slot);
  // Numbers 1 and 2 are the fleets on the hex.
  EXPECT_EQ(std::tuple(made.Status, made.Mission, made.HomePort, made.Side, made.Number),
            std::tuple(0, 5, 3, TSide::Union, 3));
  EXPECT_EQ(made.Ships[1] + made.Ships[3], 2);
  EXPECT_EQ(made.Corps + made.Supplies + made.Cotton + made.TransportTask, 0);
  EXPECT_EQ(Fleet(fleet).Ships[1] + Fleet(fleet).DamagedShips[1] + Fleet(fleet).Ships[3], 2);
}

}  // namespace
