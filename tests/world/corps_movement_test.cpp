#include "world/corps_movement.h"

#include <gtest/gtest.h>

#include "tests/world/corps_fixture.h"
#include "tests/world/corps_scenario.h"
#include "world/corps_path.h"
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

  static THexPos Next(int c, int direction) {
    return NeighbourHex(Corps(c).X, Corps(c).Y, direction);
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

TEST_F(CorpsMovementTest, AHoldEntryStepsOntoTheDestinationBesideIt) {
  const int c = AddUnionCorps();
  const THexPos start = HexOf(c);
  const THexPos goal = Next(c, kSouthEast);
  Aim(c, goal);
  Plan(c, {kHoldEntry});
  EXPECT_EQ(MoveCorpsStep(c), 1);
  EXPECT_EQ(HexOf(c), goal);
  EXPECT_EQ(Corps(c).StepDone[1], kSouthEast);
  EXPECT_EQ(Corps(c).PathStep, 2);
  EXPECT_EQ(Corps(c).StartX, start.X);
  EXPECT_EQ(Corps(c).MovePoints, 100 - 4);
  EXPECT_EQ(HexCursorX, goal.X);
  EXPECT_EQ(HexCursorY, goal.Y);
}

TEST_F(CorpsMovementTest, AHoldEntryStaysWhenTheWayToTheDestinationIsBarred) {
  enum Bar { kClosed, kImpassable, kTooFewPoints };
  for (Bar bar : {kClosed, kImpassable, kTooFewPoints}) {
    SetUp();
    const int c = AddUnionCorps();
    const THexPos start = HexOf(c);
    const THexPos goal = Next(c, kSouthEast);
    Aim(c, goal);
    Plan(c, {kHoldEntry});
    Corps(c).Fatigue = 4;
    if (bar == kClosed) SetSide(10, 10, kSouthEast, 3);
    if (bar == kImpassable) MapRecord.Cell(goal.X, goal.Y).SetTerrain(TTerrain::Impassable);
    if (bar == kTooFewPoints) {
      // Every neighbour needs 5 points.
      Corps(c).MovePoints = 4;
    }
    EXPECT_EQ(MoveCorpsStep(c), 0) << bar;
    EXPECT_EQ(HexOf(c), start) << bar;
    EXPECT_EQ(Corps(c).Path[1], 0) << bar;
    EXPECT_EQ(Corps(c).Fatigue, 3) << bar;
  }
}

TEST_F(CorpsMovementTest, AClosedSideIsNeverCrossedByAPath) {
  const int south = AddUnionCorps(10, 10);
  const int northWest = AddUnionCorps(20, 20);
  Aim(south, {10, 30});
  Aim(northWest, {10, 5});
  SetSide(10, 10, kSouth, 3);
  SetSide(20, 20, kNorthWest, 3);
  Plan(south, {kSouth});
  Plan(northWest, {kNorthWest});
  EXPECT_EQ(MoveCorpsStep(south), 0);
  EXPECT_EQ(MoveCorpsStep(northWest), 0);
  EXPECT_EQ(HexOf(south), (THexPos{10, 10}));
  EXPECT_EQ(HexOf(northWest), (THexPos{20, 20}));
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

TEST_F(CorpsMovementTest, EnteringEnemyGroundTakesItUnlessAnEnemyCorpsHoldsIt) {
  LayLand(kPlain, TSide::Confederate);
  const int c = AddUnionCorps();
  Aim(c, {10, 30});
  Plan(c, {kSouth, kSouth});
  const THexPos target = Next(c, kSouth);
  ScriptRandomDraws({{100, 99}});
  EXPECT_EQ(MoveCorpsStep(c), 1);
  EXPECT_EQ(MapRecord.Cell(target.X, target.Y).Owner(), TSide::Union);
  // The terrain's 4 points, and 4 again for pushing into enemy ground.
  EXPECT_EQ(Corps(c).MovePoints, 100 - 8);
  EXPECT_EQ(Corps(c).BattleMark, 0);

  const THexPos held = Next(c, kSouth);
  const int enemy = AddMarchingCorps(held.X, held.Y, TSide::Confederate);
  ScriptRandomDraws({{100, 99}});
  MoveCorpsStep(c);
  EXPECT_EQ(HexOf(c), held);
  EXPECT_EQ(MapRecord.Cell(held.X, held.Y).Owner(), TSide::Confederate);
  EXPECT_EQ(Corps(c).BattleMark, 1);
  EXPECT_EQ(Corps(enemy).BattleMark, 1);
}

TEST_F(CorpsMovementTest, AnAggressiveCommanderPushesIntoEnemyGroundForOnePoint) {
  LayLand(kPlain, TSide::Confederate);
  const int c = AddUnionCorps();
  LeaderOf(c).Aggression = 50;
  Aim(c, {10, 30});
  Plan(c, {kSouth});
  ScriptRandomDraws({{100, 49}});
  MoveCorpsStep(c);
  EXPECT_EQ(Corps(c).MovePoints, 100 - 4 - 1);
}

TEST_F(CorpsMovementTest, MovePointsNeverFallBelowZero) {
  LayLand(kPlain, TSide::Confederate);
  const int c = AddUnionCorps();
  Corps(c).MovePoints = 5;
  Aim(c, {10, 30});
  Plan(c, {kSouth, kSouth});
  ScriptRandomDraws({{100, 99}});
  EXPECT_EQ(MoveCorpsStep(c), 1);
  EXPECT_EQ(Corps(c).MovePoints, 0);
  EXPECT_EQ(MoveCorpsStep(c), 0);
  EXPECT_EQ(Corps(c).MovePoints, 0);
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

  ScriptRandomDraws({{100, 99}});
  MoveCorpsStep(c);
  EXPECT_EQ(border.Side, TSide::Confederate);
  EXPECT_EQ(border.ControlSide, TSide::Confederate);
  EXPECT_EQ(border.Nation, TNation::Confederacy);
  EXPECT_EQ(MapRecord.Cell(10, 11).Owner(), TSide::Union);
  EXPECT_EQ(MapRecord.Cell(10, 12).Owner(), TSide::Confederate);
  EXPECT_EQ(MapRecord.Cell(11, 14).Owner(), TSide::Confederate);
  EXPECT_EQ(GameState.Cities[city].Side, TSide::Confederate);
  ASSERT_EQ(window.Notices().size(), 1u);
  const RecordedNotice& notice = window.Notices()[0];
  EXPECT_EQ(notice.kind, 18);
  EXPECT_EQ(notice.lines[0], ("Borderland" + TextTable[731]).substr(0, 39));
  EXPECT_EQ(notice.lines[1], "the Confederacy.");

  ScriptRandomDraws({{100, 99}});
  MoveCorpsStep(c);
  EXPECT_EQ(window.Notices().size(), 1u);
}

TEST_F(CorpsMovementTest, AnEnemyCityStopsTheCorpsThatEntersIt) {
  const int c = AddUnionCorps();
  const THexPos target = Next(c, kSouth);
  AddCity(target.X, target.Y, TSide::Confederate);
  Aim(c, {10, 30});
  Plan(c, {kSouth, kSouth});
  EXPECT_EQ(MoveCorpsStep(c), 1);
  EXPECT_EQ(Corps(c).MovePoints, 0);
  EXPECT_EQ(MoveCorpsStep(c), 0);
  EXPECT_EQ(HexOf(c), target);
}

TEST_F(CorpsMovementTest, ADisorderedCorpsFallsBackToItsHeadquartersOrANearbySupplyCity) {
  const int inArmy = AddUnionCorps(10, 10);
  const int army = AddArmy(20, 20, TSide::Union, TNation::Union);
  Corps(inArmy).Army = static_cast<std::uint8_t>(army);
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

TEST_F(CorpsMovementTest, ContactsMarkBothCorpsButNotAtTheFirstStep) {
  const int c = AddUnionCorps();
  const int enemy = AddMarchingCorps(10, 10, TSide::Confederate);
  GameState.Step = 1;
  Corps(c).BattleMark = 3;
  MoveCorpsStep(c);
  EXPECT_EQ(Corps(c).BattleMark, 0);

  GameState.Step = 4;
  MoveCorpsStep(c);
  EXPECT_EQ(Corps(c).BattleMark, 1);
  EXPECT_EQ(Corps(enemy).BattleMark, 1);
  EXPECT_EQ(Corps(c).ContactStep, 4);
  EXPECT_EQ(Corps(enemy).ContactStep, 4);
}

TEST_F(CorpsMovementTest, ADisorderedCorpsRecoversOnlyWithNoEnemyBesideIt) {
  const int calm = AddUnionCorps(10, 10);
  const int pressed = AddUnionCorps(30, 30);
  AddMarchingCorps(30, 31, TSide::Confederate);
  for (int c : {calm, pressed}) {
    Corps(c).Disorder = 1;
    Corps(c).Stance = 0;
    Aim(c, {40, 40});
    LeaderOf(c).Inspiration = 70;
  }
  const int brigade = AddBrigadeTo(calm, 4);
  Corps(calm).Fatigue = 4;
  MoveCorpsStep(calm);
  EXPECT_EQ(Corps(calm).Disorder, 0);
  EXPECT_EQ(Corps(calm).Stance, 1);
  EXPECT_EQ(Corps(calm).DestX, 10);
  EXPECT_EQ(Corps(calm).MovePoints, 95);
  // Two for pulling together, one back for staying on the spot.
  EXPECT_EQ(Corps(calm).Fatigue, 5);
  EXPECT_EQ(GameState.Brigades[brigade].Fatigue, 5);

  ResetRandomDrawCount();
  MoveCorpsStep(pressed);
  EXPECT_EQ(Corps(pressed).Disorder, 1);
  EXPECT_EQ(RandomDrawCount(), 0u);
}

TEST_F(CorpsMovementTest, ACavalryDivisionOutnumberedOnItsHexGivesUpTheFight) {
  for (int enemyBrigades : {4, 3}) {
    SetUp();
    const int cavalry = AddUnionCorps();
    Corps(cavalry).Kind = 2;
    Aim(cavalry, {10, 20});
    AddBrigadeTo(cavalry);
    const int enemy = AddMarchingCorps(10, 10, TSide::Confederate);
    for (int b = 0; b < enemyBrigades; ++b) AddBrigadeTo(enemy);
    MoveCorpsStep(cavalry);
    EXPECT_EQ(Corps(cavalry).BattleMark, enemyBrigades > 3 ? 0 : 1) << enemyBrigades;
  }
}

TEST_F(CorpsMovementTest, ACorpsMarchesToAMarkedFriendInItsArmyWithinFiveHexes) {
  struct Case {
    bool sameArmy;
    int weather;
    int distance;
    bool reacts;
  };
  for (Case test : {Case{true, 0, 4, true}, Case{false, 0, 4, false}, Case{true, 5, 3, false},
                    Case{true, 5, 2, true}}) {
    SetUp();
    const int c = AddUnionCorps();
    // A chance of 55 that no draw of 20 can miss from up to 5 hexes.
    Corps(c).Quality = 15;
    LeaderOf(c).Aggression = 40;
    const int friendly = AddMarchingCorps(10, 10 + test.distance, TSide::Union);
    Corps(friendly).BattleMark = 1;
    Corps(friendly).Theatre = 2;
    GameState.Weather[2] = static_cast<std::uint16_t>(test.weather);
    Corps(c).Army = 1;
    Corps(friendly).Army = test.sameArmy ? 1 : 2;
    MoveCorpsStep(c);
    EXPECT_EQ(Corps(c).Stance, test.reacts ? 2 : 1) << test.distance;
    EXPECT_EQ(Corps(c).Y, test.reacts ? 11 : 10) << test.distance;
  }
}

TEST_F(CorpsMovementTest, AnAdvancingComputerCorpsStrikesAnEnemyItCanMatch) {
  for (int enemyStrength : {100, 400}) {
    SetUp();
    const int c = AddUnionCorps();
    Corps(c).Stance = 2;
    Corps(c).City = static_cast<std::uint8_t>(AddCity(30, 30, TSide::Union));
    GameState.Cities[Corps(c).City].SupplyLevel = 2;
    Plan(c, {0});
    const int enemy = AddMarchingCorps(10, 12, TSide::Confederate);
    Corps(enemy).Strength = static_cast<std::uint16_t>(enemyStrength);
    MoveCorpsStep(c);
    const bool strikes = enemyStrength < 160;
    EXPECT_EQ(Corps(c).Y, strikes ? 11 : 10) << enemyStrength;
    EXPECT_EQ(Corps(c).Path[2], strikes ? kHoldEntry : 0) << enemyStrength;
  }
}

TEST_F(CorpsMovementTest, ADefendingCorpsBlocksTheHexAnApproachingEnemyMakesFor) {
  for (int human : {0, 1}) {
    SetUp();
    GameState.Nations[TNation::Union].Human = static_cast<std::uint8_t>(human);
    const int c = AddUnionCorps();
    Corps(c).City = static_cast<std::uint8_t>(AddCity(30, 30, TSide::Union));
    GameState.Cities[Corps(c).City].SupplyLevel = 3;
    Aim(c, {10, 3});
    Plan(c, {kHoldEntry});
    const int enemy = AddMarchingCorps(10, 12, TSide::Confederate);
    Corps(enemy).MovePoints = 20;
    Plan(enemy, {kNorth});
    MoveCorpsStep(c);
    // The computer steps into the enemy's way; a player's corps stands fast.
    EXPECT_EQ(Corps(c).Y, human != 0 ? 10 : 11) << human;
  }
}

TEST_F(CorpsMovementTest, BattlePressureSeasonsTheCommanderAndHisArmyCommander) {
  const int c = AddUnionCorps();
  Aim(c, {10, 30});
  Plan(c, {kSouth});
  Corps(c).EnemyPressure = 1;
  Corps(c).LeaderCombat = 54;
  Corps(c).Army = 1;
  GameState.Armies[1].Leader = static_cast<std::uint8_t>(AddLeader({}));
  const int armyCombat = GameState.Leaders[GameState.Armies[1].Leader].Combat;
  const int combat = LeaderOf(c).Combat;
  ScriptRandomDraws({{200, 53}});
  MoveCorpsStep(c);
  EXPECT_EQ(Corps(c).LeaderCombat, 55);
  EXPECT_EQ(LeaderOf(c).Combat, combat + 1);
  EXPECT_EQ(GameState.Leaders[GameState.Armies[1].Leader].Combat, armyCombat + 1);
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

}  // namespace

namespace {

class NineStepTest : public ::testing::Test {
 protected:
  void SetUp() override { InstallGameWindow(&window); }
  void TearDown() override {
    InstallGameWindow(nullptr);
    ResetGameWideVariables();
  }

  static THexPos Replayed(const TCorps& corps) {
    std::uint16_t x = corps.StartX;
    std::uint16_t y = corps.StartY;
    for (int s = 1; s <= kPathLength; ++s) StepHexRef(x, y, corps.StepDone[s]);
    return {x, y};
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
      EXPECT_EQ(Replayed(corps), (THexPos{corps.X, corps.Y})) << "seed " << seed << " corps " << c;
      int recorded = 0;
      for (int s = 1; s <= kPathLength; ++s) recorded += corps.StepDone[s] != 0 ? 1 : 0;
      EXPECT_EQ(corps.StepsMoved, recorded) << "seed " << seed << " corps " << c;
      if (corps.StepsMoved == 0) continue;
      moves += corps.StepsMoved;
      const int terrain = MapRecord.Cell(corps.X, corps.Y).Terrain();
      EXPECT_NE(terrain, TTerrain::Water);
      EXPECT_NE(terrain, TTerrain::Impassable);
    }
    EXPECT_GT(moves, 30) << "seed " << seed;
  }
}

TEST_F(CorpsMovementTest, EnteringACityOfAnotherCampNeutralOnesIncludedEndsTheMarch) {
  const struct {
    int citySide;
    int movePointsAfter;
  } rows[] = {
      {TSide::Union, 100 - 3},
      {TSide::Confederate, 0},
      {TSide::None, 0},
  };
  int x = 10;
  for (const auto& row : rows) {
    const int c = AddUnionCorps(x, 10);
    const THexPos target = Next(c, kSouth);
    AddCity(target.X, target.Y, row.citySide);
    Aim(c, {static_cast<std::uint16_t>(x), 30});
    x += 10;
    Plan(c, {kSouth, kSouth});
    EXPECT_EQ(MoveCorpsStep(c), 1) << "city side " << row.citySide;
    EXPECT_EQ(Corps(c).MovePoints, row.movePointsAfter) << "city side " << row.citySide;
  }
}

}  // namespace
