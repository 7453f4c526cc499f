#pragma once
// The start point of 1862 as a loaded game has it, its supply links and totals
// recomputed, kept aside so that every run of a benchmark starts from it. The
// start file is read from beside the game (the build folder, one up from the
// benchmark program), or from the folder GRAYMARCH_GAME_DIR names.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "world/game_state.h"
#include "world/game_window.h"
#include "world/random.h"
#include "world/recording_window.h"
#include "world/vardecl.h"

// Where the start files lie: beside the game, or where GRAYMARCH_GAME_DIR says.
std::filesystem::path GameFolder();

struct StartPoint {
  std::unique_ptr<TGameState> game = std::make_unique<TGameState>();
  bool loaded = false;

  StartPoint();
  void Restore() const;
};

const StartPoint& Start1862();

// Whether the start point could be read; the benchmark is skipped when not.
bool Prepare(benchmark::State& state);

// Times the rule on the start point with every nation in the computer's
// hands, each run from the same start and the same seed, its notices recorded.
template <typename Rule>
void RunOnComputerStart(benchmark::State& state, Rule rule) {
  if (!Prepare(state)) return;
  RecordingWindow window;
  GameWindow* previous = InstallGameWindow(&window);
  for (auto _ : state) {
    state.PauseTiming();
    Start1862().Restore();
    for (int n = 1; n <= GameState.Nations.Count; ++n) GameState.Nations[n].Human = 0;
    SetRandomSeed(1862);
    window.ForgetRecords();
    state.ResumeTiming();
    rule();
  }
  InstallGameWindow(previous);
}
