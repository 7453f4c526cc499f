// The reach and the counts of the scripted operations: how far each looks for
// its corps and its targets, and the corps it needs to move on.
#include "opponent/operation_plans.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <utility>

#include "opponent/confederate_operations.h"
#include "opponent/planner_fixture.h"
#include "opponent/union_operations.h"

namespace {

using OperationPlansTest = PlannerTest;

// The nearest free corps of the camp within the radius (twice as far outside
// the city's theatre), else the nation's nearest free one of the theatre
// within 12 hexes. Only the corps nearer than the radius count their
// strength, on either side.
TEST_F(OperationPlansTest, AnOperationFindsItsCorpsWithinItsRadiusElseWithinTwelveInTheTheatre) {
  struct Row {
    int distance;
    bool sameTheatre, inArmy, found, counted;
  };
  const Row rows[] = {
      {2, false, false, true, false},   // 4 against a radius of 4
      {3, false, false, false, false},  // 6
      {3, true, false, true, true},     // 3, and counted
      {4, true, true, true, false},     // the camp's search takes army corps
      {11, true, false, true, false},   // the theatre's search reaches 11
      {12, true, false, false, false},  // but not 12
      {11, true, true, false, false},   // and takes no army corps
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "corps at " << row.distance);
    Fresh();
    const int city = AddCityIn(10, 10, TSide::Union, TTheatre::West);
    const int theatre = row.sameTheatre ? TTheatre::West : TTheatre::Seaboard;
    const int c = AddCorpsOf(10 + row.distance, 10, TNation::Union, 50, theatre);
    GameState.Corps[c].Army = row.inArmy ? 1 : 0;
    AddCorpsOf(10, 10 + row.distance, TNation::Confederacy, 30, theatre);
    const CorpsSearch search{.startStrength = 1, .takesArmyCorps = true};
    EXPECT_EQ(FindFreeCorpsNear(city, TNation::Union, 4, search), row.found ? c : 0);
    EXPECT_EQ(ThreatOwnStrength, row.counted ? 51 : 1);
    EXPECT_EQ(ThreatEnemyStrength, row.counted ? 31 : 1);
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

// Of a state's cities the Union lacks the two scoring highest are taken (5 a
// point of value, plus 10, less a hex); on a tie the earlier city keeps its
// place, for the best as for the second.
TEST_F(OperationPlansTest, TheTwoBestCitiesOfAStateKeepTheEarlierOnTies) {
  constexpr int kState = 21;
  for (const auto& [thirdValue, best, second] : {std::tuple{2, 0, 1}, std::tuple{3, 2, 0}}) {
    SCOPED_TRACE(thirdValue);
    Fresh();
    const int from = AddCityIn(10, 10, TSide::Union, TTheatre::West);
    int cities[3];
    for (int k = 0; k < 3; ++k) {
      cities[k] = AddCityIn(12, 10, TSide::Confederate, TTheatre::West, k == 2 ? thirdValue : 2);
      GameState.Cities[cities[k]].State = kState;
    }
    EXPECT_EQ(PickTwoCitiesInState(kState, from), std::pair(cities[best], cities[second]));
  }
}

// The corps counts at which the scripted operations move on: the Union's
// Kentucky armies from Ohio, and its western armies into Tennessee, with more
// than 1 corps; the South's Tennessee armies with more than 1; its river
// defence with 2 corps in the river states and then a score of 3 (2 a post, 1
// a garrison).
TEST_F(OperationPlansTest, OperationsMoveOnAtTheirCorpsCountsAndScores) {
  constexpr int kOhio = 9, kKentucky = 20, kTennessee = 21, kRiverState = 24;
  const auto armyIn = [](int state, int side, int nation, int corps) {
    const int a = AddArmy(30, 30, side, nation);
    GameState.Cities[GameState.Armies[a].HqCity].State = static_cast<std::uint8_t>(state);
    GameState.Armies[a].CorpsCount = static_cast<std::uint8_t>(corps);
    return a;
  };
  const auto westernArmy = [&](int corps) {
    GameState.Armies[armyIn(0, TSide::Union, TNation::Union, corps)].Theatre = TTheatre::West;
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
      {"western army of 2", 7, 2, RunUnionOperation7, [&] { westernArmy(2); }, 3},
      {"western army of 1", 7, 2, RunUnionOperation7, [&] { westernArmy(1); }, 2},
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
