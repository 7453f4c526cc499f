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

// Open land, with water or flags laid by each test.
class RouteFinderTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    for (int x = 1; x <= TMapRecord::Columns; ++x)
      for (int y = 1; y <= TMapRecord::Rows; ++y) MapRecord.Cell(x, y).SetTerrain(1);
    TargetHexX = kUnsetHex;
    TargetHexY = kUnsetHex;
  }

  static std::vector<int> ListedSteps() {
    std::vector<int> steps;
    for (int step = 1; step <= kRouteStepsListed && RouteSteps[step] != 0; ++step)
      steps.push_back(RouteSteps[step]);
    return steps;
  }
};

TEST_F(RouteFinderTest, ARailRouteForAEuropeanPowerUsesItsCampsLines) {
  GameState.Nations[TNation::Britain].Side = TSide::Union;
  for (int y = 5; y <= 12; ++y) {
    MapRecord.Cell(30, y).SetLinkFlag();
    MapRecord.Cell(30, y).SetOwner(TSide::Union);
  }
  RouteTo(30, 5, 30, 12, 30, kRailRouteMode, TNation::Britain, 0);
  EXPECT_EQ(RouteReached, kRouteReached);
  EXPECT_EQ(ListedSteps().size(), 7u);
}

TEST_F(RouteFinderTest, AStartOffTheMapFindsNoRouteAndAStartOnTheTargetLeavesTheOutcomeAsItWas) {
  for (int y = 1; y <= 10; ++y) MapRecord.Cell(1, y).SetTerrain(TTerrain::Water);
  for (THexPos start : {THexPos{0, 5}, THexPos{1, 0}}) {
    RouteTo(start.X, start.Y, 1, 8, 20, kSeaRouteMode, 0, 0);
    EXPECT_EQ(RouteReached, 0);
    EXPECT_TRUE(ListedSteps().empty());
  }
  for (int mode = kArmyRouteMode; mode <= kSeaRouteMode; ++mode) {
    for (std::uint16_t before : {0, kRouteReached}) {
      RouteTo(1, 1, 1, 5, 20, kSeaRouteMode, 0, 0);
      RouteReached = before;
      RouteTo(1, 3, 1, 3, 20, mode, TNation::Union, 1);
      EXPECT_EQ(RouteReached, before) << "mode " << mode;
      EXPECT_TRUE(ListedSteps().empty()) << "mode " << mode;
      EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{1, 3})) << "mode " << mode;
    }
  }
}

TEST_F(RouteFinderTest, ATargetMoreThan254StepsAwayIsNeverReached) {
  // A river winding down every odd column and up the next, joined by one hex
  // of the even column between them, alternately at the bottom and the top.
  for (int x = 1; x <= TMapRecord::Columns; x += 2) {
    for (int y = 1; y <= TMapRecord::Rows; ++y) MapRecord.Cell(x, y).SetRouteFlag();
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
        if (hex.Terrain() == TTerrain::Water || hex.Terrain() == TTerrain::City)
          sea.push_back({x, y});
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
