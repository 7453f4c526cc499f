// The route finder is the hottest code of a turn: supply links, corps orders,
// fleets and the computer players ask it for hundreds of routes per turn.
#include <benchmark/benchmark.h>

#include "tests/world/varied_map.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/route_finder.h"
#include "world/vardecl.h"

namespace {

// The varied map with open sea along the east and south edges, and a long rail
// line held by the Union and a long river, both three hexes wide and gently
// winding from column 2 to column 62.
void BuildMap() {
  varied_map::Builder(2024).Build();
  for (int x = 1; x <= TMapRecord::Columns; ++x) {
    for (int y = 1; y <= TMapRecord::Rows; ++y)
      if (x >= 72 || y >= 51) MapRecord.Cell(x, y).SetTerrain(TTerrain::Water);
  }
  for (int x = 2; x <= 62; ++x) {
    const int bend = (x / 6) % 2;
    for (int y = 20 + bend; y <= 22 + bend; ++y) {
      MapRecord.Cell(x, y).SetLinkFlag();
      MapRecord.Cell(x, y).SetOwner(TSide::Union);
    }
    for (int y = 35 + bend; y <= 37 + bend; ++y) MapRecord.Cell(x, y).SetRouteFlag();
  }
}

void RouteBench(benchmark::State& state, THexPos from, THexPos to, int mode, int side, int policy) {
  BuildMap();
  SetRandomSeed(7);
  RouteTo(from.X, from.Y, to.X, to.Y, 20, mode, side, policy);
  if (mode != kArmyRouteMode && RouteReached != kRouteReached) {
    state.SkipWithError("the benchmark route does not arrive");
    return;
  }
  for (auto _ : state) {
    RouteTo(from.X, from.Y, to.X, to.Y, 20, mode, side, policy);
    benchmark::DoNotOptimize(RouteSteps);
  }
}

void LongSeaRoute(benchmark::State& state) {
  RouteBench(state, {75, 2}, {2, 53}, kSeaRouteMode, TSide::None, 0);
}

void LongRailRoute(benchmark::State& state) {
  RouteBench(state, {2, 21}, {62, 22}, kRailRouteMode, TSide::Union, 0);
}

void RiverRoute(benchmark::State& state) {
  RouteBench(state, {2, 36}, {62, 37}, kRiverRouteMode, TSide::None, 0);
}

// With a Confederate corps on the start hex, so that foreign hexes are halved.
void ArmyRouteThroughAnyHex(benchmark::State& state) {
  BuildMap();
  TCorps& enemy = GameState.Corps[GameState.Corps.Count];
  enemy = {};
  enemy.X = 10;
  enemy.Y = 12;
  enemy.Side = TSide::Confederate;
  SetRandomSeed(7);
  for (auto _ : state) {
    RouteTo(10, 12, 40, 32, 20, kArmyRouteMode, TNation::Union, kAnyHex);
    benchmark::DoNotOptimize(RouteSteps);
  }
}

BENCHMARK(LongSeaRoute);
BENCHMARK(LongRailRoute);
BENCHMARK(RiverRoute);
BENCHMARK(ArmyRouteThroughAnyHex);

}  // namespace
