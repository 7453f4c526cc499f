#include "world/loyalty_and_leaders.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <string>

#include "support/window_fixture.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

class LoyaltyAndLeadersTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    GameState.Year = 1862;  // the leading nation must lead by 20
  }

  static TStateRec& State(int s, int nation, int theatre = TTheatre::Seaboard) {
    TStateRec& state = GameState.States[s];
    state.Name = "State " + std::to_string(s);
    state.Nation = static_cast<std::uint8_t>(nation);
    state.Theatre = static_cast<std::uint8_t>(theatre);
    return state;
  }

  void Draw(int bound, int value) { script.push_back({bound, value}); }

  // Leaders from the first given on draw no return from leave.
  void QuietLeadersFrom(int first) {
    for (int l = first; l <= GameState.Leaders.Count; ++l) Draw(100, 99);
  }

  // Each nation and theatre draws for a complaint of the first kind; none comes.
  void QuietComplaints() {
    for (int i = 0; i < 12; ++i) Draw(20, 19);
  }

  void Run() {
    ScriptRandomDraws(script);
    UpdateLoyaltyAndLeaders();
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  }

  std::deque<ScriptedDraw> script;
};

TEST_F(LoyaltyAndLeadersTest, StatesLeanTowardANationLeadingByTenAYearOfWar) {
  GameState.Nations[TNation::Union].WarScore = 100;
  GameState.Nations[TNation::Confederacy].WarScore = 79;
  TStateRec& won = State(1, TNation::Union);
  TStateRec& unconvinced = State(2, TNation::Union);
  TStateRec& full = State(4, TNation::Union);
  TStateRec& behind = State(5, TNation::Confederacy);
  TStateRec& french = State(6, TNation::France);
  TStateRec& steadfast = State(19, TNation::Union);
  TStateRec& alsoSteadfast = State(20, TNation::Confederacy);
  for (TStateRec* state : {&won, &unconvinced, &behind, &french, &steadfast, &alsoSteadfast}) {
    state->Loyalty = 50;
    state->ComplaintDelay = 5;
  }
  full.Loyalty = 100;
  for (int i = 0; i < 3; ++i) Draw(500, 33);  // 99, below the score
  for (int i = 0; i < 3; ++i) Draw(500, 50);  // 150, above it
  for (int i = 0; i < 3; ++i) Draw(500, 0);
  QuietLeadersFrom(1);
  QuietComplaints();

  Run();

  EXPECT_EQ(won.Loyalty, 51);
  EXPECT_EQ(unconvinced.Loyalty, 50);
  EXPECT_EQ(full.Loyalty, 100);
  EXPECT_EQ(behind.Loyalty, 50);
  EXPECT_EQ(steadfast.Loyalty, 50);
  // Complaints wait a turn less, except in the two steadfast states and abroad.
  EXPECT_EQ(won.ComplaintDelay, 4);
  EXPECT_EQ(behind.ComplaintDelay, 4);
  EXPECT_EQ(french.ComplaintDelay, 5);
  EXPECT_EQ(steadfast.ComplaintDelay, 5);
  EXPECT_EQ(alsoSteadfast.ComplaintDelay, 5);
}

TEST_F(LoyaltyAndLeadersTest, ALeadOfExactlyTheYearsMarkDrawsNothing) {
  GameState.Nations[TNation::Union].WarScore = 99;
  GameState.Nations[TNation::Confederacy].WarScore = 79;
  State(1, TNation::Union).Loyalty = 50;
  QuietLeadersFrom(1);
  QuietComplaints();
  Run();
  EXPECT_EQ(GameState.States[1].Loyalty, 50);
}

TEST_F(LoyaltyAndLeadersTest, LeadersReturnFromLeaveAndWoundsOnTheirDraws) {
  const int start[] = {2, 3, 101, 150, 201, 201, 1, 0, 2};
  for (int l = 1; l <= 9; ++l)
    GameState.Leaders[l].Status = static_cast<std::uint8_t>(start[l - 1]);
  Draw(100, 24);  // 2 comes back at once
  Draw(100, 0);   // 3 is one step closer
  Draw(100, 0);   // 101 is where leave ends for good
  Draw(100, 0);   // 150 counts down
  Draw(100, 99);
  Draw(50, 11);  // a wound heals a step
  Draw(100, 99);
  Draw(50, 10);   // and this one does not
  Draw(100, 24);  // 1 is available
  Draw(100, 0);   // a commander is not on leave
  Draw(100, 25);  // a missed draw changes nothing
  QuietLeadersFrom(10);
  QuietComplaints();

  Run();

  const int expected[] = {100, 2, 101, 149, 200, 201, 100, 0, 2};
  for (int l = 1; l <= 9; ++l) EXPECT_EQ(GameState.Leaders[l].Status, expected[l - 1]) << l;
}

TEST_F(LoyaltyAndLeadersTest, GovernorsComplainOfIdleAndOverworkedTheatresInOneTurn) {
  TNationRec& union_ = GameState.Nations[TNation::Union];
  union_.AiWeight[TTheatre::West] = 3;  // an idle theatre with forces waiting
  union_.AiAggressionLevel[TTheatre::West] = 3;
  union_.WarScore = 5;
  State(6, TNation::Union, TTheatre::West).Loyalty = 60;
  State(7, TNation::Union, TTheatre::West).Loyalty = 90;
  State(8, TNation::Union, TTheatre::West).ComplaintDelay = 3;
  TNationRec& confederacy = GameState.Nations[TNation::Confederacy];
  confederacy.AiAggression[TTheatre::Mississippi] = 10;
  confederacy.AiAggressionLevel[TTheatre::Mississippi] = 3;
  confederacy.AiAggression[TTheatre::Seaboard] = 10;
  confederacy.AiAggressionLevel[TTheatre::Seaboard] = 2;  // too low to hear complaints
  State(9, TNation::Confederacy, TTheatre::Mississippi).Loyalty = 0;
  State(10, TNation::Confederacy, TTheatre::Seaboard).Loyalty = 0;
  QuietLeadersFrom(1);
  Draw(20, 19);   // Union, seaboard
  Draw(100, 70);  // state 6 speaks up
  Draw(100, 95);  // state 7 louder still
  Draw(100, 10);  // its next complaint waits 10 + 2 x 90 + 50
  Draw(20, 19);   // Union, river
  Draw(20, 0);    // Confederacy, seaboard: heard by nobody
  Draw(20, 19);   // Confederacy, west
  Draw(20, 3);    // Confederacy, river: 9 is below 10
  Draw(100, 51);  // state 9
  Draw(100, 0);   // waits 50
  for (int i = 0; i < 6; ++i) Draw(20, 19);

  Run();

  EXPECT_EQ(GameState.States[7].ComplaintDelay, 240);
  EXPECT_EQ(GameState.States[6].ComplaintDelay, 0);
  EXPECT_EQ(GameState.States[9].ComplaintDelay, 50);
  EXPECT_EQ(GameState.States[10].ComplaintDelay, 0);
  EXPECT_EQ(union_.WarScore, 4);
  EXPECT_EQ(union_.AiAggression[TTheatre::West], 0);  // already at its floor
  EXPECT_EQ(confederacy.AiAggression[TTheatre::Mississippi], 10);
  ASSERT_EQ(window.Notices().size(), 2u);
  const RecordedNotice& idle = window.Notices()[0];
  EXPECT_EQ(idle.kind, 0);
  EXPECT_EQ(idle.lines, (std::array<std::string, 4>{"text 70", "State 7", "text 75", "text 76"}));
  EXPECT_EQ(window.Notices()[1].lines,
            (std::array<std::string, 4>{"text 70", "State 9", "text 71", "text 74"}));
}

TEST_F(LoyaltyAndLeadersTest, AnIdleTheatreCostsAggressionOnlyWhileTheNationHasStanding) {
  TNationRec& union_ = GameState.Nations[TNation::Union];
  union_.AiWeight[TTheatre::Seaboard] = 3;
  union_.AiAggressionLevel[TTheatre::Seaboard] = 5;
  union_.AiAggression[TTheatre::Seaboard] = 7;
  State(6, TNation::Union).Loyalty = 0;
  QuietLeadersFrom(1);
  Draw(100, 80);
  Draw(100, 0);
  for (int i = 0; i < 11; ++i) Draw(20, 19);
  Run();
  EXPECT_EQ(union_.AiAggression[TTheatre::Seaboard], 7);
  EXPECT_EQ(union_.WarScore, 0);
  EXPECT_EQ(window.Notices().size(), 1u);
}

}  // namespace
