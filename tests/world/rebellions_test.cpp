#include "world/rebellions.h"

#include <gtest/gtest.h>

#include <vector>

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

// With the state's own government: 30 below loyalty 30, 30 more below 10, no
// need from 50. Occupied: 10, and 30 for each garrison brigade short of the
// need (1 from 11 people, 2 above 1000). A loyal garrison or an own corps
// within 2 hexes keeps the city quiet. It rises when the two draws of 300 add
// up to less than the chance.
TEST_F(RebellionTest, TheCityRisesWhenTheDrawsFallBelowItsChance) {
  const struct {
    int population, loyalty;
    bool occupied;
    int garrison, cover;  // loyal garrison brigades; the distance of an own corps, 0 for none
    int draws;            // -1 for none drawn
    bool rises;
    int need;
  } cases[] = {
      {10, 5, false, 0, 0, -1, false, 0},   {11, 5, false, 0, 0, 59, true, 1},
      {500, 9, false, 0, 0, 59, true, 1},   {500, 9, false, 0, 0, 60, false, 1},
      {500, 10, false, 0, 0, 29, true, 1},  {500, 10, false, 0, 0, 30, false, 1},
      {500, 29, false, 0, 0, 29, true, 1},  {500, 30, false, 0, 0, -1, false, 1},
      {500, 49, false, 0, 0, -1, false, 1}, {500, 50, false, 0, 0, -1, false, 0},
      {500, 5, false, 1, 0, -1, false, 1},  {500, 5, false, 0, 2, -1, false, 1},
      {500, 5, false, 0, 3, 59, true, 1},   {1000, 5, true, 0, 0, 39, true, 1},
      {1000, 5, true, 0, 0, 40, false, 1},  {1001, 5, true, 0, 0, 69, true, 2},
      {1001, 5, true, 0, 0, 70, false, 2},  {1001, 5, true, 1, 0, 39, true, 2},
      {1001, 5, true, 1, 0, 40, false, 2},  {1001, 5, true, 2, 0, 9, true, 2},
      {1001, 5, true, 2, 0, 10, false, 2},
  };
  for (const auto& c : cases) {
    City(city).Side = City(city).Nation = TSide::Union;
    City(city).Population = static_cast<std::uint16_t>(c.population);
    State(kHome).Loyalty = static_cast<std::uint8_t>(c.loyalty);
    State(kHome).Nation = c.occupied ? TNation::Union : TNation::Confederacy;
    for (int g = 0; g < c.garrison; ++g)
      AddBrigade({.status = TBrigadeStatus::InGarrison, .location = city});
    const int cover = c.cover == 0 ? 0 : AddCorps(10 + c.cover, 10, TSide::Union, TNation::Union);
    DrawTotal(c.draws);
    CheckCityRebellions();
    EXPECT_EQ(City(city).Side, c.rises ? TSide::Confederate : TSide::Union)
        << c.population << " " << c.loyalty << " " << c.garrison << " " << c.cover << " "
        << c.draws;
    EXPECT_EQ(City(city).GarrisonNeed, c.need);
    for (int b = 1; b <= c.garrison; ++b) GameState.Brigades[b] = TBrigade{};
    if (cover != 0) Corps(cover).Inactive = 1;
  }
}

// The risen city goes back to its owner: its garrison is taken, its own men
// of a neutral border state go over with it.
TEST_F(RebellionTest, TheRisenCityGoesBackToItsOwnerAndItsGarrisonIsTaken) {
  AddBrigade(
      {.nation = TNation::Confederacy, .status = TBrigadeStatus::InGarrison, .location = city});
  MakeState(kNeutralStateNorth, TNation::Union);
  const int border = AddCityIn(30, 30, TSide::Union, kNeutralStateNorth);
  City(border).OriginalSide = TSide::None;
  City(border).Population = 2000;
  const int local = AddBrigade(
      {.status = TBrigadeStatus::InGarrison, .location = border, .homeState = kNeutralStateNorth});
  City(city).GarrisonCount = City(border).GarrisonCount = 1;
  ScriptRandomDraws({{300, 0}, {300, 0}, {300, 0}, {300, 0}});
  CheckCityRebellions();
  EXPECT_EQ(City(city).Nation, TNation::Confederacy);
  EXPECT_EQ(GameState.Prisoners[TNation::Confederacy], 80u) << "the garrison is taken";
  EXPECT_EQ(City(city).GarrisonCount, 0);
  EXPECT_EQ(City(border).Side, TSide::Confederate);
  EXPECT_EQ(GameState.Brigades[local].Nation, TNation::Confederacy);
  EXPECT_EQ(City(border).GarrisonCount, 1);
}

TEST_F(RebellionTest, ACityHeldByItsOwnCampNeverRises) {
  City(city).OriginalSide = TSide::Union;
  ScriptRandomDraws({});
  CheckCityRebellions();
  EXPECT_EQ(City(city).Side, TSide::Union);
}

}  // namespace
