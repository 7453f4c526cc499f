#include "world/brigade_rules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <deque>

#include "support/world_fixture.h"
#include "tests/world/force_builders.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

constexpr int kState = 1;
constexpr int I = TArm::Infantry, C = TArm::Cavalry, A = TArm::Artillery;
constexpr int U = TNation::Union, S = TNation::Confederacy;

// A Union corps at (10, 10); states 1 and 2 are the Union's.
class BrigadeRulesTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    corps = AddCorps(10, 10, TSide::Union, U);
    GameState.States[1].Nation = GameState.States[2].Nation = U;
  }
  int InCorps(int arm, int strength, int quality, int fatigue = 0) {
    return AddBrigade({.arm = arm,
                       .strength = strength,
                       .location = corps,
                       .quality = quality,
                       .fatigue = fatigue});
  }
  static const TBrigade& Brigade(int b) { return GameState.Brigades[b]; }

  int corps = 0;
};

// A point falls where a chain through the corps ends: a later brigade takes
// over only when both stronger and of lower weight (quality, doubled for
// cavalry, tripled for artillery); a weight of 100 is never picked. The second brigade has 41 men.
TEST_F(BrigadeRulesTest, EachPointOfAttritionFollowsTheStrongerAndRawerChain) {
  using Row = struct { int arm, strength, quality, secondArm, secondQuality, victim; };
  const Row rows[] = {{I, 40, 2, I, 1, 2},  {I, 41, 2, I, 1, 1},  {I, 40, 2, I, 2, 1},
                      {I, 40, 3, C, 1, 2},  {I, 40, 2, C, 1, 1},  {I, 40, 4, A, 1, 2},
                      {I, 40, 3, A, 1, 1},  {I, 40, 99, 0, 0, 1}, {I, 40, 100, 0, 0, 0},
                      {C, 40, 50, 0, 0, 0}, {A, 40, 33, 0, 0, 1}, {A, 40, 34, 0, 0, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    const int first = InCorps(row.arm, row.strength, row.quality);
    if (row.secondArm != 0) InCorps(row.secondArm, 41, row.secondQuality);
    ApplyBrigadeLosses(kLossesByCorps, corps, 1);
    EXPECT_EQ(Brigade(first).Strength, row.strength - (row.victim == 1));
    EXPECT_EQ(Brigade(first + 1).Strength, row.secondArm == 0 ? 0 : 41 - (row.victim == 2));
    EXPECT_EQ(GameState.ForagingLosses[U], row.victim != 0 ? 1u : 0u);
  }
  // Points beyond what the corps' own serving brigades hold are lost; a
  // garrison filed under the same number is spared.
  SetUp();
  const int weak = InCorps(I, 4, 1);
  const int garrison = AddBrigade({.status = TBrigadeStatus::InGarrison, .location = corps});
  ApplyBrigadeLosses(kLossesByCorps, corps, 50);
  EXPECT_TRUE(Brigade(weak).IsFree());
  EXPECT_EQ(GameState.ForagingLosses[U] + GameState.States[kState].Losses, 4u + 4);
  EXPECT_EQ(Brigade(garrison).Strength, 80);
}

// A hit beyond the strength empties the slot; an exact one leaves an empty
// brigade for the recount. Half the Union's surviving hits (a draw below 50)
// lose their weapons. A left of -1 is an emptied slot.
TEST_F(BrigadeRulesTest, AHitCountsOnlyTheMenThereWereAndHalfTheUnionsLoseTheirWeapons) {
  constexpr int W = TWeapon::Springfields;
  using Row = struct { int nation, weapon, strength, points, draw, left, weaponsLost; };
  const Row rows[] = {{U, W, 30, 31, -1, -1, 0},  {U, W, 50, 50, 60, 0, 0},
                      {U, W, 80, 10, 49, 70, 10}, {U, W, 80, 10, 50, 70, 0},
                      {U, 0, 80, 10, 0, 70, 0},   {S, W, 80, 10, -1, 70, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    const int b = AddBrigade(
        {.nation = row.nation, .strength = row.strength, .location = corps, .weapon = row.weapon});
    ScriptRandomDraws(row.draw >= 0 ? std::deque<ScriptedDraw>{{100, row.draw}}
                                    : std::deque<ScriptedDraw>{});
    ApplyBrigadeLosses(kLossesByBrigade, b, row.points);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(Brigade(b).Strength, std::max(row.left, 0));
    EXPECT_EQ(Brigade(b).IsFree(), row.left < 0);
    const int lost = std::min(row.strength, row.points);
    EXPECT_EQ((std::array<int, 3>{GameState.Casualties[row.nation], GameState.States[kState].Losses,
                                  WeaponLossCounters[W]}),
              (std::array{lost, lost, row.weaponsLost}));
    RecountCorpsBrigades();
    EXPECT_EQ(Brigade(b).IsFree(), row.left <= 0);
  }
}

// Room is the commander's combat rating over 11 (Confederate) or 20, plus 4
// for a corps; over 20 or 30, plus 2, for a division; at most ten. A corps
// without a commander reads no leader 0.
TEST_F(BrigadeRulesTest, TheRecountSetsCapacityFromTheCommandersCombatRatingUpToTen) {
  constexpr int K = TCorpsKind::Corps, D = TCorpsKind::InfantryDivision;
  constexpr int V = TCorpsKind::CavalryDivision, B = TNation::Britain;
  // combat -1: no commander
  using Row = struct { int kind, nation, combat, capacity; };
  const Row rows[] = {{K, S, 54, 8}, {K, S, 55, 9}, {K, S, 65, 9},   {K, S, 66, 10}, {K, S, 77, 10},
                      {K, U, 59, 6}, {K, U, 60, 7}, {K, U, 140, 10}, {D, S, 19, 2},  {D, S, 20, 3},
                      {V, B, 29, 2}, {D, U, 30, 3}, {K, U, -1, 4},   {D, U, -1, 2}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    TCorps& formation = GameState.Corps[corps];
    formation.Nation = row.nation;
    formation.Kind = row.kind;
    if (row.combat >= 0) formation.Leader = AddLeader({.combat = row.combat});
    RecountCorpsBrigades();
    EXPECT_EQ(formation.Capacity, row.capacity);
  }
}

// The means divide by the line brigades alone; fatigue is cut to 23 first.
TEST_F(BrigadeRulesTest, TheRecountSumsTheCorpsAndAveragesOverItsLineBrigades) {
  const TCorps& formation = GameState.Corps[corps];
  InCorps(A, 16, 4, 6);
  InCorps(I, 80, 3, 23);
  const int tired = InCorps(C, 50, 2, 24);
  const int dead = AddBrigade({.strength = 0, .location = corps});
  RecountCorpsBrigades();
  EXPECT_EQ((std::array<int, 6>{formation.ArtilleryBrigades, formation.ArtilleryStrength,
                                formation.OtherBrigades, formation.Strength, formation.Quality,
                                formation.Fatigue}),
            (std::array{1, 16, 2, 130, (4 + 3 + 2) / 2, (6 + 23 + 23) / 2}));
  EXPECT_EQ(Brigade(tired).Fatigue, kMostBrigadeFatigue);
  EXPECT_TRUE(Brigade(dead).IsFree());
}

// A brigade learns on a draw above 25 and then a draw of 0..7 above its quality.
TEST_F(BrigadeRulesTest, TrainingDrawsForEachServingBrigadeAndNeverPassesQualitySeven) {
  const int brigades[] = {InCorps(I, 80, 1), InCorps(I, 80, 1), InCorps(I, 80, 1),
                          InCorps(I, 80, 6), InCorps(I, 80, 7)};
  AddBrigade({.status = TBrigadeStatus::InGarrison, .location = corps});  // draws nothing
  ScriptRandomDraws(
      {{100, 26}, {8, 2}, {100, 99}, {8, 1}, {100, 25}, {100, 26}, {8, 7}, {100, 99}, {8, 7}});
  EXPECT_EQ(TrainCorpsBrigades(corps), 2);
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  std::array<int, 5> quality{};
  for (int k = 0; k < 5; ++k) quality[k] = Brigade(brigades[k]).Quality;
  EXPECT_EQ(quality, (std::array{2, 1, 1, 7, 7}));
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

// An armed brigade gathers at its state's capital, else its nation's; Union
// recruits of the west and the river gather at their theatre city while the
// Union holds it. Without weapons or a place to go it stays raised.
TEST_F(BrigadeRulesTest, ArmedBrigadesGatherAtTheCityTheirNationAndStateSendThemTo) {
  constexpr int W = TTheatre::West, Sea = TTheatre::Seaboard, R = TTheatre::Mississippi;
  constexpr int US = TSide::Union, CS = TSide::Confederate;
  // theatreHolder: the camp holding the theatre cities; city 0: stays raised.
  using Row = struct { int nation, theatre, stateCapital, theatreHolder, capital, muskets, city; };
  const Row rows[] = {{U, Sea, 7, US, 3, 1000, 7}, {U, Sea, 0, US, 3, 1000, 3},
                      {U, W, 0, US, 3, 1000, 57},  {U, W, 0, CS, 3, 1000, 3},
                      {U, R, 0, US, 3, 1000, 55},  {S, W, 0, US, 4, 1000, 4},
                      {U, Sea, 0, US, 0, 1000, 0}, {U, Sea, 7, US, 3, 80, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    for (int i = 0; i < 60; ++i) AddCity(1 + i, 1, row.theatreHolder);
    TStateRec& state = GameState.States[kState];
    state.Nation = row.nation;
    state.Theatre = row.theatre;
    state.CapitalCity = row.stateCapital;
    TNationRec& nation = GameState.Nations[row.nation];
    nation.Capital = row.capital;
    nation.WeaponStock[TWeapon::Muskets] = row.muskets;
    const TBrigade& b =
        Brigade(AddBrigade({.nation = row.nation, .status = TBrigadeStatus::RaisedUnarmed}));
    ArmRaisedBrigades(row.nation);
    const bool armed = row.city != 0;
    EXPECT_EQ((std::array<int, 3>{b.Status, b.Location, nation.WeaponStock[TWeapon::Muskets]}),
              (std::array{armed ? TBrigadeStatus::ArmedAndWaiting : TBrigadeStatus::RaisedUnarmed,
                          row.city, row.muskets - (armed ? 80 : 0)}));
  }
}

// A brigade is raised from a full complement of its arm's recruits, never
// less, with its state's lowest free number.
TEST_F(BrigadeRulesTest, ABrigadeIsRaisedFromAFullPoolWithItsStatesLowestFreeNumber) {
  using Row = struct { int arm, recruits, raised; };
  const Row rows[] = {{A, 15, 0}, {A, 16, 16}, {I, 79, 0}, {I, 100, 80}, {C, 49, 0}, {C, 50, 50}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    for (int number : {1, 2, 4})
      AddBrigade({.status = TBrigadeStatus::InGarrison, .number = number});
    AddBrigade({.homeState = 2, .number = 3});
    const int freed = AddBrigade({.number = 3});
    ClearBrigade(freed);
    TStateRec& state = GameState.States[kState];
    U16& pool = row.arm == A   ? state.ArtilleryPoints
                : row.arm == I ? state.InfantryPoints
                               : state.CavalryPoints;
    pool = row.recruits;
    RaiseBrigade(row.arm, kState);
    EXPECT_EQ(pool, row.recruits - row.raised);
    EXPECT_EQ(
        (std::array<int, 3>{Brigade(freed).Strength, Brigade(freed).Arm, Brigade(freed).Number}),
        (std::array{row.raised, row.raised == 0 ? 0 : row.arm, 3}));
  }
}

// A corps garrisoned in a city hands it its serving brigades, and the city's
// count follows.
TEST_F(BrigadeRulesTest, AGarrisonedCorpsHandsItsBrigadesToItsCity) {
  const int city = AddCity(10, 10, TSide::Union);
  const int brigades[] = {InCorps(I, 80, 1), InCorps(A, 16, 1)};
  const int waiting = AddBrigade({.status = TBrigadeStatus::ArmedAndWaiting, .location = corps});
  GarrisonCorpsBrigades(corps);  // no city yet: nothing moves
  EXPECT_EQ(Brigade(brigades[0]).Status, TBrigadeStatus::InCorps);
  GameState.Corps[corps].City = city;
  GarrisonCorpsBrigades(corps);
  EXPECT_EQ(GameState.Cities[city].GarrisonCount, 2);
  for (int b : brigades) EXPECT_TRUE(IsGarrisonOf(Brigade(b), city));
  EXPECT_EQ(Brigade(waiting).Status, TBrigadeStatus::ArmedAndWaiting);
}

}  // namespace
