// Start files with seeded random damage: each is refused, or, once accepted,
// plays two turns with every turn invariant holding after every phase.
#include <gtest/gtest.h>

#include <iostream>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

#include "support/turn_invariants.h"
#include "support/turn_runner.h"
#include "world/save_load.h"
#include "world/vardecl.h"

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr int kMutationsPerYear = 25;  // the sanitizers run the turns many times slower
#else
constexpr int kMutationsPerYear = 200;
#endif
constexpr int kTurns = 2;
constexpr std::size_t kMostFindingsReported = 10;

using Bytes = std::vector<char>;

Bytes ReadBytes(const std::string& file) {
  std::ifstream input(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
}

void WriteBytes(const std::string& file, const Bytes& bytes) {
  std::ofstream(file, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Where a mutation falls: the records the rules read most, or anywhere.
struct Area {
  bool map;
  std::size_t first;
  std::size_t size;
};

template <typename Record>
Area Records(std::size_t offset) {
  return {false, offset, sizeof(Record)};
}

const Area kAreas[] = {
    {false, 0, 8},  // the date
    Records<decltype(TGameState::Armies)>(offsetof(TGameState, Armies)),
    Records<decltype(TGameState::Cities)>(offsetof(TGameState, Cities)),
    Records<decltype(TGameState::Corps)>(offsetof(TGameState, Corps)),
    Records<decltype(TGameState::Fleets)>(offsetof(TGameState, Fleets)),
    Records<decltype(TGameState::Brigades)>(offsetof(TGameState, Brigades)),
    {false, 0, sizeof(TGameState)},
    {true, 0, sizeof(TMapRecord)},
};

// A few bytes set to small numbers, to the largest, or to anything.
void Mutate(std::mt19937& draw, Bytes& game, Bytes& map) {
  const int bytes = 1 + static_cast<int>(draw() % 3);
  for (int i = 0; i < bytes; ++i) {
    const Area& area = kAreas[draw() % std::size(kAreas)];
    Bytes& file = area.map ? map : game;
    const std::uint32_t kind = draw() % 3;
    file[area.first + draw() % area.size] =
        static_cast<char>(kind == 0 ? draw() % 4 : kind == 1 ? 255 : draw() % 256);
  }
}

class MutatedStartFiles : public TurnTest, public ::testing::WithParamInterface<const char*> {
 protected:
  void Note(const std::string& what, const std::vector<std::string>& broken) {
    for (const std::string& finding : broken) {
      if (findings.size() < kMostFindingsReported) findings.push_back(what + ": " + finding);
    }
  }

  std::vector<std::string> findings;
};

TEST_P(MutatedStartFiles, AreRefusedOrPlayTwoTurnsBreakingNothing) {
  const std::string start = std::string(GRAYMARCH_GAME_DIR) + "/" + GetParam();
  const Bytes game = ReadBytes(start + ".gmr");
  const Bytes map = ReadBytes(start + ".GMP");
  ASSERT_EQ(game.size(), sizeof(TGameState));
  ASSERT_EQ(map.size(), sizeof(TMapRecord));
  int accepted = 0;
  int turns = 0;
  for (int m = 0; m < kMutationsPerYear; ++m) {
    std::mt19937 draw(static_cast<std::uint32_t>(m));
    Bytes damaged_game = game;
    Bytes damaged_map = map;
    // The first is the start file itself, which must load.
    if (m > 0) Mutate(draw, damaged_game, damaged_map);
    WriteBytes(PathOf("damaged.GMR"), damaged_game);
    WriteBytes(PathOf("damaged.GMP"), damaged_map);
    const std::string what = std::string(GetParam()) + " mutation " + std::to_string(m);
    if (!LoadGame(PathOf("damaged.GMR"))) {
      EXPECT_NE(m, 0) << window.Messages().back();
      continue;
    }
    ++accepted;
    SetAllNationsToComputer();
    const TurnInvariants invariants("check");
    TurnRunner runner;
    runner.AfterPhase = [&](const std::string& phase) {
      Note(what + ", " + phase, invariants.CheckRecords());
    };
    try {
      turns += runner.RunTurns(kTurns);
    } catch (const std::exception& fault) {
      Note(what, {fault.what()});
    }
  }
  EXPECT_TRUE(findings.empty()) << ::testing::PrintToString(findings);
  RecordProperty("accepted", accepted);
  RecordProperty("turns", turns);
  std::cout << GetParam() << ": " << kMutationsPerYear << " tried, " << accepted << " accepted, "
            << turns << " turns\n";
}

INSTANTIATE_TEST_SUITE_P(EachStartFile, MutatedStartFiles, ::testing::Values("1861", "1862", "1863"));

}  // namespace
