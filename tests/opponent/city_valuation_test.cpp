// What the cities are worth to a nation: the threat around them, its posture,
// its capital, the states worth a fight and the theatre's objective.
#include "opponent/city_valuation.h"

#include <gtest/gtest.h>

#include "opponent/planner_fixture.h"
#include "opponent/theatre_posture.h"
#include "world/random.h"

namespace {

class CityValuationTest : public PlannerTest {
 protected:
  static void SetPosture(int nation, int theatre, int posture) {
    GameState.Nations[nation].AiTheatrePosture[theatre] = static_cast<std::uint8_t>(posture);
  }
  // An enemy corps of no strength, so that only its cohesion weighs.
  static void AddEnemyCohesion(int x, int y, int cohesion) {
    const int c = AddCorpsOf(x, y, TNation::Confederacy, 0);
    GameState.Corps[c].Cohesion = static_cast<std::uint8_t>(cohesion);
  }
};

// The threat is measured within 3 hexes per theatre number plus 3.
TEST_F(CityValuationTest, EnemiesCountWithinThreeHexesPerTheatrePlusThree) {
  const struct {
    int theatre, distance, enemy;
  } rows[] = {{1, 5, 300 / 6}, {1, 6, 0}, {3, 11, 300 / 12}, {3, 12, 0}};
  for (const auto& row : rows) {
    Fresh();
    SetPosture(TNation::Union, row.theatre, TAiPosture::Defensive);
    const int city = AddCityIn(20, 10, TSide::Union, row.theatre);
    AddCorpsOf(20, 10 + row.distance, TNation::Confederacy, 300, row.theatre);
    ValueCitiesForNation(TNation::Union);
    EXPECT_EQ(GameState.Cities[city].AiEnemyStrength, row.enemy)
        << "theatre " << row.theatre << ", " << row.distance << " hexes";
  }
}

// A city of value 10 is worth 50 before the posture weighs it.
TEST_F(CityValuationTest, ThePostureWeighsOwnEnemyAndNeutralCities) {
  constexpr int U = TSide::Union, C = TSide::Confederate, N = TSide::None;
  const struct {
    int posture, side, cohesion, value;
  } rows[] = {
      {TAiPosture::Passive, U, 50, 3},     {TAiPosture::Passive, U, 51, 1},
      {TAiPosture::Passive, C, 0, 1},      {TAiPosture::Defensive, U, 2, 100},
      {TAiPosture::Defensive, U, 1, 50},   {TAiPosture::Defensive, C, 0, 25},
      {TAiPosture::Defensive, N, 0, 100},  {TAiPosture::Offensive, C, 9, 100},
      {TAiPosture::Offensive, C, 10, 50},  {TAiPosture::Offensive, U, 0, 25},
      {TAiPosture::Offensive, N, 0, 300},  {TAiPosture::AllOut, C, 10, 100},
      {TAiPosture::AllOut, C, 11, 200},    {TAiPosture::AllOut, U, 0, 12},
      {TAiPosture::AllOut, N, 11, 600},
  };
  for (const auto& row : rows) {
    Fresh();
    SetPosture(TNation::Union, TTheatre::Seaboard, row.posture);
    const int city = AddCityIn(20, 10, row.side, TTheatre::Seaboard, 10);
    if (row.cohesion != 0) AddEnemyCohesion(20, 12, row.cohesion);
    ValueCitiesForNation(TNation::Union);
    EXPECT_EQ(GameState.Cities[city].AiValue, row.value)
        << "posture " << row.posture << ", side " << row.side << ", cohesion " << row.cohesion;
  }
}

TEST_F(CityValuationTest, TheCapitalIsWorthFiftyMoreAndTellsWhetherItIsThreatenedOrLost) {
  // Offensive: an own city counts half, an enemy one double.
  const struct {
    int side, enemy, threat, value;
  } rows[] = {{TSide::Union, 0, 0, 25 + 50},
              {TSide::Union, 100, 1, (10 + 50 + 100) / 2 + 50},
              {TSide::Confederate, 0, 2, 100 + 50}};
  for (const auto& row : rows) {
    Fresh();
    SetPosture(TNation::Union, TTheatre::Seaboard, TAiPosture::Offensive);
    const int capital = AddCityIn(20, 10, row.side, TTheatre::Seaboard, 10);
    GameState.Nations[TNation::Union].Capital = static_cast<std::uint8_t>(capital);
    if (row.enemy != 0) AddCorpsOf(20, 10, TNation::Confederacy, row.enemy);
    ValueCitiesForNation(TNation::Union);
    EXPECT_EQ(GameState.Nations[TNation::Union].CapitalThreat, row.threat);
    EXPECT_EQ(GameState.Cities[capital].AiValue, row.value) << row.side << " " << row.enemy;
  }
}

// Above 2000 a value becomes 2000 and a draw below 1000, even when the enemy
// around it is past what 16 bits hold.
TEST_F(CityValuationTest, AValueAbove2000BecomesARandomValueFrom2000To2999) {
  const struct {
    int fortifications, enemyCorps;
    bool draws;
    int value;
  } rows[] = {{0, 0, false, 2000}, {1, 0, true, 2437}, {0, 4, true, 2437}};
  for (const auto& row : rows) {
    Fresh();
    SetPosture(TNation::Union, TTheatre::Seaboard, TAiPosture::Defensive);
    const int city = AddCityIn(20, 10, TSide::None, TTheatre::Seaboard, 200);
    GameState.Cities[city].Fortifications = static_cast<std::uint8_t>(row.fortifications);
    for (int k = 0; k < row.enemyCorps; ++k) AddCorpsOf(20, 10, TNation::Confederacy, 30000);
    if (row.draws) ScriptRandomDraws({{1000, 437}});
    ValueCitiesForNation(TNation::Union);
    EXPECT_EQ(GameState.Cities[city].AiValue, row.value) << row.fortifications;
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    StopScriptingRandomDraws();
  }
}

TEST_F(CityValuationTest, StatesAreWorthMostWhenInvadedAndHome) {
  constexpr int U = TNation::Union, C = TNation::Confederacy;
  const struct {
    int control, owner, intruders, holders, camp, value;
  } rows[] = {
      {C, C, 0, 100, U, 20},  {C, C, 1, 100, U, 70},   {U, U, 0, 100, U, 25},
      {U, U, 1, 100, U, 150}, {U, U, 100, 100, U, 150}, {U, U, 101, 100, U, 350},
      {U, 0, 1, 0, U, 300},   {C, C, 1, 100, 0, 0},
  };
  for (const auto& row : rows) {
    Fresh();
    GameState.Nations[TNation::Union].Side = static_cast<std::uint8_t>(row.camp);
    TStateRec& state = GameState.States[5];
    state.CapitalCity = 1;
    state.ControlSide = static_cast<std::uint8_t>(row.control);
    state.Nation = static_cast<std::uint8_t>(row.owner);
    state.IntruderStrength = static_cast<std::uint16_t>(row.intruders);
    state.ControlStrength = static_cast<std::uint16_t>(row.holders);
    AddStateTargetValues(TNation::Union);
    EXPECT_EQ(state.AiTargetValue, row.value)
        << "owner " << row.owner << ", intruders " << row.intruders << ", camp " << row.camp;
  }
}

// A lost home city is worth ten times as much, up to 1000, computed past 16
// bits: a value of 6554 would wrap to 4.
TEST_F(CityValuationTest, ALostHomeCityIsWorthTenfoldUpTo1000) {
  const struct {
    int value, nation, after;
  } rows[] = {{99, TNation::Confederacy, 990},
              {101, TNation::Confederacy, 1000},
              {6554, TNation::Confederacy, 1000},
              {99, TNation::Union, 99}};
  for (const auto& row : rows) {
    Fresh();
    SetPosture(TNation::Union, TTheatre::Seaboard, TAiPosture::Defensive);
    const int city = AddCityIn(20, 10, TSide::Confederate, TTheatre::Seaboard);
    GameState.Cities[city].OriginalSide = TNation::Union;
    GameState.Cities[city].Nation = static_cast<std::uint8_t>(row.nation);
    GameState.Cities[city].AiValue = static_cast<std::int16_t>(row.value);
    AddStateTargetValues(TNation::Union);
    EXPECT_EQ(GameState.Cities[city].AiValue, row.after) << row.value;
  }
}

// The first of the best cities is the objective; the cities within 14 hexes
// of it gain, and while attacking the enemy's cities gain their threat.
TEST_F(CityValuationTest, TheObjectiveRaisesItsNeighbourhoodAndAnOffensiveTheEnemysCities) {
  for (int posture : {TAiPosture::Defensive, TAiPosture::Offensive}) {
    Fresh();
    GameState.AiTheatreActive[TTheatre::West] = 1;
    SetPosture(TNation::Union, TTheatre::West, posture);
    const int best = AddCityIn(10, 10, TSide::Union, TTheatre::West);
    const int tie = AddCityIn(10, 30, TSide::Union, TTheatre::West);
    const int near = AddCityIn(10, 24, TSide::Confederate, TTheatre::West);
    const int far = AddCityIn(10, 25, TSide::Confederate, TTheatre::West);
    GameState.Cities[best].AiValue = GameState.Cities[tie].AiValue = 100;
    GameState.Cities[far].AiEnemyStrength = 7;
    ChooseRegionalObjectives(TNation::Union);
    const int threat = posture == TAiPosture::Offensive ? 7 : 0;
    EXPECT_EQ(GameState.Nations[TNation::Union].AiObjective[TTheatre::West], best);
    EXPECT_EQ(GameState.Cities[best].AiValue, 130);
    EXPECT_EQ(GameState.Cities[near].AiValue, 2);
    EXPECT_EQ(GameState.Cities[far].AiValue, threat);
    EXPECT_EQ(GameState.Cities[tie].AiValue, 100);
  }
}

}  // namespace
