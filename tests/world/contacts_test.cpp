#include "world/contacts.h"

#include <gtest/gtest.h>

#include <array>
#include <utility>

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
    At(c).Strength = 100;
    At(c).Stance = TCombatStance::Defend;
    At(c).Theatre = TTheatre::Seaboard;
    return c;
  }
  static int Union(int x, int y) { return Corps(x, y, TSide::Union, TNation::Union); }
  static int Rebel(int x, int y) { return Corps(x, y, TSide::Confederate, TNation::Confederacy); }
  static TCorps& At(int c) { return GameState.Corps[c]; }
  static TBrigade& BrigadeOf(int corps) {
    return GameState.Brigades[AddBrigade({.nation = At(corps).Nation, .location = corps})];
  }
};

// Each of a pair sees the other once as the one looking and once as the one seen.
TEST_F(ContactsTest, EnemyCorpsOnOneHexMarkEachOtherForBattleUpToFour) {
  const int north = Union(20, 20);
  const int south = Rebel(20, 20);
  At(south).ContactStep = 3;
  const int crowded = Union(30, 30);
  for (int i = 0; i < 3; ++i) Rebel(30, 30);
  const int lonely = Union(40, 40);
  At(lonely).BattleMark = 3;
  Corps(40, 40, TSide::Union, TNation::Britain);
  UpdateContacts();
  EXPECT_EQ(std::pair(+At(north).BattleMark, +At(south).BattleMark), std::pair(2, 2));
  EXPECT_EQ(At(north).ContactStep, 7);
  EXPECT_EQ(At(south).ContactStep, 3);  // the first contact's step stands
  EXPECT_EQ(At(crowded).BattleMark, 4);
  EXPECT_EQ(At(lonely).BattleMark, 0) << "an ally of its camp is no enemy";
}

TEST_F(ContactsTest, AnEmbarkedCorpsIsNeverMarkedAndIsLostAtSeaWithItsFleet) {
  const int aboard = Union(20, 20);
  const int drowned = Union(20, 20);
  const int enemy = Rebel(20, 20);
  for (int c : {aboard, drowned}) {
    At(c).Stance = TCombatStance::Embarked;
    GameState.Fleets[AddFleet(20, 20, TSide::Union, TNation::Union)].Corps = c;
  }
  GameState.Fleets[2].Status = TFleet::FreedStatus;
  const int general = AddLeader({});
  At(drowned).Leader = static_cast<std::uint8_t>(general);
  TBrigade& brigade = BrigadeOf(drowned);
  UpdateContacts();
  EXPECT_EQ(At(aboard).BattleMark + At(enemy).BattleMark, 0);
  EXPECT_TRUE(At(drowned).IsFree());
  EXPECT_EQ(GameState.Leaders[general].Status, 255);
  EXPECT_EQ(brigade.Status, TBrigadeStatus::Free);
}

// A corps with no strength left: its brigades join its city, or the nearest
// of its camp when its city is another's, or wait at the capital.
TEST_F(ContactsTest, ASpentCorpsIsGarrisonedNearestOrWaitsAtTheCapitalBeforeAnyEnemySeesIt) {
  const int enemy = Union(20, 20);
  const int city = AddCity(20, 20, TSide::Confederate);
  const int nearest = AddCity(25, 30, TSide::Confederate);
  AddCity(40, 30, TSide::Confederate);
  GameState.Nations[TNation::Union].Capital = 9;  // the Union holds no city of its own
  const int spent[] = {Rebel(20, 20), Rebel(20, 30), Union(50, 50)};
  At(spent[0]).City = static_cast<std::uint8_t>(city);
  At(spent[1]).City = static_cast<std::uint8_t>(AddCity(21, 30, TSide::None));
  TBrigade* brigades[3];
  for (int k = 0; k < 3; ++k) {
    At(spent[k]).Strength = 0;
    brigades[k] = &BrigadeOf(spent[k]);
  }
  UpdateContacts();
  EXPECT_TRUE(At(spent[0]).IsFree());
  EXPECT_EQ(brigades[0]->Status, TBrigadeStatus::InGarrison);
  EXPECT_EQ(brigades[0]->Location, city);
  EXPECT_EQ(brigades[1]->Location, nearest);
  EXPECT_EQ(brigades[2]->Status, TBrigadeStatus::ArmedAndWaiting);
  EXPECT_EQ(brigades[2]->Location, 9);
  // The Union corps met no corps, though it stands in the enemy's city.
  EXPECT_EQ(At(enemy).ContactStep, 0);
}

// A fleet sent to fetch a corps that is spent before it boards, or carrying
// one, lets it go and sails home; a fleet sent for a corps still in the field
// keeps it.
TEST_F(ContactsTest, AFleetSentForASpentCorpsLetsItGoAndSailsHome) {
  const int home = AddCity(30, 10, TSide::Union);
  const int fetched = Union(20, 20);
  const int aboard = Union(24, 24);
  const int fit = Union(26, 26);
  At(fetched).Stance = TCombatStance::Withdraw;
  At(aboard).Stance = TCombatStance::Embarked;
  int fleets[3];
  for (int k = 0; k < 3; ++k) {
    const int c = std::array{fetched, aboard, fit}[k];
    fleets[k] = AddFleet(At(c).X, At(c).Y, TSide::Union, TNation::Union);
    TFleet& fleet = GameState.Fleets[fleets[k]];
    fleet.Corps = static_cast<std::uint8_t>(c);
    fleet.Mission = TFleetMission::Amphibious;
    fleet.HomePort = static_cast<std::uint8_t>(home);
    fleet.Objective = 40;
    BrigadeOf(c);
  }
  At(fetched).Strength = At(aboard).Strength = 0;
  UpdateContacts();
  for (int k = 0; k < 2; ++k) {
    const TFleet& fleet = GameState.Fleets[fleets[k]];
    EXPECT_EQ(fleet.Corps, 0) << "fleet " << k;
    EXPECT_EQ(fleet.Mission, TFleetMission::Move);
    EXPECT_EQ(fleet.Objective, home);
    EXPECT_EQ(std::pair(int{fleet.DestX}, int{fleet.DestY}), std::pair(30, 10));
  }
  EXPECT_EQ(GameState.Fleets[fleets[2]].Corps, fit);
  EXPECT_EQ(GameState.Fleets[fleets[2]].Mission, TFleetMission::Amphibious);
}

// A scout one hex from an enemy sets the enemy's reading to its range less 1:
// five hexes, one less above weather 2, two less above weather 6, one more
// for cavalry, one less when its fatigue passes its commander's initiative.
TEST_F(ContactsTest, SpottingReachesFiveHexesLessInBadWeatherAndWhenTiredMoreForCavalry) {
  struct Row {
    int weather, kind, fatigue, initiative, spotted;
  };
  const Row rows[] = {{2, 0, 0, 0, 4}, {3, 0, 0, 0, 3}, {4, 0, 0, 0, 4}, {6, 0, 0, 0, 4},
                      {7, 0, 0, 0, 2}, {7, 2, 0, 0, 3}, {2, 0, 5, 5, 4}, {2, 0, 5, 4, 3}};
  for (const Row& row : rows) {
    SetUp();
    const int scout = Union(20, 10);
    At(scout).Kind = static_cast<std::uint8_t>(row.kind);
    At(scout).Fatigue = static_cast<std::uint8_t>(row.fatigue);
    At(scout).LeaderInitiative = static_cast<std::uint8_t>(row.initiative);
    Union(20, 15);  // a farther scout never lowers the reading
    const int target = Rebel(20, 11);
    At(target).Theatre = TTheatre::West;  // the scout's weather counts
    GameState.Weather[TTheatre::Seaboard] = static_cast<std::uint16_t>(row.weather);
    UpdateContacts();
    EXPECT_EQ(At(target).Spotted, row.spotted) << row.weather << " " << row.kind;
  }
}

// Two fleets one hex apart: at sea that counts as two, on the river as one;
// a sea fleet sees one less above weather 2, a river fleet above weather 5.
TEST_F(ContactsTest, FleetsSpotEnemyFleetsByTheWeatherAtTheirHomePort) {
  const int port = AddCity(60, 50, TSide::None);
  GameState.Cities[port].Theatre = TTheatre::Mississippi;
  struct Row {
    int weather, river, patrol, spotted;
  };
  for (const Row& row :
       {Row{2, 0, 0, 1}, Row{3, 0, 0, 0}, Row{2, 0, 1, 2}, Row{5, 1, 0, 1}, Row{6, 1, 0, 0}}) {
    TFleet& watcher = GameState.Fleets[AddFleet(30, 10, TSide::Union, TNation::Union)];
    TFleet& raider = GameState.Fleets[AddFleet(30, 11, TSide::Confederate, 2)];
    watcher.Kind = raider.Kind = static_cast<std::uint8_t>(row.river);
    raider.Mission = static_cast<std::uint8_t>(row.patrol != 0 ? kPatrol : 0);
    watcher.HomePort = static_cast<std::uint8_t>(port);
    GameState.Weather[TTheatre::Mississippi] = static_cast<std::uint16_t>(row.weather);
    UpdateContacts();
    EXPECT_EQ(watcher.Spotted, row.spotted) << row.weather << " " << row.river;
    watcher.Status = raider.Status = TFleet::FreedStatus;
  }
}

// A garrisoned city watches two hexes, another one; fleets are seen from enemy
// cities and see corps of the other camp beside them.
TEST_F(ContactsTest, CitiesAndFleetsWatchTheirSurroundingsAndAStateOfTheOtherCampIsWatched) {
  GameState.Cities[AddCity(20, 10, TSide::Union)].GarrisonCount = 2;
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
  AddCity(30, 12, TSide::Confederate);
  AddCity(30, 8, TSide::Union);
  const int french = AddFleet(30, 10, TSide::Confederate, TNation::France);
  const int ally = Rebel(30, 11);
  AddFleet(60, 11, TSide::Confederate, TNation::Confederacy);
  const int adjacent = Union(60, 10);
  const int twoAway = Union(60, 13);
  UpdateContacts();
  EXPECT_EQ(At(nearFort).Spotted, 1);
  EXPECT_EQ(At(nearTown).Spotted, 0);
  EXPECT_EQ(At(atFort).Spotted, 2);
  EXPECT_NE(At(raider).Spotted, 0);
  EXPECT_EQ(At(home).Spotted, 0);
  EXPECT_EQ(GameState.Fleets[french].Spotted, 1);
  EXPECT_EQ(At(ally).Spotted, 0);
  EXPECT_EQ(At(adjacent).Spotted, 1);
  EXPECT_EQ(At(twoAway).Spotted, 0);
}

}  // namespace
