#include "world/supply_and_attrition.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "tests/world/corps_fixture.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/supply_links.h"
#include "world/vardecl.h"

namespace {

constexpr int kSubsistence = TSupplyPriority::Subsistence;
constexpr int kStandard = TSupplyPriority::Standard;
constexpr int kHigh = TSupplyPriority::High;

// Corps of two brigades (160 men, quality 1) on plain Union ground in the first
// theatre in fair weather; the Union plays by computer unless a test says otherwise.
class SupplyTest : public CorpsTest {
 protected:
  void SetUp() override {
    CorpsTest::SetUp();
    LayLand(kPlain, TSide::Union);
    window.ForgetRecords();
  }
  static int AddSuppliedCorps(int x, int y, int supplyType, int priority) {
    const int c = AddMarchingCorps(x, y, TSide::Union);
    AddBrigadeTo(c);
    AddBrigadeTo(c);
    Corps(c).OtherBrigades = 2;
    Corps(c).SupplyType = supplyType;
    Corps(c).SupplyPriority = priority;
    return c;
  }
  static int AddDepot(int c, int x, int y, int side = TSide::Union) {
    const int city = AddCity(x, y, side);
    Corps(c).City = city;
    return city;
  }
  static U16& Stock(int nation = TNation::Union) {
    return GameState.Nations[nation].Supplies[TTheatre::Seaboard];
  }
};

// A depot feeds at a rate of 3, raised 3 for a corps on subsistence, lowered 1
// at standard priority and halved at high; a lost depot costs 9, one cut off
// 10, and either or a short one sends the corps foraging. A computer corps
// suffers half; losses are strength x 3 x rate / mean quality / 200, or
// strength x (weather + that) / 100 once foraging.
TEST_F(SupplyTest, ADepotFeedsItsCorpsByPriorityAndALostShortOrCutOffOneSendsItForaging) {
  enum Depot { kOwn, kShort, kLost, kFar, kNone, kNoNation };
  constexpr int Sub = kSubsistence, Std = kStandard, Hi = kHigh;
  constexpr int Short = kSupplyShort, Cut = kSupplyCutOff;
  using Row = struct { int depot, priority, human, losses, status, text; };
  const Row rows[] = {{kOwn, Sub, 1, 14, 0, 0},        {kOwn, Std, 1, 4, 0, 0},
                      {kOwn, Hi, 1, 2, 0, 0},          {kOwn, Std, 0, 2, 0, 0},
                      {kShort, Hi, 1, 28, Short, 724}, {kLost, Hi, 1, 43, 0, 722},
                      {kLost, Sub, 1, 43, 0, 0},       {kFar, Std, 1, 48, Cut, 725},
                      {kNone, Std, 1, 48, Cut, 725},   {kNoNation, Std, 1, 48, Cut, 0}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    GameState.Nations[TNation::Union].Human = row.human;
    const int c = AddSuppliedCorps(10, 10, TSupplyType::Depot, row.priority);
    if (row.depot != kNone) {
      const int city = AddDepot(c, row.depot == kFar ? 60 : 10, 10,
                                row.depot == kLost ? TSide::Confederate : TSide::Union);
      if (row.depot == kNoNation) GameState.Cities[city].Nation = 0;
    }
    Stock() = row.depot == kShort ? 10 : 100;
    UpdateSupplyAndAttrition(kSupplyAfterMovement);
    const bool fed = row.depot == kOwn;
    EXPECT_EQ(
        (std::array<int, 4>{Corps(c).Strength, Corps(c).SupplyStatus, Corps(c).SupplyType,
                            Corps(c).SupplyPriority}),
        (std::array{160 - row.losses, row.status, fed ? TSupplyType::Depot : TSupplyType::Foraging,
                    fed ? row.priority : kSubsistence}));
    // Two brigades x (row.priority + 1) x the Union's 4.
    EXPECT_EQ(Stock(), fed ? 100 - 2 * (row.priority + 1) * 4 : row.depot == kShort ? 10 : 100);
    const std::vector<std::string> told = {LeaderOf(c).Name.str() + "t" + std::to_string(row.text)};
    EXPECT_EQ(window.Messages(), row.text == 0 ? std::vector<std::string>{} : told);
  }
}

// A corps of no strength, given up, aboard or on the rails sits the pass out.
TEST_F(SupplyTest, OnlyACorpsInTheFieldDrawsSupplies) {
  namespace A = TCorpsActivity;
  namespace S = TCombatStance;
  using Row = struct { int strength, inactive, stance, activity, supplied; };
  const Row rows[] = {{160, 0, S::Defend, A::Holding, 1}, {0, 0, S::Defend, A::Holding, 0},
                      {160, 1, S::Defend, A::Holding, 0}, {160, 0, S::Embarked, A::Holding, 0},
                      {160, 0, S::ByRail, A::Holding, 0}, {160, 0, S::Defend, A::MovedByRail, 0},
                      {160, 0, S::Defend, 4, 0},          {160, 0, S::Defend, A::Embarked, 0},
                      {160, 0, S::Defend, A::Marching, 1}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    const int c = AddSuppliedCorps(10, 10, TSupplyType::Depot, kStandard);
    AddDepot(c, 10, 10);
    Corps(c).Strength = row.strength;
    Corps(c).Inactive = row.inactive;
    Corps(c).Stance = row.stance;
    Corps(c).Activity = row.activity;
    Stock() = 100;
    UpdateSupplyAndAttrition(kSupplyBeforeMovement);
    EXPECT_EQ(Stock(), row.supplied ? 84 : 100);
  }
}

// Five hexes from the depot over open country, by the first theatre's weather.
TEST_F(SupplyTest, TheWeatherOfTheFirstTheatreSetsHowFarADepotFeeds) {
  const bool connected[] = {true, true, true, true, true, false, true, false, false, true};
  for (int weather = 0; weather <= 9; ++weather) {
    SetUp();
    const int c = AddSuppliedCorps(10, 10, TSupplyType::Depot, kStandard);
    AddDepot(c, 15, 10);
    GameState.Weather[TTheatre::Seaboard] = weather;
    Stock() = 100;
    UpdateSupplyAndAttrition(kSupplyBeforeMovement);
    EXPECT_EQ(Corps(c).SupplyStatus, connected[weather] ? 0 : kSupplyCutOff) << weather;
  }
}

// An encampment feeds at 1 within a hex of its own city; one left further
// behind becomes a depot at standard priority (halving demand and rate) and in
// the same pass is served as a depot too (6 / 2 x 3 of 160 lost, then 2 x 3 of
// 153, and half the demand paid); an enemy city or none means foraging at 6.
TEST_F(SupplyTest, AnEncampmentFeedsNearItsCityAndOneLeftBehindBecomesADepotAtOnce) {
  constexpr int US = TSide::Union, CS = TSide::Confederate, Sub = kSubsistence;
  constexpr int Enc = TSupplyType::Encampment, Dep = TSupplyType::Depot,
                For = TSupplyType::Foraging;
  using Row = struct { int distance, side, priority, type, strength, stock; };
  const Row rows[] = {{1, US, Sub, Enc, 158, 100},
                      {1, US, kStandard, Enc, 160, 100},
                      {2, US, Sub, Dep, 149, 96},
                      {1, CS, Sub, For, 132, 100},
                      {-1, 0, Sub, For, 132, 100}};
  for (const Row& row : rows) {
    SCOPED_TRACE(&row - rows);
    SetUp();
    GameState.Nations[TNation::Union].Human = 1;
    const int c = AddSuppliedCorps(10, 10, TSupplyType::Encampment, row.priority);
    if (row.distance >= 0) AddDepot(c, 10 + row.distance, 10, row.side);
    Stock() = 100;
    UpdateSupplyAndAttrition(kSupplyAfterMovement);
    EXPECT_EQ(Corps(c).SupplyType, row.type);
    EXPECT_EQ(Corps(c).Strength, row.strength);
    EXPECT_EQ(Stock(), row.stock);
  }
}

// Foragers lose 10, 14 in the two hard kinds of country, 6 in a town; 5 more
// on a forced march, half on a cautious one, plus half their experience; half
// of it all when not fully exposed.
TEST_F(SupplyTest, ForagingCostsByCountryMarchAndExperience) {
  constexpr int Std = TMarchMode::Standard, Fast = TMarchMode::Forced;
  constexpr int Slow = TMarchMode::Cautious, Town = TTerrain::City;
  using Row = struct { int terrain, march, fatigue, full, rate; };
  const Row rows[] = {{kPlain, Std, 0, 1, 10}, {3, Std, 0, 1, 14},      {6, Std, 0, 1, 10},
                      {5, Std, 0, 1, 14},      {Town, Std, 0, 1, 6},    {kPlain, Fast, 0, 1, 15},
                      {kPlain, Slow, 0, 1, 5}, {kPlain, Std, 3, 1, 11}, {kPlain, Std, 0, 0, 5}};
  for (const Row& row : rows) {
    const int c = AddSuppliedCorps(10, 10, TSupplyType::Foraging, kStandard);
    MapRecord.Cell(10, 10).SetTerrain(row.terrain);
    Corps(c).March = row.march;
    Corps(c).Fatigue = row.fatigue;
    EXPECT_EQ(ForagingAttritionRate(10, 10, c, row.full), row.rate)
        << row.terrain << "/" << row.march << "/" << row.fatigue;
    SetUp();
  }
}

TEST_F(SupplyTest, FleetsOnMissionsEatTheirSuppliesAfterMovementOnly) {
  TFleet& idle = GameState.Fleets[AddFleet(40, 40, TSide::Union, TNation::Union)];
  TFleet& fleet = GameState.Fleets[AddFleet(40, 40, TSide::Union, TNation::Union)];
  idle.Mission = 1;
  fleet.Mission = 2;
  for (TFleet* f : {&idle, &fleet}) {
    f->Supplies = 100;
    f->Ships[1] = 2;
    f->DamagedShips[1] = 1;
    f->Ships[2] = 3;
    f->DamagedShips[2] = 1;
    f->Ships[3] = 4;
  }
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(fleet.Supplies, 100);
  UpdateSupplyAndAttrition(kSupplyAfterMovement);
  EXPECT_EQ(fleet.Supplies, 100 - (3 * 3 + 4 + 4) * 2 / 4);
  EXPECT_EQ(idle.Supplies, 100);
}

TEST_F(SupplyTest, ACutOffGarrisonUnderSiegeLosesFiveToFifteenPerCent) {
  const int city = AddCity(30, 30, TSide::Confederate);
  const int garrison = AddBrigade(
      {.nation = TNation::Confederacy, .status = TBrigadeStatus::InGarrison, .location = city});
  GameState.Cities[city].GarrisonCount = 1;
  const int besieger = AddMarchingCorps(31, 30, TSide::Union);
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(GameState.Brigades[garrison].Strength, 80);
  Corps(besieger).X = 30;
  // p = 5 + 2 + 3: 80 x 10 / 100 = 8, and one more as 50 lies above the remainder 0.
  ScriptRandomDraws({{6, 2}, {6, 3}, {100, 50}});
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(GameState.Brigades[garrison].Strength, 71);
  // p = 11: 71 x 11 = 781 loses 7, and a draw of 81 is not above 81.
  ScriptRandomDraws({{6, 5}, {6, 1}, {100, 81}});
  UpdateSupplyAndAttrition(kSupplyAfterMovement);
  EXPECT_EQ(GameState.Brigades[garrison].Strength, 64);
}

}  // namespace
