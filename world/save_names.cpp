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

}  // namespace

bool IsStartFileName(const std::string& name) {
  const std::string file = FileNameOf(name);
  return std::any_of(std::begin(kStartFileNames), std::end(kStartFileNames),
                     [&](const char* start) { return SameFileNameIgnoringCase(file, start); });
}

std::optional<std::string> SavedGameReplaced(const std::string& name) {
  if (SameFileNameIgnoringCase(FileNameOf(name), kAutosaveName)) return std::nullopt;
  auto file = FindFileIgnoringCase(name + ".GMR");
  if (!file) file = FindFileIgnoringCase(name + ".GMP");
  if (!file) return std::nullopt;
  return file->stem().string();
}

std::string ProposedSaveName() {
  if (!SavedGameName.empty()) return SavedGameName;
  // The loaded game's name keeps the dot its companion files' extensions follow.
  std::string loaded = GameFileName;
  if (!loaded.empty() && loaded.back() == '.') loaded.pop_back();
  return IsStartFileName(loaded) ? "" : loaded;
}
