// The reach and the counts of the scripted operations: how far each looks for
// its corps and its targets, and the corps it needs to move on.
#include "opponent/operation_plans.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>

#include "opponent/confederate_operations.h"
#include "opponent/planner_fixture.h"
#include "opponent/union_operations.h"

namespace {

using OperationPlansTest = PlannerTest;

// The nearest free corps of the camp within the radius (twice as far outside
// the city's theatre), else the nation's nearest free one of the theatre
// within 12 hexes.
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

// The corps counts at which the scripted operations move on: the Union's
// Kentucky armies from Ohio with more than 1 corps; the South's Tennessee
// armies with more than 1; its river defence with 2 corps in the river
// states and then a score of 3 (2 a post, 1 a garrison).
TEST_F(OperationPlansTest, OperationsMoveOnAtTheirCorpsCountsAndScores) {
  constexpr int kOhio = 9, kKentucky = 20, kTennessee = 21, kRiverState = 24;
  const auto armyIn = [](int state, int side, int nation, int corps) {
    const int a = AddArmy(30, 30, side, nation);
    GameState.Cities[GameState.Armies[a].HqCity].State = static_cast<std::uint8_t>(state);
    GameState.Armies[a].CorpsCount = static_cast<std::uint8_t>(corps);
  };
  const auto southernCorps = [](int count) {
    for (int k = 0; k < count; ++k)
      GameState.Corps[AddCorpsOf(40, 10 + k, TNation::Confederacy, 50)].State = kRiverState;
  };
  const auto southHolds = [](int city, int garrison) {
    GameState.Cities[city].Side = TSide::Confederate;
    GameState.Cities[city].GarrisonCount = static_cast<std::uint16_t>(garrison);
  };
  const struct {
    const char* name;
    int operation, phase;
    void (*run)();
    std::function<void()> arrange;
    int phaseAfter;
  } rows[] = {
      {"Ohio army of 2", 4, 2, RunUnionOperation4,
       [&] { armyIn(kOhio, TSide::Union, TNation::Union, 2); }, 3},
      {"Ohio army of 1", 4, 2, RunUnionOperation4,
       [&] { armyIn(kOhio, TSide::Union, TNation::Union, 1); }, 2},
      {"Tennessee army of 2", 10, 2, RunConfederateOperation10,
       [&] { armyIn(kTennessee, TSide::Confederate, TNation::Confederacy, 2); }, 3},
      {"Tennessee army of 1", 10, 2, RunConfederateOperation10,
       [&] { armyIn(kTennessee, TSide::Confederate, TNation::Confederacy, 1); }, 2},
      {"2 river corps", 11, 1, RunConfederateOperation11, [&] { southernCorps(2); }, 2},
      {"1 river corps", 11, 1, RunConfederateOperation11, [&] { southernCorps(1); }, 1},
      {"a post and a garrison", 11, 2, RunConfederateOperation11,
       [&] { southHolds(50, 0), southHolds(51, 1); }, 3},
      {"a post alone", 11, 2, RunConfederateOperation11, [&] { southHolds(50, 0); }, 2},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    Fresh();
    GameState.States[kKentucky].ControlSide = TSide::Confederate;
    GameState.States[kTennessee].ControlSide = TSide::Confederate;
    if (row.operation == 10) GameState.States[kKentucky].ControlSide = TSide::Union;
    GameState.AiPlans[row.operation].Phase = static_cast<std::uint8_t>(row.phase);
    row.arrange();
    row.run();
    EXPECT_EQ(GameState.AiPlans[row.operation].Phase, row.phaseAfter);
  }
}

}  // namespace
