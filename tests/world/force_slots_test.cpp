#include "world/force_slots.h"

#include <gtest/gtest.h>

#include <deque>

#include "support/world_fixture.h"
#include "tests/world/force_builders.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/play_modes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

class ForceSlotsTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    GameState.Nations[TNation::France].Side = TSide::Confederate;
  }

  static const TLeader& Leader(int l) { return GameState.Leaders[l]; }

  // Every eligible leader draws 0, so the scores are the rules' alone.
  static void DrawZeroFor(int leaders) {
    std::deque<ScriptedDraw> draws(static_cast<std::size_t>(leaders), ScriptedDraw{50, 0});
    ScriptRandomDraws(draws);
  }

  static int CorpsLedBy(int leader, int nation = TNation::Union) {
    const int c = AddCorps(5, 5, CampOfNationForTest(nation), nation);
    GameState.Corps[c].Leader = static_cast<std::uint8_t>(leader);
    GameState.Leaders[leader].Status = TLeaderStatus::InCommand;
    return c;
  }

  static int CampOfNationForTest(int nation) { return GameState.Nations[nation].Side; }
};

// --- Slots ---

TEST_F(ForceSlotsTest, ANewCorpsTakesTheFirstFreeSlotAndItsNationsLowestFreeNumber) {
  for (int ordinal : {1, 2, 4}) {
    GameState.Corps[AddCorps(1, 1, TSide::Union, TNation::Union)].Ordinal =
        static_cast<std::uint8_t>(ordinal);
  }
  GameState.Corps[AddCorps(1, 1, TSide::Confederate, TNation::Confederacy)].Ordinal = 3;
  GameState.Corps[5].AiMission = 9;

  const int c = AllocateCorpsSlot(TNation::Union);
  EXPECT_EQ(c, 5);
  EXPECT_FALSE(GameState.Corps[c].IsFree());
  EXPECT_EQ(GameState.Corps[c].Ordinal, 3);
  EXPECT_EQ(GameState.Corps[c].Nation, TNation::Union);
  EXPECT_EQ(GameState.Corps[c].Side, TSide::Union);
  EXPECT_EQ(GameState.Corps[c].AiMission, 0);

  // A corps given up frees its number for the next one.
  GameState.Corps[1].Inactive = 1;
  EXPECT_EQ(GameState.Corps[AllocateCorpsSlot(TNation::Union)].Ordinal, 1);
  // France fights in the Confederate camp.
  EXPECT_EQ(GameState.Corps[AllocateCorpsSlot(TNation::France)].Side, TSide::Confederate);
}

TEST_F(ForceSlotsTest, AFullCorpsTableOrANationOfNoneGivesNoSlot) {
  EXPECT_EQ(AllocateCorpsSlot(0), 0);
  for (int c = 1; c <= GameState.Corps.Count; ++c) AddCorps(1, 1, TSide::Union, TNation::Union);
  GameState.Corps[7].Nation = 0;
  EXPECT_EQ(AllocateCorpsSlot(TNation::Confederacy), 0);
  EXPECT_EQ(GameState.Corps[7].Nation, 0);
}

TEST_F(ForceSlotsTest, AnArmyWithoutHeadquartersIsNeitherFreeNorCountedForNumbers) {
  const int first = AddArmy(3, 3, TSide::Union, TNation::Union);
  GameState.Armies[first].Ordinal = 1;
  const int fallen = AddArmy(4, 4, TSide::Union, TNation::Union);
  GameState.Armies[fallen].Ordinal = 2;
  GameState.Armies[fallen].HqCity = 0;
  GameState.Armies[3].AiOrder = 12;

  const int a = AllocateArmySlot(TNation::Union);
  EXPECT_EQ(a, 3);
  EXPECT_EQ(GameState.Armies[a].Ordinal, 2);
  EXPECT_EQ(GameState.Armies[a].Nation, TNation::Union);
  EXPECT_EQ(GameState.Armies[a].Side, TSide::Union);
  EXPECT_EQ(GameState.Armies[a].HqCity, 0);
  EXPECT_EQ(GameState.Armies[a].AiOrder, 0);

  for (int k = 4; k <= GameState.Armies.Count; ++k) GameState.Armies[k].Nation = TNation::Union;
  EXPECT_EQ(AllocateArmySlot(TNation::Union), 0);
}

// --- Succession ---

TEST_F(ForceSlotsTest, AHumanSideAppointsItsOwnCommandersExceptInPlayByMail) {
  AddLeader({});
  GameState.Nations[TNation::Union].Human = 1;
  ScriptRandomDraws({});
  EXPECT_EQ(ChooseSuccessor(TNation::Union, kCorpsCommand, TCorpsKind::Corps, 0), 0);

  GameState.PlayMode = TPlayMode::MailToSend;
  DrawZeroFor(1);
  EXPECT_EQ(ChooseSuccessor(TNation::Union, kCorpsCommand, TCorpsKind::Corps, 2), 1);
}

TEST_F(ForceSlotsTest, InPlayByMailAComputerSideScoresItsLeadersOnceAndTheChosenPaysOnce) {
  const int chosen = AddLeader({.modifier = 25});
  AddLeader({.modifier = 0});
  GameState.PlayMode = TPlayMode::MailReceived;
  DrawZeroFor(2);  // a second scoring would draw past the script
  EXPECT_EQ(ChooseSuccessor(TNation::Union, kCorpsCommand, TCorpsKind::Corps, 0), chosen);
  EXPECT_EQ(Leader(chosen).Modifier, 15);
  EXPECT_EQ(Leader(chosen).Status, TLeaderStatus::Available);  // the caller appoints him
}

TEST_F(ForceSlotsTest, LeaderStatusIsBroughtInLineWithTheCommandsHeld) {
  const int idle = AddLeader({.status = TLeaderStatus::InCommand});
  const int leading = AddLeader({.side = TSide::Confederate});
  CorpsLedBy(leading, TNation::Confederacy);
  GameState.Leaders[leading].Status = TLeaderStatus::Available;
  // A dissolved army's slot still names its last commander.
  const int dissolvedArmyChief =
      AddLeader({.side = TSide::Confederate, .status = TLeaderStatus::Relieved});
  GameState.Armies[2].Leader = static_cast<std::uint8_t>(dissolvedArmyChief);

  DrawZeroFor(1);
  // The idle leader is freed and chosen in the same call.
  EXPECT_EQ(ChooseSuccessor(TNation::Union, kCorpsCommand, TCorpsKind::Corps, 0), idle);
  EXPECT_EQ(Leader(leading).Status, TLeaderStatus::InCommand);
  EXPECT_EQ(Leader(dissolvedArmyChief).Status, TLeaderStatus::Relieved);
}

TEST_F(ForceSlotsTest, OnlyAvailableLeadersAreConsidered) {
  for (int status : {1, 101, 150, TLeaderStatus::Relieved, 210, 249}) AddLeader({.status = status});
  ScriptRandomDraws({});
  EXPECT_EQ(ChooseSuccessor(TNation::Union, kCorpsCommand, TCorpsKind::Corps, 0), 0);
  const int available = AddLeader({});
  DrawZeroFor(1);
  EXPECT_EQ(ChooseSuccessor(TNation::Union, kCorpsCommand, TCorpsKind::Corps, 0), available);
}

TEST_F(ForceSlotsTest, TheBestFitForTheCommandWinsAndTheEarlierLeaderKeepsATie) {
  // A cavalry division is wanted: a corps-class leader loses 20, a divisional
  // one 5; each point of initiative counts ten.
  AddLeader({.rank = TLeaderClass::Corps, .initiative = 6});       // 40
  AddLeader({.rank = TLeaderClass::Divisional, .initiative = 5});  // 45
  const int cavalry = AddLeader({.rank = TLeaderClass::Cavalry, .initiative = 5});
  const int twin = AddLeader({.rank = TLeaderClass::Cavalry, .initiative = 5});
  DrawZeroFor(4);
  EXPECT_EQ(ChooseSuccessor(TNation::Union, kDivisionCommand, TCorpsKind::CavalryDivision, 0),
            cavalry);

  // The draw decides between equals.
  ScriptRandomDraws({{50, 0}, {50, 0}, {50, 0}, {50, 49}});
  EXPECT_EQ(ChooseSuccessor(TNation::Union, kDivisionCommand, TCorpsKind::CavalryDivision, 0),
            twin);
}

TEST_F(ForceSlotsTest, ALeaderScoringMinus255OrLessIsNeverChosen) {
  AddLeader({.rank = 15, .initiative = 0, .modifier = -128});  // -20 * 12 - 128
  DrawZeroFor(1);
  EXPECT_EQ(ScoreLeaderCandidates(TSide::Union, TLeaderClass::Corps), 0);
}

TEST_F(ForceSlotsTest, TheChosenLeaderSpendsTenPointsOfFavourAndNoMore) {
  for (int modifier : {15, 7, -20}) {
    const int l = AddLeader({.modifier = modifier});
    DrawZeroFor(1);
    ASSERT_EQ(ScoreLeaderCandidates(TSide::Union, TLeaderClass::Corps), l);
    EXPECT_EQ(Leader(l).Modifier, modifier >= 10 ? modifier - 10 : 0) << modifier;
    GameState.Leaders[l].Status = TLeaderStatus::InCommand;
  }
}

TEST_F(ForceSlotsTest, AnArmyGoesToAnArmyLeaderFirstOrElseToAServingCorpsCommander) {
  const int corpsChief = AddLeader({.rank = TLeaderClass::Corps, .initiative = 5, .combat = 40});
  CorpsLedBy(corpsChief);
  const int armyChief = AddLeader({.rank = TLeaderClass::Army, .initiative = 3});
  const int serving = AddLeader({.rank = TLeaderClass::Corps});
  GameState.Armies[AddArmy(2, 2, TSide::Union, TNation::Union)].Leader =
      static_cast<std::uint8_t>(serving);
  GameState.Leaders[serving].Status = TLeaderStatus::InCommand;
  AddLeader({.rank = TLeaderClass::Cavalry, .initiative = 9});

  // corps chief: -10 + 15 + 50; army leader: +55 + 30; cavalry: -15 - 50 + 90.
  DrawZeroFor(3);
  EXPECT_EQ(ChooseSuccessor(TNation::Union, kArmyCommand, 0, 0), armyChief);

  GameState.Leaders[armyChief].Status = 150;
  DrawZeroFor(2);
  EXPECT_EQ(ChooseSuccessor(TNation::Union, kArmyCommand, 0, 0), corpsChief);
  EXPECT_EQ(Leader(corpsChief).Combat, 35);
  EXPECT_EQ(Leader(corpsChief).Initiative, 4);
}

TEST_F(ForceSlotsTest, FranceAndBritainAreGivenGeneralsOfTheirCamp) {
  AddLeader({.side = TSide::Union});
  const int confederate = AddLeader({.side = TSide::Confederate});
  DrawZeroFor(1);
  EXPECT_EQ(ChooseSuccessor(TNation::France, kCorpsCommand, TCorpsKind::Corps, 0), confederate);
}

TEST_F(ForceSlotsTest, ACorpsWhoseCommanderLeavesGetsASuccessor) {
  const int leaving = AddLeader({});
  const int c = CorpsLedBy(leaving);
  GameState.Corps[c].Kind = TCorpsKind::InfantryDivision;
  const int successor =
      AddLeader({.rank = TLeaderClass::Divisional, .initiative = 7, .combat = 33});
  DrawZeroFor(1);
  EXPECT_TRUE(AppointCorpsSuccessor(TNation::Union, leaving));
  EXPECT_EQ(GameState.Corps[c].Leader, successor);
  EXPECT_EQ(GameState.Corps[c].LeaderInitiative, 7);
  EXPECT_EQ(GameState.Corps[c].LeaderCombat, 33);
  EXPECT_EQ(Leader(successor).Status, TLeaderStatus::InCommand);

  // No one left to take over: the old commander has gone to the hospital.
  GameState.Leaders[leaving].Status = 210;
  ScriptRandomDraws({});
  EXPECT_FALSE(AppointCorpsSuccessor(TNation::Union, successor));
  EXPECT_EQ(GameState.Corps[c].Leader, successor);
}

TEST_F(ForceSlotsTest, ALeaderWithoutACorpsOrNoLeaderAtAllNeedsNoSuccessor) {
  const int free = AddLeader({});
  const int leaderless = AddCorps(5, 5, TSide::Union, TNation::Union);
  AddLeader({});
  ScriptRandomDraws({});
  EXPECT_TRUE(AppointCorpsSuccessor(TNation::Union, free));
  EXPECT_TRUE(AppointCorpsSuccessor(TNation::Union, 0));
  EXPECT_EQ(GameState.Corps[leaderless].Leader, 0);
}

}  // namespace
