#include "world/supply_and_attrition.h"

#include <array>
#include <string>
#include <vector>

#include "tests/world/corps_fixture.h"
#include "world/brigade_rules.h"
#include "world/random.h"
#include "world/supply_links.h"

namespace {

constexpr int Sub = TSupplyPriority::Subsistence, Std = TSupplyPriority::Standard;
constexpr int US = TSide::Union, CS = TSide::Confederate;

// Corps of two brigades (160 men, quality 1) on plain Union ground in the first
// theatre in fair weather; the Union plays by computer unless a test says otherwise.
class SupplyTest : public CorpsTest {
 protected:
  void SetUp() override {
    CorpsTest::SetUp();
    LayLand(kPlain, TSide::Union);
    window.ForgetRecords();
    Stock() = 100;
  }
  // The corps, with its supply city on the hex when x is not 0.
  static int AddSuppliedCorps(int supplyType, int priority, int x = 0, int side = US) {
    const int c = AddMarchingCorps(10, 10, TSide::Union);
    AddBrigadeTo(c);
    AddBrigadeTo(c);
    Corps(c).OtherBrigades = 2;
    Corps(c).SupplyType = supplyType;
    Corps(c).SupplyPriority = priority;
    if (x != 0) Corps(c).City = AddCity(x, 10, side);
    return c;
  }
  static U16& Stock() { return GameState.Nations[TNation::Union].Supplies[TTheatre::Seaboard]; }
};

// A depot feeds at a rate of 3, raised 3 for a corps on subsistence, lowered 1
// at standard priority and halved at high; a lost depot costs 9, one cut off
// 10, and either or a short one sends the corps foraging. A computer corps
// suffers half; losses are strength x 3 x rate / mean quality / 200, or
// strength x (weather + that) / 100 once foraging. A fed corps pays two
// brigades x (priority + 1) x the Union's 4. Text 0 tells nothing. The far
// depot is 50 hexes off.
TEST_F(SupplyTest, ADepotFeedsItsCorpsByPriorityAndALostShortOrCutOffOneSendsItForaging) {
  enum Depot { kOwn, kShort, kLost, kFar, kNone, kNoNation };
  constexpr int Hi = TSupplyPriority::High, Short = kSupplyShort, Cut = kSupplyCutOff;
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
    const int depotX[] = {10, 10, 10, 60, 0, 10};
    const int c = AddSuppliedCorps(TSupplyType::Depot, row.priority, depotX[row.depot],
                                   row.depot == kLost ? CS : US);
    if (row.depot == kNoNation) GameState.Cities[Corps(c).City].Nation = 0;
    if (row.depot == kShort) Stock() = 10;
    UpdateSupplyAndAttrition(kSupplyAfterMovement);
    const bool fed = row.depot == kOwn;
    const int paid = fed ? 2 * (row.priority + 1) * 4 : 0;
    EXPECT_EQ(
        (std::array<int, 5>{Corps(c).Strength, Corps(c).SupplyStatus, Corps(c).SupplyType,
                            Corps(c).SupplyPriority, Stock() + paid}),
        (std::array{160 - row.losses, row.status, fed ? TSupplyType::Depot : TSupplyType::Foraging,
                    fed ? row.priority : Sub, row.depot == kShort ? 10 : 100}));
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
    SetUp();
    const int c = AddSuppliedCorps(TSupplyType::Depot, Std, 10);
    Corps(c).Strength = row.strength;
    Corps(c).Inactive = row.inactive;
    Corps(c).Stance = row.stance;
    Corps(c).Activity = row.activity;
    UpdateSupplyAndAttrition(kSupplyBeforeMovement);
    EXPECT_EQ(Stock(), row.supplied ? 84 : 100) << "row " << &row - rows;
  }
}

// Five hexes from the depot over open country, by the first theatre's weather.
TEST_F(SupplyTest, TheWeatherOfTheFirstTheatreSetsHowFarADepotFeeds) {
  const bool connected[] = {true, true, true, true, true, false, true, false, false, true};
  for (int weather = 0; weather <= 9; ++weather) {
    SetUp();
    const int c = AddSuppliedCorps(TSupplyType::Depot, Std, 15);
    GameState.Weather[TTheatre::Seaboard] = weather;
    UpdateSupplyAndAttrition(kSupplyBeforeMovement);
    EXPECT_EQ(Corps(c).SupplyStatus, connected[weather] ? 0 : kSupplyCutOff) << weather;
  }
}

// An encampment feeds at 1 within a hex of its own city; one left further
// behind becomes a depot at standard priority (halving demand and rate) and in
// the same pass is served as a depot too (6 / 2 x 3 of 160 lost, then 2 x 3 of
// 153, and half the demand paid); an enemy city or none (x 0) means foraging at 6.
TEST_F(SupplyTest, AnEncampmentFeedsNearItsCityAndOneLeftBehindBecomesADepotAtOnce) {
  constexpr int Enc = TSupplyType::Encampment, Dep = TSupplyType::Depot;
  constexpr int For = TSupplyType::Foraging;
  using Row = struct { int cityX, side, priority, type, strength, stock; };
  const Row rows[] = {{11, US, Sub, Enc, 158, 100},
                      {11, US, Std, Enc, 160, 100},
                      {12, US, Sub, Dep, 149, 96},
                      {11, CS, Sub, For, 132, 100},
                      {0, US, Sub, For, 132, 100}};
  for (const Row& row : rows) {
    SetUp();
    GameState.Nations[TNation::Union].Human = 1;
    const int c = AddSuppliedCorps(TSupplyType::Encampment, row.priority, row.cityX, row.side);
    UpdateSupplyAndAttrition(kSupplyAfterMovement);
    EXPECT_EQ((std::array<int, 3>{Corps(c).SupplyType, Corps(c).Strength, Stock()}),
              (std::array{row.type, row.strength, row.stock}))
        << "row " << &row - rows;
  }
}

// Foragers lose 10, 14 in the two hard kinds of country, 6 in a town; 5 more
// on a forced march, half on a cautious one, plus half their fatigue; half
// of it all when not fully exposed.
TEST_F(SupplyTest, ForagingCostsByCountryMarchAndExperience) {
  constexpr int Fast = TMarchMode::Forced, Slow = TMarchMode::Cautious, Town = TTerrain::City;
  constexpr int Plain = kPlain, Walk = TMarchMode::Standard;
  using Row = struct { int terrain, march, fatigue, full, rate; };
  const Row rows[] = {{Plain, Walk, 0, 1, 10}, {3, Walk, 0, 1, 14},     {6, Walk, 0, 1, 10},
                      {5, Walk, 0, 1, 14},     {Town, Walk, 0, 1, 6},   {Plain, Fast, 0, 1, 15},
                      {Plain, Slow, 0, 1, 5},  {Plain, Walk, 3, 1, 11}, {Plain, Walk, 0, 0, 5}};
  for (const Row& row : rows) {
    SetUp();
    const int c = AddSuppliedCorps(TSupplyType::Foraging, Std);
    MapRecord.Cell(10, 10).SetTerrain(row.terrain);
    Corps(c).March = row.march;
    Corps(c).Fatigue = row.fatigue;
    EXPECT_EQ(ForagingAttritionRate(10, 10, c, row.full), row.rate) << &row - rows;
  }
}

// Foragers on a state's ground ask its nation's stock for their brigades'
// supplies (halved where their own side controls it) and lose half the rate
// when it pays; a computer corps then suffers half: 160 x (weather 4 + 3 x
// rate) / 100.
TEST_F(SupplyTest, ForagersPayHalfOnTheirSidesGroundAndLoseHalfWhenFed) {
  using Row = struct { int nation, control, unionStock, unionAfter, confedAfter, losses; };
  const Row rows[] = {{TNation::Union, US, 100, 92, 50, 16},
                      {TNation::Union, US, 7, 7, 50, 30},
                      {TNation::Confederacy, CS, 100, 100, 34, 16}};
  for (const Row& row : rows) {
    SetUp();
    const int c = AddSuppliedCorps(TSupplyType::Foraging, Std);
    SetState(10, 10, 3);
    GameState.States[3].Nation = row.nation;
    GameState.States[3].ControlSide = row.control;
    GameState.Weather[TTheatre::Seaboard] = 4;
    Stock() = row.unionStock;
    GameState.Nations[TNation::Confederacy].Supplies[TTheatre::Seaboard] = 50;
    UpdateSupplyAndAttrition(kSupplyAfterMovement);
    EXPECT_EQ((std::array<int, 4>{Stock(), GameState.Nations[TNation::Confederacy].Supplies[TTheatre::Seaboard],
                                  Corps(c).SupplyStatus, Corps(c).Strength}),
              (std::array{row.unionAfter, row.confedAfter, row.losses, 160 - row.losses}))
        << &row - rows;
  }
}

// Attrition at a rate: a computer corps takes half; disorder adds twice
// itself away from its own supply city; then 3 x that over the mean quality,
// and strength x it / 200, a foraging corps strength x (weather + it) / 100,
// a foraging cavalry division strength x it / 400.
TEST_F(SupplyTest, DisorderAwayFromItsCityAddsToAttritionAndCavalryForagesLightly) {
  using Row = struct { int human, disorder, onCity, type, kind, quality, rate, losses; };
  constexpr int Depot = TSupplyType::Depot, Forage = TSupplyType::Foraging;
  constexpr int Corps_ = TCorpsKind::Corps, Cavalry = TCorpsKind::CavalryDivision;
  const Row rows[] = {{1, 2, 0, Depot, Corps_, 1, 4, 160 * 3 * 8 / 200},
                      {1, 2, 1, Depot, Corps_, 1, 4, 160 * 3 * 4 / 200},
                      {0, 0, 0, Depot, Corps_, 1, 4, 160 * 3 * 2 / 200},
                      {1, 0, 0, Forage, Corps_, 1, 8, 160 * (2 + 3 * 8) / 100},
                      {1, 0, 0, Forage, Cavalry, 3, 8, 160 * 8 / 400}};
  for (const Row& row : rows) {
    SetUp();
    GameState.Weather[TTheatre::Seaboard] = 2;
    const int c = AddSuppliedCorps(row.type, Std, row.onCity != 0 ? 10 : 0);
    GameState.Nations[TNation::Union].Human = row.human;
    Corps(c).Disorder = row.disorder;
    Corps(c).Kind = row.kind;
    for (int b = 1; b <= 2; ++b) GameState.Brigades[b].Quality = row.quality;
    EXPECT_EQ(ApplySupplyAttrition(c, row.rate), row.losses) << &row - rows;
  }
}

// Only a fleet on a mission above 1 eats, after movement: ironclads 3 each,
// warships and transports 1, damaged ironclads and warships as sound ones,
// two for every four.
TEST_F(SupplyTest, FleetsOnMissionsEatTheirSuppliesAfterMovementOnly) {
  TFleet& idle = GameState.Fleets[AddFleet(40, 40, US, TNation::Union)];
  TFleet& fleet = GameState.Fleets[AddFleet(40, 40, US, TNation::Union)];
  idle.Mission = 1;
  fleet.Mission = 2;
  for (TFleet* f : {&idle, &fleet}) {
    f->Supplies = 100;
    for (int type = 1; type <= 3; ++type) f->Ships[type] = f->DamagedShips[type] = 2;
  }
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(fleet.Supplies, 100);
  UpdateSupplyAndAttrition(kSupplyAfterMovement);
  EXPECT_EQ(fleet.Supplies + idle.Supplies, 100 - (4 * 3 + 4 + 2) * 2 / 4 + 100);
}

TEST_F(SupplyTest, ACutOffGarrisonUnderSiegeLosesFiveToFifteenPerCent) {
  const int city = AddCity(30, 30, CS);
  const int garrison = AddBrigade(
      {.nation = TNation::Confederacy, .status = TBrigadeStatus::InGarrison, .location = city});
  GameState.Cities[city].GarrisonCount = 1;
  const int besieger = AddMarchingCorps(31, 30, US);
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
