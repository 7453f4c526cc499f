#include "world/supply_links.h"

#include <gtest/gtest.h>

#include "tests/world/corps_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

// Plain country held by the Union; rivers and rail lines are laid along a row.
class SupplyLinksTest : public CorpsTest {
 protected:
  void SetUp() override {
    CorpsTest::SetUp();
    LayLand(kPlain, TSide::Union);
  }

  static void LayRiver(int y, int fromX, int toX) {
    for (int x = fromX; x <= toX; ++x) MapRecord.Cell(x, y).SetRouteFlag();
  }
  static void LayRail(int y, int fromX, int toX, int camp) {
    for (int x = fromX; x <= toX; ++x) {
      MapRecord.Cell(x, y).SetLinkFlag();
      MapRecord.Cell(x, y).SetOwner(camp);
    }
  }
  static int AddCityIn(int x, int y, int side, int state) {
    const int c = AddCity(x, y, side);
    GameState.Cities[c].State = static_cast<std::uint8_t>(state);
    return c;
  }
  static void MakeCapital(int state, int city, int controlSide) {
    GameState.States[state].CapitalCity = static_cast<std::uint8_t>(city);
    GameState.States[state].ControlSide = static_cast<std::uint8_t>(controlSide);
  }
  static int Level(int city) { return GameState.Cities[city].SupplyLevel; }
};

TEST_F(SupplyLinksTest, RiverRailMarchAndSeaLinksAreTriedInThatOrder) {
  const int a = AddCity(5, 10, TSide::Union);
  const int b = AddCity(20, 10, TSide::Union);
  GameState.Cities[a].RiverPort = GameState.Cities[b].RiverPort = 1;
  GameState.Cities[a].RailStation = GameState.Cities[b].RailStation = 1;
  // Ports without a river between them fall through to the railway.
  LayRail(10, 5, 20, TSide::Union);
  EXPECT_EQ(EvaluateCityRoute(a, b), kRailLink);
  LayRiver(10, 5, 20);
  EXPECT_EQ(EvaluateCityRoute(a, b), kRiverLink);

  const int c = AddCity(5, 30, TSide::Union);
  const int d = AddCity(12, 30, TSide::Union);
  EXPECT_EQ(EvaluateCityRoute(c, d), kRoadLink);
}

TEST_F(SupplyLinksTest, MarchesReachFewerThanNineHexesAndOnlyOverOwnGround) {
  const int a = AddCity(5, 30, TSide::Union);
  const int b = AddCity(14, 30, TSide::Union);
  EXPECT_EQ(EvaluateCityRoute(a, b), kNoLink);
  const int rebel = AddCity(8, 40, TSide::Confederate);
  const int rebelToo = AddCity(10, 40, TSide::Confederate);
  EXPECT_EQ(EvaluateCityRoute(rebel, rebelToo), kNoLink);
}

TEST_F(SupplyLinksTest, DistantSeaPortsLinkOnlyWhileTheNavyRulesTheSea) {
  const int a = AddCity(5, 10, TSide::Union);
  const int b = AddCity(60, 40, TSide::Union);
  GameState.Cities[a].SeaPort = GameState.Cities[b].SeaPort = 1;
  GameState.Nations[TNation::Union].NavalBalance = 1;
  EXPECT_EQ(EvaluateCityRoute(a, b), kNoLink);
  GameState.Nations[TNation::Union].NavalBalance = 2;
  EXPECT_EQ(EvaluateCityRoute(a, b), kSeaLink);
}

TEST_F(SupplyLinksTest, ACityLinksToItselfButACityOfNoNationToNothing) {
  const int port = AddCity(5, 10, TSide::Union);
  GameState.Cities[port].RiverPort = 1;
  MapRecord.Cell(5, 10).SetRouteFlag();
  EXPECT_EQ(EvaluateCityRoute(port, port), kRiverLink);
  const int town = AddCity(30, 10, TSide::Union);
  EXPECT_EQ(EvaluateCityRoute(town, town), kRoadLink);
  GameState.Cities[town].Nation = 0;
  EXPECT_EQ(EvaluateCityRoute(town, port), kNoLink);
  EXPECT_EQ(EvaluateCityRoute(0, port), kNoLink);
}

TEST_F(SupplyLinksTest, PortsAreShippedInOnlyForNationsWithTransportsAtSea) {
  const int union_port = AddCity(5, 10, TSide::Union);
  const int rebel_port = AddCity(60, 40, TSide::Confederate);
  GameState.Cities[union_port].SeaPort = GameState.Cities[rebel_port].SeaPort = 1;
  const int fleet = AddFleet(2, 2, TSide::Union, TNation::Union);
  GameState.Fleets[fleet].Ships[1] = 3;
  ComputeCitySupplyLinks();
  EXPECT_EQ(Level(union_port), TSupplyLevel::Unsupplied);

  GameState.Fleets[fleet].Ships[3] = 1;
  const int rebels = AddFleet(3, 3, TSide::Confederate, TNation::Confederacy);
  GameState.Fleets[rebels].Ships[3] = 5;
  ComputeCitySupplyLinks();
  EXPECT_EQ(Level(union_port), TSupplyLevel::ShippedIn);
  EXPECT_EQ(Level(rebel_port), TSupplyLevel::Unsupplied);
}

TEST_F(SupplyLinksTest, AStateCentreNeedsALinkToAnotherCityOfItsStateAndCamp) {
  const int capital = AddCityIn(10, 10, TSide::Union, 1);
  const int town = AddCityIn(14, 10, TSide::Union, 1);
  MakeCapital(1, capital, TSide::Union);
  const int lonely = AddCityIn(40, 10, TSide::Union, 2);
  const int rebel = AddCityIn(44, 10, TSide::Confederate, 2);
  MakeCapital(2, lonely, TSide::Union);
  ComputeCitySupplyLinks();
  EXPECT_EQ(Level(capital), TSupplyLevel::StateCentre);
  EXPECT_EQ(Level(town), TSupplyLevel::Linked);
  // Linked only to itself, and the enemy's town in its state does not count.
  EXPECT_EQ(Level(lonely), TSupplyLevel::Linked);
  EXPECT_EQ(Level(rebel), TSupplyLevel::Unsupplied);
}

TEST_F(SupplyLinksTest, ACutOffCityJoinsTheChainThroughCitiesLinkedBeforeIt) {
  const int capital = AddCityIn(10, 10, TSide::Union, 1);
  AddCityIn(12, 10, TSide::Union, 1);
  MakeCapital(1, capital, TSide::Union);
  // In a state the enemy controls: the middle city links to the capital, the
  // far one only to the middle one.
  GameState.States[3].ControlSide = TSide::Confederate;
  const int middle = AddCityIn(16, 10, TSide::Union, 3);
  const int far = AddCityIn(22, 10, TSide::Union, 3);
  ComputeCitySupplyLinks();
  EXPECT_EQ(Level(middle), TSupplyLevel::Linked);
  EXPECT_EQ(Level(far), TSupplyLevel::Linked);
}

TEST_F(SupplyLinksTest, ACityBeforeItsOnlyLinkInTheTableStaysCutOff) {
  const int capital = AddCityIn(10, 10, TSide::Union, 1);
  AddCityIn(12, 10, TSide::Union, 1);
  MakeCapital(1, capital, TSide::Union);
  GameState.States[3].ControlSide = TSide::Confederate;
  const int far = AddCityIn(22, 10, TSide::Union, 3);
  const int middle = AddCityIn(16, 10, TSide::Union, 3);
  ComputeCitySupplyLinks();
  EXPECT_EQ(Level(middle), TSupplyLevel::Linked);
  EXPECT_EQ(Level(far), TSupplyLevel::Unsupplied);
}

TEST_F(SupplyLinksTest, AnUnlinkedCityOnItsOwnSidesGroundIsSuppliedFromTheLand) {
  GameState.States[4].ControlSide = TSide::Union;
  const int home = AddCityIn(10, 30, TSide::Union, 4);
  const int occupied = AddCityIn(40, 30, TSide::Confederate, 4);
  const int stateless = AddCityIn(60, 30, TSide::Union, 0);
  ComputeCitySupplyLinks();
  EXPECT_EQ(Level(home), TSupplyLevel::HomeGround);
  EXPECT_EQ(Level(occupied), TSupplyLevel::Unsupplied);
  EXPECT_EQ(Level(stateless), TSupplyLevel::Unsupplied);
}

}  // namespace
