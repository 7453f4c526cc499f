// The computer's force management, every nation once a turn, on the whole of
// the 1862 start with the computer on every side.
#include <benchmark/benchmark.h>

#include "opponent/force_management.h"
#include "start_1862.h"
#include "world/vardecl.h"

namespace {

void BM_ManageComputerForces(benchmark::State& state) {
  RunOnComputerStart(state, [] {
    ManageComputerForces();
    benchmark::DoNotOptimize(GameState.Brigades);
  });
}
BENCHMARK(BM_ManageComputerForces)->Unit(benchmark::kMillisecond);

}  // namespace
