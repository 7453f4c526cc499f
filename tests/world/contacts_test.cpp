#include "world/contacts.h"

#include <gtest/gtest.h>

#include "support/world_fixture.h"
#include "tests/world/force_builders.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

constexpr int kPatrol = 4;

class ContactsTest : public WorldTest {
 protected:
  void SetUp() override {
    WorldTest::SetUp();
    GameState.Nations[TNation::France].Side = TSide::Confederate;
    GameState.Step = 7;
    for (int t = 1; t <= 3; ++t) GameState.Weather[t] = 1;
  }

  // A corps in the field, in Defend, in the seaboard theatre.
  static int Corps(int x, int y, int side, int nation) {
    const int c = AddCorps(x, y, side, nation);
    GameState.Corps[c].Strength = 100;
    GameState.Corps[c].Stance = TCombatStance::Defend;
    GameState.Corps[c].Theatre = TTheatre::Seaboard;
    return c;
  }
  static int Union(int x, int y) { return Corps(x, y, TSide::Union, TNation::Union); }
  static int Rebel(int x, int y) { return Corps(x, y, TSide::Confederate, TNation::Confederacy); }
  static TCorps& At(int c) { return GameState.Corps[c]; }

  static int BrigadeOf(int corps) {
    return AddBrigade({.nation = At(corps).Nation, .location = corps});
  }
};

TEST_F(ContactsTest, EnemyCorpsOnOneHexMarkEachOtherForBattleUpToFour) {
  const int north = Union(20, 20);
  const int south = Rebel(20, 20);
  At(south).ContactStep = 3;
  const int crowded = Union(30, 30);
  for (int i = 0; i < 3; ++i) Rebel(30, 30);
  const int lonely = Union(40, 40);
  At(lonely).BattleMark = 3;
  const int ally = Corps(40, 40, TSide::Union, TNation::Britain);
  UpdateContacts();
  // Each of a pair sees the other once as the one looking and once as the one seen.
  EXPECT_EQ(At(north).BattleMark, 2);
  EXPECT_EQ(At(south).BattleMark, 2);
  EXPECT_EQ(At(north).ContactStep, 7);
  EXPECT_EQ(At(south).ContactStep, 3);  // the first contact's step stands
  EXPECT_EQ(At(crowded).BattleMark, 4);
  EXPECT_EQ(At(lonely).BattleMark, 0) << "an ally of its camp is no enemy";
  EXPECT_EQ(At(ally).Spotted, 0);
}

TEST_F(ContactsTest, AnEmbarkedCorpsNotMeetingTheEnemyIsNotMarkedForBattle) {
  const int aboard = Union(20, 20);
  At(aboard).Stance = TCombatStance::Embarked;
  GameState.Fleets[AddFleet(20, 20, TSide::Union, TNation::Union)].Corps =
      static_cast<std::uint8_t>(aboard);
  const int ashore = Rebel(20, 20);
  At(ashore).BattleMark = 2;
  UpdateContacts();
  EXPECT_EQ(At(aboard).BattleMark, 0);
  EXPECT_FALSE(At(aboard).IsFree());
  EXPECT_EQ(At(ashore).BattleMark, 2);  // an enemy is there, though not to fight
}

TEST_F(ContactsTest, ACorpsEmbarkedOnAFleetThatIsGoneIsLostAtSea) {
  const int general = AddLeader({});
  const int drowned = Union(20, 20);
  TCorps& corps = At(drowned);
  corps.Stance = TCombatStance::Embarked;
  corps.Leader = static_cast<std::uint8_t>(general);
  corps.Army = 2;
  const int brigade = BrigadeOf(drowned);
  const int sunk = AddFleet(20, 20, TSide::Union, TNation::Union);
  GameState.Fleets[sunk].Corps = static_cast<std::uint8_t>(drowned);
  GameState.Fleets[sunk].Status = TFleet::FreedStatus;
  const int enemy = Rebel(20, 20);
  UpdateContacts();
  EXPECT_TRUE(corps.IsFree());
  EXPECT_EQ(corps.Nation + corps.Side + corps.Leader + corps.Army + corps.X, 0);
  EXPECT_EQ(GameState.Leaders[general].Status, 255);
  EXPECT_EQ(GameState.Brigades[brigade].Status, TBrigadeStatus::Free);
  EXPECT_EQ(At(enemy).BattleMark, 0);
}

TEST_F(ContactsTest, ASpentCorpsIsGarrisonedNearestOrWaitsAtTheCapitalBeforeAnyEnemySeesIt) {
  const int enemy = Union(20, 20);
  const int city = AddCity(20, 20, TSide::Confederate);
  const int spent = Rebel(20, 20);
  At(spent).Strength = 0;
  At(spent).City = static_cast<std::uint8_t>(city);
  const int brigade = BrigadeOf(spent);
  // Its city is neutral: the nearest city of its camp takes it.
  AddCity(40, 30, TSide::Confederate);
  const int nearest = AddCity(25, 30, TSide::Confederate);
  const int strayed = Rebel(20, 30);
  At(strayed).Strength = 0;
  At(strayed).City = static_cast<std::uint8_t>(AddCity(21, 30, TSide::None));
  const int stray = BrigadeOf(strayed);
  // The Union holds no city of its own.
  GameState.Nations[TNation::Union].Capital = 9;
  const int homeless = Union(50, 50);
  At(homeless).Strength = 0;
  const int waiting = BrigadeOf(homeless);
  UpdateContacts();
  EXPECT_TRUE(At(spent).IsFree());
  EXPECT_EQ(GameState.Brigades[brigade].Status, TBrigadeStatus::InGarrison);
  EXPECT_EQ(GameState.Brigades[brigade].Location, city);
  // The Union corps met no corps, though it stands in the enemy's city.
  EXPECT_EQ(At(enemy).ContactStep, 0);
  EXPECT_EQ(At(enemy).BattleMark, 4);
  EXPECT_EQ(GameState.Brigades[stray].Location, nearest);
  EXPECT_EQ(GameState.Brigades[waiting].Status, TBrigadeStatus::ArmedAndWaiting);
  EXPECT_EQ(GameState.Brigades[waiting].Location, 9);
}

// A scout one hex from an enemy sets the enemy's reading to its range less 1.
TEST_F(ContactsTest, SpottingReachesFiveHexesLessInBadWeatherAndWhenTiredMoreForCavalry) {
  // Weather, the scout's kind, fatigue and commander's initiative, the reading.
  const int rows[][5] = {{2, 0, 0, 0, 4}, {3, 0, 0, 0, 3}, {4, 0, 0, 0, 4}, {6, 0, 0, 0, 4},
                         {7, 0, 0, 0, 2}, {7, 2, 0, 0, 3}, {2, 0, 5, 5, 4}, {2, 0, 5, 4, 3}};
  for (const auto& [weather, kind, fatigue, initiative, spotted] : rows) {
    SetUp();
    const int scout = Union(20, 10);
    At(scout).Kind = static_cast<std::uint8_t>(kind);
    At(scout).Fatigue = static_cast<std::uint8_t>(fatigue);
    At(scout).LeaderInitiative = static_cast<std::uint8_t>(initiative);
    const int target = Rebel(20, 11);
    At(target).Theatre = TTheatre::West;
    GameState.Weather[TTheatre::Seaboard] = static_cast<std::uint16_t>(weather);
    UpdateContacts();
    EXPECT_EQ(At(target).Spotted, spotted) << weather << " " << kind << " " << fatigue;
  }
}

TEST_F(ContactsTest, AFartherSpotterNeverLowersWhatANearerOneSaw) {
  Union(20, 11);
  Union(20, 15);
  const int target = Rebel(20, 10);
  UpdateContacts();
  EXPECT_EQ(At(target).Spotted, 4);
}

TEST_F(ContactsTest, CitiesWatchFartherWhenGarrisonedAndCorpsInAStateOfTheOtherCampAreSeen) {
  const int fort = AddCity(20, 10, TSide::Union);
  GameState.Cities[fort].GarrisonCount = 2;
  AddCity(40, 10, TSide::Union);
  const int nearFort = Rebel(20, 11);
  const int nearTown = Rebel(40, 11);
  const int atFort = Rebel(20, 10);
  GameState.States[5].ControlSide = TSide::Union;
  GameState.States[6].ControlSide = TSide::Confederate;
  const int raider = Rebel(10, 40);
  At(raider).State = 5;
  const int home = Rebel(10, 50);
  At(home).State = 6;
  UpdateContacts();
  EXPECT_EQ(At(nearFort).Spotted, 1);
  EXPECT_EQ(At(nearTown).Spotted, 0);
  EXPECT_EQ(At(atFort).Spotted, 2);
  EXPECT_EQ(At(atFort).BattleMark, 4);
  EXPECT_NE(At(raider).Spotted, 0);
  EXPECT_EQ(At(home).Spotted, 0);
}

// Two fleets one hex apart: at sea that counts as two, on the river as one.
TEST_F(ContactsTest, FleetsSpotEnemyFleetsByTheWeatherAtTheirHomePort) {
  const int port = AddCity(60, 50, TSide::None);
  GameState.Cities[port].Theatre = TTheatre::Mississippi;
  // Weather at the home port, the kinds (river 1), the raider on patrol, the reading.
  const int rows[][4] = {{2, 0, 0, 1}, {3, 0, 0, 0}, {2, 0, 1, 2}, {5, 1, 0, 1}, {6, 1, 0, 0}};
  for (const auto& [weather, kind, patrol, spotted] : rows) {
    const int watcher = AddFleet(30, 10, TSide::Union, TNation::Union);
    const int raider = AddFleet(30, 11, TSide::Confederate, TNation::Confederacy);
    GameState.Fleets[watcher].Kind = GameState.Fleets[raider].Kind =
        static_cast<std::uint8_t>(kind);
    GameState.Fleets[raider].Mission = static_cast<std::uint8_t>(patrol != 0 ? kPatrol : 0);
    GameState.Fleets[watcher].HomePort = static_cast<std::uint8_t>(port);
    GameState.Weather[TTheatre::Mississippi] = static_cast<std::uint16_t>(weather);
    UpdateContacts();
    EXPECT_EQ(GameState.Fleets[watcher].Spotted, spotted) << weather << " " << kind;
    GameState.Fleets[watcher].Status = GameState.Fleets[raider].Status = TFleet::FreedStatus;
  }
}

TEST_F(ContactsTest, FleetsAreSeenFromEnemyCitiesAndSeeAdjacentCorpsOfTheOtherCamp) {
  AddCity(30, 12, TSide::Confederate);
  AddCity(30, 8, TSide::Union);
  const int french = AddFleet(30, 10, TSide::Confederate, TNation::France);
  const int ally = Rebel(30, 11);
  AddFleet(60, 11, TSide::Confederate, TNation::Confederacy);
  const int adjacent = Union(60, 10);
  const int twoAway = Union(60, 13);
  UpdateContacts();
  EXPECT_EQ(GameState.Fleets[french].Spotted, 1);
  EXPECT_EQ(At(ally).Spotted, 0);
  EXPECT_EQ(At(adjacent).Spotted, 1);
  EXPECT_EQ(At(twoAway).Spotted, 0);
}

}  // namespace
