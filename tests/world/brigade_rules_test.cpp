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
constexpr int kOtherState = 2;
constexpr int I = TArm::Infantry, C = TArm::Cavalry, A = TArm::Artillery;

class BrigadeRulesTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    corps = AddCorps(10, 10, TSide::Union, TNation::Union);
    GameState.States[kState].Nation = TNation::Union;
    GameState.States[kOtherState].Nation = TNation::Union;
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
// cavalry, tripled for artillery); a weight of 100 is never picked.
TEST_F(BrigadeRulesTest, EachPointOfAttritionFollowsTheStrongerAndRawerChain) {
  // Rows: first brigade's arm, strength, quality; second's (of 41 men) arm and
  // quality; the brigade that loses the point (0 none).
  const int rows[][6] = {{I, 40, 2, I, 1, 2},  {I, 41, 2, I, 1, 1},  {I, 40, 2, I, 2, 1},
                         {I, 40, 3, C, 1, 2},  {I, 40, 2, C, 1, 1},  {I, 40, 4, A, 1, 2},
                         {I, 40, 3, A, 1, 1},  {I, 40, 99, 0, 0, 1}, {I, 40, 100, 0, 0, 0},
                         {C, 40, 50, 0, 0, 0}, {A, 40, 33, 0, 0, 1}, {A, 40, 34, 0, 0, 0}};
  for (const auto& [arm, strength, quality, secondArm, secondQuality, victim] : rows) {
    SCOPED_TRACE(testing::Message() << arm << "/" << strength << "/" << quality << " then "
                                    << secondArm << "/41/" << secondQuality);
    SetUp();
    const int first = InCorps(arm, strength, quality);
    if (secondArm != 0) InCorps(secondArm, 41, secondQuality);
    ApplyBrigadeLosses(kLossesByCorps, corps, 1);
    EXPECT_EQ(Brigade(first).Strength, strength - (victim == 1));
    EXPECT_EQ(Brigade(first + 1).Strength, secondArm == 0 ? 0 : 41 - (victim == 2));
    EXPECT_EQ(GameState.ForagingLosses[TNation::Union], victim != 0 ? 1u : 0u);
  }
}

TEST_F(BrigadeRulesTest, AttritionCountsEachPointAndEndsWhenNoBrigadeOfTheCorpsCanTakeMore) {
  GameState.Corps[corps].Strength = 3;
  const int weak = InCorps(I, 4, 1);
  // A garrison in the city whose number equals the corps', a waiting brigade
  // there, a foreign brigade filed under the corps, and a slot of no nation.
  const int spared[] = {AddBrigade({.status = TBrigadeStatus::InGarrison, .location = corps}),
                        AddBrigade({.status = TBrigadeStatus::ArmedAndWaiting, .location = corps}),
                        AddBrigade({.nation = TNation::Confederacy, .location = corps})};
  const int strange = AddBrigade({.nation = 9, .location = corps});
  ApplyBrigadeLosses(kLossesByCorps, corps, 50);
  EXPECT_TRUE(Brigade(weak).IsFree());
  EXPECT_EQ(GameState.Corps[corps].Strength, 0);
  EXPECT_EQ(GameState.ForagingLosses[TNation::Union], 4u);
  EXPECT_EQ(GameState.States[kState].Losses, 4);
  for (int b : spared) EXPECT_EQ(Brigade(b).Strength, 80);
  EXPECT_EQ(Brigade(strange).Nation, 0);
}

// A hit beyond the strength empties the slot (which keeps its place, weapon,
// quality and number); an exact one leaves an empty brigade for the recount.
// Half the Union's surviving hits (a draw below 50) lose their weapons.
TEST_F(BrigadeRulesTest, AHitCountsOnlyTheMenThereWereAndHalfTheUnionsLoseTheirWeapons) {
  constexpr int U = TNation::Union, S = TWeapon::Springfields;
  // Rows: nation, weapon, strength, points, draw (-1 none), strength left (-1
  // emptied), weapons lost.
  const int rows[][7] = {{U, S, 30, 31, -1, -1, 0},  {U, S, 50, 50, 60, 0, 0},
                         {U, S, 80, 10, 49, 70, 10}, {U, S, 80, 10, 50, 70, 0},
                         {U, 0, 80, 10, 0, 70, 0},   {TNation::Confederacy, S, 80, 10, -1, 70, 0}};
  for (const auto& [n, w, strength, points, draw, left, weaponsLost] : rows) {
    SCOPED_TRACE(testing::Message() << strength << " hit by " << points << ", draw " << draw);
    SetUp();
    const int b = AddBrigade(
        {.nation = n, .strength = strength, .location = corps, .quality = 4, .weapon = w});
    ScriptRandomDraws(draw >= 0 ? std::deque<ScriptedDraw>{{100, draw}}
                                : std::deque<ScriptedDraw>{});
    ApplyBrigadeLosses(kLossesByBrigade, b, points);
    const TBrigade& slot = Brigade(b);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(slot.Strength, std::max(left, 0));
    EXPECT_EQ(slot.IsFree(), left < 0);
    const int lost = std::min(strength, points);
    EXPECT_EQ((std::array<int, 4>{GameState.Casualties[n], GameState.NationTally[n],
                                  GameState.States[kState].Losses, WeaponLossCounters[S]}),
              (std::array{lost, lost, lost, weaponsLost}));
    EXPECT_EQ((std::array<int, 3>{slot.Location, slot.Weapon, slot.Quality}),
              (std::array{corps, w, 4}));
    RecountCorpsBrigades();
    EXPECT_EQ(Brigade(b).IsFree(), left <= 0);
  }
}

TEST_F(BrigadeRulesTest, LossesWithAnUnknownModeOrIndexChangeNothing) {
  const int b = InCorps(I, 80, 1);
  ApplyBrigadeLosses(2, corps, 10);
  ApplyBrigadeLosses(kLossesByCorps, 121, 10);
  ApplyBrigadeLosses(kLossesByBrigade, 501, 10);
  EXPECT_EQ(Brigade(b).Strength, 80);
}

// Each divisor on both sides of a step, and the cut to ten on both sides; a
// corps without a commander reads no leader 0.
TEST_F(BrigadeRulesTest, TheRecountSetsCapacityFromTheCommandersCombatRatingUpToTen) {
  constexpr int K = TCorpsKind::Corps, D = TCorpsKind::InfantryDivision;
  constexpr int V = TCorpsKind::CavalryDivision, U = TNation::Union, S = TNation::Confederacy;
  constexpr int B = TNation::Britain;
  // Rows: kind, nation, commander's combat (-1 none), capacity.
  const int rows[][4] = {{K, S, 54, 8},  {K, S, 55, 9}, {K, S, 65, 9}, {K, S, 66, 10},
                         {K, S, 77, 10}, {K, U, 59, 6}, {K, U, 60, 7}, {K, U, 140, 10},
                         {D, S, 19, 2},  {D, S, 20, 3}, {V, B, 29, 2}, {D, U, 30, 3},
                         {K, U, -1, 4},  {D, U, -1, 2}};
  for (const auto& [kind, nation, combat, capacity] : rows) {
    SCOPED_TRACE(testing::Message()
                 << "kind " << kind << ", nation " << nation << ", combat " << combat);
    SetUp();
    TCorps& formation = GameState.Corps[corps];
    formation.Nation = nation;
    formation.Kind = kind;
    if (combat >= 0) formation.Leader = AddLeader({.combat = combat});
    RecountCorpsBrigades();
    EXPECT_EQ(formation.Capacity, capacity);
  }
}

// The means divide by the line brigades alone; experience is cut to 23 first.
TEST_F(BrigadeRulesTest, TheRecountSumsTheCorpsAndAveragesOverItsLineBrigades) {
  const TCorps& formation = GameState.Corps[corps];
  InCorps(A, 16, 4, 6);
  InCorps(I, 80, 3, 23);
  const int tired = InCorps(C, 50, 2, 24);
  RecountCorpsBrigades();
  EXPECT_EQ((std::array<int, 6>{formation.ArtilleryBrigades, formation.ArtilleryStrength,
                                formation.OtherBrigades, formation.Strength, formation.Quality,
                                formation.Fatigue}),
            (std::array{1, 16, 2, 130, (4 + 3 + 2) / 2, (6 + 23 + 23) / 2}));
  EXPECT_EQ(Brigade(tired).Fatigue, kMostBrigadeFatigue);

  // Artillery alone has no mean; sums beyond a byte stop at its top.
  SetUp();
  InCorps(A, 16, 5, 9);
  RecountCorpsBrigades();
  EXPECT_EQ(formation.Quality + formation.Fatigue, 0);
  for (int i = 0; i < 40; ++i) InCorps(I, 80, 7);
  for (int i = 0; i < 19; ++i) InCorps(A, 16, 7);
  RecountCorpsBrigades();
  EXPECT_EQ(
      (std::array<int, 3>{formation.Quality, formation.Strength, formation.ArtilleryStrength}),
      (std::array{(59 * 7 + 5) / 40, 40 * 80, 255}));

  // Dead slots are emptied; a dissolved corps and one of no camp keep their totals.
  SetUp();
  const int dead[] = {AddBrigade({.arm = 0, .location = corps}),
                      AddBrigade({.location = corps, .homeState = 0}),
                      AddBrigade({.strength = 0, .location = corps})};
  const int sideless = AddCorps(4, 4, TSide::None, TNation::Union);
  const int dissolved = AddCorps(3, 3, TSide::Union, TNation::Union);
  GameState.Corps[dissolved].Inactive = 1;
  GameState.Corps[sideless].Strength = GameState.Corps[dissolved].Strength = 77;
  RecountCorpsBrigades();
  for (int b : dead) EXPECT_TRUE(Brigade(b).IsFree());
  EXPECT_EQ(formation.OtherBrigades, 0);
  EXPECT_EQ(GameState.Corps[dissolved].Strength + GameState.Corps[sideless].Strength, 2 * 77);
}

TEST_F(BrigadeRulesTest, GarrisonCountsCoverEveryNationsBrigadesInTheCity) {
  const int city = AddCity(5, 5, TSide::Union);
  const int unheld = AddCity(6, 6, TSide::Union);
  GameState.Cities[unheld].Nation = 0;
  GameState.Cities[unheld].GarrisonCount = 9;
  AddBrigade({.status = TBrigadeStatus::InGarrison, .location = city});
  AddBrigade(
      {.nation = TNation::Confederacy, .status = TBrigadeStatus::InGarrison, .location = city});
  AddBrigade({.status = TBrigadeStatus::ArmedAndWaiting, .location = city});
  AddBrigade({.status = TBrigadeStatus::InGarrison, .location = unheld});
  RecountCorpsBrigades();
  EXPECT_EQ(GameState.Cities[city].GarrisonCount, 2);
  EXPECT_EQ(GameState.Cities[unheld].GarrisonCount, 9);
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
  auto& stock = GameState.Nations[TNation::Union].WeaponStock;
  stock[TWeapon::Muskets] = stock[TWeapon::Springfields] = 80;
  stock[TWeapon::Spencers] = stock[TWeapon::Whitworths] = 81;
  EXPECT_EQ(
      (std::array{PickWeaponForArm(TNation::Union, I, 80), PickWeaponForArm(TNation::Union, I, 79),
                  PickWeaponForArm(TNation::Union, C, 50), PickWeaponForArm(TNation::Union, A, 81),
                  PickWeaponForArm(TNation::Union, A, 80), PickWeaponForArm(0, I, 0)}),
      (std::array{TWeapon::Spencers, TWeapon::Muskets, TWeapon::Spencers, 0, TWeapon::Whitworths,
                  0}));
}

// An armed brigade gathers at its state's capital, else its nation's; Union
// recruits of the west and the river gather at their theatre city while the
// Union holds it. Without weapons or a place to go it stays raised.
TEST_F(BrigadeRulesTest, ArmedBrigadesGatherAtTheCityTheirNationAndStateSendThemTo) {
  constexpr int U = TNation::Union, S = TNation::Confederacy, W = TTheatre::West;
  constexpr int Sea = TTheatre::Seaboard, R = TTheatre::Mississippi;
  constexpr int US = TSide::Union, CS = TSide::Confederate;
  // Rows: nation, theatre, state capital, side holding the theatre cities,
  // nation capital, muskets, gathering city (0 stays raised).
  const int rows[][7] = {{U, Sea, 7, US, 3, 1000, 7}, {U, Sea, 0, US, 3, 1000, 3},
                         {U, W, 0, US, 3, 1000, 57},  {U, W, 0, CS, 3, 1000, 3},
                         {U, R, 0, US, 3, 1000, 55},  {S, W, 0, US, 4, 1000, 4},
                         {U, Sea, 0, US, 0, 1000, 0}, {U, Sea, 7, US, 3, 80, 0}};
  for (const auto& [n, theatre, stateCapital, holder, capital, muskets, city] : rows) {
    SCOPED_TRACE(testing::Message()
                 << "nation " << n << ", theatre " << theatre << ", muskets " << muskets);
    SetUp();
    for (int i = 0; i < 60; ++i) AddCity(1 + i, 1, holder);
    TStateRec& state = GameState.States[kState];
    state.Nation = n;
    state.Theatre = theatre;
    state.CapitalCity = stateCapital;
    TNationRec& nation = GameState.Nations[n];
    nation.Capital = capital;
    nation.WeaponStock[TWeapon::Muskets] = muskets;
    const TBrigade& b = Brigade(AddBrigade({.nation = n, .status = TBrigadeStatus::RaisedUnarmed}));
    ArmRaisedBrigades(n);
    const bool armed = city != 0;
    EXPECT_EQ(
        (std::array<int, 4>{b.Status, b.Location, b.Weapon, nation.WeaponStock[TWeapon::Muskets]}),
        (std::array{armed ? TBrigadeStatus::ArmedAndWaiting : TBrigadeStatus::RaisedUnarmed, city,
                    armed ? TWeapon::Muskets : 0, muskets - (armed ? 80 : 0)}));
  }
}

// A brigade is raised from a full complement of its arm's recruits, never
// less, with its state's lowest free number.
TEST_F(BrigadeRulesTest, ABrigadeIsRaisedFromAFullPoolWithItsStatesLowestFreeNumber) {
  // Rows: arm, recruits, strength raised (0 none).
  const int rows[][3] = {{A, 15, 0},   {A, 16, 16}, {I, 79, 0},
                         {I, 100, 80}, {C, 49, 0},  {C, 50, 50}};
  for (const auto& [arm, points, strength] : rows) {
    SCOPED_TRACE(testing::Message() << "arm " << arm << ", " << points << " recruits");
    SetUp();
    for (int number : {1, 2, 4})
      AddBrigade({.status = TBrigadeStatus::InGarrison, .number = number});
    AddBrigade({.homeState = kOtherState, .number = 3});
    const int freed = AddBrigade({.number = 3});
    ClearBrigade(freed);
    TStateRec& state = GameState.States[kState];
    U16& pool = arm == A   ? state.ArtilleryPoints
                : arm == I ? state.InfantryPoints
                           : state.CavalryPoints;
    pool = points;
    RaiseBrigade(arm, kState);
    const TBrigade& raised = Brigade(freed);
    EXPECT_EQ(raised.Strength, strength);
    EXPECT_EQ(pool, points - strength);
    if (strength == 0) continue;
    EXPECT_EQ((std::array<int, 7>{raised.Status, raised.Arm, raised.Number, raised.Nation,
                                  raised.Quality, raised.Weapon, raised.Location}),
              (std::array{TBrigadeStatus::RaisedUnarmed, arm, 3, TNation::Union, 1, 0, 0}));
  }
  SetUp();
  for (int b = 1; b <= GameState.Brigades.Count; ++b) AddBrigade({});
  GameState.States[kState].CavalryPoints = 50;
  RaiseBrigade(C, kState);
  EXPECT_EQ(GameState.States[kState].CavalryPoints, 50);
}

TEST_F(BrigadeRulesTest, AGarrisonedCorpsHandsItsBrigadesToItsCity) {
  const int city = AddCity(10, 10, TSide::Union);
  TCorps& formation = GameState.Corps[corps];
  formation.OtherBrigades = 2;
  const int brigades[] = {InCorps(I, 80, 1), InCorps(A, 16, 1)};
  const int elsewhere = AddBrigade({.status = TBrigadeStatus::ArmedAndWaiting, .location = corps});
  GarrisonCorpsBrigades(corps);  // no city yet: nothing moves
  EXPECT_EQ(Brigade(brigades[0]).Status, TBrigadeStatus::InCorps);
  formation.City = city;
  GarrisonCorpsBrigades(corps);
  EXPECT_EQ(GameState.Cities[city].GarrisonCount, 2);
  for (int b : brigades) EXPECT_TRUE(IsGarrisonOf(Brigade(b), city));
  EXPECT_EQ(Brigade(elsewhere).Status, TBrigadeStatus::ArmedAndWaiting);
}

}  // namespace
