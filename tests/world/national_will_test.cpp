#include "world/national_will.h"

#include <algorithm>
#include <array>
#include <deque>

#include "support/window_fixture.h"
#include "tests/world/economy_fixture.h"
#include "world/random.h"

namespace {

constexpr int kUnion = TNation::Union, kSouth = TNation::Confederacy, kFrance = TNation::France;

// Every nation calm in March 1862, with a bounty of 10: enough corps, fit
// corps, enough casualties to draft, no draft for months.
class NationalWillTest : public EconomyTest<WindowTest> {
 protected:
  void SetUp() override {
    EconomyTest::SetUp();
    GameState.Year = 1862;
    GameState.Month = 3;
    for (int n = kUnion; n <= TNation::Britain; ++n) {
      TNationRec& nation = Nation(n);
      nation.DraftMonths = -5;
      nation.CorpsCount = 30;
      nation.Bounty = 10;
      nation.AiWeight[TTheatre::Seaboard] = 5;
      GameState.Casualties[n] = 1000;
      for (int t = 1; t <= 3; ++t) nation.TheatreCapacity[t] = 70;
    }
  }
  // Restarts the test with a fresh window.
  void Restart() {
    TearDown();
    SetUp();
    window.ForgetRecords();
  }
};

// The mood starts at 1. It falls 10 when a first belligerent has fewer than 5
// corps in the east, 1 for each theatre behind (Union below 0, Confederacy below
// -200) or under 70 per cent strength, 2 for a Union of fewer than 20 corps and
// 1 for a Confederacy of fewer than 15; it rises 1 for each theatre well ahead
// (Union above 500, Confederacy above 0) and 10 when supplies fall short of
// demand. From the second year on, a computer nation that has not drafted for
// two months and has bled halves its bounty at a mood of -1 or better, keeps it
// at -2 to -4 (which three points of recovery mend) and drafts below that.
TEST_F(NationalWillTest, TheMoodOfAComputerNationDecidesBetweenHalvingItsBountyAndADraft) {
  using Row = struct {
    int n, east, corps, weak, balance, demand, supplies, casualties, draftMonths, bounty;
  };
  const Row rows[] = {
      {kUnion, 5, 30, 0, 0, 0, 0, 1000, -5, 5},    {kUnion, 4, 30, 0, 0, 0, 0, 1000, -5, 1},
      {kUnion, 5, 30, 2, 0, 0, 0, 1000, -5, 5},    {kUnion, 5, 30, 3, 0, 0, 0, 1000, -5, 10},
      {kUnion, 5, 19, 0, 0, 0, 0, 1000, -5, 5},    {kUnion, 5, 19, 1, 0, 0, 0, 1000, -5, 10},
      {kUnion, 5, 20, 1, 0, 0, 0, 1000, -5, 5},    {kUnion, 5, 30, 0, -1, 0, 0, 1000, -5, 10},
      {kUnion, 5, 30, 3, 500, 0, 0, 1000, -5, 10}, {kUnion, 5, 30, 3, 501, 0, 0, 1000, -5, 5},
      {kUnion, 5, 30, 3, 0, 2, 4, 1000, -5, 10},   {kUnion, 5, 30, 3, 0, 2, 3, 1000, -5, 5},
      {kUnion, 5, 19, 3, 0, 0, 0, 1000, -5, 10},   {kUnion, 5, 19, 3, -1, 0, 0, 1000, -5, 1},
      {kUnion, 4, 30, 0, 0, 0, 0, 699, -5, 5},     {kUnion, 4, 30, 0, 0, 0, 0, 700, -5, 1},
      {kUnion, 4, 30, 0, 0, 0, 0, 1000, -1, 5},    {kUnion, 4, 30, 0, 0, 0, 0, 1000, -2, 1},
      {kSouth, 5, 30, 0, -200, 0, 0, 1000, -5, 5}, {kSouth, 5, 30, 0, -201, 0, 0, 1000, -5, 10},
      {kSouth, 5, 30, 3, 0, 0, 0, 1000, -5, 10},   {kSouth, 5, 30, 3, 1, 0, 0, 1000, -5, 5},
      {kSouth, 5, 14, 2, 0, 0, 0, 1000, -5, 10},   {kSouth, 5, 15, 2, 0, 0, 0, 1000, -5, 5},
      {kSouth, 4, 30, 0, 0, 0, 0, 499, -5, 5},     {kSouth, 4, 30, 0, 0, 0, 0, 500, -5, 1},
      {kFrance, 4, 30, 3, 0, 0, 0, 1000, -5, 5}};
  for (const Row& row : rows) {
    Restart();
    TNationRec& nation = Nation(row.n);
    nation.AiWeight[TTheatre::Seaboard] = row.east;
    nation.CorpsCount = row.corps;
    for (int t = 1; t <= 3; ++t) {
      nation.TheatreCapacity[t] = t <= row.weak ? 69 : 70;
      nation.StrengthBalance[t] = row.balance;
    }
    nation.SupplyDemand[TTheatre::West] = row.demand;
    nation.Supplies[TTheatre::West] = row.supplies;
    GameState.Casualties[row.n] = row.casualties;
    nation.DraftMonths = row.draftMonths;
    ScriptRandomDraws({});  // no state of the nation can riot
    UpdateNationalWill();
    EXPECT_EQ((std::array<int, 3>{nation.Bounty, nation.DraftMonths,
                                  static_cast<int>(window.Notices().size())}),
              (std::array<int, 3>{row.bounty, row.bounty == 1 ? 8 : row.draftMonths - 1,
                                  row.bounty == 1 && row.n != kFrance}))
        << "row " << &row - rows;
  }
}

// A computer nation short of leadership offers at least 9 (the Union) or 4,
// and one short of corps adds 5 (the Union, under 20) or 3 (the Confederacy,
// under 10) to a bounty below 10. In the first year a belligerent offers 10
// until August, and nothing is halved or drafted.
TEST_F(NationalWillTest, AComputerNationRaisesItsBountyWhileItLacksLeadershipOrCorps) {
  using Row = struct { int n, month, advantage, bounty, corps, after; };
  const Row rows[] = {
      {kUnion, 10, 2, 4, 30, 9},  {kUnion, 10, 1, 4, 30, 4},   {kUnion, 10, 2, 5, 30, 5},
      {kUnion, 10, 0, 9, 19, 14}, {kUnion, 10, 0, 10, 19, 10}, {kUnion, 10, 0, 9, 20, 9},
      {kSouth, 10, 2, 2, 30, 4},  {kSouth, 10, 2, 2, 9, 7},    {kSouth, 10, 0, 9, 10, 9},
      {kUnion, 8, 0, 3, 30, 10},  {kUnion, 9, 0, 3, 30, 3}};
  for (const Row& row : rows) {
    Restart();
    GameState.Year = 1861;
    GameState.Month = row.month;
    TNationRec& nation = Nation(row.n);
    nation.AiWeight[TTheatre::Seaboard] = 0;  // a crisis, yet no draft in the first year
    nation.LeadershipAdvantage = row.advantage;
    nation.Bounty = row.bounty;
    nation.CorpsCount = row.corps;
    UpdateNationalWill();
    EXPECT_EQ(nation.Bounty + 100 * window.Notices().size(), row.after) << "row " << &row - rows;
  }
}

// The level is the bounty plus five times the leadership advantage of the
// camp's leading nation (at least 1), 20 more during the nation's own draft,
// doubled for the Confederacy. A city draws level men per 400 people of the
// Union (300 of others), each two paid one bounty of the nation's own; an
// off-map state per 400, each three paid one. The whole draw waits for a month
// whose supplies pay for it, and a third of the men leave the people. States
// 6, 21 and 37 have cities; state 0 stands for the off-map state 5.
TEST_F(NationalWillTest, VolunteersComeWithTheLevelWhenTheTheatreCanPayForThemAll) {
  using Row = struct { int n, s, bounty, advantage, own, draftMonths, people, supplies, men; };
  const Row rows[] = {
      {kUnion, 6, 2, 0, 2, -5, 4000, 1000, 20},    {kUnion, 6, 2, 0, 2, 9, 4000, 1000, 220},
      {kUnion, 6, 2, 0, 2, 8, 4000, 1000, 20},     {kUnion, 6, 0, 0, 0, -5, 4000, 0, 10},
      {kUnion, 0, 3, 1, 3, -5, 4000, 80, 80},      {kUnion, 0, 3, 1, 3, -5, 4000, 79, 0},
      {kSouth, 21, 5, 1, 5, -5, 3000, 500, 200},   {kSouth, 21, 5, 1, 5, -5, 3000, 499, 0},
      {kFrance, 37, 250, 11, 0, -5, 3000, 0, 3000}};
  for (const Row& row : rows) {
    Restart();
    const int leading = row.n == kUnion ? kUnion : kSouth;
    Nation(kFrance).Side = TSide::Confederate;
    Nation(leading).Bounty = row.bounty;
    Nation(leading).LeadershipAdvantage = row.advantage;
    for (int k = kUnion; k <= TNation::Britain; ++k) Nation(k).Human = 1;
    Nation(row.n).Bounty = row.own;
    Nation(row.n).DraftMonths = row.draftMonths;
    Supplies(row.n) = row.supplies;
    const int state = row.s == 0 ? 5 : row.s;
    TStateRec& record = StateOf(state, row.n);
    U16& pool = row.s == 0 ? record.Population : CityIn(state, row.n, row.people).Population;
    pool = row.people;
    ScriptRandomDraws({});
    UpdateNationalWill();
    const int cost = row.own * row.men / (row.s == 0 ? 3 : 2);
    EXPECT_EQ(
        (std::array<int, 4>{Nation(row.n).MonthRecruits, record.Manpower, pool, Supplies(row.n)}),
        (std::array{row.men, row.men, row.people - row.men / 3, row.supplies - cost}))
        << "row " << &row - rows;
  }
}

// While drafting, a nation that has lost nothing or more than 2000 (the
// Confederacy counts half) may riot: a state riots when its loyalty is below a
// roll of 0..59 plus 30 a year of war, or for the Confederacy of 0..79, and
// the nation's war score pays twice the state's weight, down to 0.
TEST_F(NationalWillTest, ADraftMayStartRiotsInStatesLessLoyalThanTheRoll) {
  using Row = struct { int n, draftMonths, losses, draw60, draw80, warScore, riot; };
  const Row rows[] = {{kUnion, 9, 0, 11, -1, 7, 1},    {kUnion, 9, 1, -1, -1, 7, 0},
                      {kUnion, 9, 2000, -1, -1, 7, 0}, {kUnion, 9, 2001, 11, -1, 7, 1},
                      {kUnion, 9, 2001, 10, -1, 7, 0}, {kUnion, 1, 2001, 11, -1, 6, 1},
                      {kUnion, 0, 2001, -1, -1, 7, 0}, {kSouth, 9, 4000, -1, -1, 7, 0},
                      {kSouth, 9, 4002, 59, 51, 7, 1}, {kSouth, 9, 4002, 0, 50, 7, 0}};
  for (const Row& row : rows) {
    Restart();
    GameState.Year = 1863;  // two years of war add 60 to the Union's roll
    Nation(row.n).DraftMonths = row.draftMonths;
    Nation(row.n).WarScore = row.warScore;
    TStateRec& state = StateOf(row.n == kUnion ? 6 : 21, row.n);
    state.Loyalty = 70;
    state.Weight = 3;
    state.Losses = row.losses;
    if (row.draw80 >= 0) state.Loyalty = 50;
    ScriptRandomDraws({});
    if (row.draw60 >= 0) ScriptRandomDraws({{60, row.draw60}});
    if (row.draw80 >= 0) ScriptRandomDraws({{60, row.draw60}, {80, row.draw80}});
    CheckRiots(row.n);
    EXPECT_EQ(
        (std::array<int, 3>{static_cast<int>(ScriptedDrawsLeft()),
                            window.CallCount("ShowDraftRiotingReport"), Nation(row.n).WarScore}),
        (std::array{0, row.riot, row.riot ? std::max(row.warScore - 6, 0) : row.warScore}))
        << "row " << &row - rows;
  }
}

TEST_F(NationalWillTest, ADraftIsAnnouncedRaisesTheLevelAndMayStartRiots) {
  GameState.Year = 1863;
  Nation(kUnion).AiWeight[TTheatre::Seaboard] = 0;
  StateOf(6, kUnion).Loyalty = 70;
  ScriptRandomDraws({{60, 11}});
  UpdateNationalWill();
  ASSERT_EQ(window.Notices().size(), 2u);
  EXPECT_EQ(window.Notices()[0].kind, 19);
  EXPECT_EQ(window.Notices()[1].lines[1], "State 6");
}

}  // namespace
