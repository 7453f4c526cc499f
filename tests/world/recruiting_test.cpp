#include "world/recruiting.h"

#include <array>

#include "support/world_fixture.h"
#include "tests/world/economy_fixture.h"
#include "tests/world/force_builders.h"

namespace {

constexpr int kState = 6, kUnion = TNation::Union, kSouth = TNation::Confederacy;
constexpr int CS = TSide::Confederate;

// Every nation human; the Union's shares 60, 20, 10 and 10 (infantry, cavalry,
// artillery, navy).
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
  static TStateRec& State(int s, int nation, int manpower) {
    StateOf(s, nation).Manpower = manpower;
    return GameState.States[s];
  }
  static int Raised(int arm) {
    int count = 0;
    for (int b = 1; b <= GameState.Brigades.Count; ++b)
      count += GameState.Brigades[b].Status == TBrigadeStatus::RaisedUnarmed &&
               GameState.Brigades[b].Arm == arm;
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
// points, one per arm. Points before and after, and brigades raised, are of
// infantry, cavalry and artillery. An occupied state, or one of no nation,
// recruits nothing.
TEST_F(RecruitingTest, ManpowerSplitsByTheSharesAsFarAsTheSuppliesPayAndRaisesBrigades) {
  using Points = std::array<int, 3>;
  using Row = struct {
    int manpower, supplies;
    Points before, after;
    int build, left, men;
    Points raised;
  };
  const Row rows[] = {{1000, 5000, {0, 0, 0}, {520, 150, 84}, 100, 2700, 0, {1, 1, 1}},
                      {1000, 700, {0, 0, 0}, {520, 66, 0}, 4, 0, 280, {1, 1, 0}},
                      {0, 0, {79, 49, 15}, {79, 49, 15}, 0, 0, 0, {0, 0, 0}},
                      {0, 0, {160, 50, 16}, {80, 0, 0}, 0, 0, 0, {1, 1, 1}}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    if (row.manpower == 0) SetShares(kUnion, {0, 0, 0, 0});
    TStateRec& state = State(kState, kUnion, row.manpower);
    state.InfantryPoints = row.before[0];
    state.CavalryPoints = row.before[1];
    state.ArtilleryPoints = row.before[2];
    Supplies(kUnion) = row.supplies;
    State(kState + 1, 0, 1000);
    State(kState + 2, kUnion, 1000).ControlSide = CS;
    RecruitFromStates();
    EXPECT_EQ((Points{state.InfantryPoints, state.CavalryPoints, state.ArtilleryPoints}),
              row.after);
    EXPECT_EQ((std::array<int, 5>{Nation(kUnion).BuildPoints, Supplies(kUnion), state.Manpower,
                                  GameState.States[kState + 1].Manpower,
                                  GameState.States[kState + 2].Manpower}),
              (std::array{row.build, row.left, row.men, 1000, 1000}));
    EXPECT_EQ((Points{Raised(TArm::Infantry), Raised(TArm::Cavalry), Raised(TArm::Artillery)}),
              row.raised);
  }
}

// Once the Confederacy controls the neighbour, a border state not its own
// loses men to it: state 19 60 % and 5 % more per city of it the South
// holds, state 20 40 % and 10 % more, never more than it has.
TEST_F(RecruitingTest, BorderStateMenDriftSouthOnlyOnceTheNeighbourIsConfederateHeld) {
  using Row = struct { int from, to, controller, nation, held, moved; };
  const Row rows[] = {{19, 24, TSide::Union, kUnion, 1, 0}, {19, 24, CS, kUnion, 1, 650},
                      {19, 24, CS, kSouth, 1, 0},           {20, 21, CS, kUnion, 0, 400},
                      {20, 21, CS, kUnion, 1, 500},         {20, 21, CS, kUnion, 6, 1000},
                      {20, 21, CS, kUnion, 7, 1000}};
  for (const Row& row : rows) {
    SetUp();
    SetShares(kUnion, {0, 0, 0, 0});
    TStateRec& border = State(row.from, row.nation, 1000);
    State(row.to, kSouth, 0).ControlSide = row.controller;
    for (int i = 0; i < row.held; ++i) GameState.Cities[AddCity(20 + i, 20, CS)].State = row.from;
    RecruitFromStates();
    EXPECT_EQ(border.Manpower, 1000 - row.moved) << &row - rows;
    EXPECT_EQ(GameState.States[row.to].Manpower, row.moved) << &row - rows;
  }
}

// A computer nation moves one point of share toward the arm its brigades lack:
// infantry to artillery while the infantry outnumber the batteries more than
// six to one (from an infantry share above 40 to an artillery share below 10),
// back while batteries outnumber a fifth of the infantry; infantry to cavalry
// while the infantry outnumber the cavalry more than ten to one (from above 50,
// 65 for the Confederacy, to below 25), back while the cavalry outnumber a
// twentieth of the infantry (a tenth for the Confederacy). Brigades of each
// arm, then the infantry, cavalry and artillery shares before and after (the
// navy's is 0). A human nation keeps its shares.
TEST_F(RecruitingTest, AComputerNationShiftsItsSharesTowardTheArmItsBrigadesLack) {
  using Row = struct { int nation, infantry, cavalry, artillery, i, c, a, iAfter, cAfter, aAfter; };
  const Row rows[] = {
      {kUnion, 7, 1, 1, 41, 1, 9, 40, 1, 10},   {kUnion, 6, 1, 1, 41, 1, 9, 41, 1, 9},
      {kUnion, 7, 1, 1, 40, 1, 9, 40, 1, 9},    {kUnion, 7, 1, 1, 41, 1, 10, 41, 1, 10},
      {kUnion, 9, 1, 2, 41, 1, 2, 42, 1, 1},    {kUnion, 10, 1, 2, 41, 1, 2, 41, 1, 2},
      {kUnion, 9, 1, 2, 41, 1, 1, 41, 1, 1},    {kUnion, 11, 0, 2, 51, 24, 5, 50, 25, 5},
      {kUnion, 11, 0, 2, 50, 24, 5, 50, 24, 5}, {kUnion, 11, 0, 2, 51, 25, 5, 51, 25, 5},
      {kSouth, 11, 0, 2, 66, 24, 5, 65, 25, 5}, {kSouth, 11, 0, 2, 65, 24, 5, 65, 24, 5},
      {kUnion, 39, 2, 7, 50, 5, 5, 51, 4, 5},   {kUnion, 40, 2, 7, 50, 5, 5, 50, 5, 5},
      {kUnion, 39, 2, 7, 50, 1, 5, 50, 1, 5},   {kSouth, 19, 2, 3, 60, 5, 10, 61, 4, 10},
      {kSouth, 20, 2, 3, 60, 5, 10, 60, 5, 10}};
  for (const Row& row : rows) {
    SetUp();
    Nation(row.nation).Human = 0;
    SetShares(row.nation, {row.i, row.c, row.a, 0});
    AddBrigades(row.nation, TWeapon::Muskets, TWeapon::Sharps, row.infantry);
    AddBrigades(row.nation, TWeapon::Spencers, TWeapon::Shotguns, row.cavalry);
    AddBrigades(row.nation, TWeapon::Smoothbores, TWeapon::Whitworths, row.artillery);
    // An emptied slot keeps its weapon byte but is no brigade.
    GameState.Brigades[AddBrigade({.nation = row.nation, .weapon = TWeapon::Sharps})].Status = 0;
    AddBrigades(TNation::Britain, TWeapon::Sharps, TWeapon::Sharps, 30);
    RecruitFromStates();
    const auto& share = Nation(row.nation).ProductionShare;
    EXPECT_EQ((std::array<int, 5>{share[1], share[2], share[3], share[4],
                                  Nation(TNation::Britain).ProductionShare[1]}),
              (std::array{row.iAfter, row.cAfter, row.aAfter, 0, 0}))
        << "row " << &row - rows;
  }
}

}  // namespace
