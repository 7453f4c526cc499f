#include "world/corps_orders.h"

#include <gtest/gtest.h>

#include "tests/world/corps_fixture.h"
#include "world/corps_path.h"
#include "world/hex_grid.h"
#include "world/random.h"

namespace {

class CorpsOrdersTest : public CorpsTest {
 protected:
  void SetUp() override {
    CorpsTest::SetUp();
    LayLand(kPlain, TSide::Union);
    GameState.Nations[TNation::Union].Human = 1;
  }

  // A human Union corps at (10, 10) on its destination, rested, whose
  // movement points before the halvings are 10 x 3 + 20 = 50.
  int AddRestedCorps(int x = 10, int y = 10) { return AddMarchingCorps(x, y, TSide::Union); }

  static int AddSupplyCity(int x, int y, int side, int level) {
    const int city = AddCity(x, y, side);
    GameState.Cities[city].SupplyLevel = static_cast<std::uint8_t>(level);
    return city;
  }

  // Follows the corps' path from its hex.
  static THexPos PathEnd(int c) {
    std::uint16_t x = Corps(c).X;
    std::uint16_t y = Corps(c).Y;
    for (int s = 1; s <= kPathLength; ++s) StepHexRef(x, y, Corps(c).Path[s]);
    return {x, y};
  }
};

TEST_F(CorpsOrdersTest, APlayersPathIsKeptOrMovedUpAndAMissingOneIsRouted) {
  const int kept = AddRestedCorps(10, 10);
  const int gapped = AddRestedCorps(20, 10);
  const int routed = AddRestedCorps(30, 10);
  Plan(kept, {kSouth, kHoldEntry, kSouth});
  Plan(gapped, {0, kHoldEntry, kNorth, 0, kSouth});
  Corps(routed).DestY = 15;
  ProcessCorpsOrders();
  EXPECT_EQ(Corps(kept).Path[1], kSouth);
  EXPECT_EQ(Corps(kept).Path[2], 0);
  EXPECT_EQ(Corps(kept).Path[3], kSouth);
  EXPECT_EQ(Corps(gapped).Path[1], kNorth);
  EXPECT_EQ(Corps(gapped).Path[3], kSouth);
  EXPECT_EQ(Corps(gapped).Path[4], 0);
  EXPECT_EQ(PathEnd(routed), (THexPos{30, 15}));
  for (int c : {kept, gapped, routed}) EXPECT_EQ(Corps(c).PathStep, 1);
}

TEST_F(CorpsOrdersTest, AComputerCorpsAlwaysGetsAFreshRouteToItsDestination) {
  GameState.Nations[TNation::Union].Human = 0;
  const int c = AddRestedCorps();
  Plan(c, {kNorth, kNorth, kNorth});
  Corps(c).DestY = 14;
  ProcessCorpsOrders();
  EXPECT_EQ(PathEnd(c), (THexPos{10, 14}));
}

TEST_F(CorpsOrdersTest, MovementPointsFollowMarchSupplyWeatherAndArmy) {
  struct Case {
    const char* name;
    int march;
    int supplyType;
    int weather;
    int kind;
    bool crowdedArmy;
    int expected;
  };
  for (Case test : {Case{"standard", 1, 0, 0, 0, false, 25}, Case{"forced", 2, 0, 0, 0, false, 50},
                    Case{"cautious", 0, 0, 0, 0, false, 12}, Case{"encamped", 1, 1, 0, 0, false, 8},
                    Case{"storm", 1, 0, 5, 0, false, 8}, Case{"cavalry", 1, 0, 0, 2, false, 50},
                    Case{"crowded army", 1, 0, 0, 0, true, 19}}) {
    SetUp();
    const int c = AddRestedCorps();
    Corps(c).March = static_cast<std::uint8_t>(test.march);
    Corps(c).SupplyType = static_cast<std::uint8_t>(test.supplyType);
    Corps(c).Kind = static_cast<std::uint8_t>(test.kind);
    GameState.Weather[1] = static_cast<std::uint16_t>(test.weather);
    if (test.crowdedArmy) {
      // A commander of combat 16 leads four corps well; this army has six.
      const int army = AddArmy(40, 40, TSide::Union, TNation::Union);
      GameState.Armies[army].Leader = static_cast<std::uint8_t>(AddLeader({.combat = 16}));
      GameState.Armies[army].CorpsCount = 6;
      Corps(c).Army = static_cast<std::uint8_t>(army);
    } else {
      ScriptRandomDraws({{15, 0}});
    }
    ProcessCorpsOrders();
    EXPECT_EQ(Corps(c).MovePoints, test.expected) << test.name;
  }
}

TEST_F(CorpsOrdersTest, MovementPointsAreCappedAndALeaderlessCorpsHasNone) {
  const int strong = AddRestedCorps(10, 10);
  Corps(strong).Quality = 60;
  Corps(strong).March = 2;
  const int leaderless = AddRestedCorps(20, 10);
  Corps(leaderless).Leader = 0;
  ProcessCorpsOrders();
  EXPECT_EQ(Corps(strong).MovePoints, 250);
  EXPECT_EQ(Corps(leaderless).MovePoints, 0);
}

TEST_F(CorpsOrdersTest, ATiredCorpsRestsAndADefenderHoldingAfterBattleDigsIn) {
  const int resting = AddRestedCorps(10, 10);
  Corps(resting).Fatigue = 1;
  const int tired = AddRestedCorps(20, 10);
  Corps(tired).DestY = 20;
  Corps(tired).Fatigue = 15;
  LeaderOf(tired).Inspiration = 25;
  const int tiredBrigade = AddBrigadeTo(tired, 15);
  const int holding = AddRestedCorps(30, 10);
  Corps(holding).EnemyPressure = 3;
  const int holdingBrigade = AddBrigadeTo(holding, 1);
  ProcessCorpsOrders();

  EXPECT_EQ(Corps(resting).Activity, TCorpsActivity::Resting);
  EXPECT_EQ(Corps(resting).MovePoints, 0);
  EXPECT_EQ(Corps(resting).Fatigue, 0);
  // Inspiration 25 takes 5 off the corps and its brigade alike.
  EXPECT_EQ(Corps(tired).Activity, TCorpsActivity::Resting);
  EXPECT_EQ(Corps(tired).Fatigue, 10);
  EXPECT_EQ(GameState.Brigades[tiredBrigade].Fatigue, 10);

  EXPECT_EQ(Corps(holding).Activity, TCorpsActivity::Holding);
  EXPECT_EQ(Corps(holding).Entrenchment, 1);
  EXPECT_EQ(Corps(holding).LastMoveDir, kHoldEntry);
  EXPECT_EQ(Corps(holding).MovePoints, 0);
  EXPECT_EQ(GameState.Brigades[holdingBrigade].Fatigue, 3);
}

TEST_F(CorpsOrdersTest, AComputerArmysCorpsTrainsAndAGoodDrillIsAnnounced) {
  GameState.Nations[TNation::Union].Human = 0;
  const int army = AddArmy(40, 40, TSide::Union, TNation::Union);
  const int commander = AddLeader({});
  GameState.Armies[army].Leader = static_cast<std::uint8_t>(commander);
  GameState.Leaders[commander].Inspiration = 200;
  const int c = AddRestedCorps();
  Corps(c).Army = static_cast<std::uint8_t>(army);
  Corps(c).OtherBrigades = 2;
  AddBrigadeTo(c);
  AddBrigadeTo(c);
  LeaderOf(c).Inspiration = 0;
  ScriptRandomDraws({{150, 0}, {100, 99}, {8, 7}, {100, 99}, {8, 7}, {100, 0}, {100, 0}});
  ProcessCorpsOrders();
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  EXPECT_EQ(Corps(c).Activity, TCorpsActivity::Training);
  EXPECT_EQ(Corps(c).MovePoints, 0);
  ASSERT_EQ(window.Notices().size(), 1u);
  const RecordedNotice& notice = window.Notices()[0];
  EXPECT_EQ(notice.kind, 19);
  EXPECT_EQ(notice.lines[0], GameState.Leaders[commander].Name.str() + "t148");
  EXPECT_EQ(notice.lines[1], "t149 " + LeaderOf(c).Name.str());
  EXPECT_EQ(notice.lines[2], "t150");
  EXPECT_EQ(GameState.Leaders[commander].Experience, 1);
}

TEST_F(CorpsOrdersTest, ReadinessRisesTwiceForACorpsThatDidSomething) {
  const int busy = AddRestedCorps(10, 10);
  Corps(busy).Fatigue = 1;
  LeaderOf(busy).Inspiration = 100;
  const int idle = AddRestedCorps(20, 10);
  LeaderOf(idle).Inspiration = 100;
  ProcessCorpsOrders();
  EXPECT_EQ(Corps(busy).Readiness, 22);
  EXPECT_EQ(Corps(idle).Readiness, 20);
}

TEST_F(CorpsOrdersTest, ADisorderedCorpsFallsBackRecoversOrSettles) {
  const int city = AddSupplyCity(10, 20, TSide::Union, 1);
  const int fallingBack = AddRestedCorps(10, 10);
  const int onCity = AddRestedCorps(10, 20);
  const int quiet = AddRestedCorps(30, 10);
  for (int c : {fallingBack, onCity}) {
    Corps(c).EnemyPressure = 2;
    Corps(c).City = static_cast<std::uint8_t>(city);
  }
  for (int c : {fallingBack, onCity, quiet}) Corps(c).Disorder = 5;
  ProcessCorpsOrders();
  EXPECT_EQ(PathEnd(fallingBack), (THexPos{10, 19}));
  EXPECT_EQ(Corps(fallingBack).Stance, 0);
  EXPECT_EQ(Corps(fallingBack).Activity, TCorpsActivity::Disordered);
  EXPECT_EQ(Corps(onCity).Disorder, 4);
  EXPECT_EQ(Corps(onCity).MovePoints, 0);
  EXPECT_EQ(Corps(quiet).Disorder, 2);
  EXPECT_EQ(Corps(quiet).MovePoints, 0);
}

TEST_F(CorpsOrdersTest, ADisorderedCorpsWithNoCityOfItsOwnForagesAndIsNeverRoutedToNoCity) {
  const int c = AddRestedCorps();
  Corps(c).Disorder = 3;
  Corps(c).EnemyPressure = 2;
  Corps(c).City = static_cast<std::uint8_t>(AddSupplyCity(10, 20, TSide::Confederate, 1));
  AddRestedCorps(10, 11);
  ProcessCorpsOrders();
  EXPECT_EQ(Corps(c).City, 0);
  EXPECT_EQ(Corps(c).SupplyType, 2);
  EXPECT_EQ(Corps(c).Path[1], 0);
  EXPECT_EQ(Corps(c).Inactive, 0);
}

class SurrenderTest : public CorpsOrdersTest {
 protected:
  void SetUp() override {
    CorpsOrdersTest::SetUp();
    corps = AddRestedCorps();
    Corps(corps).Disorder = 3;
    Corps(corps).SupplyType = 2;
    Corps(corps).Kind = 1;
    Corps(corps).ArtilleryStrength = 16;
    brigade = AddBrigade({.location = corps, .homeState = 4});
    GameState.Nations[TNation::France].Attitude = 50;
    GameState.Nations[TNation::Britain].Attitude = 100;
    enemy = AddMarchingCorps(10, 13, TSide::Confederate);
  }
  int corps = 0;
  int brigade = 0;
  int enemy = 0;
};

TEST_F(SurrenderTest, ACutOffForagingCorpsSurrenders) {
  ProcessCorpsOrders();
  EXPECT_NE(Corps(corps).Inactive, 0);
  EXPECT_EQ(LeaderOf(corps).Status, 254);
  EXPECT_EQ(GameState.Prisoners[TNation::Union], 176u);
  EXPECT_EQ(GameState.Nations[TNation::Union].WarScore, -2);
  EXPECT_EQ(GameState.Nations[TNation::France].Attitude, 49);
  EXPECT_EQ(GameState.Nations[TNation::Britain].Attitude, 100);
  EXPECT_EQ(GameState.States[4].Losses, 80);
  EXPECT_EQ(GameState.Brigades[brigade].Status, 0);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].kind, 0);
  EXPECT_EQ(window.Notices()[0].lines[0], LeaderOf(corps).Name.str() + "t35");
  EXPECT_EQ(window.Notices()[0].lines[1], "t37");
  EXPECT_EQ(window.Notices()[0].lines[2], "t39");
}

TEST_F(SurrenderTest, AFriendCloseByASuppliedCityInReachOrRecoverySavesTheCorps) {
  enum Rescue { kFriend, kCityOnFoot, kCityByRail, kRecovered };
  for (Rescue rescue : {kFriend, kCityOnFoot, kCityByRail, kRecovered}) {
    SetUp();
    if (rescue == kFriend) AddRestedCorps(10, 8);
    if (rescue == kCityOnFoot) AddSupplyCity(10, 4, TSide::Union, 2);
    if (rescue == kCityByRail) {
      // Ten hexes off: further than a march of nine steps reaches.
      for (int x = 10; x <= 20; ++x) MapRecord.Cell(x, 10).SetLinkFlag();
      AddSupplyCity(20, 10, TSide::Union, 1);
    }
    if (rescue == kRecovered) Corps(corps).Disorder = 2;
    ProcessCorpsOrders();
    EXPECT_EQ(Corps(corps).Inactive, 0) << rescue;
    EXPECT_EQ(Corps(corps).Stance, rescue == kRecovered ? 1 : 0) << rescue;
  }
}

TEST_F(CorpsOrdersTest, ADisorderedCorpsCaughtOnItsDepotJoinsTheGarrison) {
  const int city = AddSupplyCity(10, 10, TSide::Union, 1);
  const int c = AddRestedCorps();
  Corps(c).City = static_cast<std::uint8_t>(city);
  Corps(c).Disorder = 2;
  const int infantry = AddBrigadeTo(c);
  const int artillery = AddBrigade({.arm = TArm::Artillery, .strength = 16, .location = c});
  AddMarchingCorps(10, 10, TSide::Confederate);
  ProcessCorpsOrders();
  EXPECT_NE(Corps(c).Inactive, 0);
  EXPECT_EQ(LeaderOf(c).Status, 100);
  for (int b : {infantry, artillery}) {
    EXPECT_EQ(GameState.Brigades[b].Status, TBrigadeStatus::InGarrison);
    EXPECT_EQ(GameState.Brigades[b].Location, city);
  }
  EXPECT_EQ(GameState.Cities[city].GarrisonCount, 2);
}

TEST_F(CorpsOrdersTest, AnInactiveCorpsReleasesItsCommanderAndLeavesTheMap) {
  const int c = AddRestedCorps();
  Corps(c).Inactive = 1;
  Corps(c).BattleMark = 2;
  const int leader = Corps(c).Leader;
  ProcessCorpsOrders();
  EXPECT_EQ(GameState.Leaders[leader].Status, 100);
  EXPECT_EQ(Corps(c).Leader, 0);
  EXPECT_EQ(Corps(c).X, 0);
  EXPECT_EQ(Corps(c).BattleMark, 0);
}

class RailMoveTest : public CorpsOrdersTest {
 protected:
  // A line down column 10 from row 5 to row 50, held by the camp.
  static void LayRailLine(int camp) {
    for (int y = 5; y <= 50; ++y) {
      MapRecord.Cell(10, y).SetLinkFlag();
      MapRecord.Cell(10, y).SetOwner(camp);
    }
  }
  static int AddRailCorps(int side, int nation, int destY) {
    const int c = AddMarchingCorps(10, 5, side, nation);
    Corps(c).Stance = 5;
    Corps(c).DestY = static_cast<std::uint8_t>(destY);
    Corps(c).Fatigue = 9;
    return c;
  }
};

TEST_F(RailMoveTest, ARailMoveArrivesAtOnceAndShowsTheArrival) {
  LayRailLine(TSide::Union);
  const int city = AddSupplyCity(10, 20, TSide::Union, 1);
  GameState.MessageView = 3;
  const int c = AddRailCorps(TSide::Union, TNation::Union, 20);
  ProcessCorpsOrders();
  EXPECT_EQ(Corps(c).Y, 20);
  EXPECT_EQ(Corps(c).Stance, 1);
  EXPECT_EQ(Corps(c).Activity, TCorpsActivity::MovedByRail);
  EXPECT_EQ(Corps(c).PathStep, 10);
  EXPECT_EQ(Corps(c).MovePoints, 0);
  EXPECT_EQ(Corps(c).Fatigue, 3);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].kind, 6);
  EXPECT_EQ(window.Notices()[0].lines[0], LeaderOf(c).Name.str() + " t145");
  EXPECT_EQ(window.Notices()[0].lines[2], "t687" + GameState.Cities[city].Name.str());
  EXPECT_EQ(ViewLeft, 10);
  EXPECT_EQ(ViewTop, 20);
  EXPECT_EQ(window.CallCount("RepaintMap"), 1);
  ASSERT_EQ(window.Drawings().size(), 1u);
  EXPECT_EQ(window.Drawings()[0].x, 0);
  EXPECT_EQ(window.Drawings()[0].y, 14);
}

TEST_F(RailMoveTest, ALineLongerThanOneMoveEndsWhereTheLineBackReaches) {
  LayRailLine(TSide::Union);
  const int c = AddRailCorps(TSide::Union, TNation::Union, 50);
  ProcessCorpsOrders();
  EXPECT_EQ(Corps(c).Y, 35);
  EXPECT_EQ(Corps(c).DestY, 35);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines[2], "t688");
}

TEST_F(RailMoveTest, AFrenchCorpsTravelsOnItsCampsRailways) {
  GameState.Nations[TNation::France].Side = TSide::Confederate;
  LayRailLine(TSide::Confederate);
  const int c = AddRailCorps(TSide::Confederate, TNation::France, 30);
  ProcessCorpsOrders();
  EXPECT_EQ(Corps(c).Y, 30);
}

TEST_F(RailMoveTest, TheArrivalIsReportedAsTheMessageViewSays) {
  struct Case {
    int unionHuman;
    int confederateHuman;
    int view;
    int side;
    bool reported;
  };
  for (Case test : {Case{1, 0, 0, 1, true}, Case{1, 1, 0, 1, false}, Case{0, 0, 2, 2, true},
                    Case{0, 0, 1, 2, false}, Case{1, 1, 3, 2, true}}) {
    SetUp();
    GameState.Nations[TNation::Union].Human = static_cast<std::uint8_t>(test.unionHuman);
    GameState.Nations[TNation::Confederacy].Human =
        static_cast<std::uint8_t>(test.confederateHuman);
    GameState.MessageView = static_cast<std::uint16_t>(test.view);
    LayRailLine(test.side);
    AddRailCorps(test.side, test.side, 20);
    window.ForgetRecords();
    ProcessCorpsOrders();
    EXPECT_EQ(window.Notices().size(), test.reported ? 1u : 0u)
        << test.unionHuman << test.confederateHuman << test.view << test.side;
  }
}

}  // namespace
