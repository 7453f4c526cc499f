#include "world/corps_orders.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>
#include <string>

#include "tests/world/corps_fixture.h"
#include "world/corps_path.h"
#include "world/hex_grid.h"
#include "world/random.h"

namespace {

using Arrange = void (*)(TCorps&);

class CorpsOrdersTest : public CorpsTest {
 protected:
  void SetUp() override {
    CorpsTest::SetUp();
    LayLand(kPlain, TSide::Union);
    GameState.Nations[TNation::Union].Human = 1;
  }

  // A human Union corps at (10, 10) on its destination, rested, whose
  // movement points before the halvings are 10 x 3 + 20 = 50.
  static int AddRestedCorps(int x = 10, int y = 10) { return AddMarchingCorps(x, y, TSide::Union); }

  // The same corps with a path of the player's towards (10, 20).
  static int AddCorpsUnderWay() {
    const int c = AddRestedCorps();
    Corps(c).DestY = 20;
    Plan(c, {kSouth});
    return c;
  }

  static int AddSupplyCity(int x, int y, int side, int level) {
    const int city = AddCity(x, y, side);
    GameState.Cities[city].SupplyLevel = static_cast<std::uint8_t>(level);
    return city;
  }

  // A tired corps in a state its nation holds, with intruders or none, on the
  // march.
  static void RestInState(TCorps& corps, int march) {
    corps.Fatigue = 9;
    corps.March = static_cast<std::uint8_t>(march == 2 ? TMarchMode::Forced : TMarchMode::Standard);
    SetState(corps.X, corps.Y, 5);
    TStateRec& state = GameState.States[5];
    state.ControlSide = state.Nation = TNation::Union;
    state.IntruderStrength = static_cast<std::uint16_t>(march == 1 ? 1 : 0);
  }
  static void Unseasoned(TCorps& corps, int readiness) {
    corps.Quality = 0;
    corps.Readiness = static_cast<std::uint8_t>(readiness);
  }
  static void InArmy(TCorps& corps, int combat, int corpsCount) {
    corps.Army = static_cast<std::uint8_t>(AddArmyUnder(combat, 0, corpsCount));
  }
  static void Pressed(TCorps& corps, int stance) {
    corps.EnemyPressure = 1;
    corps.Stance = static_cast<std::uint8_t>(stance);
  }
  static TLeader& LeaderOf(TCorps& corps) { return GameState.Leaders[corps.Leader]; }
  using CorpsTest::LeaderOf;

  static std::uint8_t AddArmyUnder(int combat, int inspiration, int corpsCount) {
    const int army = AddArmy(40, 40, TSide::Union, TNation::Union);
    const int commander = AddLeader({.combat = combat});
    GameState.Leaders[commander].Inspiration = static_cast<std::uint8_t>(inspiration);
    GameState.Armies[army].Leader = static_cast<std::uint8_t>(commander);
    GameState.Armies[army].CorpsCount = static_cast<std::uint8_t>(corpsCount);
    return static_cast<std::uint8_t>(army);
  }
};

// Rows set up the corps beyond the common start, give the draw of 15 (-1: none)
// and the movement points of the turn.
TEST_F(CorpsOrdersTest, MovementPointsFollowQualityFatigueArmyMarchSupplyAndWeather) {
  struct Row {
    const char* name;
    Arrange arrange;
    int draw, expected;
  };
  const Row rows[] = {
      {"standard march halves 50", [](TCorps&) {}, 0, 25},
      {"fatigue 1 costs 3", [](TCorps& c) { c.Fatigue = 1; }, 0, 23},
      {"fatigue 2 costs 6", [](TCorps& c) { c.Fatigue = 2; }, 0, 22},
      {"a quiet own state takes two thirds", [](TCorps& c) { RestInState(c, 0); }, 0, 20},
      {"intruders in the state", [](TCorps& c) { RestInState(c, 1); }, 0, 11},
      {"forced march ignores fatigue", [](TCorps& c) { RestInState(c, 2); }, 0, 50},
      {"cautious march halves again", [](TCorps& c) { c.March = 0; }, 0, 12},
      {"commander's combat less a draw", [](TCorps& c) { c.LeaderCombat = 10; }, 14, 23},
      {"15 points draw nothing", [](TCorps& c) { Unseasoned(c, 15); }, -1, 7},
      {"16 points draw", [](TCorps& c) { Unseasoned(c, 16); }, 0, 8},
      {"combat 16 leads four", [](TCorps& c) { InArmy(c, 16, 4); }, -1, 29},
      {"a fifth corps costs 10", [](TCorps& c) { InArmy(c, 16, 5); }, -1, 24},
      {"combat 15 leads three", [](TCorps& c) { InArmy(c, 15, 4); }, -1, 23},
      {"a crowded army keeps 1", [](TCorps& c) { InArmy(c, 16, 10); }, -1, 1},
      {"encamped", [](TCorps& c) { c.SupplyType = TSupplyType::Encampment; }, 0, 8},
      {"cavalry keeps its pace", [](TCorps& c) { c.Kind = 2; }, 0, 50},
      {"weather 2", [](TCorps&) { GameState.Weather[1] = 2; }, 0, 25},
      {"weather 3", [](TCorps&) { GameState.Weather[1] = 3; }, 0, 12},
      {"weather 5", [](TCorps&) { GameState.Weather[1] = 5; }, 0, 8},
      {"weather 6", [](TCorps&) { GameState.Weather[1] = 6; }, 0, 12},
      {"weather 9", [](TCorps&) { GameState.Weather[1] = 9; }, 0, 25},
      {"at most 250", [](TCorps& c) { c.Quality = 60; }, 0, 250},
      {"no commander, no march", [](TCorps& c) { c.Leader = 0; }, -1, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    const int c = AddCorpsUnderWay();
    row.arrange(Corps(c));
    ScriptDraw(15, row.draw);
    ProcessCorpsOrders();
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(Corps(c).MovePoints, row.expected);
  }
}

// The recovery is a fifth of the commander's inspiration of 25, and an eighth
// of his army commander's.
TEST_F(CorpsOrdersTest, FatigueAboveTheMarchsToleranceMakesTheCorpsRest) {
  struct Row {
    const char* name;
    Arrange arrange;
    int fatigue, fatigueAfter;  // unchanged: no rest
  };
  const Row rows[] = {
      {"standard tolerates 10", [](TCorps&) {}, 10, 10},
      {"standard rests at 11", [](TCorps&) {}, 11, 6},
      {"cautious tolerates none", [](TCorps& c) { c.March = 0; }, 1, 0},
      {"forced tolerates 20", [](TCorps& c) { c.March = 2; }, 20, 20},
      {"forced rests at 21", [](TCorps& c) { c.March = 2; }, 21, 16},
      {"on its destination none", [](TCorps& c) { c.DestY = 10; }, 1, 0},
      {"pressed, withdrawing, 100", [](TCorps& c) { Pressed(c, 0); }, 100, 100},
      {"pressed, withdrawing, 101", [](TCorps& c) { Pressed(c, 0); }, 101, 96},
      {"pressed, advancing, 20", [](TCorps& c) { Pressed(c, 2); }, 20, 20},
      {"pressed, advancing, 21", [](TCorps& c) { Pressed(c, 2); }, 21, 16},
      {"at least 3", [](TCorps& c) { LeaderOf(c).Inspiration = 10; }, 11, 8},
      {"an army commander's eighth", [](TCorps& c) { c.Army = AddArmyUnder(40, 16, 1); }, 11, 4},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    const int c = AddCorpsUnderWay();
    LeaderOf(c).Inspiration = 25;
    Corps(c).Fatigue = row.fatigue;
    row.arrange(Corps(c));
    ProcessCorpsOrders();
    EXPECT_EQ(Corps(c).Activity, row.fatigueAfter != row.fatigue ? TCorpsActivity::Resting : 0);
    EXPECT_EQ(Corps(c).Fatigue, row.fatigueAfter);
  }
}

TEST_F(CorpsOrdersTest, ADefenderHoldingItsDestinationAfterABattleDigsIn) {
  const int c = AddRestedCorps();
  Corps(c).EnemyPressure = 3;
  const int brigade = AddBrigadeTo(c, 1);
  ProcessCorpsOrders();
  EXPECT_EQ(Corps(c).Activity, TCorpsActivity::Holding);
  EXPECT_EQ(Corps(c).Entrenchment, 1);
  EXPECT_EQ(GameState.Brigades[brigade].Fatigue, 3);
}

// Both brigades of the corps learn: a drill of half the corps' other brigades
// is announced.
TEST_F(CorpsOrdersTest, AComputerArmysCorpsTrainsAndAGoodDrillIsAnnounced) {
  for (int otherBrigades : {4, 6}) {
    SetUp();
    GameState.Nations[TNation::Union].Human = 0;
    const int c = AddRestedCorps();
    Corps(c).Army = AddArmyUnder(40, 200, 1);
    const int commander = GameState.Armies[Corps(c).Army].Leader;
    Corps(c).OtherBrigades = otherBrigades;
    for (int b = 0; b < 2; ++b) AddBrigadeTo(c);
    ScriptRandomDraws({{150, 0}, {100, 99}, {8, 7}, {100, 99}, {8, 7}, {100, 0}, {100, 0}});
    ProcessCorpsOrders();
    EXPECT_EQ(Corps(c).Activity, TCorpsActivity::Training);
    EXPECT_EQ(GameState.Leaders[commander].Experience, otherBrigades == 4 ? 1 : 0);
    if (otherBrigades != 4) continue;
    ASSERT_EQ(window.Notices().size(), 1u);
    EXPECT_EQ(window.Notices()[0].lines[1], "t149 " + LeaderOf(c).Name.str());
  }
}

TEST_F(CorpsOrdersTest, ACorpsThatDidSomethingDrillsTwiceUpTo24) {
  struct Row {
    int readiness, fatigue, expected;  // a tired corps rests, a fresh one has done nothing
  };
  for (const Row& row : {Row{23, 1, 25}, Row{24, 1, 24}, Row{20, 0, 20}}) {
    SetUp();
    const int c = AddRestedCorps();
    Corps(c).Readiness = row.readiness;
    Corps(c).Fatigue = row.fatigue;
    LeaderOf(c).Inspiration = 100;
    ProcessCorpsOrders();
    EXPECT_EQ(Corps(c).Readiness, row.expected) << row.readiness;
  }
}

TEST_F(CorpsOrdersTest, ADisorderedCorpsFallsBackRecoversOrSettles) {
  const int city = AddSupplyCity(10, 20, TSide::Union, 1);
  const int fallingBack = AddRestedCorps(10, 10);
  const int onCity = AddRestedCorps(10, 20);
  const int quiet = AddRestedCorps(30, 10);
  const int homeless = AddRestedCorps(50, 10);
  for (int c : {fallingBack, onCity, homeless}) Corps(c).EnemyPressure = 2;
  for (int c : {fallingBack, onCity}) Corps(c).City = static_cast<std::uint8_t>(city);
  Corps(homeless).City = static_cast<std::uint8_t>(AddSupplyCity(50, 20, TSide::Confederate, 1));
  AddRestedCorps(50, 11);
  for (int c : {fallingBack, onCity, quiet, homeless}) Corps(c).Disorder = 5;
  Plan(quiet, {kSouth});
  ProcessCorpsOrders();
  EXPECT_EQ(Corps(fallingBack).Path[1], kSouth);
  EXPECT_EQ(Corps(fallingBack).Stance, TCombatStance::Withdraw);
  EXPECT_EQ(Corps(onCity).Disorder, 4);
  EXPECT_EQ(Corps(quiet).Disorder, 2);
  // A disordered corps does not follow its player's path.
  EXPECT_EQ(Corps(quiet).Path[1], 0);
  // With no city of its own it forages, and is never routed to no city.
  EXPECT_EQ(Corps(homeless).SupplyType, TSupplyType::Foraging);
  EXPECT_EQ(Corps(homeless).Path[1], 0);
}

// A disordered, foraging corps at (10, 10) with an enemy three hexes south.
class SurrenderTest : public CorpsOrdersTest {
 protected:
  void SetUp() override {
    CorpsOrdersTest::SetUp();
    corps = AddRestedCorps();
    Corps(corps).Disorder = 3;
    Corps(corps).SupplyType = TSupplyType::Foraging;
    Corps(corps).Kind = 1;
    Corps(corps).ArtilleryStrength = 16;
    AddBrigade({.location = corps, .homeState = 4});
    GameState.Nations[TNation::France].Attitude = 50;
    AddMarchingCorps(10, 13, TSide::Confederate);
  }
  // A line and a supplied city at its end, further than a march of nine steps
  // reaches.
  static void RailTo(int x) {
    for (int k = 10; k <= x; ++k) MapRecord.Cell(k, 10).SetLinkFlag();
    AddSupplyCity(x, 10, TSide::Union, 1);
  }

  int corps = 0;
};

TEST_F(SurrenderTest, ACutOffForagingCorpsSurrenders) {
  ProcessCorpsOrders();
  EXPECT_EQ(LeaderOf(corps).Status, 254);
  EXPECT_EQ(GameState.Prisoners[TNation::Union], 176u);
  EXPECT_EQ(GameState.Nations[TNation::Union].WarScore, -2);
  EXPECT_EQ(GameState.Nations[TNation::France].Attitude, 49);
  EXPECT_EQ(GameState.States[4].Losses, 80);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines,
            (std::array<std::string, 4>{LeaderOf(corps).Name.str() + "t35", "t37", "t39", ""}));
}

TEST_F(SurrenderTest, AFriendCloseByItsCityNearerThanTheEnemyOrASuppliedCityInReachSavesIt) {
  struct Row {
    const char* name;
    void (*arrange)(int corps);
    bool saved;
  };
  const Row rows[] = {
      {"a friend two hexes off", [](int) { AddRestedCorps(10, 8); }, true},
      {"a friend three hexes off", [](int) { AddRestedCorps(10, 7); }, false},
      {"its city as near as the enemy", [](int c) { Corps(c).City = AddCity(10, 7, 1); }, true},
      {"its city farther than the enemy", [](int c) { Corps(c).City = AddCity(10, 6, 1); }, false},
      {"a supplied city on foot", [](int) { AddSupplyCity(10, 4, 1, 2); }, true},
      {"a supplied city ten hexes off by rail", [](int) { RailTo(20); }, true},
      {"eleven hexes off", [](int) { RailTo(21); }, false},
      {"no longer disordered", [](int c) { Corps(c).Disorder = 2; }, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    row.arrange(corps);
    ProcessCorpsOrders();
    EXPECT_EQ(Corps(corps).Inactive, row.saved ? 0 : 1);
  }
}

// The garrison's count is pinned with every other rule that garrisons brigades.
TEST_F(CorpsOrdersTest, ADisorderedCorpsCaughtOnItsDepotLaysDownItsColoursAndFreesItsCommander) {
  const int city = AddSupplyCity(10, 10, TSide::Union, 1);
  const int c = AddRestedCorps();
  Corps(c).City = static_cast<std::uint8_t>(city);
  Corps(c).Disorder = 2;
  const int brigade = AddBrigadeTo(c);
  AddMarchingCorps(10, 10, TSide::Confederate);
  ProcessCorpsOrders();
  EXPECT_NE(Corps(c).Inactive, 0);
  EXPECT_EQ(LeaderOf(c).Status, 100);
  EXPECT_EQ(GameState.Brigades[brigade].Status, TBrigadeStatus::InGarrison);
}

TEST_F(CorpsOrdersTest, AnInactiveCorpsReleasesItsCommanderAndLeavesTheMap) {
  const int c = AddRestedCorps();
  Corps(c).Inactive = 1;
  const int leader = Corps(c).Leader;
  ProcessCorpsOrders();
  EXPECT_EQ(GameState.Leaders[leader].Status, 100);
  EXPECT_EQ(Corps(c).Leader + Corps(c).X, 0);
}

class RailMoveTest : public CorpsOrdersTest {
 protected:
  // A line down column 10 from row 5 to row 50, held by the camp, and a corps
  // of the nation at its top bound for the row.
  static int AddRailCorps(int side, int nation, int destY) {
    for (int y = 5; y <= 50; ++y) {
      MapRecord.Cell(10, y).SetLinkFlag();
      MapRecord.Cell(10, y).SetOwner(side);
    }
    const int c = AddMarchingCorps(10, 5, side, nation);
    Corps(c).Stance = TCombatStance::ByRail;
    Corps(c).DestY = static_cast<std::uint8_t>(destY);
    Corps(c).Fatigue = 9;
    return c;
  }
};

// Beyond a move, the corps ends where the line back from its destination reaches.
TEST_F(RailMoveTest, ARailMoveArrivesAtOnceOrAsFarAsOneMoveReachesAndShowsTheArrival) {
  const int city = AddSupplyCity(10, 20, TSide::Union, 1);
  const int c = AddRailCorps(TSide::Union, TNation::Union, 20);
  const int far = AddRailCorps(TSide::Union, TNation::Union, 50);
  ProcessCorpsOrders();
  EXPECT_EQ(Corps(c).Y, 20);
  EXPECT_EQ(Corps(c).Stance, TCombatStance::Defend);
  EXPECT_EQ(Corps(c).Fatigue, 3);
  EXPECT_EQ((THexPos{Corps(far).Y, Corps(far).DestY}), (THexPos{35, 35}));
  ASSERT_EQ(window.Notices().size(), 2u);
  EXPECT_EQ(window.Notices()[0].lines[2], "t687" + GameState.Cities[city].Name.str());
}

TEST_F(RailMoveTest, TheArrivalIsReportedAsTheMessageViewSays) {
  struct Row {
    int unionHuman;
    int confederateHuman;
    int view;
    int side;
    bool reported;
  };
  for (const Row& row : {Row{1, 0, 0, 1, true}, Row{1, 1, 0, 1, false}, Row{0, 0, 2, 2, true},
                         Row{0, 0, 1, 2, false}, Row{1, 1, 3, 2, true}}) {
    SetUp();
    GameState.Nations[TNation::Union].Human = static_cast<std::uint8_t>(row.unionHuman);
    GameState.Nations[TNation::Confederacy].Human = static_cast<std::uint8_t>(row.confederateHuman);
    GameState.MessageView = static_cast<std::uint16_t>(row.view);
    AddRailCorps(row.side, row.side, 20);
    window.ForgetRecords();
    ProcessCorpsOrders();
    EXPECT_EQ(window.Notices().size(), row.reported ? 1u : 0u)
        << row.unionHuman << row.confederateHuman << row.view << row.side;
  }
}

}  // namespace
