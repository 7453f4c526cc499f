#include "world/corps_movement.h"

#include <gtest/gtest.h>

#include "tests/world/corps_fixture.h"
#include "tests/world/corps_scenario.h"
#include "world/brigade_rules.h"
#include "world/corps_path.h"
#include "world/hex_grid.h"

namespace {

// Rows name the case, set the corps up beyond the common start, and give the outcome.
using Arrange = void (*)(TCorps&);

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

TEST_F(CorpsMovementTest, ACorpsWithoutStrengthLeavesAndFreesItsCommander) {
  const int c = AddUnionCorps();
  Corps(c).Strength = 0;
  EXPECT_EQ(MoveCorpsStep(c), 0);
  EXPECT_NE(Corps(c).Inactive, 0);
  EXPECT_EQ(LeaderOf(c).Status, 100);
}

// Bound for (20, 10), a defender's north-east and south-east neighbours lie
// equally near: each weighs 50 + 16 less the terrain's entry threshold (61 on
// open land) less a side's penalty, against staying at 50 + 2 x entrenchment
// (30 + 5 x entrenchment withdrawing), then cautious + 1, standard - 1, forced
// - a quarter - 1.
TEST_F(CorpsMovementTest, AHoldEntryTakesTheLowestBestNeighbourOnlyWhenItBeatsStaying) {
  struct Row {
    const char* name;
    int march, entrenchment, stance, terrain, movePoints, northEastSide, southEastSide, direction;
  };
  const Row rows[] = {
      {"standard 59", 1, 5, 1, kPlain, 100, 0, 0, kNorthEast},
      {"standard 61 ties", 1, 6, 1, kPlain, 100, 0, 0, kNoDirection},
      {"cautious 59", 0, 4, 1, kPlain, 100, 0, 0, kNorthEast},
      {"cautious 61 ties", 0, 5, 1, kPlain, 100, 0, 0, kNoDirection},
      {"forced 52 against 53", 2, 10, 1, 2, 100, 0, 0, kNorthEast},
      {"forced 53 ties", 2, 11, 1, 2, 100, 0, 0, kNoDirection},
      {"withdrawing 56", 0, 5, 0, kPlain, 100, 0, 0, kNorthEast},
      {"withdrawing 61 ties", 0, 6, 0, kPlain, 100, 0, 0, kNoDirection},
      {"points at the threshold", 1, 0, 1, kPlain, 5, 0, 0, kNorthEast},
      {"points below it", 1, 0, 1, kPlain, 4, 0, 0, kNoDirection},
      {"a closed side", 1, 0, 1, kPlain, 100, 3, 0, kSouthEast},
      {"rough sides 57 against 55", 1, 3, 1, kPlain, 100, 1, 1, kNorthEast},
      {"rough sides 57 tie", 1, 4, 1, kPlain, 100, 1, 1, kNoDirection},
      {"steep sides 54 against 53", 1, 2, 1, kPlain, 100, 2, 2, kNorthEast},
      {"steep sides 54 against 55", 1, 3, 1, kPlain, 100, 2, 2, kNoDirection},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    LayLand(row.terrain, TSide::Union);
    const int c = AddUnionCorps({20, 10}, {kHoldEntry});
    Corps(c).March = static_cast<std::uint8_t>(row.march);
    Corps(c).Entrenchment = static_cast<std::uint8_t>(row.entrenchment);
    Corps(c).Stance = static_cast<std::uint8_t>(row.stance);
    Corps(c).MovePoints = static_cast<std::uint16_t>(row.movePoints);
    Corps(c).EnemyPressure = 1;  // weighs with a withdrawing corps only
    SetSide(10, 10, kNorthEast, row.northEastSide);
    SetSide(10, 10, kSouthEast, row.southEastSide);
    MoveCorpsStep(c);
    EXPECT_EQ(HexOf(c), NeighbourHex(10, 10, row.direction));
  }
}

TEST_F(CorpsMovementTest, AStepCostsFatigueAndPointsByTerrainSideAndState) {
  struct Row {
    const char* name;
    int direction, terrain, side, hostileState, kind, disorder;
    int fatigue;  // -1: the corps stays and rests
    int points;
  };
  const Row rows[] = {
      {"open land", kSouth, kPlain, 0, 0, 0, 0, 1, 4},
      {"terrain 2", kSouth, 2, 0, 0, 0, 0, 3, 9},
      {"a city's hex", kSouth, TTerrain::City, 0, 0, 0, 0, 1, 3},
      {"terrain 5", kSouth, 5, 0, 0, 0, 0, 4, 10},
      {"terrain 6", kSouth, 6, 0, 0, 0, 0, 3, 8},
      {"terrain 7", kSouth, 7, 0, 0, 0, 0, 2, 6},
      {"water", kSouth, TTerrain::Water, 0, 0, 0, 0, -1, 0},
      {"impassable", kSouth, TTerrain::Impassable, 0, 0, 0, 0, -1, 0},
      {"side 1", kSouth, kPlain, 1, 0, 0, 0, 3, 7},
      {"side 2", kSouth, kPlain, 2, 0, 0, 0, 7, 13},
      {"side 2 north-east", kNorthEast, kPlain, 2, 0, 0, 0, 7, 13},
      {"a closed side", kSouth, kPlain, 3, 0, 0, 0, -1, 0},
      {"a closed side north-west", kNorthWest, kPlain, 3, 0, 0, 0, -1, 0},
      {"a hostile state", kSouth, kPlain, 0, 1, 0, 0, 2, 10},
      {"a hostile state, disordered", kSouth, kPlain, 0, 1, 0, 2, 1, 10},
      {"the light kind halves", kSouth, kPlain, 2, 0, 3, 0, 3, 13},
      {"the light kind on open land", kSouth, kPlain, 0, 0, 3, 0, 0, 4},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    const THexPos target = NeighbourHex(10, 10, row.direction);
    const int c = AddUnionCorps(NeighbourHex(target.X, target.Y, row.direction), {row.direction});
    Corps(c).Fatigue = 4;
    Corps(c).Kind = static_cast<std::uint8_t>(row.kind);
    Corps(c).Disorder = static_cast<std::uint8_t>(row.disorder);
    const int brigade = AddBrigadeTo(c, 4);
    MapRecord.Cell(target.X, target.Y).SetTerrain(row.terrain);
    SetSide(10, 10, row.direction, row.side);
    SetState(target.X, target.Y, 5);
    GameState.States[5].Side = static_cast<std::uint8_t>(row.hostileState != 0 ? 2 : 1);
    const bool moves = row.fatigue >= 0;
    EXPECT_EQ(MoveCorpsStep(c), moves ? 1 : 0);
    EXPECT_EQ(HexOf(c), moves ? target : (THexPos{10, 10}));
    EXPECT_EQ(Corps(c).StepDone[1], moves ? row.direction : 0);
    EXPECT_EQ(Corps(c).Fatigue, 4 + row.fatigue);
    EXPECT_EQ(GameState.Brigades[brigade].Fatigue, 4 + row.fatigue);
    EXPECT_EQ(Corps(c).MovePoints, 100 - row.points);
  }
}

TEST_F(CorpsMovementTest, EnteringEnemyGroundCostsAgainAndTakesItUnlessAnEnemyCorpsHoldsIt) {
  struct Row {
    const char* name;
    Arrange arrange;
    int draw;  // against the commander's aggression of 50; -1 for none
    int pointsLeft, owner, battleMark;
  };
  const Row rows[] = {
      {"the terrain's points again", [](TCorps&) {}, 99, 100 - 4 - 4, TSide::Union, 0},
      {"a bold commander's draw", [](TCorps&) {}, 49, 100 - 4 - 1, TSide::Union, 0},
      {"a draw at his aggression", [](TCorps&) {}, 50, 100 - 4 - 4, TSide::Union, 0},
      {"never below 0", [](TCorps& c) { c.MovePoints = 5; }, 99, 0, TSide::Union, 0},
      {"a city's hex is not taken", [](TCorps&) { SouthIs(TTerrain::City); }, -1, 97, 2, 0},
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
  EXPECT_EQ(border.Side, TSide::Confederate);
  EXPECT_EQ(border.ControlSide, TSide::Confederate);
  EXPECT_EQ(border.Nation, TNation::Confederacy);
  EXPECT_EQ(MapRecord.Cell(10, 11).Owner(), TSide::Union);
  EXPECT_EQ(MapRecord.Cell(10, 13).Owner(), TSide::Confederate);
  EXPECT_EQ(MapRecord.Cell(11, 14).Owner(), TSide::Confederate);
  EXPECT_EQ(GameState.Cities[city].Side, TSide::Confederate);
  ASSERT_EQ(window.Notices().size(), 1u) << "the second entry turns nothing";
  EXPECT_EQ(window.Notices()[0].kind, 18);
  EXPECT_EQ(window.Notices()[0].lines[0], ("Borderland" + TextTable[731]).substr(0, 39));
  EXPECT_EQ(window.Notices()[0].lines[1], "the Confederacy.");
}

TEST_F(CorpsMovementTest, EnteringACityOfAnotherCampNeutralOnesIncludedEndsTheMarch) {
  for (int side : {TSide::Confederate, TSide::None, TSide::Union}) {
    SetUp();
    const int c = AddUnionCorps({10, 30}, {kSouth, kSouth});
    AddCity(10, 11, side);
    EXPECT_EQ(MoveCorpsStep(c), 1);
    EXPECT_EQ(Corps(c).MovePoints, side == TSide::Union ? 100 - 3 : 0) << side;
  }
}

TEST_F(CorpsMovementTest, ACorpsBelowReadiness6WithFatigueAbove2Withdraws) {
  const int rows[][3] = {{5, 3, TCombatStance::Withdraw}, {6, 3, 1}, {5, 2, 1}};
  for (const auto& [readiness, fatigue, stance] : rows) {
    SetUp();
    const int c = AddUnionCorps();
    Corps(c).Readiness = static_cast<std::uint8_t>(readiness);
    Corps(c).Fatigue = static_cast<std::uint8_t>(fatigue);
    MoveCorpsStep(c);
    EXPECT_EQ(Corps(c).Stance, stance) << readiness << " " << fatigue;
  }
}

TEST_F(CorpsMovementTest, ContactsMarkBothCorpsButNotAtTheFirstStep) {
  const int c = AddUnionCorps();
  const int enemy = AddMarchingCorps(10, 10, TSide::Confederate);
  GameState.Step = 1;
  Corps(c).BattleMark = 3;
  MoveCorpsStep(c);
  EXPECT_EQ(Corps(c).BattleMark, 0);
  GameState.Step = 4;
  MoveCorpsStep(c);
  for (int k : {c, enemy}) {
    EXPECT_EQ(Corps(k).BattleMark, 1);
    EXPECT_EQ(Corps(k).ContactStep, 4);
  }
}

TEST_F(CorpsMovementTest, ADisorderedCorpsRecoversOnADrawBelowInspirationWithNoEnemyBesideIt) {
  // The enemy's distance (0 none), the commander's inspiration, the draw of 70.
  const int rows[][4] = {{0, 70, 69, 1}, {0, 69, 69, 0}, {1, 70, -1, 0}, {2, 70, 0, 1}};
  for (const auto& [enemy, inspiration, draw, recovers] : rows) {
    SCOPED_TRACE(enemy * 1000 + inspiration);
    SetUp();
    const int c = AddUnionCorps({40, 40});
    if (enemy != 0) AddMarchingCorps(10, 10 + enemy, TSide::Confederate);
    Corps(c).Disorder = 1;
    Corps(c).Stance = TCombatStance::Withdraw;
    LeaderOf(c).Inspiration = static_cast<std::uint8_t>(inspiration);
    const int brigade = AddBrigadeTo(c, 4);
    ScriptDraw(70, draw);
    MoveCorpsStep(c);
    EXPECT_EQ(Corps(c).Disorder, 1 - recovers);
    EXPECT_EQ(Corps(c).Stance, recovers);
    EXPECT_EQ(Corps(c).DestX, recovers ? 10 : 40);
    EXPECT_EQ(Corps(c).MovePoints, recovers ? 95 : 100);
    // Two for pulling together, one back for staying on the spot.
    EXPECT_EQ(GameState.Brigades[brigade].Fatigue, recovers ? 5 : 3);
  }
}

TEST_F(CorpsMovementTest, ADisorderedCorpsFallsBackToItsHeadquartersOrANearbySupplyCity) {
  const int inArmy = AddUnionCorps();
  Corps(inArmy).Army = static_cast<std::uint8_t>(AddArmy(20, 20, TSide::Union, TNation::Union));
  const int pressed = AddMarchingCorps(40, 10, TSide::Union);
  Corps(pressed).EnemyPressure = 5;
  const int depot = AddCity(40, 14, TSide::Union);
  GameState.Cities[depot].SupplyLevel = 1;
  for (int c : {inArmy, pressed}) {
    Corps(c).Disorder = 2;
    Corps(c).BattleMark = 1;
  }
  GameState.Step = 1;
  MoveCorpsStep(inArmy);
  MoveCorpsStep(pressed);
  EXPECT_EQ((THexPos{Corps(inArmy).DestX, Corps(inArmy).DestY}), (THexPos{20, 20}));
  EXPECT_EQ(Corps(pressed).City, depot);
  EXPECT_EQ(Corps(pressed).DestY, 14);
  EXPECT_EQ(Corps(pressed).BattleMark, 0);
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
    int distance, draw, reacts, sameArmy, weather, quality, fatigue, ownGround;
  };
  const Row rows[] = {
      {"an army's friend five hexes off", 5, 4, 1, 1, 0, 10, 0, 1},
      {"a draw that misses the chance", 5, 5, 0, 1, 0, 10, 0, 1},
      {"six hexes off, no draw", 6, -1, 0, 1, 0, 10, 0, 1},
      {"another army's friend beside it", 1, 0, 1, 0, 0, 10, 0, 1},
      {"another army's friend two off", 2, -1, 0, 0, 0, 10, 0, 1},
      {"storm halves the range", 2, 0, 1, 1, 5, 10, 0, 1},
      {"beyond the halved range", 3, -1, 0, 1, 5, 10, 0, 1},
      {"weather 4 keeps the range", 3, 0, 1, 1, 4, 10, 0, 1},
      {"chance 6", 1, 0, 1, 1, 0, 2, 0, 1},
      {"fatigue takes the chance to 5", 1, 0, 0, 1, 0, 2, 1, 1},
      {"on another camp's ground", 1, 0, 0, 1, 0, 10, 0, 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    const int c = AddUnionCorps();
    for (int direction = kNorth; direction <= kNorthWest; ++direction)
      SetSide(10, 10, direction, 3);
    MapRecord.Cell(10, 10).SetOwner(row.ownGround != 0 ? TSide::Union : TSide::Confederate);
    Corps(c).Quality = static_cast<std::uint8_t>(row.quality);
    Corps(c).Fatigue = static_cast<std::uint8_t>(row.fatigue);
    Corps(c).LeaderCombat = 12;
    Corps(c).Army = 1;
    const int friendly = AddMarchingCorps(10, 10 + row.distance, TSide::Union);
    Corps(friendly).BattleMark = 1;
    Corps(friendly).Theatre = 2;
    Corps(friendly).Army = row.sameArmy != 0 ? 1 : 2;
    GameState.Weather[2] = static_cast<std::uint16_t>(row.weather);
    ScriptDraw(20, row.draw);
    MoveCorpsStep(c);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(Corps(c).DestY, row.reacts != 0 ? 10 + row.distance : 10);
    EXPECT_EQ(Corps(c).MovePoints, row.reacts != 0 ? 100 + 12 / 6 : 100);
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
    GameState.Nations[TNation::Union].Human = static_cast<std::uint8_t>(row.human);
    const int c = AddUnionCorps({10, 3}, {kHoldEntry});
    Corps(c).Stance = static_cast<std::uint8_t>(row.stance);
    Corps(c).City = static_cast<std::uint8_t>(AddCity(30, 30, TSide::Union));
    GameState.Cities[Corps(c).City].SupplyLevel = static_cast<std::uint8_t>(row.supply);
    const int enemy = AddMarchingCorps(10, 12, TSide::Confederate);
    Corps(enemy).Strength = static_cast<std::uint16_t>(row.enemyStrength);
    Corps(enemy).MovePoints = static_cast<std::uint16_t>(row.enemyPoints);
    Plan(enemy, {kNorth});
    MoveCorpsStep(c);
    EXPECT_EQ(Corps(c).Y, row.rowReached);
  }
}

TEST_F(CorpsMovementTest, BattlePressureSeasonsACommanderBelow55OnADrawBelowHisRating) {
  // The corps' rating of its commander, the draw of 200, growth, a commander at all.
  const int rows[][4] = {{54, 53, 1, 1}, {54, 54, 0, 1}, {55, 0, 0, 1}, {54, 53, 1, 0}};
  for (const auto& [rating, draw, grows, led] : rows) {
    SCOPED_TRACE(rating * 1000 + draw);
    SetUp();
    const int c = AddUnionCorps({10, 30}, {kSouth});
    Corps(c).EnemyPressure = 1;
    Corps(c).LeaderCombat = static_cast<std::uint8_t>(rating);
    if (led == 0) Corps(c).Leader = 0;
    Corps(c).Army = 1;
    GameState.Armies[1].Leader = static_cast<std::uint8_t>(AddLeader({.combat = 30}));
    ScriptDraw(200, draw);
    MoveCorpsStep(c);
    EXPECT_EQ(Corps(c).LeaderCombat, rating + grows);
    EXPECT_EQ(GameState.Leaders[1].Combat, 40 + grows * led);
    EXPECT_EQ(GameState.Leaders[GameState.Armies[1].Leader].Combat, 30 + grows);
  }
}

TEST_F(CorpsMovementTest, ACorpsOnTheMapEdgeNeverChoosesAHexOffTheMap) {
  // With no destination the reference hex lies off the map, where every
  // neighbour off the map would outweigh staying.
  const int c = AddUnionCorps({0, 0}, {kHoldEntry});
  Corps(c).X = Corps(c).Y = 1;
  MoveCorpsStep(c);
  EXPECT_TRUE(TMapRecord::OnMap(Corps(c).X, Corps(c).Y));
}

TEST_F(CorpsMovementTest, TheNearestEnemyCorpsIsMeasuredFromTheCity) {
  const int city = AddCity(10, 10, TSide::Union);
  EXPECT_EQ(NearestEnemyCorpsDistance(city, TNation::Union), 100);
  AddMarchingCorps(10, 14, TSide::Confederate);
  AddMarchingCorps(10, 11, TSide::Union);
  EXPECT_EQ(NearestEnemyCorpsDistance(city, TNation::Union), 4);
  EXPECT_EQ(NearestEnemyCorpsDistance(0, TNation::Union), 100);
  // France fights in the Confederate camp: the Union corps is its enemy.
  GameState.Nations[TNation::France].Side = TSide::Confederate;
  EXPECT_EQ(NearestEnemyCorpsDistance(city, TNation::France), 1);
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
      for (int s = 1; s <= kPathLength; ++s) StepHexRef(x, y, corps.StepDone[s]);
      for (int s = 1; s <= kPathLength; ++s) recorded += corps.StepDone[s] != 0 ? 1 : 0;
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
