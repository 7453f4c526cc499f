// The shipped start files: sound, reproducible, and saying what history says.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <sstream>
#include <vector>

#include "tests/platform/services/temp_folder.h"
#include "tools/scenario/start_file.h"
#include "tools/scenario/start_point.h"
#include "tools/scenario/validate_scenario.h"
#include "world/codes.h"
#include "world/load_corrections.h"
#include "world/saved_game_check.h"
#include "world/vardecl.h"

namespace {

const char* const kYears[] = {"1861", "1862", "1863"};

std::vector<char> ReadBytes(const std::filesystem::path& file) {
  std::ifstream input(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>()};
}

// A record read whole from the file of that name beside the game.
template <typename Record>
std::unique_ptr<Record> ReadImage(const std::string& name) {
  const auto bytes = ReadBytes(std::filesystem::path(GRAYMARCH_GAME_DIR) / name);
  EXPECT_EQ(bytes.size(), sizeof(Record)) << name;
  auto record = std::make_unique<Record>();
  std::memcpy(static_cast<void*>(record.get()), bytes.data(),
              std::min(bytes.size(), sizeof(Record)));
  return record;
}

std::unique_ptr<TGameState> ReadStartFile(const std::string& year) {
  return ReadImage<TGameState>(year + ".gmr");
}

std::unique_ptr<TMapRecord> ReadStartMap(const std::string& year) {
  return ReadImage<TMapRecord>(year + ".GMP");
}

int BrigadesOf(const TGameState& game, int nation) {
  int count = 0;
  for (int b = 1; b <= 500; ++b) {
    count += !game.Brigades[b].IsFree() && game.Brigades[b].Nation == nation ? 1 : 0;
  }
  return count;
}

class StartFiles : public ::testing::TestWithParam<const char*> {};

TEST_P(StartFiles, PassBothChecksAndHoldAlreadyWhatEveryLoadRepairs) {
  const auto game = ReadStartFile(GetParam());
  const auto map = ReadStartMap(GetParam());
  const auto findings = ValidateScenario(*game, map.get());
  EXPECT_TRUE(findings.empty()) << findings.front();
  EXPECT_EQ(FindIndexOutOfRange(*game), "");
  EXPECT_EQ(FindIndexOutOfRange(*map), "");
  // The game plays what the files say: loading changes nothing.
  std::memcpy(static_cast<void*>(&GameState), game.get(), sizeof(TGameState));
  std::memcpy(static_cast<void*>(&MapRecord), map.get(), sizeof(TMapRecord));
  ApplyLoadCorrections();
  ResetUnknownOriginalSides();
  EXPECT_EQ(std::memcmp(&GameState, game.get(), sizeof(TGameState)), 0);
  EXPECT_EQ(std::memcmp(&MapRecord, map.get(), sizeof(TMapRecord)), 0);
}

TEST_P(StartFiles, AreTheSameBytesWheneverTheyAreCompiled) {
  const ScenarioSources sources = ReadScenarioSources(GRAYMARCH_SCENARIO_SOURCES);
  const MapSources map = ReadMapSources(GRAYMARCH_MAP_SOURCES);
  const TTempFolder temp;
  const auto& folder = temp.Path();
  std::ostringstream report;
  ASSERT_TRUE(CompileStartFile(sources, map, GetParam(), folder, report)) << report.str();
  const auto first = ReadBytes(folder / (std::string(GetParam()) + ".gmr"));
  ASSERT_TRUE(CompileStartFile(sources, map, GetParam(), folder, report)) << report.str();
  EXPECT_EQ(first, ReadBytes(folder / (std::string(GetParam()) + ".gmr")));
  for (const char* extension : {".gmr", ".GMP"}) {
    const std::string name = std::string(GetParam()) + extension;
    EXPECT_EQ(ReadBytes(folder / name), ReadBytes(std::filesystem::path(GRAYMARCH_GAME_DIR) / name))
        << name;
  }
}

INSTANTIATE_TEST_SUITE_P(EachYear, StartFiles, ::testing::ValuesIn(kYears));

TEST(StartFileFacts, RichmondIsCity17InVirginiaHeldByTheConfederacy) {
  for (const char* year : kYears) {
    const auto game = ReadStartFile(year);
    const TCity& richmond = game->Cities[17];
    EXPECT_EQ(richmond.Name.str(), "Richmond") << year;
    EXPECT_EQ(richmond.State, 22) << year;
    EXPECT_EQ(game->States[22].Name.str(), "Virginia") << year;
    EXPECT_EQ(richmond.Side, TSide::Confederate) << year;
    EXPECT_EQ(game->Nations[TNation::Confederacy].Capital, 17) << year;
  }
}

TEST(StartFileFacts, TheUnionFieldsMoreBrigadesEachYear) {
  const auto first = ReadStartFile("1861");
  const auto second = ReadStartFile("1862");
  const auto third = ReadStartFile("1863");
  EXPECT_LT(BrigadesOf(*first, TNation::Union), BrigadesOf(*second, TNation::Union));
  EXPECT_LT(BrigadesOf(*second, TNation::Union), BrigadesOf(*third, TNation::Union));
  EXPECT_EQ(BrigadesOf(*first, TNation::Union), 80);
  EXPECT_EQ(BrigadesOf(*first, TNation::Confederacy), 79);
}

// The South works what it still holds harder each year; the North's industry
// stands. The base word follows the file's own figure, so the set-up's
// advantages restore the right one.
TEST(StartFileFacts, ConfederateIndustryGrowsFromFileToFile) {
  struct Industry {
    const char* year;
    int virginia;
    int pennsylvania;
  };
  for (const Industry& row : {Industry{"1861", 62, 100}, Industry{"1862", 76, 100}, Industry{"1863", 91, 100}}) {
    const auto game = ReadStartFile(row.year);
    EXPECT_EQ(game->States[22].Industry, row.virginia) << row.year;
    EXPECT_EQ(game->States[22].BaseIndustry, row.virginia) << row.year;
    EXPECT_EQ(game->States[10].Industry, row.pennsylvania) << row.year;
  }
}

TEST(StartFileFacts, NassauAndMatamorosAreTheForeignPorts) {
  for (const char* year : kYears) {
    const auto game = ReadStartFile(year);
    const TCity& nassau = game->Cities[86];
    EXPECT_EQ(nassau.Name.str(), "Nassau");
    EXPECT_EQ(nassau.Side, TSide::None);
    EXPECT_EQ(nassau.Nation, TNation::Britain);
    EXPECT_NE(nassau.SeaPort, 0);
    EXPECT_EQ(game->Cities[85].Name.str(), "Matamoros");
    EXPECT_EQ(game->Cities[85].Nation, TNation::France);
  }
}

TEST(StartFileFacts, KentuckyTurnsFromNeutralToUnionAndNashvilleFalls) {
  const auto first = ReadStartFile("1861");
  const auto second = ReadStartFile("1862");
  EXPECT_EQ(first->States[20].Side, TSide::None);
  EXPECT_EQ(second->States[20].Side, TSide::Union);
  EXPECT_EQ(first->Cities[83].Side, TSide::Confederate);
  EXPECT_EQ(second->Cities[83].Side, TSide::Union);
  EXPECT_GT(second->Cities[83].Occupation, 0);
  EXPECT_EQ(second->States[21].ControlSide, TSide::Union);
}

TEST(StartFileFacts, KentuckyIsUnownedUntilItChoosesAndColumbusHoldsWestKentucky) {
  const auto first = ReadStartMap("1861");
  const auto second = ReadStartMap("1862");
  const auto game = ReadStartFile("1862");
  const TCity& columbus = game->Cities[45];
  const TCity& louisville = game->Cities[43];
  EXPECT_EQ(first->Cell(louisville.X, louisville.Y).Owner(), TSide::None);
  EXPECT_EQ(first->Cell(columbus.X, columbus.Y).Owner(), TSide::None);
  EXPECT_EQ(second->Cell(louisville.X, louisville.Y).Owner(), TSide::Union);
  EXPECT_EQ(second->Cell(columbus.X, columbus.Y).Owner(), TSide::Confederate);
  EXPECT_EQ(second->Cell(columbus.X, columbus.Y + 1).Owner(), TSide::Confederate);
}

TEST(StartFileFacts, TheLittleRockRailwayOpensIn1862) {
  const auto first = ReadStartMap("1861");
  const auto second = ReadStartMap("1862");
  EXPECT_FALSE(first->Cell(17, 25).LinkFlag());
  EXPECT_TRUE(second->Cell(17, 25).LinkFlag());
  EXPECT_EQ(ReadStartFile("1861")->Cities[51].RailStation, 0);
  EXPECT_NE(ReadStartFile("1862")->Cities[51].RailStation, 0);
}

TEST(StartFileFacts, EachCommanderHoldsOneCommandAndEachArmyNameMarksItsArmy) {
  const auto game = ReadStartFile("1863");
  int usedNames = 0;
  for (int n = 1; n <= 2; ++n) {
    for (int k = 1; k <= 9; ++k) usedNames += game->ArmyNames[n][k].Used == 2 ? 1 : 0;
  }
  int armies = 0;
  for (int a = 1; a <= 15; ++a) armies += game->Armies[a].IsFree() ? 0 : 1;
  EXPECT_EQ(armies, 9);
  EXPECT_EQ(usedNames, armies);
  EXPECT_EQ(game->Leaders[game->Armies[1].Leader].Name.str(), "J. Hooker");
}

}  // namespace
