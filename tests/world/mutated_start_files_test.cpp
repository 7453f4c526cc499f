// Start files with seeded random damage: each is refused, or, once accepted,
// saves and loads back and plays two turns with every turn invariant holding
// after every phase.
#include <gtest/gtest.h>

#include <fstream>
#include <iostream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "support/turn_invariants.h"
#include "support/turn_runner.h"
#include "world/save_load.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kMutationsPerYear = 60;  // the sanitizers play turns many times slower
#else
constexpr int kMutationsPerYear = 150;
#endif
constexpr std::size_t kMostFindingsReported = 10;
// The date, and the tables from the armies to the brigades: what the rules read most.
constexpr std::size_t kDateBytes = 8;
constexpr std::size_t kTablesBegin = offsetof(TGameState, Armies);
constexpr std::size_t kTablesEnd = offsetof(TGameState, Brigades) + sizeof(TGameState::Brigades);

using Bytes = std::vector<char>;

Bytes ReadBytes(const std::string& file) {
  std::ifstream input(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& file, const Bytes& bytes) {
  std::ofstream(file, std::ios::binary).write(bytes.data(), std::ssize(bytes));
}

// One to three bytes of the date, the tables, anywhere in the game or in the
// map, set to a small number, the largest or anything.
void Mutate(std::mt19937& draw, Bytes& game, Bytes& map) {
  for (int bytes = 1 + static_cast<int>(draw() % 3); bytes > 0; --bytes) {
    const std::uint32_t where = draw() % 4;
    const std::size_t first = where == 1 ? kTablesBegin : 0;
    const std::size_t size = where == 0   ? kDateBytes
                             : where == 1 ? kTablesEnd - kTablesBegin
                             : where == 2 ? game.size()
                                          : map.size();
    char& byte = (where == 3 ? map : game)[first + draw() % size];
    const std::uint32_t value = draw() % 3;
    byte = static_cast<char>(value == 0 ? draw() % 4 : value == 1 ? 255 : draw() % 256);
  }
}

class MutatedStartFiles : public TurnTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(MutatedStartFiles, AreRefusedOrPlayTwoTurnsBreakingNothing) {
  const std::string start = std::string(GRAYMARCH_GAME_DIR) + "/" + GetParam();
  const Bytes game = ReadBytes(start + ".gmr");
  const Bytes map = ReadBytes(start + ".GMP");
  std::vector<std::string> findings;
  int accepted = 0;
  int turns = 0;
  for (int m = 0; m < kMutationsPerYear; ++m) {
    std::mt19937 draw(static_cast<std::uint32_t>(std::stoi(GetParam()) * 1000 + m));
    Bytes damaged_game = game;
    Bytes damaged_map = map;
    // The first is the start file itself, which must load.
    if (m > 0) Mutate(draw, damaged_game, damaged_map);
    WriteBytes(PathOf("damaged.GMR"), damaged_game);
    WriteBytes(PathOf("damaged.GMP"), damaged_map);
    if (!LoadGame(PathOf("damaged.GMR"))) {
      EXPECT_NE(m, 0) << window.Messages().back();
      continue;
    }
    ++accepted;
    // Whatever loads can be kept.
    if (!SaveGame(PathOf("kept")) || !LoadGame(PathOf("kept.GMR")))
      findings.push_back("mutation " + std::to_string(m) + ": " + window.Messages().back());
    SetAllNationsToComputer();
    TurnInvariants invariants("check");
    TurnRunner runner;
    runner.AfterPhase = [&](const std::string& phase) {
      for (const std::string& finding : invariants.CheckRecords()) {
        if (findings.size() < kMostFindingsReported)
          findings.push_back("mutation " + std::to_string(m) + ", " + phase + ": " + finding);
      }
    };
    try {
      turns += runner.RunTurns(2);
    } catch (const std::exception& fault) {
      findings.push_back("mutation " + std::to_string(m) + ": " + fault.what());
    }
  }
  EXPECT_TRUE(findings.empty()) << ::testing::PrintToString(findings);
  std::cout << GetParam() << ": " << kMutationsPerYear << " tried, " << accepted << " accepted, "
            << turns << " turns\n";
}

INSTANTIATE_TEST_SUITE_P(EachStartFile, MutatedStartFiles,
                         ::testing::Values("1861", "1862", "1863"));

class DamagedStartFile : public TurnTest {};

// Hex (65, 15) of a save turned to land in a state: the load makes it the
// water (65, 14) is, and the game plays a turn and is kept.
TEST_F(DamagedStartFile, ALandHexTheLoadMakesWaterPlaysAndIsKept) {
  const std::string start = std::string(GRAYMARCH_GAME_DIR) + "/1861";
  Bytes map = ReadBytes(start + ".GMP");
  const std::size_t hex = 3 * ((65 - 1) * TMapRecord::Rows + (15 - 1));
  map[hex + 1] = 1;   // open land
  map[hex + 2] = 22;  // of a state
  WriteBytes(PathOf("land.GMR"), ReadBytes(start + ".gmr"));
  WriteBytes(PathOf("land.GMP"), map);
  ASSERT_TRUE(LoadGame(PathOf("land.GMR"))) << window.Messages().back();
  SetAllNationsToComputer();
  EXPECT_EQ(TurnRunner().RunTurns(1), 1);

  ASSERT_TRUE(SaveGame(PathOf("kept")));
  window.ForgetRecords();
  EXPECT_TRUE(LoadGame(PathOf("kept.GMR"))) << ::testing::PrintToString(window.Messages());
}

}  // namespace
