#include "warfare/leader_replacement.h"

#include <gtest/gtest.h>

#include "tests/warfare/battle_fixture.h"
#include "world/brigade_rules.h"

namespace {

using LeaderReplacementTest = BattleTest;

TEST_F(LeaderReplacementTest, CandidatesAreMarkedAgainstTheClassTheCommandNeeds) {
  const int division = AddEngagedCorps(TSide::Union, 2);
  GameState.Corps[division].Kind = TCorpsKind::CavalryDivision;
  const int cavalry = AddLeader({.rank = TLeaderClass::Cavalry});
  const int corpsLeader = AddLeader({.rank = TLeaderClass::Corps});
  const int divisional = AddLeader({.rank = TLeaderClass::Divisional});
  AddLeader({.status = TLeaderStatus::Relieved});
  AddLeader({.side = TSide::Confederate});
  const LeaderChoiceView view = CorpsSuccessorChoice(division);
  EXPECT_EQ(view.requiredClass, TLeaderClass::Cavalry);
  EXPECT_EQ(view.leaders, (std::vector<int>{cavalry, corpsLeader, divisional}));
  EXPECT_EQ(view.lines, (std::vector<std::string>{"General 2text 581", "General 3text 582", "General 4text 580"}));

  // A divisional leader chosen is promoted at a cost: initiative 7 becomes 5.
  GameState.Leaders[divisional].Initiative = 7;
  GameState.Leaders[divisional].Combat = 41;
  GameState.Leaders[divisional].Modifier = -125;
  battleViews.ScriptLeaderLines({3});
  ResetRandomDrawCount();
  EXPECT_EQ(ReplaceCorpsLeader(division), divisional);
  EXPECT_EQ(RandomDrawCount(), 0u);
  const TLeader& promoted = GameState.Leaders[divisional];
  EXPECT_EQ(promoted.Rank, TLeaderClass::Cavalry);
  EXPECT_EQ(promoted.Initiative, 5);
  EXPECT_EQ(promoted.Combat, 32);
  EXPECT_EQ(promoted.Modifier, -128);
  EXPECT_EQ(promoted.Status, TLeaderStatus::InCommand);
}

TEST_F(LeaderReplacementTest, AnArmyWithoutCandidatesAsksNoOne) {
  const int army = AddArmy(kX, kY, TSide::Union, TNation::Union);
  AddLeader({.rank = TLeaderClass::Cavalry});
  EXPECT_EQ(ReplaceArmyLeader(army), 0);
  EXPECT_TRUE(battleViews.LeaderViews().empty());
  const int corpsLeader = AddLeader({.rank = TLeaderClass::Corps});
  const int armyLeader = AddLeader({.rank = TLeaderClass::Army});
  EXPECT_EQ(ArmySuccessorChoice(army).lines, (std::vector<std::string>{"General 2text 580", "General 3text 581"}));
  // Left without a choice three times, the army keeps its fallen commander.
  battleViews.ScriptLeaderLines({0, 0, 0, 2});
  EXPECT_EQ(ReplaceArmyLeader(army), 0);
  EXPECT_EQ(ReplaceArmyLeader(army), armyLeader);
  EXPECT_EQ(GameState.Leaders[corpsLeader].Status, TLeaderStatus::Available);
}

TEST_F(LeaderReplacementTest, RatingWordsFollowTheBandsAndHideAnUntriedLeader) {
  struct Case {
    int combat, initiative, inspiration, aggression;
    int experience;
    int shown;
    std::array<std::string, 4> words;
  };
  const Case cases[] = {
      {20, 3, 20, 20, 30, 0, {"text 553", "text 559", "text 545", "text 549"}},
      {21, 4, 21, 21, 30, 0, {"text 554", "text 560", "text 546", "text 550"}},
      {30, 5, 39, 39, 30, 0, {"text 554", "text 560", "text 546", "text 550"}},
      {31, 6, 40, 40, 30, 0, {"text 555", "text 561", "text 547", "text 551"}},
      {39, 7, 40, 40, 30, 0, {"text 555", "text 561", "text 547", "text 551"}},
      {40, 8, 40, 40, 30, 0, {"text 556", "text 562", "text 547", "text 551"}},
      {49, 8, 40, 40, 30, 0, {"text 556", "text 562", "text 547", "text 551"}},
      {50, 8, 40, 40, 30, 0, {"text 557", "text 562", "text 547", "text 551"}},
      {50, 8, 40, 40, 5, 0, {"text 557", "text 563", "text 548", "text 552"}},
      {50, 8, 40, 40, 3, 0, {"text 558", "text 563", "text 548", "text 552"}},
      {50, 8, 40, 40, 9, 0, {"text 557", "text 563", "text 547", "text 551"}},
      {50, 8, 40, 40, 10, 0, {"text 557", "text 562", "text 547", "text 551"}},
      {50, 8, 40, 40, 0, 1, {"text 557", "text 562", "text 547", "text 551"}},
  };
  const int leader = AddLeader({});
  for (const Case& c : cases) {
    TLeader& record = GameState.Leaders[leader];
    record.Combat = static_cast<std::uint8_t>(c.combat);
    record.Initiative = static_cast<std::uint8_t>(c.initiative);
    record.Inspiration = static_cast<std::uint8_t>(c.inspiration);
    record.Aggression = static_cast<std::uint8_t>(c.aggression);
    record.Experience = static_cast<std::uint8_t>(c.experience);
    GameState.ShowLeaderRatings = static_cast<std::uint16_t>(c.shown);
    EXPECT_EQ(RatingWords(leader), c.words) << "combat " << c.combat << ", experience " << c.experience;
  }
}

}  // namespace
