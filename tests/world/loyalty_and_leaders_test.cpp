#include "world/loyalty_and_leaders.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>
#include <string>
#include <string_view>

#include "tests/world/political_turn_fixture.h"
#include "world/random.h"

namespace {

// In 1862 the leading nation has to lead by 20.
class LoyaltyAndLeadersTest : public PoliticsTest {
 protected:
  // A Union state on the seaboard.
  static void UnionState(int s, int loyalty = 50) {
    MakeState(s, TNation::Union).Theatre = TTheatre::Seaboard;
    State(s).Loyalty = static_cast<std::uint8_t>(loyalty);
  }

  // Runs the pass on the draws given: first those of the loyalty drift, then
  // the leaders' (those not given miss), then the Union seaboard's complaint
  // when asked for (the other theatres draw no complaint).
  void Run(std::deque<ScriptedDraw> drift, std::deque<ScriptedDraw> leaders = {},
           bool seaboardComplaint = false, std::deque<ScriptedDraw> complaints = {}) {
    std::deque<ScriptedDraw> script = drift;
    script.insert(script.end(), leaders.begin(), leaders.end());
    const auto given = std::count_if(leaders.begin(), leaders.end(),
                                     [](const ScriptedDraw& draw) { return draw.bound == 100; });
    for (auto l = given; l < GameState.Leaders.Count; ++l) script.push_back({100, 99});
    script.insert(script.end(), complaints.begin(), complaints.end());
    for (int i = seaboardComplaint ? 1 : 0; i < 12; ++i) script.push_back({20, 19});
    ScriptRandomDraws(script);
    UpdateLoyaltyAndLeaders();
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  }
};

// A state drifts a point toward its nation when that leads by more than 10 a
// year of war and the three draws of 500 add up below its score; never past 100.
TEST_F(LoyaltyAndLeadersTest, AStateDriftsTowardANationLeadingByTenAYearOnItsDraws) {
  const struct {
    int unionScore, loyalty, draws, after;
  } cases[] = {
      {.unionScore = 100, .loyalty = 50, .draws = 99, .after = 51},
      {.unionScore = 100, .loyalty = 50, .draws = 100, .after = 50},
      {.unionScore = 99, .loyalty = 50, .draws = -1, .after = 50},  // no draw at a lead of 20
      {.unionScore = 100, .loyalty = 100, .draws = 0, .after = 100},
  };
  for (const auto& c : cases) {
    Nation(TNation::Union).WarScore = static_cast<std::int16_t>(c.unionScore);
    Nation(TNation::Confederacy).WarScore = 79;
    UnionState(1, c.loyalty);
    if (c.draws < 0) Run({});
    if (c.draws >= 0) Run({{500, 0}, {500, 0}, {500, c.draws}});
    EXPECT_EQ(State(1).Loyalty, c.after) << c.unionScore << " " << c.draws;
  }
}

// One leader per row: leave counts down 199..102, a return 99..2, and 1 comes
// back, on a draw below 25; a wound 234..201 heals a step on a draw above 10.
TEST_F(LoyaltyAndLeadersTest, LeadersReturnFromLeaveAndWoundsOnTheirDraws) {
  const struct {
    int status, leaveDraw, woundDraw, after;
  } cases[] = {
      {.status = 2, .leaveDraw = 24, .woundDraw = -1, .after = 100},
      {.status = 2, .leaveDraw = 25, .woundDraw = -1, .after = 2},
      {.status = 99, .leaveDraw = 0, .woundDraw = -1, .after = 98},
      {.status = 100, .leaveDraw = 0, .woundDraw = -1, .after = 100},
      {.status = 101, .leaveDraw = 0, .woundDraw = -1, .after = 101},
      {.status = 102, .leaveDraw = 0, .woundDraw = -1, .after = 101},
      {.status = 199, .leaveDraw = 0, .woundDraw = -1, .after = 198},
      {.status = 200, .leaveDraw = 0, .woundDraw = -1, .after = 200},
      {.status = 201, .leaveDraw = 99, .woundDraw = 11, .after = 200},
      {.status = 201, .leaveDraw = 99, .woundDraw = 10, .after = 201},
      {.status = 234, .leaveDraw = 99, .woundDraw = 11, .after = 233},
      {.status = 235, .leaveDraw = 99, .woundDraw = -1, .after = 235},
  };
  std::deque<ScriptedDraw> draws;
  int l = 0;
  for (const auto& c : cases) {
    GameState.Leaders[++l].Status = static_cast<std::uint8_t>(c.status);
    draws.push_back({100, c.leaveDraw});
    if (c.woundDraw >= 0) draws.push_back({50, c.woundDraw});
  }
  Run({}, draws);
  l = 0;
  for (const auto& c : cases) EXPECT_EQ(GameState.Leaders[++l].Status, c.after) << c.status;
}

// The Union's seaboard is idle with forces waiting (weight above 2, no flag)
// or pushed (a draw of 20 plus 6 below the aggression); heard from level 3.
// Of the states drawing 100, the highest draw above 50 and above its state's
// loyalty speaks, the first of a tie; an idle theatre costs a point of standing.
// He then keeps quiet for a draw of 100 + twice his loyalty + 50 turns; a delay
// counts down before the governors are heard, so one of 1 runs out in time.
TEST_F(LoyaltyAndLeadersTest, AGovernorComplainsOfAnIdleOrOverworkedTheatre) {
  const struct {
    const char* what;
    int weight, flag, aggression, level;
    int kindDraw;  // -1 when an idle theatre draws none
    int loyalty, draw6, draw7;
    std::string_view complainer;
    int delay = 0, delayAfter = 0;  // state 6's
  } cases[] = {
      {"idle", 3, 0, 7, 3, -1, 0, 51, -1, "State 6", 0, 60},
      {"weight 2 is not idle", 2, 0, 0, 3, 19, 0, -1, -1, ""},
      {"a flagged theatre is not idle", 3, 1, 0, 3, 19, 0, -1, -1, ""},
      {"pushed: 9 below 10", 0, 0, 10, 3, 3, 0, 51, -1, "State 6", 0, 60},
      {"not pushed: 9 below 9", 0, 0, 9, 3, 3, 0, -1, -1, ""},
      {"level 2 is not heard", 3, 0, 7, 2, -1, 0, -1, -1, ""},
      {"a draw of 50 is not enough", 3, 0, 7, 3, -1, 0, 50, -1, ""},
      {"a draw at the loyalty", 3, 0, 7, 3, -1, 60, 60, -1, ""},
      {"a draw above the loyalty", 3, 0, 7, 3, -1, 59, 60, -1, "State 6", 0, 178},
      {"a tie keeps the first", 3, 0, 7, 3, -1, 0, 70, 70, "State 6", 0, 60},
      {"a higher draw speaks", 3, 0, 7, 3, -1, 0, 70, 71, "State 7"},
      {"a delay running out", 3, 0, 7, 3, -1, 0, 51, -1, "State 6", 1, 60},
      {"a delay still running", 3, 0, 7, 3, -1, 0, -1, -1, "", 2, 1},
  };
  TNationRec& nation = Nation(TNation::Union);
  for (const auto& c : cases) {
    nation.AiWeight[TTheatre::Seaboard] = static_cast<std::uint8_t>(c.weight);
    nation.TheatreFlag[TTheatre::Seaboard] = static_cast<std::uint8_t>(c.flag);
    nation.AiAggression[TTheatre::Seaboard] = static_cast<std::uint8_t>(c.aggression);
    nation.AiAggressionLevel[TTheatre::Seaboard] = static_cast<std::uint16_t>(c.level);
    nation.WarScore = 5;
    UnionState(6, c.loyalty);
    State(6).ComplaintDelay = static_cast<std::uint16_t>(c.delay);
    if (c.draw7 >= 0) UnionState(7);
    std::deque<ScriptedDraw> draws;
    if (c.kindDraw >= 0) draws.push_back({20, c.kindDraw});
    for (int draw : {c.draw6, c.draw7}) {
      if (draw >= 0) draws.push_back({100, draw});
    }
    if (!c.complainer.empty()) draws.push_back({100, 10});  // his next complaint's delay
    const std::size_t before = window.Notices().size();
    Run({}, {}, true, draws);
    const bool heard = window.Notices().size() > before;
    EXPECT_EQ(heard ? window.Notices().back().lines[1] : "", c.complainer) << c.what;
    EXPECT_EQ(nation.WarScore, heard && c.kindDraw < 0 ? 4 : 5) << c.what;
    EXPECT_EQ(State(6).ComplaintDelay, c.delayAfter) << c.what;
    for (int s : {6, 7}) State(s) = TStateRec{};
  }
  EXPECT_EQ(window.Notices().at(0).lines,
            (std::array<std::string, 4>{Text(70), "State 6", Text(75), Text(76)}));
}

}  // namespace
