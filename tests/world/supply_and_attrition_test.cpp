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

// A Union corps of two brigades (160 men, quality 1) on plain Union ground in
// the first theatre, its nation a computer one unless a test says otherwise.
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
  static void MakeHuman(int nation = TNation::Union) { GameState.Nations[nation].Human = 1; }
};

TEST_F(SupplyTest, ACorpsOnItsDepotIsFedInBothPassesAndLosesOnlyItsUpkeep) {
  const int c = AddSuppliedCorps(10, 10, TSupplyType::Depot, TSupplyPriority::Standard);
  AddDepot(c, 10, 10);
  Stock() = 100;
  // Two brigades, standard priority, the Union's factor of 4.
  EXPECT_EQ(CorpsSupplyDemand(c), 16);
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(Stock(), 84);
  EXPECT_EQ(Corps(c).SupplyStatus, 0);
  EXPECT_EQ(Corps(c).SupplyLosses, 0);
  UpdateSupplyAndAttrition(kSupplyAfterMovement);
  EXPECT_EQ(Stock(), 68);
  EXPECT_EQ(Corps(c).SupplyType, TSupplyType::Depot);
  // Rate 3 - 1 for standard priority, halved for a computer nation, 3 x 1 / quality 1.
  EXPECT_EQ(Corps(c).SupplyLosses, 160 * 3 / 200);
  EXPECT_EQ(Corps(c).Strength, 160 - 2);
}

TEST_F(SupplyTest, ACorpsWhoseDepotFellForagesAndOnlyAHumanWithAPriorityIsTold) {
  const int told = AddSuppliedCorps(10, 10, TSupplyType::Depot, TSupplyPriority::High);
  GameState.Cities[AddDepot(told, 12, 10)].Side = TSide::Confederate;
  const int untold = AddSuppliedCorps(20, 10, TSupplyType::Depot, TSupplyPriority::Subsistence);
  Corps(untold).City = Corps(told).City;
  MakeHuman();
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  for (const int c : {told, untold}) {
    EXPECT_EQ(Corps(c).SupplyType, TSupplyType::Foraging);
    EXPECT_EQ(Corps(c).SupplyPriority, TSupplyPriority::Subsistence);
  }
  EXPECT_EQ(window.Messages(), std::vector<std::string>{LeaderOf(told).Name.str() + "t722"});
  EXPECT_EQ(window.Cursor(), WindowCursor::Default);
}

TEST_F(SupplyTest, TheComputerIsNeverToldOfSupplyTrouble) {
  const int c = AddSuppliedCorps(10, 10, TSupplyType::Depot, TSupplyPriority::High);
  AddDepot(c, 40, 40);
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(Corps(c).SupplyStatus, kSupplyCutOff);
  EXPECT_TRUE(window.Messages().empty());
}

TEST_F(SupplyTest, AShortStockTurnsTheCorpsToForagingAndACutOffCorpsToo) {
  const int short_of_food = AddSuppliedCorps(10, 10, TSupplyType::Depot, TSupplyPriority::High);
  AddDepot(short_of_food, 10, 10);
  const int cut_off = AddSuppliedCorps(30, 10, TSupplyType::Depot, TSupplyPriority::High);
  AddDepot(cut_off, 50, 10);
  Stock() = 10;
  MakeHuman();
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(Stock(), 10);
  EXPECT_EQ(Corps(short_of_food).SupplyStatus, kSupplyShort);
  EXPECT_EQ(Corps(short_of_food).SupplyType, TSupplyType::Foraging);
  EXPECT_EQ(Corps(cut_off).SupplyStatus, kSupplyCutOff);
  EXPECT_EQ(Corps(cut_off).SupplyType, TSupplyType::Foraging);
  const std::vector<std::string> told = {LeaderOf(short_of_food).Name.str() + "t724",
                                         LeaderOf(cut_off).Name.str() + "t725"};
  EXPECT_EQ(window.Messages(), told);
}

// Five hexes from the depot over open country, by the first theatre's weather.
TEST_F(SupplyTest, TheWeatherOfTheFirstTheatreSetsHowFarADepotFeeds) {
  const bool connected[] = {true, true, true, true, true, false, true, false, false, true};
  for (int weather = 0; weather <= 9; ++weather) {
    SetUp();
    const int c = AddSuppliedCorps(10, 10, TSupplyType::Depot, TSupplyPriority::Standard);
    AddDepot(c, 15, 10);
    GameState.Weather[TTheatre::Seaboard] = static_cast<std::uint16_t>(weather);
    GameState.Weather[TTheatre::West] = 0;
    Stock() = 100;
    UpdateSupplyAndAttrition(kSupplyBeforeMovement);
    EXPECT_EQ(Corps(c).SupplyStatus, connected[weather] ? 0 : kSupplyCutOff)
        << "weather " << weather;
  }
}

TEST_F(SupplyTest, ARiverDepotIsCutByAnEnemyFleetOnTheRiverBetween) {
  GameState.Weather[TTheatre::Seaboard] = 5;  // a land range of 3
  for (int x = 10; x <= 22; ++x) MapRecord.Cell(x, 10).SetRouteFlag();
  const int c = AddSuppliedCorps(10, 10, TSupplyType::Depot, TSupplyPriority::Standard);
  GameState.Cities[AddDepot(c, 22, 10)].RiverPort = 1;
  Stock() = 1000;
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(Corps(c).SupplyStatus, 0);

  // Friendly ships and enemy ships past the depot or still in the yard cut nothing.
  AddFleet(16, 10, TSide::Union, TNation::Union);
  AddFleet(24, 10, TSide::Confederate, TNation::Confederacy);
  GameState.Fleets[AddFleet(17, 10, TSide::Confederate, TNation::Confederacy)].Status = 5;
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(Corps(c).SupplyStatus, 0);

  AddFleet(18, 10, TSide::Confederate, TNation::Confederacy);
  Corps(c).SupplyType = TSupplyType::Depot;
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(Corps(c).SupplyStatus, kSupplyCutOff);
}

TEST_F(SupplyTest, ARailDepotFeedsAlongTheCampsOwnLine) {
  GameState.Weather[TTheatre::Seaboard] = 5;
  for (int x = 10; x <= 22; ++x) MapRecord.Cell(x, 10).SetLinkFlag();
  const int c = AddSuppliedCorps(10, 10, TSupplyType::Depot, TSupplyPriority::Standard);
  GameState.Cities[AddDepot(c, 22, 10)].RailStation = 1;
  Stock() = 1000;
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(Corps(c).SupplyStatus, 0);
  MapRecord.Cell(16, 10).SetOwner(TSide::Confederate);
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(Corps(c).SupplyStatus, kSupplyCutOff);
}

TEST_F(SupplyTest, AnEncampmentLeftBehindBecomesADepotAndCostsBothAttritionsAtOnce) {
  const int c = AddSuppliedCorps(10, 10, TSupplyType::Encampment, TSupplyPriority::Subsistence);
  AddDepot(c, 12, 10);
  Stock() = 100;
  MakeHuman();
  UpdateSupplyAndAttrition(kSupplyAfterMovement);
  EXPECT_EQ(Corps(c).SupplyType, TSupplyType::Depot);
  EXPECT_EQ(Corps(c).SupplyPriority, TSupplyPriority::Standard);
  // Encampment: rate 6, halved for standard priority: 3 x 3 = 9 costs 160 x 9 / 200 = 7.
  // Depot: rate 3 - 1, 3 x 2 = 6 costs 153 x 6 / 200 = 4, and that result stands.
  EXPECT_EQ(Corps(c).Strength, 160 - 7 - 4);
  EXPECT_EQ(Corps(c).SupplyLosses, 4);
  // Half the demand for the encampment, the same half again for the depot.
  EXPECT_EQ(Stock(), 100 - 4);
}

TEST_F(SupplyTest, AnEncampmentInEnemyHandsOrWithoutACitySendsTheCorpsForaging) {
  const int taken = AddSuppliedCorps(10, 10, TSupplyType::Encampment, TSupplyPriority::High);
  GameState.Cities[AddDepot(taken, 10, 10)].Side = TSide::Confederate;
  const int homeless = AddSuppliedCorps(20, 10, TSupplyType::Encampment, TSupplyPriority::High);
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  for (const int c : {taken, homeless}) {
    EXPECT_EQ(Corps(c).SupplyType, TSupplyType::Foraging);
    EXPECT_EQ(Corps(c).SupplyPriority, TSupplyPriority::Subsistence);
    EXPECT_EQ(Corps(c).SupplyStatus, 0);
  }
}

TEST_F(SupplyTest, ForagersPayHalfInAStateTheirSideHoldsAndTheStatesNationPays) {
  AddSuppliedCorps(10, 10, TSupplyType::Foraging, TSupplyPriority::Standard);
  SetState(10, 10, 3);
  GameState.States[3].Nation = TNation::Union;
  GameState.States[3].ControlSide = TSide::Union;
  Stock() = 100;
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(Stock(), 100 - 8);

  GameState.States[3].Nation = TNation::Confederacy;
  GameState.States[3].ControlSide = TSide::Confederate;
  Stock(TNation::Confederacy) = 50;
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(Stock(TNation::Confederacy), 50 - 16);
  EXPECT_EQ(Stock(), 100 - 8);
}

TEST_F(SupplyTest, ForagingLossesFollowTheWeatherAndAreTheCorpsSupplyStatus) {
  const int c = AddSuppliedCorps(10, 10, TSupplyType::Foraging, TSupplyPriority::Subsistence);
  Corps(c).March = TMarchMode::Standard;
  GameState.Weather[TTheatre::Seaboard] = 4;
  UpdateSupplyAndAttrition(kSupplyAfterMovement);
  // Rate 10 on open ground, halved for the computer, 3 x 5 = 15: 160 x (4 + 15) / 100.
  EXPECT_EQ(Corps(c).SupplyStatus, 30);
  EXPECT_EQ(Corps(c).SupplyLosses, 30);
  EXPECT_EQ(Corps(c).Strength, 130);
}

TEST_F(SupplyTest, ForagingRateByTerrainMarchAndFatigue) {
  const int c = AddMarchingCorps(10, 10, TSide::Union);
  Corps(c).March = TMarchMode::Standard;
  struct Case {
    int terrain;
    int march;
    int fatigue;
    int full;
    int rate;
  };
  const Case cases[] = {
      {1, TMarchMode::Standard, 0, 1, 10}, {3, TMarchMode::Standard, 0, 1, 14},
      {5, TMarchMode::Standard, 0, 1, 14}, {4, TMarchMode::Standard, 0, 1, 6},
      {1, TMarchMode::Forced, 0, 1, 15},   {1, TMarchMode::Cautious, 0, 1, 5},
      {1, TMarchMode::Standard, 7, 1, 13}, {1, TMarchMode::Standard, 7, 0, 6},
  };
  for (const Case& test : cases) {
    MapRecord.Cell(10, 10).SetTerrain(test.terrain);
    Corps(c).March = static_cast<std::uint8_t>(test.march);
    Corps(c).Fatigue = static_cast<std::uint8_t>(test.fatigue);
    EXPECT_EQ(ForagingAttritionRate(10, 10, c, test.full), test.rate)
        << "terrain " << test.terrain << " march " << test.march << " fatigue " << test.fatigue;
  }
}

TEST_F(SupplyTest, AttritionWeighsDisorderQualityCavalryAndTheCampsPlayer) {
  const int c = AddSuppliedCorps(10, 10, TSupplyType::Depot, TSupplyPriority::Standard);
  MakeHuman();
  EXPECT_EQ(ApplySupplyAttrition(c, 4), 160 * 12 / 200);
  Corps(c).Disorder = 2;
  EXPECT_EQ(ApplySupplyAttrition(c, 4), Corps(c).Strength * 24 / 200);
  // Standing on its own supply city spares a disordered corps the extra rate.
  const int strength = Corps(c).Strength;
  AddDepot(c, 10, 10);
  EXPECT_EQ(ApplySupplyAttrition(c, 4), strength * 12 / 200);

  const int veterans = AddSuppliedCorps(20, 10, TSupplyType::Foraging, 0);
  for (int b = 1; b <= GameState.Brigades.Count; ++b)
    if (GameState.Brigades[b].Location == veterans) GameState.Brigades[b].Quality = 3;
  Corps(veterans).Kind = TCorpsKind::CavalryDivision;
  EXPECT_EQ(ApplySupplyAttrition(veterans, 8), 160 * 8 / 400);
  GameState.Nations[TNation::Union].Human = 0;
  EXPECT_EQ(ApplySupplyAttrition(veterans, 8), 160 * 4 / 400);
}

TEST_F(SupplyTest, FleetsOnMissionsEatTheirSuppliesAfterMovementOnly) {
  const int f = AddFleet(40, 40, TSide::Union, TNation::Union);
  TFleet& fleet = GameState.Fleets[f];
  fleet.Status = 0;
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
  fleet.Mission = 1;
  fleet.Supplies = 50;
  UpdateSupplyAndAttrition(kSupplyAfterMovement);
  EXPECT_EQ(fleet.Supplies, 50);
}

class SiegeTest : public SupplyTest {
 protected:
  void SetUp() override {
    SupplyTest::SetUp();
    city = AddCity(30, 30, TSide::Confederate);
    garrison = AddBrigade(
        {.nation = TNation::Confederacy, .status = TBrigadeStatus::InGarrison, .location = city});
    GameState.Cities[city].GarrisonCount = 1;
    AddMarchingCorps(30, 30, TSide::Union);
  }
  int city = 0;
  int garrison = 0;
};

TEST_F(SiegeTest, ACutOffGarrisonLosesFiveToFifteenPerCentAndTheOddMenByChance) {
  // p = 5 + 2 + 3: 80 x 10 / 100 = 8, and one more as 50 lies above the remainder 0.
  ScriptRandomDraws({{6, 2}, {6, 3}, {100, 50}});
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(GameState.Brigades[garrison].Strength, 80 - 9);
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);

  // p = 5 + 5 + 1 = 11: 880 leaves 80, which a draw of 80 does not exceed.
  ScriptRandomDraws({{6, 5}, {6, 1}, {100, 80}});
  UpdateSupplyAndAttrition(kSupplyAfterMovement);
  EXPECT_EQ(GameState.Brigades[garrison].Strength, 71 - 7);
}

TEST_F(SiegeTest, OnlyAnUnsuppliedCityWithAnEnemyAtTheGatesStarves) {
  GameState.Cities[city].SupplyLevel = TSupplyLevel::Linked;
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(GameState.Brigades[garrison].Strength, 80);
  GameState.Cities[city].SupplyLevel = TSupplyLevel::Unsupplied;
  Corps(1).X = 31;
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  EXPECT_EQ(GameState.Brigades[garrison].Strength, 80);
}

}  // namespace
