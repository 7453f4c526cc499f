#include "world/supply_links.h"

#include <gtest/gtest.h>

#include "tests/world/corps_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

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
  EXPECT_EQ(Level(capital), TSupplyLevel::StateCentre);
  EXPECT_EQ(Level(town), TSupplyLevel::Linked);
  EXPECT_EQ(Level(rebel_town), TSupplyLevel::Unsupplied);
  EXPECT_EQ(Level(lonely), TSupplyLevel::Linked);
  EXPECT_EQ(Level(home), TSupplyLevel::HomeGround);
  EXPECT_EQ(Level(occupied), TSupplyLevel::Unsupplied);
  EXPECT_EQ(Level(port), TSupplyLevel::ShippedIn);

  GameState.Fleets[1].Ships[3] = 0;
  GameState.Fleets[1].Ships[2] = 4;
  ComputeCitySupplyLinks();
  EXPECT_EQ(Level(port), TSupplyLevel::Unsupplied);
}

// Cut-off cities in a state the enemy holds: the middle one links to the
// capital, the far one only to the middle one, which it reaches only when the
// middle one was linked before it in the table.
TEST_F(SupplyLinksTest, ACutOffCityJoinsTheChainThroughCitiesLinkedBeforeIt) {
  GameState.States[1].CapitalCity = AddCityIn(10, 10, TSide::Union, 1);
  AddCityIn(12, 10, TSide::Union, 1);
  GameState.States[3].ControlSide = TSide::Confederate;
  const int middle = AddCityIn(16, 10, TSide::Union, 3);
  const int far = AddCityIn(22, 10, TSide::Union, 3);
  const int stranded = AddCityIn(16, 30, TSide::Union, 3);
  const int middle_after = AddCityIn(10, 30, TSide::Union, 3);
  GameState.States[2].CapitalCity = AddCityIn(4, 30, TSide::Union, 2);
  ComputeCitySupplyLinks();
  EXPECT_EQ(Level(middle), TSupplyLevel::Linked);
  EXPECT_EQ(Level(far), TSupplyLevel::Linked);
  EXPECT_EQ(Level(middle_after), TSupplyLevel::Linked);
  EXPECT_EQ(Level(stranded), TSupplyLevel::Unsupplied);
}

}  // namespace
