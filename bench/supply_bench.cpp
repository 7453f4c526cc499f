// The supply links, the supply pass and the force totals run for every nation
// every turn, on the whole of a real start point.
#include <benchmark/benchmark.h>

#include "start_1862.h"
#include "world/force_totals.h"
#include "world/game_window.h"
#include "world/random.h"
#include "world/recording_window.h"
#include "world/supply_and_attrition.h"
#include "world/supply_links.h"
#include "world/vardecl.h"

namespace {

void BM_ComputeCitySupplyLinks(benchmark::State& state) {
  if (!Prepare(state)) return;
  Start1862().Restore();
  SetRandomSeed(1862);
  for (auto _ : state) {
    ComputeCitySupplyLinks();
    benchmark::DoNotOptimize(GameState.Cities);
  }
}
BENCHMARK(BM_ComputeCitySupplyLinks)->Unit(benchmark::kMillisecond);

// The pass after movement, which also takes the losses; every run starts from
// the same stocks and strengths.
void BM_UpdateSupplyAndAttrition(benchmark::State& state) {
  if (!Prepare(state)) return;
  RecordingWindow window;
  GameWindow* previous = InstallGameWindow(&window);
  SetRandomSeed(1862);
  for (auto _ : state) {
    state.PauseTiming();
    Start1862().Restore();
    window.ForgetRecords();
    state.ResumeTiming();
    UpdateSupplyAndAttrition(kSupplyAfterMovement);
    benchmark::DoNotOptimize(GameState.Corps);
  }
  InstallGameWindow(previous);
}
BENCHMARK(BM_UpdateSupplyAndAttrition)->Unit(benchmark::kMillisecond);

void BM_ComputeForceTotals(benchmark::State& state) {
  if (!Prepare(state)) return;
  for (auto _ : state) {
    state.PauseTiming();
    Start1862().Restore();
    state.ResumeTiming();
    ComputeForceTotals();
    benchmark::DoNotOptimize(GameState.Nations);
  }
}
BENCHMARK(BM_ComputeForceTotals)->Unit(benchmark::kMillisecond);

}  // namespace
