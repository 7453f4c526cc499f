#include "tools/scenario/start_file.h"

#include <fstream>
#include <memory>

#include "tools/map/map_checker.h"
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

}  // namespace

bool CompileStartFile(const ScenarioSources& sources, const MapSources& mapSources,
                      const std::string& year, const std::filesystem::path& output,
                      std::ostream& report) {
  auto game = std::make_unique<TGameState>();
  auto map = std::make_unique<TMapRecord>();
  BuildStartPoint(sources, sources.Folder / year, *game);
  BuildStartMap(mapSources, *game, *map);
  auto findings = ValidateScenario(*game, map.get());
  for (auto& fault : CheckMap(*map, game->Year, mapSources.Cities, mapSources.WaterSides)) {
    findings.push_back("map: " + fault);
  }
  for (const auto& finding : findings) report << year << ": " << finding << '\n';
  if (!findings.empty()) return false;
  // The map is named as the game finds it: the game file's name with "GMP" for its extension.
  WriteImage(output / (year + ".GMP"), map.get(), sizeof(TMapRecord));
  WriteImage(output / (year + ".gmr"), game.get(), sizeof(TGameState));
  return true;
}
