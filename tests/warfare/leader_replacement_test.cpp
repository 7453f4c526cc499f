#include "warfare/leader_replacement.h"

#include <gtest/gtest.h>

#include <tuple>

#include "tests/warfare/battle_fixture.h"
#include "world/brigade_rules.h"

namespace {

using LeaderReplacementTest = BattleTest;

// Free leaders of the camp are listed, marked below (580), of (581) or above
// (582) the class the command needs; one chosen from below it is promoted at
// a cost of 10 modifier and a fifth of his initiative and combat, undrawn.
TEST_F(LeaderReplacementTest, CandidatesAreMarkedAgainstTheClassTheCommandNeeds) {
  GameState.Corps[AddEngagedCorps(TSide::Union, 2)].Kind = TCorpsKind::CavalryDivision;
  AddLeader({.rank = TLeaderClass::Cavalry});
  AddLeader({.rank = TLeaderClass::Corps});
  const int divisional = AddLeader({.rank = TLeaderClass::Divisional, .initiative = 7, .combat = 41});
  AddLeader({.status = TLeaderStatus::Relieved});
  AddLeader({.side = TSide::Confederate});
  EXPECT_EQ(CorpsSuccessorChoice(1).lines,
            (std::vector<std::string>{"General 2text 581", "General 3text 582", "General 4text 580"}));
  battleViews.ScriptLeaderLines({3});
  ResetRandomDrawCount();
  EXPECT_EQ(ReplaceCorpsLeader(1), divisional);
  EXPECT_EQ(RandomDrawCount(), 0u);
  const TLeader& promoted = GameState.Leaders[divisional];
  EXPECT_EQ(std::tuple(promoted.Rank, promoted.Initiative, promoted.Combat, promoted.Modifier),
            std::tuple(TLeaderClass::Cavalry, 5, 32, -10));
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
  battleViews.ScriptLeaderLines({0, 0, 2, 0, 0, 0, 2});
  EXPECT_EQ(ReplaceArmyLeader(army), armyLeader);
  GameState.Leaders[armyLeader].Status = TLeaderStatus::Available;
  EXPECT_EQ(ReplaceArmyLeader(army), 0);
}

// Each rating in words by its bands, hidden while the leader's experience is
// below 4 (combat), 10 (initiative), 6 (inspiration) or 8 (aggression)
// unless the ratings are shown: texts 553-557 for combat, 559-562 for
// initiative, 545-547 for inspiration, 549-551 for aggression.
TEST_F(LeaderReplacementTest, RatingWordsFollowTheBandsAndHideAnUntriedLeader) {
  using R = std::tuple<int, int, int, int, int, int, std::array<int, 4>>;
  TLeader& leader = GameState.Leaders[AddLeader({})];
  for (const auto& [combat, initiative, inspiration, aggression, experience, shown, texts] :
       {R{20, 3, 20, 20, 30, 0, {553, 559, 545, 549}}, R{21, 4, 21, 21, 30, 0, {554, 560, 546, 550}},
        R{30, 5, 39, 39, 30, 0, {554, 560, 546, 550}}, R{31, 6, 40, 40, 30, 0, {555, 561, 547, 551}},
        R{39, 7, 40, 40, 30, 0, {555, 561, 547, 551}}, R{40, 8, 40, 40, 30, 0, {556, 562, 547, 551}},
        R{49, 8, 40, 40, 30, 0, {556, 562, 547, 551}}, R{50, 8, 40, 40, 30, 0, {557, 562, 547, 551}},
        R{50, 8, 40, 40, 5, 0, {557, 563, 548, 552}}, R{50, 8, 40, 40, 3, 0, {558, 563, 548, 552}},
        R{50, 8, 40, 40, 4, 0, {557, 563, 548, 552}}, R{50, 8, 40, 40, 6, 0, {557, 563, 547, 552}},
        R{50, 8, 40, 40, 7, 0, {557, 563, 547, 552}}, R{50, 8, 40, 40, 8, 0, {557, 563, 547, 551}},
        R{50, 8, 40, 40, 9, 0, {557, 563, 547, 551}}, R{50, 8, 40, 40, 10, 0, {557, 562, 547, 551}},
        R{50, 8, 40, 40, 0, 1, {557, 562, 547, 551}}}) {
    leader.Combat = combat;
    leader.Initiative = initiative;
    leader.Inspiration = inspiration;
    leader.Aggression = aggression;
    leader.Experience = experience;
    GameState.ShowLeaderRatings = shown;
    for (int r = 0; r < 4; ++r)
      EXPECT_EQ(RatingWords(1)[r], "text " + std::to_string(texts[r])) << combat << experience;
  }
}

}  // namespace
