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
  static int HeldCity(int x, int y, int side = TSide::Union) {
    const int city = AddCity(x, y, side);
    GameState.Cities[city].SupplyLevel = 1;
    MapRecord.Cell(x, y).SetOwner(side);
    return city;
  }

  // A Union army with one corps in the field, headquartered in a held city.
  int UnionArmy(int x = 10, int y = 10, int human = 1) {
    GameState.Nations[TNation::Union].Human = static_cast<std::uint8_t>(human);
    hq = HeldCity(x, y);
    const int a = AddArmy(x, y, TSide::Union, TNation::Union);
    GameState.Armies[a].CorpsCount = 1;
    return a;
  }

  static int EnemyCorpsAt(int x, int y) { return AddCorps(x, y, TSide::Confederate, 2); }
  static int HqOf(int a) { return GameState.Armies[a].HqCity; }

  int hq = 0;
};

TEST_F(ArmyHeadquartersTest, HeadquartersJumpToTheTargetOnlyOnceTheirSideHoldsItsHex) {
  const int a = UnionArmy();
  const int target = HeldCity(30, 30);
  MapRecord.Cell(30, 30).SetOwner(TSide::Confederate);
  GameState.Armies[a].TargetCity = static_cast<std::uint8_t>(target);
  MoveArmyHeadquarters();
  EXPECT_EQ(HqOf(a), hq);
  MapRecord.Cell(30, 30).SetOwner(TSide::Union);
  MoveArmyHeadquarters();
  EXPECT_EQ(HqOf(a), target);
}

// Bound for a city at (60, 27) that cannot take it (no supply), a computer
// army weighs a first city d1 west of it and a second d2 south (0: none):
// distance squared, with what stands near each city.
TEST_F(ArmyHeadquartersTest, AComputerHeadquartersTakesTheLowestScoreBelow2500TheFirstOfEqualOnes) {
  enum Extra { kNone, kCapital, kOtherTheatre, kOtherArmy, kOwnCorps, kEnemyBeside, kEnemyTwoOff };
  struct Row {
    const char* name;
    int d1, d2;
    Extra extra;
    int winner;  // 1 the first, 2 the second, 0 neither
  };
  const Row rows[] = {
      {"equal scores: the first", 5, 5, kNone, 1},
      {"the nearer", 6, 5, kNone, 2},
      {"another theatre adds a hex: equal", 5, 6, kOtherTheatre, 1},
      {"another theatre adds a hex", 5, 5, kOtherTheatre, 2},
      {"the capital three off counts one", 3, 2, kCapital, 1},
      {"the capital two off counts two", 2, 1, kCapital, 2},
      {"another army's headquarters adds 5", 1, 5, kOtherArmy, 2},
      {"another army's headquarters: equal", 1, 6, kOtherArmy, 1},
      {"its own corps far from the second", 5, 4, kOwnCorps, 1},
      {"an enemy corps beside it", 1, 5, kEnemyBeside, 2},
      {"an enemy corps two off", 1, 5, kEnemyTwoOff, 1},
      {"49 hexes off", 49, 0, kNone, 1},
      {"50 hexes off", 50, 0, kNone, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    const int a = UnionArmy(5, 50, 0);
    const int target = HeldCity(60, 27);
    GameState.Cities[target].SupplyLevel = 0;
    GameState.Armies[a].AiTargetCity = static_cast<std::uint8_t>(target);
    const int x1 = 60 - row.d1;
    const int first = HeldCity(x1, 27);
    const int second = row.d2 != 0 ? HeldCity(60, 27 + row.d2) : 0;
    if (row.extra == kCapital) GameState.Nations[TNation::Union].Capital = first;
    if (row.extra == kOtherTheatre) GameState.Cities[first].Theatre = TTheatre::West;
    if (row.extra == kOtherArmy) AddArmy(x1, 27, TSide::Union, TNation::Union);
    if (row.extra == kOwnCorps) GameState.Corps[AddCorps(x1, 27, 1, 1)].Army = a;
    if (row.extra == kEnemyBeside) EnemyCorpsAt(x1, 26);
    if (row.extra == kEnemyTwoOff) EnemyCorpsAt(x1, 25);
    MoveArmyHeadquarters();
    EXPECT_EQ(HqOf(a), row.winner == 1 ? first : row.winner == 2 ? second : hq);
  }
}

// The enemy next to the nearer city (12, 10) sends the headquarters to (18, 10);
// own corps on the hex keep it.
TEST_F(ArmyHeadquartersTest, AHeadquartersHexHeldOnlyByTheEnemyIsGivenUpForTheNearestCity) {
  for (bool ownCorpsThere : {false, true}) {
    SetUp();
    const int a = UnionArmy();
    const int refuge = HeldCity(18, 10);
    HeldCity(12, 10);
    EnemyCorpsAt(10, 10);
    EnemyCorpsAt(13, 10);
    if (ownCorpsThere) AddCorps(10, 10, TSide::Union, TNation::Union);
    MoveArmyHeadquarters();
    EXPECT_EQ(HqOf(a), ownCorpsThere ? hq : refuge);
  }
}

TEST_F(ArmyHeadquartersTest, AFallbackCitySurroundedByTheEnemyNeverWinsOnAWrappedScore) {
  const int a = UnionArmy();
  HeldCity(11, 10);
  const int distant = HeldCity(51, 10);
  // 1 + 16 x 4000 + 40 x 40 passes 65,535 and would wrap to 65 in 16 bits.
  for (int i = 0; i < 16; ++i) EnemyCorpsAt(10, 10);
  GameState.Corps[AddCorps(51, 10, TSide::Union, TNation::Union)].Army = a;
  MoveArmyHeadquarters();
  EXPECT_EQ(HqOf(a), distant);  // 41 x 41 = 1681
}

TEST_F(ArmyHeadquartersTest, AnArmyWhoseHeadquartersFellWithNoCityNearEnoughIsLost) {
  GameState.Nations[TNation::Union].WarScore = 10;
  const int a = UnionArmy();
  const int general = AddLeader({.status = 0});
  GameState.Armies[a].Leader = static_cast<std::uint8_t>(general);
  GameState.Cities[hq].Side = TSide::Confederate;
  HeldCity(60, 10);  // 50 hexes away: too far
  const int own = AddCorps(20, 20, TSide::Union, TNation::Union);
  const int ally = AddCorps(20, 20, TSide::Confederate, TNation::France);
  GameState.Corps[own].Army = GameState.Corps[ally].Army = static_cast<std::uint8_t>(a);
  MoveArmyHeadquarters();
  EXPECT_TRUE(GameState.Armies[a].IsFree());
  EXPECT_EQ(GameState.Leaders[general].Status, 254);
  EXPECT_EQ(GameState.Corps[own].Army, 0);
  EXPECT_EQ(GameState.Corps[ally].Army, a);
  EXPECT_EQ(GameState.Nations[TNation::Union].WarScore, 6);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(
      window.Notices()[0].lines,
      (std::array<std::string, 4>{"text 0Army 1", "text 77" + GameState.Leaders[general].Name.str(),
                                  "text 110City 1", "text 455"}));
}

}  // namespace
