#include "world/land_force_raising.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/world_fixture.h"
#include "tests/world/force_builders.h"
#include "world/brigade_rules.h"

namespace {

constexpr int kUnion = TNation::Union;
constexpr int kConfed = TNation::Confederacy;
constexpr int kCorps = TCorpsKind::Corps;
constexpr int kInfDiv = TCorpsKind::InfantryDivision;
constexpr int kCavDiv = TCorpsKind::CavalryDivision;
constexpr int kArty = TArm::Artillery;
constexpr int kInf = TArm::Infantry;
constexpr int kCav = TArm::Cavalry;

class LandForceRaisingTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    city = AddCity(12, 20, TSide::Union);
    GameState.Cities[city].SupplyLevel = 2;
    GameState.Cities[city].Theatre = 1;
    GameState.Cities[city].State = 4;
    GameState.States[4].Name = "Iowa";
    GameState.States[4].Theatre = 1;
  }
  int InGarrison(int arm) {
    return AddBrigade({.arm = arm,
                       .strength = arm == kArty ? 16 : 80,
                       .status = TBrigadeStatus::InGarrison,
                       .location = city});
  }
  int city = 0;
};

TEST(CommandCapacity, CombatRatingBandsDifferByKindAndNation) {
  struct Row {
    int kind, nation, combat, capacity;
  };
  for (const Row& row : std::vector<Row>{{kCorps, kConfed, 54, 8},
                                         {kCorps, kConfed, 55, 9},
                                         {kCorps, kUnion, 59, 6},
                                         {kCorps, kUnion, 60, 7},
                                         {kInfDiv, kConfed, 59, 4},
                                         {kCavDiv, kConfed, 60, 5},
                                         {kInfDiv, kUnion, 59, 3},
                                         {kCavDiv, kUnion, 60, 4}})
    EXPECT_EQ(CommandCapacity(row.kind, row.nation, row.combat), row.capacity)
        << row.kind << " " << row.nation << " " << row.combat;
}

TEST(NewFormationArmLimit, BatteriesAThirdOfACorpsAtMostTwoAndOneInADivision) {
  struct Row {
    int kind, arm, capacity, limit;
  };
  for (const Row& row : std::vector<Row>{{kCorps, kArty, 5, 1},
                                         {kCorps, kArty, 6, 2},
                                         {kCorps, kArty, 9, 2},
                                         {kCorps, kCav, 9, 0},
                                         {kInfDiv, kArty, 4, 1},
                                         {kInfDiv, kCav, 4, 0},
                                         {kCavDiv, kInf, 4, 0},
                                         {kCavDiv, kCav, 4, 4}})
    EXPECT_EQ(NewFormationArmLimit(row.kind, row.arm, row.capacity), row.limit)
        << row.kind << " " << row.arm << " " << row.capacity;
}

TEST(MayLeadNewFormation, ClassAndStatusByKind) {
  struct Row {
    int rank, status, kind;
    bool offered;
  };
  for (const Row& row : std::vector<Row>{{3, 100, kCorps, true},
                                         {2, 100, kCorps, false},
                                         {5, 249, kCorps, true},
                                         {1, 200, kInfDiv, true},
                                         {3, 100, kInfDiv, false},
                                         {2, 249, kInfDiv, false},
                                         {3, 100, kCavDiv, true},
                                         {1, 100, kCavDiv, false}}) {
    TLeader leader{};
    leader.Rank = static_cast<std::uint8_t>(row.rank);
    leader.Status = static_cast<std::uint8_t>(row.status);
    EXPECT_EQ(MayLeadNewFormation(leader, row.kind), row.offered)
        << row.rank << " " << row.status << " " << row.kind;
  }
}

// An infantry brigade of 80 men-units: Muskets always, the others of its arm
// only when the stock arms every man; nothing of another arm.
TEST(MayArmRaisedBrigade, WeaponsOfTheArmThatTheStockCovers) {
  Table<U16, 8> stocks{};
  stocks[2] = 79;
  stocks[3] = 80;
  stocks[4] = 500;
  stocks[6] = 500;
  const auto offered = [&](int arm) {
    TBrigade brigade{};
    brigade.Arm = static_cast<std::uint8_t>(arm);
    brigade.Strength = 80;
    std::string weapons;
    for (int w = 1; w <= 8; ++w) weapons += MayArmRaisedBrigade(brigade, w, stocks) ? '1' : '0';
    return weapons;
  };
  EXPECT_EQ(offered(kInf), "10100000");
  EXPECT_EQ(offered(kCav), "00011000");
}

TEST_F(LandForceRaisingTest, MusketsShortOfTheBrigadeAreIssuedFreeAndOthersPaid) {
  Table<U16, 8>& stocks = GameState.Nations[kUnion].WeaponStock;
  stocks[1] = 30;
  stocks[3] = 85;
  const int musketeers = AddBrigade({.status = TBrigadeStatus::RaisedUnarmed});
  const int riflemen = AddBrigade({.status = TBrigadeStatus::RaisedUnarmed});
  ArmRaisedBrigade(musketeers, TWeapon::Muskets, city, stocks);
  ArmRaisedBrigade(riflemen, TWeapon::Sharps, city, stocks);
  EXPECT_EQ(stocks[1], 30);
  EXPECT_EQ(stocks[3], 5);
  EXPECT_EQ(GameState.Brigades[riflemen].Weapon, TWeapon::Sharps);
  EXPECT_TRUE(IsGarrisonOf(GameState.Brigades[musketeers], city));
  EXPECT_EQ(GameState.Cities[city].GarrisonCount, 2);
}

TEST_F(LandForceRaisingTest, CitiesOfferedForRaisingAndDeployment) {
  TBrigade raised{};
  raised.HomeState = 4;
  EXPECT_TRUE(MayDeployRaisedBrigade(raised, city, kUnion));
  EXPECT_FALSE(MayRaiseFormationIn(city, kUnion));  // no garrison yet
  InGarrison(kInf);
  EXPECT_TRUE(MayRaiseFormationIn(city, kUnion));
  GameState.Cities[city].OriginalSide = TSide::Confederate;
  EXPECT_FALSE(MayRaiseFormationIn(city, kUnion));
  GameState.Cities[city].State = 19;
  EXPECT_TRUE(MayRaiseFormationIn(city, kUnion));
  GameState.Cities[city].SupplyLevel = 4;
  EXPECT_FALSE(MayRaiseFormationIn(city, kUnion));
  EXPECT_FALSE(MayDeployRaisedBrigade(raised, city, kUnion));
  GameState.Cities[city].SupplyLevel = 3;
  AddCorps(12, 20, TSide::Confederate, kConfed);
  EXPECT_FALSE(MayDeployRaisedBrigade(raised, city, kUnion));
}

// A slot an old corps left behind comes back with no brigades, path or orders,
// so that it cannot form with nothing in it or march off along the old route.
TEST_F(LandForceRaisingTest, AReservedSlotKeepsNothingOfItsLastHolder) {
  TCorps& old = GameState.Corps[1];
  old.OtherBrigades = 4;
  old.Strength = 300;
  old.PathStep = 1;
  old.Path[1] = 3;
  old.Army = 2;
  ASSERT_EQ(ReserveNewCorps(kUnion), 1);
  const TCorps& reserved = GameState.Corps[1];
  EXPECT_EQ(reserved.Nation, kUnion);
  EXPECT_EQ(reserved.Ordinal, 1);
  EXPECT_EQ(reserved.Inactive, 0);
  EXPECT_EQ(reserved.OtherBrigades + reserved.Strength + reserved.Path[1] + reserved.Army, 0);
  EXPECT_GE(reserved.PathStep, 10);
}

TEST_F(LandForceRaisingTest, ABatteryAloneFormsNothingAndALeaderAwayForTheTurnStaysAway) {
  const int battery = InGarrison(kArty);
  const int leader = AddLeader({.status = kLeaderTemporarilyRemoved});
  const int c = ReserveNewCorps(kUnion);
  const std::vector<int> picked{battery};
  EXPECT_FALSE(CompleteNewFormation(c, city, kUnion, leader, picked));
  EXPECT_EQ(GameState.Corps[c].Inactive, 1);
  EXPECT_TRUE(IsGarrisonOf(GameState.Brigades[battery], city));
  EXPECT_EQ(GameState.Leaders[leader].Status, kLeaderTemporarilyRemoved);
}

TEST_F(LandForceRaisingTest, AnArmyIsRaisedOnlyWithLeaderAndCityAndItsNameIsCut) {
  EXPECT_EQ(ProposedArmyName(city), "Iowa");
  const int leader = AddLeader({.rank = TLeaderClass::Army, .status = kLeaderTemporarilyRemoved});
  EXPECT_EQ(RaiseArmy(kUnion, 0, city, "No leader", {}), 0);
  EXPECT_TRUE(GameState.Armies[1].IsFree());

  GameState.Armies[1].March = 3;  // left by an army long gone
  const int corps = AddCorps(12, 20, TSide::Union, kUnion);
  const std::vector<int> picked{corps};
  const int army = RaiseArmy(kUnion, leader, city, std::string(23, 'x'), picked);
  ASSERT_EQ(army, 1);
  const TArmy& raised = GameState.Armies[army];
  EXPECT_EQ(raised.Name.str(), std::string(22, 'x'));
  EXPECT_EQ(raised.HqCity, city);
  EXPECT_EQ(raised.March, 0);
  EXPECT_EQ(raised.Odds, 50);
  EXPECT_EQ(raised.CorpsCount, 1);
  EXPECT_EQ(GameState.Corps[corps].Army, army);
  EXPECT_EQ(GameState.Leaders[leader].Status, kLeaderTemporarilyRemoved);
  EXPECT_EQ(RaiseArmy(kUnion, leader, city, std::string(22, 'y'), {}), 2);
  EXPECT_EQ(GameState.Armies[2].Name.str(), std::string(22, 'y'));
}

}  // namespace
