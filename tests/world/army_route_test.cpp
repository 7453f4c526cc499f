#include "world/army_route.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>
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

void SetSideCode(int x, int y, int side, int code) {
  MapRecord.Cell(x, y).SetHexSideCode(side, code);
}

// The code of the side between a hex and its neighbour in a direction.
int SideBetween(THexPos hex, int direction) {
  const THexPos there = NeighbourHex(hex.X, hex.Y, direction);
  if (direction <= kSouthEast) return MapRecord.Cell(hex.X, hex.Y).HexSideCode(direction);
  return MapRecord.Cell(there.X, there.Y).HexSideCode(OppositeDirection(direction));
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

  // Every hex a walk of the last route entered, in every trial.
  static std::vector<THexPos> EveryWalkedHex() {
    std::vector<THexPos> hexes;
    for (int trial = 1; trial <= kArmyRouteTrials; ++trial)
      for (int step = 1; step <= kArmyRouteLongest; ++step)
        if (RouteTrialTable[trial].Steps[step].Score != 0)
          hexes.push_back(
              {RouteTrialTable[trial].Steps[step].X, RouteTrialTable[trial].Steps[step].Y});
    return hexes;
  }
};

TEST_F(ArmyRouteTest, ATargetNextToTheStartIsReachedInOneStep) {
  RouteTo(10, 10, 11, 10, 9, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  EXPECT_EQ(RouteReached, kRouteReached);
  EXPECT_EQ(ListedSteps(), std::vector<int>{kNorthEast});
  EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{11, 10}));
}

TEST_F(ArmyRouteTest, AClosedSideIsNeverCrossed) {
  // A wall between columns 20 and 21 from row 1 to row 40, open below.
  for (int y = 1; y <= 40; ++y) {
    SetSideCode(20, y, kNorthEast, 3);
    SetSideCode(20, y, kSouthEast, 3);
  }
  SetSideCode(10, 10, kNorthEast, 3);
  RouteTo(10, 10, 11, 10, 9, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  EXPECT_NE(ListedSteps().front(), kNorthEast) << "the target next door lies across a closed side";

  for (std::uint16_t fromY : {5, 30, 38}) {
    RouteTo(18, fromY, 24, fromY, 20, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
    for (int trial = 1; trial <= kArmyRouteTrials; ++trial) {
      THexPos here{18, fromY};
      for (int step = 1; step <= kArmyRouteLongest; ++step) {
        const TRouteTrialStep& walked = RouteTrialTable[trial].Steps[step];
        if (walked.Score == 0) break;
        EXPECT_NE(SideBetween(here, walked.Direction), 3) << "trial " << trial << " step " << step;
        here = {walked.X, walked.Y};
      }
    }
  }
  RouteTo(18, 5, 24, 5, 20, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  EXPECT_EQ(RouteReached, 0) << "the way round the wall is too long";
  RouteTo(18, 38, 24, 38, 20, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{24, 38})) << "round the end of the wall";
}

TEST_F(ArmyRouteTest, ARoughSideLosesATieAgainstAnOpenOne) {
  // Seen from (10, 10), (11, 10) to the NE and (11, 11) to the SE lie equally far
  // from (20, 10).
  SetSideCode(10, 10, kNorthEast, 2);
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    SetRandomSeed(seed);
    RouteTo(10, 10, 20, 10, 9, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
    EXPECT_EQ(RouteTrialTable[1].Steps[1].Direction, kSouthEast) << "seed " << seed;
  }
  SetSideCode(10, 10, kNorthEast, 0);
  std::set<int> firstSteps;
  for (std::uint32_t seed = 1; seed <= 20; ++seed) {
    SetRandomSeed(seed);
    RouteTo(10, 10, 20, 10, 9, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
    firstSteps.insert(RouteTrialTable[1].Steps[1].Direction);
  }
  EXPECT_EQ(firstSteps, (std::set<int>{kNorthEast, kSouthEast})) << "an even tie goes either way";
}

TEST_F(ArmyRouteTest, TheOwnHexesPolicyNeverEntersAHexTheOtherCampHolds) {
  for (int y = 1; y <= TMapRecord::Rows; ++y) MapRecord.Cell(15, y).SetOwner(TSide::Confederate);
  MapRecord.Cell(15, 30).SetOwner(TSide::Union);
  RouteTo(12, 10, 18, 10, 20, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  for (const THexPos& hex : EveryWalkedHex()) EXPECT_NE(hex.X, 15) << "row " << hex.Y;
  EXPECT_EQ(RouteReached, 0);

  RouteTo(12, 26, 18, 26, 20, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{18, 26})) << "through the one own hex";

  RouteTo(12, 10, 18, 10, 20, kArmyRouteMode, TNation::Union, kAnyHex);
  EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{18, 10})) << "any hex will do";
}

TEST_F(ArmyRouteTest, TheNearStartPolicyEntersForeignHexesOnlyCloseToTheStart) {
  for (int x = 1; x <= TMapRecord::Columns; ++x)
    for (int y = 1; y <= TMapRecord::Rows; ++y) MapRecord.Cell(x, y).SetOwner(TSide::Confederate);
  RouteTo(30, 20, 30, 30, 20, kArmyRouteMode, TNation::Union, kForeignHexesNearStart);
  const std::vector<THexPos> walked = EveryWalkedHex();
  ASSERT_FALSE(walked.empty());
  for (const THexPos& hex : walked) EXPECT_LE(HexDistance(hex.X, hex.Y, 30, 20), 2);
  EXPECT_EQ(RouteReached, 0);
}

TEST_F(ArmyRouteTest, AForceMarchesForItsNationsCamp) {
  for (int x = 1; x <= TMapRecord::Columns; ++x)
    for (int y = 1; y <= TMapRecord::Rows; ++y) MapRecord.Cell(x, y).SetOwner(TSide::Confederate);
  GameState.Nations[TNation::France].Side = TSide::Confederate;
  RouteTo(30, 20, 30, 25, 9, kArmyRouteMode, TNation::France, kOwnHexesOnly);
  EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{30, 25}));
  RouteTo(30, 20, 30, 25, 9, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  EXPECT_TRUE(ListedSteps().empty());
  EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{30, 20})) << "no walk scores";
}

TEST_F(ArmyRouteTest, ListsAtMostMaxStepsAndNeverMoreThanTwenty) {
  RouteTo(10, 5, 10, 50, 9, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  EXPECT_EQ(ListedSteps(), std::vector<int>(9, kSouth));
  EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{10, 14}));
  EXPECT_EQ(RouteReached, 0);

  RouteTo(10, 5, 10, 50, 30, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  EXPECT_EQ(ListedSteps(), std::vector<int>(20, kSouth));
  EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{10, 25}));
}

// Where the last walk has stepped on the target; 0 when it has not arrived.
int ArrivalStep(int trial, THexPos target) {
  for (int step = 1; step <= kArmyRouteLongest; ++step) {
    const TRouteTrialStep& walked = RouteTrialTable[trial].Steps[step];
    if (walked.Score != 0 && walked.X == target.X && walked.Y == target.Y) return step;
  }
  return 0;
}

TEST_F(ArmyRouteTest, TheOutcomeIsTheLastWalksAndTheTargetHexTheChosenWalksEnd) {
  // A wall of impassable ground across the straight way south, open at its ends:
  // the walks that head into it end short, so the walks differ.
  for (int x = 5; x <= 15; ++x) MapRecord.Cell(x, 15).SetTerrain(TTerrain::Impassable);
  bool sawADifference = false;
  for (std::uint32_t seed = 1; seed <= 30; ++seed) {
    SetRandomSeed(seed);
    RouteTo(10, 10, 10, 20, 20, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
    const bool lastArrived = ArrivalStep(kArmyRouteTrials, {10, 20}) != 0;
    EXPECT_EQ(RouteReached, lastArrived ? kRouteReached : 0) << "seed " << seed;
    int chosen = 1;
    for (int trial = 2; trial <= kArmyRouteTrials; ++trial)
      if (RouteTrialTable[trial].Total > RouteTrialTable[chosen].Total) chosen = trial;
    const int listed = static_cast<int>(ListedSteps().size());
    ASSERT_GT(listed, 0);
    const TRouteTrialStep& end = RouteTrialTable[chosen].Steps[listed];
    EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{end.X, end.Y})) << "seed " << seed;
    const bool chosenArrived = ArrivalStep(chosen, {10, 20}) != 0;
    if (chosenArrived != lastArrived) sawADifference = true;
  }
  EXPECT_TRUE(sawADifference)
      << "some seed should choose a walk whose outcome differs from the last";
}

TEST_F(ArmyRouteTest, AStartJustOffTheMapMarchesOntoIt) {
  RouteTo(0, 10, 4, 10, 9, kArmyRouteMode, TNation::Union, kOwnHexesOnly);
  EXPECT_EQ(RouteReached, kRouteReached);
  EXPECT_EQ((THexPos{TargetHexX, TargetHexY}), (THexPos{4, 10}));
}

TEST_F(ArmyRouteTest, TheSameSeedGivesTheSameRoute) {
  varied_map::Builder(5).Build();
  SetRandomSeed(99);
  RouteTo(5, 5, 40, 30, 20, kArmyRouteMode, TNation::Union, kAnyHex);
  const std::vector<int> first = ListedSteps();
  SetRandomSeed(99);
  RouteTo(5, 5, 40, 30, 20, kArmyRouteMode, TNation::Union, kAnyHex);
  EXPECT_EQ(ListedSteps(), first);
  EXPECT_FALSE(first.empty());
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
