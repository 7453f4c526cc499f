#include "world/shipyard.h"

#include <tuple>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

class ShipyardTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    port = AddCity(20, 20, TSide::Union);
    GameState.Cities[port].Theatre = TTheatre::Seaboard;
  }
  int port = 0;
};

// A fleet of 1 ironclad, 2 warships and 3 transports counts against the port's
// yards only while it is on the stocks (status 1..25).
TEST_F(ShipyardTest, FreeCapacityCountsOnlyTheShipsOnTheStocks) {
  struct Row {
    int yardA, yardB, status, type, free;
  };
  const Row rows[] = {
      {4, 6, 25, 2, 1}, {4, 6, 26, 2, 6}, {4, 6, 0, 3, 6}, {4, 6, 1, 1, 3}, {4, 4, 1, 3, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.status);
    GameState.Cities[port].ShipyardA = static_cast<std::uint8_t>(row.yardA);
    GameState.Cities[port].ShipyardB = static_cast<std::uint8_t>(row.yardB);
    TFleet& building = GameState.Fleets[AddFleet(20, 20, TSide::Union, TNation::Union)];
    building.HomePort = static_cast<std::uint8_t>(port);
    building.Ships[1] = 1, building.Ships[2] = 2, building.Ships[3] = 3;
    building.Status = static_cast<std::uint8_t>(row.status);
    EXPECT_EQ(FreeYardCapacity(port, row.type), row.free);
    building.Status = TFleet::FreedStatus;
  }
}

// Per ship 2, 4 or 3 manpower and 200, 10 or 10 supplies; both costs exactly
// covered raise the fleet, one short of either raises nothing and pays nothing.
TEST_F(ShipyardTest, RaisingPaysBothCostsOrNothing) {
  struct Row {
    int nation, river, type, n, manpower, supplies, kind, status;  // kind -1: not raised
  };
  const Row rows[] = {
      {TNation::Union, 0, 1, 3, 6, 600, 1, 24},     {TNation::Union, 0, 1, 3, 5, 600, -1, 0},
      {TNation::Union, 0, 1, 3, 6, 599, -1, 0},     {TNation::Confederacy, 0, 3, 2, 6, 20, 0, 8},
      {TNation::Union, 0, 3, 2, 6, 20, 1, 8},       {TNation::Union, 1, 2, 1, 4, 10, 2, 10},
      {TNation::Confederacy, 1, 3, 1, 3, 10, 2, 6},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.nation << " " << row.type << " " << row.manpower);
    TFleet& stale = GameState.Fleets[GameState.Fleets.Count];
    stale.Status = TFleet::FreedStatus, stale.Cotton = 77, stale.Path[1] = 5, stale.Ships[2] = 9;
    TNationRec& nation = GameState.Nations[row.nation];
    nation.BuildPoints = static_cast<std::uint16_t>(row.manpower);
    nation.Supplies[TTheatre::Seaboard] = static_cast<std::uint16_t>(row.supplies);
    const RaiseOutcome outcome = RaiseFleet(row.nation, port, row.river != 0, row.type, row.n);
    const int manpower = nation.BuildPoints, supplies = nation.Supplies[TTheatre::Seaboard];
    if (row.kind < 0) {
      EXPECT_EQ(std::tuple(outcome.fleet, outcome.shortOfManpower, manpower, supplies),
                std::tuple(0, row.manpower < 6, row.manpower, row.supplies));
      continue;
    }
    ASSERT_EQ(outcome.fleet, GameState.Fleets.Count);
    const TFleet& fleet = GameState.Fleets[outcome.fleet];
    EXPECT_EQ(std::tuple(fleet.Kind, fleet.Status, fleet.Ships[row.type], fleet.Mission,
                         fleet.HomePort, fleet.Number),
              std::tuple(row.kind, row.status, row.n, 1, port, 1));
    // Paid in full, and nothing of the slot's last fleet is left.
    EXPECT_EQ(manpower + supplies + fleet.Cotton + fleet.Path[1] + fleet.Ships[1] + fleet.Ships[2] +
                  fleet.Ships[3] - row.n,
              0);
    stale.Status = TFleet::FreedStatus;
  }
}

}  // namespace
