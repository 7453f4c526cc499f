#include "world/fleet_slots.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

// Union ports in the seaboard theatre (city 1) and the west (city 2).
class FleetSlotsTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    GameState.Cities[AddCity(10, 10, TSide::Union)].Theatre = TTheatre::Seaboard;
    GameState.Cities[AddCity(40, 10, TSide::Union)].Theatre = TTheatre::West;
  }
  // An idle Union fleet of the kind (0 sea, 2 river) with ironclads, warships, transports.
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

// Idle sea transports are sought by port, river ones and war fleets by
// theatre, never busy ones, and the last one found is taken; a free slot is
// the highest. Every fleet looked at is stocked with two supplies a ship,
// damaged transports left out.
TEST_F(FleetSlotsTest, IdleFleetsAreSoughtByPortOrTheatreAndStockedToPutToSea) {
  Idle(1, 0, 1, 2, 3).DamagedShips = {{1, 1, 5}};
  Idle(1, 0, 0, 0, 1);
  Idle(2, 0, 0, 0, 4);
  Idle(1, 0, 0, 0, 5).Mission = 2;
  Idle(1, 0, 0, 0, 5).TransportTask = 9;
  Idle(1, 0, 0, 3, 0);
  Idle(2, 2, 0, 0, 2).Supplies = 50;
  Idle(2, 2, 0, 2, 0);
  EXPECT_EQ(Find(0, 0, kFreeFleetSlot), GameState.Fleets.Count);
  EXPECT_EQ(Find(1, 0, kIdleTransportFleet), 2);
  EXPECT_EQ(Find(TTheatre::Seaboard, 0, kIdleWarFleet), 6);
  EXPECT_EQ(Find(TTheatre::West, 2, kIdleTransportFleet), 7);
  EXPECT_EQ(Find(TTheatre::West, 2, kIdleWarFleet), 8);
  EXPECT_EQ(Find(TTheatre::Seaboard, 2, kIdleTransportFleet), 0);
  EXPECT_EQ(GameState.Fleets[1].Supplies, 2 * (1 + 1 + 2 + 1 + 3));
  EXPECT_EQ(GameState.Fleets[4].Supplies, 10);
  EXPECT_EQ(GameState.Fleets[7].Supplies, 50);
}

}  // namespace
