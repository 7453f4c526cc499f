#include "world/loyalty_and_leaders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <string>

#include "support/window_fixture.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

// In 1862 the leading nation has to lead by 20.
class LoyaltyAndLeadersTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    GameState.Year = 1862;
  }

  static TStateRec& State(int s, int nation, int loyalty = 50) {
    TStateRec& state = GameState.States[s];
    state.Name = "State " + std::to_string(s);
    state.Nation = static_cast<std::uint8_t>(nation);
    state.Theatre = TTheatre::Seaboard;
    state.Loyalty = static_cast<std::uint8_t>(loyalty);
    return state;
  }

  void Draw(int bound, int value) { script.push_back({bound, value}); }

  // Leaders from the first given on miss their draw for a return from leave.
  void QuietLeadersFrom(int first) {
    for (int l = first; l <= GameState.Leaders.Count; ++l) Draw(100, 99);
  }

  // Each nation and theatre after the first given draws for a complaint; none comes.
  void QuietComplaintsAfter(int drawn) {
    for (int i = drawn; i < 12; ++i) Draw(20, 19);
  }

  void Run() {
    ScriptRandomDraws(script);
    UpdateLoyaltyAndLeaders();
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  }

  std::deque<ScriptedDraw> script;
};

TEST_F(LoyaltyAndLeadersTest, AStateDriftsTowardANationLeadingByTenAYearOnItsDraws) {
  const struct {
    int union_score, loyalty, draws, after;
  } cases[] = {
      {100, 50, 99, 51},   // a lead of 21, the draws below the score
      {100, 50, 100, 50},  // the draws as high as the score
      {99, 50, -1, 50},    // a lead of 20 draws nothing
      {100, 99, 0, 100},  {100, 100, 0, 100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.union_score << " " << c.loyalty << " " << c.draws);
    GameState.Nations[TNation::Union].WarScore = static_cast<std::int16_t>(c.union_score);
    GameState.Nations[TNation::Confederacy].WarScore = 79;
    State(1, TNation::Union, c.loyalty);
    script.clear();
    if (c.draws >= 0) {
      Draw(500, c.draws / 3);
      Draw(500, c.draws / 3);
      Draw(500, c.draws - 2 * (c.draws / 3));
    }
    QuietLeadersFrom(1);
    QuietComplaintsAfter(0);
    Run();
    EXPECT_EQ(GameState.States[1].Loyalty, c.after);
  }
}

TEST_F(LoyaltyAndLeadersTest, TheSteadfastStatesAndForeignStatesNeitherDriftNorCountDown) {
  GameState.Nations[TNation::Union].WarScore = 1000;
  for (int s : {1, 19, 20}) State(s, TNation::Union).ComplaintDelay = 5;
  State(6, TNation::France).ComplaintDelay = 5;
  for (int i = 0; i < 3; ++i) Draw(500, 0);
  QuietLeadersFrom(1);
  QuietComplaintsAfter(0);
  Run();
  EXPECT_EQ(GameState.States[1].Loyalty, 51);
  EXPECT_EQ(GameState.States[1].ComplaintDelay, 4);
  for (int s : {19, 20, 6}) {
    EXPECT_EQ(GameState.States[s].Loyalty, 50) << s;
    EXPECT_EQ(GameState.States[s].ComplaintDelay, 5) << s;
  }
}

// One leader per row: leave counts down 199..102, a return 99..2, and 1 comes
// back, on a draw below 25; a wound 234..201 heals a step on a draw above 10.
TEST_F(LoyaltyAndLeadersTest, LeadersReturnFromLeaveAndWoundsOnTheirDraws) {
  const struct {
    int status, leave_draw, wound_draw, after;
  } cases[] = {
      {2, 24, -1, 100},   {2, 25, -1, 2},     {3, 0, -1, 2},      {1, 24, -1, 100},
      {1, 25, -1, 1},     {99, 0, -1, 98},    {100, 0, -1, 100},  {101, 0, -1, 101},
      {102, 0, -1, 101},  {199, 0, -1, 198},  {200, 0, -1, 200},  {201, 99, 11, 200},
      {201, 99, 10, 201}, {234, 99, 11, 233}, {235, 99, -1, 235}, {0, 0, -1, 0},
  };
  int l = 0;
  for (const auto& c : cases) {
    GameState.Leaders[++l].Status = static_cast<std::uint8_t>(c.status);
    Draw(100, c.leave_draw);
    if (c.wound_draw >= 0) Draw(50, c.wound_draw);
  }
  QuietLeadersFrom(l + 1);
  QuietComplaintsAfter(0);
  Run();
  l = 0;
  for (const auto& c : cases) EXPECT_EQ(GameState.Leaders[++l].Status, c.after) << c.status;
}

struct ComplaintCase {
  const char* what;
  int weight, flag, aggression, level;
  int kind_draw;  // Random(20); -1 when an idle theatre draws none
  int loyalty6, loyalty7;
  int draw6, draw7;  // Random(100) of states 6 and 7; -1 for a state not asked
  int complainer;    // 0 for none
  int text;          // its line 3
};

class ComplaintTest : public LoyaltyAndLeadersTest,
                      public ::testing::WithParamInterface<ComplaintCase> {};

// The Union's seaboard: idle with forces waiting (weight above 2 and no flag),
// or pushed (a draw of 20 plus 6 below the aggression); heard only from
// level 3; the highest draw above 50 and above its state's loyalty speaks.
TEST_P(ComplaintTest, AGovernorComplainsOfAnIdleOrOverworkedTheatre) {
  const ComplaintCase& c = GetParam();
  SCOPED_TRACE(c.what);
  TNationRec& nation = GameState.Nations[TNation::Union];
  nation.AiWeight[TTheatre::Seaboard] = static_cast<std::uint8_t>(c.weight);
  nation.TheatreFlag[TTheatre::Seaboard] = static_cast<std::uint8_t>(c.flag);
  nation.AiAggression[TTheatre::Seaboard] = static_cast<std::uint8_t>(c.aggression);
  nation.AiAggressionLevel[TTheatre::Seaboard] = static_cast<std::uint16_t>(c.level);
  nation.WarScore = 5;
  State(6, TNation::Union, c.loyalty6);
  if (c.loyalty7 >= 0) State(7, TNation::Union, c.loyalty7);
  QuietLeadersFrom(1);
  if (c.kind_draw >= 0) Draw(20, c.kind_draw);
  for (int draw : {c.draw6, c.draw7}) {
    if (draw >= 0) Draw(100, draw);
  }
  if (c.complainer != 0) Draw(100, 10);
  QuietComplaintsAfter(1);
  Run();
  const bool idle = c.complainer != 0 && c.text == 75;
  EXPECT_EQ(nation.WarScore, idle ? 4 : 5);
  EXPECT_EQ(nation.AiAggression[TTheatre::Seaboard],
            idle ? std::max(c.aggression - 1, 0) : c.aggression);
  if (c.complainer == 0) {
    EXPECT_TRUE(window.Notices().empty());
    return;
  }
  const TStateRec& state = GameState.States[c.complainer];
  EXPECT_EQ(state.ComplaintDelay, 10 + 2 * state.Loyalty + 50);
  ASSERT_EQ(window.Notices().size(), 1u);
  const std::string detail = "text " + std::to_string(c.text == 75 ? 76 : 72);
  EXPECT_EQ(window.Notices()[0].lines,
            (std::array<std::string, 4>{"text 70", state.Name.str(),
                                        "text " + std::to_string(c.text), detail}));
}

INSTANTIATE_TEST_SUITE_P(
    Complaints, ComplaintTest,
    ::testing::Values(
        ComplaintCase{"idle", 3, 0, 7, 3, -1, 0, -1, 51, -1, 6, 75},
        ComplaintCase{"idle at no aggression", 3, 0, 0, 3, -1, 0, -1, 51, -1, 6, 75},
        ComplaintCase{"weight 2 is not idle", 2, 0, 0, 3, 19, 0, -1, -1, -1, 0, 0},
        ComplaintCase{"a flagged theatre is not idle", 3, 1, 0, 3, 19, 0, -1, -1, -1, 0, 0},
        ComplaintCase{"pushed: 9 below 10", 0, 0, 10, 3, 3, 0, -1, 51, -1, 6, 71},
        ComplaintCase{"not pushed: 9 below 9", 0, 0, 9, 3, 3, 0, -1, -1, -1, 0, 0},
        ComplaintCase{"level 2 is not heard", 3, 0, 7, 2, -1, 0, -1, -1, -1, 0, 0},
        ComplaintCase{"a draw of 50 is not enough", 3, 0, 7, 3, -1, 0, -1, 50, -1, 0, 0},
        ComplaintCase{"a draw at the loyalty", 3, 0, 7, 3, -1, 60, -1, 60, -1, 0, 0},
        ComplaintCase{"a draw above the loyalty", 3, 0, 7, 3, -1, 59, -1, 60, -1, 6, 75},
        ComplaintCase{"a tie keeps the first", 3, 0, 7, 3, -1, 0, 0, 70, 70, 6, 75},
        ComplaintCase{"a higher draw speaks", 3, 0, 7, 3, -1, 0, 0, 70, 71, 7, 75}),
    [](const auto& info) { return "Row" + std::to_string(info.index); });

TEST_F(LoyaltyAndLeadersTest, AnIdleTheatreCostsNothingOnceTheNationHasNoStanding) {
  TNationRec& nation = GameState.Nations[TNation::Union];
  nation.AiWeight[TTheatre::Seaboard] = 3;
  nation.AiAggressionLevel[TTheatre::Seaboard] = 5;
  nation.AiAggression[TTheatre::Seaboard] = 7;
  State(6, TNation::Union, 0);
  QuietLeadersFrom(1);
  Draw(100, 80);
  Draw(100, 0);
  QuietComplaintsAfter(1);
  Run();
  EXPECT_EQ(nation.AiAggression[TTheatre::Seaboard], 7);
  EXPECT_EQ(nation.WarScore, 0);
  EXPECT_EQ(window.Notices().size(), 1u);
}

}  // namespace
