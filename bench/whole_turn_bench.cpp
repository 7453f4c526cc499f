// A whole turn with the computer on every side, as the main window plays it
// without drawing: the end of the orders, the twenty movement steps and the
// close of the turn; and a whole campaign of such turns from 1861 to its end.
// Every run starts from the start file as loaded and from the same seeds.
#include <benchmark/benchmark.h>

#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

#include "start_1862.h"
#include "turn/movement_driver.h"
#include "turn/turn_commands.h"
#include "warfare/recording_battle_views.h"
#include "world/menu_states.h"
#include "world/random.h"
#include "world/recording_window.h"
#include "world/save_load.h"
#include "world/vardecl.h"

namespace {

// The seeds campaign_report takes for seed 2: from 1861 the campaign lasts to
// its last turn, as most do.
constexpr std::uint32_t kLoadSeed = 2;
constexpr std::uint32_t kFirstTurnSeed = 2000;

// The autosave of each turn is left out: the benchmarks work in a folder
// removed as soon as they enter it, so the save fails at once and writes
// nothing. They go back to the folder they came from at the end.
class FolderWithoutFiles {
 public:
  FolderWithoutFiles() : previous_(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "bench-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return;
    std::filesystem::current_path(pattern);
    std::filesystem::remove(pattern);
  }
  ~FolderWithoutFiles() { std::filesystem::current_path(previous_); }

 private:
  std::filesystem::path previous_;
};

// A start file as the loader leaves it, every nation in the computer's hands.
struct LoadedStart {
  std::unique_ptr<TGameState> game = std::make_unique<TGameState>();
  std::unique_ptr<TMapRecord> map = std::make_unique<TMapRecord>();
  std::uint32_t seed = 0;  // the generator as the load left it
  bool loaded = false;

  explicit LoadedStart(int year) {
    ResetGameWideVariables();
    SetRandomSeed(kLoadSeed);
    loaded = LoadGame((GameFolder() / (std::to_string(year) + ".gmr")).string());
    for (int n = 1; n <= GameState.Nations.Count; ++n) GameState.Nations[n].Human = 0;
    ChooseMessageView();
    *game = GameState;
    *map = MapRecord;
    seed = RandomSeed();
  }

  void Restore() const {
    GameState = *game;
    MapRecord = *map;
    GameOverCode = 0;
    SetRandomSeed(seed);
    SetRandomizeSource([next = kFirstTurnSeed]() mutable { return next++; });
  }
};

// The window and the battle views of the headless runner; what they record
// is forgotten after each turn, as a campaign would otherwise pile it up.
class HeadlessGame {
 public:
  HeadlessGame()
      : previous_window_(InstallGameWindow(&window_)), previous_views_(InstallBattleViews(&views_)) {}
  ~HeadlessGame() {
    SetRandomizeSource({});
    InstallBattleViews(previous_views_);
    InstallGameWindow(previous_window_);
  }

  void PlayTurn() {
    ExecuteOrders();
    RunMovementPhase();
    EndExecutedTurn();
    window_.ForgetRecords();
    views_.Forget();
  }

 private:
  RecordingWindow window_;
  RecordingBattleViews views_;
  GameWindow* previous_window_;
  BattleViews* previous_views_;
};

// Runs `play` on the start file of the benchmark's year, restored before each run.
template <typename Play>
void OnStartFile(benchmark::State& state, Play play) {
  HeadlessGame game;
  const FolderWithoutFiles folder;
  const LoadedStart start(static_cast<int>(state.range(0)));
  if (!start.loaded) state.SkipWithError("the start file is not beside the game");
  for (auto _ : state) {
    if (!start.loaded) break;
    state.PauseTiming();
    start.Restore();
    state.ResumeTiming();
    play(game, state);
  }
}

void BM_WholeComputerTurn(benchmark::State& state) {
  OnStartFile(state, [](HeadlessGame& game, benchmark::State&) {
    game.PlayTurn();
    benchmark::DoNotOptimize(GameState.Corps);
  });
}
BENCHMARK(BM_WholeComputerTurn)->Arg(1861)->Arg(1862)->Arg(1863)->Unit(benchmark::kMillisecond);

void BM_WholeCampaign(benchmark::State& state) {
  OnStartFile(state, [](HeadlessGame& game, benchmark::State& running) {
    int turns = 0;
    while (!GameIsOver()) {
      game.PlayTurn();
      ++turns;
    }
    running.counters["turns"] = turns;
  });
}
BENCHMARK(BM_WholeCampaign)->Arg(1861)->Unit(benchmark::kSecond)->Iterations(3);

}  // namespace
