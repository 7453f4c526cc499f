#include "world/supply_and_attrition.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/world/corps_fixture.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/supply_links.h"
#include "world/vardecl.h"

namespace {

// Corps of two brigades (160 men, quality 1) on plain Union ground in the first
// theatre; the Union plays by computer unless a test says otherwise.
class SupplyTest : public CorpsTest {
 protected:
  void SetUp() override {
    CorpsTest::SetUp();
    LayLand(kPlain, TSide::Union);
  }
  static int AddSuppliedCorps(int x, int y, int supplyType, int priority) {
    const int c = AddMarchingCorps(x, y, TSide::Union);
    AddBrigadeTo(c);
    AddBrigadeTo(c);
    Corps(c).OtherBrigades = 2;
    Corps(c).SupplyType = static_cast<std::uint8_t>(supplyType);
    Corps(c).SupplyPriority = static_cast<std::uint8_t>(priority);
    return c;
  }
  static int AddDepot(int c, int x, int y) {
    const int city = AddCity(x, y, TSide::Union);
    Corps(c).City = static_cast<std::uint8_t>(city);
    return city;
  }
  static U16& Stock(int nation = TNation::Union) {
    return GameState.Nations[nation].Supplies[TTheatre::Seaboard];
  }
  std::string Told(int c, const char* text) const { return LeaderOf(c).Name.str() + text; }
};

TEST_F(SupplyTest, ACorpsOnItsDepotIsFedInBothPassesAndLosesOnlyItsUpkeep) {
  const int c = AddSuppliedCorps(10, 10, TSupplyType::Depot, TSupplyPriority::Standard);
  AddDepot(c, 10, 10);
  Stock() = 100;
  // Two brigades, standard priority, the Union's factor of 4.
  EXPECT_EQ(CorpsSupplyDemand(c), 16);
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(Stock(), 84);
  EXPECT_EQ(Corps(c).SupplyLosses, 0);
  UpdateSupplyAndAttrition(kSupplyAfterMovement);
  EXPECT_EQ(Stock(), 68);
  EXPECT_EQ(Corps(c).SupplyStatus, 0);
  // Rate 3 - 1, halved for the computer; 160 x 3 / 200.
  EXPECT_EQ(Corps(c).SupplyLosses, 2);
  EXPECT_EQ(Corps(c).Strength, 158);
}

TEST_F(SupplyTest, LostShortAndCutOffDepotsSendCorpsForagingAndOnlyHumansWithAPriorityHear) {
  const int fallen = AddSuppliedCorps(10, 10, TSupplyType::Depot, TSupplyPriority::High);
  GameState.Cities[AddDepot(fallen, 12, 10)].Side = TSide::Confederate;
  const int silent = AddSuppliedCorps(20, 10, TSupplyType::Depot, TSupplyPriority::Subsistence);
  Corps(silent).City = Corps(fallen).City;
  const int hungry = AddSuppliedCorps(30, 10, TSupplyType::Depot, TSupplyPriority::High);
  AddDepot(hungry, 30, 10);
  const int cut_off = AddSuppliedCorps(40, 10, TSupplyType::Depot, TSupplyPriority::Standard);
  AddDepot(cut_off, 60, 10);
  const int homeless = AddSuppliedCorps(50, 10, TSupplyType::Encampment, TSupplyPriority::High);
  Stock() = 10;
  GameState.Nations[TNation::Union].Human = 1;
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  for (const int c : {fallen, silent, hungry, cut_off, homeless}) {
    EXPECT_EQ(Corps(c).SupplyType, TSupplyType::Foraging) << c;
    EXPECT_EQ(Corps(c).SupplyPriority, TSupplyPriority::Subsistence) << c;
  }
  EXPECT_EQ(Corps(hungry).SupplyStatus, kSupplyShort);
  EXPECT_EQ(Corps(cut_off).SupplyStatus, kSupplyCutOff);
  EXPECT_EQ(Stock(), 10);
  const std::vector<std::string> told = {Told(fallen, "t722"), Told(hungry, "t724"),
                                         Told(cut_off, "t725")};
  EXPECT_EQ(window.Messages(), told);
  EXPECT_EQ(window.Cursor(), WindowCursor::Default);
}

// Five hexes from the depot over open country, by the first theatre's weather.
TEST_F(SupplyTest, TheWeatherOfTheFirstTheatreSetsHowFarADepotFeeds) {
  const bool connected[] = {true, true, true, true, true, false, true, false, false, true};
  for (int weather = 0; weather <= 9; ++weather) {
    SetUp();
    const int c = AddSuppliedCorps(10, 10, TSupplyType::Depot, TSupplyPriority::Standard);
    AddDepot(c, 15, 10);
    GameState.Weather[TTheatre::Seaboard] = static_cast<std::uint16_t>(weather);
    Stock() = 100;
    UpdateSupplyAndAttrition(kSupplyBeforeMovement);
    EXPECT_EQ(Corps(c).SupplyStatus, connected[weather] ? 0 : kSupplyCutOff) << weather;
  }
}

TEST_F(SupplyTest, ARiverDepotIsCutByAnEnemyFleetOnTheRiverBetween) {
  GameState.Weather[TTheatre::Seaboard] = 5;  // a land range of 3
  for (int x = 10; x <= 22; ++x) MapRecord.Cell(x, 10).SetRouteFlag();
  const int c = AddSuppliedCorps(10, 10, TSupplyType::Depot, TSupplyPriority::Standard);
  GameState.Cities[AddDepot(c, 22, 10)].RiverPort = 1;
  Stock() = 1000;
  // Friendly ships, and enemy ships past the depot or still in the yard, cut nothing.
  AddFleet(16, 10, TSide::Union, TNation::Union);
  AddFleet(24, 10, TSide::Confederate, TNation::Confederacy);
  GameState.Fleets[AddFleet(17, 10, TSide::Confederate, TNation::Confederacy)].Status = 5;
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(Corps(c).SupplyStatus, 0);
  AddFleet(18, 10, TSide::Confederate, TNation::Confederacy);
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(Corps(c).SupplyStatus, kSupplyCutOff);
}

TEST_F(SupplyTest, AnEncampmentLeftBehindBecomesADepotAndCostsBothAttritionsAtOnce) {
  const int c = AddSuppliedCorps(10, 10, TSupplyType::Encampment, TSupplyPriority::Subsistence);
  AddDepot(c, 12, 10);
  Stock() = 100;
  GameState.Nations[TNation::Union].Human = 1;
  UpdateSupplyAndAttrition(kSupplyAfterMovement);
  EXPECT_EQ(Corps(c).SupplyType, TSupplyType::Depot);
  EXPECT_EQ(Corps(c).SupplyPriority, TSupplyPriority::Standard);
  // Encampment: rate 6, halved for standard priority: 3 x 3 = 9 costs 160 x 9 / 200 = 7.
  // Depot: rate 3 - 1, 3 x 2 = 6 costs 153 x 6 / 200 = 4, and that result stands.
  EXPECT_EQ(Corps(c).Strength, 160 - 7 - 4);
  EXPECT_EQ(Corps(c).SupplyLosses, 4);
  // Half the demand for the encampment, and the same half again for the depot.
  EXPECT_EQ(Stock(), 100 - 4);
}

TEST_F(SupplyTest, ForagersPayHalfOnTheirSidesGroundAndLoseMoreInBadWeather) {
  const int c = AddSuppliedCorps(10, 10, TSupplyType::Foraging, TSupplyPriority::Standard);
  SetState(10, 10, 3);
  GameState.States[3].Nation = TNation::Union;
  GameState.States[3].ControlSide = TSide::Union;
  GameState.Weather[TTheatre::Seaboard] = 4;
  Stock() = 100;
  UpdateSupplyAndAttrition(kSupplyAfterMovement);
  EXPECT_EQ(Stock(), 100 - 8);
  // Rate 10 halved for the stock paid, then for the computer: 3 x 2 = 6, and
  // 160 x (4 + 6) / 100.
  EXPECT_EQ(Corps(c).SupplyStatus, 16);
  EXPECT_EQ(Corps(c).Strength, 144);

  // On the enemy's ground the state's own nation feeds them, in full.
  GameState.States[3].Nation = TNation::Confederacy;
  GameState.States[3].ControlSide = TSide::Confederate;
  Stock(TNation::Confederacy) = 50;
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(Stock(TNation::Confederacy), 50 - 16);
}

TEST_F(SupplyTest, DisorderAwayFromTheDepotAddsToAttritionAndCavalryForagesLightly) {
  const int c = AddSuppliedCorps(10, 10, TSupplyType::Depot, TSupplyPriority::Standard);
  GameState.Nations[TNation::Union].Human = 1;
  Corps(c).Disorder = 2;
  EXPECT_EQ(ApplySupplyAttrition(c, 4), 160 * 3 * 8 / 200);
  AddDepot(c, 10, 10);
  EXPECT_EQ(ApplySupplyAttrition(c, 4), 141 * 3 * 4 / 200);

  Corps(c).SupplyType = TSupplyType::Foraging;
  Corps(c).Kind = TCorpsKind::CavalryDivision;
  for (int b = 1; b <= 2; ++b) GameState.Brigades[b].Quality = 3;
  EXPECT_EQ(ApplySupplyAttrition(c, 8), 133 * 8 / 400);
}

TEST_F(SupplyTest, FleetsOnMissionsEatTheirSuppliesAfterMovementOnly) {
  TFleet& fleet = GameState.Fleets[AddFleet(40, 40, TSide::Union, TNation::Union)];
  fleet.Mission = 2;
  fleet.Supplies = 100;
  fleet.Ships[1] = 2;
  fleet.DamagedShips[1] = 1;
  fleet.Ships[2] = 3;
  fleet.DamagedShips[2] = 1;
  fleet.Ships[3] = 4;
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(fleet.Supplies, 100);
  UpdateSupplyAndAttrition(kSupplyAfterMovement);
  EXPECT_EQ(fleet.Supplies, 100 - (3 * 3 + 4 + 4) * 2 / 4);
  fleet.Supplies = 5;
  UpdateSupplyAndAttrition(kSupplyAfterMovement);
  EXPECT_EQ(fleet.Supplies, 0);
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

  GameState.Cities[city].SupplyLevel = TSupplyLevel::Linked;
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(GameState.Brigades[garrison].Strength, 64);
}

}  // namespace
