#include "world/save_names.h"

#include <algorithm>
#include <filesystem>

#include "world/file_io.h"
#include "world/vardecl.h"

namespace fs = std::filesystem;

namespace {

constexpr const char* kStartFileNames[] = {"1861", "1862", "1863"};

std::string FileNameOf(const std::string& name) {
  return fs::path(name).filename().string();
}

// The saved game's own file under the name, whatever its case: the game, or
// else its map.
std::optional<fs::path> SavedGameFile(const std::string& name) {
  auto file = FindFileIgnoringCase(name + ".GMR");
  if (!file) file = FindFileIgnoringCase(name + ".GMP");
  return file;
}

}  // namespace

bool IsStartFileName(const std::string& name) {
  const std::string file = FileNameOf(name);
  return std::any_of(std::begin(kStartFileNames), std::end(kStartFileNames),
                     [&](const char* start) { return SameFileNameIgnoringCase(file, start); });
}

std::optional<std::string> SavedGameReplaced(const std::string& name) {
  if (SameFileNameIgnoringCase(FileNameOf(name), kAutosaveName)) return std::nullopt;
  const auto file = SavedGameFile(name);
  if (!file) return std::nullopt;
  return file->stem().string();
}

std::string NameAsSpeltOnDisk(const std::string& name) {
  const auto file = SavedGameFile(name);
  return file ? fs::path(*file).replace_extension().string() : name;
}

std::string ProposedSaveName() {
  if (!SavedGameName.empty()) return SavedGameName;
  // The loaded game's name keeps the dot its companion files' extensions follow.
  std::string loaded = GameFileName;
  if (!loaded.empty() && loaded.back() == '.') loaded.pop_back();
  return IsStartFileName(loaded) ? "" : loaded;
}
