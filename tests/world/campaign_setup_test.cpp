// The set-up of a new campaign: each choice changes exactly its own fields,
// by the right amounts, with the draws in leader then rating order.
#include "world/campaign_setup.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <vector>

#include "support/window_fixture.h"
#include "world/codes.h"
#include "world/file_io.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

constexpr int kMissouri = 19, kKentucky = 20, kFallBackState = 24;
constexpr int kMissouriCity = 41, kKentuckyCity = 42, kUnionHeldCity = 55, kFallBackCity = 56;

struct FieldBytes {
  std::size_t offset, size;
};
template <class F>
FieldBytes Bytes(const F& field) {
  return {static_cast<std::size_t>(reinterpret_cast<const char*>(&field) -
                                   reinterpret_cast<const char*>(&GameState)),
          sizeof field};
}
using Fields = std::vector<FieldBytes>;

void SetState(int state, int x, int y) { MapRecord.Cell(x, y).Bytes[2] = static_cast<std::uint8_t>(state); }

class CampaignSetupTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    GameFileName = PathOf("Game1.");
    GameState.EndMonth = 12;
    GameState.EndYear = 1864;
    GameState.MailSide = 2;
    GameState.BattleCount = 7;
    for (int l = 1; l <= GameState.Leaders.Count; ++l) {
      TLeader& leader = GameState.Leaders[l];
      leader.Side = static_cast<std::uint8_t>(l % 2 == 1 ? TSide::Union : TSide::Confederate);
      leader.Combat = leader.Initiative = leader.Aggression = leader.Inspiration = 200;
    }
    for (int city : {kRichmond, kRaleigh, kAtlanta, kMontgomery}) GameState.Cities[city].Value = 50;
    for (int state : {kMissouri, kKentucky}) GameState.States[state].Loyalty = 60;
    for (auto [city, state, x] : {std::array{kMissouriCity, kMissouri, 12},
                                  std::array{kKentuckyCity, kKentucky, 30},
                                  std::array{kUnionHeldCity, kMissouri, 11},
                                  std::array{kFallBackCity, kFallBackState, 21}}) {
      GameState.Cities[city].State = static_cast<std::uint8_t>(state);
      GameState.Cities[city].X = GameState.Cities[city].Y = static_cast<std::uint8_t>(x);
    }
    SetState(kMissouri, 10, 10);
    SetState(kFallBackState, 20, 20);
    unionInMissouri = AddCorps(10, 10, TSide::Union, TNation::Union);
    confederateInMissouri = AddCorps(10, 10, TSide::Confederate, TNation::Confederacy);
    unionInFallBack = AddCorps(20, 20, TSide::Union, TNation::Union);
    confederateInFallBack = AddCorps(20, 20, TSide::Confederate, TNation::Confederacy);
    for (int p = 1; p <= GameState.AiPlans.Count; ++p) {
      TAiPlan& plan = GameState.AiPlans[p];
      plan.Limit = 5;
      plan.Counter = 6;
      plan.Phase = 7;
    }
    ApplySetupChoices({});  // the fields every set-up writes now hold the defaults
  }

  static Fields Plans() {
    Fields fields;
    for (int p = 1; p <= GameState.AiPlans.Count; ++p) {
      const TAiPlan& plan = GameState.AiPlans[p];
      fields.insert(fields.end(), {Bytes(plan.Limit), Bytes(plan.Counter), Bytes(plan.Phase)});
    }
    return fields;
  }
  static Fields Advantaged(int side) {
    Fields fields;
    for (int l = 1; l <= GameState.Leaders.Count; ++l) {
      const TLeader& leader = GameState.Leaders[l];
      if (leader.Side == side)
        fields.insert(fields.end(), {Bytes(leader.Combat), Bytes(leader.Initiative), Bytes(leader.Inspiration)});
    }
    return fields;
  }
  static Fields AllRatings() {
    Fields fields;
    for (int l = 1; l <= GameState.Leaders.Count; ++l) {
      const TLeader& leader = GameState.Leaders[l];
      fields.insert(fields.end(), {Bytes(leader.Combat), Bytes(leader.Initiative), Bytes(leader.Aggression),
                                   Bytes(leader.Inspiration)});
    }
    return fields;
  }
  static Fields CitySides(int city) {
    const TCity& c = GameState.Cities[city];
    return {Bytes(c.Nation), Bytes(c.Side), Bytes(c.OriginalSide)};
  }
  static Fields StateJoins(int state) {
    const TStateRec& s = GameState.States[state];
    return {Bytes(s.Nation), Bytes(s.ControlSide), Bytes(s.Side), Bytes(s.Loyalty)};
  }
  static Fields Position(int corps) { return {Bytes(GameState.Corps[corps].X), Bytes(GameState.Corps[corps].Y)}; }

  int unionInMissouri = 0, confederateInMissouri = 0, unionInFallBack = 0, confederateInFallBack = 0;
};

Fields Join(std::initializer_list<Fields> parts) {
  Fields all;
  for (const Fields& part : parts) all.insert(all.end(), part.begin(), part.end());
  return all;
}

// Every byte the set-up changed lies in an expected field, and every expected
// field changed.
TEST_F(CampaignSetupTest, EachChoiceChangesExactlyItsOwnFields) {
  const TNationRec& yankees = GameState.Nations[TNation::Union];
  const TNationRec& rebels = GameState.Nations[TNation::Confederacy];
  struct Row {
    const char* choice;
    std::function<void(TSetupChoices&)> choose;
    std::function<Fields()> changed;
  };
  const Row rows[] = {
      {"the defaults again", [](TSetupChoices&) {}, [] { return Fields{}; }},
      {"Union computer", [](TSetupChoices& c) { c.human[0] = false; },
       [&] { return Join({{Bytes(yankees.Human)}, Plans()}); }},
      {"Union computer, large advantage", [](TSetupChoices& c) { c.human[0] = false; c.advantage[0] = 2; },
       [&] { return Join({{Bytes(yankees.Human), Bytes(yankees.LeadershipAdvantage)}, Plans(), Advantaged(1)}); }},
      {"Confederate computer, mild advantage", [](TSetupChoices& c) { c.human[1] = false; c.advantage[1] = 1; },
       [&] { return Join({{Bytes(rebels.Human), Bytes(rebels.LeadershipAdvantage)}, Plans(), Advantaged(2)}); }},
      {"an advantage for a human side", [](TSetupChoices& c) { c.advantage = {2, 2}; }, [] { return Fields{}; }},
      {"full campaign", [](TSetupChoices& c) { c.full_campaign = true; },
       [] { return Fields{Bytes(GameState.EndMonth), Bytes(GameState.EndYear), Bytes(GameState.ExtensionMark)}; }},
      {"slight variation", [](TSetupChoices& c) { c.ratings = LeaderRatings::kSlightVariation; }, AllRatings},
      {"random ratings", [](TSetupChoices& c) { c.ratings = LeaderRatings::kRandom; }, AllRatings},
      {"ratings in view", [](TSetupChoices& c) { c.ratings_in_view = true; },
       [] { return Fields{Bytes(GameState.ShowLeaderRatings)}; }},
      {"Montgomery", [](TSetupChoices& c) { c.confederate_capital = kMontgomery; },
       [&] { return Fields{Bytes(rebels.Capital), Bytes(GameState.Cities[kMontgomery].Value), Bytes(GameState.Cities[kRichmond].Value)}; }},
      {"Raleigh", [](TSetupChoices& c) { c.confederate_capital = kRaleigh; },
       [&] { return Fields{Bytes(rebels.Capital), Bytes(GameState.Cities[kRaleigh].Value), Bytes(GameState.Cities[kRichmond].Value)}; }},
      {"Atlanta", [](TSetupChoices& c) { c.confederate_capital = kAtlanta; },
       [&] { return Fields{Bytes(rebels.Capital), Bytes(GameState.Cities[kAtlanta].Value), Bytes(GameState.Cities[kRichmond].Value)}; }},
      {"combat roles", [](TSetupChoices& c) { c.slavery_policy = 1; }, [&] { return Fields{Bytes(rebels.PolicyStatus)}; }},
      {"no chance of intervention", [](TSetupChoices& c) { c.intervention_attitude = 500; },
       [] { return Fields{Bytes(GameState.Nations[3].Attitude), Bytes(GameState.Nations[4].Attitude)}; }},
      {"mail", [](TSetupChoices& c) { c.by_mail = true; },
       [] { return Fields{Bytes(GameState.PlayMode), Bytes(GameState.MailSide), Bytes(GameState.BattleCount)}; }},
      {"mail with a computer side", [](TSetupChoices& c) { c.by_mail = true; c.human[1] = false; },
       [&] { return Join({{Bytes(rebels.Human)}, Plans()}); }},
      {"Kentucky joins", [](TSetupChoices& c) { c.kentucky_joins = true; },
       [] { return Join({StateJoins(kKentucky), CitySides(kKentuckyCity)}); }},
      {"Missouri joins", [](TSetupChoices& c) { c.missouri_joins = true; },
       [&] { return Join({StateJoins(kMissouri), CitySides(kMissouriCity), CitySides(kUnionHeldCity),
                          Position(unionInMissouri), Position(confederateInFallBack)}); }},
  };
  const std::vector<char> before(reinterpret_cast<const char*>(&GameState),
                                 reinterpret_cast<const char*>(&GameState) + sizeof GameState);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.choice);
    std::memcpy(&GameState, before.data(), before.size());
    TSetupChoices choices;
    row.choose(choices);
    ApplySetupChoices(choices);
    const char* after = reinterpret_cast<const char*>(&GameState);
    std::vector<bool> expected(before.size());
    for (const FieldBytes& field : row.changed()) {
      bool changed = false;
      for (std::size_t i = field.offset; i < field.offset + field.size; ++i) {
        expected[i] = true;
        changed = changed || after[i] != before[i];
      }
      EXPECT_TRUE(changed) << "field at byte " << field.offset << " kept its value";
    }
    for (std::size_t i = 0; i < before.size(); ++i)
      EXPECT_TRUE(expected[i] || after[i] == before[i]) << "byte " << i << " changed";
  }
}

TEST_F(CampaignSetupTest, ValuesStayInTheirFieldsAndLoyaltyStopsAt100) {
  struct Row {
    const char* case_name;
    std::function<void(TSetupChoices&)> choose;
    std::function<int()> field;
    int start, expected;
  };
  TCity& richmond = GameState.Cities[kRichmond];
  TLeader& unionLeader = GameState.Leaders[1];
  const Row rows[] = {
      {"Kentucky's loyalty below the cap", [](TSetupChoices& c) { c.kentucky_joins = true; },
       [] { return GameState.States[kKentucky].Loyalty; }, 70, 100},
      {"Kentucky's loyalty capped", [](TSetupChoices& c) { c.kentucky_joins = true; },
       [] { return GameState.States[kKentucky].Loyalty; }, 71, 100},
      {"Missouri's loyalty", [](TSetupChoices& c) { c.missouri_joins = true; },
       [] { return GameState.States[kMissouri].Loyalty; }, 69, 99},
      {"Richmond's value", [](TSetupChoices& c) { c.confederate_capital = kAtlanta; }, [&] { return richmond.Value; }, 5, 0},
      {"Richmond's value floored", [](TSetupChoices& c) { c.confederate_capital = kAtlanta; }, [&] { return richmond.Value; }, 4, 0},
      {"a new capital's value", [](TSetupChoices& c) { c.confederate_capital = kAtlanta; },
       [] { return GameState.Cities[kAtlanta].Value; }, 245, 255},
      {"a new capital's value capped", [](TSetupChoices& c) { c.confederate_capital = kAtlanta; },
       [] { return GameState.Cities[kAtlanta].Value; }, 246, 255},
      {"large advantage", [](TSetupChoices& c) { c.human[0] = false; c.advantage[0] = 2; }, [&] { return unionLeader.Combat; }, 231, 255},
      {"large advantage capped", [](TSetupChoices& c) { c.human[0] = false; c.advantage[0] = 2; }, [&] { return unionLeader.Combat; }, 232, 255},
      {"large advantage, initiative", [](TSetupChoices& c) { c.human[0] = false; c.advantage[0] = 2; }, [&] { return unionLeader.Initiative; }, 5, 8},
      {"mild advantage, inspiration", [](TSetupChoices& c) { c.human[0] = false; c.advantage[0] = 1; }, [&] { return unionLeader.Inspiration; }, 30, 42},
      {"mild advantage, initiative", [](TSetupChoices& c) { c.human[0] = false; c.advantage[0] = 1; }, [&] { return unionLeader.Initiative; }, 5, 6},
      {"emancipation", [](TSetupChoices& c) { c.slavery_policy = 11; }, [] { return GameState.Nations[2].PolicyStatus; }, 0, 11},
      {"historical slavery keeps the policy", [](TSetupChoices&) {}, [] { return GameState.Nations[2].PolicyStatus; }, 3, 3},
      {"good chance", [](TSetupChoices& c) { c.intervention_attitude = 10; }, [] { return static_cast<int>(GameState.Nations[4].Attitude); }, 60, 10},
  };
  const TGameState before = GameState;
  for (const Row& row : rows) {
    SCOPED_TRACE(row.case_name);
    GameState = before;
    GameState.States[kKentucky].Loyalty = GameState.States[kMissouri].Loyalty = static_cast<std::uint8_t>(row.start);
    richmond.Value = GameState.Cities[kAtlanta].Value = static_cast<std::uint8_t>(row.start);
    unionLeader.Combat = unionLeader.Initiative = unionLeader.Inspiration = static_cast<std::uint8_t>(row.start);
    GameState.Nations[2].PolicyStatus = static_cast<std::uint8_t>(row.start);
    GameState.Nations[4].Attitude = row.start;
    TSetupChoices choices;
    row.choose(choices);
    ApplySetupChoices(choices);
    EXPECT_EQ(row.field(), row.expected);
  }
}

// The lowest and highest draw of each rating, leader 1 and leader 2; the
// script fails if the draws come in any other order.
TEST_F(CampaignSetupTest, RatingsDrawLeaderByLeaderInRecordOrder) {
  struct Row {
    LeaderRatings ratings;
    std::array<int, 4> bounds;
    std::array<int, 4> lowest, highest;
  };
  const Row rows[] = {
      {LeaderRatings::kRandom, {59, 7, 50, 50}, {1, 3, 5, 10}, {59, 9, 54, 59}},
      {LeaderRatings::kSlightVariation, {59, 10, 50, 50}, {150, 150, 150, 150}, {164, 152, 162, 162}},
  };
  for (const Row& row : rows) {
    std::deque<ScriptedDraw> draws;
    for (int l = 1; l <= GameState.Leaders.Count; ++l)
      for (int r = 0; r < 4; ++r) draws.push_back({row.bounds[r], l == 2 ? row.bounds[r] - 1 : 0});
    ScriptRandomDraws(draws);
    TSetupChoices choices;
    choices.ratings = row.ratings;
    for (int l = 1; l <= 2; ++l) {
      TLeader& leader = GameState.Leaders[l];
      leader.Combat = leader.Initiative = leader.Aggression = leader.Inspiration = 200;
    }
    ApplySetupChoices(choices);
    StopScriptingRandomDraws();
    for (int l = 1; l <= 2; ++l) {
      const TLeader& leader = GameState.Leaders[l];
      EXPECT_EQ((std::array<int, 4>{leader.Combat, leader.Initiative, leader.Aggression, leader.Inspiration}),
                l == 1 ? row.lowest : row.highest);
    }
  }
}

TEST_F(CampaignSetupTest, AMailGameStartsItsBattleFileAndAFailedWriteIsReported) {
  TSetupChoices choices;
  choices.by_mail = true;
  ApplySetupChoices(choices);
  EXPECT_EQ(GameState.PlayMode, 2);
  EXPECT_EQ(ReadTextLines(GameFileName + "BTL"), (std::vector<std::string>{"No History"}));
  EXPECT_TRUE(window.Messages().empty());
  GameFileName = PathOf("no such folder/Game1.");
  ApplySetupChoices(choices);
  EXPECT_EQ(window.Messages().size(), 1u);
}

}  // namespace
