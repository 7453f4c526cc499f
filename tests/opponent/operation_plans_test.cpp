// How a scripted operation finds its corps: the nearest free one of the camp
// within the radius (twice as far outside the city's theatre), else the
// nation's nearest free one of the theatre within 12 hexes.
#include "opponent/operation_plans.h"

#include <gtest/gtest.h>

#include <utility>

#include "opponent/confederate_operations.h"
#include "opponent/planner_fixture.h"
#include "opponent/union_operations.h"

namespace {

using OperationPlansTest = PlannerTest;

TEST_F(OperationPlansTest, AnOperationFindsItsCorpsWithinItsRadiusElseWithinTwelveInTheTheatre) {
  struct Row {
    int distance;
    bool sameTheatre, inArmy, found;
  };
  const Row rows[] = {
      {2, false, false, true},  {3, false, false, false},  // 4 and 6 against a radius of 4
      {4, true, true, true},    {11, true, false, true},   // the camp's search takes army corps
      {12, true, false, false}, {11, true, true, false},   // the theatre's does not
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "corps at " << row.distance);
    Fresh();
    const int city = AddCityIn(10, 10, TSide::Union, TTheatre::West);
    const int c = AddCorpsOf(10 + row.distance, 10, TNation::Union, 50,
                             row.sameTheatre ? TTheatre::West : TTheatre::Seaboard);
    GameState.Corps[c].Army = row.inArmy ? 1 : 0;
    const CorpsSearch search{.startStrength = 1, .takesArmyCorps = true};
    EXPECT_EQ(FindFreeCorpsNear(city, TNation::Union, 4, search), row.found ? c : 0);
  }
}

// The Confederacy sends a corps to retake a port up to 20 hexes off.
TEST_F(OperationPlansTest, TheSouthRetakesAPortWithACorpsUpTo20HexesOff) {
  for (const auto& [distance, sent] : {std::pair{20, true}, std::pair{21, false}}) {
    SCOPED_TRACE(distance);
    Fresh();
    const int port = AddCityIn(10, 10, TSide::Union, TTheatre::Seaboard);
    const int c = AddCorpsOf(10 + distance, 10, TNation::Confederacy, 50);
    DispatchConfederateCorps(port);
    EXPECT_EQ(GameState.Corps[c].AiMission, sent ? 14 : 0);
  }
}

// A port the South began with and holds, without a garrison, asks for one
// unless a Southern corps stands within 2 hexes of it.
TEST_F(OperationPlansTest, AnUnguardedSouthernPortAsksForAGarrisonWithNoCorpsWithinTwoHexes) {
  for (const auto& [distance, need] : {std::pair{2, 0}, std::pair{3, 1}}) {
    SCOPED_TRACE(distance);
    Fresh();
    GameState.AiPlans[14].Phase = TOperationPhase::Gathering;
    const int port = AddCityIn(10, 10, TSide::Confederate, TTheatre::Seaboard);
    GameState.Cities[port].SeaPort = 1;
    AddCorpsOf(10 + distance, 10, TNation::Confederacy, 50);
    RunConfederateOperation14();
    EXPECT_EQ(GameState.Cities[port].GarrisonNeed, need);
  }
}

// A Union corps heads for the enemy city whose planning value, less 10 a
// hex, is the highest above 0.
TEST_F(OperationPlansTest, AUnionCorpsPicksAnEnemyCityWorthMoreThanTenAHex) {
  for (const auto& [value, picked] : {std::pair{41, true}, std::pair{40, false}}) {
    SCOPED_TRACE(value);
    Fresh();
    const int c = AddCorpsOf(10, 10, TNation::Union, 50);
    const int city = AddCityIn(14, 10, TSide::Confederate, TTheatre::Seaboard);
    GameState.Cities[city].AiValue = static_cast<std::uint16_t>(value);
    EXPECT_EQ(PickEnemyCityForCorps(TNation::Union, c), picked ? city : 0);
  }
}

}  // namespace
