#include "world/army_headquarters.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/window_fixture.h"
#include "tests/world/force_builders.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

class ArmyHeadquartersTest : public WindowTest {
 protected:
  // A supplied city whose hex the camp holds.
  static int HeldCity(int x, int y, int side) {
    const int city = AddCity(x, y, side);
    GameState.Cities[city].SupplyLevel = 1;
    MapRecord.Cell(x, y).SetOwner(side);
    return city;
  }

  // A Union army with one corps in the field, headquartered in a held city at (10, 10).
  int UnionArmy() {
    hq = HeldCity(10, 10, TSide::Union);
    const int a = AddArmy(10, 10, TSide::Union, TNation::Union);
    GameState.Armies[a].CorpsCount = 1;
    return a;
  }

  static void EnemyCorpsAt(int x, int y) {
    AddCorps(x, y, TSide::Confederate, TNation::Confederacy);
  }

  int hq = 0;
};

TEST_F(ArmyHeadquartersTest, APlayersHeadquartersJumpsToItsTargetOnlyOnceItsSideHoldsTheHex) {
  GameState.Nations[TNation::Union].Human = 1;
  const int a = UnionArmy();
  const int target = HeldCity(30, 30, TSide::Union);
  MapRecord.Cell(30, 30).SetOwner(TSide::Confederate);
  GameState.Armies[a].TargetCity = static_cast<std::uint8_t>(target);

  MoveArmyHeadquarters();
  EXPECT_EQ(GameState.Armies[a].HqCity, hq);

  MapRecord.Cell(30, 30).SetOwner(TSide::Union);
  MoveArmyHeadquarters();
  EXPECT_EQ(GameState.Armies[a].HqCity, target);
}

TEST_F(ArmyHeadquartersTest, AComputerArmyWhosePlannedCityFellHeadsForItsGivenTarget) {
  const int a = UnionArmy();
  const int fallen = AddCity(12, 10, TSide::Confederate);
  const int target = HeldCity(20, 10, TSide::Union);
  GameState.Armies[a].AiTargetCity = static_cast<std::uint8_t>(fallen);
  GameState.Armies[a].TargetCity = static_cast<std::uint8_t>(target);
  MoveArmyHeadquarters();
  EXPECT_EQ(GameState.Armies[a].HqCity, target);
}

TEST_F(ArmyHeadquartersTest, AComputerArmyWithoutTargetsMakesItsHeadquartersItsTarget) {
  const int a = UnionArmy();
  HeldCity(11, 10, TSide::Union);
  GameState.Armies[a].AiTargetCity = 0;
  GameState.Armies[a].TargetCity = 0;
  MoveArmyHeadquarters();
  EXPECT_EQ(GameState.Armies[a].HqCity, hq);
  EXPECT_EQ(GameState.Armies[a].TargetCity, hq);
}

TEST_F(ArmyHeadquartersTest, AComputerHeadquartersTakesTheNearestHeldSuppliedCityToItsTarget) {
  const int a = UnionArmy();
  const int target = HeldCity(40, 20, TSide::Union);
  GameState.Cities[target].SupplyLevel = 0;
  const int west = HeldCity(30, 20, TSide::Union);
  const int east = HeldCity(50, 20, TSide::Union);
  HeldCity(41, 20, TSide::Union);
  MapRecord.Cell(41, 20).SetOwner(TSide::Confederate);  // its hex is lost
  GameState.Armies[a].AiTargetCity = GameState.Armies[a].TargetCity =
      static_cast<std::uint8_t>(target);

  MoveArmyHeadquarters();
  EXPECT_EQ(GameState.Armies[a].HqCity, west);  // the first of two equally near

  // The army's own corps count their distance to the city, squared.
  const int corps = AddCorps(50, 20, TSide::Union, TNation::Union);
  GameState.Corps[corps].Army = static_cast<std::uint8_t>(a);
  MoveArmyHeadquarters();
  EXPECT_EQ(GameState.Armies[a].HqCity, east);

  // An enemy corps next to a city keeps the headquarters out.
  EnemyCorpsAt(51, 20);
  MoveArmyHeadquarters();
  EXPECT_EQ(GameState.Armies[a].HqCity, west);
}

TEST_F(ArmyHeadquartersTest, AHeadquartersHexHeldOnlyByTheEnemyIsGivenUpForTheNearestCity) {
  GameState.Nations[TNation::Union].Human = 1;
  const int a = UnionArmy();
  const int refuge = HeldCity(18, 10, TSide::Union);
  HeldCity(12, 10, TSide::Union);
  EnemyCorpsAt(10, 10);
  EnemyCorpsAt(13, 10);  // next to the nearer city

  MoveArmyHeadquarters();

  EXPECT_EQ(GameState.Armies[a].HqCity, refuge);
  EXPECT_EQ(GameState.Armies[a].TargetCity, refuge);
  EXPECT_TRUE(window.Notices().empty());
}

TEST_F(ArmyHeadquartersTest, AnOwnCorpsOnTheHeadquartersHexHoldsIt) {
  GameState.Nations[TNation::Union].Human = 1;
  const int a = UnionArmy();
  HeldCity(12, 10, TSide::Union);
  EnemyCorpsAt(10, 10);
  AddCorps(10, 10, TSide::Union, TNation::Union);
  MoveArmyHeadquarters();
  EXPECT_EQ(GameState.Armies[a].HqCity, hq);
}

TEST_F(ArmyHeadquartersTest, AnArmyWhoseHeadquartersFellWithNoCityNearEnoughIsLost) {
  GameState.Nations[TNation::Union].Human = 1;
  GameState.Nations[TNation::Union].WarScore = 10;
  const int a = UnionArmy();
  const int general = AddLeader({});
  GameState.Leaders[general].Status = 0;
  GameState.Armies[a].Leader = static_cast<std::uint8_t>(general);
  GameState.Cities[hq].Side = TSide::Confederate;
  HeldCity(61, 10, TSide::Union);  // 51 hexes away: too far
  const int own = AddCorps(20, 20, TSide::Union, TNation::Union);
  const int ally = AddCorps(20, 20, TSide::Confederate, TNation::France);
  GameState.Corps[own].Army = GameState.Corps[ally].Army = static_cast<std::uint8_t>(a);

  MoveArmyHeadquarters();

  const TArmy& army = GameState.Armies[a];
  EXPECT_TRUE(army.IsFree());
  EXPECT_EQ(army.Side, 0);
  EXPECT_EQ(army.Theatre, 0);
  EXPECT_EQ(army.Leader, general);
  EXPECT_EQ(GameState.Leaders[general].Status, 254);
  EXPECT_EQ(GameState.Corps[own].Army, 0);
  EXPECT_EQ(GameState.Corps[ally].Army, a);
  EXPECT_EQ(GameState.Nations[TNation::Union].WarScore, 6);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].kind, 0);
  EXPECT_EQ(
      window.Notices()[0].lines,
      (std::array<std::string, 4>{"text 0Army 1", "text 77" + GameState.Leaders[general].Name.str(),
                                  "text 110City 1", "text 455"}));
}

TEST_F(ArmyHeadquartersTest, AnArmyWithoutACommanderIsLostWithoutTouchingAnyLeader) {
  const int a = UnionArmy();
  GameState.Cities[hq].Side = TSide::Confederate;
  MoveArmyHeadquarters();
  EXPECT_TRUE(GameState.Armies[a].IsFree());
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines[1], "text 77");
  for (int l = 1; l <= GameState.Leaders.Count; ++l) EXPECT_EQ(GameState.Leaders[l].Status, 0);
}

TEST_F(ArmyHeadquartersTest, AFallbackCitySurroundedByTheEnemyNeverWinsOnAWrappedScore) {
  GameState.Nations[TNation::Union].Human = 1;
  const int a = UnionArmy();
  const int besieged = HeldCity(11, 10, TSide::Union);
  const int distant = HeldCity(51, 10, TSide::Union);
  // 1 + 16 x 4000 + 40 x 40 passes 65,535 and would wrap to 65 in 16 bits.
  for (int i = 0; i < 16; ++i) EnemyCorpsAt(10, 10);
  const int corps = AddCorps(51, 10, TSide::Union, TNation::Union);
  GameState.Corps[corps].Army = static_cast<std::uint8_t>(a);

  MoveArmyHeadquarters();

  EXPECT_NE(GameState.Armies[a].HqCity, besieged);
  EXPECT_EQ(GameState.Armies[a].HqCity, distant);  // 41 x 41 = 1681
}

}  // namespace
