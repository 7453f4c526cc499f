// The computer's armies: how boldly they fight, who joins them, when one is
// abandoned, and which targets their free corps are committed to. (The
// campaigns of the soak test show them marching on what they chose.)
#include "opponent/army_operations.h"

#include <gtest/gtest.h>

#include <array>

#include "opponent/army_targets.h"
#include "opponent/planner_fixture.h"
#include "opponent/theatre_posture.h"
#include "tests/world/force_builders.h"

namespace {

class ArmyOperationsTest : public PlannerTest {
 protected:
  // A Union army at (20, 20) in the Seaboard, led by a commander of the given
  // combat and inspiration.
  static int UnionArmy(int combat = 40, int inspiration = 0) {
    const int a = AddArmy(20, 20, TSide::Union, TNation::Union);
    TArmy& army = GameState.Armies[a];
    GameState.Cities[army.HqCity].Theatre = TTheatre::Seaboard;
    army.Theatre = TTheatre::Seaboard;
    const int l = AddLeader({.rank = TLeaderClass::Army, .status = TLeaderStatus::InCommand,
                             .combat = combat});
    GameState.Leaders[l].Inspiration = static_cast<std::uint8_t>(inspiration);
    army.Leader = static_cast<std::uint8_t>(l);
    return a;
  }
  // The one target of the list: the city, worth 10, with the need given.
  static void Target(int city, int need) {
    ClearTargetList();
    TTargetEntry& entry = TargetList[1];
    entry.City = static_cast<std::uint16_t>(city);
    entry.X = GameState.Cities[city].X;
    entry.Y = GameState.Cities[city].Y;
    entry.Value = 10;
    entry.Need = static_cast<std::uint16_t>(need);
  }
  static int CorpsOf(int army, int x, int y, int strength) {
    const int c = AddCorpsOf(x, y, TNation::Union, strength);
    GameState.Corps[c].Army = static_cast<std::uint8_t>(army);
    return c;
  }
};

// Odds 30 less 50 for fatigue 10 is -20. An army of cohesion below 10 takes
// 10 off for each step its stance lies below 10 (here 100 at stance 0), so
// that odds of 130 then fall back too.
TEST_F(ArmyOperationsTest, BoldnessFallsBackAtMinus20AndAttacksFrom50) {
  const struct {
    int odds, fatigue, cohesion, boldness;
  } rows[] = {{30, 10, 10, 0},  {31, 10, 10, 1}, {99, 10, 10, 1},
              {100, 10, 10, 2}, {130, 10, 9, 0}, {131, 10, 9, 1}};
  for (const auto& row : rows) {
    Fresh();
    const int a = UnionArmy();
    TArmy& army = GameState.Armies[a];
    army.Odds = static_cast<std::uint16_t>(row.odds);
    army.Fatigue = static_cast<std::uint8_t>(row.fatigue);
    army.Cohesion = static_cast<std::uint8_t>(row.cohesion);
    EXPECT_EQ(ArmyBoldness(a, TAiPosture::Passive), row.boldness)
        << "odds " << row.odds << ", cohesion " << row.cohesion;
  }
}

// Free corps supplied from the headquarters join up to combat / 8 + 2.
TEST_F(ArmyOperationsTest, AnArmyGathersUpToItsCommandersCombatDividedBy8Plus2Corps) {
  for (const auto& [combat, gathered] : {std::pair{15, 3}, std::pair{16, 4}}) {
    Fresh();
    const int a = UnionArmy(combat);
    for (int k = 0; k < 6; ++k)
      GameState.Corps[AddCorpsOf(21, 20 + k, TNation::Union, 80)].City = GameState.Armies[a].HqCity;
    GatherArmyCorps(a, TNation::Union);
    int joined = 0;
    for (int c = 1; c <= GameState.Corps.Count; ++c)
      joined += !GameState.Corps[c].IsFree() && GameState.Corps[c].Army == a;
    EXPECT_EQ(joined, gathered) << "combat " << combat;
  }
}

// An army of one corps is abandoned when its rating is below 6: its commander
// is free, its name goes back on the list, and no operation's mark is left.
TEST_F(ArmyOperationsTest, AnArmyOfOneCorpsRatedBelow6IsAbandonedWithoutATrace) {
  const struct {
    int corps, rating;
    bool abandoned;
  } rows[] = {{1, 5, true}, {1, 6, false}, {2, 5, false}};
  for (const auto& row : rows) {
    Fresh();
    const int a = UnionArmy();
    TArmy& army = GameState.Armies[a];
    army.Rating = static_cast<std::uint8_t>(row.rating);
    army.CorpsCount = static_cast<std::uint8_t>(row.corps);
    army.AiOrder = 3;
    army.Name = "Army of the James";
    GameState.ArmyNames[TNation::Union][2].Name = "Army of the James";
    GameState.ArmyNames[TNation::Union][2].Used = 2;
    const int commander = army.Leader;
    for (int k = 0; k < row.corps; ++k) CorpsOf(a, 20, 21 + k, 80);
    PlanArmyOperations(TNation::Union);
    EXPECT_EQ(army.HqCity == 0, row.abandoned) << row.corps << " corps, rating " << row.rating;
    if (!row.abandoned) continue;
    ASSERT_EQ(window.Messages().size(), 1u);
    EXPECT_EQ(window.Messages()[0], "Army under General 1\n abandoned");
    EXPECT_EQ(GameState.Leaders[commander].Status, TLeaderStatus::Available);
    EXPECT_EQ(army.AiOrder, 0);
    EXPECT_EQ(army.Nation, 0);
    EXPECT_EQ(GameState.ArmyNames[TNation::Union][2].Used, 0);
    EXPECT_EQ(GameState.Corps[1].Army, 0);
  }
}

// The army's own city, threatened by a need its free strength must exceed:
// a need equal to the strength is left to the last pass, which only sends the
// corps to the city; one less is met, and the corps go on to strike the enemy.
TEST_F(ArmyOperationsTest, AThreatIsMetOnlyWhenTheFreeStrengthExceedsItsNeed) {
  for (const auto& [need, met] : {std::pair{100, false}, std::pair{99, true}}) {
    Fresh();
    const int a = UnionArmy();
    GameState.Armies[a].AiFreeCorps = 1;
    const int corps = CorpsOf(a, 22, 20, 100);
    AddCorpsOf(26, 20, TNation::Confederacy, 99);
    Target(AddCityIn(25, 20, TSide::Union, TTheatre::Seaboard, 10), need);
    AttackBestTarget(TNation::Union, a);
    EXPECT_EQ(GameState.Corps[corps].DestX, met ? 26 : 25) << "need " << need;
    EXPECT_EQ(GameState.Corps[corps].Stance, met ? TCombatStance::Advance : TCombatStance::Withdraw);
  }
}

// The corps whose strength covers the need (equals it or more) ends the scan
// without taking anything off the city's enemy strength or the free corps;
// only the corps before it do. Corps are sent from within the radius (here
// 1). A corps sent by an army that stands fast (stance 0) defends instead
// when its posture is above 2.
TEST_F(ArmyOperationsTest, TheCorpsThatCoversTheNeedEndsTheScanAndCountsForNothingMore) {
  struct Row {
    int need, nextDistance, posture;
    bool nextSent;
    int needLeft, valueLeft, enemyLeft, freeLeft, stance;
  };
  const int W = TCombatStance::Withdraw, D = TCombatStance::Defend;
  const Row rows[] = {
      {50, 1, 0, false, 0, 0, 100, 2, W}, {80, 1, 2, false, 0, 0, 100, 2, W},
      {80, 1, 3, false, 0, 0, 100, 2, D}, {81, 1, 0, true, 0, 0, 20, 1, W},
      {81, 2, 0, false, 1, 10, 20, 1, W},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "need " << row.need << ", next corps at " << row.nextDistance
                                    << ", posture " << row.posture);
    Fresh();
    const int a = UnionArmy();
    GameState.Armies[a].AiFreeCorps = 2;
    const int first = CorpsOf(a, 24, 20, 80);
    GameState.Corps[first].Posture = static_cast<std::uint8_t>(row.posture);
    const int next = CorpsOf(a, 25 + row.nextDistance, 20, 80);
    const int city = AddCityIn(25, 20, TSide::Union, TTheatre::Seaboard, 10);
    GameState.Cities[city].AiEnemyStrength = 100;
    Target(city, row.need);
    CommitCorpsToTarget(TNation::Union, a, 1, 1);
    EXPECT_EQ(GameState.Corps[first].DestX, 25);
    EXPECT_EQ(GameState.Corps[first].Stance, row.stance);
    EXPECT_EQ(GameState.Corps[next].DestX == 25, row.nextSent);
    EXPECT_EQ((std::array{int{TargetList[1].Need}, int{TargetList[1].Value},
                          int{GameState.Cities[city].AiEnemyStrength},
                          int{GameState.Armies[a].AiFreeCorps}}),
              (std::array{row.needLeft, row.valueLeft, row.enemyLeft, row.freeLeft}));
  }
}

// An enemy city is attacked only when the army's free strength exceeds its
// need; an attack that leaves more than a quarter of its need with no corps
// left to send is called off, and its corps stand where they are.
TEST_F(ArmyOperationsTest, AnAttackLeavingMoreThanAQuarterOfItsNeedIsCalledOff) {
  enum Outcome { kNotAttacked, kCarried, kCalledOff };
  const struct {
    int strength, farStrength;
    Outcome outcome;
  } rows[] = {
      {75, 100, kCarried}, {74, 100, kCalledOff}, {75, 26, kCarried}, {75, 25, kNotAttacked}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "strength " << row.strength << " and " << row.farStrength);
    Fresh();
    const int a = UnionArmy();
    GameState.Armies[a].Stance = TCombatStance::Advance;
    GameState.Armies[a].AiFreeCorps = 1;
    const int striker = CorpsOf(a, 30, 21, row.strength);
    GameState.Corps[striker].DestX = 30;  // standing where it is
    GameState.Corps[striker].DestY = 21;
    CorpsOf(a, 60, 50, row.farStrength);  // free, but too far to be sent
    const int city = AddCityIn(30, 20, TSide::Confederate, TTheatre::Seaboard, 10);
    Target(city, 100);
    AttackBestTarget(TNation::Union, a);
    const TCorps& corps = GameState.Corps[striker];
    const bool carried = row.outcome == kCarried;
    EXPECT_EQ(corps.Stance, carried ? TCombatStance::Advance : TCombatStance::Withdraw);
    EXPECT_EQ(corps.DestY, carried ? 20 : 21);
    EXPECT_EQ(GameState.Armies[a].AiFreeCorps, carried ? 0 : 1);
    EXPECT_EQ(TargetList[1].Value, row.outcome == kNotAttacked ? 10 : 0);
  }
}

// A free corps answers the call from a safe supply city (its garrison times
// 50 times its forts, plus 1, above the enemy near it) within the reach of the
// commander's inspiration: (inspiration / 11) squared less itself, from 4 to 12.
// Its distance, halved here for a supply city in the headquarters' state, must
// be below half that reach (at least 2), or no more than its distance to the
// nearest enemy corps (0 for none).
TEST_F(ArmyOperationsTest, FreeCorpsJoinFromSafeCitiesWithinTheCommandersReachOfFourToTwelve) {
  struct Row {
    int inspiration, distance, garrison, forts, enemy, enemyCorps;
    bool joins;
  };
  const Row rows[] = {
      {0, 1, 1, 1, 50, 0, true},   {0, 1, 1, 1, 51, 0, false},  {0, 1, 2, 1, 100, 0, true},
      {0, 1, 2, 1, 101, 0, false}, {22, 4, 0, 0, 0, 0, true},   {22, 5, 0, 0, 0, 0, false},
      {99, 12, 0, 0, 0, 0, true},  {99, 13, 0, 0, 0, 0, false}, {32, 5, 0, 0, 0, 0, false},
      {33, 6, 0, 0, 0, 0, true},   {0, 4, 0, 0, 0, 2, true},    {0, 4, 0, 0, 0, 1, false},
      {0, 3, 0, 0, 0, 1, true},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(testing::Message() << "inspiration " << row.inspiration << ", corps at "
                                    << row.distance << ", enemy " << row.enemy);
    Fresh();
    const int a = UnionArmy(40, row.inspiration);
    const int supply = AddCityIn(60, 40, TSide::Union, TTheatre::Seaboard);
    TCity& city = GameState.Cities[supply];
    city.GarrisonCount = static_cast<std::uint16_t>(row.garrison);
    city.Fortifications = static_cast<std::uint8_t>(row.forts);
    city.AiEnemyStrength = static_cast<std::uint16_t>(row.enemy);
    const int c = AddCorpsOf(20 + row.distance, 20, TNation::Union, 80);
    GameState.Corps[c].City = static_cast<std::uint8_t>(supply);
    if (row.enemyCorps != 0)
      AddCorpsOf(20 + row.distance, 20 + row.enemyCorps, TNation::Confederacy, 50);
    GatherArmyCorps(a, TNation::Union);
    EXPECT_EQ(GameState.Corps[c].Army == a, row.joins);
  }
}

// A bold army attacks only with a rating of 8 or more; below it defends and
// keeps the cities it had. The corps no target took march on normally below
// fatigue 4, carefully from it: on the city attacked by an army that advances,
// else on the army's own city.
TEST_F(ArmyOperationsTest, ABoldArmyAdvancesOnlyWithARatingOfEightAndTiredCorpsMarchCarefully) {
  const struct {
    int rating, fatigue;
    bool advances;
    int march, destX;
  } rows[] = {{8, 3, true, TMarchMode::Standard, 25}, {7, 4, false, TMarchMode::Cautious, 20}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "rating " << row.rating << ", fatigue " << row.fatigue);
    Fresh();
    const int a = UnionArmy();
    TArmy& army = GameState.Armies[a];
    army.Odds = 100;
    army.Cohesion = 10;
    army.Rating = static_cast<std::uint8_t>(row.rating);
    army.CorpsCount = 2;
    const int c = CorpsOf(a, 20, 21, 80);
    GameState.Corps[c].Fatigue = static_cast<std::uint8_t>(row.fatigue);
    CorpsOf(a, 20, 22, 80);
    AddCityIn(25, 20, TSide::Confederate, TTheatre::Seaboard);
    PlanArmyOperations(TNation::Union);
    EXPECT_EQ(army.Stance == TCombatStance::Advance, row.advances);
    EXPECT_EQ(army.TargetCity, army.HqCity);
    EXPECT_EQ(GameState.Corps[c].March, row.march);
    EXPECT_EQ(GameState.Corps[c].DestX, row.destX);
  }
}

// An army planned without a target rests and trains at its headquarters while
// no enemy stands within its theatre + 4 hexes.
TEST_F(ArmyOperationsTest, AQuietArmyRestsWithNoEnemyWithinItsTheatrePlusFour) {
  for (const auto& [enemyDistance, stance] :
       {std::pair{4, TCombatStance::Defend}, std::pair{5, TCombatStance::Training}}) {
    SCOPED_TRACE(testing::Message() << "enemy at " << enemyDistance);
    Fresh();
    const int a = UnionArmy();
    TArmy& army = GameState.Armies[a];
    army.Cohesion = 10;
    army.CorpsCount = 2;
    // A richer city nearby is the army's first choice, its headquarters the second.
    AddCityIn(20, 25, TSide::Union, TTheatre::Seaboard, 20);
    CorpsOf(a, 20, 21, 80);
    CorpsOf(a, 20, 22, 80);
    AddCorpsOf(20 - enemyDistance, 20, TNation::Confederacy, 50);
    PlanArmyOperations(TNation::Union);
    EXPECT_EQ(army.Stance, stance);
  }
}

}  // namespace
