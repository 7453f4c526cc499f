// Hex control is recomputed after every pass of the movement timer, up to
// twenty times a turn, so it must stay well under a millisecond with every
// corps and fleet slot in use.
#include <benchmark/benchmark.h>

#include <random>

#include "world/hex_control.h"
#include "world/vardecl.h"

namespace {

// A full map of 37 states in bands, a river every seventh row, both camps'
// corps and fleets in every slot, and all 86 cities.
void BuildCrowdedWar() {
  ResetGameWideVariables();
  std::mt19937 draw(1862);
  const auto pick = [&draw](int n) { return static_cast<int>(draw() % n); };
  for (int s = 1; s <= GameState.States.Count; ++s) {
    TStateRec& state = GameState.States[s];
    state.Nation = state.Side = state.ControlSide = static_cast<std::uint8_t>(1 + s % 2);
  }
  for (int x = 1; x <= TMapRecord::Columns; ++x) {
    for (int y = 1; y <= TMapRecord::Rows; ++y) {
      TMapCell& cell = MapRecord.Cell(x, y);
      cell.Bytes[2] = static_cast<std::uint8_t>(1 + (x / 8 + 10 * (y / 11)) % 37);
      if (y % 7 == 0) cell.Bytes[0] = 128;
      cell.SetOwner(1 + (x + y) % 2);
    }
  }
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    corps.X = static_cast<std::uint8_t>(1 + pick(TMapRecord::Columns));
    corps.Y = static_cast<std::uint8_t>(1 + pick(TMapRecord::Rows));
    corps.Side = corps.Nation = static_cast<std::uint8_t>(1 + c % 2);
    corps.EnemyPressure = static_cast<std::uint8_t>(pick(4) == 0);
    corps.Strength = 400;
  }
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    fleet.X = static_cast<std::uint8_t>(1 + pick(TMapRecord::Columns));
    fleet.Y = static_cast<std::uint8_t>(7 * (1 + pick(7)));
    fleet.Side = fleet.Nation = static_cast<std::uint8_t>(1 + f % 2);
    fleet.Kind = 2;
  }
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    city.X = static_cast<std::uint8_t>(1 + pick(TMapRecord::Columns));
    city.Y = static_cast<std::uint8_t>(1 + pick(TMapRecord::Rows));
    city.State = static_cast<std::uint8_t>(1 + pick(37));
    city.Side = city.Nation = static_cast<std::uint8_t>(1 + c % 2);
  }
}

void BM_RecomputeHexControl(benchmark::State& state) {
  BuildCrowdedWar();
  for (auto _ : state) {
    RecomputeHexControl();
    benchmark::DoNotOptimize(MapRecord);
  }
}
BENCHMARK(BM_RecomputeHexControl)->Unit(benchmark::kMicrosecond);

}  // namespace
