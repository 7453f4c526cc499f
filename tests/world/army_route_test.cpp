#include "world/army_route.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "support/world_fixture.h"
#include "tests/world/reference_army_route.h"
#include "tests/world/varied_map.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

using varied_map::ListedSteps;

// Union land everywhere; column 15 is the Confederacy's but for row 30.
class ArmyRouteTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    SetRandomSeed(17);
    for (int x = 1; x <= TMapRecord::Columns; ++x) {
      for (int y = 1; y <= TMapRecord::Rows; ++y) {
        MapRecord.Cell(x, y).SetTerrain(1);
        MapRecord.Cell(x, y).SetOwner(x == 15 && y != 30 ? TSide::Confederate : TSide::Union);
      }
    }
  }
  // The hex the route ends on, from (fromX, fromY) to (toX, 10) within 20 steps.
  static THexPos Reach(int fromX, int fromY, int toX, int toY, int policy, int nation = 1) {
    RouteTo(fromX, fromY, toX, toY, 20, kArmyRouteMode, nation, policy);
    return {TargetHexX, TargetHexY};
  }
};

TEST_F(ArmyRouteTest, ANeighbourIsOneStepAndAStartOffTheMapMarchesOntoIt) {
  RouteTo(10, 10, 11, 10, 9, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  EXPECT_EQ(ListedSteps(), std::vector<int>{kNorthEast});
  EXPECT_EQ(RouteReached, kRouteReached);
  EXPECT_EQ(Reach(0, 10, 4, 10, kOwnHexesOnly), (THexPos{4, 10}));
}

TEST_F(ArmyRouteTest, EachPolicyEntersTheOtherCampsHexesOnlyAsFarAsItAllows) {
  EXPECT_NE(Reach(12, 10, 18, 10, kOwnHexesOnly), (THexPos{18, 10}));
  EXPECT_EQ(Reach(12, 26, 18, 26, kOwnHexesOnly), (THexPos{18, 26})) << "through the own hex";
  EXPECT_EQ(Reach(12, 10, 18, 10, kAnyHex), (THexPos{18, 10}));
  // Near the start: two hexes into the other camp's ground, not three.
  EXPECT_EQ(Reach(13, 10, 18, 10, kForeignHexesNearStart), (THexPos{18, 10}));
  EXPECT_NE(Reach(12, 10, 18, 10, kForeignHexesNearStart), (THexPos{18, 10}));
  GameState.Nations[TNation::France].Side = TSide::Confederate;
  EXPECT_EQ(Reach(15, 10, 15, 15, kOwnHexesOnly, TNation::France), (THexPos{15, 15}));
}

TEST_F(ArmyRouteTest, ListsAtMostMaxStepsAndNeverMoreThanTwenty) {
  RouteTo(10, 5, 10, 50, 9, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  EXPECT_EQ(ListedSteps(), std::vector<int>(9, kSouth));
  EXPECT_EQ(RouteReached, 0);
  RouteTo(10, 5, 10, 50, 30, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{10, 25}));
}

// Routes between hexes of the varied map, a third of them from a corps' hex.
TEST(ArmyRouteEquality, TheLazyScoringGivesTheFullScoringsRoutesAndDraws) {
  auto reference = std::make_unique<reference_army_route::ArmyRoute>();
  int arrived = 0;
  int compared = 0;
  for (std::uint32_t mapSeed = 11; mapSeed <= 13; ++mapSeed) {
    varied_map::Builder map(mapSeed);
    map.Build();
    for (int pair = 0; pair < 150; ++pair) {
      const TCorps& corps = GameState.Corps[1 + map.Roll(70)];
      const THexPos from = pair % 3 == 0 ? THexPos{corps.X, corps.Y} : map.AnyHex();
      THexPos to = map.AnyHex();
      if (pair % 4 != 0)
        to = {static_cast<std::uint16_t>(std::clamp(from.X + map.Roll(17) - 8, 1, 76)),
              static_cast<std::uint16_t>(std::clamp(from.Y + map.Roll(17) - 8, 1, 54))};
      if (from == to) continue;
      const int maxSteps = std::vector{3, 9, 20, 30}[map.Roll(4)];
      const int side = map.Roll(5);
      const int policy = map.Roll(3);
      const std::uint32_t seed = mapSeed * 1000 + pair;
      SetRandomSeed(seed);
      ResetRandomDrawCount();
      reference->Route(from.X, from.Y, to.X, to.Y, maxSteps, side, policy);
      const auto expected = std::tuple(ListedSteps(), THexPos{TargetHexX, TargetHexY}, RouteReached,
                                       RandomDrawCount());
      SetRandomSeed(seed);
      ResetRandomDrawCount();
      RouteTo(from.X, from.Y, to.X, to.Y, maxSteps, kArmyRouteMode, side, policy);
      SCOPED_TRACE(testing::Message() << "from (" << from.X << ", " << from.Y << ") to (" << to.X
                                      << ", " << to.Y << "), policy " << policy);
      EXPECT_TRUE(std::tuple(ListedSteps(), THexPos{TargetHexX, TargetHexY}, RouteReached,
                             RandomDrawCount()) == expected);
      for (int trial = 1; trial <= kArmyRouteTrials; ++trial)
        EXPECT_EQ(RouteTrialTable[trial].Total, reference->Total(trial));
      ++compared;
      if (std::get<1>(expected) == to) ++arrived;
    }
  }
  EXPECT_GT(arrived, compared / 8) << "the sample should hold many routes that arrive";
}

}  // namespace
