// The sources: a mistake in a table is reported at its file and line, and a
// start point that fails the check is never written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/platform/services/temp_folder.h"
#include "tools/scenario/start_file.h"
#include "tools/scenario/start_point.h"

namespace {

namespace fs = std::filesystem;

// A private copy of the sources in a folder of the test's own, to be spoiled.
fs::path CopyOfSources(const TTempFolder& temp) {
  const fs::path folder = temp.Path() / "sources";
  fs::copy(GRAYMARCH_SCENARIO_SOURCES, folder, fs::copy_options::recursive);
  return folder;
}

void ReplaceInFile(const fs::path& file, const std::string& from, const std::string& to) {
  std::ifstream input(file);
  std::stringstream text;
  text << input.rdbuf();
  std::string contents = text.str();
  const auto at = contents.find(from);
  ASSERT_NE(at, std::string::npos) << from;
  contents.replace(at, from.size(), to);
  std::ofstream(file) << contents;
}

std::string BuildError(const fs::path& sources, const std::string& year) {
  try {
    const ScenarioSources read = ReadScenarioSources(sources);
    TGameState game;
    BuildStartPoint(read, sources / year, game);
  } catch (const ScenarioError& error) {
    return error.what();
  }
  return "";
}

TEST(ScenarioSources, AnUnknownNameIsReportedAtItsFileAndLine) {
  const TTempFolder temp;
  const fs::path sources = CopyOfSources(temp);
  ReplaceInFile(sources / "1862" / "corps.txt", "| G.W. Smith |", "| G.W. Smyth |");
  const std::string error = BuildError(sources, "1862");
  EXPECT_NE(error.find("1862/corps.txt:"), std::string::npos) << error;
  EXPECT_NE(error.find("unknown leader 'G.W. Smyth'"), std::string::npos) << error;
}

TEST(ScenarioSources, AMissingCityRowIsRefused) {
  const TTempFolder temp;
  const fs::path sources = CopyOfSources(temp);
  ReplaceInFile(sources / "cities.txt", "86 | Nassau", "# 86 | Nassau");
  EXPECT_NE(BuildError(sources, "1861").find("cities.txt: expected 86 rows"), std::string::npos);
}

TEST(ScenarioSources, APerFileValueNeedsAllThreeYears) {
  const TTempFolder temp;
  const fs::path sources = CopyOfSources(temp);
  ReplaceInFile(sources / "leaders.txt", "5/5/3 | 0/0/101", "5/5 | 0/0/101");
  const std::string error = BuildError(sources, "1861");
  EXPECT_NE(error.find("leaders.txt:"), std::string::npos) << error;
  EXPECT_NE(error.find("a/b/c"), std::string::npos) << error;
}

TEST(ScenarioSources, AStartPointThatFailsTheCheckIsNotWritten) {
  const TTempFolder temp;
  const fs::path sources = CopyOfSources(temp);
  // McDowell commands in 1862 but would be listed as merely available.
  ReplaceInFile(sources / "leaders.txt", "5/5/3 | 0/0/101", "5/5/3 | 0/100/101");
  const fs::path output = temp.Path() / "output";
  fs::create_directories(output);
  std::ostringstream report;
  const MapSources map = ReadMapSources(GRAYMARCH_MAP_SOURCES);
  EXPECT_FALSE(CompileStartFile(ReadScenarioSources(sources), map, "1862", output, report));
  EXPECT_NE(report.str().find("I. McDowell"), std::string::npos) << report.str();
  EXPECT_FALSE(fs::exists(output / "1862.gmr"));
  EXPECT_FALSE(fs::exists(output / "1862.GMP"));
}

}  // namespace
