// Whole turns on the start files, headless: the computer plays both sides for
// three years of turns, and nothing the turn's rules do may break the game.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/turn_invariants.h"
#include "support/turn_runner.h"
#include "world/codes.h"
#include "world/end_of_orders.h"
#include "world/menu_states.h"
#include "world/movement_driver.h"
#include "world/save_load.h"
#include "world/vardecl.h"

namespace {

constexpr int kSoakTurns = 36;
constexpr std::size_t kMostFindingsReported = 20;

class StartFileTurns : public TurnTest, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    TurnTest::SetUp();
    ASSERT_TRUE(LoadGame(std::string(GRAYMARCH_GAME_DIR) + "/" + GetParam() + ".gmr"));
    invariants_.emplace("check");
  }

  // The findings of every check, each headed by the phase after which it failed.
  void CheckAfterEveryPhase(TurnRunner& runner) {
    runner.AfterPhase = [this](const std::string& phase) { Note(phase, invariants_->Check()); };
    runner.AfterPass = [this](const std::string& pass) { Note(pass, invariants_->CheckRecords()); };
  }

  void Note(const std::string& phase, const std::vector<std::string>& broken) {
    for (const std::string& finding : broken) {
      if (findings.size() < kMostFindingsReported) findings.push_back(phase + ": " + finding);
    }
  }

  static int DaysPlayed(int day, int month, int year) { return day + 30 * month + 360 * year; }

  std::vector<std::string> findings;
  std::optional<TurnInvariants> invariants_;
};

TEST_P(StartFileTurns, TheComputerPlaysBothSidesForThirtySixTurnsBreakingNothing) {
  SetAllNationsToComputer();
  EXPECT_THAT(invariants_->Check(), ::testing::IsEmpty()) << "as loaded";
  TurnRunner runner;
  CheckAfterEveryPhase(runner);
  const int start = DaysPlayed(GameState.Day, GameState.Month, GameState.Year);
  const int turns = runner.RunTurns(kSoakTurns);
  EXPECT_THAT(findings, ::testing::IsEmpty());
  EXPECT_EQ(turns, kSoakTurns) << "the game ended with code " << GameOverCode;
  EXPECT_EQ(DaysPlayed(GameState.Day, GameState.Month, GameState.Year) - start, 10 * turns);
  EXPECT_EQ(std::count(window.Messages().begin(), window.Messages().end(), "text 686"),
            kSoakTurns / 3)
      << "every month opens with its economy";
  EXPECT_TRUE(LoadGame(std::string(kAutosaveName) + ".GMR")) << "the last autosave loads";
}

int HexesMarched() {
  int hexes = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) hexes += GameState.Corps[c].StepsMoved;
  return hexes;
}

TEST_P(StartFileTurns, AHumanSideMarchingOnTheEnemyCapitalGivesOrdersEachTurnAndBreaksNothing) {
  SetAllNationsToComputer();
  GameState.Nations[TNation::Union].Human = 1;
  TurnRunner runner;
  CheckAfterEveryPhase(runner);
  std::vector<int> ordering;
  int marched = 0;
  runner.GiveOrders = [this, &ordering, &marched](int nation) {
    ordering.push_back(nation);
    EXPECT_EQ(CurrentSide, nation);
    EXPECT_EQ(window.IsEnabled(WindowCommand::RaiseCorps1), true);
    marched += HexesMarched();
    MarchOnTheEnemyCapital(nation);
  };
  EXPECT_EQ(runner.RunTurns(kSoakTurns / 3), kSoakTurns / 3);
  EXPECT_THAT(ordering, ::testing::Each(TNation::Union));
  EXPECT_THAT(findings, ::testing::IsEmpty());
  EXPECT_GT(marched + HexesMarched(), 0) << "the corps marched";
  EXPECT_EQ(GameState.Step, 20);
  EXPECT_TRUE(std::filesystem::exists(std::string(kAutosaveName) + ".GMR"));
  EXPECT_EQ(CurrentSide, TNation::Union);
  EXPECT_EQ(window.IsEnabled(WindowCommand::Execute1), true);
  EXPECT_EQ(window.IsEnabled(WindowCommand::CorpsOrders1), false);
}

INSTANTIATE_TEST_SUITE_P(EachStartFile, StartFileTurns, ::testing::Values("1861", "1862", "1863"));

}  // namespace
