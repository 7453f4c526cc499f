// The supply links, the supply pass, the force totals and the computer's
// force management run for every nation every turn, on the whole of a real
// start point. The start file of 1862 is read from beside the game (the build
// folder, one up from this program), or from the folder GRAYMARCH_GAME_DIR names.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "opponent/force_management.h"
#include "world/force_totals.h"
#include "world/game_window.h"
#include "world/random.h"
#include "world/recording_window.h"
#include "world/supply_and_attrition.h"
#include "world/supply_links.h"
#include "world/vardecl.h"

namespace {

std::filesystem::path GameFolder() {
  if (const char* folder = std::getenv("GRAYMARCH_GAME_DIR")) return folder;
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
}

template <typename Record>
bool ReadRecord(const std::filesystem::path& file, Record& record) {
  std::ifstream input(file, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(input),
                                std::istreambuf_iterator<char>()};
  if (bytes.size() != sizeof(Record)) return false;
  std::memcpy(static_cast<void*>(&record), bytes.data(), sizeof(Record));
  return true;
}

// The start point as a loaded game has it, its supply links and totals
// recomputed, kept aside so that every run starts from it.
struct StartPoint {
  std::unique_ptr<TGameState> game = std::make_unique<TGameState>();
  bool loaded = false;

  StartPoint() {
    ResetGameWideVariables();
    const std::filesystem::path folder = GameFolder();
    loaded =
        ReadRecord(folder / "1862.gmr", GameState) && ReadRecord(folder / "1862.GMP", MapRecord);
    if (loaded) {
      ComputeForceTotals();
      ComputeCitySupplyLinks();
    }
    *game = GameState;
  }
  void Restore() const { GameState = *game; }
};

const StartPoint& Start1862() {
  static const StartPoint start;
  return start;
}

bool Prepare(benchmark::State& state) {
  if (Start1862().loaded) return true;
  state.SkipWithError("the start files of 1862 are not beside the game");
  return false;
}

// Runs the rule on the start point every time, its notices recorded.
template <typename Rule>
void RunFromEachStart(benchmark::State& state, Rule rule) {
  if (!Prepare(state)) return;
  RecordingWindow window;
  GameWindow* previous = InstallGameWindow(&window);
  SetRandomSeed(1862);
  for (auto _ : state) {
    state.PauseTiming();
    Start1862().Restore();
    window.ForgetRecords();
    state.ResumeTiming();
    rule();
  }
  InstallGameWindow(previous);
}

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
  RunFromEachStart(state, [] {
    UpdateSupplyAndAttrition(kSupplyAfterMovement);
    benchmark::DoNotOptimize(GameState.Corps);
  });
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

// Every nation in the computer's hands, each run from the same start.
void BM_ManageComputerForces(benchmark::State& state) {
  RunFromEachStart(state, [] {
    for (int n = 1; n <= GameState.Nations.Count; ++n) GameState.Nations[n].Human = 0;
    ManageComputerForces();
    benchmark::DoNotOptimize(GameState.Brigades);
  });
}
BENCHMARK(BM_ManageComputerForces)->Unit(benchmark::kMillisecond);

}  // namespace
