// The 1864 election: who takes part, the verdict of each state against the
// voters' mood, and what a lost election does to the war.
#include "world/election.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/window_fixture.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

class ElectionTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    GameState.EndMonth = 6;
    GameState.EndYear = 1865;
  }

  static TStateRec& UnionState(int s, int votes, int loyalty) {
    TStateRec& state = GameState.States[s];
    state.Side = TSide::Union;
    state.Weight = static_cast<std::uint8_t>(votes);
    state.Loyalty = static_cast<std::uint8_t>(loyalty);
    return state;
  }

  static void SetWarScore(int nation, int score) {
    GameState.Nations[nation].WarScore = static_cast<std::int16_t>(score);
  }

  // Four draws whose halved sum is the voters' mood.
  static std::deque<ScriptedDraw> MoodOf(int mood) {
    const int sum = 2 * mood;
    return {{500, sum / 4}, {500, sum / 4}, {500, sum / 4}, {500, sum - 3 * (sum / 4)}};
  }
};

// The incumbent holds a state only while its support is more than the mood.
TEST_F(ElectionTest, AStateGoesToTheIncumbentOnlyWhenSupportExceedsTheMood) {
  const struct {
    int loyalty, war_score, mood;
    bool incumbent;
  } cases[] = {
      {.loyalty = 50, .war_score = 1000, .mood = 49, .incumbent = true},
      {.loyalty = 50, .war_score = 1000, .mood = 50, .incumbent = false},
      {.loyalty = 0, .war_score = 1, .mood = 998, .incumbent = true},
      {.loyalty = 0, .war_score = 2, .mood = 998, .incumbent = false},
  };
  for (const auto& c : cases) {
    UnionState(3, 7, c.loyalty);
    SetWarScore(TNation::Confederacy, c.war_score);
    ScriptRandomDraws(MoodOf(c.mood));
    std::vector<StateVerdict> verdicts;
    const ElectionResult result = HoldElection([&](const StateVerdict& v) { verdicts.push_back(v); });
    ASSERT_EQ(verdicts.size(), 1u);
    EXPECT_EQ(verdicts[0].state, 3);
    EXPECT_EQ(verdicts[0].incumbent, c.incumbent) << c.loyalty << " " << c.mood;
    EXPECT_EQ(result.incumbent_votes, c.incumbent ? 7 : 0);
    EXPECT_EQ(result.challenger_votes, c.incumbent ? 0 : 7);
  }
}

// Confederate states, states without votes and states off the election map
// (the far west, say) draw nothing and count nothing.
TEST_F(ElectionTest, OnlyUnionStatesWithVotesOnTheMapTakePart) {
  UnionState(25, 9, 50);
  UnionState(4, 0, 50);
  UnionState(5, 6, 50).Side = TSide::Confederate;
  UnionState(33, 4, 50);
  ScriptRandomDraws(MoodOf(0));
  const ElectionResult result = HoldElection();
  EXPECT_EQ(result.incumbent_votes, 4);
  EXPECT_EQ(result.challenger_votes, 0);
  EXPECT_FALSE(HasElectionFillPoint(25));
  EXPECT_TRUE(HasElectionFillPoint(33));
}

// A war-weary North under a high Confederate war score elects the challenger,
// and the war changes: the South gains, the Union's states rally to 100 at
// most, Europe cools unless it fights for the South, and the war ends in
// January 1865.
TEST_F(ElectionTest, TheChallengersVictoryChangesTheWar) {
  for (int s = 1; s <= 20; ++s) UnionState(s, 5, 50);
  UnionState(2, 5, 95);
  UnionState(30, 0, 90).ComplaintDelay = 12;
  SetWarScore(TNation::Confederacy, 1000);
  SetWarScore(TNation::Union, 100);
  GameState.Nations[TNation::France].Attitude = 30;
  GameState.Nations[TNation::Britain].Attitude = 30;
  GameState.Nations[TNation::Britain].Side = TSide::Confederate;
  SetRandomSeed(1864);

  const ElectionResult result = HoldElection();

  EXPECT_GT(result.challenger_votes, 80) << "the challenger carries most states";
  EXPECT_TRUE(result.ChallengerWon());
  EXPECT_EQ(GameState.States[1].Loyalty, 60);
  EXPECT_EQ(GameState.States[2].Loyalty, 100);
  EXPECT_EQ(GameState.States[30].Loyalty, 100);
  EXPECT_EQ(GameState.States[30].ComplaintDelay, 112);
  EXPECT_EQ(GameState.Nations[TNation::Confederacy].WarScore, 1000 + result.challenger_votes);
  EXPECT_EQ(GameState.Nations[TNation::Union].WarScore, 100 - result.challenger_votes);
  EXPECT_EQ(GameState.Nations[TNation::France].Attitude, 5);
  EXPECT_EQ(GameState.Nations[TNation::Britain].Attitude, 30);
  EXPECT_EQ(GameState.EndMonth, 1);
  EXPECT_EQ(GameState.EndYear, 1865);
}

// A drawn count keeps the incumbent and the war as it was; the war score
// stops at its limit rather than wrapping.
TEST_F(ElectionTest, ATieChangesNothingAndTheWarScoreSaturates) {
  UnionState(1, 5, 50);
  UnionState(2, 5, 50);
  SetWarScore(TNation::Confederacy, 1000);
  std::deque<ScriptedDraw> draws = MoodOf(0);
  for (const ScriptedDraw& draw : MoodOf(998)) draws.push_back(draw);
  ScriptRandomDraws(draws);
  const ElectionResult tie = HoldElection();
  EXPECT_FALSE(tie.ChallengerWon());
  EXPECT_EQ(GameState.States[1].Loyalty, 50);
  EXPECT_EQ(GameState.Nations[TNation::Confederacy].WarScore, 1000);
  EXPECT_EQ(GameState.EndYear, 1865);
  EXPECT_EQ(GameState.EndMonth, 6);

  SetWarScore(TNation::Confederacy, 32767);
  ScriptRandomDraws(MoodOf(0));
  UnionState(1, 5, 50);
  GameState.States[2].Weight = 0;
  EXPECT_TRUE(HoldElection().ChallengerWon());
  EXPECT_EQ(GameState.Nations[TNation::Confederacy].WarScore, 32767);
}

// The challenger's victory brings the end forward to January 1865, never
// back: a war already set to end sooner keeps its end.
TEST_F(ElectionTest, TheChallengerMovesTheEndOnlyWhenJanuary1865IsSooner) {
  using Row = struct { int month, year, endMonth, endYear; };
  const Row rows[] = {{12, 1864, 12, 1864}, {1, 1865, 1, 1865}, {2, 1865, 1, 1865},
                      {12, 1865, 1, 1865},  {1, 1866, 1, 1865}, {6, 1864, 6, 1864}};
  for (const Row& row : rows) {
    UnionState(1, 5, 50);
    SetWarScore(TNation::Confederacy, 2000);
    GameState.EndMonth = static_cast<std::int16_t>(row.month);
    GameState.EndYear = static_cast<std::int16_t>(row.year);
    ScriptRandomDraws(MoodOf(0));
    ASSERT_TRUE(HoldElection().ChallengerWon());
    EXPECT_EQ((std::pair{int{GameState.EndMonth}, int{GameState.EndYear}}),
              (std::pair{row.endMonth, row.endYear}))
        << "row " << &row - rows;
  }
}

// The window of a computer-only campaign counts the election too.
TEST_F(ElectionTest, TheRecordingWindowHoldsTheElection) {
  UnionState(1, 5, 0);
  SetWarScore(TNation::Confederacy, 2000);
  window.ShowElection();
  EXPECT_EQ(GameState.EndMonth, 1);
}

}  // namespace
