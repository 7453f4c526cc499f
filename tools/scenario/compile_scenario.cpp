// compile_scenario SOURCES OUTPUT YEAR...: builds the start file of each year
// from the sources and writes it into OUTPUT as <year>.gmr. A start point that
// fails the check is reported and not written, and the run fails.
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

#include "tools/scenario/start_point.h"
#include "tools/scenario/validate_scenario.h"

namespace {

// Written beside the target and renamed over it, so a failed run never leaves
// half a start file.
void WriteImage(const std::filesystem::path& path, const void* image, std::size_t size) {
  const std::filesystem::path temporary = path.string() + ".part";
  {
    std::ofstream output(temporary, std::ios::binary | std::ios::trunc);
    output.write(static_cast<const char*>(image), static_cast<std::streamsize>(size));
    if (!output) throw ScenarioError("cannot write " + temporary.string());
  }
  std::filesystem::rename(temporary, path);
}

bool CompileYear(const ScenarioSources& sources, const std::filesystem::path& output,
                 const std::string& year) {
  auto game = std::make_unique<TGameState>();
  BuildStartPoint(sources, sources.Folder / year, *game);
  const auto findings = ValidateScenario(*game);
  for (const auto& finding : findings) std::cerr << year << ": " << finding << '\n';
  if (!findings.empty()) return false;
  WriteImage(output / (year + ".gmr"), game.get(), sizeof(TGameState));
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 4) {
    std::cerr << "usage: compile_scenario SOURCES OUTPUT YEAR...\n";
    return 2;
  }
  try {
    const ScenarioSources sources = ReadScenarioSources(argv[1]);
    bool sound = true;
    for (int i = 3; i < argc; ++i) sound = CompileYear(sources, argv[2], argv[i]) && sound;
    return sound ? 0 : 1;
  } catch (const std::exception& error) {
    std::cerr << "compile_scenario: " << error.what() << '\n';
    return 1;
  }
}
