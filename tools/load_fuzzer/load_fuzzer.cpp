// The saved-game fuzzer: each input is a game file followed by its map file.
// The load check must refuse what the rules cannot play; whatever it accepts is
// played for one turn with every invariant checked, and a broken invariant is
// reported as a crash so that the fuzzer keeps the input. scripts/fuzz runs it.
#include <stdlib.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <span>
#include <string>

#include "support/loaded_turn.h"
#include "world/text_table.h"

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  LoadTextTable(fs::path(GRAYMARCH_GAME_DIR) / "GMR_ENG.TXT");
  // The game writes its autosave and the checks their saves into the working
  // folder: one of this process's own, under TMPDIR when it is set (scripts/fuzz
  // sets it and removes it at the end), else kept in memory where the system allows.
  const fs::path memory = "/dev/shm";
  const fs::path base = std::getenv("TMPDIR") == nullptr && fs::is_directory(memory)
                            ? memory
                            : fs::temp_directory_path();
  std::string pattern = (base / "load-fuzzer-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) {
    std::cerr << "load_fuzzer: cannot make a working folder\n";
    abort();
  }
  fs::current_path(pattern);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const LoadedTurn outcome = LoadAndPlayOneTurn({data, size});
  if (outcome.broken.empty()) return 0;
  for (const std::string& broken : outcome.broken) std::cerr << "broken: " << broken << '\n';
  abort();
}
