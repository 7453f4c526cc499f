#include "world/weapon_procurement.h"

#include <array>

#include "support/world_fixture.h"
#include "tests/world/economy_fixture.h"
#include "tests/world/force_builders.h"
#include "world/random.h"

namespace {

constexpr int kUnion = TNation::Union, kSouth = TNation::Confederacy;

// The Union's off-map state 5 in the first theatre, no draws.
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
  static TStateRec& OffMapState(int s, int nation = kUnion, int theatre = TTheatre::Seaboard) {
    GameState.States[s].Nation = nation;
    GameState.States[s].Theatre = theatre;
    return GameState.States[s];
  }
  // A raised brigade of the Union, unarmed or with the weapon.
  static void NeedWeapons(int arm, int strength, int weapon = 0) {
    AddBrigade({.arm = arm,
                .strength = strength,
                .status = TBrigadeStatus::RaisedUnarmed,
                .weapon = weapon});
  }
};

TEST_F(WeaponProcurementTest, StocksAreCutToFiftyThousandAndAHumanNationIsOtherwiseLeftAlone) {
  Nation(kUnion).Human = 1;
  auto& stock = Nation(kUnion).WeaponStock;
  stock[TWeapon::Muskets] = 50000;
  stock[TWeapon::Springfields] = 50001;
  stock[TWeapon::Sharps] = 65535;
  NeedWeapons(TArm::Infantry, 80);
  OffMapState(5).WeaponOutput[TWeapon::Muskets] = 10;
  ProcureWeapons();
  EXPECT_EQ((std::array<int, 4>{stock[TWeapon::Muskets], stock[TWeapon::Springfields],
                                stock[TWeapon::Sharps],
                                GameState.States[5].WeaponOutput[TWeapon::Muskets]}),
            (std::array{50000, 50000, 50000, 10}));
}

// The men of raised brigades still unarmed or armed with muskets, less the
// arm's weapons in stock, are the need: a tenth of it is ordered, paid by the
// Union; with no need at all half of each output of the arm at the Union's
// off-map states from state 4 on is sold. Output of rifles 7 at state 5, 4 at
// state 3; supplies 1000.
TEST_F(WeaponProcurementTest, ATenthOfTheNeedIsOrderedAndWithoutNeedHalfTheOutputIsSold) {
  constexpr int M = TWeapon::Muskets, R = TWeapon::Springfields;
  using Row = struct { int weapon, stock, output, supplies; };
  const Row rows[] = {{0, 70, 8, 1000 - 6},     {0, 71, 7, 1000}, {0, 80, 3, 1000 + 3 * 6},
                      {0, 81, 3, 1000 + 3 * 6}, {M, 70, 8, 994},  {R, 70, 3, 1018}};
  for (const Row& row : rows) {
    SetUp();
    NeedWeapons(TArm::Infantry, 80, row.weapon);
    AddBrigade({.status = TBrigadeStatus::ArmedAndWaiting});
    Nation(kUnion).WeaponStock[TWeapon::Sharps] = row.stock;
    OffMapState(5).WeaponOutput[R] = 7;
    OffMapState(3).WeaponOutput[R] = 4;
    Supplies(kUnion) = 1000;
    ProcureWeapons();
    EXPECT_EQ((std::array<int, 3>{GameState.States[5].WeaponOutput[R],
                                  GameState.States[3].WeaponOutput[R], Supplies(kUnion)}),
              (std::array{row.output, 4, row.supplies}))
        << "row " << &row - rows;
  }
}

// The Union orders at the first state from 4 on, without a capital, whose
// theatre can pay more than the price (state 4's theatre has nothing); each
// later one (state 7, of the nation) that can replaces it on a draw below 30
// (-1: no draw). Guns are ordered only in its own states.
TEST_F(WeaponProcurementTest, TheUnionOrdersAtTheFirstStateThatCanPayUnlessALaterOneWinsADraw) {
  constexpr int I = TArm::Infantry, A = TArm::Artillery;
  using Row = struct { int arm, supplies, draw, nation, atFirst, atLater; };
  const Row rows[] = {{I, 61, 29, kSouth, 0, 10},
                      {I, 61, 30, kSouth, 10, 0},
                      {I, 60, -1, kSouth, 0, 0},
                      {A, 1000, -1, kSouth, 1, 0},
                      {A, 1000, 0, kUnion, 0, 1}};
  for (const Row& row : rows) {
    SetUp();
    NeedWeapons(row.arm, row.arm == I ? 100 : 16);
    Supplies(kUnion) = row.supplies;
    OffMapState(3);
    OffMapState(4, kUnion, TTheatre::West);
    GameState.States[6].CapitalCity = 9;
    for (int s : {5, 6}) OffMapState(s);
    OffMapState(7, row.nation);
    if (row.draw >= 0) ScriptRandomDraws({{100, row.draw}});
    ProcureWeapons();
    const int weapon = row.arm == I ? TWeapon::Springfields : TWeapon::Parrotts;
    EXPECT_EQ((std::array<int, 4>{GameState.States[5].WeaponOutput[weapon],
                                  GameState.States[7].WeaponOutput[weapon], Supplies(kUnion),
                                  static_cast<int>(ScriptedDrawsLeft())}),
              (std::array{row.atFirst, row.atLater,
                          row.supplies - (row.atFirst + row.atLater) * (weapon + 4), 0}))
        << "row " << &row - rows;
  }
}

}  // namespace
