// Battles in real play: on each start file a human Union marches on the
// Confederate capital, and its corps meet the enemy within a few turns. The
// battles of every turn are looked at as the after-movement phase leaves
// them: the turn's marks gone, the force totals fresh, the records sound.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "support/turn_invariants.h"
#include "support/turn_runner.h"
#include "warfare/battle_dispatch.h"
#include "warfare/fleet_missions.h"
#include "world/codes.h"
#include "world/force_totals.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

constexpr int kTurns = 12;
constexpr std::size_t kMostFindingsReported = 20;
constexpr int kKeptMark = 100;

class BattlesInPlay : public TurnTest, public ::testing::WithParamInterface<const char*> {
 protected:
  void Start() {
    ASSERT_TRUE(StartWithAHumanUnion(std::string(GRAYMARCH_GAME_DIR) + "/" + GetParam() + ".gmr"));
    invariants_.emplace("check");
  }

  // Plays the turns and returns the game and its map as they end.
  std::vector<std::uint8_t> Play() {
    TurnRunner runner;
    runner.GiveOrders = MarchOnTheEnemyCapital;
    runner.AfterPass = [this](const std::string& pass) { Note(pass, invariants_->CheckRecords()); };
    runner.AfterPhase = [this](const std::string& phase) {
      Note(phase, invariants_->Check());
      if (phase.ends_with(", movement")) LookAtTheBattles(phase);
    };
    // Only a carried capital may end the war sooner.
    const int turns = runner.RunTurns(kTurns);
    EXPECT_TRUE(turns == kTurns || GameOverCode == 2) << "ended with code " << GameOverCode;
    std::vector<std::uint8_t> bytes(sizeof(TGameState) + sizeof(TMapRecord));
    std::memcpy(bytes.data(), &GameState, sizeof(TGameState));
    std::memcpy(bytes.data() + sizeof(TGameState), &MapRecord, sizeof(TMapRecord));
    return bytes;
  }

  // The turn's fleet missions and battles fought ahead of the close of the
  // turn, then taken back, so that the turn goes on as if they had not been.
  void LookAtTheBattles(const std::string& phase) {
    const auto game = std::make_unique<TGameState>(GameState);
    const auto map = std::make_unique<TMapRecord>(MapRecord);
    const std::uint32_t seed = RandomSeed();
    const std::size_t before = battleViews.Results().size();
    ProcessFleetMissions();
    RunBattles();
    fieldBattles += static_cast<int>(battleViews.Results().size() - before);
    Note(phase + ", battles", invariants_->CheckRecords());
    for (int c = 1; c <= GameState.Corps.Count; ++c) {
      const int mark = GameState.Corps[c].BattleMark;
      if (mark != 0 && mark != kKeptMark)
        Note(phase, {"corps " + std::to_string(c) + " keeps battle mark " + std::to_string(mark)});
    }
    const auto nations = GameState.Nations;
    ComputeForceTotals();
    if (std::memcmp(&nations, &GameState.Nations, sizeof nations) != 0)
      Note(phase, {"the nations' totals are not those of a fresh count"});
    GameState = *game;
    MapRecord = *map;
    SetRandomSeed(seed);
  }

  void Note(const std::string& phase, const std::vector<std::string>& broken) {
    for (const std::string& finding : broken)
      if (findings.size() < kMostFindingsReported) findings.push_back(phase + ": " + finding);
  }

  std::vector<std::string> findings;
  int fieldBattles = 0;

 private:
  std::optional<TurnInvariants> invariants_;
};

TEST_P(BattlesInPlay, TheUnionMeetsTheEnemyAndEveryTurnsBattlesLeaveTheGameSound) {
  Start();
  const std::vector<std::uint8_t> first = Play();
  EXPECT_GT(fieldBattles, 0) << "within " << kTurns << " turns";
  EXPECT_THAT(findings, ::testing::IsEmpty());
  Start();
  EXPECT_TRUE(Play() == first) << "the same seeds give the same game";
}

INSTANTIATE_TEST_SUITE_P(EachStartFile, BattlesInPlay, ::testing::Values("1861", "1862", "1863"));

}  // namespace
