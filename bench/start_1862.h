#pragma once
// The start point of 1862 as a loaded game has it, its supply links and totals
// recomputed, kept aside so that every run of a benchmark starts from it. The
// start file is read from beside the game (the build folder, one up from the
// benchmark program), or from the folder GRAYMARCH_GAME_DIR names.
#include <benchmark/benchmark.h>

#include <memory>

#include "world/game_state.h"

struct StartPoint {
  std::unique_ptr<TGameState> game = std::make_unique<TGameState>();
  bool loaded = false;

  StartPoint();
  void Restore() const;
};

const StartPoint& Start1862();

// Whether the start point could be read; the benchmark is skipped when not.
bool Prepare(benchmark::State& state);
