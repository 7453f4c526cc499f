#include "support/turn_runner.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "turn/movement_driver.h"
#include "turn/turn_commands.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/menu_states.h"
#include "world/random.h"
#include "world/save_load.h"
#include "world/vardecl.h"

namespace {

// The two warring nations give orders; the foreign powers never do.
constexpr int kOrderingNations[] = {TNation::Union, TNation::Confederacy};

std::string PassName() {
  return std::string(MovePhaseFleets ? "fleet" : "corps") + " pass of step " +
         std::to_string(GameState.Step);
}

}  // namespace

void SetAllNationsToComputer() {
  for (int n = 1; n <= GameState.Nations.Count; ++n) GameState.Nations[n].Human = 0;
  ChooseMessageView();
}

void HandTheUnionToAPlayer() {
  GameState.Nations[TNation::Union].Human = 1;
  ChooseMessageView();
}

bool StartComputerGame(const std::string& path, std::uint32_t seed, std::uint32_t first_turn_seed) {
  const std::vector<std::string> texts = TextTable;
  ResetGameWideVariables();
  TextTable = texts;
  SetRandomSeed(seed);
  SetRandomizeSource([next = first_turn_seed]() mutable { return next++; });
  if (!LoadGame(path)) return false;
  SetAllNationsToComputer();
  return true;
}

bool StartWithAHumanUnion(const std::string& path) {
  if (!StartComputerGame(path, 1, 1861)) return false;
  HandTheUnionToAPlayer();
  return true;
}

void MarchOn(int city, int nation) {
  const TCity& target = GameState.Cities[city];
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.IsFree() || corps.Nation != nation) continue;
    corps.DestX = target.X;
    corps.DestY = target.Y;
  }
}

void MarchOnTheEnemyCapital(int nation) {
  MarchOn(GameState.Nations[TNation::Confederacy].Capital, nation);
}

void TurnRunner::Report(const std::function<void(const std::string&)>& to,
                        const std::string& name) const {
  if (to) to("turn " + std::to_string(turn_) + ", " + name);
}

void TurnRunner::GiveHumanOrders() {
  for (int nation : kOrderingNations) {
    if (!IsHumanNation(nation)) continue;
    CurrentSide = static_cast<std::uint16_t>(nation);
    SetMenusForOrders();
    if (GiveOrders) GiveOrders(nation);
    GameState.Nations[nation].OrdersDone = 1;
  }
}

void TurnRunner::ExecuteOrders() {
  ::ExecuteOrders();
  Report(AfterPhase, "end of orders");
}

// The timer's ticks, reported each time a pass ends.
void TurnRunner::RunMovement() {
  while (!TurnFinished) {
    const std::string pass = PassName();
    const bool fleets = MovePhaseFleets;
    const int step = GameState.Step;
    RunMovementTick({});
    if (fleets != MovePhaseFleets || step != GameState.Step) Report(AfterPass, pass);
  }
  Report(AfterPhase, "movement");
}

void TurnRunner::CloseTurn() {
  EndExecutedTurn();
  Report(AfterPhase, "after movement");
}

void TurnRunner::RunTurn() {
  ++turn_;
  GiveHumanOrders();
  ExecuteOrders();
  RunMovement();
  CloseTurn();
}

int TurnRunner::RunTurns(int turns) {
  int run = 0;
  while (run < turns && !GameIsOver()) {
    RunTurn();
    ++run;
  }
  return run;
}

void TurnTest::SetUp() {
  WindowTest::SetUp();
  // A table row's SetUp again must not take the test's own folder for the one to go back to.
  if (previous_folder_.empty()) previous_folder_ = std::filesystem::current_path().string();
  std::filesystem::current_path(PathOf(""));
  // Every turn re-seeds; a counted source makes a failing run repeat exactly.
  SetRandomizeSource([seed = std::uint32_t{1861}]() mutable { return seed++; });
}

void TurnTest::TearDown() {
  SetRandomizeSource({});
  std::filesystem::current_path(previous_folder_);
  previous_folder_.clear();
  WindowTest::TearDown();
}
