#include "warfare/fleet_slots.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

// Union ports in theatres 1 and 2; the Union's fleets are idle.
class FleetSlotsTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    east = AddCity(10, 10, TSide::Union);
    west = AddCity(40, 10, TSide::Union);
    GameState.Cities[east].Theatre = TTheatre::Seaboard;
    GameState.Cities[west].Theatre = TTheatre::West;
  }
  static TFleet& AddIdleFleet(int port, int kind, int ironclads, int warships, int transports) {
    TFleet& fleet = GameState.Fleets[AddFleet(10, 10, TSide::Union, TNation::Union)];
    fleet.Status = 0;
    fleet.HomePort = static_cast<std::uint8_t>(port);
    fleet.Kind = static_cast<std::uint8_t>(kind);
    fleet.Ships[1] = static_cast<std::uint8_t>(ironclads);
    fleet.Ships[2] = static_cast<std::uint8_t>(warships);
    fleet.Ships[3] = static_cast<std::uint8_t>(transports);
    return fleet;
  }
  static int Find(int place, int kind, int mode) {
    return FindFleetSlot(TNation::Union, place, kind, mode);
  }

  int east = 0;
  int west = 0;
};

TEST_F(FleetSlotsTest, AFreeSlotIsTheHighestOneAndNoneWhenTheTableIsFull) {
  EXPECT_EQ(Find(0, 0, kFreeFleetSlot), 100);
  GameState.Fleets[100].Status = 3;
  GameState.Fleets[99].Status = 25;
  EXPECT_EQ(Find(0, 0, kFreeFleetSlot), 98);
  for (int f = 1; f <= GameState.Fleets.Count; ++f) GameState.Fleets[f].Status = 0;
  EXPECT_EQ(Find(0, 0, kFreeFleetSlot), 0);
}

TEST_F(FleetSlotsTest, IdleFleetsAreSoughtByPortOrTheatreAndTheLastOneFound) {
  AddIdleFleet(east, 0, 0, 0, 2);
  TFleet& last = AddIdleFleet(east, 0, 0, 0, 1);
  AddIdleFleet(west, 0, 0, 0, 4);
  AddIdleFleet(east, 0, 0, 0, 5).Mission = 2;
  AddIdleFleet(east, 0, 0, 0, 5).TransportTask = 9;
  AddIdleFleet(east, 0, 0, 3, 0);
  EXPECT_EQ(Find(east, 0, kIdleTransportFleet), 2);
  last.Ships[3] = 0;
  EXPECT_EQ(Find(east, 0, kIdleTransportFleet), 1);
  EXPECT_EQ(Find(TTheatre::Seaboard, 0, kIdleWarFleet), 6);

  // River fleets by theatre; damaged ships do not make a war fleet.
  AddIdleFleet(west, 2, 0, 0, 2);
  AddIdleFleet(west, 2, 0, 2, 0);
  AddIdleFleet(west, 2, 0, 0, 3).DamagedShips[1] = 2;
  EXPECT_EQ(Find(TTheatre::West, 2, kIdleTransportFleet), 9);
  EXPECT_EQ(Find(TTheatre::Seaboard, 2, kIdleTransportFleet), 0);
  EXPECT_EQ(Find(TTheatre::West, 2, kIdleWarFleet), 8);
  EXPECT_EQ(FindFleetSlot(TNation::Confederacy, TTheatre::West, 2, kIdleWarFleet), 0);
}

TEST_F(FleetSlotsTest, EveryFleetLookedAtIsStockedToPutToSeaChosenOrNot) {
  TFleet& chosen = AddIdleFleet(east, 0, 1, 2, 3);
  chosen.DamagedShips[1] = 1;
  chosen.DamagedShips[2] = 1;
  chosen.DamagedShips[3] = 5;
  TFleet& busy = AddIdleFleet(east, 0, 0, 4, 0);
  busy.Mission = 4;
  TFleet& stocked = AddIdleFleet(west, 0, 1, 0, 0);
  stocked.Supplies = 50;
  TFleet& river = AddIdleFleet(east, 2, 0, 4, 0);
  EXPECT_EQ(Find(TTheatre::Seaboard, 0, kIdleWarFleet), 1);
  EXPECT_EQ(chosen.Supplies, 2 * (1 + 1 + 2 + 1 + 3));
  EXPECT_EQ(busy.Supplies, 8);
  EXPECT_EQ(stocked.Supplies, 50);
  EXPECT_EQ(river.Supplies, 0);
}

}  // namespace
