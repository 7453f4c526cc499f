// A large field battle: ten corps of five brigades and a battery a side,
// fought all out, from its set-up to its results.
#include <benchmark/benchmark.h>

#include "warfare/battle_context.h"
#include "warfare/field_battle.h"
#include "warfare/recording_battle_views.h"
#include "world/codes.h"
#include "world/random.h"
#include "world/recording_window.h"
#include "world/vardecl.h"

namespace {

constexpr int kCorpsPerSide = 10;
constexpr int kInfantryPerCorps = 5;
constexpr int kBattleX = 30;
constexpr int kBattleY = 30;

void AddCorpsAndBrigades(int c, int side, int& brigade) {
  TCorps& corps = GameState.Corps[c];
  corps = TCorps{};
  corps.X = kBattleX;
  corps.Y = kBattleY;
  corps.Side = corps.Nation = static_cast<std::uint8_t>(side);
  corps.BattleMark = TBattleMark::Engaged;
  corps.Readiness = 12;
  corps.Stance = static_cast<std::uint8_t>(c % 3);
  corps.SupplyPriority = 1;
  corps.Leader = static_cast<std::uint8_t>(c);
  corps.LeaderInitiative = 10;
  TLeader& leader = GameState.Leaders[c];
  leader.Side = static_cast<std::uint8_t>(side);
  leader.Initiative = 10;
  leader.Rank = 3;
  leader.Aggression = 40;
  for (int i = 0; i <= kInfantryPerCorps; ++i) {
    TBrigade& b = GameState.Brigades[++brigade];
    b.Nation = static_cast<std::uint8_t>(side);
    b.Location = static_cast<std::uint8_t>(c);
    b.Status = TBrigadeStatus::InCorps;
    b.HomeState = 1;
    b.Quality = 3;
    b.Arm = i == 0 ? TArm::Artillery : TArm::Infantry;
    b.Strength = i == 0 ? 16 : 80;
    b.Weapon = i == 0 ? TWeapon::Parrotts : TWeapon::Springfields;
  }
  corps.ArtilleryBrigades = 1;
  corps.ArtilleryStrength = 16;
  corps.OtherBrigades = kInfantryPerCorps;
  corps.Strength = 80 * kInfantryPerCorps;
}

void BuildBattle() {
  ResetGameWideVariables();
  for (int c = 1; c <= GameState.Corps.Count; ++c) GameState.Corps[c].Inactive = 1;
  GameState.Nations[TNation::Union].Side = TSide::Union;
  GameState.Nations[TNation::Confederacy].Side = TSide::Confederate;
  for (int w = 1; w <= GameState.WeaponTypes.Count; ++w) {
    GameState.WeaponTypes[w].FireA = 6;
    GameState.WeaponTypes[w].FireB = 5;
  }
  GameState.BattleX = kBattleX;
  GameState.BattleY = kBattleY;
  MapRecord.Cell(kBattleX, kBattleY).SetTerrain(1);
  int brigade = 0;
  for (int c = 1; c <= 2 * kCorpsPerSide; ++c) AddCorpsAndBrigades(c, c % 2 + 1, brigade);
  BattleStrength1 = BattleStrength2 = kCorpsPerSide * (80 * kInfantryPerCorps + 16);
  TextTable.assign(700, "text");
}

void BM_FieldBattle(benchmark::State& state) {
  RecordingWindow window;
  RecordingBattleViews views;
  InstallGameWindow(&window);
  InstallBattleViews(&views);
  SetRandomSeed(1863);
  for (auto _ : state) {
    state.PauseTiming();
    BuildBattle();
    views.Forget();
    state.ResumeTiming();
    FightFieldBattle();
    benchmark::DoNotOptimize(GameState.Hits1);
  }
  // The last battle's hits, to show that it was fought.
  state.counters["hits"] = GameState.Hits1 + GameState.Hits2;
  InstallBattleViews(nullptr);
  InstallGameWindow(nullptr);
}
BENCHMARK(BM_FieldBattle)->Unit(benchmark::kMicrosecond);

}  // namespace
