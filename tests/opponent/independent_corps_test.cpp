// The computer's corps outside its armies, and a human's disordered corps:
// how far they look for a city to strike, when they guard, which army they
// join, the rush to a threatened capital, and the retreat from danger.
#include "opponent/independent_corps.h"

#include <gtest/gtest.h>

#include "opponent/disordered_retreat.h"
#include "opponent/planner_fixture.h"
#include "world/supply_links.h"

namespace {

class IndependentCorpsTest : public PlannerTest {
 protected:
  // A Union corps in state 1 at (20, 10), supplied from a city on its hex.
  int Loner(int supplyLevel = TSupplyLevel::ShippedIn) {
    supply = AddCityIn(20, 10, TSide::Union, TTheatre::Seaboard);
    GameState.Cities[supply].SupplyLevel = static_cast<std::uint8_t>(supplyLevel);
    const int c = AddCorpsOf(20, 10, TNation::Union, 80);
    GameState.Corps[c].State = 1;
    return c;
  }
  static int ArmyAt(int x, int y, int theatre) {
    const int a = AddArmy(x, y, TSide::Union, TNation::Union);
    GameState.Armies[a].Theatre = static_cast<std::uint8_t>(theatre);
    return a;
  }

  int supply = 0;
};

// Zeal 3 reaches 8 hexes; zeal 8 and more reaches 12, not 13.
TEST_F(IndependentCorpsTest, AFreeCorpsStrikesAtAnEnemyCityWithinItsReach) {
  const struct {
    int zeal, distance;
    bool strikes;
  } rows[] = {{3, 7, true}, {3, 8, false}, {8, 11, true}, {8, 12, false}, {20, 12, false}};
  for (const auto& row : rows) {
    Fresh();
    GameState.Nations[TNation::Union].AiAggression[TTheatre::Seaboard] =
        static_cast<std::uint8_t>(row.zeal);
    const int c = Loner();
    AddCityIn(20, 10 + row.distance, TSide::Confederate, TTheatre::Seaboard);
    AddCorpsOf(20, 10 + row.distance, TNation::Confederacy, 50);
    PlanIndependentCorps(TNation::Union);
    const TCorps& corps = GameState.Corps[c];
    EXPECT_EQ(corps.DestY, row.strikes ? 10 + row.distance : 10)
        << "zeal " << row.zeal << ", " << row.distance << " hexes";
    EXPECT_EQ(corps.March, row.strikes ? TMarchMode::Forced : TMarchMode::Cautious);
    EXPECT_EQ(corps.Stance, TCombatStance::Defend);
  }
}

// Nothing near its city: a corps joins the nearest army of its theatre, or one
// of another theatre fewer than 5 hexes off; at a sea port it stays on guard.
TEST_F(IndependentCorpsTest, AnIdleCorpsJoinsTheNearestArmyUnlessItGuardsAPort) {
  const struct {
    bool port;
    int otherTheatreDistance, joins;
  } rows[] = {{false, 4, 2}, {false, 5, 1}, {true, 4, 0}};
  for (const auto& row : rows) {
    Fresh();
    const int c = Loner(TSupplyLevel::Linked);
    GameState.Cities[supply].SeaPort = row.port ? 1 : 0;
    ArmyAt(20, 20, TTheatre::Seaboard);
    ArmyAt(20 + row.otherTheatreDistance, 10, TTheatre::West);
    PlanIndependentCorps(TNation::Union);
    const TCorps& corps = GameState.Corps[c];
    EXPECT_EQ(corps.Army, row.joins) << "port " << row.port << ", " << row.otherTheatreDistance;
    EXPECT_EQ(corps.Stance, TCombatStance::Defend);
  }
}

TEST_F(IndependentCorpsTest, EveryCorpsWithin14HexesRushesToAThreatenedCapital) {
  for (const auto& [distance, rushes] : {std::pair{14, true}, std::pair{15, false}}) {
    Fresh();
    const int c = Loner(TSupplyLevel::Linked);
    const int capital = AddCityIn(20 + distance, 10, TSide::Union, TTheatre::Seaboard);
    GameState.Nations[TNation::Union].Capital = static_cast<std::uint8_t>(capital);
    GameState.Nations[TNation::Union].CapitalThreat = 1;
    PlanIndependentCorps(TNation::Union);
    EXPECT_EQ(GameState.Corps[c].DestX, rushes ? 20 + distance : 20) << distance << " hexes";
  }
}

// A human's disordered corps heads for its supply city; with an enemy within
// 2 hexes of that city it falls back further, by forced march.
TEST_F(IndependentCorpsTest, ADisorderedCorpsFallsBackFurtherOnlyFromAnEnemyAtTheGates) {
  for (const auto& [enemyDistance, retreats] : {std::pair{2, true}, std::pair{3, false}}) {
    Fresh();
    GameState.Nations[TNation::Union].RailUsed = 4;
    const int near = AddCityIn(30, 20, TSide::Union, TTheatre::Seaboard);
    const int safe = AddCityIn(30, 35, TSide::Union, TTheatre::Seaboard);
    GameState.Cities[near].SupplyLevel = GameState.Cities[safe].SupplyLevel = TSupplyLevel::Linked;
    const int c = AddCorpsOf(30, 30, TNation::Union, 80);
    TCorps& corps = GameState.Corps[c];
    corps.Disorder = 1;
    corps.City = static_cast<std::uint8_t>(near);
    corps.March = TMarchMode::Standard;
    corps.Stance = TCombatStance::Defend;
    AddCorpsOf(30, 20 - enemyDistance, TNation::Confederacy, 80);
    RetreatDisorderedCorps(TNation::Union);
    EXPECT_EQ(GameState.Nations[TNation::Union].RailUsed, 0);
    EXPECT_EQ(corps.DestY, retreats ? 35 : 20) << "enemy " << enemyDistance << " hexes off";
    EXPECT_EQ(corps.City, retreats ? safe : near);
    EXPECT_EQ(corps.March, retreats ? TMarchMode::Forced : TMarchMode::Standard);
    EXPECT_EQ(corps.Stance, retreats ? TCombatStance::Withdraw : TCombatStance::Defend);
  }
}

// An enemy nearer than 6 hexes to its supply city keeps a free corps on guard
// there; an enemy city counts as threatened with an enemy nearer than 10.
TEST_F(IndependentCorpsTest, ACorpsGuardsFromSixHexesAndStrikesAtCitiesThreatenedFromTen) {
  const struct {
    int enemyY;
    bool strikes;
  } rows[] = {{16, true}, {15, false}, {27, true}, {28, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << "enemy at row " << row.enemyY);
    Fresh();
    GameState.Nations[TNation::Union].AiAggression[TTheatre::Seaboard] = 8;
    const int c = Loner();
    AddCityIn(20, 18, TSide::Confederate, TTheatre::Seaboard);
    AddCorpsOf(20, row.enemyY, TNation::Confederacy, 50);
    PlanIndependentCorps(TNation::Union);
    EXPECT_EQ(GameState.Corps[c].DestY, row.strikes ? 18 : 10);
  }
}

// An idle corps joins an army of its theatre whose headquarters lie fewer
// than 24 hexes off and which has fewer than 6 corps.
TEST_F(IndependentCorpsTest, AnIdleCorpsJoinsAnArmyNearerThan24HexesWithFewerThanSixCorps) {
  const struct {
    int distance, armyCorps;
    bool joins;
  } rows[] = {{23, 0, true}, {24, 0, false}, {10, 5, true}, {10, 6, false}};
  for (const auto& row : rows) {
    SCOPED_TRACE(testing::Message() << row.distance << " hexes, " << row.armyCorps << " corps");
    Fresh();
    const int c = Loner(TSupplyLevel::Linked);
    const int a = ArmyAt(20 + row.distance, 10, TTheatre::Seaboard);
    GameState.Armies[a].CorpsCount = static_cast<std::uint8_t>(row.armyCorps);
    PlanIndependentCorps(TNation::Union);
    EXPECT_EQ(GameState.Corps[c].Army, row.joins ? a : 0);
  }
}

}  // namespace
