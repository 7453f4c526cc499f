#include "world/corps_forming.h"

#include <array>
#include <utility>

#include "support/window_fixture.h"
#include "tests/world/force_builders.h"
#include "world/brigade_rules.h"
#include "world/random.h"

namespace {

constexpr int kUnion = TNation::Union;

// A Union city in the first theatre, state 4, and a commander rated 40: room
// for 40 / 20 + 4 = 6 brigades.
class CorpsFormingTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    window.ForgetRecords();
    city = AddCity(12, 20, TSide::Union);
    GameState.Cities[city].Theatre = TTheatre::Seaboard;
    GameState.Cities[city].State = 4;
    commander = AddLeader({.combat = 40});
    SetRandomSeed(7);
  }
  // Brigades of the arm in the city's garrison; returns the last.
  int InGarrison(int arm, int count = 1, int nation = kUnion) {
    GameState.Cities[city].GarrisonCount += count;
    int b = 0;
    for (int i = 0; i < count; ++i)
      b = AddBrigade({.nation = nation,
                      .arm = arm,
                      .strength = arm == TArm::Artillery ? 16 : 80,
                      .status = TBrigadeStatus::InGarrison,
                      .location = city});
    return b;
  }
  int Form(int kind = TCorpsKind::Corps) const {
    return FormCorpsFromBrigades(kind, city, kUnion, kFromGarrison);
  }

  int city = 0;
  int commander = 0;
};

// Batteries up to half the capacity, then the line arm until the capacity is
// full; until the next recount a battery counts one in the corps' strength.
// Cavalry has no place in an infantry corps.
TEST_F(CorpsFormingTest, ACorpsTakesHalfItsCapacityInBatteriesAndFillsUpWithInfantry) {
  InGarrison(TArm::Artillery, 5);
  InGarrison(TArm::Cavalry, 3);
  InGarrison(TArm::Infantry, 8);
  ASSERT_EQ(Form(), 1);
  const TCorps& corps = GameState.Corps[1];
  EXPECT_EQ(
      (std::array<int, 9>{corps.Capacity, corps.ArtilleryBrigades, corps.ArtilleryStrength,
                          corps.OtherBrigades, corps.Strength, GameState.Cities[city].GarrisonCount,
                          corps.Leader, corps.X, corps.City}),
      (std::array{6, 3, 48, 6, 6 * 80 + 3, 16 - 9, commander, 12, city}));
}

// Nothing to take, no commander, a human nation, or a city outside the three
// theatres: no corps, and the brigades and the commander are given back. Only
// the theatre is reported to a side giving orders.
TEST_F(CorpsFormingTest, AFailedFormingGivesBackItsSlotAndItsCommander) {
  enum Case { kOnlyCavalry, kNoBrigade, kNoCommander, kHuman, kTheatre0, kTheatre4, kTheatre3 };
  const int theatres[] = {TTheatre::Seaboard, 0, 4, TTheatre::Mississippi};
  for (int k = kOnlyCavalry; k <= kTheatre3; ++k) {
    SCOPED_TRACE(k);
    TearDown();
    SetUp();
    if (k == kNoCommander) GameState.Leaders[commander].Side = TSide::Confederate;
    const int b = InGarrison(k == kOnlyCavalry ? TArm::Cavalry : TArm::Infantry, 1,
                             k == kNoBrigade ? TNation::Confederacy : kUnion);
    GameState.Nations[kUnion].Human = k == kHuman;
    GameState.Cities[city].Theatre = theatres[std::max(k - kHuman, 0)];
    CurrentSide = kUnion;
    const bool formed = k == kTheatre3;
    EXPECT_EQ(Form() != 0, formed);
    EXPECT_EQ((std::array<int, 3>{GameState.Brigades[b].Status, GameState.Leaders[commander].Status,
                                  static_cast<int>(window.Messages().size())}),
              (std::array<int, 3>{formed ? TBrigadeStatus::InCorps : TBrigadeStatus::InGarrison,
                                  formed ? TLeaderStatus::InCommand : TLeaderStatus::Available,
                                  k == kTheatre0 || k == kTheatre4}));
  }
}

// Only those who follow the nation (message view 1 or 3) hear of a new corps.
TEST_F(CorpsFormingTest, TheNewCorpsIsAnnouncedOnlyToThoseWhoFollowTheNation) {
  for (const auto& [view, shown] : {std::pair{1, 1u}, {3, 2u}, {2, 2u}, {0, 2u}}) {
    GameState.MessageView = view;
    AddLeader({.combat = 40});
    InGarrison(TArm::Infantry);
    ASSERT_NE(Form(TCorpsKind::InfantryDivision), 0);
    EXPECT_EQ(window.Notices().size(), shown) << "view " << view;
  }
  EXPECT_EQ(window.Notices()[0].kind, 21);
  EXPECT_EQ(window.Notices()[0].lines[2], "text 105 " + GameState.Cities[city].Name.str());
}

}  // namespace
