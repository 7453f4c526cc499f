#include "support/reload_check.h"

#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "world/game_bytes.h"
#include "world/random.h"
#include "world/save_load.h"
#include "world/vardecl.h"

namespace {

// The offset of the first byte that differs; npos when none does.
std::size_t FirstDifference(const std::vector<char>& a, const std::vector<char>& b) {
  if (a.size() != b.size()) return 0;
  const auto [at, ignored] = std::mismatch(a.begin(), a.end(), b.begin());
  return at == a.end() ? std::string::npos : static_cast<std::size_t>(at - a.begin());
}

// In the copy of the process: the game in play with its figures rebuilt as the
// load rebuilds them, and the saved game loaded, each saved; both rebuilds
// draw from the same seed.
bool SaveRebuiltAndReloaded(const std::string& name, const std::string& rebuilt,
                            const std::string& reloaded) {
  const std::uint32_t seed = RandomSeed();
  RebuildLoadedFigures();
  if (!SaveGame(rebuilt)) return false;
  SetRandomSeed(seed);
  return LoadGame(name + ".GMR") && SaveGame(reloaded);
}

// The copy's exit status; false when it cannot be had. A signal (the fuzzer's
// timer among them) interrupts the wait, not the copy, which goes on writing
// the files read next: the wait goes on until the copy has ended.
bool WaitForExit(pid_t child, int& status) {
  pid_t waited = 0;
  do {
    waited = waitpid(child, &status, 0);
  } while (waited < 0 && errno == EINTR);
  return waited == child;
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
  if (!WaitForExit(child, status) || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
    return "the saved game does not load back";
  const std::size_t game = FirstDifference(FileBytes(rebuilt + ".GMR"), FileBytes(reloaded + ".GMR"));
  if (game != std::string::npos) return "the reloaded game differs at " + GameByteName(game);
  const std::size_t map = FirstDifference(FileBytes(rebuilt + ".GMP"), FileBytes(reloaded + ".GMP"));
  if (map != std::string::npos) return "the reloaded map differs at " + MapByteName(map);
  return "";
}
