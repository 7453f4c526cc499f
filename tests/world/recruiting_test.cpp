#include "world/recruiting.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "tests/world/economy_fixture.h"
#include "tests/world/force_builders.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

constexpr int kState = 6;
// The two neutral border states and the Confederate states their men drift to.
constexpr int kBorderState = 19;
constexpr int kBorderStatesNeighbour = 24;
constexpr int kOtherBorderState = 20;
constexpr int kOtherBorderStatesNeighbour = 21;

class RecruitingTest : public EconomyTest<WorldTest> {
 protected:
  void SetUp() override {
    EconomyTest::SetUp();
    for (int n = TNation::Union; n <= TNation::Britain; ++n) Nation(n).Human = 1;
    SetShares(TNation::Union, 60, 20, 10, 10);
  }

  static void SetShares(int n, int infantry, int cavalry, int artillery, int naval) {
    Table<std::uint8_t, 4>& share = Nation(n).ProductionShare;
    share[1] = static_cast<std::uint8_t>(infantry);
    share[2] = static_cast<std::uint8_t>(cavalry);
    share[3] = static_cast<std::uint8_t>(artillery);
    share[4] = static_cast<std::uint8_t>(naval);
  }

  static TStateRec& State(int s, int nation, int manpower) {
    TStateRec& state = StateOf(s, nation);
    state.Manpower = static_cast<std::uint16_t>(manpower);
    return state;
  }

  static int RaisedBrigades(int arm) {
    int count = 0;
    for (int b = 1; b <= GameState.Brigades.Count; ++b) {
      const TBrigade& brigade = GameState.Brigades[b];
      if (brigade.Status == TBrigadeStatus::RaisedUnarmed && brigade.Arm == arm) ++count;
    }
    return count;
  }

  static void AddBrigades(int nation, int weapon, int count) {
    for (int i = 0; i < count; ++i) AddBrigade({.nation = nation, .weapon = weapon});
  }
};

TEST_F(RecruitingTest, ManpowerSplitsByTheSharesAndRaisesOneBrigadeOfEachArm) {
  TStateRec& state = State(kState, TNation::Union, 1000);
  Supplies(TNation::Union) = 5000;

  RecruitFromStates();
  // 600 infantry free; 200 cavalry at 6, 100 artillery at 10, 100 naval at 1.
  EXPECT_EQ(Supplies(TNation::Union), 5000 - 1200 - 1000 - 100);
  EXPECT_EQ(state.Manpower, 0);
  EXPECT_EQ(Nation(TNation::Union).BuildPoints, 100);
  EXPECT_EQ(state.InfantryPoints, 600 - 80);
  EXPECT_EQ(state.CavalryPoints, 200 - 50);
  EXPECT_EQ(state.ArtilleryPoints, 100 - 16);
  EXPECT_EQ(RaisedBrigades(TArm::Infantry), 1);
  EXPECT_EQ(RaisedBrigades(TArm::Cavalry), 1);
  EXPECT_EQ(RaisedBrigades(TArm::Artillery), 1);
}

TEST_F(RecruitingTest, ShortSuppliesCutTheArmsTheyPayForAndTheUnpaidMenStay) {
  TStateRec& state = State(kState, TNation::Union, 1000);
  Supplies(TNation::Union) = 700;

  RecruitFromStates();
  // 116 horsemen take 696; 4 left buy no gun and four naval points.
  EXPECT_EQ(state.CavalryPoints, 116 - 50);
  EXPECT_EQ(state.ArtilleryPoints, 0);
  EXPECT_EQ(Nation(TNation::Union).BuildPoints, 4);
  EXPECT_EQ(Supplies(TNation::Union), 0);
  EXPECT_EQ(state.Manpower, 1000 - 600 - 116 - 4);
}

TEST_F(RecruitingTest, EightyInfantryPointsMakeABrigadeAndTheRestWaitsForNextMonth) {
  SetShares(TNation::Union, 0, 0, 0, 0);
  TStateRec& short_state = State(kState, TNation::Union, 0);
  short_state.InfantryPoints = 79;
  TStateRec& full_state = State(kState + 1, TNation::Union, 0);
  full_state.InfantryPoints = 160;
  full_state.CavalryPoints = 49;
  full_state.ArtilleryPoints = 16;

  RecruitFromStates();
  EXPECT_EQ(short_state.InfantryPoints, 79);
  EXPECT_EQ(full_state.InfantryPoints, 80);
  EXPECT_EQ(RaisedBrigades(TArm::Infantry), 1);
  EXPECT_EQ(RaisedBrigades(TArm::Cavalry), 0);
  EXPECT_EQ(RaisedBrigades(TArm::Artillery), 1);
}

TEST_F(RecruitingTest, AnOccupiedStateOrOneWithoutANationRecruitsNothing) {
  TStateRec& occupied = State(kState, TNation::Union, 1000);
  occupied.ControlSide = TSide::Confederate;
  TStateRec& nobodys = State(kState + 1, TNation::Union, 1000);
  nobodys.Nation = 0;

  RecruitFromStates();
  EXPECT_EQ(occupied.Manpower, 1000);
  EXPECT_EQ(nobodys.Manpower, 1000);
  EXPECT_EQ(occupied.InfantryPoints, 0);
}

TEST_F(RecruitingTest, BorderStateMenDriftSouthOnlyOnceTheNeighbourIsConfederateHeld) {
  SetShares(TNation::Confederacy, 0, 0, 0, 0);
  TStateRec& border = State(kBorderState, TNation::Union, 1000);
  TStateRec& neighbour = State(kBorderStatesNeighbour, TNation::Confederacy, 0);
  neighbour.ControlSide = TSide::Union;
  const int held = AddCity(20, 20, TSide::Confederate);
  GameState.Cities[held].State = kBorderState;
  SetShares(TNation::Union, 0, 0, 0, 0);

  RecruitFromStates();
  EXPECT_EQ(border.Manpower, 1000);

  neighbour.ControlSide = TSide::Confederate;
  RecruitFromStates();
  EXPECT_EQ(border.Manpower, 1000 - 650);
  EXPECT_EQ(GameState.States[kBorderStatesNeighbour].Manpower, 650);
}

TEST_F(RecruitingTest, ADriftShareOverAHundredPercentMovesOnlyTheMenThereAre) {
  SetShares(TNation::Union, 0, 0, 0, 0);
  SetShares(TNation::Confederacy, 0, 0, 0, 0);
  TStateRec& border = State(kOtherBorderState, TNation::Union, 500);
  State(kOtherBorderStatesNeighbour, TNation::Confederacy, 0);
  for (int i = 0; i < 7; ++i)
    GameState.Cities[AddCity(20 + i, 20, TSide::Confederate)].State = kOtherBorderState;

  RecruitFromStates();
  // 40 + 7 x 10 = 110 per cent of 500 would make 50 men from nothing.
  EXPECT_EQ(border.Manpower, 0);
  EXPECT_EQ(GameState.States[kOtherBorderStatesNeighbour].Manpower, 500);
}

TEST_F(RecruitingTest, AComputerNationShiftsItsSharesTowardTheArmItsBrigadesLack) {
  Nation(TNation::Union).Human = 0;
  Nation(TNation::Confederacy).Human = 0;
  SetShares(TNation::Confederacy, 70, 5, 9, 0);
  AddBrigades(TNation::Union, TWeapon::Springfields, 7);
  AddBrigades(TNation::Union, TWeapon::Whitworths, 2);
  AddBrigades(TNation::Union, TWeapon::Spencers, 1);
  AddBrigades(TNation::Confederacy, TWeapon::Muskets, 11);
  AddBrigades(TNation::Confederacy, TWeapon::Smoothbores, 1);
  AddBrigades(TNation::Britain, TWeapon::Sharps, 30);
  // An emptied slot keeps its weapon byte but is no brigade.
  GameState.Brigades[AddBrigade({.nation = TNation::Union, .weapon = TWeapon::Sharps})].Status = 0;

  RecruitFromStates();
  // Union: 7 rifles to 2 batteries is too many guns (7 / 5 < 2) and 1 troop is
  // enough horse (7 / 20 < 1).
  const Table<std::uint8_t, 4>& north = Nation(TNation::Union).ProductionShare;
  EXPECT_EQ(north[1], 62);
  EXPECT_EQ(north[2], 19);
  EXPECT_EQ(north[3], 9);
  // Confederacy: 11 muskets to 1 battery wants guns, and to no horse wants cavalry.
  const Table<std::uint8_t, 4>& south = Nation(TNation::Confederacy).ProductionShare;
  EXPECT_EQ(south[1], 68);
  EXPECT_EQ(south[2], 6);
  EXPECT_EQ(south[3], 10);
  EXPECT_EQ(Nation(TNation::Britain).ProductionShare[1], 0);
}

}  // namespace
