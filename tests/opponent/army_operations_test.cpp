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

// Odds 30 less 50 for fatigue 10 is -20.
TEST_F(ArmyOperationsTest, BoldnessFallsBackAtMinus20AndAttacksFrom50) {
  const struct {
    int odds, fatigue, boldness;
  } rows[] = {{30, 10, 0}, {31, 10, 1}, {99, 10, 1}, {100, 10, 2}};
  for (const auto& row : rows) {
    Fresh();
    const int a = UnionArmy();
    TArmy& army = GameState.Armies[a];
    army.Odds = static_cast<std::uint16_t>(row.odds);
    army.Fatigue = static_cast<std::uint8_t>(row.fatigue);
    army.Cohesion = 10;
    EXPECT_EQ(ArmyBoldness(a, TAiPosture::Passive), row.boldness) << row.odds;
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

// The corps whose strength covers the need ends the scan, but is committed as
// fully as any: the city's enemy strength falls by it and it leaves the free
// corps; the next corps is not sent.
TEST_F(ArmyOperationsTest, TheCorpsThatCoversTheNeedIsCommittedLikeTheOthers) {
  const int a = UnionArmy();
  GameState.Armies[a].AiFreeCorps = 2;
  const int covering = CorpsOf(a, 24, 20, 80);
  const int next = CorpsOf(a, 26, 20, 80);
  const int city = AddCityIn(25, 20, TSide::Union, TTheatre::Seaboard, 10);
  GameState.Cities[city].AiEnemyStrength = 100;
  Target(city, 50);
  CommitCorpsToTarget(TNation::Union, a, 1, 1);
  EXPECT_EQ(GameState.Corps[covering].DestX, 25);
  EXPECT_NE(GameState.Corps[next].DestX, 25);
  EXPECT_EQ((std::array{int{TargetList[1].Need}, int{TargetList[1].Value}, int{GameState.Cities[city].AiEnemyStrength},
                        int{GameState.Armies[a].AiFreeCorps}}),
            (std::array{0, 0, 20, 1}));
}

// An attack that leaves more than a quarter of its need with no corps left to
// send is called off, and its corps stand where they are.
TEST_F(ArmyOperationsTest, AnAttackLeavingMoreThanAQuarterOfItsNeedIsCalledOff) {
  for (const auto& [strength, calledOff] : {std::pair{75, false}, std::pair{74, true}}) {
    Fresh();
    const int a = UnionArmy();
    GameState.Armies[a].Stance = TCombatStance::Advance;
    GameState.Armies[a].AiFreeCorps = 1;
    const int striker = CorpsOf(a, 30, 21, strength);
    CorpsOf(a, 60, 50, 100);  // free, but too far to be sent
    const int city = AddCityIn(30, 20, TSide::Confederate, TTheatre::Seaboard, 10);
    Target(city, 100);
    AttackBestTarget(TNation::Union, a);
    const TCorps& corps = GameState.Corps[striker];
    EXPECT_EQ(corps.Stance, calledOff ? TCombatStance::Withdraw : TCombatStance::Advance)
        << "strength " << strength;
    EXPECT_EQ(corps.DestY, calledOff ? 21 : 20);
    EXPECT_EQ(GameState.Armies[a].AiFreeCorps, calledOff ? 1 : 0);
  }
}

// A free corps answers the call from a safe supply city (its garrison times
// 50 times its forts, plus 1, above the enemy near it) within the reach of the
// commander's inspiration: (inspiration / 11) squared less itself, from 4 to 12.
TEST_F(ArmyOperationsTest, FreeCorpsJoinFromSafeCitiesWithinTheCommandersReachOfFourToTwelve) {
  struct Row {
    int inspiration, distance, garrison, forts, enemy;
    bool joins;
  };
  const Row rows[] = {
      {0, 1, 1, 1, 50, true},   {0, 1, 1, 1, 51, false},  {0, 1, 2, 1, 100, true},
      {0, 1, 2, 1, 101, false}, {22, 4, 0, 0, 0, true},   {22, 5, 0, 0, 0, false},
      {99, 12, 0, 0, 0, true},  {99, 13, 0, 0, 0, false}, {32, 5, 0, 0, 0, false},
      {33, 6, 0, 0, 0, true},
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
    GatherArmyCorps(a, TNation::Union);
    EXPECT_EQ(GameState.Corps[c].Army == a, row.joins);
  }
}

// A bold army attacks only with a rating of 8 or more; below it defends. The
// corps no target took march on normally below fatigue 4, carefully from it.
TEST_F(ArmyOperationsTest, ABoldArmyAdvancesOnlyWithARatingOfEightAndTiredCorpsMarchCarefully) {
  const struct {
    int rating, fatigue;
    bool advances;
    int march;
  } rows[] = {{8, 3, true, TMarchMode::Standard}, {7, 4, false, TMarchMode::Cautious}};
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
    PlanArmyOperations(TNation::Union);
    EXPECT_EQ(army.Stance == TCombatStance::Advance, row.advances);
    EXPECT_EQ(GameState.Corps[c].March, row.march);
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
