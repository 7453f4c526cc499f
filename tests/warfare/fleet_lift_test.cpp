#include "warfare/fleet_lift.h"

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

using FleetLiftTest = WorldTest;

// 2 sound and 1 damaged transports lift 700: 4 guns and 50 men weigh exactly that.
TEST_F(FleetLiftTest, ACorpsEmbarksWhenItIsOwnActiveAlongsideAndNoHeavierThanTheLift) {
  struct Row {
    int strength, nation, x, carriedElsewhere, inactive;
    bool embarks;
  };
  const Row rows[] = {
      {50, TNation::Union, 5, 0, 0, true},        {51, TNation::Union, 5, 0, 0, false},
      {50, TNation::Confederacy, 5, 0, 0, false}, {50, TNation::Union, 6, 0, 0, false},
      {50, TNation::Union, 5, 1, 0, false},       {50, TNation::Union, 5, 0, 1, false}};
  const int fleet = AddFleet(5, 5, TSide::Union, TNation::Union);
  GameState.Fleets[fleet].Ships[3] = 2, GameState.Fleets[fleet].DamagedShips[3] = 1;
  const int other = AddFleet(5, 5, TSide::Union, TNation::Union);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.strength);
    const int corps = AddCorps(row.x, 5, TSide::Union, row.nation);
    TCorps& troops = GameState.Corps[corps];
    troops.ArtilleryStrength = 4, troops.Strength = static_cast<std::uint16_t>(row.strength);
    GameState.Fleets[other].Corps = static_cast<std::uint8_t>(row.carriedElsewhere ? corps : 0);
    troops.Inactive = static_cast<std::uint8_t>(row.inactive);
    EXPECT_EQ(MayEmbark(fleet, corps, TNation::Union), row.embarks);
    troops.Inactive = 1;
  }
  EXPECT_FALSE(AnyCorpsMayEmbark(fleet, TNation::Union));
}

}  // namespace
