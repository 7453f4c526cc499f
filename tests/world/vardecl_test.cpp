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
  MapRecord.Cell(76, 54).SetOwner(2);
  GameFileName = "1861.";
  GameOverCode = 255;
  CurrentCorps = 120;
  RouteSteps[30] = 6;
  FinderResults[20] = {86, 1};
  BattleFactors[13][2] = 7;
  CorpsBattleStart[240] = 99;
  EventOptions[6].Present = 1;
  BattleLog = {"Battle", "EndOfBattle"};
  ResetGameWideVariables();
  EXPECT_TRUE(AllZero(GameState));
  EXPECT_TRUE(AllZero(MapRecord));
  EXPECT_TRUE(GameFileName.empty());
  EXPECT_EQ(GameOverCode + CurrentCorps + RouteSteps[30] + FinderResults[20].Index, 0);
  EXPECT_EQ(BattleFactors[13][2] + CorpsBattleStart[240] + EventOptions[6].Present, 0);
  EXPECT_TRUE(BattleLog.empty());
}

TEST(GameWideVariables, NoticeLinesAndOptionTextsAreCut) {
  EventMessage.Line1 = std::string(50, 'x');
  EventOptions[1].Text = "An option text far too long";
  EXPECT_EQ(EventMessage.Line1.str().size(), 40u);
  EXPECT_EQ(EventOptions[1].Text.str(), "An option text far too ");
}

}  // namespace
