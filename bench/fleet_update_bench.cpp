// The fleet update lays a route for every fleet under way once a turn; with
// the table full of fleets at sea it is the route finder a hundred times over.
#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "warfare/fleet_update.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

template <typename Record>
bool ReadImage(const std::string& file, Record& record) {
  std::ifstream in(std::string(GRAYMARCH_GAME_DIR) + "/" + file, std::ios::binary);
  return static_cast<bool>(in.read(reinterpret_cast<char*>(&record), sizeof(Record)));
}

// The 1861 map and cities, and every fleet slot a squadron of one side or the
// other, human or computer, sailing from one of its sea ports for an enemy one.
bool PutFleetsToSea() {
  ResetGameWideVariables();
  if (!ReadImage("1861.gmr", GameState) || !ReadImage("1861.GMP", MapRecord)) return false;
  GameState.Nations[TNation::Union].Human = 1;
  std::vector<int> ports[3];
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.SeaPort != 0 && city.Side != TSide::None) ports[city.Side].push_back(c);
  }
  if (ports[TSide::Union].empty() || ports[TSide::Confederate].empty()) return false;
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const int side = f % 2 + 1;
    const std::vector<int>& own = ports[side];
    const std::vector<int>& enemy = ports[3 - side];
    const TCity& home = GameState.Cities[own[f % own.size()]];
    TFleet& fleet = GameState.Fleets[f];
    fleet = TFleet{};
    fleet.Nation = fleet.Side = static_cast<std::uint8_t>(side);
    fleet.X = home.X;
    fleet.Y = home.Y;
    fleet.Ships[TShipType::Warship] = 2;
    fleet.Supplies = 100;
    fleet.Mission = TFleetMission::Patrol;
    fleet.HomePort = static_cast<std::uint8_t>(own[f % own.size()]);
    fleet.Objective = static_cast<std::uint8_t>(enemy[(f * 7) % enemy.size()]);
  }
  return true;
}

void BM_UpdateFleets(benchmark::State& state) {
  if (!PutFleetsToSea()) {
    state.SkipWithError("the 1861 start file cannot be read");
    return;
  }
  for (auto _ : state) {
    UpdateFleets();
    benchmark::DoNotOptimize(GameState.Fleets);
  }
  int underWay = 0;
  for (int f = 1; f <= GameState.Fleets.Count; ++f) underWay += GameState.Fleets[f].Path[1] != 0;
  state.counters["fleets under way"] = underWay;
}
BENCHMARK(BM_UpdateFleets)->Unit(benchmark::kMillisecond);

}  // namespace
