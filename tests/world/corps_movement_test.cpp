#include "world/corps_movement.h"

#include <gtest/gtest.h>

#include "tests/world/corps_fixture.h"
#include "tests/world/corps_scenario.h"
#include "world/brigade_rules.h"
#include "world/corps_path.h"
#include "world/hex_grid.h"

namespace {

// Rows set the corps up beyond the common start.
using Arrange = void (*)(TCorps&);
void Nothing(TCorps&) {}

class CorpsMovementTest : public CorpsTest {
 protected:
  void SetUp() override {
    CorpsTest::SetUp();
    GameState.Step = 2;
    LayLand(kPlain, TSide::Union);
  }

  // A Union corps at (10, 10) bound for the hex along the path, with a seasoned
  // commander (no hold-entry draw).
  static int AddUnionCorps(THexPos dest = {10, 10}, std::initializer_list<int> path = {}) {
    const int c = AddMarchingCorps(10, 10, TSide::Union);
    LeaderOf(c).Experience = 6;
    Corps(c).DestX = static_cast<std::uint8_t>(dest.X);
    Corps(c).DestY = static_cast<std::uint8_t>(dest.Y);
    Plan(c, path);
    return c;
  }

  static THexPos HexOf(int c) { return {Corps(c).X, Corps(c).Y}; }
  static void SouthIs(int terrain) { MapRecord.Cell(10, 11).SetTerrain(terrain); }
};

// Bound for (20, 10), a defender's north-east and south-east neighbours lie
// equally near: each weighs 50 + 16 less the terrain's entry threshold (61 on
// open land) less a side's penalty, against staying at 50 + 2 x entrenchment
// (30 + 5 x entrenchment withdrawing), then cautious + 1, standard - 1, forced
// - a quarter - 1. A neighbour must strictly beat staying; the lower direction wins a tie.
TEST_F(CorpsMovementTest, AHoldEntryTakesTheLowestBestNeighbourOnlyWhenItBeatsStaying) {
  struct Row {
    const char* name;
    int march = 1, dig = 0, stance = 1, terrain = kPlain, points = 100;
    int sideNE = 0, sideSE = 0;  // the side codes towards the two neighbours
    int direction = kNorthEast;
  };
  const Row rows[] = {
      {.name = "standard 59", .dig = 5},
      {.name = "standard 61 ties", .dig = 6, .direction = kNoDirection},
      {.name = "cautious 59", .march = 0, .dig = 4},
      {.name = "cautious 61 ties", .march = 0, .dig = 5, .direction = kNoDirection},
      {.name = "forced 52 against 53", .march = 2, .dig = 10, .terrain = 2},
      {.name = "forced 53 ties", .march = 2, .dig = 11, .terrain = 2, .direction = kNoDirection},
      {.name = "withdrawing 56", .march = 0, .dig = 5, .stance = 0},
      {.name = "withdrawing 61 ties", .march = 0, .dig = 6, .stance = 0, .direction = kNoDirection},
      {.name = "points at the threshold", .points = 5},
      {.name = "points below it", .points = 4, .direction = kNoDirection},
      {.name = "terrain 6 at its threshold", .terrain = 6, .points = 11},
      {.name = "terrain 6 below it", .terrain = 6, .points = 10, .direction = kNoDirection},
      {.name = "terrain 7 at its threshold", .terrain = 7, .points = 8},
      {.name = "terrain 7 below it", .terrain = 7, .points = 7, .direction = kNoDirection},
      {.name = "a closed side", .sideNE = 3, .direction = kSouthEast},
      {.name = "rough 57 against 55", .dig = 3, .sideNE = 1, .sideSE = 1},
      {.name = "rough 57 tie", .dig = 4, .sideNE = 1, .sideSE = 1, .direction = kNoDirection},
      {.name = "steep 54 against 53", .dig = 2, .sideNE = 2, .sideSE = 2},
      {.name = "steep 54 against 55",
       .dig = 3,
       .sideNE = 2,
       .sideSE = 2,
       .direction = kNoDirection},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    LayLand(row.terrain, TSide::Union);
    const int c = AddUnionCorps({20, 10}, {kHoldEntry});
    Corps(c).March = row.march;
    Corps(c).Entrenchment = row.dig;
    Corps(c).Stance = row.stance;
    Corps(c).MovePoints = row.points;
    Corps(c).EnemyPressure = 1;  // weighs with a withdrawing corps only
    SetSide(10, 10, kNorthEast, row.sideNE);
    SetSide(10, 10, kSouthEast, row.sideSE);
    MoveCorpsStep(c);
    EXPECT_EQ(HexOf(c), NeighbourHex(10, 10, row.direction));
  }
}

// A corps of fatigue 4 steps south (or as the row says) and pays the terrain's
// fatigue and points; a hostile state costs 6 points more, fatigue 1 less; the
// light kind pays half the fatigue. A city of another camp, a neutral one
// included, takes all its points.
TEST_F(CorpsMovementTest, AStepCostsFatigueAndPointsByTerrainSideAndState) {
  struct Row {
    const char* name;
    int terrain = kPlain, side = 0, direction = kSouth, hostile = 0, kind = 0, disorder = 0;
    int city = -1;                 // the camp of a city on the hex
    int fatigue = -1, points = 0;  // fatigue -1: the corps stays and rests
  };
  const Row rows[] = {
      {.name = "open land", .fatigue = 1, .points = 4},
      {.name = "terrain 2", .terrain = 2, .fatigue = 3, .points = 9},
      {.name = "a city's hex", .terrain = TTerrain::City, .fatigue = 1, .points = 3},
      {.name = "terrain 5", .terrain = 5, .fatigue = 4, .points = 10},
      {.name = "terrain 6", .terrain = 6, .fatigue = 3, .points = 8},
      {.name = "terrain 7", .terrain = 7, .fatigue = 2, .points = 6},
      {.name = "water", .terrain = TTerrain::Water},
      {.name = "impassable", .terrain = TTerrain::Impassable},
      {.name = "side 1", .side = 1, .fatigue = 3, .points = 7},
      {.name = "side 2 north-east", .side = 2, .direction = kNorthEast, .fatigue = 7, .points = 13},
      {.name = "a closed side north-west", .side = 3, .direction = kNorthWest},
      {.name = "a hostile state", .hostile = 1, .fatigue = 2, .points = 10},
      {.name = "hostile, disordered", .hostile = 1, .disorder = 2, .fatigue = 1, .points = 10},
      {.name = "the light kind halves", .side = 2, .kind = 3, .fatigue = 3, .points = 13},
      {.name = "an own city", .city = TSide::Union, .fatigue = 1, .points = 3},
      {.name = "a neutral city", .city = TSide::None, .fatigue = 1, .points = 100},
      {.name = "an enemy city", .city = TSide::Confederate, .fatigue = 1, .points = 100},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    const THexPos target = NeighbourHex(10, 10, row.direction);
    const int c = AddUnionCorps(NeighbourHex(target.X, target.Y, row.direction), {row.direction});
    Corps(c).Fatigue = 4;
    Corps(c).Kind = row.kind;
    Corps(c).Disorder = row.disorder;
    MapRecord.Cell(target.X, target.Y).SetTerrain(row.terrain);
    if (row.city >= 0) AddCity(target.X, target.Y, row.city);
    SetSide(10, 10, row.direction, row.side);
    SetState(target.X, target.Y, 5);
    GameState.States[5].Side = row.hostile != 0 ? 2 : 1;
    EXPECT_EQ(MoveCorpsStep(c), row.fatigue >= 0 ? 1 : 0);
    EXPECT_EQ(HexOf(c), row.fatigue >= 0 ? target : (THexPos{10, 10}));
    EXPECT_EQ(Corps(c).Fatigue, 4 + row.fatigue);
    EXPECT_EQ(Corps(c).MovePoints, 100 - row.points);
  }
}

// A step south onto Confederate ground: the draw of 100 against the
// commander's aggression of 50 (-1: none).
TEST_F(CorpsMovementTest, EnteringEnemyGroundCostsAgainAndTakesItUnlessAnEnemyCorpsHoldsIt) {
  struct Row {
    const char* name;
    Arrange arrange;
    int draw, pointsLeft, owner = TSide::Union, battleMark = 0;
  };
  const Row rows[] = {
      {"the terrain's points again", Nothing, 99, 100 - 4 - 4},
      {"a bold commander's draw", Nothing, 49, 100 - 4 - 1},
      {"a draw at his aggression", Nothing, 50, 100 - 4 - 4},
      {"never below 0", [](TCorps& c) { c.MovePoints = 5; }, 99, 0},
      {"a city's hex is not taken", [](TCorps&) { SouthIs(TTerrain::City); }, -1, 97, 2},
      {"an enemy corps holds it", [](TCorps&) { AddMarchingCorps(10, 11, 2); }, 99, 92, 2, 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    LayLand(kPlain, TSide::Confederate);
    const int c = AddUnionCorps({10, 30}, {kSouth});
    LeaderOf(c).Aggression = 50;
    row.arrange(Corps(c));
    ScriptDraw(100, row.draw);
    MoveCorpsStep(c);
    EXPECT_EQ(Corps(c).MovePoints, row.pointsLeft);
    EXPECT_EQ(MapRecord.Cell(10, 11).Owner(), row.owner);
    EXPECT_EQ(Corps(c).BattleMark, row.battleMark);
  }
}

TEST_F(CorpsMovementTest, TheFirstEntryIntoTheNeutralBorderStateTurnsItToTheOtherCamp) {
  constexpr int kBorder = 20;
  TStateRec& border = GameState.States[kBorder];
  border.Name = "Borderland";
  TextTable[731] = " has thrown in its lot with the cause of";
  const int c = AddUnionCorps({10, 30}, {kSouth, kSouth});
  for (int y = 11; y <= 14; ++y) {
    SetState(10, y, kBorder);
    MapRecord.Cell(10, y).SetOwner(TSide::None);
  }
  SetState(11, 14, kBorder | 128);
  const int city = AddCity(11, 14, TSide::None);
  GameState.Cities[city].State = kBorder;
  for (int step = 0; step < 2; ++step) {
    ScriptDraw(100, 99);
    MoveCorpsStep(c);
  }
  for (int side : {+border.Side, +border.ControlSide, +border.Nation,
                   MapRecord.Cell(10, 13).Owner(), +GameState.Cities[city].Side})
    EXPECT_EQ(side, TSide::Confederate);
  ASSERT_EQ(window.Notices().size(), 1u) << "the second entry turns nothing";
  EXPECT_EQ(window.Notices()[0].lines[0], ("Borderland" + TextTable[731]).substr(0, 39));
  EXPECT_EQ(window.Notices()[0].lines[1], "the Confederacy.");
}

TEST_F(CorpsMovementTest, ACorpsBelowReadiness6WithFatigueAbove2Withdraws) {
  struct Row {
    int readiness, fatigue, stance;
  };
  for (const Row& row : {Row{5, 3, TCombatStance::Withdraw}, Row{6, 3, 1}, Row{5, 2, 1}}) {
    SetUp();
    const int c = AddUnionCorps();
    Corps(c).Readiness = row.readiness;
    Corps(c).Fatigue = row.fatigue;
    MoveCorpsStep(c);
    EXPECT_EQ(Corps(c).Stance, row.stance) << row.readiness << " " << row.fatigue;
  }
}

// A withdrawing corps recovers on a draw of 70 below its commander's
// inspiration, unless an enemy stands beside it.
TEST_F(CorpsMovementTest, ADisorderedCorpsRecoversOnADrawBelowInspirationWithNoEnemyBesideIt) {
  struct Row {
    int enemyDistance, inspiration, draw;  // distance 0: no enemy
    bool recovers;
  };
  for (const Row& row :
       {Row{0, 70, 69, true}, Row{0, 69, 69, false}, Row{1, 70, -1, false}, Row{2, 70, 0, true}}) {
    SCOPED_TRACE(row.enemyDistance * 1000 + row.inspiration);
    SetUp();
    const int c = AddUnionCorps({40, 40});
    if (row.enemyDistance != 0) AddMarchingCorps(10, 10 + row.enemyDistance, TSide::Confederate);
    Corps(c).Disorder = 1;
    Corps(c).Stance = TCombatStance::Withdraw;
    LeaderOf(c).Inspiration = row.inspiration;
    ScriptDraw(70, row.draw);
    MoveCorpsStep(c);
    EXPECT_EQ(Corps(c).Disorder, row.recovers ? 0 : 1);
    EXPECT_EQ(Corps(c).Stance, row.recovers ? 1 : 0);
  }
}

TEST_F(CorpsMovementTest, ACavalryDivisionOutnumberedThreeToOneOnItsHexGivesUpTheFight) {
  for (int enemyBrigades : {4, 3}) {
    SetUp();
    const int cavalry = AddUnionCorps({10, 20});
    Corps(cavalry).Kind = TCorpsKind::CavalryDivision;
    AddBrigadeTo(cavalry);
    const int enemy = AddMarchingCorps(10, 10, TSide::Confederate);
    for (int b = 0; b < enemyBrigades; ++b) AddBrigadeTo(enemy);
    MoveCorpsStep(cavalry);
    EXPECT_EQ(Corps(cavalry).BattleMark, enemyBrigades > 3 ? 0 : 1) << enemyBrigades;
  }
}

// Closed sides all round keep the corps (and its routes) where it is, so that
// the reaction draw of 20 is the only one. The chance is 3 x quality - fatigue.
TEST_F(CorpsMovementTest, ACorpsMarchesToAMarkedFriendOnADrawWithinRangeAndChance) {
  struct Row {
    const char* name;
    int distance, draw;
    bool reacts;
    int sameArmy = 1, weather = 0, quality = 10, fatigue = 0, ownGround = 1;
  };
  const Row rows[] = {
      {"an army's friend five hexes off", 5, 4, true},
      {"a draw that misses the chance", 5, 5, false},
      {"six hexes off, no draw", 6, -1, false},
      {"another army's friend beside it", 1, 0, true, 0},
      {"another army's friend two off", 2, -1, false, 0},
      {"storm halves the range", 2, 0, true, 1, 5},
      {"beyond the halved range", 3, -1, false, 1, 5},
      {"weather 4 keeps the range", 3, 0, true, 1, 4},
      {"chance 6", 1, 0, true, 1, 0, 2},
      {"fatigue takes the chance to 5", 1, 0, false, 1, 0, 2, 1},
      {"on another camp's ground", 1, 0, false, 1, 0, 10, 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    const int c = AddUnionCorps();
    for (int direction = kNorth; direction <= kNorthWest; ++direction)
      SetSide(10, 10, direction, 3);
    MapRecord.Cell(10, 10).SetOwner(row.ownGround != 0 ? TSide::Union : TSide::Confederate);
    Corps(c).Quality = row.quality;
    Corps(c).Fatigue = row.fatigue;
    Corps(c).Army = 1;
    const int friendly = AddMarchingCorps(10, 10 + row.distance, TSide::Union);
    Corps(friendly).BattleMark = 1;
    Corps(friendly).Theatre = 2;
    Corps(friendly).Army = row.sameArmy != 0 ? 1 : 2;
    GameState.Weather[2] = row.weather;
    ScriptDraw(20, row.draw);
    MoveCorpsStep(c);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(Corps(c).DestY, row.reacts ? 10 + row.distance : 10);
  }
}

// An enemy two hexes south, at (10, 12), that will step north next; the corps
// is bound for (10, 3), so a corps that lets it be steps to row 9.
TEST_F(CorpsMovementTest, ACorpsOnItsOwnGroundMeetsAnApproachingEnemyByItsStance) {
  struct Row {
    const char* name;
    int stance, human, enemyStrength, supply, enemyPoints, rowReached;
  };
  const Row rows[] = {
      {"a computer's defender blocks the enemy's next hex", 1, 0, 320, 2, 11, 11},
      {"an enemy short of points stays on its hex", 1, 0, 320, 2, 10, 9},
      {"a player's defender stands fast", 1, 1, 320, 2, 11, 10},
      {"an advance on an enemy it can match", 2, 0, 320, 2, 11, 11},
      {"an enemy one stronger is left alone", 2, 0, 321, 2, 11, 9},
      {"a player's advance counts no one", 2, 1, 400, 2, 11, 11},
      {"supply level 1 does not strike", 2, 0, 100, 1, 11, 9},
      {"supply level 3 strikes", 2, 0, 100, 3, 11, 11},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    GameState.Nations[TNation::Union].Human = row.human;
    const int c = AddUnionCorps({10, 3}, {kHoldEntry});
    Corps(c).Stance = row.stance;
    Corps(c).City = static_cast<std::uint8_t>(AddCity(30, 30, TSide::Union));
    GameState.Cities[Corps(c).City].SupplyLevel = row.supply;
    const int enemy = AddMarchingCorps(10, 12, TSide::Confederate);
    Corps(enemy).Strength = row.enemyStrength;
    Corps(enemy).MovePoints = row.enemyPoints;
    Plan(enemy, {kNorth});
    MoveCorpsStep(c);
    EXPECT_EQ(Corps(c).Y, row.rowReached);
  }
}

// The corps' commander (combat 40), its rating of him and its army's commander
// (combat 30) each grow by one.
TEST_F(CorpsMovementTest, BattlePressureSeasonsACommanderBelow55OnADrawBelowHisRating) {
  struct Row {
    int rating, draw;
    bool grows, led;
  };
  for (const Row& row : {Row{54, 53, true, true}, Row{54, 54, false, true}, Row{55, 0, false, true},
                         Row{54, 53, true, false}}) {
    SCOPED_TRACE(row.rating * 1000 + row.draw);
    SetUp();
    const int c = AddUnionCorps({10, 30}, {kSouth});
    Corps(c).EnemyPressure = 1;
    Corps(c).LeaderCombat = row.rating;
    if (!row.led) Corps(c).Leader = 0;
    Corps(c).Army = 1;
    GameState.Armies[1].Leader = static_cast<std::uint8_t>(AddLeader({.combat = 30}));
    ScriptDraw(200, row.draw);
    MoveCorpsStep(c);
    EXPECT_EQ(Corps(c).LeaderCombat, row.rating + row.grows);
    EXPECT_EQ(GameState.Leaders[1].Combat, 40 + (row.grows && row.led));
    EXPECT_EQ(GameState.Leaders[GameState.Armies[1].Leader].Combat, 30 + row.grows);
  }
}

TEST_F(CorpsMovementTest, ReplayingEveryCorpsRecordedStepsFromItsStartReachesItsFinalHex) {
  for (std::uint32_t seed = 1; seed <= 6; ++seed) {
    corps_scenario::Builder(seed).Build();
    SetRandomSeed(seed);
    ProcessCorpsOrders();
    corps_scenario::RecordStartPositions();
    corps_scenario::RunNineSteps();
    int moves = 0;
    for (int c = 1; c <= GameState.Corps.Count; ++c) {
      const TCorps& corps = GameState.Corps[c];
      std::uint16_t x = corps.StartX;
      std::uint16_t y = corps.StartY;
      int recorded = 0;
      for (int s = 1; s <= kPathLength; ++s) {
        StepHexRef(x, y, corps.StepDone[s]);
        recorded += corps.StepDone[s] != 0 ? 1 : 0;
      }
      SCOPED_TRACE(testing::Message() << "seed " << seed << " corps " << c);
      EXPECT_EQ((THexPos{x, y}), (THexPos{corps.X, corps.Y}));
      EXPECT_EQ(corps.StepsMoved, recorded);
      moves += recorded;
      if (recorded == 0) continue;
      const int terrain = MapRecord.Cell(corps.X, corps.Y).Terrain();
      EXPECT_TRUE(terrain != TTerrain::Water && terrain != TTerrain::Impassable);
    }
    EXPECT_GT(moves, 30) << "seed " << seed;
  }
}

}  // namespace
