#include "world/ship_building.h"

#include <gtest/gtest.h>

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
  void Build(int kind, int ironclads, int warships, int transports) const {
    BuildShipsAtCity(TNation::Confederacy, yard, kind, ironclads, warships, transports);
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
  // Rows: build points, yard A, yard B, supplies, ordered (3), built (3),
  // build points and supplies after.
  const int rows[][12] = {
      {7, 10, 10, 10000, 2, -1, 0, 1, 0, 0, 5, 9800},
      {8, 10, 10, 10000, 2, 1, 0, 2, 1, 0, 0, 9590},
      {1000, 10, 10, 10000, 7, 9, 7, 6, 8, 6, 1000 - 12 - 32 - 18, 10000 - 1200 - 80 - 6},
      {1000, 2, 7, 10000, 5, 9, 9, 2, 7, 6, 1000 - 4 - 28 - 18, 10000 - 400 - 70 - 6},
      {1000, 10, 10, 150, 3, 8, 0, 0, 8, 0, 1000 - 32, 70},
      {1000, 10, 10, 199, 1, 0, 3, 0, 0, 3, 1000 - 9, 196},
      {1000, 10, 10, 200, 1, 0, 0, 1, 0, 0, 998, 0},
      {1, 10, 10, 10000, 0, 0, 1, 0, 0, 0, 1, 10000}};
  for (const auto& [points, yardA, yardB, supplies, i, w, t, bi, bw, bt, pointsAfter,
                    suppliesAfter] : rows) {
    SCOPED_TRACE(testing::Message()
                 << "points " << points << ", order " << i << "/" << w << "/" << t);
    SetUp();
    GameState.Cities[yard].ShipyardA = yardA;
    GameState.Cities[yard].ShipyardB = yardB;
    Nation().BuildPoints = points;
    Supplies() = supplies;
    Build(0, i, w, t);
    std::array<int, 3> built{};
    for (int f = 100; f > 100 - 3 && !Fleet(f).IsFree(); --f)
      for (int type = 1; type <= 3; ++type) built[type - 1] += Fleet(f).Ships[type];
    EXPECT_EQ(built, (std::array{bi, bw, bt}));
    EXPECT_EQ(Nation().BuildPoints, pointsAfter);
    EXPECT_EQ(Supplies(), suppliesAfter);
    const int fleets = (bi != 0) + (bw != 0) + (bt != 0);
    EXPECT_EQ(CurrentFleet, fleets == 0 ? 0 : 101 - fleets);
  }
}

// Ironclads take 24 turns; warships 12 at sea and 10 on the rivers, transports
// 8 and 6. The Confederacy's transports for kind 1 are laid down as kind 0.
TEST_F(ShipBuildingTest, ConstructionTakesLongerForIroncladsAndAtSea) {
  GameState.Cities[yard].ShipyardA = GameState.Cities[yard].ShipyardB = 10;
  Nation().BuildPoints = 1000;
  Supplies() = 10000;
  Build(kRiverFleetKind, 1, 1, 1);
  Build(0, 0, 1, 1);
  Build(1, 0, 1, 1);
  std::array<int, 7> status{};
  for (int k = 0; k < 7; ++k) status[k] = Fleet(100 - k).Status;
  EXPECT_EQ(status, (std::array{24, 10, 6, 12, 8, 12, 8}));
  EXPECT_EQ(Fleet(95).Kind, 1);
  EXPECT_EQ(Fleet(94).Kind, 0);
}

TEST_F(ShipBuildingTest, ANewFleetIsAFreshRecordWithTheLowestNumberNoFleetHolds) {
  for (const int number : {1, 2, 4})
    GameState.Fleets[AddFleet(5, 5, TSide::Confederate, TNation::Confederacy)].Number = number;
  GameState.Fleets[2].Status = TFleet::FreedStatus;
  TFleet& old = GameState.Fleets[100];
  old.Number = 1;
  old.Mission = 5;
  old.Supplies = 90;
  old.TransportTask = 9;
  old.Path[3] = 4;
  old.DamagedShips[2] = 2;
  AddShipsToFleet(100, TNation::Confederacy, yard, 0, 1, 3);
  EXPECT_EQ((std::array<int, 10>{old.Number, old.X, old.Side, old.HomePort, old.Ships[2],
                                 old.DamagedShips[2], old.Mission, old.Supplies, old.TransportTask,
                                 old.Path[3]}),
            (std::array{2, 20, TSide::Confederate, yard, 3, 0, 0, 0, 0, 0}));
}

TEST_F(ShipBuildingTest, NoYardNoNationOrAFullTableBuildsNothing) {
  GameState.Cities[yard].ShipyardA = GameState.Cities[yard].ShipyardB = 10;
  Nation().BuildPoints = 1000;
  Supplies() = 10000;
  BuildShipsAtCity(TNation::Confederacy, 0, 0, 1, 1, 1);
  BuildShipsAtCity(0, yard, 0, 1, 1, 1);
  for (int f = 1; f <= GameState.Fleets.Count; ++f) GameState.Fleets[f].Status = 0;
  Build(0, 1, 1, 1);
  EXPECT_EQ(CurrentFleet, 0);
  EXPECT_EQ(Supplies(), 10000);
}

}  // namespace
