#include "world/brigade_rules.h"

#include <array>
#include <deque>
#include <tuple>

#include "support/world_fixture.h"
#include "tests/world/force_builders.h"
#include "world/random.h"

namespace {

constexpr int kState = 1, I = TArm::Infantry, C = TArm::Cavalry, A = TArm::Artillery;
constexpr int U = TNation::Union, S = TNation::Confederacy;

// A Union corps at (10, 10); states 1 and 2 are the Union's.
class BrigadeRulesTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    corps = AddCorps(10, 10, TSide::Union, U);
    GameState.States[1].Nation = GameState.States[2].Nation = U;
  }
  int InCorps(int arm, int strength, int quality) {
    return AddBrigade({.arm = arm, .strength = strength, .location = corps, .quality = quality});
  }
  static const TBrigade& Brigade(int b) { return GameState.Brigades[b]; }

  int corps = 0;
};

// A point falls where a chain through the corps ends: a later brigade takes
// over only when both stronger and of lower weight (quality, doubled for
// cavalry, tripled for artillery); a weight of 100 is never picked. The second
// brigade, of 41 men, is left out when its arm is 0; victim 0 is none.
TEST_F(BrigadeRulesTest, EachPointOfAttritionFollowsTheStrongerAndRawerChain) {
  using Row = struct { int arm, strength, quality, secondArm, secondQuality, victim; };
  const Row rows[] = {{I, 40, 2, I, 1, 2},  {I, 41, 2, I, 1, 1},  {I, 40, 2, I, 2, 1},
                      {I, 40, 3, C, 1, 2},  {I, 40, 2, C, 1, 1},  {I, 40, 4, A, 1, 2},
                      {I, 40, 3, A, 1, 1},  {I, 40, 99, 0, 0, 1}, {I, 40, 100, 0, 0, 0},
                      {C, 40, 50, 0, 0, 0}, {A, 40, 33, 0, 0, 1}, {A, 40, 34, 0, 0, 0}};
  for (const Row& row : rows) {
    SetUp();
    const int first = InCorps(row.arm, row.strength, row.quality);
    if (row.secondArm != 0) InCorps(row.secondArm, 41, row.secondQuality);
    ApplyBrigadeLosses(kLossesByCorps, corps, 1);
    EXPECT_EQ(
        (std::array<int, 3>{Brigade(first).Strength, Brigade(first + 1).Strength,
                            static_cast<int>(GameState.ForagingLosses[U])}),
        (std::array{row.strength - (row.victim == 1),
                    row.secondArm == 0 ? 0 : 41 - (row.victim == 2), row.victim != 0 ? 1 : 0}))
        << "row " << &row - rows;
  }
  // Points beyond what the corps' serving brigades hold are lost; a garrison
  // filed under the same number is spared.
  SetUp();
  InCorps(I, 4, 1);
  const int garrison = AddBrigade({.status = TBrigadeStatus::InGarrison, .location = corps});
  ApplyBrigadeLosses(kLossesByCorps, corps, 50);
  EXPECT_TRUE(Brigade(1).IsFree());
  EXPECT_EQ(Brigade(garrison).Strength, 80);
}

// Room is the commander's combat rating over 11 (Confederate) or 20, plus 4,
// for a corps; over 20 or 30, plus 2, for a division; at most ten. A corps
// without a commander (combat -1) reads no leader 0.
TEST_F(BrigadeRulesTest, TheRecountSetsCapacityFromTheCommandersCombatRatingUpToTen) {
  constexpr int K = TCorpsKind::Corps, D = TCorpsKind::InfantryDivision;
  constexpr int V = TCorpsKind::CavalryDivision, B = TNation::Britain;
  using Row = struct { int kind, nation, combat, capacity; };
  const Row rows[] = {{K, S, 54, 8}, {K, S, 55, 9}, {K, S, 65, 9},   {K, S, 66, 10}, {K, S, 77, 10},
                      {K, U, 59, 6}, {K, U, 60, 7}, {K, U, 140, 10}, {D, S, 19, 2},  {D, S, 20, 3},
                      {V, B, 29, 2}, {D, U, 30, 3}, {K, U, -1, 4},   {D, U, -1, 2}};
  for (const Row& row : rows) {
    SetUp();
    TCorps& formation = GameState.Corps[corps];
    formation.Nation = row.nation;
    formation.Kind = row.kind;
    if (row.combat >= 0) formation.Leader = AddLeader({.combat = row.combat});
    RecountCorpsBrigades();
    EXPECT_EQ(formation.Capacity, row.capacity) << "row " << &row - rows;
  }
}

// A brigade of the corps learns on a draw above 25 in 100 and then a draw of
// 0..7 above its quality, so one of quality 7 has nothing left to learn; a
// garrison in the corps' city draws nothing.
TEST_F(BrigadeRulesTest, TrainingDrawsForEachServingBrigadeAndNeverPassesQualitySeven) {
  using R = std::tuple<int, std::deque<ScriptedDraw>, int>;
  AddBrigade({.status = TBrigadeStatus::InGarrison, .location = corps});
  const int b = InCorps(I, 80, 1);
  for (const auto& [quality, draws, after] :
       {R{1, {{100, 26}, {8, 2}}, 2}, R{1, {{100, 26}, {8, 1}}, 1}, R{1, {{100, 25}}, 1},
        R{6, {{100, 26}, {8, 7}}, 7}, R{7, {{100, 99}, {8, 7}}, 7}}) {
    GameState.Brigades[b].Quality = quality;
    ScriptRandomDraws(draws);
    EXPECT_EQ(TrainCorpsBrigades(corps), after - quality);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(Brigade(b).Quality, after) << quality << " on " << draws.back().value;
  }
}

// Infantry arm from weapons 1..4, cavalry from 3..5, artillery from 6..8: the
// lowest of which the stock holds more than the brigade's men.
TEST_F(BrigadeRulesTest, AWeaponIsPickedOnlyFromAStockLargerThanTheBrigade) {
  auto& stock = GameState.Nations[U].WeaponStock;
  stock[TWeapon::Muskets] = stock[TWeapon::Springfields] = 80;
  stock[TWeapon::Spencers] = stock[TWeapon::Whitworths] = 81;
  EXPECT_EQ((std::array{PickWeaponForArm(U, I, 80), PickWeaponForArm(U, I, 79),
                        PickWeaponForArm(U, C, 50), PickWeaponForArm(U, A, 81),
                        PickWeaponForArm(U, A, 80), PickWeaponForArm(0, I, 0)}),
            (std::array{TWeapon::Spencers, TWeapon::Muskets, TWeapon::Spencers, 0,
                        TWeapon::Whitworths, 0}));
}

// A brigade is raised from a full complement of its arm's recruits, never
// less, with its state's lowest free number (3: 1, 2 and 4 are taken, and
// another state's 3 does not count).
TEST_F(BrigadeRulesTest, ABrigadeIsRaisedFromAFullPoolWithItsStatesLowestFreeNumber) {
  using Row = struct { int arm, recruits, raised; };
  const Row rows[] = {{A, 15, 0}, {A, 16, 16}, {I, 79, 0}, {I, 100, 80}, {C, 49, 0}, {C, 50, 50}};
  for (const Row& row : rows) {
    SetUp();
    for (int number : {1, 2, 4})
      AddBrigade({.status = TBrigadeStatus::InGarrison, .number = number});
    AddBrigade({.homeState = 2, .number = 3});
    TStateRec& state = GameState.States[kState];
    U16& pool = row.arm == A   ? state.ArtilleryPoints
                : row.arm == I ? state.InfantryPoints
                               : state.CavalryPoints;
    pool = row.recruits;
    RaiseBrigade(row.arm, kState);
    const TBrigade& raised = Brigade(5);
    EXPECT_EQ((std::array<int, 4>{pool, raised.Strength, raised.Arm, raised.Number}),
              (std::array{row.recruits - row.raised, row.raised, row.raised ? row.arm : 0,
                          row.raised ? 3 : 0}))
        << "row " << &row - rows;
  }
}

}  // namespace
