// The computer players' planning, every nation once a turn, on the whole of
// the 1862 start with the computer on both sides.
#include <benchmark/benchmark.h>

#include "opponent/turn_driver.h"
#include "start_1862.h"
#include "world/vardecl.h"

namespace {

void BM_NationTurnLoop(benchmark::State& state) {
  RunOnComputerStart(state, [] {
    RunNationTurnLoop();
    benchmark::DoNotOptimize(GameState.Corps);
  });
}
BENCHMARK(BM_NationTurnLoop)->Unit(benchmark::kMillisecond);

}  // namespace
