// The rules the order dialogs apply: what relieving a commander or dissolving
// a corps costs, the readiness words, when a rail move may be ordered, and
// promotion.
#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "tests/world/force_builders.h"
#include "world/brigade_rules.h"
#include "world/command_relief.h"
#include "world/force_slots.h"
#include "world/leader_promotion.h"
#include "world/rail_gates.h"
#include "world/random.h"
#include "world/vardecl.h"
#include "world/word_bands.h"

namespace {

using OrderRulesTest = WorldTest;

TEST_F(OrderRulesTest, ReliefCostsADrawOfNoughtToNinePlusTheStandingPerWeight) {
  const struct {
    int modifier, weight, draw, cost;
  } rows[] = {{4, 1, 0, 4}, {4, 1, 9, 13}, {4, 2, 0, 8}, {4, 2, 9, 17}, {-3, 1, 0, -3}};
  for (const auto& row : rows) {
    ScriptRandomDraws({{10, row.draw}});
    EXPECT_EQ(ReliefCost(row.modifier, row.weight), row.cost) << row.modifier << "/" << row.draw;
  }
}

TEST_F(OrderRulesTest, DissolutionNeverCostsLessThanNothing) {
  const struct {
    int modifier, draw, cost;
  } rows[] = {{-6, 5, 0}, {-6, 6, 0}, {-6, 7, 1}, {0, 0, 0}, {3, 9, 12}};
  for (const auto& row : rows) {
    ScriptRandomDraws({{10, row.draw}});
    EXPECT_EQ(DissolutionCost(row.modifier), row.cost) << row.modifier << "/" << row.draw;
  }
}

TEST_F(OrderRulesTest, ReadinessWordsChangeAtEachBandsEdge) {
  const int rows[][2] = {{5, 532},  {6, 533},  {10, 533}, {11, 534},  {13, 534},
                         {14, 535}, {19, 535}, {20, 536}, {100, 536}, {101, 0}};
  for (const auto& row : rows) EXPECT_EQ(ReadinessWordLine(row[0]), row[1]) << row[0];
}

TEST_F(OrderRulesTest, ARailMoveNeedsARailwayOnTheHexAndAMoveLeftAndAStandingCorps) {
  const int corps = AddCorps(10, 10, TSide::Union, TNation::Union);
  TCorps& record = GameState.Corps[corps];
  EXPECT_FALSE(RailwayAtHand(record));
  const int enemy_station = AddCity(10, 10, TSide::Confederate);
  GameState.Cities[enemy_station].RailStation = 1;
  EXPECT_FALSE(RailwayAtHand(record));
  const int station = AddCity(10, 10, TSide::Union);
  GameState.Cities[station].RailStation = 1;
  EXPECT_TRUE(RailwayAtHand(record));
  record.X = 11;
  MapRecord.Cell(11, 10).SetLinkFlag();
  EXPECT_TRUE(RailwayAtHand(record));

  TNationRec& union_record = GameState.Nations[TNation::Union];
  union_record.RailCapacity = 3;
  union_record.RailUsed = 2;
  EXPECT_TRUE(HasRailMovesLeft(TNation::Union));
  union_record.RailUsed = 3;
  EXPECT_FALSE(HasRailMovesLeft(TNation::Union));

  const int stances[][2] = {{TCombatStance::Training, 0}, {TCombatStance::Embarked, 1},
                            {TCombatStance::ByRail, 1}};
  for (const auto& stance : stances) {
    record.Stance = static_cast<std::uint8_t>(stance[0]);
    EXPECT_EQ(IsInTransit(record), stance[1] != 0) << stance[0];
  }
}

TEST_F(OrderRulesTest, PromotionCutsRatingsHarderOnceStandingSinksBelowMinusTen) {
  const struct {
    int rank, modifier, new_rank, new_modifier, combat, initiative, war_score;
  } rows[] = {
      {TLeaderClass::Divisional, 0, TLeaderClass::Corps, -10, 48, 8, 0},
      {TLeaderClass::Cavalry, 0, TLeaderClass::Corps, -10, 48, 8, 0},
      {TLeaderClass::Corps, -1, TLeaderClass::Army, -11, 40, 6, -2},
      {TLeaderClass::Corps, -125, TLeaderClass::Army, -128, 40, 6, -2},
  };
  for (const auto& row : rows) {
    GameState.Nations[TNation::Union].WarScore = 0;
    const int leader = AddLeader({.rank = row.rank, .initiative = 10, .combat = 60, .modifier = row.modifier});
    GameState.Leaders[leader].Experience = 7;
    ASSERT_TRUE(CanBePromoted(leader));
    EXPECT_EQ(PromoteLeader(leader, TNation::Union), row.war_score != 0);
    const TLeader& promoted = GameState.Leaders[leader];
    EXPECT_EQ(promoted.Rank, row.new_rank);
    EXPECT_EQ(promoted.Modifier, row.new_modifier);
    EXPECT_EQ(promoted.Combat, row.combat);
    EXPECT_EQ(promoted.Initiative, row.initiative);
    EXPECT_EQ(promoted.Experience, 0);
    EXPECT_EQ(GameState.Nations[TNation::Union].WarScore, row.war_score);
  }
  EXPECT_FALSE(CanBePromoted(AddLeader({.rank = TLeaderClass::Army})));
  EXPECT_FALSE(CanBePromoted(0));
}

TEST_F(OrderRulesTest, APromotedCommandersDivisionBecomesACorpsUnderTheLowestFreeNumber) {
  const int first = AddCorps(10, 10, TSide::Union, TNation::Union);
  GameState.Corps[first].Ordinal = 1;
  const int division = AddCorps(12, 10, TSide::Union, TNation::Union);
  TCorps& record = GameState.Corps[division];
  record.Kind = TCorpsKind::InfantryDivision;
  record.Ordinal = 2;
  const int leader = AddLeader({.rank = TLeaderClass::Divisional, .status = TLeaderStatus::InCommand,
                                .initiative = 10, .combat = 60});
  record.Leader = static_cast<std::uint8_t>(leader);
  PromoteLeader(leader, TNation::Union);
  EXPECT_EQ(record.Kind, TCorpsKind::Corps);
  EXPECT_EQ(record.Ordinal, 3);  // its own number counts as borne
  EXPECT_EQ(record.Capacity, 48 / 12 + 4);
  EXPECT_EQ(record.LeaderCombat, 48);
  EXPECT_EQ(record.LeaderInitiative, 8);
}

}  // namespace
