#include "world/force_slots.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>

#include "support/world_fixture.h"
#include "tests/world/force_builders.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/play_modes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

constexpr int kInCommand = TLeaderStatus::InCommand;
constexpr int kAvailable = TLeaderStatus::Available;
constexpr int kArmy = TLeaderClass::Army;
constexpr int kCorps = TLeaderClass::Corps;
constexpr int kCavalry = TLeaderClass::Cavalry;

class ForceSlotsTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    GameState.Nations[TNation::France].Side = TSide::Confederate;
  }
  static const TLeader& Leader(int l) { return GameState.Leaders[l]; }
  static int Candidate(int rank, int status, int initiative, int modifier, int combat = 40) {
    return AddLeader({.rank = rank,
                      .status = status,
                      .initiative = initiative,
                      .combat = combat,
                      .modifier = modifier});
  }
  // Every eligible leader draws 0, so the scores are the rules' alone.
  static void DrawZeroFor(int leaders) {
    ScriptRandomDraws(std::deque<ScriptedDraw>(static_cast<std::size_t>(leaders), {50, 0}));
  }
  static int CorpsLedBy(int leader) {
    const int c = AddCorps(5, 5, GameState.Leaders[leader].Side, TNation::Union);
    GameState.Corps[c].Leader = leader;
    GameState.Leaders[leader].Status = kInCommand;
    return c;
  }
};

TEST_F(ForceSlotsTest, ANewCorpsTakesTheFirstFreeSlotAndItsNationsLowestFreeNumber) {
  for (int ordinal : {1, 2, 4})
    GameState.Corps[AddCorps(1, 1, TSide::Union, TNation::Union)].Ordinal = ordinal;
  GameState.Corps[AddCorps(1, 1, TSide::Confederate, TNation::Confederacy)].Ordinal = 3;
  GameState.Corps[5].AiMission = 9;
  const TCorps& corps = GameState.Corps[5];
  EXPECT_EQ(AllocateCorpsSlot(TNation::Union), 5);
  EXPECT_EQ((std::array<int, 5>{corps.Inactive, corps.Ordinal, corps.Nation, corps.Side,
                                corps.AiMission}),
            (std::array{0, 3, TNation::Union, TSide::Union, 0}));
  // A corps given up frees its number; France fights in the Confederate camp.
  GameState.Corps[1].Inactive = 1;
  EXPECT_EQ(GameState.Corps[AllocateCorpsSlot(TNation::Union)].Ordinal, 1);
  EXPECT_EQ(GameState.Corps[AllocateCorpsSlot(TNation::France)].Side, TSide::Confederate);
  EXPECT_EQ(AllocateCorpsSlot(0), 0);
  int given = 0;
  while (given <= GameState.Corps.Count && AllocateCorpsSlot(TNation::Union) != 0) ++given;
  EXPECT_EQ(given, GameState.Corps.Count - 6);
}

TEST_F(ForceSlotsTest, AnArmyWithoutHeadquartersIsNeitherFreeNorCountedForNumbers) {
  GameState.Armies[AddArmy(3, 3, TSide::Union, TNation::Union)].Ordinal = 1;
  const int fallen = AddArmy(4, 4, TSide::Union, TNation::Union);
  GameState.Armies[fallen].Ordinal = 2;
  GameState.Armies[fallen].HqCity = 0;
  GameState.Armies[3].AiOrder = 12;
  const TArmy& army = GameState.Armies[3];
  EXPECT_EQ(AllocateArmySlot(TNation::Union), 3);
  EXPECT_EQ((std::array<int, 5>{army.Ordinal, army.Nation, army.Side, army.HqCity, army.AiOrder}),
            (std::array{2, TNation::Union, TSide::Union, 0, 0}));
  for (int k = 4; k <= GameState.Armies.Count; ++k) GameState.Armies[k].Nation = TNation::Union;
  EXPECT_EQ(AllocateArmySlot(TNation::Union), 0);
}

// Rank below the command costs 5 a step, above it 20; initiative counts ten and
// the modifier one. For an army, an available army leader gains 55, a serving
// corps commander 15, and a cavalry leader loses 50. Each row pits the leader
// against an earlier one of exactly the expected score, which keeps a tie, and
// against one a point below.
TEST_F(ForceSlotsTest, EachLeaderScoresHisFitForTheCommandAndOnlyAStrictlyBetterScoreWins) {
  // Rows: wanted, rank, status, initiative, modifier, score.
  const int rows[][6] = {
      {kCorps, kCorps, kAvailable, 5, 0, 50},  {kCorps, kCavalry, kAvailable, 5, 0, 45},
      {kCorps, 1, kAvailable, 5, 0, 40},       {kCorps, kArmy, kAvailable, 5, 0, 10},
      {kCorps, kCorps, kAvailable, 0, -7, -7}, {kCavalry, kCorps, kAvailable, 6, 3, 43},
      {kArmy, kArmy, kAvailable, 3, 0, 85},    {kArmy, kCorps, kInCommand, 5, 0, 55},
      {kArmy, kCorps, kAvailable, 5, 0, 40},   {kArmy, kCavalry, kAvailable, 9, 0, 25}};
  for (const auto& [wanted, rank, status, initiative, modifier, score] : rows) {
    for (int below : {0, 1}) {
      SCOPED_TRACE(testing::Message() << "score " << score << ", rival " << below << " below");
      SetUp();
      const int rival = Candidate(wanted, kAvailable, 0, score - below - (wanted == kArmy) * 55);
      const int leader = Candidate(rank, status, initiative, modifier);
      DrawZeroFor(2);
      EXPECT_EQ(ScoreLeaderCandidates(TSide::Union, wanted), below ? leader : rival);
    }
  }
}

// Only a score above -255 is fit at all. The chosen leader spends ten points of
// favour (a modifier below ten becomes 0); a corps commander moved up to an
// army loses 5 combat (above 4) and a point of initiative (above 1).
TEST_F(ForceSlotsTest, TheChosenLeaderPaysForHisAppointment) {
  // Rows: wanted, rank, status, modifier, combat, initiative, after: the three.
  const int rows[][9] = {{kCorps, 15, kAvailable, -15, 40, 0, -1, -1, -1},
                         {kCorps, 15, kAvailable, -14, 40, 0, 0, 40, 0},
                         {kCorps, kCorps, kAvailable, 10, 40, 5, 0, 40, 5},
                         {kCorps, kCorps, kAvailable, 9, 40, 5, 0, 40, 5},
                         {kCorps, kCorps, kAvailable, 25, 40, 5, 15, 40, 5},
                         {kCorps, kCorps, kAvailable, -20, 40, 5, 0, 40, 5},
                         {kArmy, kCorps, kInCommand, 0, 5, 2, 0, 0, 1},
                         {kArmy, kCorps, kInCommand, 0, 4, 1, 0, 4, 1},
                         {kArmy, kArmy, kAvailable, 0, 5, 2, 0, 5, 2}};
  for (const auto& [wanted, rank, status, modifier, combat, initiative, m, c, i] : rows) {
    SCOPED_TRACE(testing::Message()
                 << "rank " << rank << ", modifier " << modifier << ", combat " << combat);
    SetUp();
    const int l = Candidate(rank, status, initiative, modifier, combat);
    DrawZeroFor(1);
    const bool chosen = ScoreLeaderCandidates(TSide::Union, wanted) == l;
    EXPECT_EQ(chosen, m >= 0);
    if (chosen) {
      EXPECT_EQ((std::array<int, 3>{Leader(l).Modifier, Leader(l).Combat, Leader(l).Initiative}),
                (std::array{m, c, i}));
    }
  }
}

// Only an available leader (100) may take a command, not a relieved one; for
// an army a serving commander below army rank who leads no army may be moved up.
TEST_F(ForceSlotsTest, OnlyAvailableLeadersOrForAnArmyServingCorpsCommandersAreEligible) {
  // Rows: status, rank, wanted, leads an army, eligible.
  const int rows[][5] = {{99, kCorps, kCorps, 0, 0},        {100, kCorps, kCorps, 0, 1},
                         {101, kCorps, kCorps, 0, 0},       {199, kCorps, kCorps, 0, 0},
                         {200, kCorps, kCorps, 0, 0},       {kInCommand, kCorps, kCorps, 0, 0},
                         {kInCommand, kCorps, kArmy, 0, 1}, {kInCommand, kCorps, kArmy, 1, 0},
                         {kInCommand, kArmy, kArmy, 0, 0}};
  for (const auto& [status, rank, wanted, leadsArmy, eligible] : rows) {
    SCOPED_TRACE(testing::Message()
                 << "status " << status << ", rank " << rank << ", wanted " << wanted);
    SetUp();
    const int l = Candidate(rank, status, 5, 0);
    if (leadsArmy) GameState.Armies[AddArmy(2, 2, TSide::Union, TNation::Union)].Leader = l;
    DrawZeroFor(eligible);
    EXPECT_EQ(ScoreLeaderCandidates(TSide::Union, wanted), eligible ? l : 0);
  }
}

TEST_F(ForceSlotsTest, AHumanSideAppointsItsOwnCommandersExceptInPlayByMail) {
  for (int mode : {TPlayMode::OneMachine, 1, TPlayMode::MailSetUp}) {
    SCOPED_TRACE(mode);
    SetUp();
    const int l = AddLeader({.modifier = 25});
    GameState.Nations[TNation::Union].Human = 1;
    GameState.PlayMode = mode;
    const bool rules = mode >= TPlayMode::MailSetUp;
    DrawZeroFor(rules ? 1 : 0);  // a second scoring would draw past the script
    EXPECT_EQ(ChooseSuccessor(TNation::Union, kCorpsCommand, TCorpsKind::Corps, 0), rules ? l : 0);
    EXPECT_EQ(Leader(l).Modifier, rules ? 15 : 25);
    EXPECT_EQ(Leader(l).Status, kAvailable);  // the caller appoints him
  }
}

TEST_F(ForceSlotsTest, StatusIsBroughtInLineWithCommandsAndACampsGeneralsServeItsAllies) {
  const int idle = AddLeader({.side = TSide::Confederate, .status = kInCommand});
  const int leading = AddLeader({.side = TSide::Confederate});
  CorpsLedBy(leading);
  GameState.Leaders[leading].Status = kAvailable;
  // A dissolved army's slot still names its last commander.
  const int lastArmyChief = AddLeader({.side = TSide::Confederate, .status = 200});
  GameState.Armies[2].Leader = lastArmyChief;
  AddLeader({.side = TSide::Union, .initiative = 9});
  DrawZeroFor(1);
  // The idle leader is freed and chosen for France in the same call.
  EXPECT_EQ(ChooseSuccessor(TNation::France, kDivisionCommand, TCorpsKind::CavalryDivision, 0),
            idle);
  EXPECT_EQ(Leader(leading).Status, kInCommand);
  EXPECT_EQ(Leader(lastArmyChief).Status, 200);
}

TEST_F(ForceSlotsTest, ACorpsWhoseCommanderLeavesGetsASuccessorOfItsKind) {
  const int leaving = AddLeader({});
  const int c = CorpsLedBy(leaving);
  GameState.Corps[c].Kind = TCorpsKind::InfantryDivision;
  AddLeader({.rank = kCorps, .initiative = 7});  // 30 against the divisional leader's 60
  const int successor =
      AddLeader({.rank = TLeaderClass::Divisional, .initiative = 6, .combat = 33});
  DrawZeroFor(2);
  EXPECT_TRUE(AppointCorpsSuccessor(TNation::Union, leaving));
  const TCorps& corps = GameState.Corps[c];
  EXPECT_EQ((std::array<int, 4>{corps.Leader, corps.LeaderInitiative, corps.LeaderCombat,
                                Leader(successor).Status}),
            (std::array{successor, 6, 33, kInCommand}));
  // No one left to take over: the old commander has gone to the hospital.
  GameState.Leaders[leaving].Status = 210;
  GameState.Leaders[2].Status = 210;
  ScriptRandomDraws({});
  EXPECT_FALSE(AppointCorpsSuccessor(TNation::Union, successor));
  EXPECT_EQ(corps.Leader, successor);
  // A leader of no corps, or no leader at all, needs no successor.
  EXPECT_TRUE(AppointCorpsSuccessor(TNation::Union, leaving));
  EXPECT_TRUE(AppointCorpsSuccessor(TNation::Union, 0));
}

}  // namespace
