#include "world/weapon_procurement.h"

#include <gtest/gtest.h>

#include <array>
#include <deque>

#include "support/world_fixture.h"
#include "tests/world/economy_fixture.h"
#include "tests/world/force_builders.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

constexpr int kOffMapState = 5;
constexpr int kConfederateState = 25;
constexpr int kUnion = TNation::Union;
constexpr int kSouth = TNation::Confederacy;

class WeaponProcurementTest : public EconomyTest<WorldTest> {
 protected:
  void SetUp() override {
    EconomyTest::SetUp();
    // Each weapon costs its number for every nation; with the margin of 4 a
    // unit of output of weapon w trades at w + 4.
    for (int w = 1; w <= GameState.WeaponTypes.Count; ++w)
      for (int n = 1; n <= 4; ++n) GameState.WeaponTypes[w].Cost[n] = w;
    ScriptRandomDraws({});
  }
  static TStateRec& OffMapState(int s, int nation, int theatre = TTheatre::Seaboard) {
    TStateRec& state = GameState.States[s];
    state.Nation = nation;
    state.Theatre = theatre;
    return state;
  }
  static void NeedWeapons(int nation, int arm, int strength, int weapon = 0) {
    AddBrigade({.nation = nation,
                .arm = arm,
                .strength = strength,
                .status = TBrigadeStatus::RaisedUnarmed,
                .weapon = weapon});
  }
  // A Confederate railway town inland, in a state the Confederacy holds.
  static TCity& RailwayTown(int population) {
    GameState.States[kConfederateState].Nation = kSouth;
    int c = 1;
    while (GameState.Cities[c].X != 0) ++c;
    TCity& city = GameState.Cities[AddCity(c, 30, TSide::Confederate)];
    city.State = kConfederateState;
    city.Theatre = TTheatre::West;
    city.RailStation = 1;
    city.Population = population;
    return city;
  }
};

TEST_F(WeaponProcurementTest, StocksAreCutToFiftyThousandAndAHumanNationIsOtherwiseLeftAlone) {
  Nation(kUnion).Human = 1;
  auto& stock = Nation(kUnion).WeaponStock;
  stock[TWeapon::Muskets] = 50000;
  stock[TWeapon::Springfields] = 50001;
  stock[TWeapon::Sharps] = 65535;
  NeedWeapons(kUnion, TArm::Infantry, 80);
  TStateRec& state = OffMapState(kOffMapState, kUnion);
  state.WeaponOutput[TWeapon::Muskets] = 10;
  ProcureWeapons();
  EXPECT_EQ((std::array<int, 4>{stock[TWeapon::Muskets], stock[TWeapon::Springfields],
                                stock[TWeapon::Sharps], state.WeaponOutput[TWeapon::Muskets]}),
            (std::array{50000, 50000, 50000, 10}));
}

// The men of raised brigades still unarmed or armed with muskets, less the
// arm's weapons in stock, are the need: a tenth of it is ordered, paid by the
// Union; with no need at all half of each output of the arm at the Union's
// off-map states from state 4 on is sold.
TEST_F(WeaponProcurementTest, ATenthOfTheNeedIsOrderedAndWithoutNeedHalfTheOutputIsSold) {
  using Row = struct { int weapon, stock, output, supplies; };
  const Row rows[] = {{0, 70, 8, 1000 - 6},           {0, 71, 7, 1000},
                      {0, 80, 3, 1000 + 3 * 6},       {0, 81, 3, 1000 + 3 * 6},
                      {TWeapon::Muskets, 70, 8, 994}, {TWeapon::Springfields, 70, 3, 1018}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    NeedWeapons(kUnion, TArm::Infantry, 80, row.weapon);
    AddBrigade({.strength = 80, .status = TBrigadeStatus::ArmedAndWaiting});
    Nation(kUnion).WeaponStock[TWeapon::Sharps] = row.stock;
    TStateRec& state = OffMapState(kOffMapState, kUnion);
    state.WeaponOutput[TWeapon::Springfields] = 7;
    OffMapState(3, kUnion).WeaponOutput[TWeapon::Springfields] = 4;  // before the first
    Supplies(kUnion) = 1000;
    ProcureWeapons();
    EXPECT_EQ(state.WeaponOutput[TWeapon::Springfields], row.output);
    EXPECT_EQ(GameState.States[3].WeaponOutput[TWeapon::Springfields], 4);
    EXPECT_EQ(Supplies(kUnion), row.supplies);
  }
}

// The Union orders at the first state from 4 on, without a capital, whose
// theatre can pay more than the price; each later one that can replaces it on
// a draw below 30. Guns are ordered only in its own states.
TEST_F(WeaponProcurementTest, TheUnionOrdersAtTheFirstStateThatCanPayUnlessALaterOneWinsADraw) {
  using Row = struct { int arm, supplies, draw, nation, atFirst, atLater; };
  const Row rows[] = {{TArm::Infantry, 61, 29, kSouth, 0, 10},
                      {TArm::Infantry, 61, 30, kSouth, 10, 0},
                      {TArm::Infantry, 60, -1, kSouth, 0, 0},
                      {TArm::Artillery, 1000, -1, kSouth, 1, 0},
                      {TArm::Artillery, 1000, 0, kUnion, 0, 1}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    NeedWeapons(kUnion, row.arm, row.arm == TArm::Infantry ? 100 : 16);
    Supplies(kUnion) = row.supplies;
    OffMapState(3, kUnion);
    OffMapState(4, kUnion, TTheatre::West);  // a theatre without row.supplies
    TStateRec& first = OffMapState(kOffMapState, kUnion);
    GameState.States[6].CapitalCity = 9;
    OffMapState(6, kUnion);
    TStateRec& later = OffMapState(7, row.nation);
    ScriptRandomDraws(row.draw < 0 ? std::deque<ScriptedDraw>{}
                                   : std::deque<ScriptedDraw>{{100, row.draw}});
    ProcureWeapons();
    const int weapon = row.arm == TArm::Infantry ? TWeapon::Springfields : TWeapon::Parrotts;
    EXPECT_EQ(first.WeaponOutput[weapon], row.atFirst);
    EXPECT_EQ(later.WeaponOutput[weapon], row.atLater);
    EXPECT_EQ(Supplies(kUnion), row.supplies - (row.atFirst + row.atLater) * (weapon + 4));
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  }
}

// Of inland railway towns of its own in states it holds, each is looked at on
// a draw below 30 and scores a fifth of its people, a draw of 0..24, ten per
// level of works and 25 with a garrison; the first best wins.
TEST_F(WeaponProcurementTest, TheConfederacyBuildsAtTheBestOfTheRailwayTownsItLooksAt) {
  NeedWeapons(kSouth, TArm::Cavalry, 50);
  Supplies(kSouth, TTheatre::Mississippi) = 51;  // 5 shotguns cost 45
  TCity& large = RailwayTown(500);
  TCity& overlooked = RailwayTown(5000);
  TCity& fortified = RailwayTown(250);
  fortified.Fortifications = 3;
  fortified.GarrisonCount = 1;
  TCity& equal = RailwayTown(525);
  // Scores: 100 + 4 for the large town, 50 + 0 + 30 + 25 for the fortified
  // one; the last town only draws level with it.
  ScriptRandomDraws({{100, 29}, {25, 4}, {100, 30}, {100, 0}, {25, 0}, {100, 0}, {25, 0}});
  ProcureWeapons();
  EXPECT_EQ((std::array<int, 4>{
                large.WeaponOutput[TWeapon::Shotguns], overlooked.WeaponOutput[TWeapon::Shotguns],
                fortified.WeaponOutput[TWeapon::Shotguns], equal.WeaponOutput[TWeapon::Shotguns]}),
            (std::array{0, 0, 5, 0}));
  EXPECT_EQ(Supplies(kSouth, TTheatre::Mississippi), 51);
}

}  // namespace
