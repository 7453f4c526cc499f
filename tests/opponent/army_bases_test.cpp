// Which cities a computer army holds and strikes at: a city is worth 60 as a
// base and 70 as a target, plus twice its value, less its distance from the
// headquarters; nothing at all once the distance reaches the worth.
#include "opponent/army_bases.h"

#include <gtest/gtest.h>

#include "opponent/planner_fixture.h"

namespace {

using ArmyBasesTest = PlannerTest;

TEST_F(ArmyBasesTest, ACityCountsOnlyNearerThanItsWorthOfSixtyToHoldOrSeventyToStrike) {
  struct Row {
    bool attack;
    int distance, value;
    bool chosen;
  };
  const Row rows[] = {
      {false, 69, 10, true},
      {false, 70, 10, false},  // 60 + 10
      {true, 69, 0, true},
      {true, 70, 0, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << (row.attack ? "target" : "base") << " at " << row.distance);
    Fresh();
    const int a = AddArmy(2, 10, TSide::Union, TNation::Union);
    const int side = row.attack ? TSide::Confederate : TSide::Union;
    const int c = AddCityIn(2 + row.distance, 10, side, 0, row.value);
    TCity& city = GameState.Cities[c];
    city.RailStation = 1;
    city.OriginalSide = TSide::Union;  // a city the Union began with: not halved
    const TCityChoice choice = row.attack ? PickArmyAttackCities(a) : PickArmyDefenceCities(a, 0);
    EXPECT_EQ(choice.best, row.chosen ? c : 0);
  }
}

}  // namespace
