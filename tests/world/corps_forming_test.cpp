#include "world/corps_forming.h"

#include <gtest/gtest.h>

#include <string>

#include "support/window_fixture.h"
#include "tests/world/force_builders.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/play_modes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

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

  // Capacity 40 / 20 + 4 = 6 for a Union corps.
  int Commander(int side = TSide::Union) { return AddLeader({.side = side, .combat = 40}); }

  int InGarrison(int arm, int nation = TNation::Union) {
    const int b = AddBrigade({.nation = nation,
                              .arm = arm,
                              .strength = arm == TArm::Artillery ? 16 : 80,
                              .status = TBrigadeStatus::InGarrison,
                              .location = city});
    ++GameState.Cities[city].GarrisonCount;
    return b;
  }

  static int InCorpsOf(int corps) {
    int count = 0;
    for (int b = 1; b <= GameState.Brigades.Count; ++b) {
      const TBrigade& brigade = GameState.Brigades[b];
      if (brigade.Status == TBrigadeStatus::InCorps && brigade.Location == corps) ++count;
    }
    return count;
  }

  static bool NoCorpsActive() {
    for (int c = 1; c <= GameState.Corps.Count; ++c)
      if (!GameState.Corps[c].IsFree()) return false;
    return true;
  }

  int city = 0;
};

TEST_F(CorpsFormingTest, ACorpsTakesHalfItsCapacityInBatteriesAndFillsUpWithInfantry) {
  const int leader = Commander();
  for (int i = 0; i < 5; ++i) InGarrison(TArm::Artillery);
  for (int i = 0; i < 3; ++i) InGarrison(TArm::Cavalry);  // no place in an infantry corps
  for (int i = 0; i < 8; ++i) InGarrison(TArm::Infantry);
  GameState.Corps[1].Army = 4;
  GameState.Corps[1].PathStep = 3;

  const int c = FormCorpsFromBrigades(TCorpsKind::Corps, city, TNation::Union, kFromGarrison);
  ASSERT_EQ(c, 1);
  const TCorps& corps = GameState.Corps[c];
  EXPECT_EQ(corps.Capacity, 6);
  EXPECT_EQ(corps.ArtilleryBrigades, 3);
  EXPECT_EQ(corps.ArtilleryStrength, 48);
  EXPECT_EQ(corps.OtherBrigades, 6);
  // Until the next recount a battery counts one in the corps' strength.
  EXPECT_EQ(corps.Strength, 6 * 80 + 3);
  EXPECT_EQ(InCorpsOf(c), 9);
  EXPECT_EQ(GameState.Cities[city].GarrisonCount, 16 - 9);

  EXPECT_EQ(corps.Leader, leader);
  EXPECT_EQ(GameState.Leaders[leader].Status, 0);
  EXPECT_EQ(corps.LeaderCombat, 40);
  EXPECT_EQ(corps.X, 12);
  EXPECT_EQ(corps.DestY, 20);
  EXPECT_EQ(corps.Theatre, TTheatre::Seaboard);
  EXPECT_EQ(corps.State, 4);
  EXPECT_EQ(corps.City, city);
  EXPECT_EQ(corps.Posture, 2);
  EXPECT_EQ(corps.Stance, 1);
  EXPECT_EQ(corps.SupplyType, 1);
  EXPECT_EQ(corps.March, 1);
  EXPECT_EQ(corps.Cohesion, 5);
  EXPECT_EQ(corps.Readiness, 10);
  EXPECT_EQ(corps.Quality, 1);
  EXPECT_EQ(corps.Army, 0);
  EXPECT_EQ(corps.Side, TSide::Union);
  EXPECT_EQ(corps.PathStep, 3);  // not part of a new corps' orders
}

TEST_F(CorpsFormingTest, ABatteryAloneFormsACorpsOfStrengthOne) {
  Commander();
  InGarrison(TArm::Artillery);
  const int c = FormCorpsFromBrigades(TCorpsKind::Corps, city, TNation::Union, kFromGarrison);
  ASSERT_NE(c, 0);
  EXPECT_EQ(GameState.Corps[c].Strength, 1);
  EXPECT_EQ(GameState.Corps[c].OtherBrigades, 0);
}

TEST_F(CorpsFormingTest, ACavalryDivisionDrawsOnWaitingBrigadesAnywhere) {
  Commander();
  const int elsewhere = AddBrigade({.arm = TArm::Cavalry,
                                    .strength = 50,
                                    .status = TBrigadeStatus::ArmedAndWaiting,
                                    .location = 30});
  const int infantry = AddBrigade({.status = TBrigadeStatus::ArmedAndWaiting, .location = city});
  const int garrison = InGarrison(TArm::Cavalry);
  const int c =
      FormCorpsFromBrigades(TCorpsKind::CavalryDivision, city, TNation::Union, kFromWaiting);
  ASSERT_NE(c, 0);
  EXPECT_EQ(GameState.Brigades[elsewhere].Location, c);
  EXPECT_EQ(GameState.Brigades[infantry].Status, TBrigadeStatus::ArmedAndWaiting);
  EXPECT_EQ(GameState.Brigades[garrison].Status, TBrigadeStatus::InGarrison);
  EXPECT_EQ(GameState.Corps[c].Strength, 50);
  EXPECT_EQ(GameState.Cities[city].GarrisonCount, 1);
}

TEST_F(CorpsFormingTest, AFailedFormingGivesBackItsSlotAndItsCommander) {
  const int leader = Commander();
  InGarrison(TArm::Cavalry);
  // An infantry corps from a garrison of cavalry takes nothing.
  EXPECT_EQ(FormCorpsFromBrigades(TCorpsKind::Corps, city, TNation::Union, kFromGarrison), 0);
  EXPECT_TRUE(NoCorpsActive());
  EXPECT_EQ(GameState.Leaders[leader].Status, TLeaderStatus::Available);
  // No brigade of the nation at all.
  EXPECT_EQ(FormCorpsFromBrigades(TCorpsKind::Corps, city, TNation::Confederacy, kFromGarrison), 0);
  EXPECT_TRUE(NoCorpsActive());
  EXPECT_TRUE(window.Notices().empty());
  EXPECT_TRUE(window.Messages().empty());
}

TEST_F(CorpsFormingTest, AHumanPlayersNationIsNeverGivenACorps) {
  const int leader = Commander();
  const int b = InGarrison(TArm::Infantry);
  GameState.Nations[TNation::Union].Human = 1;
  EXPECT_EQ(FormCorpsFromBrigades(TCorpsKind::Corps, city, TNation::Union, kFromGarrison), 0);
  // Even in play by mail, where a commander is found, no brigade is taken.
  GameState.PlayMode = TPlayMode::MailToSend;
  EXPECT_EQ(FormCorpsFromBrigades(TCorpsKind::Corps, city, TNation::Union, kFromGarrison), 0);
  EXPECT_TRUE(NoCorpsActive());
  EXPECT_EQ(GameState.Brigades[b].Status, TBrigadeStatus::InGarrison);
  EXPECT_EQ(GameState.Leaders[leader].Status, TLeaderStatus::Available);
}

TEST_F(CorpsFormingTest, WithoutACommanderNoCorpsIsFormed) {
  InGarrison(TArm::Infantry);
  EXPECT_EQ(FormCorpsFromBrigades(TCorpsKind::Corps, city, TNation::Union, kFromGarrison), 0);
  EXPECT_TRUE(NoCorpsActive());
}

TEST_F(CorpsFormingTest, FranceFormsUnderAConfederateGeneralFromItsGarrisonAndWaitingBrigades) {
  const int general = Commander(TSide::Confederate);
  InGarrison(TArm::Infantry, TNation::France);
  AddBrigade(
      {.nation = TNation::France, .status = TBrigadeStatus::ArmedAndWaiting, .location = 40});
  const int c = FormCorpsFromBrigades(TCorpsKind::Corps, city, TNation::France, kFromWaiting);
  ASSERT_NE(c, 0);
  EXPECT_EQ(GameState.Corps[c].Leader, general);
  EXPECT_EQ(GameState.Corps[c].Side, TSide::Confederate);
  EXPECT_EQ(GameState.Corps[c].OtherBrigades, 2);
  // Capacity of a French corps: 40 / 20 + 4.
  EXPECT_EQ(GameState.Corps[c].Capacity, 6);
}

TEST_F(CorpsFormingTest, TheNewCorpsIsAnnouncedOnlyToThoseWhoFollowTheNation) {
  struct Case {
    int view;
    bool shown;
  };
  for (const Case& c : {Case{1, true}, Case{3, true}, Case{2, false}, Case{0, false}}) {
    GameState.MessageView = static_cast<std::uint16_t>(c.view);
    Commander();
    InGarrison(TArm::Infantry);
    const std::size_t before = window.Notices().size();
    ASSERT_NE(
        FormCorpsFromBrigades(TCorpsKind::InfantryDivision, city, TNation::Union, kFromGarrison),
        0);
    EXPECT_EQ(window.Notices().size() - before, c.shown ? 1u : 0u) << "view " << c.view;
  }
  const RecordedNotice& notice = window.Notices()[0];
  EXPECT_EQ(notice.kind, 21);
  EXPECT_EQ(notice.lines[0], "Union text 369");
  EXPECT_EQ(notice.lines[1].rfind("text 21 General ", 0), 0u);
  EXPECT_EQ(notice.lines[2], "text 105 " + GameState.Cities[city].Name.str());
}

TEST_F(CorpsFormingTest, NoRoomOrACityOutsideTheTheatresIsReportedToTheSideGivingOrders) {
  Commander();
  InGarrison(TArm::Infantry);
  GameState.Cities[city].Theatre = 0;
  CurrentSide = TNation::Union;
  EXPECT_EQ(FormCorpsFromBrigades(TCorpsKind::Corps, city, TNation::Union, kFromGarrison), 0);
  EXPECT_TRUE(NoCorpsActive());
  ASSERT_EQ(window.Messages().size(), 1u);
  EXPECT_EQ(window.Messages()[0], "text 107");
  EXPECT_EQ(window.Cursor(), WindowCursor::Default);

  GameState.Cities[city].Theatre = TTheatre::Seaboard;
  for (int c = 1; c <= GameState.Corps.Count; ++c) AddCorps(1, 1, TSide::Union, TNation::Union);
  CurrentSide = 0;
  EXPECT_EQ(FormCorpsFromBrigades(TCorpsKind::Corps, city, TNation::Union, kFromGarrison), 0);
  EXPECT_EQ(window.Messages().size(), 1u);
}

}  // namespace
