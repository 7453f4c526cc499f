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

  static int BrigadeOf(int corps) {
    const TCorps& formation = GameState.Corps[corps];
    return AddBrigade({.nation = formation.Nation, .location = corps});
  }
};

TEST_F(ContactsTest, EnemyCorpsOnOneHexMarkEachOtherForBattleUpToFour) {
  const int north = Union(20, 20);
  const int south = Rebel(20, 20);
  GameState.Corps[south].ContactStep = 3;
  const int crowded = Union(30, 30);
  for (int i = 0; i < 3; ++i) Rebel(30, 30);
  const int lonely = Union(40, 40);
  GameState.Corps[lonely].BattleMark = 3;

  UpdateContacts();

  // Each of a pair sees the other once as the one looking and once as the one seen.
  EXPECT_EQ(GameState.Corps[north].BattleMark, 2);
  EXPECT_EQ(GameState.Corps[south].BattleMark, 2);
  EXPECT_EQ(GameState.Corps[north].ContactStep, 7);
  EXPECT_EQ(GameState.Corps[south].ContactStep, 3);  // the first contact's step stands
  EXPECT_EQ(GameState.Corps[crowded].BattleMark, 4);
  EXPECT_EQ(GameState.Corps[lonely].BattleMark, 0);
}

TEST_F(ContactsTest, AlliesOfOneCampShareAHexWithoutBattleOrSpotting) {
  const int confederate = Rebel(20, 20);
  const int french = Corps(20, 20, TSide::Confederate, TNation::France);
  const int british = Corps(20, 22, TSide::Confederate, TNation::Britain);
  UpdateContacts();
  for (int c : {confederate, french, british}) {
    EXPECT_EQ(GameState.Corps[c].BattleMark, 0) << c;
    EXPECT_EQ(GameState.Corps[c].Spotted, 0) << c;
  }
}

TEST_F(ContactsTest, AnEmbarkedCorpsNotMeetingTheEnemyIsNotMarkedForBattle) {
  const int aboard = Union(20, 20);
  GameState.Corps[aboard].Stance = TCombatStance::Embarked;
  const int fleet = AddFleet(20, 20, TSide::Union, TNation::Union);
  GameState.Fleets[fleet].Corps = static_cast<std::uint8_t>(aboard);
  const int ashore = Rebel(20, 20);
  GameState.Corps[ashore].BattleMark = 2;
  UpdateContacts();
  EXPECT_EQ(GameState.Corps[aboard].BattleMark, 0);
  EXPECT_FALSE(GameState.Corps[aboard].IsFree());
  EXPECT_EQ(GameState.Corps[ashore].BattleMark, 2);  // an enemy is there, though not to fight
}

TEST_F(ContactsTest, ACorpsEmbarkedOnAFleetThatIsGoneIsLostAtSea) {
  const int general = AddLeader({});
  const int drowned = Union(20, 20);
  TCorps& corps = GameState.Corps[drowned];
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
  EXPECT_EQ(corps.Nation, 0);
  EXPECT_EQ(corps.Side, 0);
  EXPECT_EQ(corps.Leader, 0);
  EXPECT_EQ(corps.Army, 0);
  EXPECT_EQ(corps.X, 0);
  EXPECT_EQ(GameState.Leaders[general].Status, 255);
  EXPECT_EQ(GameState.Brigades[brigade].Status, TBrigadeStatus::Free);
  EXPECT_EQ(GameState.Corps[enemy].BattleMark, 0);
}

TEST_F(ContactsTest, ASpentCorpsIsGarrisonedAndGoneBeforeAnyEnemySeesIt) {
  const int enemy = Union(20, 20);
  const int city = AddCity(20, 20, TSide::Confederate);
  const int spent = Rebel(20, 20);
  GameState.Corps[spent].Strength = 0;
  GameState.Corps[spent].City = static_cast<std::uint8_t>(city);
  const int brigade = BrigadeOf(spent);

  UpdateContacts();

  EXPECT_TRUE(GameState.Corps[spent].IsFree());
  EXPECT_EQ(GameState.Brigades[brigade].Status, TBrigadeStatus::InGarrison);
  EXPECT_EQ(GameState.Brigades[brigade].Location, city);
  // The Union corps met no corps, though it stands in the enemy's city.
  EXPECT_EQ(GameState.Corps[enemy].ContactStep, 0);
  EXPECT_EQ(GameState.Corps[enemy].BattleMark, 4);
}

TEST_F(ContactsTest, ASpentCorpsWithoutACityOfItsCampGarrisonsTheNearestOrWaitsAtTheCapital) {
  AddCity(40, 20, TSide::Confederate);
  const int nearest = AddCity(25, 20, TSide::Confederate);
  const int spent = Rebel(20, 20);
  GameState.Corps[spent].Strength = 0;
  GameState.Corps[spent].City = static_cast<std::uint8_t>(AddCity(21, 20, TSide::None));
  const int brigade = BrigadeOf(spent);
  // The Union holds no city of its own here.
  GameState.Nations[TNation::Union].Capital = 9;
  const int homeless = Union(50, 50);
  GameState.Corps[homeless].Strength = 0;
  const int waiting = BrigadeOf(homeless);

  UpdateContacts();

  EXPECT_EQ(GameState.Brigades[brigade].Status, TBrigadeStatus::InGarrison);
  EXPECT_EQ(GameState.Brigades[brigade].Location, nearest);
  EXPECT_EQ(GameState.Brigades[waiting].Status, TBrigadeStatus::ArmedAndWaiting);
  EXPECT_EQ(GameState.Brigades[waiting].Location, 9);
}

TEST_F(ContactsTest, SpottingReachesFiveHexesLessInBadWeatherAndWhenTired) {
  const int scout = Union(20, 10);
  const int target = Rebel(20, 13);  // three hexes south
  auto spottedAfter = [&](int weather) {
    GameState.Weather[TTheatre::Seaboard] = static_cast<std::uint16_t>(weather);
    UpdateContacts();
    return static_cast<int>(GameState.Corps[target].Spotted);
  };
  // The rebels spot the scout as well; only the target's reading is checked.
  EXPECT_EQ(spottedAfter(1), 2);
  EXPECT_EQ(spottedAfter(3), 1);
  EXPECT_EQ(spottedAfter(7), 0);
  GameState.Corps[scout].Kind = TCorpsKind::CavalryDivision;
  EXPECT_EQ(spottedAfter(7), 1);
  GameState.Corps[scout].Fatigue = 5;
  GameState.Corps[scout].LeaderInitiative = 4;
  EXPECT_EQ(spottedAfter(7), 0);
}

TEST_F(ContactsTest, AFartherSpotterNeverLowersWhatANearerOneSaw) {
  Union(20, 11);
  Union(20, 15);
  const int target = Rebel(20, 10);
  UpdateContacts();
  EXPECT_EQ(GameState.Corps[target].Spotted, 4);
}

TEST_F(ContactsTest, CitiesWatchTheirSurroundingsFartherWhenGarrisoned) {
  const int fort = AddCity(20, 10, TSide::Union);
  GameState.Cities[fort].GarrisonCount = 2;
  AddCity(40, 10, TSide::Union);
  const int nearFort = Rebel(20, 11);
  const int nearTown = Rebel(40, 11);
  const int atFort = Rebel(20, 10);
  UpdateContacts();
  EXPECT_EQ(GameState.Corps[nearFort].Spotted, 1);
  EXPECT_EQ(GameState.Corps[nearTown].Spotted, 0);
  EXPECT_EQ(GameState.Corps[atFort].Spotted, 2);
  EXPECT_EQ(GameState.Corps[atFort].BattleMark, 4);
}

TEST_F(ContactsTest, ACorpsInAStateHeldByTheOtherCampIsSeen) {
  AddCity(60, 50, TSide::Union);
  GameState.States[5].ControlSide = TSide::Union;
  GameState.States[6].ControlSide = TSide::Confederate;
  const int raider = Rebel(10, 10);
  GameState.Corps[raider].State = 5;
  const int home = Rebel(10, 40);
  GameState.Corps[home].State = 6;
  UpdateContacts();
  EXPECT_NE(GameState.Corps[raider].Spotted, 0);
  EXPECT_EQ(GameState.Corps[home].Spotted, 0);
}

TEST_F(ContactsTest, FleetsSpotEnemyFleetsByTheWeatherAtTheirHomePort) {
  const int port = AddCity(60, 50, TSide::None);
  GameState.Cities[port].Theatre = TTheatre::Mississippi;
  const int watcher = AddFleet(30, 10, TSide::Union, TNation::Union);
  const int raider = AddFleet(30, 11, TSide::Confederate, TNation::Confederacy);
  auto spottedAfter = [&](int weather) {
    GameState.Weather[TTheatre::Seaboard] = static_cast<std::uint16_t>(weather);
    UpdateContacts();
    return static_cast<int>(GameState.Fleets[watcher].Spotted);
  };
  // One hex apart counts as two at sea.
  EXPECT_EQ(spottedAfter(0), 1);
  EXPECT_EQ(spottedAfter(3), 0);
  GameState.Fleets[raider].Mission = kPatrol;
  EXPECT_EQ(spottedAfter(0), 2);
  GameState.Fleets[watcher].Kind = GameState.Fleets[raider].Kind = 1;  // on the river
  EXPECT_EQ(spottedAfter(0), 3);
  EXPECT_EQ(spottedAfter(6), 0);  // range 1: a fleet at the edge of sight goes unseen
  // A fleet's weather is that of its home port's theatre.
  GameState.Fleets[watcher].HomePort = static_cast<std::uint8_t>(port);
  GameState.Weather[TTheatre::Mississippi] = 0;
  EXPECT_EQ(spottedAfter(6), 3);
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
  EXPECT_EQ(GameState.Corps[ally].Spotted, 0);
  EXPECT_EQ(GameState.Corps[adjacent].Spotted, 1);
  EXPECT_EQ(GameState.Corps[twoAway].Spotted, 0);
}

}  // namespace
