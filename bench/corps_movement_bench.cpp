// The orders pass and the nine movement steps run once per turn for all 120
// corps; the player waits on both between pressing "execute" and seeing the
// first move.
#include <benchmark/benchmark.h>

#include "tests/world/corps_scenario.h"
#include "world/corps_orders.h"
#include "world/random.h"
#include "world/recording_window.h"
#include "world/vardecl.h"

namespace {

struct Snapshot {
  TGameState game;
  TMapRecord map;

  void Take() {
    game = GameState;
    map = MapRecord;
  }
  void Restore() const {
    GameState = game;
    MapRecord = map;
  }
};

void CorpsOrdersPass(benchmark::State& state) {
  RecordingWindow window;
  InstallGameWindow(&window);
  corps_scenario::Builder(11).Build();
  static Snapshot before;
  before.Take();
  for (auto _ : state) {
    state.PauseTiming();
    before.Restore();
    window.ForgetRecords();
    SetRandomSeed(11);
    state.ResumeTiming();
    ProcessCorpsOrders();
    benchmark::DoNotOptimize(GameState.Corps);
  }
  InstallGameWindow(nullptr);
}

void NineMovementSteps(benchmark::State& state) {
  RecordingWindow window;
  InstallGameWindow(&window);
  corps_scenario::Builder(11).Build();
  SetRandomSeed(11);
  ProcessCorpsOrders();
  corps_scenario::RecordStartPositions();
  static Snapshot ordered;
  ordered.Take();
  for (auto _ : state) {
    state.PauseTiming();
    ordered.Restore();
    window.ForgetRecords();
    SetRandomSeed(11);
    state.ResumeTiming();
    corps_scenario::RunNineSteps();
    benchmark::DoNotOptimize(GameState.Corps);
  }
  InstallGameWindow(nullptr);
}

BENCHMARK(CorpsOrdersPass)->Unit(benchmark::kMicrosecond);
BENCHMARK(NineMovementSteps)->Unit(benchmark::kMicrosecond);

}  // namespace
