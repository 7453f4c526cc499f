// The cities a computer army weighs: those within range of its headquarters
// and of the city it attacks, and the enemy strength counted around each.
#include "opponent/army_targets.h"

#include <gtest/gtest.h>

#include <tuple>

#include "opponent/planner_fixture.h"

namespace {

using ArmyTargetsTest = PlannerTest;

// The range is six more than the army's free corps, at most 16 hexes.
TEST_F(ArmyTargetsTest, CitiesJoinTheListWithinSixHexesMoreThanTheFreeCorpsAtMostSixteen) {
  struct Row {
    int freeCorps, distance;
    bool listed;
  };
  const Row rows[] = {
      {0, 6, true}, {0, 7, false}, {10, 16, true}, {10, 17, false}, {11, 17, false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.freeCorps << " free corps, city at " << row.distance);
    Fresh();
    const int a = AddArmy(10, 10, TSide::Union, TNation::Union);
    GameState.Armies[a].AiFreeCorps = static_cast<std::uint8_t>(row.freeCorps);
    const int c = AddCity(10 + row.distance, 10, TSide::Confederate);
    ClearTargetList();
    FillTargetEntry(1, TNation::Union, GameState.Armies[a].HqCity, 4);
    BuildTargetList(TNation::Union, 1, a);
    EXPECT_EQ(TargetList[2].City, row.listed ? c : 0);
  }
}

// Around an own city of a state its camp holds the radius is halved: rounded
// down for the Union, up for everyone else.
TEST_F(ArmyTargetsTest, TheRadiusAroundAHeldCityIsHalvedRoundingDownOnlyForTheUnion) {
  constexpr int kState = 4;
  struct Row {
    int nation;
    bool held;
    int enemyDistance, need;
  };
  const int U = TNation::Union, C = TNation::Confederacy;
  const Row rows[] = {{U, true, 2, 50}, {U, true, 3, 0},   {C, true, 3, 50},
                      {C, true, 4, 0},  {U, false, 6, 50}, {U, false, 7, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message()
                 << "nation " << row.nation << ", enemy at " << row.enemyDistance);
    Fresh();
    const int side = GameState.Nations[row.nation].Side;
    const int c = AddCity(10, 10, side);
    GameState.Cities[c].State = kState;
    GameState.States[kState].ControlSide = static_cast<std::uint8_t>(row.held ? side : 3 - side);
    const int e = AddCorps(10 + row.enemyDistance, 10, 3 - side, 3 - row.nation);
    GameState.Corps[e].Strength = 50;
    ClearTargetList();
    FillTargetEntry(1, row.nation, c, 7);
    EXPECT_EQ(TargetList[1].Need, row.need);
  }
}

// A city taken into the list counts the enemy within its theatre + 4 hexes.
TEST_F(ArmyTargetsTest, AListedCityCountsTheEnemyWithinItsTheatrePlusFour) {
  for (const auto& [theatre, enemyDistance, need] :
       {std::tuple{0, 3, 50}, std::tuple{0, 4, 0}, std::tuple{2, 5, 50}, std::tuple{2, 6, 0}}) {
    SCOPED_TRACE(testing::Message() << "theatre " << theatre << ", enemy at " << enemyDistance);
    Fresh();
    const int a = AddArmy(10, 10, TSide::Union, TNation::Union);
    const int c = AddCityIn(14, 10, TSide::Confederate, theatre);
    GameState.Corps[AddCorpsOf(14, 10 + enemyDistance, TNation::Confederacy, 50)].Theatre = 0;
    ClearTargetList();
    FillTargetEntry(1, TNation::Union, GameState.Armies[a].HqCity, 4);
    BuildTargetList(TNation::Union, 1, a);
    ASSERT_EQ(TargetList[2].City, c);
    EXPECT_EQ(TargetList[2].Need, need);
  }
}

}  // namespace
