#include "world/nearest_supply_city.h"

#include <gtest/gtest.h>

#include <utility>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/nearest_own_corps.h"
#include "world/vardecl.h"

namespace {

class UnitSearchTest : public WorldTest {
 protected:
  static int AddSuppliedCity(int x, int y, int side, int level, int state = 1) {
    const int city = AddCity(x, y, side);
    GameState.Cities[city].SupplyLevel = static_cast<std::uint8_t>(level);
    GameState.Cities[city].State = static_cast<std::uint8_t>(state);
    return city;
  }
  static int AddStrongCorps(int x, int y, int side, int strength) {
    const int c = AddCorps(x, y, side, side);
    GameState.Corps[c].Strength = static_cast<std::uint16_t>(strength);
    GameState.Corps[c].Cohesion = 5;
    return c;
  }
};

TEST_F(UnitSearchTest, TheNearestSuppliedCityOfTheCampIsChosen) {
  const int corps = AddCorps(10, 10, TSide::Union, TNation::Union);
  GameState.Corps[corps].State = 1;
  AddSuppliedCity(10, 12, TSide::Confederate, 1);
  AddSuppliedCity(10, 11, TSide::Union, 0);
  const int far = AddSuppliedCity(10, 16, TSide::Union, 1);
  const int near = AddSuppliedCity(10, 14, TSide::Union, 2);
  EXPECT_EQ(NearestSupplyCity(corps, TNation::Union), near);
  // Another state adds two hexes' worth; a tie goes to the first city.
  GameState.Cities[near].State = 2;
  EXPECT_EQ(NearestSupplyCity(corps, TNation::Union), far);
}

TEST_F(UnitSearchTest, AnEnemyOnASupplyCityOtherThanADepotCountsFifteenHexes) {
  const int corps = AddCorps(10, 10, TSide::Union, TNation::Union);
  const int held = AddSuppliedCity(10, 12, TSide::Union, 2, 0);
  const int behind = AddSuppliedCity(10, 26, TSide::Union, 1, 0);
  AddCorps(10, 12, TSide::Confederate, TNation::Confederacy);
  EXPECT_EQ(NearestSupplyCity(corps, TNation::Union), behind);
  GameState.Cities[held].SupplyLevel = 1;
  EXPECT_EQ(NearestSupplyCity(corps, TNation::Union), held);
}

TEST_F(UnitSearchTest, NoCityFiftyOrMoreAwayIsASupplyCity) {
  const int corps = AddCorps(10, 1, TSide::Union, TNation::Union);
  AddSuppliedCity(10, 51, TSide::Union, 1, 0);
  EXPECT_EQ(NearestSupplyCity(corps, TNation::Union), 0);
  EXPECT_EQ(NearestSupplyCity(0, TNation::Union), 0);
}

TEST_F(UnitSearchTest, AnEnemyNearerTheCityHidesTheOwnCorpsBehindIt) {
  const int city = AddCity(10, 10, TSide::Union);
  const int enemy = AddStrongCorps(10, 12, TSide::Confederate, 100);
  AddStrongCorps(10, 13, TSide::Union, 40);
  EXPECT_EQ(NearestOwnCorps(city, TNation::Union, 5), 0);
  EXPECT_EQ(ThreatEnemyCount, enemy);
  EXPECT_EQ(NearestEnemyDistance, 2);
  EXPECT_EQ(NearestOwnDistance, 3);
  EXPECT_EQ(ThreatOwnStrength, 40);
  EXPECT_EQ(ThreatEnemyStrength, 100);
  EXPECT_EQ(ThreatEnemyValue, 5);

  // An own corps nearer than the enemy is taken, unless it is on a mission.
  const int first = AddStrongCorps(10, 9, TSide::Union, 10);
  GameState.Corps[first].AiMission = 3;
  EXPECT_EQ(NearestOwnCorps(city, TNation::Union, 5), 0);
  GameState.Corps[first].AiMission = 0;
  EXPECT_EQ(NearestOwnCorps(city, TNation::Union, 5), first);
  EXPECT_EQ(NearestOwnDistance, 1);
}

TEST_F(UnitSearchTest, TheSearchCountsOnlyWithinItsRadiusAndNothingForNoCity) {
  const int city = AddCity(10, 10, TSide::Union);
  AddStrongCorps(10, 10, TSide::Union, 30);
  const int onCity = AddStrongCorps(10, 10, TSide::Union, 20);
  AddStrongCorps(10, 13, TSide::Confederate, 50);
  EXPECT_EQ(NearestOwnCorps(city, TNation::Union, 3), 1);
  EXPECT_EQ(ThreatCorpsAtCity, onCity);
  EXPECT_EQ(ThreatOwnStrength, 50);
  EXPECT_EQ(ThreatEnemyStrength, 0);
  EXPECT_EQ(NearestOwnCorps(0, TNation::Union, 3), 0);
  EXPECT_EQ(NearestEnemyDistance, 100);
  EXPECT_EQ(ThreatOwnStrength, 0);
}

// An enemy on the city adds 15 hexes; of equal costs the first city stays.
TEST_F(UnitSearchTest, AnEnemyOnTheCityWeighsExactlyFifteenHexes) {
  for (const auto& [behindY, choosesHeld] : {std::pair{27, true}, std::pair{26, false}}) {
    SCOPED_TRACE(behindY);
    const int corps = AddCorps(10, 10, TSide::Union, TNation::Union);
    const int held = AddSuppliedCity(10, 12, TSide::Union, 2, 0);
    const int behind = AddSuppliedCity(10, behindY, TSide::Union, 1, 0);
    const int enemy = AddCorps(10, 12, TSide::Confederate, TNation::Confederacy);
    EXPECT_EQ(NearestSupplyCity(corps, TNation::Union), choosesHeld ? held : behind);
    GameState.Cities[held] = GameState.Cities[behind] = TCity{};
    GameState.Corps[corps].Inactive = GameState.Corps[enemy].Inactive = 1;
  }
}

}  // namespace
