// Whole turns on the start files, headless: a human side gives its orders for a
// year, the computer plays both sides for two more, and nothing breaks the game.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/turn_invariants.h"
#include "support/turn_runner.h"
#include "turn/end_of_orders.h"
#include "world/codes.h"
#include "world/save_load.h"
#include "world/save_names.h"
#include "world/vardecl.h"

namespace {

constexpr int kSoakTurns = 36;
constexpr int kHumanTurns = 12;
constexpr std::size_t kMostFindingsReported = 20;

class StartFileTurns : public TurnTest, public ::testing::WithParamInterface<const char*> {};

int HexesMarched() {
  int hexes = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) hexes += GameState.Corps[c].StepsMoved;
  return hexes;
}

// A human Union marches on the enemy's capital for a year of turns, giving its
// orders each turn; then the computer plays both sides for two more years.
TEST_P(StartFileTurns, AHumanYearAndTwoComputerYearsOfTurnsBreakNothing) {
  ASSERT_TRUE(LoadGame(std::string(GRAYMARCH_GAME_DIR) + "/" + GetParam() + ".gmr"));
  SetAllNationsToComputer();
  HandTheUnionToAPlayer();
  TurnInvariants invariants("check");
  EXPECT_THAT(invariants.Check(), ::testing::IsEmpty()) << "as loaded";
  // The findings of every check, each headed by the phase after which it failed.
  std::vector<std::string> findings;
  const auto note = [&findings](const std::string& phase, const std::vector<std::string>& broken) {
    for (const std::string& finding : broken) {
      if (findings.size() < kMostFindingsReported) findings.push_back(phase + ": " + finding);
    }
  };
  TurnRunner runner;
  int months = 0;
  runner.AfterPhase = [&](const std::string& phase) {
    note(phase, invariants.Check());
    if (phase.ends_with("end of orders") && IsFirstTurnOfMonth()) ++months;
  };
  runner.AfterPass = [&](const std::string& pass) { note(pass, invariants.CheckRecords()); };
  int orders = 0;
  int marched = 0;
  runner.GiveOrders = [this, &orders, &marched](int nation) {
    EXPECT_EQ(nation, TNation::Union);
    EXPECT_EQ(CurrentSide, nation);
    EXPECT_EQ(window.IsEnabled(WindowCommand::RaiseCorps1), true) << "the orders menus open";
    ++orders;
    marched += HexesMarched();
    MarchOnTheEnemyCapital(nation);
  };
  // The march may carry the enemy's capital, and the computer years' battles
  // either capital: the war may then end early, in a capitulation (code 2 or
  // 3), and in nothing else.
  const int humanTurns = runner.RunTurns(kHumanTurns);
  EXPECT_EQ(orders, humanTurns);
  EXPECT_GT(marched + HexesMarched(), 0) << "the corps marched";
  SetAllNationsToComputer();
  const int turns = humanTurns + runner.RunTurns(kSoakTurns - kHumanTurns);
  EXPECT_TRUE(turns == kSoakTurns || GameOverCode == 2 || GameOverCode == 3)
      << "the game ended with code " << GameOverCode << " after " << turns << " turns";
  EXPECT_THAT(findings, ::testing::IsEmpty());
  EXPECT_EQ(std::count(window.Messages().begin(), window.Messages().end(), "text 686"), months)
      << "every month opens with its economy";
  EXPECT_TRUE(LoadGame(std::string(kAutosaveName) + ".GMR")) << "the last autosave loads";
}

INSTANTIATE_TEST_SUITE_P(EachStartFile, StartFileTurns, ::testing::Values("1861", "1862", "1863"));

}  // namespace
