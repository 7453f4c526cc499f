#include "support/reload_check.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "world/derived_state.h"
#include "world/random.h"
#include "world/save_load.h"
#include "world/vardecl.h"

namespace {

struct GameTable {
  const char* name;
  std::size_t offset;
  std::size_t count;
  std::size_t size;
};

template <typename T, int N>
GameTable TableOf(const char* name, std::size_t offset, const Table<T, N>&) {
  return {name, offset, static_cast<std::size_t>(N), sizeof(T)};
}

// Where a byte of the game file lies: the record and the byte within it.
std::string GameByteName(std::size_t offset) {
  const TGameState& g = GameState;
  const GameTable tables[] = {
      TableOf("army", offsetof(TGameState, Armies), g.Armies),
      TableOf("city", offsetof(TGameState, Cities), g.Cities),
      TableOf("corps", offsetof(TGameState, Corps), g.Corps),
      TableOf("leader", offsetof(TGameState, Leaders), g.Leaders),
      TableOf("nation", offsetof(TGameState, Nations), g.Nations),
      TableOf("state", offsetof(TGameState, States), g.States),
      TableOf("fleet", offsetof(TGameState, Fleets), g.Fleets),
      TableOf("weapon type", offsetof(TGameState, WeaponTypes), g.WeaponTypes),
      TableOf("plan", offsetof(TGameState, AiPlans), g.AiPlans),
      TableOf("brigade", offsetof(TGameState, Brigades), g.Brigades),
  };
  for (const GameTable& table : tables) {
    if (offset < table.offset || offset >= table.offset + table.count * table.size) continue;
    const std::size_t within = offset - table.offset;
    return std::string(table.name) + " " + std::to_string(within / table.size + 1) + ", byte " +
           std::to_string(within % table.size);
  }
  return "the game's byte " + std::to_string(offset);
}

// The offset of the first byte that differs; npos when none does.
std::size_t FirstDifference(const std::vector<char>& a, const std::vector<char>& b) {
  if (a.size() != b.size()) return 0;
  const auto [at, ignored] = std::mismatch(a.begin(), a.end(), b.begin());
  return at == a.end() ? std::string::npos : static_cast<std::size_t>(at - a.begin());
}

// In the copy of the process: the game in play with its figures rebuilt, and
// the saved game loaded, which rebuilds them too, each saved; both rebuilds
// draw from the same seed.
bool SaveRebuiltAndReloaded(const std::string& name, const std::string& rebuilt,
                            const std::string& reloaded) {
  const std::uint32_t seed = RandomSeed();
  RecomputeDerivedState();
  if (!SaveGame(rebuilt)) return false;
  SetRandomSeed(seed);
  return LoadGame(name + ".GMR") && SaveGame(reloaded);
}

}  // namespace

std::vector<char> FileBytes(const std::string& file) {
  std::ifstream input(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
}

std::string FindReloadDifference(const std::string& name) {
  const std::string rebuilt = name + "-rebuilt";
  const std::string reloaded = name + "-reloaded";
  const pid_t child = fork();
  if (child < 0) return "the reload could not be tried";
  if (child == 0) _exit(SaveRebuiltAndReloaded(name, rebuilt, reloaded) ? 0 : 1);
  int status = 0;
  if (waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return "the saved game does not load back";
  const std::size_t game = FirstDifference(FileBytes(rebuilt + ".GMR"), FileBytes(reloaded + ".GMR"));
  if (game != std::string::npos) return "the reloaded game differs at " + GameByteName(game);
  const std::size_t map = FirstDifference(FileBytes(rebuilt + ".GMP"), FileBytes(reloaded + ".GMP"));
  if (map != std::string::npos) return "the reloaded map differs at byte " + std::to_string(map);
  return "";
}
