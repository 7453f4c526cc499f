// The battles of a turn: which marked hex becomes a field battle, an assault
// or nothing, what engaging does to a corps, where the player is shown the
// battle, and what the turn's marks and totals are left as.
#include "warfare/battle_dispatch.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "tests/warfare/battle_fixture.h"
#include "world/city_control.h"
#include "world/play_modes.h"

namespace {

class BattleDispatchTest : public BattleTest {
 protected:
  // A corps that met the enemy during the movement.
  static int AddMarkedCorps(int side, int infantry, int guns = 0) {
    const int c = AddEngagedCorps(side, infantry, guns);
    GameState.Corps[c].BattleMark = 1;
    GameState.Corps[c].Stance = TCombatStance::Advance;
    return c;
  }

};

TEST_F(BattleDispatchTest, AMarkedHexIsFoughtAsABattleAnAssaultOrNotAtAll) {
  enum Enemy { kNoCorps, kInfantry, kGunsOnly };
  enum City { kNoCity, kGarrisoned, kWorksOnly };
  struct Case {
    const char* what;
    Enemy enemy;
    City city;
    int openerStance;
    int openerDisorder;
    int battles, assaults, markers;
    int mark = 1;  // the opener's, from the movement
  };
  const Case cases[] = {
      {"two armies meet", kInfantry, kNoCity, TCombatStance::Advance, 0, 1, 0, 1},
      {"guns alone are not fought", kGunsOnly, kNoCity, TCombatStance::Advance, 0, 0, 0, 1},
      {"a garrison is assaulted", kNoCorps, kGarrisoned, TCombatStance::Defend, 0, 0, 1, 1},
      {"training corps assault too", kNoCorps, kGarrisoned, TCombatStance::Training, 0, 0, 1, 1},
      {"withdrawing corps do not", kNoCorps, kGarrisoned, TCombatStance::Withdraw, 0, 0, 0, 1},
      {"works without men", kNoCorps, kWorksOnly, TCombatStance::Advance, 0, 0, 0, 1},
      {"a disordered corps opens nothing", kInfantry, kNoCity, TCombatStance::Advance, 2, 0, 0, 0},
      {"a mark of 4 opens", kInfantry, kNoCity, TCombatStance::Advance, 0, 1, 0, 1, 4},
      {"a mark of 5 opens nothing", kInfantry, kNoCity, TCombatStance::Advance, 0, 0, 0, 0, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    TearDown();
    SetUp();
    battleViews.Forget();
    window.ForgetRecords();
    SoundEnabled = true;
    SetRandomSeed(52);
    const int opener = AddMarkedCorps(TSide::Union, 2);
    GameState.Corps[opener].BattleMark = static_cast<std::uint8_t>(c.mark);
    GameState.Corps[opener].Stance = static_cast<std::uint8_t>(c.openerStance);
    GameState.Corps[opener].Disorder = static_cast<std::uint8_t>(c.openerDisorder);
    GameState.Nations[TNation::Union].Human = 1;
    if (c.enemy != kNoCorps) AddEngagedCorps(TSide::Confederate, c.enemy == kInfantry ? 2 : 0, 2);
    if (c.city != kNoCity) {
      const int city = AddCity(kX, kY, TSide::Confederate);
      if (c.city == kWorksOnly) GameState.Cities[city].Fortifications = 2;
      if (c.city == kGarrisoned) {
        AddBrigade({.nation = TNation::Confederacy,
                    .strength = 1,
                    .status = TBrigadeStatus::InGarrison,
                    .location = city});
        GameState.Cities[city].GarrisonCount = 1;
      }
    }
    RunBattles();
    EXPECT_EQ(battleViews.Forms().size(), static_cast<std::size_t>(c.battles));
    EXPECT_EQ(battleViews.AssaultForms().empty(), c.assaults == 0);
    EXPECT_EQ(window.CallCount("DrawBattleMarker"), c.markers);
    EXPECT_EQ(std::count(window.Sounds().begin(), window.Sounds().end(), "LAND.WAV") != 0,
              c.battles + c.assaults != 0);
    if (c.assaults == 0) continue;
    ASSERT_EQ(window.Notices().size(), 1u) << "the human attacker is told";
    const RecordedNotice& notice = window.Notices().front();
    EXPECT_EQ(notice.lines[0], "Union text 454");
    EXPECT_EQ(notice.lines[1], "text 47City 1");
    EXPECT_EQ(notice.lines[2], "text 48");
    // A garrison of one against two brigades of eighty is carried: the hex
    // is the Union's, and the city control of the turn gives it the city.
    EXPECT_EQ(GameState.BattleOutcome, 2);
    EXPECT_EQ(MapRecord.Cell(kX, kY).Owner(), TSide::Union);
    UpdateCityControl();
    EXPECT_EQ(GameState.Cities[1].Side, TSide::Union);
  }
}

// Every corps on the hex but one aboard a fleet is drawn in, whatever its
// camp, mark or disorder; the embarked corps may open the battle all the same.
TEST_F(BattleDispatchTest, EngagingRalliesTheCorpsAndSeasonsItsCommanders) {
  GameState.PlayMode = TPlayMode::MailToSend;
  const int aboard = AddMarkedCorps(TSide::Union, 1);
  GameState.Corps[aboard].Stance = TCombatStance::Embarked;
  const int disordered = AddEngagedCorps(TSide::Union, 1);
  TCorps& rallied = GameState.Corps[disordered];
  rallied.BattleMark = 0;
  rallied.Disorder = 4;
  rallied.Readiness = 9;
  rallied.Stance = TCombatStance::Training;
  rallied.Theatre = TTheatre::West;
  GameState.Leaders[rallied.Leader].Experience = 11;
  const int army = AddArmy(kX + 3, kY, TSide::Union, TNation::Union);
  const int armyCommander = AddLeader({.rank = TLeaderClass::Army});
  GameState.Armies[army].Leader = static_cast<std::uint8_t>(armyCommander);
  GameState.Leaders[armyCommander].Experience = 5;
  rallied.Army = static_cast<std::uint8_t>(army);
  const int veteran = AddEngagedCorps(TSide::Union, 1);
  GameState.Corps[veteran].BattleMark = 0;
  GameState.Corps[veteran].Army = static_cast<std::uint8_t>(army);
  GameState.Leaders[GameState.Corps[veteran].Leader].Experience = 12;
  GameState.Nations[TNation::Union].AiAggression[TTheatre::West] = 6;
  RunBattles();
  EXPECT_EQ(rallied.Disorder, 0);
  EXPECT_EQ(rallied.Readiness, 4);
  EXPECT_EQ(rallied.Stance, TCombatStance::Defend);
  EXPECT_EQ(rallied.BattleMark, TBattleMark::Engaged);
  EXPECT_EQ(rallied.Activity, 8);
  EXPECT_EQ(GameState.Leaders[rallied.Leader].Experience, 12);
  EXPECT_EQ(GameState.Leaders[GameState.Corps[veteran].Leader].Experience, 12);
  EXPECT_EQ(GameState.Leaders[armyCommander].Experience, 7) << "once for each corps of his army";
  EXPECT_EQ(GameState.Nations[TNation::Union].AiAggression[TTheatre::West], 0);
  EXPECT_EQ(GameState.Corps[aboard].BattleMark, 1) << "a corps aboard takes no part";
  EXPECT_EQ(GameState.Corps[aboard].Activity, 0);
  EXPECT_EQ(window.CallCount("DrawBattleMarker"), 1) << "the one it opened";
}

TEST_F(BattleDispatchTest, TheViewShowsTheBattleHexEightColumnsAndFourRowsIn) {
  const struct {
    int x, y;
    int left, top;
    int markerX, markerY;
  } cases[] = {
      {8, 4, 1, 1, 7 * 28, 3 * 28 + 14},
      {9, 5, 1, 1, 8 * 28, 4 * 28},
      {10, 6, 2, 2, 8 * 28, 4 * 28 + 14},
  };
  for (const auto& c : cases) {
    window.ForgetRecords();
    const int corps = AddMarkedCorps(TSide::Union, 1);
    GameState.Corps[corps].X = static_cast<std::uint8_t>(c.x);
    GameState.Corps[corps].Y = static_cast<std::uint8_t>(c.y);
    RunBattles();
    EXPECT_EQ(ViewLeft, c.left) << c.x;
    EXPECT_EQ(ViewTop, c.top) << c.y;
    ASSERT_EQ(window.Drawings().size(), 1u);
    EXPECT_EQ(window.Drawings()[0].x, c.markerX);
    EXPECT_EQ(window.Drawings()[0].y, c.markerY);
  }
}

// One-machine play clears the turn's marks (the force totals are recounted
// then too, as the battles in play show); a mail turn sends them as they
// stand, and the first tells the window that its battles are over.
TEST_F(BattleDispatchTest, OnlyOneMachinePlayClearsTheMarks) {
  const struct {
    int mode, mark, gameOverCode;
  } cases[] = {
      {TPlayMode::OneMachine, 0, 0},
      {TPlayMode::MailSetUp, TBattleMark::Engaged, 10},
      {TPlayMode::MailToSend, TBattleMark::Engaged, 0},
      {TPlayMode::MailReceived, TBattleMark::Engaged, 0},
  };
  const int marked = AddMarkedCorps(TSide::Union, 1);
  const int kept = AddEngagedCorps(TSide::Union, 1);
  GameState.Corps[kept].X = kX + 5;
  for (const auto& c : cases) {
    GameState.PlayMode = static_cast<std::uint16_t>(c.mode);
    GameOverCode = 0;
    GameState.Corps[marked].BattleMark = 1;
    GameState.Corps[kept].BattleMark = 100;
    RunBattles();
    EXPECT_EQ(GameState.Corps[marked].BattleMark, c.mark) << "mode " << c.mode;
    EXPECT_EQ(GameState.Corps[kept].BattleMark, 100);
    EXPECT_EQ(GameOverCode, c.gameOverCode);
  }
}

// A stack thrown back from a city waits for the next turn: its later corps,
// still in contact with the city, do not storm it again.
TEST_F(BattleDispatchTest, ARepulsedStackDoesNotStormTheSameCityAgainInTheSameTurn) {
  const int city = AddCity(kX, kY, TSide::Confederate);
  AddBrigade({.nation = TNation::Confederacy,
              .strength = 200,
              .status = TBrigadeStatus::InGarrison,
              .location = city});
  GameState.Cities[city].GarrisonCount = 1;
  GameState.Cities[city].Fortifications = 0;
  for (int i = 0; i < 3; ++i) AddMarkedCorps(TSide::Union, 1, 0);
  RunBattles();
  ASSERT_EQ(GameState.Cities[city].GarrisonCount, 1) << "the garrison of 200 holds";
  EXPECT_EQ(battleViews.AssaultForms().size(), 2u) << "one assault, stormed at the first Execute";
  EXPECT_TRUE(window.Notices().empty()) << "the computer's assaults are not announced";
}

}  // namespace
