// How boldly a nation fights in a theatre: its zeal, the balance of strength,
// the supply it lacks, its capital, the season and its corps.
#include "opponent/theatre_posture.h"

#include <gtest/gtest.h>

#include "opponent/planner_fixture.h"

namespace {

class TheatrePostureTest : public PlannerTest {
 protected:
  static TNationRec& Nation(int n) { return GameState.Nations[n]; }
};

// With the West the one active theatre, the weighing of theatres cancels out;
// without corps the nation is at least the enemy's match (+1), and a balance
// of -500 or better adds 1 more, worse takes 1.
TEST_F(TheatrePostureTest, ZealBalanceAndSupplySetTheLevelAndTheLevelThePosture) {
  constexpr int W = TTheatre::West;
  const struct {
    int nation, zeal, own, enemy, demand, weight, level, posture;
  } rows[] = {
      {TNation::Confederacy, 60, 101, 100, 0, 0, 2 + 2 + 2, TAiPosture::AllOut},
      {TNation::Union, 60, 101, 100, 0, 0, 6, TAiPosture::Offensive},
      {TNation::Confederacy, 60, 100, 100, 0, 0, 2 - 1 + 2, TAiPosture::Offensive},
      {TNation::Confederacy, 60, 100, 200, 0, 0, 3, TAiPosture::Offensive},
      {TNation::Confederacy, 60, 100, 201, 0, 0, 2 - 3 + 2, TAiPosture::Defensive},
      {TNation::Confederacy, 180, 100, 100, 0, 0, 5 - 1 + 2, TAiPosture::AllOut},
      {TNation::Confederacy, 60, 100, 100, 300, 1, 3, TAiPosture::Offensive},
      {TNation::Confederacy, 60, 100, 100, 301, 1, 2, TAiPosture::Defensive},
      {TNation::Confederacy, 60, 100, 100, 9000, 1, 1, TAiPosture::Defensive},
      {TNation::Confederacy, 0, 100, 600, 0, 0, 0 - 3 + 2, TAiPosture::Defensive},
      {TNation::Confederacy, 0, 100, 601, 0, 0, 0 - 3 + 0, TAiPosture::Defensive},
      {TNation::Confederacy, 0, 100, 601, 301, 1, -4, TAiPosture::Passive},
  };
  for (const auto& row : rows) {
    Fresh();
    const int other = row.nation == TNation::Union ? TNation::Confederacy : TNation::Union;
    GameState.AiTheatreActive[W] = 1;
    Nation(row.nation).AiAggression[W] = static_cast<std::uint8_t>(row.zeal);
    Nation(row.nation).LandStrength[W] = static_cast<std::uint16_t>(row.own);
    Nation(other).LandStrength[W] = static_cast<std::uint16_t>(row.enemy);
    Nation(row.nation).SupplyDemand[W] = static_cast<std::uint16_t>(row.demand);
    Nation(row.nation).AiWeight[W] = static_cast<std::uint8_t>(row.weight);
    UpdateRegionalAggression(row.nation);
    EXPECT_EQ(Nation(row.nation).StrengthBalance[W], row.own - row.enemy);
    EXPECT_EQ(Nation(row.nation).AiAggressionLevel[W], row.level)
        << "nation " << row.nation << ", zeal " << row.zeal << ", enemy " << row.enemy
        << ", demand " << row.demand;
    EXPECT_EQ(Nation(row.nation).AiTheatrePosture[W], row.posture);
  }
}

// The capital's theatre answers to its danger and is halved in winter, even
// while the theatre is not active; an inactive theatre keeps its posture.
TEST_F(TheatrePostureTest, WinterHalvesTheCapitalsTheatreOnly) {
  const struct {
    int month, threat, seaboard;
  } rows[] = {{11, 0, 9}, {12, 0, 4}, {1, 2, 5}, {2, 1, 5}, {3, 1, 10}};
  for (const auto& row : rows) {
    Fresh();
    GameState.Month = static_cast<std::uint16_t>(row.month);
    GameState.AiTheatreActive[TTheatre::West] = 1;
    TNationRec& union_ = Nation(TNation::Union);
    union_.Capital = static_cast<std::uint8_t>(AddCityIn(10, 10, TSide::Union, TTheatre::Seaboard));
    union_.CapitalThreat = static_cast<std::uint8_t>(row.threat);
    union_.AiAggressionLevel[TTheatre::Seaboard] = 9;
    union_.AiTheatrePosture[TTheatre::Seaboard] = TAiPosture::AllOut;
    union_.AiAggression[TTheatre::West] = 60;
    UpdateRegionalAggression(TNation::Union);
    EXPECT_EQ(union_.AiAggressionLevel[TTheatre::Seaboard], row.seaboard) << "month " << row.month;
    EXPECT_EQ(union_.AiTheatrePosture[TTheatre::Seaboard], TAiPosture::AllOut);
    // The West: zeal 2, no strength on either side (-1), no corps (+1), balance (+1).
    EXPECT_EQ(union_.AiAggressionLevel[TTheatre::West], 3) << "month " << row.month;
  }
}

// Of two active theatres the more promising is pressed and the other eased;
// the corps' readiness and quality, times their number, are compared.
TEST_F(TheatrePostureTest, TheBetterTheatreIsPressedAndTheCorpsAreWeighed) {
  GameState.AiTheatreActive[TTheatre::Seaboard] = 1;
  GameState.AiTheatreActive[TTheatre::West] = 1;
  TNationRec& south = Nation(TNation::Confederacy);
  south.AiAggression[TTheatre::Seaboard] = 90;
  south.LandStrength[TTheatre::Seaboard] = south.LandStrength[TTheatre::West] = 100;
  Nation(TNation::Union).LandStrength[TTheatre::Seaboard] = 100;
  Nation(TNation::Union).LandStrength[TTheatre::West] = 100;
  // Seaboard: two corps of 10 against three of 7 (40 < 63); West: one of 9 against one of 9.
  for (int k = 0; k < 2; ++k)
    GameState.Corps[AddCorpsOf(5, 5 + k, TNation::Confederacy, 80, TTheatre::Seaboard)].Readiness = 10;
  for (int k = 0; k < 3; ++k)
    GameState.Corps[AddCorpsOf(6, 5 + k, TNation::Union, 80, TTheatre::Seaboard)].Readiness = 7;
  GameState.Corps[AddCorpsOf(7, 5, TNation::Confederacy, 80, TTheatre::West)].Readiness = 9;
  GameState.Corps[AddCorpsOf(8, 5, TNation::Union, 80, TTheatre::West)].Readiness = 9;
  UpdateRegionalAggression(TNation::Confederacy);
  // Seaboard: 3 - 1 = 2, best score +1, corps -1, balance +1; West: -1, lowest -1, +1, +1.
  EXPECT_EQ(south.AiAggressionLevel[TTheatre::Seaboard], 3);
  EXPECT_EQ(south.AiAggressionLevel[TTheatre::West], 0);
}

// A theatre whose level is 0 still counts it in the weighing: of two theatres
// at levels -1 and 0 the second is pressed and the first eased. Of two at the
// same score the first is both pressed and eased.
TEST_F(TheatrePostureTest, ATheatreAtLevelZeroIsWeighedAboveOneBelowIt) {
  // Zeal 1 less 1 for no strength gives level 0; zeal 0 gives -1.
  const struct {
    int westZeal, seaboard, west;
  } rows[] = {{30, -1 - 1, 0 + 1}, {0, -1 + 1 - 1, -1}};
  for (const auto& row : rows) {
    Fresh();
    GameState.AiTheatreActive[TTheatre::Seaboard] = 1;
    GameState.AiTheatreActive[TTheatre::West] = 1;
    TNationRec& union_ = Nation(TNation::Union);
    union_.AiAggression[TTheatre::West] = static_cast<std::uint8_t>(row.westZeal);
    UpdateRegionalAggression(TNation::Union);
    // Then each gains 1 for the corps (none on either side) and 1 for the balance.
    EXPECT_EQ(union_.AiAggressionLevel[TTheatre::Seaboard], row.seaboard + 2) << row.westZeal;
    EXPECT_EQ(union_.AiAggressionLevel[TTheatre::West], row.west + 2) << row.westZeal;
  }
}

}  // namespace
