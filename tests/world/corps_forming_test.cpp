#include "world/corps_forming.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <utility>
#include <vector>

#include "support/window_fixture.h"
#include "tests/world/force_builders.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/corps_fatigue.h"
#include "world/play_modes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

constexpr int kCorps = TCorpsKind::Corps;
constexpr int kUnion = TNation::Union;

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
  void Restart() {
    TearDown();
    SetUp();
    window.ForgetRecords();
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
  int Form(int nation = kUnion, int source = kFromGarrison, int kind = kCorps) const {
    return FormCorpsFromBrigades(kind, city, nation, source);
  }
  static bool NoCorpsActive() {
    for (int c = 1; c <= GameState.Corps.Count; ++c)
      if (!GameState.Corps[c].IsFree()) return false;
    return true;
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
  GameState.Corps[1].PathStep = 3;
  ASSERT_EQ(Form(), 1);
  const TCorps& corps = GameState.Corps[1];
  EXPECT_EQ((std::array<int, 5>{corps.Capacity, corps.ArtilleryBrigades, corps.ArtilleryStrength,
                                corps.OtherBrigades, corps.Strength}),
            (std::array{6, 3, 48, 6, 6 * 80 + 3}));
  int serving = 0;
  for (int b = 1; b <= GameState.Brigades.Count; ++b)
    serving += IsBrigadeOfCorps(GameState.Brigades[b], 1);
  EXPECT_EQ(serving, 9);
  EXPECT_EQ(GameState.Cities[city].GarrisonCount, 16 - 9);
  // Camped in its city, holding it, with a fresh record but for its path.
  EXPECT_EQ((std::array<int, 18>{corps.Leader, GameState.Leaders[leader].Status, corps.LeaderCombat,
                                 corps.X, corps.DestY, corps.Theatre, corps.State, corps.City,
                                 corps.Posture, corps.Stance, corps.SupplyType, corps.March,
                                 corps.Cohesion, corps.Readiness, corps.Quality, corps.Army,
                                 corps.Side, corps.PathStep}),
            (std::array{leader, 0, 40, 12, 20, 1, 4, city, 2, 1, 1, 1, 5, 10, 1, 0, 1, 3}));
}

TEST_F(CorpsFormingTest, ADivisionOrAForeignCorpsAlsoDrawsOnWaitingBrigadesAnywhere) {
  Commander();
  const int elsewhere = AddBrigade({.arm = TArm::Cavalry,
                                    .strength = 50,
                                    .status = TBrigadeStatus::ArmedAndWaiting,
                                    .location = 30});
  const int infantry = AddBrigade({.status = TBrigadeStatus::ArmedAndWaiting, .location = city});
  const int garrison = InGarrison(TArm::Cavalry);
  const int c = Form(kUnion, kFromWaiting, TCorpsKind::CavalryDivision);
  ASSERT_NE(c, 0);
  EXPECT_EQ(GameState.Brigades[elsewhere].Location, c);
  EXPECT_EQ(GameState.Brigades[infantry].Status, TBrigadeStatus::ArmedAndWaiting);
  EXPECT_EQ(GameState.Brigades[garrison].Status, TBrigadeStatus::InGarrison);
  EXPECT_EQ(GameState.Corps[c].Strength, 50);

  // France takes its garrison too, under a general of its camp.
  const int general = Commander(TSide::Confederate);
  InGarrison(TArm::Infantry, TNation::France);
  AddBrigade(
      {.nation = TNation::France, .status = TBrigadeStatus::ArmedAndWaiting, .location = 40});
  const int french = Form(TNation::France, kFromWaiting);
  ASSERT_NE(french, 0);
  const TCorps& corps = GameState.Corps[french];
  EXPECT_EQ((std::array<int, 4>{corps.Leader, corps.Side, corps.OtherBrigades, corps.Capacity}),
            (std::array{general, TSide::Confederate, 2, 6}));
}

// Nothing to take, no commander, a human nation (even in play by mail, where a
// commander is found), or a city outside the three theatres: no corps, and the
// slot and the commander are given back. Only no room is reported, and only to
// a side giving orders.
TEST_F(CorpsFormingTest, AFailedFormingGivesBackItsSlotAndItsCommander) {
  enum Case { kOnlyCavalry, kNoBrigade, kNoCommander, kHuman, kHumanByMail, kTheatre0, kTheatre4 };
  for (int k = kOnlyCavalry; k <= kTheatre4; ++k) {
    SCOPED_TRACE(k);
    Restart();
    const int leader = k == kNoCommander ? 0 : Commander();
    const int b = InGarrison(k == kOnlyCavalry ? TArm::Cavalry : TArm::Infantry,
                             k == kNoBrigade ? TNation::Confederacy : kUnion);
    GameState.Nations[kUnion].Human = k == kHuman || k == kHumanByMail;
    if (k == kHumanByMail) GameState.PlayMode = TPlayMode::MailToSend;
    if (k >= kTheatre0) GameState.Cities[city].Theatre = k == kTheatre0 ? 0 : 4;
    CurrentSide = kUnion;
    EXPECT_EQ(Form(), 0);
    EXPECT_TRUE(NoCorpsActive());
    EXPECT_EQ(GameState.Brigades[b].Status, TBrigadeStatus::InGarrison);
    if (leader != 0) {
      EXPECT_EQ(GameState.Leaders[leader].Status, TLeaderStatus::Available);
    }
    EXPECT_TRUE(window.Notices().empty());
    EXPECT_EQ(window.Messages(),
              k >= kTheatre0 ? std::vector<std::string>{"text 107"} : std::vector<std::string>{});
  }
  GameState.Cities[city].Theatre = TTheatre::Mississippi;
  EXPECT_NE(Form(), 0);
  for (int c = 2; c <= GameState.Corps.Count; ++c) AddCorps(1, 1, TSide::Union, kUnion);
  CurrentSide = 0;
  EXPECT_EQ(Form(), 0);
  EXPECT_EQ(window.Messages().size(), 1u);
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
  EXPECT_EQ(notice.lines[1].rfind("text 21 General ", 0), 0u);
  EXPECT_EQ(notice.lines[2], "text 105 " + GameState.Cities[city].Name.str());
}

}  // namespace
