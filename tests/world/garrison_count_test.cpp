// Every rule that moves brigades into or out of a city's garrison leaves the
// city counting exactly the brigades standing there, batteries included.
#include <gtest/gtest.h>

#include <functional>
#include <ostream>

#include "tests/world/political_turn_fixture.h"
#include "world/brigade_rules.h"
#include "world/city_control.h"
#include "world/corps_forming.h"
#include "world/corps_orders.h"
#include "world/dissolve_and_disband.h"
#include "world/leaderless_corps.h"
#include "world/random.h"

namespace {

struct GarrisonRule {
  const char* name;
  // Builds the position on city `c` (the Union's, on hex 10,10, ungarrisoned)
  // and applies the rule.
  std::function<void(int c)> apply;
  int garrison;  // the brigades standing in the garrison afterwards
};

void PrintTo(const GarrisonRule& rule, std::ostream* out) {
  *out << rule.name;
}

class GarrisonCount : public PoliticsTest, public ::testing::WithParamInterface<GarrisonRule> {
 public:
  using PoliticsTest::AddCorps;
};

int InGarrison(int c, int arm = TArm::Infantry) {
  ++GameState.Cities[c].GarrisonCount;
  return AddBrigade({.arm = arm, .status = TBrigadeStatus::InGarrison, .location = c});
}

int Commander(int side = TSide::Union) {
  return AddLeader({.side = side, .status = TLeaderStatus::InCommand});
}

// A corps of the camp on the city, depending on it, with a battery and green
// infantry, its totals as a recount leaves them.
int CorpsOnCity(int c, int infantry, int leader, int side = TSide::Union) {
  const int k = GarrisonCount::AddCorps(10, 10, side, side);
  TCorps& corps = GameState.Corps[k];
  corps.City = static_cast<std::uint8_t>(c);
  corps.Leader = static_cast<std::uint8_t>(leader);
  AddBrigade({.nation = side, .arm = TArm::Artillery, .strength = 16, .location = k});
  for (int i = 0; i < infantry; ++i) AddBrigade({.nation = side, .location = k, .quality = 0});
  corps.ArtilleryBrigades = 1;
  corps.ArtilleryStrength = 16;
  corps.OtherBrigades = static_cast<std::uint8_t>(infantry);
  corps.Strength = static_cast<std::uint16_t>(80 * infantry);
  return k;
}

const GarrisonRule kRules[] = {
    // Once seen in play: a corps left with its battery alone has no strength
    // and goes, and its city counted none of the battery.
    {"a corps of artillery alone goes and leaves its battery",
     [](int c) { GarrisonLeftoverBrigades(CorpsOnCity(c, 0, Commander())); }, 1},
    {"a disbanded corps hands its brigades to its own city",
     [](int c) { DisbandCorps(CorpsOnCity(c, 1, Commander())); }, 2},
    {"a corps no leader will take joins its city's garrison",
     [](int c) {
       CorpsOnCity(c, 1, 0);
       ProcessLeaderlessCorps();
     },
     2},
    {"a disordered corps caught on its depot lays down its colours",
     [](int c) {
       GameState.Cities[c].SupplyLevel = 1;
       GameState.Corps[CorpsOnCity(c, 1, Commander())].Disorder = 2;
       CorpsOnCity(0, 1, Commander(TSide::Confederate), TSide::Confederate);
       ProcessCorpsOrders();
     },
     2},
    {"a computer captor holds the city with its greenest infantry",
     [](int c) {
       TCity& city = GameState.Cities[c];
       city.Side = city.Nation = city.OriginalSide = TSide::Confederate;
       city.Population = 600;  // two brigades wanted
       CorpsOnCity(c, 3, Commander());
       UpdateCityControl();
     },
     2},
    {"a corps formed from the garrison takes its brigades along",
     [](int c) {
       for (int i = 0; i < 8; ++i) InGarrison(c);
       Commander();
       FormCorpsFromBrigades(TCorpsKind::Corps, c, TNation::Union, kFromGarrison);
     },
     2},
    {"a garrison brigade a siege starves to death is gone",
     [](int c) {
       InGarrison(c);
       ApplyBrigadeLosses(kLossesByBrigade, static_cast<std::uint16_t>(InGarrison(c)), 200);
     },
     1},
    {"a garrison brigade taken prisoner is gone",
     [](int c) {
       InGarrison(c, TArm::Artillery);
       TakeBrigadePrisoner(InGarrison(c));
     },
     1},
};

TEST_P(GarrisonCount, FollowsTheBrigadesInTheGarrison) {
  const int city = AddCityIn(10, 10, TSide::Union, 4);
  MakeState(4, TNation::Union);
  SetRandomSeed(5);
  GetParam().apply(city);
  int standing = 0;
  for (int b = 1; b <= GameState.Brigades.Count; ++b)
    standing += IsGarrisonOf(GameState.Brigades[b], city) ? 1 : 0;
  EXPECT_EQ(standing, GetParam().garrison);
  EXPECT_EQ(City(city).GarrisonCount, standing);
}

INSTANTIATE_TEST_SUITE_P(EveryRule, GarrisonCount, ::testing::ValuesIn(kRules),
                         [](const auto& info) { return "Rule" + std::to_string(info.index); });

}  // namespace
