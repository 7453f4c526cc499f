// The computer players' planning, every nation once a turn, on the whole of
// the 1862 start with the computer on both sides.
#include <benchmark/benchmark.h>

#include "opponent/turn_driver.h"
#include "start_1862.h"
#include "world/game_window.h"
#include "world/random.h"
#include "world/recording_window.h"
#include "world/vardecl.h"

namespace {

void BM_NationTurnLoop(benchmark::State& state) {
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
    RunNationTurnLoop();
    benchmark::DoNotOptimize(GameState.Corps);
  }
  InstallGameWindow(previous);
}
BENCHMARK(BM_NationTurnLoop)->Unit(benchmark::kMillisecond);

}  // namespace
