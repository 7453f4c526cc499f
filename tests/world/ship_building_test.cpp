#include "world/ship_building.h"

#include <array>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

// A Confederate yard in the first theatre. New fleets take the highest free
// slots: 100, 99, ...
class ShipBuildingTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    yard = AddCity(20, 20, TSide::Confederate);
    GameState.Cities[yard].Theatre = TTheatre::Seaboard;
  }
  static TNationRec& Nation() { return GameState.Nations[TNation::Confederacy]; }
  static U16& Supplies() { return Nation().Supplies[TTheatre::Seaboard]; }
  static const TFleet& Fleet(int f) { return GameState.Fleets[f]; }

  int yard = 0;
};

// An order is cut to the build points (2 an ironclad, 4 a warship, 3 a
// transport), one ship of each part a round; then to the yards (A for
// ironclads, B for the rest); then each part to 6, 8 and 6 ships and to what
// the supplies buy at 200, 10 and 1. The build points go down to 0, no further.
TEST_F(ShipBuildingTest, AnOrderIsCutToThePurseTheYardsTheLimitPerOrderAndTheSupplies) {
  using Row = struct {
    int points, yardA, yardB, supplies, i, w, t, bi, bw, bt, pointsAfter, suppliesAfter;
  };
  const Row rows[] = {
      {7, 10, 10, 10000, 2, -1, 0, 1, 0, 0, 5, 9800},
      {8, 10, 10, 10000, 2, 1, 0, 2, 1, 0, 0, 9590},
      {1000, 10, 10, 10000, 7, 9, 7, 6, 8, 6, 1000 - 12 - 32 - 18, 10000 - 1200 - 80 - 6},
      {1000, 2, 7, 10000, 5, 9, 9, 2, 7, 6, 1000 - 4 - 28 - 18, 10000 - 400 - 70 - 6},
      {1000, 10, 10, 150, 3, 8, 0, 0, 8, 0, 1000 - 32, 70},
      {1000, 10, 10, 199, 1, 0, 3, 0, 0, 3, 1000 - 9, 196},
      {1000, 10, 10, 200, 1, 0, 0, 1, 0, 0, 998, 0},
      {1, 10, 10, 10000, 0, 0, 1, 0, 0, 0, 1, 10000}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    GameState.Cities[yard].ShipyardA = row.yardA;
    GameState.Cities[yard].ShipyardB = row.yardB;
    Nation().BuildPoints = row.points;
    Supplies() = row.supplies;
    BuildShipsAtCity(TNation::Confederacy, yard, 0, row.i, row.w, row.t);
    std::array<int, 3> built{};
    for (int f = 100; f > 100 - 3 && !Fleet(f).IsFree(); --f)
      for (int type = 1; type <= 3; ++type) built[type - 1] += Fleet(f).Ships[type];
    EXPECT_EQ(built, (std::array{row.bi, row.bw, row.bt}));
    EXPECT_EQ(Nation().BuildPoints, row.pointsAfter);
    EXPECT_EQ(Supplies(), row.suppliesAfter);
    const int fleets = (row.bi != 0) + (row.bw != 0) + (row.bt != 0);
    EXPECT_EQ(CurrentFleet, fleets == 0 ? 0 : 101 - fleets);
  }
}

}  // namespace
