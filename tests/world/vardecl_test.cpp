#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>

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
  RouteSteps[30] = 6;
  CorpsBattleStart[240] = 99;
  EventOptions[6].Present = 1;
  BattleLog = {"Battle", "EndOfBattle"};
  ResetGameWideVariables();
  EXPECT_TRUE(AllZero(GameState));
  EXPECT_TRUE(AllZero(MapRecord));
  EXPECT_TRUE(GameFileName.empty());
  EXPECT_EQ(GameOverCode + RouteSteps[30] + CorpsBattleStart[240] + EventOptions[6].Present, 0);
  EXPECT_TRUE(BattleLog.empty());
}

}  // namespace
