#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

template <typename Record>
bool AllZero(const Record& record) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(&record);
  return std::all_of(bytes, bytes + sizeof(Record), [](std::uint8_t b) { return b == 0; });
}

TEST(GameWideVariables, ResetClearsRecordsSelectionsResultsAndLists) {
  GameState.Brigades[500].Fatigue = 9;
  GameState.Reserved38025[100] = 1;
  MapRecord.Cell(76, 54).SetOwner(2);
  GameFileName = "1861.";
  GameOverCode = 255;
  CurrentCorps = 120;
  RouteSteps[30] = 6;
  FinderCount = 20;
  FinderResults[20] = {86, 1};
  BattleStrength2 = -4;
  BattleFactors[13][2] = 7;
  CorpsBattleMark[120] = -1;
  CorpsBattleStart[240] = 99;
  WeatherColumn = 11;
  EventMessage.Kind = 25;
  EventMessage.Line4 = "Foreign affairs";
  EventOptions[6].Present = 1;
  TextTable = {"Graymarch"};
  BattleLog = {"Battle", "EndOfBattle"};

  ResetGameWideVariables();

  EXPECT_TRUE(AllZero(GameState));
  EXPECT_TRUE(AllZero(MapRecord));
  EXPECT_TRUE(GameFileName.empty());
  EXPECT_EQ(GameOverCode, 0);
  EXPECT_EQ(CurrentCorps, 0);
  EXPECT_EQ(RouteSteps[30], 0);
  EXPECT_EQ(FinderCount, 0);
  EXPECT_EQ(FinderResults[20].Index, 0);
  EXPECT_EQ(BattleStrength2, 0);
  EXPECT_EQ(BattleFactors[13][2], 0);
  EXPECT_EQ(CorpsBattleMark[120], 0);
  EXPECT_EQ(CorpsBattleStart[240], 0);
  EXPECT_EQ(WeatherColumn, 0);
  EXPECT_EQ(EventMessage.Kind, 0);
  EXPECT_EQ(EventMessage.Line4.str(), "");
  EXPECT_EQ(EventOptions[6].Present, 0);
  EXPECT_TRUE(TextTable.empty());
  EXPECT_TRUE(BattleLog.empty());
}

TEST(GameWideVariables, NoticeLinesAndOptionTextsAreCut) {
  EventMessage.Line1 = std::string(50, 'x');
  EventOptions[1].Text = "An option text far too long";
  EXPECT_EQ(EventMessage.Line1.str().size(), 40u);
  EXPECT_EQ(EventOptions[1].Text.str(), "An option text far too ");
}

using BlankGame = WorldTest;

TEST_F(BlankGame, HoldsNoUnitsAndTwoNationsAtWar) {
  for (int c = 1; c <= GameState.Corps.Count; ++c) EXPECT_TRUE(GameState.Corps[c].IsFree());
  for (int f = 1; f <= GameState.Fleets.Count; ++f) EXPECT_TRUE(GameState.Fleets[f].IsFree());
  for (int a = 1; a <= GameState.Armies.Count; ++a) EXPECT_TRUE(GameState.Armies[a].IsFree());
  EXPECT_EQ(GameState.Nations[TNation::Union].Side, TSide::Union);
  EXPECT_EQ(GameState.Nations[TNation::Confederacy].Side, TSide::Confederate);
}

TEST_F(BlankGame, BuildersTakeTheFirstFreeSlots) {
  EXPECT_EQ(AddCorps(5, 6, TSide::Union, TNation::Union), 1);
  GameState.Corps[1].Inactive = 1;
  EXPECT_EQ(AddCorps(7, 8, TSide::Confederate, TNation::Confederacy), 1);
  EXPECT_EQ(AddCorps(7, 8, TSide::Confederate, TNation::Confederacy), 2);
  EXPECT_EQ(GameState.Corps[1].X, 7);
  EXPECT_FALSE(GameState.Corps[1].IsFree());

  EXPECT_EQ(AddFleet(1, 2, TSide::Union, TNation::Union), 1);
  EXPECT_FALSE(GameState.Fleets[1].IsFree());
}

TEST_F(BlankGame, AnArmyIsHeadquarteredInTheCityOnItsHex) {
  const int city = AddCity(20, 30, TSide::Union);
  const int army = AddArmy(20, 30, TSide::Union, TNation::Union);
  EXPECT_EQ(GameState.Armies[army].HqCity, city);
  EXPECT_EQ(MapRecord.Cell(20, 30).Terrain(), 4);

  const int second = AddArmy(40, 10, TSide::Confederate, TNation::Confederacy);
  const TCity& hq = GameState.Cities[GameState.Armies[second].HqCity];
  EXPECT_EQ(hq.X, 40);
  EXPECT_EQ(hq.Y, 10);
  EXPECT_EQ(hq.Side, TSide::Confederate);
}

}  // namespace
