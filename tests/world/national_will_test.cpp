#include "world/national_will.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>

#include "support/window_fixture.h"
#include "tests/world/economy_fixture.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

constexpr int kUnion = TNation::Union;
constexpr int kSouth = TNation::Confederacy;
constexpr int kFrance = TNation::France;
constexpr int kUnionCityState = 6;
constexpr int kConfederateCityState = 21;

class NationalWillTest : public EconomyTest<WindowTest> {
 protected:
  void SetUp() override {
    EconomyTest::SetUp();
    Calm();
  }
  // Every nation calm, with a bounty of 10: enough corps, fit corps, enough
  // casualties to draft, no draft for months.
  static void Calm() {
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
  // Rows: nation, east corps, corps, theatres under strength, balance (all three),
  // demand, supplies, casualties, draft months, bounty after.
  const int rows[][10] = {
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
  for (const auto& [n, east, corps, weak, balance, demand, supplies, casualties, draftMonths,
                    bounty] : rows) {
    SCOPED_TRACE(testing::Message() << "row " << (&n - &rows[0][0]) / 10);
    Restart();
    TNationRec& nation = Nation(n);
    nation.AiWeight[TTheatre::Seaboard] = east;
    nation.CorpsCount = corps;
    for (int t = 1; t <= 3; ++t) {
      nation.TheatreCapacity[t] = t <= weak ? 69 : 70;
      nation.StrengthBalance[t] = balance;
    }
    nation.SupplyDemand[TTheatre::West] = demand;
    nation.Supplies[TTheatre::West] = supplies;
    GameState.Casualties[n] = casualties;
    nation.DraftMonths = draftMonths;
    ScriptRandomDraws({});  // no state of the nation can riot
    UpdateNationalWill();
    EXPECT_EQ(nation.Bounty, bounty);
    EXPECT_EQ(nation.DraftMonths, bounty == 1 ? 8 : draftMonths - 1);
    EXPECT_EQ(window.Notices().size(), bounty == 1 && n != kFrance ? 1u : 0u);
  }
}

// A computer nation short of leadership offers at least 9 (the Union) or 4,
// and one short of corps adds 5 (the Union, under 20) or 3 (the Confederacy,
// under 10) to a bounty below 10. In the first year a belligerent offers 10
// until August, and nothing is halved or drafted.
TEST_F(NationalWillTest, AComputerNationRaisesItsBountyWhileItLacksLeadershipOrCorps) {
  // Rows: nation, month, advantage, bounty, corps, bounty after.
  const int rows[][6] = {
      {kUnion, 10, 2, 4, 30, 9},  {kUnion, 10, 1, 4, 30, 4},   {kUnion, 10, 2, 5, 30, 5},
      {kUnion, 10, 0, 9, 19, 14}, {kUnion, 10, 0, 10, 19, 10}, {kUnion, 10, 0, 9, 20, 9},
      {kSouth, 10, 2, 2, 30, 4},  {kSouth, 10, 2, 2, 9, 7},    {kSouth, 10, 0, 9, 10, 9},
      {kUnion, 8, 0, 3, 30, 10},  {kUnion, 9, 0, 3, 30, 3}};
  for (const auto& [n, month, advantage, bounty, corps, after] : rows) {
    SCOPED_TRACE(testing::Message() << "nation " << n << ", month " << month << ", bounty "
                                    << bounty << ", corps " << corps);
    Restart();
    GameState.Year = 1861;
    GameState.Month = month;
    Nation(n).AiWeight[TTheatre::Seaboard] = 0;  // a crisis, yet no draft in the first year
    Nation(n).LeadershipAdvantage = advantage;
    Nation(n).Bounty = bounty;
    Nation(n).CorpsCount = corps;
    UpdateNationalWill();
    EXPECT_EQ(Nation(n).Bounty, after);
    EXPECT_TRUE(window.Notices().empty());
  }
}

// The level is the bounty plus five times the leadership advantage of the
// camp's leading nation (at least 1), 20 more during the nation's own draft,
// doubled for the Confederacy. A city draws level men per 400 people of the
// Union (300 of others), each two paid one bounty of the nation's own; an
// off-map state per 400, each three paid one. The whole draw waits for a month
// whose supplies pay for it, and a third of the men leave the people.
TEST_F(NationalWillTest, VolunteersComeWithTheLevelWhenTheTheatreCanPayForThemAll) {
  // Rows: nation, state (0 off-map), leader's bounty, leader's advantage, own
  // bounty, draft months, people, supplies, men.
  const int rows[][9] = {{kUnion, kUnionCityState, 2, 0, 2, -5, 4000, 1000, 20},
                         {kUnion, kUnionCityState, 2, 0, 2, 9, 4000, 1000, 220},
                         {kUnion, kUnionCityState, 2, 0, 2, 8, 4000, 1000, 20},
                         {kUnion, kUnionCityState, 0, 0, 0, -5, 4000, 0, 10},
                         {kUnion, 0, 3, 1, 3, -5, 4000, 80, 80},
                         {kUnion, 0, 3, 1, 3, -5, 4000, 79, 0},
                         {kSouth, kConfederateCityState, 5, 1, 5, -5, 3000, 500, 200},
                         {kSouth, kConfederateCityState, 5, 1, 5, -5, 3000, 499, 0},
                         {kFrance, 37, 250, 11, 0, -5, 3000, 0, 3000}};
  for (const auto& [n, s, bounty, advantage, own, draftMonths, people, supplies, men] : rows) {
    SCOPED_TRACE(testing::Message() << "nation " << n << ", level " << bounty << "+" << advantage
                                    << ", draft " << draftMonths << ", supplies " << supplies);
    Restart();
    const int leading = n == kUnion ? kUnion : kSouth;
    Nation(kFrance).Side = TSide::Confederate;
    Nation(leading).Bounty = bounty;
    Nation(leading).LeadershipAdvantage = advantage;
    for (int k = kUnion; k <= TNation::Britain; ++k) Nation(k).Human = 1;
    Nation(n).Bounty = own;
    Nation(n).DraftMonths = draftMonths;
    Supplies(n) = supplies;
    const int state = s == 0 ? 5 : s;
    TStateRec& record = StateOf(state, n);
    U16& pool = s == 0 ? record.Population : CityIn(state, n, people).Population;
    pool = people;
    ScriptRandomDraws({});
    UpdateNationalWill();
    EXPECT_EQ(Nation(n).MonthRecruits, men);
    EXPECT_EQ(record.Manpower, men);
    EXPECT_EQ(pool, people - men / 3);
    const int cost = own * men / (s == 0 ? 3 : 2);
    EXPECT_EQ(Supplies(n), supplies - cost);
  }
}

TEST_F(NationalWillTest, OnlyListedCapitalStatesAndHeldOffMapStatesSendVolunteers) {
  Nation(kUnion).Human = 1;
  Supplies(kUnion) = 10000;
  StateOf(7, kUnion);
  TCity& unlisted = CityIn(7, kUnion, 3000);
  TStateRec& overrun = StateOf(4, kUnion);
  overrun.ControlSide = TSide::Confederate;
  overrun.Population = 4000;
  UpdateNationalWill();
  EXPECT_EQ(unlisted.Population, 3000);
  EXPECT_EQ(overrun.Manpower, 0);
  EXPECT_EQ(Supplies(kUnion), 10000);
}

TEST_F(NationalWillTest, UnderASlaveryPolicySlavesAreEnlistedEvenWhenNoVolunteerCanBePaid) {
  TNationRec& south = Nation(kSouth);
  south.Human = 1;
  south.PolicyStatus = 9;
  TStateRec& state = StateOf(kConfederateCityState, kSouth);
  TCity& city = CityIn(kConfederateCityState, kSouth, 3000);
  city.Slaves = 1000;
  TStateRec& off_map = StateOf(5, kSouth);
  off_map.Slaves = 2000;
  UpdateNationalWill();
  // 100 x 9 / 30 = 30 from the city, 60 from the state; a third as many leave the rolls.
  EXPECT_EQ((std::array<int, 5>{city.Slaves, off_map.Slaves, state.Manpower, off_map.Manpower,
                                south.MonthRecruits}),
            (std::array{1000 - 10, 2000 - 20, 30, 60, 90}));
  EXPECT_EQ(city.Population, 3000);
}

// While drafting, a nation that has lost nothing or more than 2000 (the
// Confederacy counts half) may riot: a state riots when its loyalty is below a
// roll of 0..59 plus 30 a year of war, or for the Confederacy of 0..79, and
// the nation's war score pays twice the state's weight, down to 0.
TEST_F(NationalWillTest, ADraftMayStartRiotsInStatesLessLoyalThanTheRoll) {
  // Rows: nation, draft months, losses, draw of 60, draw of 80, war score, riot.
  const int rows[][7] = {{kUnion, 9, 0, 11, -1, 7, 1},    {kUnion, 9, 1, -1, -1, 7, 0},
                         {kUnion, 9, 2000, -1, -1, 7, 0}, {kUnion, 9, 2001, 11, -1, 7, 1},
                         {kUnion, 9, 2001, 10, -1, 7, 0}, {kUnion, 1, 2001, 11, -1, 6, 1},
                         {kUnion, 0, 2001, -1, -1, 7, 0}, {kSouth, 9, 4000, -1, -1, 7, 0},
                         {kSouth, 9, 4002, 59, 51, 7, 1}, {kSouth, 9, 4002, 0, 50, 7, 0}};
  for (const auto& [n, draftMonths, losses, draw60, draw80, warScore, riot] : rows) {
    SCOPED_TRACE(testing::Message() << "nation " << n << ", draft " << draftMonths << ", losses "
                                    << losses << ", draws " << draw60 << "/" << draw80);
    Restart();
    GameState.Year = 1863;  // two years of war add 60 to the Union's roll
    Nation(n).DraftMonths = draftMonths;
    Nation(n).WarScore = warScore;
    TStateRec& state = StateOf(n == kUnion ? kUnionCityState : kConfederateCityState, n);
    state.Loyalty = 70;
    state.Weight = 3;
    state.Losses = losses;
    std::deque<ScriptedDraw> draws;
    if (draw60 >= 0) draws.push_back({60, draw60});
    if (draw80 >= 0) draws.push_back({80, draw80});
    if (n == kSouth && draw80 >= 0) state.Loyalty = 50;
    ScriptRandomDraws(draws);
    CheckRiots(n);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(window.CallCount("ShowDraftRiotingReport"), riot);
    EXPECT_EQ(Nation(n).WarScore, riot ? std::max(warScore - 6, 0) : warScore);
  }
}

TEST_F(NationalWillTest, ADraftIsAnnouncedRaisesTheLevelAndMayStartRiots) {
  GameState.Year = 1863;
  Nation(kUnion).AiWeight[TTheatre::Seaboard] = 0;
  StateOf(kUnionCityState, kUnion).Loyalty = 70;
  ScriptRandomDraws({{60, 11}});
  UpdateNationalWill();
  ASSERT_EQ(window.Notices().size(), 2u);
  EXPECT_EQ(window.Notices()[0].kind, 19);
  EXPECT_EQ(window.Notices()[0].lines[0], "text 211");
  EXPECT_EQ(window.Notices()[1].lines[0], "text 210");
  EXPECT_EQ(window.Notices()[1].lines[1], "State 6");
  EXPECT_EQ(window.Cursor(), WindowCursor::Default);
}

}  // namespace
