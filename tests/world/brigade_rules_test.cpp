#include "world/brigade_rules.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "tests/world/force_builders.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

constexpr int kState = 1;
constexpr int kOtherState = 2;

class BrigadeRulesTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    corps = AddCorps(10, 10, TSide::Union, TNation::Union);
    GameState.States[kState].Nation = TNation::Union;
    GameState.States[kOtherState].Nation = TNation::Union;
  }

  int InCorps(int arm, int strength, int quality) {
    return AddBrigade({.arm = arm, .strength = strength, .location = corps, .quality = quality});
  }

  static const TBrigade& Brigade(int b) { return GameState.Brigades[b]; }

  int corps = 0;
};

// --- Losses ---

TEST_F(BrigadeRulesTest, AnEmptiedSlotKeepsItsNumberPlaceWeaponAndQuality) {
  const int b = AddBrigade(
      {.location = corps, .quality = 4, .weapon = TWeapon::Sharps, .number = 9, .fatigue = 6});
  ClearBrigade(b);
  const TBrigade& slot = Brigade(b);
  EXPECT_TRUE(slot.IsFree());
  EXPECT_EQ(slot.Nation + slot.Arm + slot.Strength + slot.HomeState + slot.Fatigue, 0);
  EXPECT_EQ(slot.Location, corps);
  EXPECT_EQ(slot.Weapon, TWeapon::Sharps);
  EXPECT_EQ(slot.Quality, 4);
  EXPECT_EQ(slot.Number, 9);
}

TEST_F(BrigadeRulesTest, AttritionFollowsTheStrongerAndRawerChainAndCountsEachPoint) {
  GameState.Corps[corps].Strength = 70;
  const int seasoned = InCorps(TArm::Infantry, 30, 2);
  const int raw = InCorps(TArm::Infantry, 40, 1);
  // Cavalry of quality 2 weighs 4, more than the raw brigade: the chain passes it by.
  const int cavalry = InCorps(TArm::Cavalry, 60, 2);

  ApplyBrigadeLosses(kLossesByCorps, corps, 10);
  EXPECT_EQ(Brigade(raw).Strength, 30);
  EXPECT_EQ(Brigade(seasoned).Strength, 30);
  EXPECT_EQ(Brigade(cavalry).Strength, 60);

  // Equal strengths: the earlier brigade takes the point, then the chain moves on.
  ApplyBrigadeLosses(kLossesByCorps, corps, 2);
  EXPECT_EQ(Brigade(seasoned).Strength, 29);
  EXPECT_EQ(Brigade(raw).Strength, 29);

  EXPECT_EQ(GameState.Corps[corps].Strength, 58);
  EXPECT_EQ(GameState.ForagingLosses[TNation::Union], 12u);
  EXPECT_EQ(GameState.States[kState].Losses, 12);
}

TEST_F(BrigadeRulesTest, AttritionSparesVeteranBatteriesAndEndsWhenNoBrigadeCanTakeMore) {
  const int battery = InCorps(TArm::Artillery, 16, 34);  // weighs 102
  ApplyBrigadeLosses(kLossesByCorps, corps, 5);
  EXPECT_EQ(Brigade(battery).Strength, 16);
  EXPECT_EQ(GameState.ForagingLosses[TNation::Union], 0u);

  GameState.Corps[corps].Strength = 3;
  const int weak = InCorps(TArm::Infantry, 4, 1);
  ApplyBrigadeLosses(kLossesByCorps, corps, 50);
  EXPECT_TRUE(Brigade(weak).IsFree());
  EXPECT_EQ(Brigade(weak).Nation, 0);
  EXPECT_EQ(GameState.Corps[corps].Strength, 0);
  EXPECT_EQ(GameState.ForagingLosses[TNation::Union], 4u);
  EXPECT_EQ(Brigade(battery).Strength, 16);
}

TEST_F(BrigadeRulesTest, AttritionFallsOnlyOnTheCorpsOwnServingBrigades) {
  // A garrison in the city whose number equals the corps', a waiting brigade
  // there, a foreign brigade filed under the corps, and a slot of no nation.
  const int garrison = AddBrigade({.status = TBrigadeStatus::InGarrison, .location = corps});
  const int waiting = AddBrigade({.status = TBrigadeStatus::ArmedAndWaiting, .location = corps});
  const int foreign = AddBrigade({.nation = TNation::Confederacy, .location = corps});
  const int strange = AddBrigade({.nation = 9, .location = corps});

  ApplyBrigadeLosses(kLossesByCorps, corps, 5);
  EXPECT_EQ(Brigade(garrison).Strength, 80);
  EXPECT_EQ(Brigade(waiting).Strength, 80);
  EXPECT_EQ(Brigade(foreign).Strength, 80);
  EXPECT_EQ(Brigade(strange).Nation, 0);
  EXPECT_EQ(GameState.ForagingLosses[TNation::Union], 0u);
}

TEST_F(BrigadeRulesTest, AHitCountsTheLossesAndAnExactHitLeavesAnEmptyBrigadeForTheRecount) {
  const int hit = InCorps(TArm::Infantry, 50, 1);
  ScriptRandomDraws({{100, 60}});
  ApplyBrigadeLosses(kLossesByBrigade, hit, 50);
  EXPECT_EQ(Brigade(hit).Strength, 0);
  EXPECT_EQ(Brigade(hit).Status, TBrigadeStatus::InCorps);
  EXPECT_EQ(GameState.Casualties[TNation::Union], 50);
  EXPECT_EQ(GameState.NationTally[TNation::Union], 50);
  EXPECT_EQ(GameState.States[kState].Losses, 50);

  RecountCorpsBrigades();
  EXPECT_TRUE(Brigade(hit).IsFree());
}

TEST_F(BrigadeRulesTest, AHitBeyondTheStrengthDestroysTheBrigadeAndCountsOnlyItsMen) {
  const int hit = AddBrigade({.nation = TNation::Confederacy, .strength = 30, .location = corps});
  ApplyBrigadeLosses(kLossesByBrigade, hit, 200);
  EXPECT_TRUE(Brigade(hit).IsFree());
  EXPECT_EQ(GameState.Casualties[TNation::Confederacy], 30);
  EXPECT_EQ(GameState.NationTally[TNation::Confederacy], 30);
  EXPECT_EQ(GameState.States[kState].Losses, 30);
}

TEST_F(BrigadeRulesTest, HalfTheUnionsSurvivingHitsLoseTheirWeapons) {
  const int armed = AddBrigade({.location = corps, .weapon = TWeapon::Springfields});
  ScriptRandomDraws({{100, 49}, {100, 50}});
  ApplyBrigadeLosses(kLossesByBrigade, armed, 10);
  ApplyBrigadeLosses(kLossesByBrigade, armed, 7);
  EXPECT_EQ(WeaponLossCounters[TWeapon::Springfields], 10);

  // An unarmed brigade still draws, and loses no weapon.
  const int unarmed = AddBrigade({.location = corps});
  ScriptRandomDraws({{100, 0}});
  ApplyBrigadeLosses(kLossesByBrigade, unarmed, 10);
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);

  // The Confederacy does not draw at all: an empty script would throw.
  const int rebel = AddBrigade({.nation = TNation::Confederacy, .location = corps});
  ScriptRandomDraws({});
  ApplyBrigadeLosses(kLossesByBrigade, rebel, 10);
  EXPECT_EQ(Brigade(rebel).Strength, 70);
}

TEST_F(BrigadeRulesTest, LossesWithAnUnknownModeOrIndexChangeNothing) {
  const int b = InCorps(TArm::Infantry, 80, 1);
  ApplyBrigadeLosses(2, corps, 10);
  ApplyBrigadeLosses(kLossesByCorps, 0, 10);
  ApplyBrigadeLosses(kLossesByCorps, 121, 10);
  ApplyBrigadeLosses(kLossesByBrigade, 0, 10);
  ApplyBrigadeLosses(kLossesByBrigade, 501, 10);
  EXPECT_EQ(Brigade(b).Strength, 80);
}

// --- Recount ---

struct CapacityCase {
  int kind;
  int nation;
  int combat;
  int capacity;
};

class CorpsCapacityTest : public BrigadeRulesTest,
                          public ::testing::WithParamInterface<CapacityCase> {};

TEST_P(CorpsCapacityTest, TheRecountSetsCapacityFromTheCommandersCombatRating) {
  const CapacityCase c = GetParam();
  TCorps& formation = GameState.Corps[corps];
  formation.Nation = static_cast<std::uint8_t>(c.nation);
  formation.Kind = static_cast<std::uint8_t>(c.kind);
  if (c.combat >= 0) {
    formation.Leader = static_cast<std::uint8_t>(AddLeader({.combat = c.combat}));
  }
  RecountCorpsBrigades();
  EXPECT_EQ(formation.Capacity, c.capacity);
}

INSTANTIATE_TEST_SUITE_P(
    ByKindAndNation, CorpsCapacityTest,
    ::testing::Values(CapacityCase{TCorpsKind::Corps, TNation::Confederacy, 80, 10},  // 11, cut
                      CapacityCase{TCorpsKind::Corps, TNation::Confederacy, 60, 9},
                      CapacityCase{TCorpsKind::Corps, TNation::Union, 80, 8},
                      CapacityCase{TCorpsKind::InfantryDivision, TNation::Confederacy, 80, 6},
                      CapacityCase{TCorpsKind::CavalryDivision, TNation::Britain, 89, 4},
                      CapacityCase{TCorpsKind::Corps, TNation::Union, 250, 10},
                      // A corps without a commander: no rating, and no leader 0 read.
                      CapacityCase{TCorpsKind::Corps, TNation::Union, -1, 4},
                      CapacityCase{TCorpsKind::InfantryDivision, TNation::Union, -1, 2}));

TEST_F(BrigadeRulesTest, TheRecountAveragesQualityAndExperienceOverTheLineBrigades) {
  InCorps(TArm::Artillery, 16, 4);
  InCorps(TArm::Infantry, 80, 3);
  const int tired = AddBrigade(
      {.arm = TArm::Cavalry, .strength = 50, .location = corps, .quality = 2, .fatigue = 40});
  RecountCorpsBrigades();
  const TCorps& formation = GameState.Corps[corps];
  EXPECT_EQ(formation.ArtilleryBrigades, 1);
  EXPECT_EQ(formation.ArtilleryStrength, 16);
  EXPECT_EQ(formation.OtherBrigades, 2);
  EXPECT_EQ(formation.Strength, 130);
  EXPECT_EQ(formation.Quality, (4 + 3 + 2) / 2);
  EXPECT_EQ(Brigade(tired).Fatigue, kMostBrigadeFatigue);
  EXPECT_EQ(formation.Fatigue, kMostBrigadeFatigue / 2);
}

TEST_F(BrigadeRulesTest, AnArtilleryOnlyCorpsHasNoQualityOrExperience) {
  AddBrigade(
      {.arm = TArm::Artillery, .strength = 16, .location = corps, .quality = 5, .fatigue = 9});
  RecountCorpsBrigades();
  EXPECT_EQ(GameState.Corps[corps].Quality, 0);
  EXPECT_EQ(GameState.Corps[corps].Fatigue, 0);
  EXPECT_EQ(GameState.Corps[corps].ArtilleryBrigades, 1);
}

TEST_F(BrigadeRulesTest, RecountTotalsDoNotWrapInTheirFields) {
  for (int i = 0; i < 40; ++i) InCorps(TArm::Infantry, 80, 7);
  for (int i = 0; i < 20; ++i) InCorps(TArm::Artillery, 16, 7);
  RecountCorpsBrigades();
  const TCorps& formation = GameState.Corps[corps];
  EXPECT_EQ(formation.Quality, (60 * 7) / 40);
  EXPECT_EQ(formation.Strength, 40 * 80);
  EXPECT_EQ(formation.ArtilleryStrength, 255);  // 320 men, held at the byte's top
}

TEST_F(BrigadeRulesTest, TheRecountEmptiesDeadSlotsAndLeavesOtherCorpsAndCitiesAlone) {
  const int noArm = AddBrigade({.arm = 0, .location = corps});
  const int noHome = AddBrigade({.location = corps, .homeState = 0});
  const int spent = AddBrigade({.strength = 0, .location = corps});
  const int sideless = AddCorps(4, 4, TSide::None, TNation::Union);
  GameState.Corps[sideless].Strength = 66;
  const int dissolved = AddCorps(3, 3, TSide::Union, TNation::Union);
  GameState.Corps[dissolved].Inactive = 1;
  GameState.Corps[dissolved].Strength = 77;
  RecountCorpsBrigades();
  EXPECT_TRUE(Brigade(noArm).IsFree());
  EXPECT_TRUE(Brigade(noHome).IsFree());
  EXPECT_TRUE(Brigade(spent).IsFree());
  EXPECT_EQ(GameState.Corps[corps].OtherBrigades, 0);
  EXPECT_EQ(GameState.Corps[dissolved].Strength, 77);
  EXPECT_EQ(GameState.Corps[sideless].Strength, 66);
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

// --- Training ---

TEST_F(BrigadeRulesTest, TrainingDrawsForEachServingBrigadeAndNeverPassesQualitySeven) {
  const int learns = InCorps(TArm::Infantry, 80, 1);
  const int idle = InCorps(TArm::Infantry, 80, 1);
  const int veteran = InCorps(TArm::Infantry, 80, 7);
  AddBrigade({.status = TBrigadeStatus::InGarrison, .location = corps});  // draws nothing
  ScriptRandomDraws({{100, 26}, {8, 2}, {100, 25}, {100, 99}, {8, 7}});
  EXPECT_EQ(TrainCorpsBrigades(corps), 1);
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  EXPECT_EQ(Brigade(learns).Quality, 2);
  EXPECT_EQ(Brigade(idle).Quality, 1);
  EXPECT_EQ(Brigade(veteran).Quality, 7);
}

// --- Weapons, arming, raising ---

TEST_F(BrigadeRulesTest, ProductionCostsAreWrittenPerNationAndTheFirstRowIsKept) {
  GameState.WeaponTypes[1].Cost[1] = 77;
  SetProductionCosts();
  EXPECT_EQ(GameState.WeaponTypes[1].Cost[1], 77);
  EXPECT_EQ(GameState.WeaponTypes[2].Cost[3], 2);
  EXPECT_EQ(GameState.WeaponTypes[5].Cost[1], 1);
  EXPECT_EQ(GameState.WeaponTypes[6].Cost[2], 45);
  EXPECT_EQ(GameState.WeaponTypes[8].Cost[4], 92);
}

TEST_F(BrigadeRulesTest, AWeaponIsPickedOnlyFromAStockLargerThanTheBrigade) {
  auto& stock = GameState.Nations[TNation::Union].WeaponStock;
  stock[TWeapon::Muskets] = 80;
  stock[TWeapon::Springfields] = 80;
  stock[TWeapon::Spencers] = 81;
  EXPECT_EQ(PickWeaponForArm(TNation::Union, TArm::Infantry, 80), TWeapon::Spencers);
  stock[TWeapon::Muskets] = 81;
  EXPECT_EQ(PickWeaponForArm(TNation::Union, TArm::Infantry, 80), TWeapon::Muskets);
  // Cavalry arms from 3..5, artillery from 6..8.
  EXPECT_EQ(PickWeaponForArm(TNation::Union, TArm::Cavalry, 50), TWeapon::Spencers);
  EXPECT_EQ(PickWeaponForArm(TNation::Union, TArm::Artillery, 16), 0);
  stock[TWeapon::Whitworths] = 17;
  EXPECT_EQ(PickWeaponForArm(TNation::Union, TArm::Artillery, 16), TWeapon::Whitworths);
  EXPECT_EQ(PickWeaponForArm(0, TArm::Infantry, 0), 0);
}

class ArmingTest : public BrigadeRulesTest {
 protected:
  void SetUp() override {
    BrigadeRulesTest::SetUp();
    for (int i = 0; i < 60; ++i) AddCity(1 + i, 1, TSide::Union);
    GameState.Nations[TNation::Union].Capital = 3;
    GameState.Nations[TNation::Confederacy].Capital = 4;
    GameState.Nations[TNation::Union].WeaponStock[TWeapon::Muskets] = 1000;
    GameState.Nations[TNation::Confederacy].WeaponStock[TWeapon::Muskets] = 1000;
  }

  static int Raised(int nation, int state) {
    return AddBrigade(
        {.nation = nation, .status = TBrigadeStatus::RaisedUnarmed, .homeState = state});
  }
};

TEST_F(ArmingTest, ArmedBrigadesGatherAtTheirStateCapitalElseTheirNations) {
  GameState.States[kState].CapitalCity = 7;
  const int withCapital = Raised(TNation::Union, kState);
  const int without = Raised(TNation::Union, kOtherState);
  ArmRaisedBrigades(TNation::Union);
  EXPECT_EQ(Brigade(withCapital).Status, TBrigadeStatus::ArmedAndWaiting);
  EXPECT_EQ(Brigade(withCapital).Weapon, TWeapon::Muskets);
  EXPECT_EQ(Brigade(withCapital).Location, 7);
  EXPECT_EQ(Brigade(without).Location, 3);
  EXPECT_EQ(GameState.Nations[TNation::Union].WeaponStock[TWeapon::Muskets], 1000 - 160);
}

TEST_F(ArmingTest, UnionRecruitsOfTheWestAndTheRiverGatherAtTheirTheatreCityWhileHeld) {
  GameState.States[kState].Theatre = TTheatre::West;
  GameState.States[kOtherState].Theatre = TTheatre::Mississippi;
  const int western = Raised(TNation::Union, kState);
  const int river = Raised(TNation::Union, kOtherState);
  ArmRaisedBrigades(TNation::Union);
  EXPECT_EQ(Brigade(western).Location, 57);
  EXPECT_EQ(Brigade(river).Location, 55);

  GameState.Cities[57].Side = TSide::Confederate;
  const int later = Raised(TNation::Union, kState);
  ArmRaisedBrigades(TNation::Union);
  EXPECT_EQ(Brigade(later).Location, 3);
}

TEST_F(ArmingTest, ConfederateRecruitsNeverGatherInAUnionHeldCity) {
  GameState.States[kState].Nation = TNation::Confederacy;
  GameState.States[kState].Theatre = TTheatre::West;
  const int rebel = Raised(TNation::Confederacy, kState);
  ArmRaisedBrigades(TNation::Confederacy);
  EXPECT_EQ(Brigade(rebel).Location, 4);
}

TEST_F(ArmingTest, ABrigadeWithoutWeaponsOrAPlaceToGatherStaysRaised) {
  GameState.Nations[TNation::Union].WeaponStock[TWeapon::Muskets] = 0;
  const int unarmed = Raised(TNation::Union, kState);
  ArmRaisedBrigades(TNation::Union);
  EXPECT_EQ(Brigade(unarmed).Status, TBrigadeStatus::RaisedUnarmed);

  GameState.Nations[TNation::Union].WeaponStock[TWeapon::Muskets] = 1000;
  GameState.Nations[TNation::Union].Capital = 0;
  ArmRaisedBrigades(TNation::Union);
  EXPECT_EQ(Brigade(unarmed).Status, TBrigadeStatus::RaisedUnarmed);
  EXPECT_EQ(Brigade(unarmed).Weapon, 0);
  EXPECT_EQ(GameState.Nations[TNation::Union].WeaponStock[TWeapon::Muskets], 1000);
}

TEST_F(BrigadeRulesTest, ANewBrigadeTakesItsStatesLowestFreeNumberAndDrawsOnThePool) {
  for (int number : {1, 2, 4}) AddBrigade({.status = TBrigadeStatus::InGarrison, .number = number});
  AddBrigade({.homeState = kOtherState, .number = 3});
  const int freed = AddBrigade({.number = 3});
  ClearBrigade(freed);
  GameState.States[kState].InfantryPoints = 100;

  RaiseBrigade(TArm::Infantry, kState);
  const TBrigade& raised = Brigade(freed);
  EXPECT_EQ(raised.Number, 3);
  EXPECT_EQ(raised.Status, TBrigadeStatus::RaisedUnarmed);
  EXPECT_EQ(raised.Nation, TNation::Union);
  EXPECT_EQ(raised.Strength, kFullInfantryStrength);
  EXPECT_EQ(raised.Quality, 1);
  EXPECT_EQ(raised.Weapon, 0);
  EXPECT_EQ(raised.Location, 0);
  EXPECT_EQ(GameState.States[kState].InfantryPoints, 20);
}

TEST_F(BrigadeRulesTest, NoBrigadeIsRaisedFromAShortPoolOrIntoAFullTable) {
  GameState.States[kState].ArtilleryPoints = 15;
  RaiseBrigade(TArm::Artillery, kState);
  EXPECT_TRUE(Brigade(1).IsFree());
  EXPECT_EQ(GameState.States[kState].ArtilleryPoints, 15);

  for (int b = 1; b <= GameState.Brigades.Count; ++b) AddBrigade({});
  GameState.States[kState].CavalryPoints = 50;
  RaiseBrigade(TArm::Cavalry, kState);
  EXPECT_EQ(GameState.States[kState].CavalryPoints, 50);
}

TEST_F(BrigadeRulesTest, AGarrisonedCorpsHandsItsBrigadesToItsCity) {
  const int city = AddCity(10, 10, TSide::Union);
  TCorps& formation = GameState.Corps[corps];
  formation.OtherBrigades = 2;
  const int first = InCorps(TArm::Infantry, 80, 1);
  const int second = InCorps(TArm::Artillery, 16, 1);
  const int elsewhere = AddBrigade({.status = TBrigadeStatus::ArmedAndWaiting, .location = corps});

  GarrisonCorpsBrigades(corps);  // no city yet: nothing moves
  EXPECT_EQ(Brigade(first).Status, TBrigadeStatus::InCorps);

  formation.City = static_cast<std::uint8_t>(city);
  GarrisonCorpsBrigades(corps);
  EXPECT_EQ(GameState.Cities[city].GarrisonCount, 2);
  for (int b : {first, second}) {
    EXPECT_EQ(Brigade(b).Status, TBrigadeStatus::InGarrison);
    EXPECT_EQ(Brigade(b).Location, city);
  }
  EXPECT_EQ(Brigade(elsewhere).Status, TBrigadeStatus::ArmedAndWaiting);
  EXPECT_EQ(formation.OtherBrigades, 2);
}

}  // namespace
