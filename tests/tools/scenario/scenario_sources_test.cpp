// The sources: a mistake in a table is reported at its file and line, and a
// start point that fails the check is never written.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "tools/scenario/start_file.h"
#include "tools/scenario/start_point.h"

namespace {

namespace fs = std::filesystem;

// A private copy of the sources, to be spoiled by the test.
fs::path CopyOfSources(const std::string& name) {
  const fs::path folder = fs::path(::testing::TempDir()) / name;
  fs::remove_all(folder);
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
  const fs::path sources = CopyOfSources("unknown_name");
  ReplaceInFile(sources / "1862" / "corps.txt", "| G.W. Smith |", "| G.W. Smyth |");
  const std::string error = BuildError(sources, "1862");
  EXPECT_NE(error.find("1862/corps.txt:"), std::string::npos) << error;
  EXPECT_NE(error.find("unknown leader 'G.W. Smyth'"), std::string::npos) << error;
}

TEST(ScenarioSources, AMissingCityRowIsRefused) {
  const fs::path sources = CopyOfSources("missing_city");
  ReplaceInFile(sources / "cities.txt", "86 | Nassau", "# 86 | Nassau");
  EXPECT_NE(BuildError(sources, "1861").find("cities.txt: expected 86 rows"), std::string::npos);
}

TEST(ScenarioSources, APerFileValueNeedsAllThreeYears) {
  const fs::path sources = CopyOfSources("two_years");
  ReplaceInFile(sources / "leaders.txt", "5/5/3 | 0/0/101", "5/5 | 0/0/101");
  const std::string error = BuildError(sources, "1861");
  EXPECT_NE(error.find("leaders.txt:"), std::string::npos) << error;
  EXPECT_NE(error.find("a/b/c"), std::string::npos) << error;
}

TEST(ScenarioSources, AStartPointThatFailsTheCheckIsNotWritten) {
  const fs::path sources = CopyOfSources("unsound");
  // McDowell commands in 1862 but would be listed as merely available.
  ReplaceInFile(sources / "leaders.txt", "5/5/3 | 0/0/101", "5/5/3 | 0/100/101");
  const fs::path output = fs::path(::testing::TempDir()) / "unsound_output";
  fs::remove_all(output);
  fs::create_directories(output);
  std::ostringstream report;
  const MapSources map = ReadMapSources(GRAYMARCH_MAP_SOURCES);
  EXPECT_FALSE(CompileStartFile(ReadScenarioSources(sources), map, "1862", output, report));
  EXPECT_NE(report.str().find("I. McDowell"), std::string::npos) << report.str();
  EXPECT_FALSE(fs::exists(output / "1862.gmr"));
  EXPECT_FALSE(fs::exists(output / "1862.GMP"));
}

}  // namespace
