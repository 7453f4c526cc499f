#include "world/corps_forming.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>

#include "support/window_fixture.h"
#include "tests/world/force_builders.h"
#include "world/brigade_rules.h"
#include "world/play_modes.h"
#include "world/random.h"

namespace {

constexpr int kUnion = TNation::Union;

// A Union city in the first theatre, state 4; France in the Confederate camp.
class CorpsFormingTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    city = AddCity(12, 20, TSide::Union);
    GameState.Cities[city].Theatre = TTheatre::Seaboard;
    GameState.Cities[city].State = 4;
    GameState.Nations[TNation::France].Side = TSide::Confederate;
    SetRandomSeed(7);
  }
  // Capacity 40 / 20 + 4 = 6 for a Union or French corps.
  static int Commander(int side = TSide::Union) { return AddLeader({.side = side, .combat = 40}); }
  int InGarrison(int arm, int nation = kUnion) {
    ++GameState.Cities[city].GarrisonCount;
    return AddBrigade({.nation = nation,
                       .arm = arm,
                       .strength = arm == TArm::Artillery ? 16 : 80,
                       .status = TBrigadeStatus::InGarrison,
                       .location = city});
  }
  int Form(int nation = kUnion, int source = kFromGarrison, int kind = TCorpsKind::Corps) const {
    return FormCorpsFromBrigades(kind, city, nation, source);
  }

  int city = 0;
};

// Batteries up to half the capacity, then the line arm until the capacity is
// full; until the next recount a battery counts one in the corps' strength.
TEST_F(CorpsFormingTest, ACorpsTakesHalfItsCapacityInBatteriesAndFillsUpWithInfantry) {
  const int leader = Commander();
  for (int i = 0; i < 5; ++i) InGarrison(TArm::Artillery);
  for (int i = 0; i < 3; ++i) InGarrison(TArm::Cavalry);  // no place in an infantry corps
  for (int i = 0; i < 8; ++i) InGarrison(TArm::Infantry);
  ASSERT_EQ(Form(), 1);
  const TCorps& corps = GameState.Corps[1];
  EXPECT_EQ((std::array<int, 5>{corps.Capacity, corps.ArtilleryBrigades, corps.ArtilleryStrength,
                                corps.OtherBrigades, corps.Strength}),
            (std::array{6, 3, 48, 6, 6 * 80 + 3}));
  EXPECT_EQ(GameState.Cities[city].GarrisonCount, 16 - 9);
  // Camped in its city under its commander.
  EXPECT_EQ((std::array<int, 4>{corps.Leader, corps.X, corps.Y, corps.City}),
            (std::array{leader, 12, 20, city}));
}

// Nothing to take, no commander, a human nation, or a city outside the three
// theatres: no corps, and the brigades and the commander are given back. Only
// the theatre is reported to a side giving orders.
TEST_F(CorpsFormingTest, AFailedFormingGivesBackItsSlotAndItsCommander) {
  enum Case { kOnlyCavalry, kNoBrigade, kNoCommander, kHuman, kTheatre0, kTheatre4, kTheatre3 };
  for (int k = kOnlyCavalry; k <= kTheatre3; ++k) {
    SCOPED_TRACE(k);
    TearDown();
    SetUp();
    window.ForgetRecords();
    const int leader = k == kNoCommander ? 0 : Commander();
    const int b = InGarrison(k == kOnlyCavalry ? TArm::Cavalry : TArm::Infantry,
                             k == kNoBrigade ? TNation::Confederacy : kUnion);
    GameState.Nations[kUnion].Human = k == kHuman;
    const int theatres[] = {0, 4, TTheatre::Mississippi};
    if (k >= kTheatre0) GameState.Cities[city].Theatre = theatres[k - kTheatre0];
    CurrentSide = kUnion;
    const bool formed = k == kTheatre3;
    EXPECT_EQ(Form() != 0, formed);
    EXPECT_EQ(GameState.Brigades[b].Status,
              formed ? TBrigadeStatus::InCorps : TBrigadeStatus::InGarrison);
    if (leader != 0 && !formed) {
      EXPECT_EQ(GameState.Leaders[leader].Status, TLeaderStatus::Available);
    }
    EXPECT_EQ(window.Messages().size(), k == kTheatre0 || k == kTheatre4 ? 1u : 0u);
  }
}

TEST_F(CorpsFormingTest, TheNewCorpsIsAnnouncedOnlyToThoseWhoFollowTheNation) {
  for (const auto& [view, shown] : {std::pair{1, 1}, {3, 1}, {2, 0}, {0, 0}}) {
    GameState.MessageView = view;
    Commander();
    InGarrison(TArm::Infantry);
    const std::size_t before = window.Notices().size();
    ASSERT_NE(Form(kUnion, kFromGarrison, TCorpsKind::InfantryDivision), 0);
    EXPECT_EQ(window.Notices().size() - before, static_cast<std::size_t>(shown)) << "view " << view;
  }
  const RecordedNotice& notice = window.Notices()[0];
  EXPECT_EQ(notice.kind, 21);
  EXPECT_EQ(notice.lines[0], "Union text 369");
  EXPECT_EQ(notice.lines[2], "text 105 " + GameState.Cities[city].Name.str());
}

}  // namespace
