#include "world/recruiting.h"

#include <gtest/gtest.h>

#include <array>

#include "support/world_fixture.h"
#include "tests/world/economy_fixture.h"
#include "tests/world/force_builders.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

constexpr int kState = 6;
constexpr int kUnion = TNation::Union;
constexpr int kSouth = TNation::Confederacy;

class RecruitingTest : public EconomyTest<WorldTest> {
 protected:
  void SetUp() override {
    EconomyTest::SetUp();
    for (int n = kUnion; n <= TNation::Britain; ++n) Nation(n).Human = 1;
    SetShares(kUnion, {60, 20, 10, 10});
  }
  static void SetShares(int n, std::array<int, 4> shares) {
    for (int k = 1; k <= 4; ++k) Nation(n).ProductionShare[k] = shares[k - 1];
  }
  static std::array<int, 4> Shares(int n) {
    const auto& share = Nation(n).ProductionShare;
    return {share[1], share[2], share[3], share[4]};
  }
  static TStateRec& State(int s, int nation, int manpower) {
    TStateRec& state = StateOf(s, nation);
    state.Manpower = manpower;
    return state;
  }
  static int Raised(int arm) {
    int count = 0;
    for (int b = 1; b <= GameState.Brigades.Count; ++b) {
      const TBrigade& brigade = GameState.Brigades[b];
      count += brigade.Status == TBrigadeStatus::RaisedUnarmed && brigade.Arm == arm;
    }
    return count;
  }
  // Brigades armed alternately with the first and the last weapon of the range.
  static void AddBrigades(int nation, int firstWeapon, int lastWeapon, int count) {
    for (int i = 0; i < count; ++i)
      AddBrigade({.nation = nation, .weapon = i % 2 == 0 ? firstWeapon : lastWeapon});
  }
};

// Manpower splits by the shares; infantry costs nothing, a point of cavalry 6,
// of artillery 10 and of the navy 1, as far as the supplies pay, and the unpaid
// men stay. A brigade is raised from 80 infantry, 50 cavalry or 16 artillery
// points, one per arm.
TEST_F(RecruitingTest, ManpowerSplitsByTheSharesAsFarAsTheSuppliesPayAndRaisesBrigades) {
  using Row = struct {
    int manpower, supplies, infantry, cavalry, artillery, i, c, a, build, left, men, ri, rc, ra;
  };
  const Row rows[] = {{1000, 5000, 0, 0, 0, 520, 150, 84, 100, 2700, 0, 1, 1, 1},
                      {1000, 700, 0, 0, 0, 520, 66, 0, 4, 0, 280, 1, 1, 0},
                      {0, 0, 79, 49, 15, 79, 49, 15, 0, 0, 0, 0, 0, 0},
                      {0, 0, 160, 50, 16, 80, 0, 0, 0, 0, 0, 1, 1, 1}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    if (row.manpower == 0) SetShares(kUnion, {0, 0, 0, 0});
    TStateRec& state = State(kState, kUnion, row.manpower);
    state.InfantryPoints = row.infantry;
    state.CavalryPoints = row.cavalry;
    state.ArtilleryPoints = row.artillery;
    Supplies(kUnion) = row.supplies;
    RecruitFromStates();
    EXPECT_EQ((std::array<int, 6>{state.InfantryPoints, state.CavalryPoints, state.ArtilleryPoints,
                                  Nation(kUnion).BuildPoints, Supplies(kUnion), state.Manpower}),
              (std::array{row.i, row.c, row.a, row.build, row.left, row.men}));
    EXPECT_EQ((std::array{Raised(TArm::Infantry), Raised(TArm::Cavalry), Raised(TArm::Artillery)}),
              (std::array{row.ri, row.rc, row.ra}));
  }
  SetUp();
  // An occupied state, or one of no nation, recruits nothing.
  TStateRec& occupied = State(kState, kUnion, 1000);
  occupied.ControlSide = TSide::Confederate;
  State(kState + 1, 0, 1000);
  RecruitFromStates();
  EXPECT_EQ(occupied.Manpower + GameState.States[kState + 1].Manpower, 2000);
}

// The men of the two neutral border states drift to their Confederate
// neighbour once the Confederate camp holds it: 60 per cent plus 5 for each of
// the state's cities the Confederates hold (the first), or 40 plus 10 (the
// second), never more men than there are.
TEST_F(RecruitingTest, BorderStateMenDriftSouthOnlyOnceTheNeighbourIsConfederateHeld) {
  using Row = struct { int from, to, controller, nation, held, moved; };
  const Row rows[] = {
      {19, 24, TSide::Union, kUnion, 1, 0},          {19, 24, TSide::Confederate, kUnion, 1, 650},
      {19, 24, TSide::Confederate, kSouth, 1, 0},    {20, 21, TSide::Confederate, kUnion, 0, 400},
      {20, 21, TSide::Confederate, kUnion, 6, 1000}, {20, 21, TSide::Confederate, kUnion, 7, 1000}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    SetShares(kUnion, {0, 0, 0, 0});
    TStateRec& border = State(row.from, row.nation, 1000);
    State(row.to, kSouth, 0).ControlSide = row.controller;
    for (int i = 0; i < row.held; ++i)
      GameState.Cities[AddCity(20 + i, 20, TSide::Confederate)].State = row.from;
    RecruitFromStates();
    EXPECT_EQ(border.Manpower, 1000 - row.moved);
    EXPECT_EQ(GameState.States[row.to].Manpower, row.moved);
  }
}

// A computer nation moves one point of share toward the arm its brigades lack:
// infantry to artillery while the infantry outnumber the batteries more than
// six to one (from an infantry share above 40 to an artillery share below 10),
// back while batteries outnumber a fifth of the infantry; infantry to cavalry
// while the infantry outnumber the cavalry more than ten to one (from above 50,
// 65 for the Confederacy, to below 25), back while the cavalry outnumber a
// twentieth of the infantry (a tenth for the Confederacy).
TEST_F(RecruitingTest, AComputerNationShiftsItsSharesTowardTheArmItsBrigadesLack) {
  // Rows: nation, infantry, cavalry, artillery brigades, shares before, shares after.
  struct Row {
    int nation, infantry, cavalry, artillery;
    std::array<int, 4> before, after;
  };
  const Row rows[] = {{kUnion, 7, 1, 1, {41, 1, 9, 0}, {40, 1, 10, 0}},
                      {kUnion, 6, 1, 1, {41, 1, 9, 0}, {41, 1, 9, 0}},
                      {kUnion, 7, 1, 1, {40, 1, 9, 0}, {40, 1, 9, 0}},
                      {kUnion, 7, 1, 1, {41, 1, 10, 0}, {41, 1, 10, 0}},
                      {kUnion, 9, 1, 2, {41, 1, 2, 0}, {42, 1, 1, 0}},
                      {kUnion, 10, 1, 2, {41, 1, 2, 0}, {41, 1, 2, 0}},
                      {kUnion, 9, 1, 2, {41, 1, 1, 0}, {41, 1, 1, 0}},
                      {kUnion, 11, 0, 2, {51, 24, 5, 0}, {50, 25, 5, 0}},
                      {kUnion, 11, 0, 2, {50, 24, 5, 0}, {50, 24, 5, 0}},
                      {kUnion, 11, 0, 2, {51, 25, 5, 0}, {51, 25, 5, 0}},
                      {kSouth, 11, 0, 2, {66, 24, 5, 0}, {65, 25, 5, 0}},
                      {kSouth, 11, 0, 2, {65, 24, 5, 0}, {65, 24, 5, 0}},
                      {kUnion, 39, 2, 7, {50, 5, 5, 0}, {51, 4, 5, 0}},
                      {kUnion, 40, 2, 7, {50, 5, 5, 0}, {50, 5, 5, 0}},
                      {kUnion, 39, 2, 7, {50, 1, 5, 0}, {50, 1, 5, 0}},
                      {kSouth, 19, 2, 3, {60, 5, 10, 0}, {61, 4, 10, 0}},
                      {kSouth, 20, 2, 3, {60, 5, 10, 0}, {60, 5, 10, 0}}};
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "row " << (&row - rows));
    SetUp();
    Nation(row.nation).Human = 0;
    SetShares(row.nation, row.before);
    AddBrigades(row.nation, TWeapon::Muskets, TWeapon::Sharps, row.infantry);
    AddBrigades(row.nation, TWeapon::Spencers, TWeapon::Shotguns, row.cavalry);
    AddBrigades(row.nation, TWeapon::Smoothbores, TWeapon::Whitworths, row.artillery);
    // An emptied slot keeps its weapon byte but is no brigade.
    GameState.Brigades[AddBrigade({.nation = row.nation, .weapon = TWeapon::Sharps})].Status = 0;
    AddBrigades(TNation::Britain, TWeapon::Sharps, TWeapon::Sharps, 30);
    RecruitFromStates();
    EXPECT_EQ(Shares(row.nation), row.after);
    EXPECT_EQ(Nation(TNation::Britain).ProductionShare[1], 0);  // a human nation keeps its shares
  }
}

}  // namespace
