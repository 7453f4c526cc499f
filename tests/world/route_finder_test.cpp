#include "world/route_finder.h"

#include <gtest/gtest.h>

#include <memory>
#include <tuple>
#include <vector>

#include "support/world_fixture.h"
#include "tests/world/reference_flood.h"
#include "tests/world/varied_map.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

using varied_map::ListedSteps;

// Open land, with water or flags laid by each test.
class RouteFinderTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    for (int x = 1; x <= TMapRecord::Columns; ++x)
      for (int y = 1; y <= TMapRecord::Rows; ++y) MapRecord.Cell(x, y).SetTerrain(1);
  }
};

TEST_F(RouteFinderTest, ARailRouteForAEuropeanPowerUsesItsCampsLines) {
  GameState.Nations[TNation::Britain].Side = TSide::Union;
  for (int y = 5; y <= 12; ++y) {
    MapRecord.Cell(30, y).SetLinkFlag();
    MapRecord.Cell(30, y).SetOwner(TSide::Union);
  }
  RouteTo(30, 5, 30, 12, 30, kRailRouteMode, TNation::Britain, 0);
  EXPECT_EQ(ListedSteps(), std::vector<int>(7, kSouth));
}

TEST_F(RouteFinderTest, AStartOffTheMapFindsNoRouteAndAStartOnTheTargetLeavesTheOutcomeAsItWas) {
  for (int y = 1; y <= 10; ++y) MapRecord.Cell(1, y).SetTerrain(TTerrain::Water);
  RouteTo(0, 5, 1, 8, 20, kSeaRouteMode, 0, 0);
  EXPECT_EQ(RouteReached, 0);
  EXPECT_TRUE(ListedSteps().empty());
  for (int mode = kArmyRouteMode; mode <= kSeaRouteMode; ++mode) {
    for (std::uint16_t before : {0, kRouteReached}) {
      RouteReached = before;
      RouteTo(1, 3, 1, 3, 20, mode, TNation::Union, 1);
      EXPECT_EQ(RouteReached, before) << "mode " << mode;
      EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{1, 3})) << "mode " << mode;
    }
  }
}

TEST_F(RouteFinderTest, ATargetMoreThan254StepsAwayIsNeverReached) {
  // A river winding down every odd column and up the next, joined by one hex
  // of the even column between them, alternately at the bottom and the top.
  for (int x = 1; x <= TMapRecord::Columns; x += 2) {
    for (int y = 1; y <= TMapRecord::Rows; ++y) MapRecord.Cell(x, y).SetRouteFlag();
    if (x < TMapRecord::Columns) MapRecord.Cell(x + 1, (x / 2) % 2 == 0 ? 54 : 1).SetRouteFlag();
  }
  // Down column 1 is 53 steps and a bend at the bottom 2 more; a bend at the top
  // cuts the corner from row 2 to row 2. Hex (9, y) lies 215 + y steps out.
  RouteTo(1, 1, 9, 39, 20, kRiverRouteMode, 0, 0);
  EXPECT_EQ(ListedSteps(), std::vector<int>(30, kSouth));
  RouteTo(1, 1, 9, 40, 20, kRiverRouteMode, 0, 0);
  EXPECT_EQ(RouteReached, 0);
}

// Runs the route finder and the ring-scan reference on the same orders and
// compares everything a caller can see: steps, target, cursor, outcome, draws.
TEST(FloodEquality, TheQueueFloodGivesTheRingScansRoutesAndDraws) {
  auto reference = std::make_unique<reference_flood::Flood>();
  int compared = 0;
  int reached = 0;
  auto outcome = [](std::uint32_t seed, auto route) {
    SetRandomSeed(seed);
    ResetRandomDrawCount();
    TargetHexX = TargetHexY = HexCursorX = HexCursorY = 999;
    RouteReached = 7;
    route();
    return std::tuple(ListedSteps(), THexPos{TargetHexX, TargetHexY},
                      THexPos{HexCursorX, HexCursorY}, RouteReached, RandomDrawCount());
  };
  auto compare = [&](THexPos from, THexPos to, int mode, int camp, std::uint32_t seed) {
    if (from == to) return;
    const auto expected =
        outcome(seed, [&] { reference->Route(from.X, from.Y, to.X, to.Y, mode, camp); });
    const auto actual =
        outcome(seed, [&] { RouteTo(from.X, from.Y, to.X, to.Y, 30, mode, camp, 0); });
    ++compared;
    if (std::get<3>(expected) == kRouteReached) ++reached;
    EXPECT_TRUE(actual == expected) << "mode " << mode << " camp " << camp << " from (" << from.X
                                    << ", " << from.Y << ") to (" << to.X << ", " << to.Y << ")";
  };
  for (std::uint32_t mapSeed = 1; mapSeed <= 4; ++mapSeed) {
    varied_map::Builder map(mapSeed);
    map.Build();
    std::vector<THexPos> sea, river, rail[3];
    for (std::uint16_t x = 1; x <= TMapRecord::Columns; ++x) {
      for (std::uint16_t y = 1; y <= TMapRecord::Rows; ++y) {
        const TMapCell& hex = MapRecord.Cell(x, y);
        const bool city = hex.Terrain() == TTerrain::City;
        if (hex.Terrain() == TTerrain::Water || city) sea.push_back({x, y});
        if (hex.RouteFlag()) river.push_back({x, y});
        if (city || hex.LinkFlag()) rail[hex.Owner()].push_back({x, y});
      }
    }
    // Mostly hexes the mode can use, some anywhere on the map.
    auto pick = [&map](const std::vector<THexPos>& usable) {
      if (usable.empty() || map.Roll(5) == 0) return map.AnyHex();
      return usable[map.Roll(static_cast<int>(usable.size()))];
    };
    for (int pair = 0; pair < 100; ++pair) {
      const std::uint32_t seed = mapSeed * 1000 + pair;
      const int camp = 1 + pair % 2;
      compare(pick(sea), pick(sea), kSeaRouteMode, 0, seed);
      compare(pick(river), pick(river), kRiverRouteMode, 0, seed);
      compare(pick(rail[camp]), pick(rail[camp]), kRailRouteMode, camp, seed);
    }
  }
  EXPECT_GT(reached, compared / 4) << "the sample should hold many routes that arrive";
}

}  // namespace
