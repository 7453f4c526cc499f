#include "start_1862.h"

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "world/force_totals.h"
#include "world/supply_links.h"
#include "world/vardecl.h"

namespace {

template <typename Record>
bool ReadRecord(const std::filesystem::path& file, Record& record) {
  std::ifstream input(file, std::ios::binary);
  const std::vector<char> bytes{std::istreambuf_iterator<char>(input),
                                std::istreambuf_iterator<char>()};
  if (bytes.size() != sizeof(Record)) return false;
  std::memcpy(static_cast<void*>(&record), bytes.data(), sizeof(Record));
  return true;
}

}  // namespace

std::filesystem::path GameFolder() {
  if (const char* folder = std::getenv("GRAYMARCH_GAME_DIR")) return folder;
  return std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
}

StartPoint::StartPoint() {
  ResetGameWideVariables();
  const std::filesystem::path folder = GameFolder();
  loaded = ReadRecord(folder / "1862.gmr", GameState) && ReadRecord(folder / "1862.GMP", MapRecord);
  if (loaded) {
    ComputeForceTotals();
    ComputeCitySupplyLinks();
  }
  *game = GameState;
}

void StartPoint::Restore() const {
  GameState = *game;
}

const StartPoint& Start1862() {
  static const StartPoint start;
  return start;
}

bool Prepare(benchmark::State& state) {
  if (Start1862().loaded) return true;
  state.SkipWithError("the start files of 1862 are not beside the game");
  return false;
}
