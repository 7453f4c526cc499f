#pragma once
// The start point of 1862 as a loaded game has it, for the benchmarks that
// play on a real map. The start file is read from beside the game (the build
// folder, one up from this program), or from the folder GRAYMARCH_GAME_DIR
// names.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <vector>

#include "world/force_totals.h"
#include "world/supply_links.h"
#include "world/vardecl.h"

inline std::filesystem::path GameFolder() {
  if (const char* folder = std::getenv("GRAYMARCH_GAME_DIR")) return folder;
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
}

template <typename Record>
inline bool ReadRecord(const std::filesystem::path& file, Record& record) {
  std::ifstream input(file, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(input),
                                std::istreambuf_iterator<char>()};
  if (bytes.size() != sizeof(Record)) return false;
  std::memcpy(static_cast<void*>(&record), bytes.data(), sizeof(Record));
  return true;
}

// The start point with its supply links and totals recomputed, kept aside so
// that every run starts from it.
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

inline const StartPoint& Start1862() {
  static const StartPoint start;
  return start;
}

inline bool Prepare(benchmark::State& state) {
  if (Start1862().loaded) return true;
  state.SkipWithError("the start files of 1862 are not beside the game");
  return false;
}
