#include "world/route_finder.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/world_fixture.h"
#include "tests/world/reference_flood.h"
#include "tests/world/varied_map.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

constexpr std::uint16_t kUnsetHex = 999;

class RouteFinderTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    for (int x = 1; x <= TMapRecord::Columns; ++x)
      for (int y = 1; y <= TMapRecord::Rows; ++y) MapRecord.Cell(x, y).SetTerrain(1);
    TargetHexX = kUnsetHex;
    TargetHexY = kUnsetHex;
  }

  static void SetTerrain(const std::vector<THexPos>& hexes, int terrain) {
    for (const THexPos& hex : hexes) MapRecord.Cell(hex.X, hex.Y).SetTerrain(terrain);
  }

  static std::vector<THexPos> Column(int x, int fromY, int toY) {
    std::vector<THexPos> hexes;
    for (int y = fromY; y <= toY; ++y)
      hexes.push_back({static_cast<std::uint16_t>(x), static_cast<std::uint16_t>(y)});
    return hexes;
  }

  static std::vector<int> ListedSteps() {
    std::vector<int> steps;
    for (int step = 1; step <= kRouteStepsListed && RouteSteps[step] != 0; ++step)
      steps.push_back(RouteSteps[step]);
    return steps;
  }

  // The hexes the listed steps pass through, the start excluded.
  static std::vector<THexPos> Walked(std::uint16_t x, std::uint16_t y) {
    std::vector<THexPos> hexes;
    for (int direction : ListedSteps()) {
      StepHexRef(x, y, direction);
      hexes.push_back({x, y});
    }
    return hexes;
  }
};

TEST_F(RouteFinderTest, ASeaRouteSailsThroughACityHexButNotOverLand) {
  SetTerrain(Column(10, 5, 9), TTerrain::Water);
  SetTerrain({{10, 10}}, TTerrain::City);
  SetTerrain(Column(10, 11, 15), TTerrain::Water);
  RouteTo(10, 5, 10, 15, 20, kSeaRouteMode, 0, 0);
  EXPECT_EQ(RouteReached, kRouteReached);
  EXPECT_EQ(ListedSteps(), std::vector<int>(10, kSouth));
  EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{10, 15}));
  EXPECT_EQ((THexPos{HexCursorX, HexCursorY}), (THexPos{10, 15}));

  SetTerrain({{10, 10}}, 2);
  RouteTo(10, 5, 10, 15, 20, kSeaRouteMode, 0, 0);
  EXPECT_EQ(RouteReached, 0);
  EXPECT_TRUE(ListedSteps().empty());
  EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{10, 15}))
      << "a missed route keeps the target hex";
}

TEST_F(RouteFinderTest, ARailRouteKeepsToItsCampsLinesAndCities) {
  // A straight line through a city the other camp holds, and a detour of own line.
  for (const THexPos& hex : Column(20, 10, 20)) {
    MapRecord.Cell(hex.X, hex.Y).SetLinkFlag();
    MapRecord.Cell(hex.X, hex.Y).SetOwner(TSide::Union);
  }
  MapRecord.Cell(20, 15).SetTerrain(TTerrain::City);
  MapRecord.Cell(20, 15).SetOwner(TSide::Confederate);
  for (const THexPos& hex : Column(21, 13, 17)) {
    MapRecord.Cell(hex.X, hex.Y).SetLinkFlag();
    MapRecord.Cell(hex.X, hex.Y).SetOwner(TSide::Union);
  }
  RouteTo(20, 10, 20, 20, 30, kRailRouteMode, TSide::Union, 0);
  ASSERT_EQ(RouteReached, kRouteReached);
  for (const THexPos& hex : Walked(20, 10))
    EXPECT_EQ(MapRecord.Cell(hex.X, hex.Y).Owner(), TSide::Union);
  EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{20, 20}));

  RouteTo(20, 10, 20, 20, 30, kRailRouteMode, TSide::Confederate, 0);
  EXPECT_EQ(RouteReached, 0) << "the other camp cannot use the line";

  for (const THexPos& hex : Column(21, 13, 17))
    MapRecord.Cell(hex.X, hex.Y).SetOwner(TSide::Confederate);
  RouteTo(20, 10, 20, 20, 30, kRailRouteMode, TSide::Union, 0);
  EXPECT_EQ(RouteReached, 0) << "the detour is lost with the hexes";
}

TEST_F(RouteFinderTest, ARailRouteForAEuropeanPowerUsesItsCampsLines) {
  GameState.Nations[TNation::Britain].Side = TSide::Union;
  for (const THexPos& hex : Column(30, 5, 12)) {
    MapRecord.Cell(hex.X, hex.Y).SetLinkFlag();
    MapRecord.Cell(hex.X, hex.Y).SetOwner(TSide::Union);
  }
  RouteTo(30, 5, 30, 12, 30, kRailRouteMode, TNation::Britain, 0);
  EXPECT_EQ(RouteReached, kRouteReached);
  EXPECT_EQ(ListedSteps().size(), 7u);
}

TEST_F(RouteFinderTest, ARiverRouteFollowsTheFlaggedHexesOnly) {
  // South twice, then winding east: longer than the straight way over dry land.
  const std::vector<THexPos> river = {{40, 10}, {40, 11}, {40, 12}, {41, 13},
                                      {42, 12}, {43, 13}, {44, 12}};
  for (const THexPos& hex : river) MapRecord.Cell(hex.X, hex.Y).SetRouteFlag();
  RouteTo(40, 10, 44, 12, 20, kRiverRouteMode, 0, 0);
  ASSERT_EQ(RouteReached, kRouteReached);
  EXPECT_EQ(Walked(40, 10), std::vector<THexPos>(river.begin() + 1, river.end()));

  RouteTo(40, 10, 45, 12, 20, kRiverRouteMode, 0, 0);
  EXPECT_EQ(RouteReached, 0) << "an unflagged target is never reached";
  EXPECT_TRUE(ListedSteps().empty());
}

TEST_F(RouteFinderTest, ThirtyStepsEndOnTheTargetAndThirtyOneStopOneHexShort) {
  SetTerrain(Column(10, 1, 40), TTerrain::Water);
  RouteTo(10, 1, 10, 31, 20, kSeaRouteMode, 0, 0);
  EXPECT_EQ(RouteReached, kRouteReached);
  EXPECT_EQ(ListedSteps(), std::vector<int>(30, kSouth));
  EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{10, 31}));

  RouteTo(10, 1, 10, 32, 20, kSeaRouteMode, 0, 0);
  EXPECT_EQ(RouteReached, kRouteReached);
  EXPECT_EQ(ListedSteps(), std::vector<int>(30, kSouth));
  EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{10, 31}));
}

TEST_F(RouteFinderTest, AnImpassableStartStillSetsOutButAnImpassableTargetIsNeverReached) {
  SetTerrain(Column(12, 6, 9), TTerrain::Water);
  RouteTo(12, 5, 12, 9, 20, kSeaRouteMode, 0, 0);
  EXPECT_EQ(RouteReached, kRouteReached);
  EXPECT_EQ(ListedSteps().size(), 4u);

  RouteReached = kRouteReached;
  TargetHexX = kUnsetHex;
  TargetHexY = kUnsetHex;
  RouteTo(12, 6, 12, 10, 20, kSeaRouteMode, 0, 0);
  EXPECT_EQ(RouteReached, 0);
  EXPECT_TRUE(ListedSteps().empty());
  EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{kUnsetHex, kUnsetHex}));
}

TEST_F(RouteFinderTest, ATargetNextToTheStartInAClosedPocketIsReached) {
  SetTerrain({{50, 20}, {50, 21}}, TTerrain::Water);
  RouteTo(50, 20, 50, 21, 20, kSeaRouteMode, 0, 0);
  EXPECT_EQ(RouteReached, kRouteReached);
  EXPECT_EQ(ListedSteps(), std::vector<int>{kSouth});
}

TEST_F(RouteFinderTest, AStartOffTheMapFindsNoRoute) {
  SetTerrain(Column(1, 1, 10), TTerrain::Water);
  RouteTo(0, 5, 1, 8, 20, kSeaRouteMode, 0, 0);
  EXPECT_EQ(RouteReached, 0);
  EXPECT_TRUE(ListedSteps().empty());
  RouteTo(1, 0, 1, 8, 20, kSeaRouteMode, 0, 0);
  EXPECT_EQ(RouteReached, 0);
}

TEST_F(RouteFinderTest, AStartOnTheTargetEmptiesTheListAndLeavesTheOutcomeAsItWas) {
  SetTerrain(Column(10, 1, 10), TTerrain::Water);
  for (int mode = kArmyRouteMode; mode <= kSeaRouteMode; ++mode) {
    for (std::uint16_t before : {0, kRouteReached}) {
      RouteTo(10, 1, 10, 5, 20, kSeaRouteMode, 0, 0);
      RouteReached = before;
      RouteTo(10, 3, 10, 3, 20, mode, TNation::Union, 1);
      EXPECT_EQ(RouteReached, before) << "mode " << mode;
      EXPECT_TRUE(ListedSteps().empty()) << "mode " << mode;
      EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{10, 3})) << "mode " << mode;
    }
  }
}

TEST_F(RouteFinderTest, TheWalkBackKeepsTheFirstEqualHexUnlessALaterOneWinsADraw) {
  SetTerrain(Column(10, 8, 12), TTerrain::Water);
  SetTerrain(Column(11, 8, 12), TTerrain::Water);
  SetTerrain(Column(12, 8, 12), TTerrain::Water);
  ScriptRandomDraws({{100, 50}});
  RouteTo(10, 10, 12, 10, 20, kSeaRouteMode, 0, 0);
  EXPECT_EQ(ListedSteps(), (std::vector<int>{kSouthEast, kNorthEast}));
  ScriptRandomDraws({{100, 49}});
  RouteTo(10, 10, 12, 10, 20, kSeaRouteMode, 0, 0);
  EXPECT_EQ(ListedSteps(), (std::vector<int>{kNorthEast, kSouthEast}));
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);
}

TEST_F(RouteFinderTest, ATargetMoreThan254StepsAwayIsNeverReached) {
  // A river winding down every odd column and up the next, joined by one hex
  // of the even column between them, alternately at the bottom and the top.
  for (int x = 1; x <= TMapRecord::Columns; x += 2) {
    for (const THexPos& hex : Column(x, 1, TMapRecord::Rows))
      MapRecord.Cell(hex.X, hex.Y).SetRouteFlag();
    const int bend = (x / 2) % 2 == 0 ? TMapRecord::Rows : 1;
    if (x < TMapRecord::Columns) MapRecord.Cell(x + 1, bend).SetRouteFlag();
  }
  // Down column 1 is 53 steps and a bend at the bottom 2 more; a bend at the top
  // cuts the corner from row 2 to row 2. Hex (9, y) lies 215 + y steps out.
  RouteTo(1, 1, 9, 39, 20, kRiverRouteMode, 0, 0);
  EXPECT_EQ(RouteReached, kRouteReached);
  EXPECT_EQ(ListedSteps(), std::vector<int>(30, kSouth));
  RouteTo(1, 1, 9, 40, 20, kRiverRouteMode, 0, 0);
  EXPECT_EQ(RouteReached, 0);
  EXPECT_TRUE(ListedSteps().empty());
}

// Runs the route finder and the ring-scan reference on the same orders and
// compares everything a caller can see.
class FloodEquality : public RouteFinderTest {
 protected:
  struct Outcome {
    std::vector<int> steps;
    THexPos target;
    THexPos cursor;
    int reached;
    std::uint64_t draws;
    bool operator==(const Outcome&) const = default;
  };

  static Outcome Capture() {
    return {ListedSteps(),
            {TargetHexX, TargetHexY},
            {HexCursorX, HexCursorY},
            RouteReached,
            RandomDrawCount()};
  }

  static void Prepare(std::uint32_t seed) {
    SetRandomSeed(seed);
    ResetRandomDrawCount();
    TargetHexX = kUnsetHex;
    TargetHexY = kUnsetHex;
    HexCursorX = kUnsetHex;
    HexCursorY = kUnsetHex;
    RouteReached = 7;
  }

  void Compare(THexPos from, THexPos to, int mode, int camp, std::uint32_t seed) {
    if (from == to) return;
    Prepare(seed);
    reference_->Route(from.X, from.Y, to.X, to.Y, mode, camp);
    const Outcome expected = Capture();
    Prepare(seed);
    RouteTo(from.X, from.Y, to.X, to.Y, 30, mode, camp, 0);
    const Outcome actual = Capture();
    ++compared_;
    if (expected.reached == kRouteReached) ++reached_;
    EXPECT_TRUE(actual == expected)
        << "mode " << mode << " camp " << camp << " from (" << from.X << ", " << from.Y << ") to ("
        << to.X << ", " << to.Y << "): " << actual.steps.size() << " steps, reached "
        << actual.reached << ", " << actual.draws << " draws; expected " << expected.steps.size()
        << ", " << expected.reached << ", " << expected.draws;
  }

  std::unique_ptr<reference_flood::Flood> reference_ = std::make_unique<reference_flood::Flood>();
  int compared_ = 0;
  int reached_ = 0;
};

TEST_F(FloodEquality, TheQueueFloodGivesTheRingScansRoutesAndDraws) {
  for (std::uint32_t mapSeed = 1; mapSeed <= 4; ++mapSeed) {
    varied_map::Builder map(mapSeed);
    map.Build();
    std::vector<THexPos> sea;
    std::vector<THexPos> river;
    std::vector<THexPos> rail[3];
    for (std::uint16_t x = 1; x <= TMapRecord::Columns; ++x) {
      for (std::uint16_t y = 1; y <= TMapRecord::Rows; ++y) {
        const TMapCell& hex = MapRecord.Cell(x, y);
        if (hex.Terrain() == TTerrain::Water || hex.Terrain() == TTerrain::City) sea.push_back({x, y});
        if (hex.RouteFlag()) river.push_back({x, y});
        if (hex.Terrain() == TTerrain::City || hex.LinkFlag()) rail[hex.Owner()].push_back({x, y});
      }
    }
    // Mostly hexes the mode can use, some anywhere on the map.
    auto pick = [&map](const std::vector<THexPos>& usable) {
      if (usable.empty() || map.Roll(5) == 0) return map.AnyHex();
      return usable[map.Roll(static_cast<int>(usable.size()))];
    };
    for (int pair = 0; pair < 100; ++pair) {
      const std::uint32_t seed = mapSeed * 1000 + pair;
      Compare(pick(sea), pick(sea), kSeaRouteMode, 0, seed);
      Compare(pick(river), pick(river), kRiverRouteMode, 0, seed);
      const int camp = 1 + pair % 2;
      Compare(pick(rail[camp]), pick(rail[camp]), kRailRouteMode, camp, seed);
    }
  }
  EXPECT_GT(reached_, compared_ / 4) << "the sample should hold many routes that arrive";
}

}  // namespace
