// Places a player knows, found where history put them.
#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "tests/tools/map/map_data_fixture.h"
#include "world/hex_grid.h"

namespace {

const TMapRecord& Map() {
  static const TMapRecord map = BuildMapRecord(TheCommittedMap().Layers, 1861);
  return map;
}

const MapCity& City(const std::string& name) {
  for (const auto& city : TheCommittedMap().Cities) {
    if (city.Name == name) return city;
  }
  throw std::runtime_error("no city " + name);
}

// Walks from one hex over the hexes the test admits and tells whether the walk reaches the
// other.
template <typename Admits>
bool Connects(THexPos from, THexPos to, Admits admits) {
  std::vector<THexPos> seen{from};
  for (std::size_t i = 0; i < seen.size(); ++i) {
    if (seen[i] == to) return true;
    for (int dir = 1; dir <= 6; ++dir) {
      const THexPos next = NeighbourHex(seen[i].X, seen[i].Y, dir);
      if (!TMapRecord::OnMap(next.X, next.Y) || !admits(Map().Cell(next.X, next.Y))) continue;
      if (std::ranges::find(seen, next) == seen.end()) seen.push_back(next);
    }
  }
  return false;
}

bool RiverConnects(THexPos from, THexPos to) {
  return Connects(from, to, [](const TMapCell& c) { return c.RouteFlag(); });
}

// Railway hexes and towns, as the rail route reads them.
bool RailConnects(THexPos from, THexPos to) {
  return Connects(from, to, [](const TMapCell& c) { return c.LinkFlag() || c.Terrain() == 4; });
}

THexPos HexOf(const MapCity& c) {
  return {static_cast<std::uint16_t>(c.X), static_cast<std::uint16_t>(c.Y)};
}

TEST(KnownPlaces, NewOrleansIsOnTheMississippiRouteFromStLouis) {
  const MapCity& neworleans = City("New Orleans");
  EXPECT_TRUE(Map().Cell(neworleans.X, neworleans.Y).RouteFlag());
  EXPECT_TRUE(Map().Cell(neworleans.X, neworleans.Y).Flag7());
  EXPECT_TRUE(RiverConnects(HexOf(City("St. Louis")), HexOf(neworleans)));
  EXPECT_TRUE(RiverConnects(HexOf(City("Pittsburgh")), HexOf(neworleans)));
}

TEST(KnownPlaces, UpperTennesseeIsCutOffByMuscleShoals) {
  EXPECT_FALSE(RiverConnects(HexOf(City("Knoxville")), HexOf(City("Cairo"))));
  EXPECT_TRUE(RiverConnects(HexOf(City("Nashville")), HexOf(City("Cairo"))));
}

// Hexes a player knows by their ground, and states by a hex in their middle.
TEST(KnownPlaces, GroundAndStatesLieWhereTheyBelong) {
  const std::tuple<int, int, int, const char*> ground[] = {
      {54, 13, 0, "Chesapeake Bay"}, {54, 15, 0, "Chesapeake Bay"}, {55, 17, 0, "the sounds"},
      {55, 18, 0, "the sounds"},     {30, 1, 0, "Lake Michigan"},   {40, 4, 0, "Lake Erie"},
      {44, 14, 5, "Alleghenies"},    {40, 21, 5, "Blue Ridge"},     {33, 22, 5, "Cumberland"},
      {36, 22, 3, "Great Smokies"},  {37, 20, 5, "Cumberland Gap"}, {5, 20, 3, "Indian Territory"},
  };
  for (const auto& [x, y, terrain, what] : ground)
    EXPECT_EQ(Map().Cell(x, y).Terrain(), terrain) << what;
  const std::tuple<int, int, int, const char*> states[] = {{52, 16, 22, "Richmond"},
                                                           {30, 12, 8, "central Indiana"},
                                                           {5, 30, 23, "central Texas"},
                                                           {5, 20, 0, "Indian Territory"}};
  for (const auto& [x, y, state, what] : states) EXPECT_EQ(Map().Cell(x, y).State(), state) << what;
}

TEST(KnownPlaces, RichmondAndWashingtonAreRailwayTownsWithLinesLeavingThem) {
  for (const char* name : {"Richmond", "Washington"}) {
    const MapCity& city = City(name);
    EXPECT_EQ(Map().Cell(city.X, city.Y).Terrain(), 4) << name;
    int railNeighbours = 0;
    for (int dir = 1; dir <= 6; ++dir) {
      const THexPos n = NeighbourHex(city.X, city.Y, dir);
      const TMapCell& cell = Map().Cell(n.X, n.Y);
      if (cell.LinkFlag() || cell.Terrain() == 4) ++railNeighbours;
    }
    EXPECT_GE(railNeighbours, 2) << name;
  }
}

// Fleets sail over water and through town hexes; every sea port must reach the open sea.
TEST(KnownPlaces, EverySeaPortReachesTheOpenSea) {
  const THexPos openSea{70, 40};
  for (const auto& city : TheCommittedMap().Cities) {
    if (!city.SeaPort) continue;
    EXPECT_TRUE(Connects(HexOf(city), openSea, [](const TMapCell& c) {
      return c.Terrain() == 0 || c.Terrain() == 4;
    })) << city.Name;
  }
}

TEST(KnownPlaces, RailwaysOf1861JoinTheConfederacyButNotFloridaOrTexas) {
  const THexPos richmond = HexOf(City("Richmond"));
  for (const char* name : {"Petersburg", "Wilmington, N.C.", "Charleston", "Savannah", "Atlanta",
                           "Chattanooga", "Knoxville", "Memphis", "Lynchburg"}) {
    EXPECT_TRUE(RailConnects(richmond, HexOf(City(name)))) << name;
  }
  EXPECT_FALSE(RailConnects(richmond, HexOf(City("Jacksonville"))));
  EXPECT_FALSE(RailConnects(richmond, HexOf(City("Houston"))));
  EXPECT_TRUE(RailConnects(HexOf(City("Washington")), HexOf(City("New York"))));
  EXPECT_TRUE(RailConnects(HexOf(City("Chicago")), HexOf(City("Cairo"))));
}

// The code of the side between two neighbouring hexes, from whichever of the two stores it.
int SideBetween(THexPos a, THexPos b) {
  for (int dir = 1; dir <= 6; ++dir) {
    if (NeighbourHex(a.X, a.Y, dir) != b) continue;
    if (dir <= 3) return Map().Cell(a.X, a.Y).HexSideCode(dir);
    return Map().Cell(b.X, b.Y).HexSideCode(dir - 3);
  }
  return -1;
}

TEST(KnownPlaces, MarchingAlongAnInteriorRiverCrossesNoRiverSide) {
  // The Missouri from St. Louis to Kansas City and the Arkansas from Little Rock to Fort Smith,
  // hex by hex along their river routes.
  const std::vector<std::vector<THexPos>> routes = {
      {{21, 14},
       {20, 14},
       {19, 14},
       {18, 13},
       {17, 14},
       {16, 13},
       {15, 13},
       {14, 12},
       {13, 12},
       {12, 12},
       {11, 12}},
      {{16, 24}, {15, 24}, {14, 23}, {13, 23}, {12, 23}, {11, 23}}};
  for (const auto& route : routes) {
    for (std::size_t i = 1; i < route.size(); ++i) {
      EXPECT_EQ(SideBetween(route[i - 1], route[i]), 0) << route[i].X << "," << route[i].Y;
    }
  }
}

TEST(KnownPlaces, GreatRiversAreHardToCross) {
  // Cairo to Kentucky across the Ohio, Memphis to Arkansas across the Mississippi, Washington
  // to Alexandria across the Potomac.
  EXPECT_EQ(SideBetween({24, 18}, {24, 19}), 2);
  EXPECT_EQ(SideBetween({22, 23}, {21, 24}), 2);
  EXPECT_EQ(SideBetween({52, 13}, {53, 13}), 2);
}

}  // namespace
