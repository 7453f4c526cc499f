#include "world/city_control.h"

#include <gtest/gtest.h>

#include <vector>

#include "tests/world/political_turn_fixture.h"
#include "world/random.h"

namespace {

class CityControlTest : public PoliticsTest {
 protected:
  static constexpr int kHome = 5;   // a Confederate state
  static constexpr int kNorth = 6;  // a Union state

  void SetUp() override {
    PoliticsTest::SetUp();
    MakeState(kHome, TNation::Confederacy);
    MakeState(kNorth, TNation::Union);
    city = AddCityIn(10, 10, TSide::Confederate, kHome);
  }

  static TLeader& Commander(int corps) { return GameState.Leaders[Corps(corps).Leader]; }

  // A Union corps of the aggression takes the town on a loot draw of 120 and
  // a newspaper draw of 4; returns the captor.
  static int Capture(int town, int aggression = 0, int lootDraw = 119, int newsDraw = 0) {
    const int captor = AddLedCorps(City(town).X, City(town).Y, TSide::Union, aggression);
    ScriptRandomDraws({{120, lootDraw}, {4, newsDraw}});
    UpdateCityControl();
    return captor;
  }

  // Clears the town, the captor and every brigade for the next row.
  static void Forget(int town, int captor) {
    Corps(captor).Inactive = 1;
    City(town) = TCity{};
    for (int b = 1; b <= GameState.Brigades.Count; ++b) GameState.Brigades[b] = TBrigade{};
  }

  int city = 0;
};

// An own corps, whichever its place in the table, holds the city.
TEST_F(CityControlTest, AnOwnCorpsHoldsTheCity) {
  AddLedCorps(10, 10, TSide::Union);
  AddLedCorps(10, 10, TSide::Confederate);
  UpdateCityControl();
  EXPECT_EQ(City(city).Side, TSide::Confederate);
}

// The last enemy corps takes the capital: 150 off the loser, the men waiting
// there taken, the loser's other states down by half the value and one.
TEST_F(CityControlTest, TheLastEnemyCorpsInTheTableTakesTheCapitalAndItsWorth) {
  AddLedCorps(10, 10, TSide::Union);
  Nation(TNation::Confederacy).Capital = static_cast<std::uint8_t>(city);
  const int waiting = AddBrigade({.nation = TNation::Confederacy,
                                  .strength = 60,
                                  .status = TBrigadeStatus::ArmedAndWaiting,
                                  .location = city});
  MakeState(7, TNation::Confederacy).Loyalty = 10;
  const int last = Capture(city);
  EXPECT_EQ(window.Notices().at(0).lines[1], Text(21) + Commander(last).Name.str());
  EXPECT_EQ(window.Notices()[0].lines[3], City(city).Name.str() + " S5" + Text(32));
  EXPECT_EQ(Nation(TNation::Union).WarScore, 309);
  EXPECT_EQ(Nation(TNation::Confederacy).WarScore, 300 - 9 - 150);
  EXPECT_TRUE(GameState.Brigades[waiting].IsFree()) << "taken prisoner";
  EXPECT_EQ(State(7).Loyalty, 5);
  EXPECT_EQ(State(kNorth).Loyalty, 50);
}

// Computer loot: occupation up by a tenth of the strength, the
// state stirred by occupation / 15, the captor's states cheered by a third of
// the value; booty of 10 a value less a fifth of the occupation.
TEST_F(CityControlTest, AComputerCaptorLootsAndLondonReadsOfIt) {
  City(city).Occupation = 5;
  const int booty = 9 * 10 - 45 / 5;
  Nation(TNation::Confederacy).Supplies[TTheatre::Seaboard] = booty;
  const int captor = Capture(city, 90, 89, 3);
  EXPECT_EQ(Corps(captor).SupplyStatus, 1);
  EXPECT_EQ(City(city).Occupation, 45);
  EXPECT_EQ(State(kHome).Loyalty, 53);
  EXPECT_EQ(State(kNorth).Loyalty, 53);
  EXPECT_EQ(Nation(TNation::Union).Supplies[TTheatre::Seaboard], booty);
  EXPECT_EQ(Attitude(TNation::Britain), kUndecided - 1) << "London reads of it";
}

// Looted on a draw of 120 below the commander's aggression (50 more when
// foraging); the commander gains a third of the value, at least 1.
TEST_F(CityControlTest, AComputerCaptorLootsBelowItsChanceAndItsCommanderIsRewarded) {
  const struct {
    int aggression, supply, draw, value;
    bool looted;
    int reward;
  } cases[] = {
      {.aggression = 40, .supply = 0, .draw = 39, .value = 9, .looted = true, .reward = 3},
      {.aggression = 40, .supply = 0, .draw = 40, .value = 9, .looted = false, .reward = 3},
      {.aggression = 0, .supply = 2, .draw = 49, .value = 2, .looted = true, .reward = 1},
      {.aggression = 0, .supply = 2, .draw = 50, .value = 5, .looted = false, .reward = 1},
  };
  for (const auto& c : cases) {
    const int town = AddCityIn(30, 30, TSide::Confederate, kHome, c.value);
    const int captor = AddLedCorps(30, 30, TSide::Union, c.aggression);
    Corps(captor).SupplyType = static_cast<std::uint8_t>(c.supply);
    ScriptRandomDraws({{120, c.draw}, {4, 0}});
    UpdateCityControl();
    EXPECT_EQ(Corps(captor).SupplyStatus, c.looted ? 1 : 0) << c.draw;
    EXPECT_EQ(Commander(captor).Modifier, c.reward);
    Forget(town, captor);
  }
}

// A player who loots caps the occupation at 100, stirs the state by
// occupation / 10 and lowers the enemy's states by a third of the value.
TEST_F(CityControlTest, APlayerWhoLootsCapsTheOccupation) {
  Nation(TNation::Union).Human = 1;
  City(city).Occupation = 90;
  AddLedCorps(10, 10, TSide::Union);
  window.ScriptChoices({0, 2});
  ScriptRandomDraws({{4, 0}});
  UpdateCityControl();
  EXPECT_EQ(City(city).Occupation, 100);
  EXPECT_EQ(State(kHome).Loyalty, 60 - 3);
  EXPECT_EQ(State(kNorth).Loyalty, 53);
}

// A computer captor leaves its greenest infantry (below quality 10): none when
// it has one or fewer; else the need (population / 500 + 1, at most 4) when
// below that count, otherwise one; never leaving it fewer than 2 brigades.
TEST_F(CityControlTest, AComputerCaptorGarrisonsWithItsGreenestInfantry) {
  const struct {
    int population;
    std::vector<int> qualities;
    int others, left;
  } cases[] = {
      {.population = 600, .qualities = {12, 2, 1, 0}, .others = 5, .left = 2},
      {.population = 499, .qualities = {0, 1}, .others = 5, .left = 1},
      {.population = 500, .qualities = {0, 1, 2}, .others = 5, .left = 2},
      {.population = 2000, .qualities = {0, 0, 0, 0, 0}, .others = 9, .left = 4},
      {.population = 600, .qualities = {9, 10}, .others = 5, .left = 0},
      {.population = 600, .qualities = {9, 9}, .others = 5, .left = 1},
      {.population = 600, .qualities = {0, 1, 2}, .others = 2, .left = 1},
      {.population = 600, .qualities = {0, 1, 2}, .others = 3, .left = 2},
  };
  for (const auto& c : cases) {
    const int town = AddCityIn(30, 30, TSide::Confederate, kHome);
    City(town).Population = static_cast<std::uint16_t>(c.population);
    const int captor = AddLedCorps(30, 30, TSide::Union);
    for (int quality : c.qualities) AddBrigade({.location = captor, .quality = quality});
    AddBrigade({.arm = TArm::Artillery, .location = captor, .quality = 0});
    Corps(captor).OtherBrigades = static_cast<std::uint8_t>(c.others);
    ScriptRandomDraws({{120, 119}, {4, 0}});
    UpdateCityControl();
    EXPECT_EQ(City(town).GarrisonCount, c.left) << c.population << " " << c.others;
    Forget(town, captor);
  }
}

// The capital's holder owns the state and gains twice its weight; powers at
// peace warm by the weight, powers at war above it cool by it.
TEST_F(CityControlTest, WhoeverHoldsTheCapitalCityOwnsTheState) {
  TStateRec& border = MakeState(kNeutralStateNorth, 0, city);
  border.Weight = 4;
  City(city).State = kNeutralStateNorth;
  Nation(TNation::France).Side = TSide::Confederate;
  Attitude(TNation::France) = 5;
  UpdateCityControl();
  EXPECT_EQ(border.Nation, TNation::Confederacy);
  EXPECT_EQ(Nation(TNation::Confederacy).WarScore, 308);
  EXPECT_EQ(Attitude(TNation::France), 1);
  EXPECT_EQ(Attitude(TNation::Britain), kUndecided + 4);
  border.Nation = border.Side = border.ControlSide = TSide::Union;
  Attitude(TNation::France) = 4;
  UpdateCityControl();
  EXPECT_EQ(Attitude(TNation::France), 4) << "not above the weight";
}

// A fleet on patrol or a fighting mission (4 and above) within 3 hexes of a
// French or British port; one incident per pass.
TEST_F(CityControlTest, AWarshipOffAForeignPortCausesOneIncidentPerPass) {
  City(AddCityIn(50, 5, TSide::None, 0)).Nation = TNation::Britain;
  const struct {
    int x, mission, fleets, incidents;
  } cases[] = {
      {.x = 53, .mission = 4, .fleets = 2, .incidents = 1},
      {.x = 54, .mission = 4, .fleets = 1, .incidents = 0},
      {.x = 52, .mission = 3, .fleets = 1, .incidents = 0},
  };
  for (const auto& c : cases) {
    for (int i = 0; i < c.fleets; ++i) {
      TFleet& fleet = GameState.Fleets[AddFleet(c.x, 5, TSide::Union, TNation::Union)];
      fleet.Status = 0;
      fleet.Mission = static_cast<std::uint8_t>(c.mission);
    }
    Attitude(TNation::Union) = 40;
    UpdateCityControl();
    EXPECT_EQ(Attitude(TNation::Union), 40 - c.incidents) << c.x;
    for (int f = 1; f <= c.fleets; ++f) GameState.Fleets[f].Status = TFleet::FreedStatus;
  }
}

}  // namespace
