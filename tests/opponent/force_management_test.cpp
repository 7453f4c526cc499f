#include "opponent/force_management.h"

#include <gtest/gtest.h>

#include "opponent/brigade_announcement.h"
#include "support/window_fixture.h"
#include "world/codes.h"
#include "world/force_builders.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

constexpr int kHome = 5;

class ForceManagementTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    GameState.States[kHome].Theatre = TTheatre::West;
    GameState.States[kHome].Nation = TNation::Union;
    GameState.States[kHome].Name = "Ohio";
  }
  static int AddBrigade(int nation, int arm, int strength, int status, int location) {
    return ::AddBrigade({.nation = nation,
                         .arm = arm,
                         .strength = strength,
                         .status = status,
                         .location = location,
                         .homeState = kHome,
                         .number = 1});
  }
};

// Recruits reach a brigade only while its home theatre holds more than the
// reserve, its state's pool covers the whole need and its corps is supplied.
TEST_F(ForceManagementTest, BrigadesAreToppedUpOnlyAboveTheReserveAndFromAFullPool) {
  struct Row {
    int nation, day, demand, supplies, pool, supplyStatus, stock;
    int strength, quality, poolLeft, stockLeft;
  };
  const Row rows[] = {
      // 30 short, quality 5: (5 x 50 + 30) div 80 = 3; the South's recruits learn: 4.
      {TNation::Union, 1, 100, 400, 30, 0, 30, 80, 3, 0, 0},
      {TNation::Confederacy, 1, 100, 400, 30, 0, 29, 80, 4, 0, 29},
      {TNation::Union, 1, 100, 399, 30, 0, 30, 50, 5, 30, 30},  // day 1: four weeks kept
      {TNation::Union, 11, 100, 300, 30, 1, 30, 80, 3, 0, 0},   // day 11: three
      {TNation::Union, 11, 100, 299, 30, 0, 30, 50, 5, 30, 30},
      {TNation::Union, 21, 100, 100, 30, 0, 30, 80, 3, 0, 0},  // day 21: one
      {TNation::Union, 21, 100, 99, 30, 0, 30, 50, 5, 30, 30},
      {TNation::Union, 1, 20000, 65535, 30, 0, 30, 50, 5, 30, 30},  // 80,000 kept: no wrap
      {TNation::Union, 21, 0, 0, 29, 0, 30, 50, 5, 29, 30},         // pool short of the need
      {TNation::Union, 21, 0, 0, 30, 2, 30, 50, 5, 30, 30},         // corps out of supply
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "day " << row.day << ", supplies " << row.supplies);
    GameState.Day = static_cast<std::uint8_t>(row.day);
    GameState.States[kHome].Nation = static_cast<std::uint8_t>(row.nation);
    TNationRec& nation = GameState.Nations[row.nation];
    nation.SupplyDemand[TTheatre::West] = static_cast<std::uint16_t>(row.demand);
    nation.Supplies[TTheatre::West] = static_cast<std::uint16_t>(row.supplies);
    nation.WeaponStock[TWeapon::Sharps] = static_cast<std::uint16_t>(row.stock);
    GameState.States[kHome].InfantryPoints = static_cast<std::uint16_t>(row.pool);
    const int corps = AddCorps(10, 10, row.nation, row.nation);
    GameState.Corps[corps].SupplyStatus = static_cast<std::uint8_t>(row.supplyStatus);
    const int b = AddBrigade(row.nation, TArm::Infantry, 50, TBrigadeStatus::InCorps, corps);
    GameState.Brigades[b].Quality = 5;
    GameState.Brigades[b].Weapon = TWeapon::Sharps;
    TopUpBrigades(row.nation);
    EXPECT_EQ(GameState.Brigades[b].Strength, row.strength);
    EXPECT_EQ(GameState.Brigades[b].Quality, row.quality);
    EXPECT_EQ(GameState.States[kHome].InfantryPoints, row.poolLeft);
    EXPECT_EQ(nation.WeaponStock[TWeapon::Sharps], row.stockLeft);
    GameState.Brigades[b] = TBrigade{};
    GameState.Corps[corps].Inactive = 1;
  }
}

TEST_F(ForceManagementTest, RecruitsAndPlacementsAreAnnouncedToThoseWhoMaySee) {
  struct Row {
    int view, human, number, arm, news, place, count;
    const char* line1;
    const char* line2;
  };
  const Row rows[] = {
      {3, 0, 41, TArm::Infantry, TBrigadeNews::Recruited, 0, 30, "41st Ohio text 364",
       "1500text 226"},
      {2, 1, 12, TArm::Artillery, TBrigadeNews::Recruited, 0, 3, "12th Ohio text 366", "6text 225"},
      {3, 0, 22, TArm::Cavalry, TBrigadeNews::Garrisoned, 1, 0, "22nd Ohio text 365",
       "text 227City 1"},
      {1, 0, 1, TArm::Infantry, TBrigadeNews::Recruited, 0, 30, nullptr, nullptr},
  };
  AddCity(10, 10, TSide::Union);
  for (const Row& row : rows) {
    SCOPED_TRACE(row.number);
    GameState.MessageView = static_cast<std::uint16_t>(row.view);
    GameState.Nations[TNation::Union].Human = static_cast<std::uint8_t>(row.human);
    const int b = AddBrigade(TNation::Union, row.arm, 50, TBrigadeStatus::InCorps, 1);
    GameState.Brigades[b].Number = static_cast<std::uint8_t>(row.number);
    const std::size_t before = window.Notices().size();
    AnnounceBrigade(TNation::Union, row.place, b, row.news, row.count);
    GameState.Brigades[b] = TBrigade{};
    if (row.line1 == nullptr) {
      EXPECT_EQ(window.Notices().size(), before);
      continue;
    }
    ASSERT_EQ(window.Notices().size(), before + 1);
    EXPECT_EQ(window.Notices().back().lines[0], row.line1);
    EXPECT_EQ(window.Notices().back().lines[1], row.line2);
  }
}

TEST_F(ForceManagementTest, MusketsAreReplacedByStockAboveStrengthWhileNotAheadOfTheOthers) {
  struct Row {
    int nation, otherWeapon, arm, springfields, shotguns, spencers, weapon;
  };
  const Row rows[] = {
      {TNation::Union, TWeapon::Muskets, TArm::Infantry, 51, 0, 0, TWeapon::Springfields},
      {TNation::Union, TWeapon::Muskets, TArm::Infantry, 50, 0, 51, TWeapon::Spencers},
      {TNation::Union, TWeapon::Muskets, TArm::Cavalry, 51, 51, 51, TWeapon::Shotguns},
      {TNation::Union, TWeapon::Muskets, TArm::Artillery, 51, 51, 51, TWeapon::Muskets},
      {TNation::Confederacy, TWeapon::Muskets, TArm::Infantry, 51, 0, 0, TWeapon::Muskets},
      {TNation::France, TWeapon::Muskets, TArm::Infantry, 51, 0, 0, TWeapon::Springfields},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << row.nation << "/" << row.arm);
    TNationRec& nation = GameState.Nations[row.nation];
    nation.WeaponStock[TWeapon::Springfields] = static_cast<std::uint16_t>(row.springfields);
    nation.WeaponStock[TWeapon::Shotguns] = static_cast<std::uint16_t>(row.shotguns);
    nation.WeaponStock[TWeapon::Spencers] = static_cast<std::uint16_t>(row.spencers);
    // The Union carries muskets only; the Confederacy, in this row, has one other.
    const int own = AddBrigade(row.nation, row.arm, 50, TBrigadeStatus::InCorps, 1);
    GameState.Brigades[own].Weapon = TWeapon::Muskets;
    const int other =
        AddBrigade(row.nation == TNation::Union ? TNation::Confederacy : TNation::Union,
                   TArm::Infantry, 50, TBrigadeStatus::InCorps, 1);
    GameState.Brigades[other].Weapon = static_cast<std::uint8_t>(row.otherWeapon);
    if (row.nation == TNation::Confederacy) {
      const int rifles = AddBrigade(row.nation, TArm::Infantry, 50, TBrigadeStatus::InCorps, 1);
      GameState.Brigades[rifles].Weapon = TWeapon::Sharps;
    }
    UpgradeWeapons(row.nation);
    EXPECT_EQ(GameState.Brigades[own].Weapon, row.weapon);
    for (int b = 1; b <= GameState.Brigades.Count; ++b) GameState.Brigades[b] = TBrigade{};
  }
}

TEST_F(ForceManagementTest, HumanNationsGetOnlyTheCountdownAndDeadCorpsSlotsAreEmptied) {
  for (int n = 1; n <= GameState.Nations.Count; ++n) GameState.Nations[n].Human = 1;
  const int port = AddCity(10, 10, TSide::Union);
  int fleets[3];
  for (int& f : fleets) {
    f = AddFleet(3, 3, TSide::Union, TNation::Union);
    GameState.Fleets[f].HomePort = static_cast<std::uint8_t>(port);
    GameState.Fleets[f].Status = 1;
  }
  const int lostPort = AddCity(20, 20, TSide::Confederate);
  GameState.Fleets[fleets[2]].HomePort = static_cast<std::uint8_t>(lostPort);
  const int corps = AddCorps(10, 10, TSide::Union, TNation::Union);
  const int b = AddBrigade(TNation::Union, TArm::Infantry, 50, TBrigadeStatus::InCorps, corps);
  GameState.States[kHome].InfantryPoints = 100;
  const int dead = AddCorps(20, 20, TSide::Confederate, TNation::Confederacy);
  GameState.Corps[dead].Inactive = 1;
  GameState.Corps[dead].AiMission = 12;
  GameState.Corps[dead].Strength = 400;
  ScriptRandomDraws({{100, 89}, {100, 90}});
  ManageComputerForces();
  EXPECT_EQ(GameState.Fleets[fleets[0]].Status, 0) << "a human nation's fleet is launched";
  EXPECT_EQ(GameState.Fleets[fleets[0]].X, 10);
  EXPECT_EQ(GameState.Fleets[fleets[1]].Status, 1) << "one chance in ten to wait a turn";
  EXPECT_TRUE(GameState.Fleets[fleets[2]].IsFree()) << "lost with its port";
  ASSERT_EQ(window.Notices().size(), 2u);
  EXPECT_EQ(window.Notices()[0].kind, 16);
  EXPECT_EQ(window.Notices()[1].kind, 15);
  EXPECT_EQ(GameState.Brigades[b].Strength, 50) << "a human nation recruits for itself";
  EXPECT_EQ(GameState.Corps[dead].X, 0);
  EXPECT_EQ(GameState.Corps[dead].Strength, 0);
  EXPECT_EQ(GameState.Corps[dead].AiMission, 0);
  EXPECT_EQ(GameState.Corps[dead].Nation, 0);
  EXPECT_EQ(GameState.Corps[corps].Nation, TNation::Union);
}

// A warring camp whose trains are all in use (capacity at most one above what
// it uses) buys one more car, for 20 from a theatre holding more than 500
// above its reserve; 255 cars at most.
TEST_F(ForceManagementTest, RailCapacityIsBoughtWhenTheTrainsAreFullFromSuppliesAboveFiveHundred) {
  struct Row {
    int nation, capacity, used, supplies, capacityAfter, suppliesAfter;
  };
  const Row rows[] = {
      {TNation::Union, 5, 4, 521, 6, 501},        {TNation::Union, 5, 4, 501, 6, 481},
      {TNation::Union, 5, 4, 500, 5, 500},        {TNation::Union, 6, 4, 1000, 6, 1000},
      {TNation::Confederacy, 4, 4, 1000, 5, 980}, {TNation::Union, 255, 255, 1000, 255, 1000},
      {TNation::France, 4, 4, 1000, 4, 1000},
  };
  for (int n = 1; n <= GameState.Nations.Count; ++n) GameState.Nations[n].Human = 1;
  GameState.Day = 21;  // a reserve of one week's demand, here none
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message()
                 << "capacity " << row.capacity << ", supplies " << row.supplies);
    TNationRec& nation = GameState.Nations[row.nation];
    nation.Human = 0;
    nation.CorpsCount = 31;  // no new corps, and no draws for them
    nation.RailCapacity = static_cast<std::uint8_t>(row.capacity);
    nation.RailUsed = static_cast<std::uint8_t>(row.used);
    nation.Supplies[TTheatre::West] = static_cast<std::uint16_t>(row.supplies);
    const int c = AddCity(10, 10, nation.Side);
    GameState.Cities[c].Nation = static_cast<std::uint8_t>(row.nation);
    GameState.Cities[c].Theatre = TTheatre::West;
    ManageComputerForces();
    EXPECT_EQ(nation.RailCapacity, row.capacityAfter);
    EXPECT_EQ(nation.Supplies[TTheatre::West], row.suppliesAfter);
    nation.Human = 1;
    GameState.Cities[c] = TCity{};
  }
}

}  // namespace
