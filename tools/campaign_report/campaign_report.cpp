// campaign_report --start 1861|1862|1863 --seed N [--turns N] --csv FILE
//                 [--saves DIR --every N] [--game-dir DIR]
// Plays a campaign with the computer on every side from a start file to its
// end, or for the given number of turns, checking every invariant after every
// phase. Writes one row of figures per turn to the CSV file and, with --saves,
// the game every N turns. Prints each broken invariant, then the outcome;
// exits 1 when an invariant broke, 2 when it could not run.
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <optional>
#include <string>

#include "support/campaign_run.h"
#include "world/save_load.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace fs = std::filesystem;

namespace {

struct Options {
  std::string start;
  std::uint32_t seed = 0;
  int turns = 0;  // 0: to the end
  fs::path csv;
  fs::path saves;
  int every = 0;
  fs::path gameDir = GRAYMARCH_GAME_DIR;
};

constexpr const char* kUsage =
    "usage: campaign_report --start 1861|1862|1863 --seed N [--turns N] --csv FILE "
    "[--saves DIR --every N] [--game-dir DIR]\n";

std::optional<long> Number(const std::string& text) {
  try {
    std::size_t used = 0;
    const long value = std::stol(text, &used);
    if (used == text.size() && value >= 0) return value;
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

std::optional<Options> ParseOptions(int argc, char** argv) {
  std::map<std::string, std::string> given;
  for (int i = 1; i + 1 < argc; i += 2) {
    const std::string name = argv[i];
    if (!name.starts_with("--")) return std::nullopt;
    given[name.substr(2)] = argv[i + 1];
  }
  if (argc % 2 == 0 || !given.contains("start") || !given.contains("seed") || !given.contains("csv"))
    return std::nullopt;
  Options options;
  options.start = given["start"];
  if (options.start != "1861" && options.start != "1862" && options.start != "1863") return std::nullopt;
  const std::optional<long> seed = Number(given["seed"]);
  const std::optional<long> turns = Number(given.contains("turns") ? given["turns"] : "0");
  const std::optional<long> every = Number(given.contains("every") ? given["every"] : "0");
  if (!seed || !turns || !every) return std::nullopt;
  options.seed = static_cast<std::uint32_t>(*seed);
  options.turns = static_cast<int>(*turns);
  options.every = static_cast<int>(*every);
  options.csv = fs::absolute(given["csv"]);
  if (given.contains("saves")) options.saves = fs::absolute(given["saves"]);
  if (given.contains("game-dir")) options.gameDir = fs::absolute(given["game-dir"]);
  // Saves without a period, or a period without saves, is a mistake worth stopping for.
  if (options.saves.empty() != (options.every == 0)) return std::nullopt;
  for (const char* name : {"start", "seed", "turns", "csv", "saves", "every", "game-dir"})
    given.erase(name);
  if (!given.empty()) return std::nullopt;
  return options;
}

// The game writes its autosave and the checks their saves beside it: a folder
// of the run's own, removed at the end. Every save waits for the disk, several
// times a turn, so the folder is kept in memory where the system allows.
class WorkFolder {
 public:
  WorkFolder() {
    const fs::path memory = "/dev/shm";
    const fs::path base = fs::is_directory(memory) ? memory : fs::temp_directory_path();
    std::string pattern = (base / "campaign-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) return;
    folder_ = pattern;
    fs::current_path(folder_);
  }
  ~WorkFolder() {
    std::error_code ignored;
    if (!folder_.empty()) fs::remove_all(folder_, ignored);
  }
  bool Made() const { return !folder_.empty(); }

 private:
  fs::path folder_;
};

int Play(const Options& options) {
  if (!LoadTextTable(options.gameDir / "GMR_ENG.TXT"))
    std::cerr << "campaign_report: no text file in " << options.gameDir << "; texts stay empty\n";
  std::ofstream csv(options.csv);
  if (!csv) {
    std::cerr << "campaign_report: cannot write " << options.csv << '\n';
    return 2;
  }
  if (!options.saves.empty()) fs::create_directories(options.saves);
  const WorkFolder folder;
  if (!folder.Made()) {
    std::cerr << "campaign_report: cannot make a working folder\n";
    return 2;
  }
  CampaignRun campaign;
  if (!campaign.Start((options.gameDir / (options.start + ".gmr")).string(), options.seed)) {
    std::cerr << "campaign_report: the start file of " << options.start << " does not load\n";
    return 2;
  }
  WriteFiguresHeader(csv);
  campaign.PlayTurns(options.turns, [&](const TurnFigures& figures) {
    WriteFiguresRow(csv, figures);
    if (options.every != 0 && figures.turn % options.every == 0)
      SaveGame((options.saves / ("turn" + std::to_string(figures.turn) + "-" + figures.date)).string());
  });
  for (const std::string& finding : campaign.Findings()) std::cout << "broken: " << finding << '\n';
  std::cout << options.start << " seed " << options.seed << ": " << campaign.Outcome() << '\n';
  return campaign.Findings().empty() ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::optional<Options> options = ParseOptions(argc, argv);
  if (!options) {
    std::cerr << kUsage;
    return 2;
  }
  return Play(*options);
}
