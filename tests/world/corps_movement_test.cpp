#include "world/corps_movement.h"

#include <gtest/gtest.h>

#include <deque>

#include "tests/world/corps_fixture.h"
#include "tests/world/corps_scenario.h"
#include "world/brigade_rules.h"
#include "world/hex_grid.h"
#include "world/random.h"

namespace {

class CorpsMovementTest : public CorpsTest {
 protected:
  void SetUp() override {
    CorpsTest::SetUp();
    GameState.Step = 2;
    LayLand(kPlain, TSide::Union);
  }

  // A Union corps at (10, 10) with a seasoned commander (no hold-entry draw).
  int AddUnionCorps(int x = 10, int y = 10) {
    const int c = AddMarchingCorps(x, y, TSide::Union);
    LeaderOf(c).Experience = 6;
    return c;
  }

  static THexPos HexOf(int c) { return {Corps(c).X, Corps(c).Y}; }
  static void Aim(int c, THexPos hex) {
    Corps(c).DestX = static_cast<std::uint8_t>(hex.X);
    Corps(c).DestY = static_cast<std::uint8_t>(hex.Y);
  }
};

TEST_F(CorpsMovementTest, ACorpsWithoutStrengthLeavesAndFreesItsCommander) {
  const int c = AddUnionCorps();
  Corps(c).Strength = 0;
  EXPECT_EQ(MoveCorpsStep(c), 0);
  EXPECT_NE(Corps(c).Inactive, 0);
  EXPECT_EQ(LeaderOf(c).Status, 100);
}

// Heading for (20, 10) the north-east and south-east neighbours lie equally
// near: each weighs 50 + 16 less the terrain's entry threshold.
TEST_F(CorpsMovementTest, AHoldEntryTakesTheLowestBestNeighbourOnlyWhenItBeatsStaying) {
  struct Row {
    const char* name;
    int march = TMarchMode::Standard;
    int entrenchment = 0;
    int terrain = kPlain;
    int movePoints = 100;
    int northEastSide = 0;
    int southEastSide = 0;
    int stance = TCombatStance::Defend;
    int expected = kNorthEast;
  };
  const Row rows[] = {
      {.name = "standard 59 against 61", .entrenchment = 5},
      {.name = "standard 61 ties and stays", .entrenchment = 6, .expected = kNoDirection},
      {.name = "cautious 59", .march = TMarchMode::Cautious, .entrenchment = 4},
      {.name = "cautious 61", .march = TMarchMode::Cautious, .entrenchment = 5, .expected = 0},
      {.name = "forced 52 against 53", .march = TMarchMode::Forced, .entrenchment = 10, .terrain = 2},
      {.name = "forced 53", .march = TMarchMode::Forced, .entrenchment = 11, .terrain = 2,
       .expected = 0},
      {.name = "withdrawing 56", .march = TMarchMode::Cautious, .entrenchment = 5,
       .stance = TCombatStance::Withdraw},
      {.name = "withdrawing 61", .march = TMarchMode::Cautious, .entrenchment = 6,
       .stance = TCombatStance::Withdraw, .expected = 0},
      {.name = "points at the threshold", .movePoints = 5},
      {.name = "points below the threshold", .movePoints = 4, .expected = 0},
      {.name = "closed side", .northEastSide = 3, .expected = kSouthEast},
      {.name = "rough side 57 against 55", .entrenchment = 3, .northEastSide = 1, .southEastSide = 3},
      {.name = "rough side 57", .entrenchment = 4, .northEastSide = 1, .southEastSide = 3,
       .expected = 0},
      {.name = "steep side 54 against 53", .entrenchment = 2, .northEastSide = 2, .southEastSide = 3},
      {.name = "steep side 54 against 55", .entrenchment = 3, .northEastSide = 2, .southEastSide = 3,
       .expected = 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    LayLand(row.terrain, TSide::Union);
    const int c = AddUnionCorps();
    Aim(c, {20, 10});
    Plan(c, {kHoldEntry});
    Corps(c).March = static_cast<std::uint8_t>(row.march);
    Corps(c).Entrenchment = static_cast<std::uint8_t>(row.entrenchment);
    Corps(c).MovePoints = static_cast<std::uint16_t>(row.movePoints);
    Corps(c).Stance = static_cast<std::uint8_t>(row.stance);
    Corps(c).EnemyPressure = row.stance == TCombatStance::Withdraw ? 1 : 0;
    SetSide(10, 10, kNorthEast, row.northEastSide);
    SetSide(10, 10, kSouthEast, row.southEastSide);
    MoveCorpsStep(c);
    EXPECT_EQ(HexOf(c), NeighbourHex(10, 10, row.expected));
  }
}

TEST_F(CorpsMovementTest, AStepCostsFatigueAndPointsByTerrainSideAndState) {
  struct Row {
    const char* name;
    int direction = kSouth;
    int terrain = kPlain;
    int side = 0;
    bool hostileState = false;
    int kind = 0;
    int disorder = 0;
    int fatigue = 1;  // -1: the corps stays and rests
    int points = 4;
  };
  const Row rows[] = {
      {.name = "open land"},
      {.name = "terrain 2", .terrain = 2, .fatigue = 3, .points = 9},
      {.name = "a city's hex", .terrain = TTerrain::City, .fatigue = 1, .points = 3},
      {.name = "terrain 5", .terrain = 5, .fatigue = 4, .points = 10},
      {.name = "terrain 6", .terrain = 6, .fatigue = 3, .points = 8},
      {.name = "terrain 7", .terrain = 7, .fatigue = 2, .points = 6},
      {.name = "water", .terrain = TTerrain::Water, .fatigue = -1, .points = 0},
      {.name = "impassable", .terrain = TTerrain::Impassable, .fatigue = -1, .points = 0},
      {.name = "side 1", .side = 1, .fatigue = 3, .points = 7},
      {.name = "side 2", .side = 2, .fatigue = 7, .points = 13},
      {.name = "side 2 north-east", .direction = kNorthEast, .side = 2, .fatigue = 7, .points = 13},
      {.name = "closed side", .side = 3, .fatigue = -1, .points = 0},
      {.name = "closed side north-west", .direction = kNorthWest, .side = 3, .fatigue = -1,
       .points = 0},
      {.name = "hostile state", .hostileState = true, .fatigue = 2, .points = 10},
      {.name = "hostile state, disordered", .hostileState = true, .disorder = 2, .points = 10},
      {.name = "light kind halves", .side = 2, .kind = 3, .fatigue = 3, .points = 13},
      {.name = "light kind on open land", .kind = 3, .fatigue = 0},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    const int c = AddUnionCorps();
    const THexPos target = NeighbourHex(10, 10, row.direction);
    Aim(c, NeighbourHex(target.X, target.Y, row.direction));
    Plan(c, {row.direction});
    Corps(c).Fatigue = 4;
    Corps(c).Kind = static_cast<std::uint8_t>(row.kind);
    Corps(c).Disorder = static_cast<std::uint8_t>(row.disorder);
    const int brigade = AddBrigadeTo(c, 4);
    MapRecord.Cell(target.X, target.Y).SetTerrain(row.terrain);
    SetSide(10, 10, row.direction, row.side);
    if (row.hostileState) {
      SetState(target.X, target.Y, 5);
      GameState.States[5].Side = TSide::Confederate;
    }
    const bool moves = row.fatigue >= 0;
    EXPECT_EQ(MoveCorpsStep(c), moves ? 1 : 0);
    EXPECT_EQ(HexOf(c), moves ? target : (THexPos{10, 10}));
    EXPECT_EQ(Corps(c).Fatigue, 4 + row.fatigue);
    EXPECT_EQ(GameState.Brigades[brigade].Fatigue, 4 + row.fatigue);
    EXPECT_EQ(Corps(c).MovePoints, 100 - row.points);
    if (!moves) continue;
    EXPECT_EQ(Corps(c).StepDone[1], row.direction);
    EXPECT_EQ(Corps(c).PathStep, 2);
    EXPECT_EQ(Corps(c).StartX, 10);
    EXPECT_EQ((THexPos{HexCursorX, HexCursorY}), target);
  }
}

TEST_F(CorpsMovementTest, EnteringEnemyGroundCostsAgainAndTakesItUnlessAnEnemyCorpsHoldsIt) {
  struct Row {
    const char* name;
    int draw = 99;  // against the commander's aggression of 50; -1 for no draw
    bool enemyThere = false;
    bool cityHex = false;
    int movePoints = 100;
    int pointsLeft = 100 - 4 - 4;
  };
  const Row rows[] = {
      {.name = "the terrain's points again"},
      {.name = "a bold commander's draw", .draw = 49, .pointsLeft = 100 - 4 - 1},
      {.name = "a draw at his aggression", .draw = 50},
      {.name = "an enemy corps holds it", .enemyThere = true},
      {.name = "never below 0", .movePoints = 5, .pointsLeft = 0},
      {.name = "a city's hex is not taken", .draw = -1, .cityHex = true, .pointsLeft = 100 - 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    LayLand(kPlain, TSide::Confederate);
    const int c = AddUnionCorps();
    LeaderOf(c).Aggression = 50;
    Corps(c).MovePoints = static_cast<std::uint16_t>(row.movePoints);
    Aim(c, {10, 30});
    Plan(c, {kSouth});
    const THexPos target = NeighbourHex(10, 10, kSouth);
    const int enemy = row.enemyThere ? AddMarchingCorps(target.X, target.Y, TSide::Confederate) : 0;
    if (row.cityHex) MapRecord.Cell(target.X, target.Y).SetTerrain(TTerrain::City);
    ScriptRandomDraws(row.draw >= 0 ? std::deque<ScriptedDraw>{{100, row.draw}}
                                    : std::deque<ScriptedDraw>{});
    MoveCorpsStep(c);
    EXPECT_EQ(HexOf(c), target);
    EXPECT_EQ(Corps(c).MovePoints, row.pointsLeft);
    const bool taken = !row.enemyThere && !row.cityHex;
    EXPECT_EQ(MapRecord.Cell(target.X, target.Y).Owner(), taken ? TSide::Union : TSide::Confederate);
    EXPECT_EQ(Corps(c).BattleMark, row.enemyThere ? 1 : 0);
    if (enemy != 0) {
      EXPECT_EQ(Corps(enemy).BattleMark, 1);
    }
  }
}

TEST_F(CorpsMovementTest, TheFirstEntryIntoTheNeutralBorderStateTurnsItToTheOtherCamp) {
  constexpr int kBorder = 20;
  TStateRec& border = GameState.States[kBorder];
  border.Name = "Borderland";
  TextTable[731] = " has thrown in its lot with the cause of";
  const int c = AddUnionCorps();
  Aim(c, {10, 30});
  Plan(c, {kSouth, kSouth});
  for (int y = 11; y <= 14; ++y) {
    SetState(10, y, kBorder);
    MapRecord.Cell(10, y).SetOwner(TSide::None);
  }
  SetState(11, 14, kBorder | 128);
  const int city = AddCity(11, 14, TSide::None);
  GameState.Cities[city].State = kBorder;
  for (int step = 0; step < 2; ++step) {
    ScriptRandomDraws({{100, 99}});
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

TEST_F(CorpsMovementTest, AnEnemyCityTakesAllTheMovementPointsOfTheCorpsThatEntersIt) {
  for (int side : {TSide::Confederate, TSide::Union}) {
    SetUp();
    const int c = AddUnionCorps();
    AddCity(10, 11, side);
    Aim(c, {10, 30});
    Plan(c, {kSouth, kSouth});
    MoveCorpsStep(c);
    EXPECT_EQ(Corps(c).MovePoints, side == TSide::Union ? 100 - 3 : 0) << side;
  }
}

TEST_F(CorpsMovementTest, AnUnreadyTiredCorpsWithdraws) {
  struct Row {
    int readiness;
    int fatigue;
    int stance;
  };
  for (const Row& row : {Row{5, 3, TCombatStance::Withdraw}, Row{6, 3, TCombatStance::Defend},
                         Row{5, 2, TCombatStance::Defend}}) {
    SetUp();
    const int c = AddUnionCorps();
    Corps(c).Readiness = static_cast<std::uint8_t>(row.readiness);
    Corps(c).Fatigue = static_cast<std::uint8_t>(row.fatigue);
    MoveCorpsStep(c);
    EXPECT_EQ(Corps(c).Stance, row.stance) << row.readiness << " " << row.fatigue;
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
  struct Row {
    int enemyDistance;  // 0 for none
    int inspiration;
    int draw;  // -1 for none
    bool recovers;
  };
  for (const Row& row : {Row{0, 70, 69, true}, Row{0, 69, 69, false}, Row{1, 70, -1, false},
                         Row{2, 70, 0, true}}) {
    SCOPED_TRACE(row.enemyDistance * 1000 + row.inspiration);
    SetUp();
    const int c = AddUnionCorps();
    if (row.enemyDistance != 0) AddMarchingCorps(10, 10 + row.enemyDistance, TSide::Confederate);
    Corps(c).Disorder = 1;
    Corps(c).Stance = TCombatStance::Withdraw;
    Corps(c).Fatigue = 4;
    Aim(c, {40, 40});
    LeaderOf(c).Inspiration = static_cast<std::uint8_t>(row.inspiration);
    const int brigade = AddBrigadeTo(c, 4);
    ScriptRandomDraws(row.draw >= 0 ? std::deque<ScriptedDraw>{{70, row.draw}}
                                    : std::deque<ScriptedDraw>{});
    MoveCorpsStep(c);
    EXPECT_EQ(Corps(c).Disorder, row.recovers ? 0 : 1);
    EXPECT_EQ(Corps(c).Stance, row.recovers ? TCombatStance::Defend : TCombatStance::Withdraw);
    EXPECT_EQ(Corps(c).DestX, row.recovers ? 10 : 40);
    EXPECT_EQ(Corps(c).MovePoints, row.recovers ? 95 : 100);
    // Two for pulling together, one back for staying on the spot.
    EXPECT_EQ(GameState.Brigades[brigade].Fatigue, row.recovers ? 5 : 3);
  }
}

TEST_F(CorpsMovementTest, ADisorderedCorpsFallsBackToItsHeadquartersOrANearbySupplyCity) {
  const int inArmy = AddUnionCorps(10, 10);
  Corps(inArmy).Army = static_cast<std::uint8_t>(AddArmy(20, 20, TSide::Union, TNation::Union));
  const int pressed = AddUnionCorps(40, 10);
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
  EXPECT_EQ(Corps(inArmy).DestX, 20);
  EXPECT_EQ(Corps(inArmy).DestY, 20);
  EXPECT_EQ(Corps(pressed).City, depot);
  EXPECT_EQ(Corps(pressed).DestY, 14);
  EXPECT_EQ(Corps(pressed).BattleMark, 0);
}

TEST_F(CorpsMovementTest, ACavalryDivisionOutnumberedThreeToOneOnItsHexGivesUpTheFight) {
  for (int enemyBrigades : {4, 3}) {
    SetUp();
    const int cavalry = AddUnionCorps();
    Corps(cavalry).Kind = TCorpsKind::CavalryDivision;
    Aim(cavalry, {10, 20});
    AddBrigadeTo(cavalry);
    const int enemy = AddMarchingCorps(10, 10, TSide::Confederate);
    for (int b = 0; b < enemyBrigades; ++b) AddBrigadeTo(enemy);
    MoveCorpsStep(cavalry);
    EXPECT_EQ(Corps(cavalry).BattleMark, enemyBrigades > 3 ? 0 : 1) << enemyBrigades;
  }
}

// Closed sides all round keep the corps (and its routes) where it is, so that
// the reaction draw is the only one.
TEST_F(CorpsMovementTest, ACorpsMarchesToAMarkedFriendOnADrawWithinRangeAndChance) {
  struct Row {
    const char* name;
    int distance;
    int draw;  // -1: out of range, no draw
    bool reacts;
    bool sameArmy = true;
    int weather = 0;
    int quality = 10;  // chance 3 x quality - fatigue
    int fatigue = 0;
    bool ownGround = true;
  };
  const Row rows[] = {
      {"an army's friend five hexes off", 5, 4, true},
      {"a draw that misses the chance", 5, 5, false},
      {"six hexes off", 6, -1, false},
      {"another army's friend beside it", 1, 0, true, false},
      {"another army's friend two off", 2, -1, false, false},
      {"storm halves the range", 2, 0, true, true, 5},
      {"beyond the halved range", 3, -1, false, true, 5},
      {"weather 4 keeps the range", 3, 0, true, true, 4},
      {"chance 6", 1, 0, true, true, 0, 2, 0},
      {"fatigue takes the chance to 5", 1, 0, false, true, 0, 2, 1},
      {"on another camp's ground", 1, 0, false, true, 0, 10, 0, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    const int c = AddUnionCorps();
    for (int direction = kNorth; direction <= kNorthWest; ++direction) SetSide(10, 10, direction, 3);
    if (!row.ownGround) MapRecord.Cell(10, 10).SetOwner(TSide::Confederate);
    Corps(c).Quality = static_cast<std::uint8_t>(row.quality);
    Corps(c).Fatigue = static_cast<std::uint8_t>(row.fatigue);
    Corps(c).LeaderCombat = 12;
    Corps(c).Army = 1;
    const int friendly = AddMarchingCorps(10, 10 + row.distance, TSide::Union);
    Corps(friendly).BattleMark = 1;
    Corps(friendly).Theatre = 2;
    Corps(friendly).Army = row.sameArmy ? 1 : 2;
    GameState.Weather[2] = static_cast<std::uint16_t>(row.weather);
    ScriptRandomDraws(row.draw >= 0 ? std::deque<ScriptedDraw>{{20, row.draw}}
                                    : std::deque<ScriptedDraw>{});
    MoveCorpsStep(c);
    EXPECT_EQ(ScriptedDrawsLeft(), 0u);
    EXPECT_EQ(Corps(c).Stance, row.reacts ? TCombatStance::Advance : TCombatStance::Defend);
    EXPECT_EQ(Corps(c).DestY, row.reacts ? 10 + row.distance : 10);
    EXPECT_EQ(Corps(c).MovePoints, row.reacts ? 100 + 12 / 6 : 100);
  }
}

// An enemy two hexes south, at (10, 12), that will step north next.
TEST_F(CorpsMovementTest, ACorpsOnItsOwnGroundMeetsAnApproachingEnemyByItsStance) {
  struct Row {
    const char* name;
    int stance;
    bool human;
    int rowReached;  // 11 toward the enemy, 9 toward the destination, 10 stays
    int enemyStrength = 320;
    int supply = 2;
    int enemyPoints = 11;
  };
  const Row rows[] = {
      {"a computer's defender blocks the enemy's next hex", TCombatStance::Defend, false, 11},
      {"an enemy short of points stays on its hex", TCombatStance::Defend, false, 9, 320, 2, 10},
      {"a player's defender stands fast", TCombatStance::Defend, true, 10},
      {"an advance on an enemy it can match", TCombatStance::Advance, false, 11},
      {"an enemy one stronger is left alone", TCombatStance::Advance, false, 9, 321},
      {"a player's advance counts no one", TCombatStance::Advance, true, 11, 400},
      {"supply level 1 does not strike", TCombatStance::Advance, false, 9, 100, 1},
      {"supply level 3 strikes", TCombatStance::Advance, false, 11, 100, 3},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name);
    SetUp();
    GameState.Nations[TNation::Union].Human = row.human ? 1 : 0;
    const int c = AddUnionCorps();
    Corps(c).Stance = static_cast<std::uint8_t>(row.stance);
    Corps(c).City = static_cast<std::uint8_t>(AddCity(30, 30, TSide::Union));
    GameState.Cities[Corps(c).City].SupplyLevel = static_cast<std::uint8_t>(row.supply);
    Aim(c, {10, 3});
    Plan(c, {kHoldEntry});
    const int enemy = AddMarchingCorps(10, 12, TSide::Confederate);
    Corps(enemy).Strength = static_cast<std::uint16_t>(row.enemyStrength);
    Corps(enemy).MovePoints = static_cast<std::uint16_t>(row.enemyPoints);
    Plan(enemy, {kNorth});
    MoveCorpsStep(c);
    EXPECT_EQ(Corps(c).Y, row.rowReached);
  }
}

TEST_F(CorpsMovementTest, BattlePressureSeasonsACommanderBelow55OnADrawBelowHisRating) {
  struct Row {
    int leaderCombat;
    int draw;
    bool grows;
  };
  for (const Row& row : {Row{54, 53, true}, Row{54, 54, false}, Row{55, 0, false}}) {
    SCOPED_TRACE(row.leaderCombat * 1000 + row.draw);
    SetUp();
    const int c = AddUnionCorps();
    Aim(c, {10, 30});
    Plan(c, {kSouth});
    Corps(c).EnemyPressure = 1;
    Corps(c).LeaderCombat = static_cast<std::uint8_t>(row.leaderCombat);
    Corps(c).Army = 1;
    GameState.Armies[1].Leader = static_cast<std::uint8_t>(AddLeader({.combat = 30}));
    ScriptRandomDraws({{200, row.draw}});
    MoveCorpsStep(c);
    EXPECT_EQ(Corps(c).LeaderCombat, row.leaderCombat + (row.grows ? 1 : 0));
    EXPECT_EQ(LeaderOf(c).Combat, 40 + (row.grows ? 1 : 0));
    EXPECT_EQ(GameState.Leaders[GameState.Armies[1].Leader].Combat, 30 + (row.grows ? 1 : 0));
  }
}

TEST_F(CorpsMovementTest, ALeaderlessCorpsMovesWithEveryDrawInPlace) {
  LayLand(kPlain, TSide::Confederate);
  const int c = AddUnionCorps();
  Corps(c).Leader = 0;
  Corps(c).EnemyPressure = 1;
  Corps(c).LeaderCombat = 10;
  Aim(c, NeighbourHex(10, 10, kSouth));
  Plan(c, {kHoldEntry});
  ScriptRandomDraws({{50, 0}, {100, 0}, {200, 0}});
  EXPECT_EQ(MoveCorpsStep(c), 1);
  EXPECT_EQ(ScriptedDrawsLeft(), 0u);
  EXPECT_EQ(Corps(c).LeaderCombat, 11);
}

TEST_F(CorpsMovementTest, ACorpsOnTheMapEdgeNeverChoosesAHexOffTheMap) {
  // With no destination the reference hex lies off the map, where every
  // neighbour off the map would outweigh staying.
  const int c = AddUnionCorps(1, 1);
  Aim(c, {0, 0});
  Plan(c, {kHoldEntry});
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

class NineStepTest : public ::testing::Test {
 protected:
  void SetUp() override { InstallGameWindow(&window); }
  void TearDown() override {
    InstallGameWindow(nullptr);
    ResetGameWideVariables();
  }
  RecordingWindow window;
};

TEST_F(NineStepTest, ReplayingEveryCorpsRecordedStepsFromItsStartReachesItsFinalHex) {
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
