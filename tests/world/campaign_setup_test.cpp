// The set-up of a new campaign: each choice changes exactly its own fields,
// and what it adds stays inside the fields' ranges.
#include "world/campaign_setup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "support/window_fixture.h"
#include "world/codes.h"
#include "world/file_io.h"
#include "world/vardecl.h"

namespace {

constexpr int kMissouri = 19, kKentucky = 20, kFallBackState = 24;
constexpr int kMissouriCity = 41, kKentuckyCity = 42, kUnionHeldCity = 55, kFallBackCity = 56;

struct FieldBytes {
  std::size_t offset, size;
};
using Fields = std::vector<FieldBytes>;
template <class... F>
Fields Of(const F&... fields) {
  const auto* base = reinterpret_cast<const char*>(&GameState);
  return {{static_cast<std::size_t>(reinterpret_cast<const char*>(&fields) - base), sizeof fields}...};
}
Fields operator+(Fields a, const Fields& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}
TNationRec& Nation(int n) { return GameState.Nations[n]; }
TCity& City(int c) { return GameState.Cities[c]; }

class CampaignSetupTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    GameFileName = PathOf("Game1.");
    GameState.EndYear = 1864;
    GameState.MailSide = 2;
    GameState.BattleCount = 7;
    for (int l = 1; l <= GameState.Leaders.Count; ++l) {
      TLeader& leader = GameState.Leaders[l];
      leader.Side = static_cast<std::uint8_t>(2 - l % 2);
      leader.Combat = leader.Initiative = leader.Aggression = leader.Inspiration = 200;
    }
    for (int city : {kRichmond, kRaleigh, kAtlanta, kMontgomery}) City(city).Value = 50;
    for (auto [city, state, xy] : {std::array{kMissouriCity, kMissouri, 12}, std::array{kKentuckyCity, kKentucky, 30},
                                   std::array{kUnionHeldCity, kMissouri, 11}, std::array{kFallBackCity, kFallBackState, 21}}) {
      City(city).State = static_cast<std::uint8_t>(state);
      City(city).X = City(city).Y = static_cast<std::uint8_t>(xy);
    }
    MapRecord.Cell(10, 10).Bytes[2] = kMissouri;
    MapRecord.Cell(20, 20).Bytes[2] = kFallBackState;
    for (int side : {TSide::Union, TSide::Confederate}) {
      inMissouri[side - 1] = AddCorps(10, 10, side, side);
      fallingBack[side - 1] = AddCorps(20, 20, side, side);
    }
    for (int p = 1; p <= GameState.AiPlans.Count; ++p) {
      GameState.AiPlans[p].Limit = 5;
      GameState.AiPlans[p].Counter = 6;
      GameState.AiPlans[p].Phase = 7;
    }
    ApplySetupChoices({});  // the fields every set-up writes now hold the defaults
  }

  static Fields Plans() {
    Fields fields;
    for (int p = 1; p <= GameState.AiPlans.Count; ++p) {
      const TAiPlan& plan = GameState.AiPlans[p];
      fields = fields + Of(plan.Limit, plan.Counter, plan.Phase);
    }
    return fields;
  }
  // The ratings of every leader of the side (0: all), those an advantage raises or all four.
  static Fields Ratings(int side, bool all_four) {
    Fields fields;
    for (int l = 1; l <= GameState.Leaders.Count; ++l) {
      const TLeader& leader = GameState.Leaders[l];
      if (side != 0 && leader.Side != side) continue;
      fields = fields + Of(leader.Combat, leader.Initiative, leader.Inspiration);
      if (all_four) fields = fields + Of(leader.Aggression);
    }
    return fields;
  }
  static Fields Joins(int state, int city) {
    const TStateRec& s = GameState.States[state];
    return Of(s.Nation, s.ControlSide, s.Side, s.Loyalty, City(city).Nation, City(city).Side, City(city).OriginalSide);
  }
  static Fields Moved(int corps) { return Of(GameState.Corps[corps].X, GameState.Corps[corps].Y); }

  std::array<int, 2> inMissouri{}, fallingBack{};
};

// Every byte the set-up changed lies in an expected field, and every expected field changed.
TEST_F(CampaignSetupTest, EachChoiceChangesExactlyItsOwnFields) {
  struct Row {
    const char* choice;
    TSetupChoices choices;
    std::function<Fields()> changed;
  };
  const Row rows[] = {
      {"the defaults again", {}, [] { return Fields{}; }},
      {"Union computer", {.human = {false, true}}, [] { return Of(Nation(1).Human) + Plans(); }},
      {"Union computer, large advantage", {.human = {false, true}, .advantage = {2, 0}},
       [] { return Of(Nation(1).Human, Nation(1).LeadershipAdvantage) + Plans() + Ratings(1, false); }},
      {"Confederate computer, mild advantage", {.human = {true, false}, .advantage = {0, 1}},
       [] { return Of(Nation(2).Human, Nation(2).LeadershipAdvantage) + Plans() + Ratings(2, false); }},
      {"an advantage for human sides", {.advantage = {2, 2}}, [] { return Fields{}; }},
      {"full campaign", {.full_campaign = true},
       [] { return Of(GameState.EndMonth, GameState.EndYear, GameState.ExtensionMark); }},
      {"slight variation", {.ratings = LeaderRatings::kSlightVariation}, [] { return Ratings(0, true); }},
      {"random ratings", {.ratings = LeaderRatings::kRandom}, [] { return Ratings(0, true); }},
      {"ratings in view", {.ratings_in_view = true}, [] { return Of(GameState.ShowLeaderRatings); }},
      {"Montgomery", {.confederate_capital = kMontgomery},
       [] { return Of(Nation(2).Capital, City(kMontgomery).Value, City(kRichmond).Value); }},
      {"Raleigh", {.confederate_capital = kRaleigh},
       [] { return Of(Nation(2).Capital, City(kRaleigh).Value, City(kRichmond).Value); }},
      {"Atlanta", {.confederate_capital = kAtlanta},
       [] { return Of(Nation(2).Capital, City(kAtlanta).Value, City(kRichmond).Value); }},
      {"combat roles", {.slavery_policy = 1}, [] { return Of(Nation(2).PolicyStatus); }},
      {"no chance of intervention", {.intervention_attitude = 500}, [] { return Of(Nation(3).Attitude, Nation(4).Attitude); }},
      {"mail", {.by_mail = true}, [] { return Of(GameState.PlayMode, GameState.MailSide, GameState.BattleCount); }},
      {"mail with a computer side", {.human = {true, false}, .by_mail = true}, [] { return Of(Nation(2).Human) + Plans(); }},
      {"Kentucky joins", {.kentucky_joins = true}, [] { return Joins(kKentucky, kKentuckyCity); }},
      {"Missouri joins", {.missouri_joins = true}, [&] {
         return Joins(kMissouri, kMissouriCity) + Of(City(kUnionHeldCity).Nation, City(kUnionHeldCity).Side,
                                                     City(kUnionHeldCity).OriginalSide) +
                Moved(inMissouri[0]) + Moved(fallingBack[1]);
       }},
  };
  std::vector<char> before(sizeof GameState);
  std::memcpy(before.data(), &GameState, before.size());
  for (const Row& row : rows) {
    SCOPED_TRACE(row.choice);
    std::memcpy(&GameState, before.data(), before.size());
    ApplySetupChoices(row.choices);
    const char* after = reinterpret_cast<const char*>(&GameState);
    std::vector<bool> expected(before.size());
    for (const FieldBytes& field : row.changed()) {
      bool changed = false;
      for (std::size_t i = field.offset; i < field.offset + field.size; ++i) {
        expected[i] = true;
        changed = changed || after[i] != before[i];
      }
      EXPECT_TRUE(changed) << "the field at byte " << field.offset << " kept its value";
    }
    for (std::size_t i = 0; i < before.size(); ++i)
      EXPECT_TRUE(expected[i] || after[i] == before[i]) << "byte " << i << " changed";
  }
  EXPECT_EQ(ReadTextLines(GameFileName + "BTL"), (std::vector<std::string>{"No History"}));
}

// Each row starts every field it looks at from `start`.
TEST_F(CampaignSetupTest, WhatTheSetUpAddsStaysInItsField) {
  struct Row {
    const char* case_name;
    TSetupChoices choices;
    std::function<int()> field;
    int start, expected;
  };
  const TSetupChoices large{.human = {false, true}, .advantage = {2, 0}};
  const TSetupChoices mild{.human = {false, true}, .advantage = {1, 0}};
  TLeader& leader = GameState.Leaders[1];
  const Row rows[] = {
      {"loyalty up to 100", {.kentucky_joins = true}, [] { return GameState.States[kKentucky].Loyalty; }, 70, 100},
      {"loyalty stops at 100", {.kentucky_joins = true}, [] { return GameState.States[kKentucky].Loyalty; }, 71, 100},
      {"Missouri's loyalty", {.missouri_joins = true}, [] { return GameState.States[kMissouri].Loyalty; }, 69, 99},
      {"Richmond's value down to 0", {.confederate_capital = kAtlanta}, [] { return City(kRichmond).Value; }, 5, 0},
      {"Richmond's value stops at 0", {.confederate_capital = kAtlanta}, [] { return City(kRichmond).Value; }, 4, 0},
      {"a new capital up to 255", {.confederate_capital = kAtlanta}, [] { return City(kAtlanta).Value; }, 245, 255},
      {"a new capital stops at 255", {.confederate_capital = kAtlanta}, [] { return City(kAtlanta).Value; }, 246, 255},
      {"large advantage up to 255", large, [&] { return leader.Combat; }, 231, 255},
      {"large advantage stops at 255", large, [&] { return leader.Inspiration; }, 232, 255},
      {"large advantage, initiative", large, [&] { return leader.Initiative; }, 5, 8},
      {"mild advantage", mild, [&] { return leader.Inspiration; }, 30, 42},
      {"mild advantage, initiative", mild, [&] { return leader.Initiative; }, 5, 6},
      {"emancipation", {.slavery_policy = 11}, [] { return Nation(2).PolicyStatus; }, 0, 11},
      {"historical slavery keeps the policy", {}, [] { return Nation(2).PolicyStatus; }, 3, 3},
      {"good chance of intervention", {.intervention_attitude = 10}, [] { return int{Nation(4).Attitude}; }, 60, 10},
  };
  const TGameState before = GameState;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.case_name);
    GameState = before;
    const auto start = static_cast<std::uint8_t>(row.start);
    GameState.States[kKentucky].Loyalty = GameState.States[kMissouri].Loyalty = start;
    City(kRichmond).Value = City(kAtlanta).Value = start;
    leader.Combat = leader.Initiative = leader.Inspiration = Nation(2).PolicyStatus = start;
    Nation(4).Attitude = row.start;
    ApplySetupChoices(row.choices);
    EXPECT_EQ(row.field(), row.expected);
  }
}

}  // namespace
