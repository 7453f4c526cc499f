// Attrition is taken point by point from every corps in the supply pass, and a
// hard winter costs a large corps hundreds of points in one call.
#include <benchmark/benchmark.h>

#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

constexpr int kCorps = 60;
constexpr int kBrigadesInCorps = 10;
constexpr int kPointsPerCall = 800;

// A full corps of ten brigades among a table of 500, the others in garrisons
// and other corps, so that the scan of the whole table is part of the cost.
void BuildFullCorps() {
  ResetGameWideVariables();
  TCorps& corps = GameState.Corps[kCorps];
  corps.Nation = TNation::Union;
  corps.Side = TSide::Union;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    TBrigade& brigade = GameState.Brigades[b];
    const bool inCorps = b % (GameState.Brigades.Count / kBrigadesInCorps) == 0;
    brigade.Nation = TNation::Union;
    brigade.HomeState = 1;
    brigade.Arm = b % 5 == 0 ? TArm::Artillery : TArm::Infantry;
    brigade.Strength = brigade.Arm == TArm::Artillery ? 16 : 80;
    brigade.Quality = static_cast<std::uint8_t>(1 + b % 7);
    brigade.Status = inCorps ? TBrigadeStatus::InCorps : TBrigadeStatus::InGarrison;
    brigade.Location = static_cast<std::uint8_t>(inCorps ? kCorps : 1 + b % 86);
  }
  corps.Strength = 10 * 80;
}

void BM_AttritionOnAFullCorps(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    BuildFullCorps();
    state.ResumeTiming();
    ApplyBrigadeLosses(kLossesByCorps, kCorps, kPointsPerCall);
    benchmark::DoNotOptimize(GameState.Corps[kCorps].Strength);
  }
  state.SetItemsProcessed(state.iterations() * kPointsPerCall);
}
BENCHMARK(BM_AttritionOnAFullCorps);

}  // namespace
