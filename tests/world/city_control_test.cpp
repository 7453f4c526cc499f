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

  // Takes the city with a Union corps that neither loots nor makes the news.
  static int TakeQuietly(int town, int aggression = 0) {
    const int captor = AddLedCorps(City(town).X, City(town).Y, TSide::Union, aggression);
    ScriptRandomDraws({{120, 119}, {4, 0}});
    UpdateCityControl();
    return captor;
  }

  int city = 0;
};

// An own corps, whichever its place in the table, or a garrison holds the
// city; the corps digs in by the fortifications, to at most 3.
TEST_F(CityControlTest, AnOwnCorpsOrAGarrisonHoldsTheCity) {
  City(city).Fortifications = 2;
  for (bool enemyFirst : {true, false}) {
    const int first = AddLedCorps(10, 10, enemyFirst ? TSide::Union : TSide::Confederate);
    const int second = AddLedCorps(10, 10, enemyFirst ? TSide::Confederate : TSide::Union);
    const int own = enemyFirst ? second : first;
    Corps(own).Entrenchment = enemyFirst ? 0 : 2;
    UpdateCityControl();
    EXPECT_EQ(City(city).Side, TSide::Confederate);
    EXPECT_EQ(Corps(own).Entrenchment, enemyFirst ? 2 : 3);
    Corps(first).Inactive = Corps(second).Inactive = 1;
  }
  City(city).GarrisonCount = 1;
  AddLedCorps(10, 10, TSide::Union);
  UpdateCityControl();
  EXPECT_EQ(City(city).Side, TSide::Confederate);
  EXPECT_TRUE(window.Notices().empty());
}

TEST_F(CityControlTest, TheLastEnemyCorpsInTheTableTakesTheCapitalAndItsWorth) {
  const int first = AddLedCorps(10, 10, TSide::Union);
  Nation(TNation::Confederacy).Capital = static_cast<std::uint8_t>(city);
  const int waiting = AddBrigade({.nation = TNation::Confederacy,
                                  .strength = 60,
                                  .status = TBrigadeStatus::ArmedAndWaiting,
                                  .location = city,
                                  .homeState = kHome});
  MakeState(7, TNation::Confederacy).Loyalty = 10;
  const int last = TakeQuietly(city);
  EXPECT_EQ(City(city).Nation, TNation::Union);
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines[1], Text(21) + Commander(last).Name.str());
  EXPECT_EQ(window.Notices()[0].lines[3], City(city).Name.str() + " S5" + Text(32));
  EXPECT_EQ(Nation(TNation::Union).WarScore, 309);
  EXPECT_EQ(Nation(TNation::Confederacy).WarScore, 300 - 9 - 150);
  EXPECT_EQ(Commander(first).Modifier, 0);
  // The men waiting there are taken; the captor's enemy's other states lose
  // half the city's value and one.
  EXPECT_TRUE(GameState.Brigades[waiting].IsFree());
  EXPECT_EQ(GameState.Prisoners[TNation::Confederacy], 60u);
  EXPECT_EQ(State(kHome).Losses, 60);
  EXPECT_EQ(State(kHome).Loyalty, 50);
  EXPECT_EQ(State(7).Loyalty, 5);
  EXPECT_EQ(State(kNorth).Loyalty, 50);
}

// The loot: supplies 1, forts razed, occupation up by a tenth of the strength,
// the state stirred by occupation / 15, the captor's states cheered by a
// third of the value; booty of 10 a value less a fifth of the occupation when
// the stores hold it; a rail line lost.
TEST_F(CityControlTest, AComputerCaptorLootsAndLondonReadsOfIt) {
  const int captor = AddLedCorps(10, 10, TSide::Union, 90);
  const int brigade = AddBrigade({.location = captor});
  City(city).Fortifications = 2;
  City(city).Occupation = 5;
  const int booty = 9 * 10 - 45 / 5;
  Nation(TNation::Confederacy).Supplies[TTheatre::Seaboard] = booty;
  Nation(TNation::Confederacy).RailCapacity = 4;
  ScriptRandomDraws({{120, 89}, {4, 3}});
  UpdateCityControl();
  EXPECT_EQ(Corps(captor).SupplyStatus, 1);
  EXPECT_EQ(GameState.Brigades[brigade].Fatigue, 1);
  EXPECT_EQ(City(city).Fortifications, 0);
  EXPECT_EQ(City(city).Occupation, 45);
  EXPECT_EQ(State(kHome).Loyalty, 53);
  EXPECT_EQ(State(kNorth).Loyalty, 53);
  EXPECT_EQ(Nation(TNation::Confederacy).Supplies[TTheatre::Seaboard], 0);
  EXPECT_EQ(Nation(TNation::Union).Supplies[TTheatre::Seaboard], booty);
  EXPECT_EQ(Nation(TNation::Confederacy).RailCapacity, 3);
  EXPECT_EQ(Attitude(TNation::Britain), kUndecided - 1);
  ASSERT_EQ(window.Notices().size(), 3u) << "the capture, the report and the newspaper";
  EXPECT_EQ(window.Notices()[1].lines[2], std::to_string(booty) + Text(11));
}

// Looted by a computer, on a draw of 120 below the commander's aggression
// (50 more when foraging); the commander gains a third of the value, at least 1.
TEST_F(CityControlTest, AComputerCaptorLootsBelowItsChanceAndItsCommanderIsRewarded) {
  const struct {
    int aggression, supply, draw, value;
    bool looted;
    int reward;
  } cases[] = {{40, 0, 39, 9, true, 3},
               {40, 0, 40, 9, false, 3},
               {0, 2, 49, 2, true, 1},
               {0, 2, 50, 5, false, 1},
               {0, 1, 0, 6, false, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.aggression << " " << c.supply << " " << c.draw);
    const int town = AddCityIn(30, 30, TSide::Confederate, kHome, c.value);
    const int captor = AddLedCorps(30, 30, TSide::Union, c.aggression);
    Corps(captor).SupplyType = static_cast<std::uint8_t>(c.supply);
    ScriptRandomDraws({{120, c.draw}, {4, 0}});
    UpdateCityControl();
    EXPECT_EQ(Corps(captor).SupplyStatus, c.looted ? 1 : 0);
    EXPECT_EQ(Commander(captor).Modifier, c.reward);
    Corps(captor).Inactive = 1;
    City(town) = TCity{};
  }
}

// A player is asked: sparing the city still rewards the commander; looting
// caps the occupation at 100, stirs the state by occupation / 10 and lowers
// the enemy's states by a third of the value.
TEST_F(CityControlTest, APlayerChoosesWhetherToLoot) {
  Nation(TNation::Union).Human = 1;
  for (int choice : {1, 2}) {
    City(city) = TCity{};
    city = AddCityIn(10, 10, TSide::Confederate, kHome);
    City(city).Occupation = 90;
    const int captor = AddLedCorps(10, 10, TSide::Union);
    window.ScriptChoices({0, choice});
    ScriptRandomDraws(choice == 2 ? std::deque<ScriptedDraw>{{4, 0}} : std::deque<ScriptedDraw>{});
    UpdateCityControl();
    if (choice == 1) {
      EXPECT_EQ(window.Notices().back().options[0], Text(4));
      EXPECT_EQ(City(city).Occupation, 90);
    }
    EXPECT_EQ(Commander(captor).Modifier, 3);
    Corps(captor).Inactive = 1;
  }
  EXPECT_EQ(City(city).Occupation, 100);
  EXPECT_EQ(State(kHome).Loyalty, 60 - 3);
  EXPECT_EQ(State(kNorth).Loyalty, 53);
  EXPECT_EQ(Attitude(TNation::Britain), kUndecided - 1);
}

TEST_F(CityControlTest, RetakingAnOwnCityAsksNothingAndLeavesNoGarrison) {
  City(city).Side = City(city).Nation = TSide::Union;
  const int captor = AddLedCorps(10, 10, TSide::Confederate);
  AddBrigade({.nation = TNation::Confederacy, .location = captor});
  AddBrigade({.nation = TNation::Confederacy, .location = captor});
  Corps(captor).OtherBrigades = 2;
  ScriptRandomDraws({});
  UpdateCityControl();
  EXPECT_EQ(City(city).Side, TSide::Confederate);
  EXPECT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(Commander(captor).Modifier, 0);
  EXPECT_EQ(City(city).GarrisonCount, 0);
}

// A computer captor leaves its greenest infantry (below quality 10): none when
// it has one or fewer; else the need (population / 500 + 1, at most 4) when
// below that count, otherwise one; never leaving it fewer than 2 brigades.
TEST_F(CityControlTest, AComputerCaptorGarrisonsWithItsGreenestInfantry) {
  const struct {
    int population;
    std::vector<int> qualities;
    int others, left;
  } cases[] = {{600, {12, 2, 1, 0}, 5, 2},    {499, {0, 1}, 5, 1},
               {500, {0, 1, 2}, 5, 2},        {1999, {0, 0, 0, 0, 0}, 9, 4},
               {2000, {0, 0, 0, 0, 0}, 9, 4}, {600, {9, 10}, 5, 0},
               {600, {9, 9}, 5, 1},           {600, {0}, 5, 0},
               {600, {0, 1, 2}, 2, 1},        {600, {0, 1, 2}, 3, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.population << " " << c.qualities.size() << " " << c.others);
    const int town = AddCityIn(30, 30, TSide::Confederate, kHome);
    City(town).Population = static_cast<std::uint16_t>(c.population);
    const int captor = AddLedCorps(30, 30, TSide::Union);
    std::vector<int> brigades;
    for (int quality : c.qualities)
      brigades.push_back(AddBrigade({.location = captor, .quality = quality}));
    brigades.push_back(AddBrigade({.arm = TArm::Artillery, .location = captor, .quality = 0}));
    Corps(captor).OtherBrigades = static_cast<std::uint8_t>(c.others);
    ScriptRandomDraws({{120, 119}, {4, 0}});
    UpdateCityControl();
    EXPECT_EQ(City(town).GarrisonCount, c.left);
    EXPECT_EQ(Corps(captor).OtherBrigades, c.others - c.left);
    int garrisoned = 0;
    for (int b : brigades) {
      const TBrigade& brigade = GameState.Brigades[b];
      if (brigade.Status == TBrigadeStatus::InGarrison) {
        EXPECT_EQ(brigade.Arm, TArm::Infantry);
        EXPECT_LT(brigade.Quality, 10);
        EXPECT_EQ(brigade.Location, town);
        ++garrisoned;
      }
      GameState.Brigades[b] = TBrigade{};
    }
    EXPECT_EQ(garrisoned, c.left);
    Corps(captor).Inactive = 1;
    City(town) = TCity{};
  }
}

TEST_F(CityControlTest, TheFirstInvaderOfTheSouthernNeutralStateTurnsItsOtherCitiesAgainstHim) {
  MakeState(kNeutralStateSouth, 0);
  const int entered = AddCityIn(20, 20, TSide::None, kNeutralStateSouth);
  const int other = AddCityIn(25, 20, TSide::None, kNeutralStateSouth);
  const int guard = AddBrigade({.nation = 0,
                                .status = TBrigadeStatus::InGarrison,
                                .location = other,
                                .homeState = kNeutralStateSouth});
  City(other).GarrisonCount = 1;
  TakeQuietly(entered);
  EXPECT_EQ(City(entered).Side, TSide::Union);
  EXPECT_EQ(City(other).Nation, TNation::Confederacy);
  EXPECT_EQ(GameState.Brigades[guard].Nation, TNation::Confederacy);
  EXPECT_EQ(MapRecord.Cell(25, 20).Owner(), TSide::Confederate) << "control follows at once";
}

TEST_F(CityControlTest, ANeutralCityLootedGivesNoBooty) {
  City(city).Side = City(city).Nation = City(city).OriginalSide = 0;
  AddLedCorps(10, 10, TSide::Union, 200);
  ScriptRandomDraws({{120, 0}, {4, 0}});
  UpdateCityControl();
  EXPECT_EQ(window.Notices().at(1).lines[2], "");
  EXPECT_EQ(Nation(TNation::Union).Supplies[TTheatre::Seaboard], 0);
}

// The capital's holder gains twice the weight, the loser one weight; powers
// at peace warm by the weight, powers at war above it cool by it.
TEST_F(CityControlTest, WhoeverHoldsTheCapitalCityOwnsTheState) {
  TStateRec& border = MakeState(kNeutralStateNorth, 0, city);
  border.Weight = 4;
  border.Slaves = 10;
  border.Manpower = border.InfantryPoints = 30;
  City(city).State = kNeutralStateNorth;
  const int neutral = AddCityIn(30, 30, TSide::None, kNeutralStateNorth);
  MakeState(9, TNation::Union, AddCityIn(40, 40, TSide::Union, 9));
  Nation(TNation::France).Side = TSide::Confederate;
  Attitude(TNation::France) = 5;
  UpdateCityControl();
  EXPECT_EQ(border.Nation, TNation::Confederacy);
  EXPECT_EQ(border.ControlSide, TSide::Confederate);
  EXPECT_EQ(border.Manpower, 0);
  EXPECT_EQ(Nation(TNation::Confederacy).WarScore, 308);
  EXPECT_EQ(Attitude(TNation::France), 1);
  EXPECT_EQ(Attitude(TNation::Britain), kUndecided + 4);
  EXPECT_EQ(City(neutral).Side, TSide::Union);
  EXPECT_EQ(window.Notices().at(0).lines[1], "the Confederacy.");
  EXPECT_EQ(State(9).Nation, TNation::Union);
  border.Nation = border.Side = border.ControlSide = TSide::Union;
  Attitude(TNation::France) = 4;
  UpdateCityControl();
  EXPECT_EQ(Attitude(TNation::France), 4) << "not above the weight";
}

// A fleet on patrol or a fighting mission (4 and above) within 3 hexes of a
// French or British port; one incident per pass.
TEST_F(CityControlTest, AWarshipOffAForeignPortCausesOneIncidentPerPass) {
  const int port = AddCityIn(50, 5, TSide::None, 0);
  City(port).Nation = TNation::Britain;
  const struct {
    int x, mission, fleets, incidents;
  } cases[] = {{53, 4, 2, 1}, {54, 4, 1, 0}, {52, 3, 1, 0}};
  for (const auto& c : cases) {
    std::vector<int> fleets;
    for (int i = 0; i < c.fleets; ++i) {
      fleets.push_back(AddFleet(c.x, 5, TSide::Union, TNation::Union));
      GameState.Fleets[fleets.back()].Status = 0;
      GameState.Fleets[fleets.back()].Mission = static_cast<std::uint8_t>(c.mission);
    }
    Attitude(TNation::Union) = 40;
    const std::size_t before = window.Notices().size();
    UpdateCityControl();
    EXPECT_EQ(window.Notices().size() - before, static_cast<std::size_t>(c.incidents)) << c.x;
    EXPECT_EQ(Attitude(TNation::Union), 40 - c.incidents);
    for (int f : fleets) GameState.Fleets[f].Status = TFleet::FreedStatus;
  }
  EXPECT_EQ(window.Notices()[0].lines[0], "Britain" + Text(13));
  EXPECT_EQ(window.Notices()[0].lines[1], "Union" + Text(14));
}

}  // namespace
