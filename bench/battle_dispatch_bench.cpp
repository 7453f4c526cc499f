// The battles of a turn on the start point of 1862: three Confederate corps
// have each marched onto the hex of a Union corps, and the after-movement
// battles fight all three, recount the brigades around each and the force
// totals at the end.
#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

#include "start_1862.h"
#include "warfare/battle_dispatch.h"
#include "warfare/recording_battle_views.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/recording_window.h"
#include "world/vardecl.h"

namespace {

constexpr int kBattles = 3;

bool ReadyToFight(const TCorps& corps, int side) {
  return !corps.IsFree() && corps.Side == side && corps.OtherBrigades != 0 &&
         corps.Stance < TCombatStance::Embarked;
}

std::vector<int> FirstCorpsOf(int side) {
  std::vector<int> corps;
  for (int c = 1; c <= GameState.Corps.Count && static_cast<int>(corps.size()) < kBattles; ++c) {
    if (!ReadyToFight(GameState.Corps[c], side)) continue;
    bool sharesAHex = false;
    for (int other : corps)
      sharesAHex |= GameState.Corps[other].X == GameState.Corps[c].X &&
                    GameState.Corps[other].Y == GameState.Corps[c].Y;
    if (!sharesAHex) corps.push_back(c);
  }
  return corps;
}

// The start point with the three meetings made.
struct ThreeMeetings {
  std::unique_ptr<TGameState> game = std::make_unique<TGameState>();
  std::unique_ptr<TMapRecord> map = std::make_unique<TMapRecord>();

  ThreeMeetings() {
    Start1862().Restore();
    const std::vector<int> defenders = FirstCorpsOf(TSide::Union);
    const std::vector<int> attackers = FirstCorpsOf(TSide::Confederate);
    for (std::size_t i = 0; i < defenders.size() && i < attackers.size(); ++i) {
      TCorps& attacker = GameState.Corps[attackers[i]];
      attacker.X = GameState.Corps[defenders[i]].X;
      attacker.Y = GameState.Corps[defenders[i]].Y;
      attacker.BattleMark = 1;
    }
    *game = GameState;
    *map = MapRecord;
  }
  void Restore() const {
    GameState = *game;
    MapRecord = *map;
  }
};

void BM_RunBattles(benchmark::State& state) {
  if (!Prepare(state)) return;
  RecordingWindow window;
  RecordingBattleViews views;
  GameWindow* previousWindow = InstallGameWindow(&window);
  BattleViews* previousViews = InstallBattleViews(&views);
  TextTable.assign(700, "text");
  const ThreeMeetings meetings;
  SetRandomSeed(1862);
  for (auto _ : state) {
    state.PauseTiming();
    meetings.Restore();
    window.ForgetRecords();
    views.Forget();
    state.ResumeTiming();
    RunBattles();
    benchmark::DoNotOptimize(GameState.Corps);
  }
  // The last run's battles, to show that all three were fought.
  state.counters["battles"] = static_cast<double>(views.Results().size());
  InstallBattleViews(previousViews);
  InstallGameWindow(previousWindow);
}
BENCHMARK(BM_RunBattles)->Unit(benchmark::kMillisecond);

}  // namespace
