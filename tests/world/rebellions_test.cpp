#include "world/rebellions.h"

#include <gtest/gtest.h>

#include "tests/world/political_turn_fixture.h"
#include "world/city_control.h"
#include "world/random.h"

namespace {

// A Confederate city held by the Union, in a state the Confederacy still rules.
class RebellionTest : public PoliticsTest {
 protected:
  static constexpr int kHome = 5;

  void SetUp() override {
    PoliticsTest::SetUp();
    MakeState(kHome, TNation::Confederacy).Loyalty = 5;
    city = AddCityIn(10, 10, TSide::Confederate, kHome);
    City(city).Side = City(city).Nation = TSide::Union;
    City(city).Population = 500;
  }

  // The two draws of 300 add up to the total.
  static void DrawTotal(int total) {
    if (total < 0) return ScriptRandomDraws({});
    ScriptRandomDraws({{300, total / 2}, {300, total - total / 2}});
  }

  int city = 0;
};

struct RisingCase {
  const char* what;
  int population;
  int loyalty;
  bool occupied;  // the state has passed to the occupier
  int garrison;   // loyal garrison brigades
  int cover;      // distance of an own corps; 0 for none
  int draws;      // the total of the two draws; -1 for none drawn
  bool rises;
  int need;  // the garrison need left
};

class RisingChanceTest : public RebellionTest, public ::testing::WithParamInterface<RisingCase> {};

TEST_P(RisingChanceTest, TheCityRisesWhenTheDrawsFallBelowItsChance) {
  const RisingCase& c = GetParam();
  City(city).Population = static_cast<std::uint16_t>(c.population);
  State(kHome).Loyalty = static_cast<std::uint8_t>(c.loyalty);
  if (c.occupied) State(kHome).Nation = TNation::Union;
  for (int g = 0; g < c.garrison; ++g)
    AddBrigade({.status = TBrigadeStatus::InGarrison, .location = city});
  if (c.cover != 0) AddCorps(10 + c.cover, 10, TSide::Union, TNation::Union);
  DrawTotal(c.draws);
  CheckCityRebellions();
  EXPECT_EQ(City(city).Side, c.rises ? TSide::Confederate : TSide::Union);
  if (!c.rises) {
    EXPECT_EQ(City(city).GarrisonNeed, c.need);
  }
}

// Own government: 30 below loyalty 30, 30 more below 10, no need from 50.
// Occupied: 10, and 30 for each garrison brigade short of the need.
INSTANTIATE_TEST_SUITE_P(
    Rebellions, RisingChanceTest,
    ::testing::Values(RisingCase{"a town of 10 is quiet", 10, 5, false, 0, 0, -1, false, 0},
                      RisingCase{"a town of 11 may rise", 11, 5, false, 0, 0, 59, true, 1},
                      RisingCase{"loyalty 9: chance 60", 500, 9, false, 0, 0, 59, true, 1},
                      RisingCase{"loyalty 9: not 61", 500, 9, false, 0, 0, 60, false, 1},
                      RisingCase{"loyalty 10: chance 30", 500, 10, false, 0, 0, 29, true, 1},
                      RisingCase{"loyalty 10: not 31", 500, 10, false, 0, 0, 30, false, 1},
                      RisingCase{"loyalty 29 may rise", 500, 29, false, 0, 0, 29, true, 1},
                      RisingCase{"loyalty 30 is quiet", 500, 30, false, 0, 0, -1, false, 1},
                      RisingCase{"loyalty 49 needs a garrison", 500, 49, false, 0, 0, -1, false, 1},
                      RisingCase{"loyalty 50 needs none", 500, 50, false, 0, 0, -1, false, 0},
                      RisingCase{"a loyal garrison holds", 500, 5, false, 1, 0, -1, false, 1},
                      RisingCase{"a corps 2 away covers", 500, 5, false, 0, 2, -1, false, 1},
                      RisingCase{"a corps 3 away does not", 500, 5, false, 0, 3, 59, true, 1},
                      RisingCase{"1000 people need 1", 1000, 5, true, 0, 0, 39, true, 1},
                      RisingCase{"need 1: chance 40", 1000, 5, true, 0, 0, 40, false, 1},
                      RisingCase{"1001 people need 2", 1001, 5, true, 0, 0, 69, true, 2},
                      RisingCase{"need 2: chance 70", 1001, 5, true, 0, 0, 70, false, 2},
                      RisingCase{"one short: 40", 1001, 5, true, 1, 0, 39, true, 2},
                      RisingCase{"one short: not 41", 1001, 5, true, 1, 0, 40, false, 2},
                      RisingCase{"none short: 10", 1001, 5, true, 2, 0, 9, true, 2},
                      RisingCase{"none short: not 11", 1001, 5, true, 2, 0, 10, false, 2}),
    [](const auto& info) { return "Row" + std::to_string(info.index); });

TEST_F(RebellionTest, TheRisenCityGoesBackToItsOwnerAndItsGarrisonIsTaken) {
  const int guard = AddBrigade({.nation = TNation::Confederacy,
                                .status = TBrigadeStatus::InGarrison,
                                .location = city,
                                .homeState = 7});
  City(city).GarrisonCount = 1;
  DrawTotal(59);
  CheckCityRebellions();
  EXPECT_EQ(City(city).Side, TSide::Confederate);
  EXPECT_EQ(City(city).Nation, TNation::Confederacy);
  EXPECT_TRUE(GameState.Brigades[guard].IsFree());
  EXPECT_EQ(GameState.Prisoners[TNation::Confederacy], 80u);
  EXPECT_EQ(City(city).GarrisonCount, 0);
  EXPECT_EQ(HexCursorX, 10);
  EXPECT_EQ(ViewTop, 10);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].kind, 14);
  EXPECT_EQ(window.Notices()[0].lines[2], City(city).Name.str());
}

TEST_F(RebellionTest, ANeutralBorderCityGoesOverToTheOtherCampWithItsOwnMen) {
  MakeState(kNeutralStateNorth, TNation::Union);
  City(city).State = kNeutralStateNorth;
  City(city).OriginalSide = TSide::None;
  const int local = AddBrigade(
      {.status = TBrigadeStatus::InGarrison, .location = city, .homeState = kNeutralStateNorth});
  const int stranger =
      AddBrigade({.status = TBrigadeStatus::InGarrison, .location = city, .homeState = 8});
  City(city).Population = 2000;
  City(city).GarrisonCount = 2;
  DrawTotal(0);
  CheckCityRebellions();
  EXPECT_EQ(City(city).Side, TSide::Confederate);
  EXPECT_EQ(City(city).Nation, TNation::Confederacy);
  EXPECT_EQ(GameState.Brigades[local].Nation, TNation::Confederacy);
  EXPECT_TRUE(GameState.Brigades[stranger].IsFree());
  EXPECT_EQ(City(city).GarrisonCount, 1);
}

TEST_F(RebellionTest, ACityHeldByItsOwnCampNeverRisesCededToFranceOrNot) {
  City(city).OriginalSide = TSide::Union;
  ScriptRandomDraws({});
  CheckCityRebellions();
  Nation(TNation::France).Side = TSide::Confederate;
  City(city).OriginalSide = TNation::France;
  City(city).Side = TSide::Confederate;
  CheckCityRebellions();
  EXPECT_EQ(City(city).Side, TSide::Confederate);
}

}  // namespace
