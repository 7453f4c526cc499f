#include "warfare/fleet_slots.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

// Union ports in theatres 1 and 2; fleets are idle, at sea and of kind 0
// unless a test says otherwise.
class FleetSlotsTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    east = AddCity(10, 10, TSide::Union);
    west = AddCity(40, 10, TSide::Union);
    GameState.Cities[east].Theatre = TTheatre::Seaboard;
    GameState.Cities[west].Theatre = TTheatre::West;
  }
  int AddIdleFleet(int port, int ironclads, int warships, int transports, int kind = 0) {
    const int f = AddFleet(10, 10, TSide::Union, TNation::Union);
    TFleet& fleet = GameState.Fleets[f];
    fleet.Status = 0;
    fleet.HomePort = static_cast<std::uint8_t>(port);
    fleet.Kind = static_cast<std::uint8_t>(kind);
    fleet.Ships[1] = static_cast<std::uint8_t>(ironclads);
    fleet.Ships[2] = static_cast<std::uint8_t>(warships);
    fleet.Ships[3] = static_cast<std::uint8_t>(transports);
    return f;
  }

  int east = 0;
  int west = 0;
};

TEST_F(FleetSlotsTest, AFreeSlotIsTheHighestOneAndNoneWhenTheTableIsFull) {
  EXPECT_EQ(FindFleetSlot(TNation::Union, 0, 0, kFreeFleetSlot), 100);
  GameState.Fleets[100].Status = 3;
  GameState.Fleets[99].Status = 0;
  GameState.Fleets[98].Status = 26;
  EXPECT_EQ(FindFleetSlot(TNation::Union, 0, 0, kFreeFleetSlot), 98);
  for (int f = 1; f <= GameState.Fleets.Count; ++f) GameState.Fleets[f].Status = 25;
  EXPECT_EQ(FindFleetSlot(TNation::Union, 0, 0, kFreeFleetSlot), 0);
}

TEST_F(FleetSlotsTest, AnIdleTransportFleetIsSoughtByPortAtSeaAndByTheatreOtherwise) {
  const int first = AddIdleFleet(east, 0, 0, 2);
  const int last = AddIdleFleet(east, 0, 0, 1);
  AddIdleFleet(west, 0, 0, 4);
  AddIdleFleet(east, 0, 3, 0);
  GameState.Fleets[AddIdleFleet(east, 0, 0, 5)].Mission = 2;
  GameState.Fleets[AddIdleFleet(east, 0, 0, 5)].TransportTask = 9;
  EXPECT_EQ(FindFleetSlot(TNation::Union, east, 0, kIdleTransportFleet), last);
  GameState.Fleets[last].Ships[3] = 0;
  EXPECT_EQ(FindFleetSlot(TNation::Union, east, 0, kIdleTransportFleet), first);

  const int river = AddIdleFleet(west, 0, 0, 2, 2);
  EXPECT_EQ(FindFleetSlot(TNation::Union, TTheatre::West, 2, kIdleTransportFleet), river);
  EXPECT_EQ(FindFleetSlot(TNation::Union, TTheatre::Seaboard, 2, kIdleTransportFleet), 0);
}

TEST_F(FleetSlotsTest, AWarFleetNeedsSoundIroncladsOrWarshipsInTheTheatre) {
  const int gunboats = AddIdleFleet(west, 0, 2, 0, 2);
  const int damaged = AddIdleFleet(west, 0, 0, 3, 2);
  GameState.Fleets[damaged].DamagedShips[1] = 2;
  AddIdleFleet(east, 1, 0, 0, 2);
  EXPECT_EQ(FindFleetSlot(TNation::Union, TTheatre::West, 2, kIdleWarFleet), gunboats);
  EXPECT_EQ(FindFleetSlot(TNation::Confederacy, TTheatre::West, 2, kIdleWarFleet), 0);
}

TEST_F(FleetSlotsTest, EveryFleetLookedAtIsStockedToPutToSeaChosenOrNot) {
  const int chosen = AddIdleFleet(east, 1, 2, 3);
  GameState.Fleets[chosen].DamagedShips[1] = 1;
  GameState.Fleets[chosen].DamagedShips[2] = 1;
  GameState.Fleets[chosen].DamagedShips[3] = 5;
  const int busy = AddIdleFleet(east, 0, 4, 0);
  GameState.Fleets[busy].Mission = 4;
  const int stocked = AddIdleFleet(west, 1, 0, 0);
  GameState.Fleets[stocked].Supplies = 50;
  const int river = AddIdleFleet(east, 0, 4, 0, 2);
  EXPECT_EQ(FindFleetSlot(TNation::Union, TTheatre::Seaboard, 0, kIdleWarFleet), chosen);
  EXPECT_EQ(GameState.Fleets[chosen].Supplies, 2 * (1 + 1 + 2 + 1 + 3));
  EXPECT_EQ(GameState.Fleets[busy].Supplies, 8);
  EXPECT_EQ(GameState.Fleets[stocked].Supplies, 50);
  EXPECT_EQ(GameState.Fleets[river].Supplies, 0);
  EXPECT_EQ(FindFleetSlot(TNation::Union, 0, 0, kFreeFleetSlot), 100);
}

}  // namespace
