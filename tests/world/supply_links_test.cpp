#include "world/supply_links.h"

#include <gtest/gtest.h>

#include <array>

#include "tests/world/corps_fixture.h"

namespace {

// Plain country held by the Union.
class SupplyLinksTest : public CorpsTest {
 protected:
  void SetUp() override {
    CorpsTest::SetUp();
    LayLand(kPlain, TSide::Union);
  }
  static int AddCityIn(int x, int y, int side, int state) {
    const int c = AddCity(x, y, side);
    GameState.Cities[c].State = state;
    return c;
  }
  static int Level(int city) { return GameState.Cities[city].SupplyLevel; }
};

TEST_F(SupplyLinksTest, RiversThenRailwaysThenMarchesThenTheSeaLinkCities) {
  const int a = AddCity(5, 10, TSide::Union);
  const int b = AddCity(20, 10, TSide::Union);
  TCity& from = GameState.Cities[a];
  TCity& to = GameState.Cities[b];
  from.RiverPort = to.RiverPort = from.RailStation = to.RailStation = 1;
  from.SeaPort = to.SeaPort = 1;
  GameState.Nations[TNation::Union].NavalBalance = 1;
  EXPECT_EQ(EvaluateCityRoute(a, b), kNoLink);
  GameState.Nations[TNation::Union].NavalBalance = 2;
  EXPECT_EQ(EvaluateCityRoute(a, b), kSeaLink);
  for (int x = 5; x <= 20; ++x) MapRecord.Cell(x, 10).SetLinkFlag();
  EXPECT_EQ(EvaluateCityRoute(a, b), kRailLink);
  for (int x = 5; x <= 20; ++x) MapRecord.Cell(x, 10).SetRouteFlag();
  EXPECT_EQ(EvaluateCityRoute(a, b), kRiverLink);
  EXPECT_EQ(EvaluateCityRoute(a, a), kRiverLink);

  // A march reaches fewer than nine hexes, and only over its own camp's ground.
  EXPECT_EQ(EvaluateCityRoute(AddCity(5, 30, TSide::Union), AddCity(13, 30, TSide::Union)),
            kRoadLink);
  EXPECT_EQ(EvaluateCityRoute(AddCity(5, 40, TSide::Union), AddCity(14, 40, TSide::Union)),
            kNoLink);
  const int rebel = AddCity(30, 30, TSide::Confederate);
  EXPECT_EQ(EvaluateCityRoute(rebel, AddCity(32, 30, TSide::Confederate)), kNoLink);
  EXPECT_EQ(EvaluateCityRoute(rebel, rebel), kRoadLink);
  GameState.Cities[rebel].Nation = 0;
  EXPECT_EQ(EvaluateCityRoute(rebel, rebel), kNoLink);
}

TEST_F(SupplyLinksTest, EachCityGetsTheLevelOfItsBestSupply) {
  // State 1: a capital linked to a town of its camp; an enemy town does not count.
  const int capital = AddCityIn(10, 10, TSide::Union, 1);
  const int town = AddCityIn(14, 10, TSide::Union, 1);
  const int rebel_town = AddCityIn(12, 12, TSide::Confederate, 1);
  GameState.States[1].CapitalCity = capital;
  GameState.States[1].ControlSide = TSide::Union;
  // State 2: a capital without another city links only to itself.
  const int lonely = AddCityIn(40, 10, TSide::Union, 2);
  GameState.States[2].CapitalCity = lonely;
  // State 3, held by the Union, has no capital.
  GameState.States[3].ControlSide = TSide::Union;
  const int home = AddCityIn(60, 10, TSide::Union, 3);
  const int occupied = AddCityIn(70, 10, TSide::Confederate, 3);
  // A port far from everything, while the Union has transports at sea.
  const int port = AddCityIn(60, 50, TSide::Union, 0);
  GameState.Cities[port].SeaPort = 1;
  GameState.Fleets[AddFleet(2, 2, TSide::Union, TNation::Union)].Ships[3] = 1;
  ComputeCitySupplyLinks();
  EXPECT_EQ(
      (std::array{Level(capital), Level(town), Level(rebel_town), Level(lonely), Level(home),
                  Level(occupied), Level(port)}),
      (std::array<int, 7>{TSupplyLevel::StateCentre, TSupplyLevel::Linked, TSupplyLevel::Unsupplied,
                          TSupplyLevel::Linked, TSupplyLevel::HomeGround, TSupplyLevel::Unsupplied,
                          TSupplyLevel::ShippedIn}));
  GameState.Fleets[1].Ships[3] = 0;
  GameState.Fleets[1].Ships[2] = 4;
  ComputeCitySupplyLinks();
  EXPECT_EQ(Level(port), TSupplyLevel::Unsupplied);
}

}  // namespace
