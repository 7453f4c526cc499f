#include "world/fleet_consolidation.h"

#include <array>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

constexpr int kIronclads = 1, kWarships = 2, kTransports = 3;

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
    fleet.Ships[kIronclads] = ironclads;
    fleet.Ships[kWarships] = warships;
    fleet.Ships[kTransports] = transports;
    return f;
  }
  static bool Freed(int fleet) { return GameState.Fleets[fleet].Status == TFleet::FreedStatus; }
};

// A fleet takes in the next idle fleet of its hex and kind when it has a lone
// ironclad, or one to three warships or transports, and the partner has ships
// of that kind too; damaged ships count. Every fleet is asked in turn.
TEST_F(FleetConsolidationTest, OnlyASmallSquadronOfAKindThePartnerAlsoHasTakesItIn) {
  using Ships = std::array<int, 3>;  // ironclads, warships, transports
  using Row = struct {
    Ships first;
    int damagedIronclads;
    Ships second;
    int mission, freed;
  };
  const Row rows[] = {{{1, 0, 0}, 0, {2, 0, 0}, 0, 2}, {{0, 0, 0}, 1, {2, 0, 0}, 0, 2},
                      {{2, 0, 0}, 0, {2, 0, 0}, 0, 0}, {{2, 0, 0}, 0, {1, 0, 0}, 0, 1},
                      {{0, 3, 0}, 0, {0, 4, 0}, 0, 2}, {{0, 4, 0}, 0, {0, 4, 0}, 0, 0},
                      {{0, 0, 3}, 0, {0, 0, 4}, 0, 2}, {{0, 0, 4}, 0, {0, 0, 4}, 0, 0},
                      {{1, 0, 0}, 0, {0, 5, 0}, 0, 0}, {{0, 1, 0}, 0, {0, 1, 0}, 1, 2},
                      {{0, 1, 0}, 0, {0, 1, 0}, 2, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    const int first = Squadron(row.first[0], row.first[1], row.first[2]);
    const int second = Squadron(row.second[0], row.second[1], row.second[2]);
    GameState.Fleets[first].DamagedShips[kIronclads] = row.damagedIronclads;
    GameState.Fleets[second].Mission = row.mission;
    ConsolidateComputerFleets();
    EXPECT_EQ(Freed(first), row.freed == first);
    EXPECT_EQ(Freed(second), row.freed == second);
  }
  // The one that stays takes in the other's ships, damaged ones and supplies.
  const TFleet& kept = GameState.Fleets[1];
  GameState.Fleets[2].Supplies = 300;
  GameState.Fleets[2].DamagedShips[kIronclads] = 1;
  GameState.Fleets[2].Mission = 0;
  ConsolidateComputerFleets();
  EXPECT_EQ(
      (std::array<int, 3>{kept.Ships[kWarships], kept.DamagedShips[kIronclads], kept.Supplies}),
      (std::array{2, 1, 300}));
  // A fleet with a corps aboard is never merged away.
  SetUp();
  Squadron(0, 1, 0);
  const int carrier = Squadron(0, 1, 0);
  GameState.Fleets[carrier].Corps = 7;
  ConsolidateComputerFleets();
  EXPECT_FALSE(Freed(carrier));
}

}  // namespace
