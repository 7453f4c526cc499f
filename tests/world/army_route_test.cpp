#include "world/army_route.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "support/world_fixture.h"
#include "tests/world/reference_army_route.h"
#include "tests/world/varied_map.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

constexpr int kPlains = 1;

std::vector<int> ListedSteps() {
  std::vector<int> steps;
  for (int step = 1; step <= kRouteStepsListed && RouteSteps[step] != 0; ++step)
    steps.push_back(RouteSteps[step]);
  return steps;
}

THexPos TargetHex() {
  return {TargetHexX, TargetHexY};
}

// Union land everywhere.
class ArmyRouteTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    SetRandomSeed(17);
    for (int x = 1; x <= TMapRecord::Columns; ++x) {
      for (int y = 1; y <= TMapRecord::Rows; ++y) {
        MapRecord.Cell(x, y).SetTerrain(kPlains);
        MapRecord.Cell(x, y).SetOwner(TSide::Union);
      }
    }
  }
};

TEST_F(ArmyRouteTest, ATargetNextToTheStartIsReachedInOneStepAndAStartOffTheMapMarchesOntoIt) {
  RouteTo(10, 10, 11, 10, 9, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  EXPECT_EQ(RouteReached, kRouteReached);
  EXPECT_EQ(ListedSteps(), std::vector<int>{kNorthEast});
  EXPECT_EQ(TargetHex(), (THexPos{11, 10}));
  RouteTo(0, 10, 4, 10, 9, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  EXPECT_EQ(RouteReached, kRouteReached);
  EXPECT_EQ(TargetHex(), (THexPos{4, 10}));
}

// Column 15 is the Confederacy's but for row 30.
TEST_F(ArmyRouteTest, EachPolicyEntersTheOtherCampsHexesOnlyAsFarAsItAllows) {
  for (int y = 1; y <= TMapRecord::Rows; ++y) MapRecord.Cell(15, y).SetOwner(TSide::Confederate);
  MapRecord.Cell(15, 30).SetOwner(TSide::Union);
  RouteTo(12, 10, 18, 10, 20, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  for (int trial = 1; trial <= kArmyRouteTrials; ++trial)
    for (int step = 1; step <= kArmyRouteLongest; ++step)
      EXPECT_FALSE(RouteTrialTable[trial].Steps[step].Score != 0 &&
                   RouteTrialTable[trial].Steps[step].X == 15);
  EXPECT_EQ(RouteReached, 0);
  RouteTo(12, 26, 18, 26, 20, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  EXPECT_EQ(TargetHex(), (THexPos{18, 26})) << "through the one own hex";
  RouteTo(12, 10, 18, 10, 20, kArmyRouteMode, TNation::Union, kAnyHex);
  EXPECT_EQ(TargetHex(), (THexPos{18, 10})) << "any hex will do";
  // Near the start: two hexes into the other camp's ground, not three.
  RouteTo(13, 10, 18, 10, 20, kArmyRouteMode, TNation::Union, kForeignHexesNearStart);
  EXPECT_EQ(TargetHex(), (THexPos{18, 10}));
  RouteTo(12, 10, 18, 10, 20, kArmyRouteMode, TNation::Union, kForeignHexesNearStart);
  EXPECT_EQ(RouteReached, 0);
  // France marches for the Confederate camp.
  GameState.Nations[TNation::France].Side = TSide::Confederate;
  RouteTo(15, 10, 15, 15, 9, kArmyRouteMode, TNation::France, kOwnHexesOnly);
  EXPECT_EQ(TargetHex(), (THexPos{15, 15}));
}

TEST_F(ArmyRouteTest, ListsAtMostMaxStepsAndNeverMoreThanTwenty) {
  RouteTo(10, 5, 10, 50, 9, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  EXPECT_EQ(ListedSteps(), std::vector<int>(9, kSouth));
  EXPECT_EQ(TargetHex(), (THexPos{10, 14}));
  EXPECT_EQ(RouteReached, 0);
  RouteTo(10, 5, 10, 50, 30, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  EXPECT_EQ(ListedSteps(), std::vector<int>(20, kSouth));
  EXPECT_EQ(TargetHex(), (THexPos{10, 25}));
}

TEST(ArmyRouteEquality, TheLazyScoringGivesTheFullScoringsRoutesAndDraws) {
  auto reference = std::make_unique<reference_army_route::ArmyRoute>();
  constexpr int kMaxSteps[] = {3, 9, 20, 30};
  int arrived = 0;
  int compared = 0;
  for (std::uint32_t mapSeed = 11; mapSeed <= 13; ++mapSeed) {
    varied_map::Builder map(mapSeed);
    map.Build();
    for (int pair = 0; pair < 150; ++pair) {
      THexPos from = map.AnyHex();
      if (pair % 3 == 0) {
        const TCorps& corps = GameState.Corps[1 + map.Roll(70)];
        from = {corps.X, corps.Y};
      }
      THexPos to = map.AnyHex();
      if (pair % 4 != 0)
        to = {static_cast<std::uint16_t>(std::clamp(from.X + map.Roll(17) - 8, 1, 76)),
              static_cast<std::uint16_t>(std::clamp(from.Y + map.Roll(17) - 8, 1, 54))};
      if (from == to) continue;
      const int maxSteps = kMaxSteps[map.Roll(4)];
      const int side = map.Roll(5);
      const int policy = map.Roll(3);
      const std::uint32_t seed = mapSeed * 1000 + pair;

      SetRandomSeed(seed);
      ResetRandomDrawCount();
      reference->Route(from.X, from.Y, to.X, to.Y, maxSteps, side, policy);
      const std::vector<int> steps = ListedSteps();
      const THexPos target{TargetHexX, TargetHexY};
      const int reached = RouteReached;
      const std::uint64_t draws = RandomDrawCount();

      SetRandomSeed(seed);
      ResetRandomDrawCount();
      RouteTo(from.X, from.Y, to.X, to.Y, maxSteps, kArmyRouteMode, side, policy);
      const std::string orders = "from (" + std::to_string(from.X) + ", " + std::to_string(from.Y) +
                                 ") to (" + std::to_string(to.X) + ", " + std::to_string(to.Y) +
                                 "), policy " + std::to_string(policy);
      EXPECT_EQ(ListedSteps(), steps) << orders;
      EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), target) << orders;
      EXPECT_EQ(RouteReached, reached) << orders;
      EXPECT_EQ(RandomDrawCount(), draws) << orders;
      for (int trial = 1; trial <= kArmyRouteTrials; ++trial)
        EXPECT_EQ(RouteTrialTable[trial].Total, reference->Total(trial)) << orders;
      ++compared;
      if (target == to) ++arrived;
    }
  }
  EXPECT_GT(arrived, compared / 8) << "the sample should hold many routes that arrive";
}

}  // namespace
