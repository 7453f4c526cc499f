#include "world/city_threat.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

class CityThreatTest : public WorldTest {
 protected:
  static int AddRatedCorps(int x, int y, int side, int strength, int cohesion) {
    const int c = AddCorps(x, y, side, side);
    GameState.Corps[c].Strength = static_cast<std::uint16_t>(strength);
    GameState.Corps[c].Cohesion = static_cast<std::uint8_t>(cohesion);
    return c;
  }
};

TEST_F(CityThreatTest, EnemiesWeighLessTheFartherTheyStandAndOnlyInsideTheRadius) {
  const int city = AddCity(20, 20, TSide::Union);
  AddRatedCorps(20, 20, TSide::Union, 500, 5);
  const int garrison = AddRatedCorps(20, 20, TSide::Union, 100, 2);
  AddRatedCorps(21, 20, TSide::Union, 50, 1);
  AddRatedCorps(22, 20, TSide::Confederate, 300, 6);  // two hexes off: a third counts
  AddRatedCorps(20, 17, TSide::Confederate, 400, 7);  // three hexes off
  AddRatedCorps(20, 15, TSide::Confederate, 900, 9);  // five hexes off: outside
  GameState.Corps[AddRatedCorps(20, 20, TSide::Confederate, 800, 8)].Inactive = 1;
  AssessCityThreat(city, TNation::Union, 5);
  EXPECT_EQ(ThreatCorpsAtCity, garrison);
  EXPECT_EQ(ThreatOwnStrength, 1 + 500 + 100 + 50);
  EXPECT_EQ(ThreatEnemyCount, 2);
  EXPECT_EQ(ThreatEnemyStrength, 300 / 3 + 400 / 4);
  EXPECT_EQ(ThreatEnemyValue, 6 + 7);

  // The city's holder decides whose corps stands on it, the nation's camp who is own.
  GameState.Cities[city].Side = TSide::Confederate;
  AssessCityThreat(city, TNation::Confederacy, 5);
  EXPECT_EQ(ThreatCorpsAtCity, 0);
  EXPECT_EQ(ThreatOwnStrength, 1 + 300 + 400);
  EXPECT_EQ(ThreatEnemyStrength, 500 + 100 + 50 / 2);
}

TEST_F(CityThreatTest, NoCityLeavesTheStartingValuesAndSumsStopAtTheTop) {
  AddRatedCorps(20, 20, TSide::Union, 500, 5);
  ThreatEnemyCount = 9;
  AssessCityThreat(0, TNation::Union, 5);
  EXPECT_EQ(ThreatOwnStrength, 1);
  EXPECT_EQ(ThreatEnemyCount, 0);
  AssessCityThreat(87, TNation::Union, 5);
  EXPECT_EQ(ThreatOwnStrength, 1);

  const int city = AddCity(20, 20, TSide::Union);
  for (int k = 0; k < 3; ++k) AddRatedCorps(20, 21, TSide::Union, 30000, 5);
  AssessCityThreat(city, TNation::Union, 5);
  EXPECT_EQ(ThreatOwnStrength, 65535);
}

}  // namespace
