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
    GameState.Cities[AddCity(10, 10, TSide::Union)].Theatre = TTheatre::Seaboard;
    GameState.Cities[AddCity(40, 10, TSide::Union)].Theatre = TTheatre::West;
  }
  static constexpr int kEast = 1;
  static constexpr int kWest = 2;
  static TFleet& Idle(int port, int kind, int ironclads, int warships, int transports) {
    TFleet& fleet = GameState.Fleets[AddFleet(10, 10, TSide::Union, TNation::Union)];
    fleet.Status = 0;
    fleet.HomePort = port;
    fleet.Kind = kind;
    fleet.Ships[1] = ironclads;
    fleet.Ships[2] = warships;
    fleet.Ships[3] = transports;
    return fleet;
  }
  static int Find(int place, int kind, int mode) {
    return FindFleetSlot(TNation::Union, place, kind, mode);
  }
};

TEST_F(FleetSlotsTest, AFreeSlotIsTheHighestOneAndNoneWhenTheTableIsFull) {
  GameState.Fleets[100].Status = 3;
  EXPECT_EQ(Find(0, 0, kFreeFleetSlot), 99);
  for (int f = 1; f <= GameState.Fleets.Count; ++f) GameState.Fleets[f].Status = 0;
  EXPECT_EQ(Find(0, 0, kFreeFleetSlot), 0);
}

// Idle sea transports are sought by port, river ones and war fleets by
// theatre; busy fleets never, and the last one found is taken.
TEST_F(FleetSlotsTest, IdleFleetsAreSoughtByPortOrTheatreAndTheLastOneFound) {
  Idle(kEast, 0, 0, 0, 2);
  Idle(kEast, 0, 0, 0, 1);
  Idle(kWest, 0, 0, 0, 4);
  Idle(kEast, 0, 0, 0, 5).Mission = 2;
  Idle(kEast, 0, 0, 0, 5).TransportTask = 9;
  Idle(kEast, 0, 0, 3, 0);
  Idle(kWest, 2, 0, 0, 2);
  Idle(kWest, 2, 0, 2, 0);
  EXPECT_EQ(Find(kEast, 0, kIdleTransportFleet), 2);
  EXPECT_EQ(Find(TTheatre::Seaboard, 0, kIdleWarFleet), 6);
  EXPECT_EQ(Find(TTheatre::West, 2, kIdleTransportFleet), 7);
  EXPECT_EQ(Find(TTheatre::West, 2, kIdleWarFleet), 8);
  EXPECT_EQ(Find(TTheatre::Seaboard, 2, kIdleTransportFleet), 0);
}

// Every idle fleet looked at is stocked with two supplies a ship, damaged
// transports left out, whether it is chosen or not.
TEST_F(FleetSlotsTest, EveryFleetLookedAtIsStockedToPutToSeaChosenOrNot) {
  TFleet& chosen = Idle(kEast, 0, 1, 2, 3);
  chosen.DamagedShips = {{1, 1, 5}};
  TFleet& busy = Idle(kEast, 0, 0, 4, 0);
  busy.Mission = 4;
  TFleet& stocked = Idle(kWest, 0, 1, 0, 0);
  stocked.Supplies = 50;
  EXPECT_EQ(Find(TTheatre::Seaboard, 0, kIdleWarFleet), 1);
  EXPECT_EQ(chosen.Supplies, 2 * (1 + 1 + 2 + 1 + 3));
  EXPECT_EQ(busy.Supplies, 8);
  EXPECT_EQ(stocked.Supplies, 50);
}

}  // namespace
