#include "world/supply_links.h"

#include "tests/world/corps_fixture.h"

namespace {

constexpr int US = TSide::Union;

// Plain country held by the Union.
class SupplyLinksTest : public CorpsTest {
 protected:
  void SetUp() override {
    CorpsTest::SetUp();
    LayLand(kPlain, TSide::Union);
  }
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
  EXPECT_EQ(EvaluateCityRoute(AddCity(5, 30, US), AddCity(13, 30, US)), kRoadLink);
  EXPECT_EQ(EvaluateCityRoute(AddCity(5, 40, US), AddCity(14, 40, US)), kNoLink);
  const int rebel = AddCity(30, 30, TSide::Confederate);
  EXPECT_EQ(EvaluateCityRoute(rebel, AddCity(32, 30, TSide::Confederate)), kNoLink);
  EXPECT_EQ(EvaluateCityRoute(rebel, rebel), kRoadLink);
  GameState.Cities[rebel].Nation = 0;
  EXPECT_EQ(EvaluateCityRoute(rebel, rebel), kNoLink);
}

}  // namespace
