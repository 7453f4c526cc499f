#include "warfare/leader_replacement.h"

#include <gtest/gtest.h>

#include "tests/warfare/battle_fixture.h"
#include "world/brigade_rules.h"

namespace {

using LeaderReplacementTest = BattleTest;

// Free leaders of the camp are listed, marked against the class the command
// needs; one chosen from below it is promoted at a cost of 10 modifier and a
// fifth of his initiative and combat, without a draw.
TEST_F(LeaderReplacementTest, CandidatesAreMarkedAgainstTheClassTheCommandNeeds) {
  const int division = AddEngagedCorps(TSide::Union, 2);
  GameState.Corps[division].Kind = TCorpsKind::CavalryDivision;
  const int cavalry = AddLeader({.rank = TLeaderClass::Cavalry});
  const int corpsLeader = AddLeader({.rank = TLeaderClass::Corps});
  const int divisional = AddLeader({.rank = TLeaderClass::Divisional, .initiative = 7, .combat = 41});
  AddLeader({.status = TLeaderStatus::Relieved});
  AddLeader({.side = TSide::Confederate});
  const LeaderChoiceView view = CorpsSuccessorChoice(division);
  EXPECT_EQ(view.leaders, (std::vector<int>{cavalry, corpsLeader, divisional}));
  EXPECT_EQ(view.lines, (std::vector<std::string>{"General 2text 581", "General 3text 582",
                                                   "General 4text 580"}));
  battleViews.ScriptLeaderLines({3});
  ResetRandomDrawCount();
  EXPECT_EQ(ReplaceCorpsLeader(division), divisional);
  EXPECT_EQ(RandomDrawCount(), 0u);
  const TLeader& promoted = GameState.Leaders[divisional];
  EXPECT_EQ(promoted.Rank, TLeaderClass::Cavalry);
  EXPECT_EQ(promoted.Initiative, 5);
  EXPECT_EQ(promoted.Combat, 32);
  EXPECT_EQ(promoted.Modifier, -10);
  EXPECT_EQ(promoted.Status, TLeaderStatus::InCommand);
}

// An army takes a corps leader or better, asking a player at most three times.
TEST_F(LeaderReplacementTest, AnArmyWithoutCandidatesAsksNoOne) {
  const int army = AddArmy(kX, kY, TSide::Union, TNation::Union);
  AddLeader({.rank = TLeaderClass::Cavalry});
  EXPECT_EQ(ReplaceArmyLeader(army), 0);
  EXPECT_TRUE(battleViews.LeaderViews().empty());
  AddLeader({.rank = TLeaderClass::Corps});
  const int armyLeader = AddLeader({.rank = TLeaderClass::Army});
  EXPECT_EQ(ArmySuccessorChoice(army).lines,
            (std::vector<std::string>{"General 2text 580", "General 3text 581"}));
  battleViews.ScriptLeaderLines({0, 0, 2, 0, 0, 0, 2});
  EXPECT_EQ(ReplaceArmyLeader(army), armyLeader);
  GameState.Leaders[armyLeader].Status = TLeaderStatus::Available;
  EXPECT_EQ(ReplaceArmyLeader(army), 0);
}

// Each rating in words by its bands, hidden while the leader is untried
// unless the ratings are shown.
TEST_F(LeaderReplacementTest, RatingWordsFollowTheBandsAndHideAnUntriedLeader) {
  struct Row {
    int combat, initiative, inspiration, aggression, experience, shown;
    std::array<int, 4> texts;
  };
  const Row rows[] = {
      {20, 3, 20, 20, 30, 0, {553, 559, 545, 549}}, {21, 4, 21, 21, 30, 0, {554, 560, 546, 550}},
      {30, 5, 39, 39, 30, 0, {554, 560, 546, 550}}, {31, 6, 40, 40, 30, 0, {555, 561, 547, 551}},
      {39, 7, 40, 40, 30, 0, {555, 561, 547, 551}}, {40, 8, 40, 40, 30, 0, {556, 562, 547, 551}},
      {49, 8, 40, 40, 30, 0, {556, 562, 547, 551}}, {50, 8, 40, 40, 30, 0, {557, 562, 547, 551}},
      {50, 8, 40, 40, 5, 0, {557, 563, 548, 552}},  {50, 8, 40, 40, 3, 0, {558, 563, 548, 552}},
      {50, 8, 40, 40, 9, 0, {557, 563, 547, 551}},  {50, 8, 40, 40, 10, 0, {557, 562, 547, 551}},
      {50, 8, 40, 40, 0, 1, {557, 562, 547, 551}},
  };
  TLeader& leader = GameState.Leaders[AddLeader({})];
  for (const Row& row : rows) {
    leader.Combat = row.combat;
    leader.Initiative = row.initiative;
    leader.Inspiration = row.inspiration;
    leader.Aggression = row.aggression;
    leader.Experience = row.experience;
    GameState.ShowLeaderRatings = row.shown;
    std::array<std::string, 4> words;
    for (int r = 0; r < 4; ++r) words[r] = "text " + std::to_string(row.texts[r]);
    EXPECT_EQ(RatingWords(1), words) << "combat " << row.combat << ", experience " << row.experience;
  }
}

}  // namespace
