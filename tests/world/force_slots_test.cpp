#include "world/force_slots.h"

#include <array>
#include <deque>

#include "support/world_fixture.h"
#include "tests/world/force_builders.h"
#include "world/brigade_rules.h"
#include "world/random.h"

namespace {

constexpr int kInCommand = TLeaderStatus::InCommand, kAvailable = TLeaderStatus::Available;
constexpr int kArmy = TLeaderClass::Army, kCorps = TLeaderClass::Corps;
constexpr int kCavalry = TLeaderClass::Cavalry;

class ForceSlotsTest : public WorldTest {
 protected:
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
};

// Rank below the command costs 5 a step, above it 20; initiative counts ten and
// the modifier one. For an army, an available army leader gains 55, a serving
// corps commander 15, and a cavalry leader loses 50. Each row pits the leader
// against an earlier one of exactly the expected score, which keeps a tie, and
// against one a point below.
TEST_F(ForceSlotsTest, EachLeaderScoresHisFitForTheCommandAndOnlyAStrictlyBetterScoreWins) {
  using Row = struct { int wanted, rank, status, initiative, modifier, score; };
  const Row rows[] = {
      {kCorps, kCorps, kAvailable, 5, 0, 50},  {kCorps, kCavalry, kAvailable, 5, 0, 45},
      {kCorps, 1, kAvailable, 5, 0, 40},       {kCorps, kArmy, kAvailable, 5, 0, 10},
      {kCorps, kCorps, kAvailable, 0, -7, -7}, {kCavalry, kCorps, kAvailable, 6, 3, 43},
      {kArmy, kArmy, kAvailable, 3, 0, 85},    {kArmy, kCorps, kInCommand, 5, 0, 55},
      {kArmy, kCorps, kAvailable, 5, 0, 40},   {kArmy, kCavalry, kAvailable, 9, 0, 25}};
  for (const Row& row : rows) {
    for (int below : {0, 1}) {
      SCOPED_TRACE(testing::Message() << "row " << &row - rows << ", rival " << below << " below");
      SetUp();
      const int rivalModifier = row.score - below - (row.wanted == kArmy) * 55;
      const int rival = Candidate(row.wanted, kAvailable, 0, rivalModifier);
      const int leader = Candidate(row.rank, row.status, row.initiative, row.modifier);
      DrawZeroFor(2);
      EXPECT_EQ(ScoreLeaderCandidates(TSide::Union, row.wanted), below ? leader : rival);
    }
  }
}

// Only a score above -255 is fit at all. The chosen leader spends ten points of
// favour (a modifier below ten becomes 0); a corps commander moved up to an
// army loses 5 combat (above 4) and a point of initiative (above 1). The
// last three are the modifier, combat and initiative after; -1: not chosen.
TEST_F(ForceSlotsTest, TheChosenLeaderPaysForHisAppointment) {
  using Row = struct { int wanted, rank, status, modifier, combat, initiative, m, c, i; };
  const Row rows[] = {{kCorps, 15, kAvailable, -15, 40, 0, -1, -1, -1},
                      {kCorps, 15, kAvailable, -14, 40, 0, 0, 40, 0},
                      {kCorps, kCorps, kAvailable, 10, 40, 5, 0, 40, 5},
                      {kCorps, kCorps, kAvailable, 9, 40, 5, 0, 40, 5},
                      {kCorps, kCorps, kAvailable, 25, 40, 5, 15, 40, 5},
                      {kCorps, kCorps, kAvailable, -20, 40, 5, 0, 40, 5},
                      {kArmy, kCorps, kInCommand, 0, 5, 2, 0, 0, 1},
                      {kArmy, kCorps, kInCommand, 0, 4, 1, 0, 4, 1},
                      {kArmy, kArmy, kAvailable, 0, 5, 2, 0, 5, 2}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    const int l = Candidate(row.rank, row.status, row.initiative, row.modifier, row.combat);
    DrawZeroFor(1);
    const bool chosen = ScoreLeaderCandidates(TSide::Union, row.wanted) == l;
    EXPECT_EQ(chosen, row.m >= 0);
    if (chosen) {
      const TLeader& leader = GameState.Leaders[l];
      EXPECT_EQ((std::array<int, 3>{leader.Modifier, leader.Combat, leader.Initiative}),
                (std::array{row.m, row.c, row.i}));
    }
  }
}

// Only an available leader takes a free command: one serving, relieved or
// removed does not.
TEST_F(ForceSlotsTest, OnlyAnAvailableLeaderIsEligibleForACorps) {
  using Row = struct { int status; bool eligible; };
  const Row rows[] = {{kInCommand, false}, {99, false},  {kAvailable, true},
                      {101, false},        {TLeaderStatus::Relieved, false}, {249, false}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.status);
    SetUp();
    const int leader = Candidate(kCorps, row.status, 5, 0);
    DrawZeroFor(1);
    EXPECT_EQ(ScoreLeaderCandidates(TSide::Union, kCorps) == leader, row.eligible);
  }
}

// A new corps takes the first free slot and the lowest number its own
// nation has free, with no order of the computer's left from the slot's last
// holder.
TEST_F(ForceSlotsTest, ANewCorpsTakesTheFirstFreeSlotAndItsNationsLowestFreeNumber) {
  for (int ordinal : {1, 2, 4})
    GameState.Corps[AddCorps(1, 1, TSide::Union, TNation::Union)].Ordinal = ordinal;
  GameState.Corps[AddCorps(1, 1, TSide::Confederate, TNation::Confederacy)].Ordinal = 3;
  GameState.Corps[5].AiMission = 9;
  EXPECT_EQ(AllocateCorpsSlot(TNation::Union), 5);
  EXPECT_EQ(GameState.Corps[5].Ordinal, 3);
  EXPECT_EQ(GameState.Corps[5].AiMission, 0);
  GameState.Corps[1].Inactive = 1;
  EXPECT_EQ(GameState.Corps[AllocateCorpsSlot(TNation::Union)].Ordinal, 1);
}

}  // namespace
