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
    MakeState(kHome, TNation::Confederacy).Loyalty = 5;  // chance 60
    city = AddCityIn(10, 10, TSide::Confederate, kHome);
    City(city).Side = City(city).Nation = TSide::Union;
    City(city).Population = 500;
  }

  int city = 0;
};

TEST_F(RebellionTest, ADisloyalStateRisesOnItsDrawsAndTheCityGoesBackToItsOwner) {
  const int guard = AddBrigade({.nation = TNation::Confederacy,
                                .status = TBrigadeStatus::InGarrison,
                                .location = city,
                                .homeState = 7});
  City(city).GarrisonCount = 1;
  ScriptRandomDraws({{300, 30}, {300, 29}});
  CheckCityRebellions();
  EXPECT_EQ(City(city).Side, TSide::Confederate);
  EXPECT_EQ(City(city).Nation, TNation::Confederacy);
  EXPECT_TRUE(GameState.Brigades[guard].IsFree());
  EXPECT_EQ(GameState.Prisoners[TNation::Confederacy], 80u);
  EXPECT_EQ(City(city).GarrisonCount, 0);
  EXPECT_EQ(HexCursorX, 10);
  EXPECT_EQ(ViewTop, 10);
  EXPECT_EQ(window.CallCount("RepaintMap"), 1);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].kind, 14);
  EXPECT_EQ(window.Notices()[0].lines[2], City(city).Name.str());
}

TEST_F(RebellionTest, NoRisingWhenTheDrawsFallShort) {
  ScriptRandomDraws({{300, 30}, {300, 30}});
  CheckCityRebellions();
  EXPECT_EQ(City(city).Side, TSide::Union);
}

TEST_F(RebellionTest, ACoveringCorpsASmallTownOrAHeldCityNeverRises) {
  ScriptRandomDraws({});
  const int cover = AddCorps(12, 10, TSide::Union, TNation::Union);
  CheckCityRebellions();
  Corps(cover).Inactive = 1;
  City(city).Population = 10;
  CheckCityRebellions();
  EXPECT_EQ(City(city).GarrisonNeed, 0);
  City(city).Population = 500;
  City(city).OriginalSide = TSide::Union;
  CheckCityRebellions();
  EXPECT_EQ(City(city).Side, TSide::Union);
}

TEST_F(RebellionTest, AnOccupiedStateRisesWhereTheGarrisonFallsShort) {
  State(kHome).Nation = TNation::Union;
  City(city).Population = 2000;  // need 2
  AddBrigade({.status = TBrigadeStatus::InGarrison, .location = city});
  ScriptRandomDraws({{300, 20}, {300, 19}});  // chance 10 + 30
  CheckCityRebellions();
  EXPECT_EQ(City(city).Side, TSide::Confederate);
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
  ScriptRandomDraws({{300, 0}, {300, 0}});
  CheckCityRebellions();
  EXPECT_EQ(City(city).Side, TSide::Confederate);
  EXPECT_EQ(City(city).Nation, TNation::Confederacy);
  EXPECT_EQ(GameState.Brigades[local].Nation, TNation::Confederacy);
  EXPECT_TRUE(GameState.Brigades[stranger].IsFree());
  EXPECT_EQ(City(city).GarrisonCount, 1);
}

TEST_F(RebellionTest, ACityCededToFranceCountsAsHeldByItsCamp) {
  Nation(TNation::France).Side = TSide::Confederate;
  City(city).OriginalSide = TNation::France;
  City(city).Side = TSide::Confederate;
  ScriptRandomDraws({});
  CheckCityRebellions();
  EXPECT_EQ(City(city).Side, TSide::Confederate);
}

}  // namespace
