#include "world/save_load.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>

#include "support/window_fixture.h"
#include "world/load_corrections.h"
#include "world/vardecl.h"

namespace {

namespace fs = std::filesystem;

// The whole game in memory, to tell whether anything changed.
struct GameInMemory {
  TGameState game;
  TMapRecord map;
  std::string file_name;

  GameInMemory() {
    std::memcpy(&game, &GameState, sizeof game);
    std::memcpy(&map, &MapRecord, sizeof map);
    file_name = GameFileName;
  }
  bool IsInPlay() const {
    return std::memcmp(&game, &GameState, sizeof game) == 0 &&
           std::memcmp(&map, &MapRecord, sizeof map) == 0 && file_name == GameFileName;
  }
};

class SaveLoadTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    GameState.Day = 11;
    GameState.Month = 6;
    GameState.Year = 1862;
    GameState.StartMonth = 4;
    GameState.StartYear = 1861;
    GameState.Nations[1].Human = 1;
  }

  // Saves the game in memory as `name` and puts another one in its place.
  std::string SaveAndReplace(const std::string& name) {
    EXPECT_TRUE(SaveGame(PathOf(name)));
    PlayAnotherGame();
    return PathOf(name + ".GMR");
  }

  static void PlayAnotherGame() {
    GameState.Year = 1999;
    GameState.Cities[3].Value = 77;
    MapRecord.Cell(5, 5).Bytes[2] = 9;
    GameFileName = "current.";
  }

  void WriteFile(const std::string& name, std::size_t size) const {
    std::ofstream(PathOf(name), std::ios::binary) << std::string(size, '\0');
  }

  // One refusal: the player is told once, and the game in play stays.
  void ExpectRefused(const std::string& file, const std::string& reason) {
    const GameInMemory before;
    window.ForgetRecords();
    EXPECT_FALSE(LoadGame(file));
    ASSERT_EQ(window.Messages().size(), 1u);
    EXPECT_NE(window.Messages()[0].find(reason), std::string::npos) << window.Messages()[0];
    EXPECT_NE(window.Messages()[0].find(file), std::string::npos) << "the file is named";
    EXPECT_TRUE(before.IsInPlay());
    EXPECT_EQ(window.Calls(), std::vector<std::string>{"ShowMessage"});
  }
};

TEST_F(SaveLoadTest, AGameLoadsAsItWasSavedWithTheRepairsApplied) {
  for (int i = 0; i < 3280; ++i) GameState.Reserved38025[i] = static_cast<std::uint8_t>(i * 7);
  GameState.Leaders[210].Name = "Last of the leaders";
  GameState.Cities[9].OriginalSide = 7;
  GameState.PlayMode = 3;  // nothing derived is rebuilt
  MapRecord.Cell(76, 54).Bytes[0] = 0x3F;
  ASSERT_TRUE(SaveGame(PathOf("Round")));
  EXPECT_EQ(fs::file_size(PathOf("Round.GMR")), 41356u);
  EXPECT_EQ(fs::file_size(PathOf("Round.GMP")), 12312u);
  ApplyLoadCorrections();
  ResetUnknownOriginalSides();
  const GameInMemory expected;
  PlayAnotherGame();

  ASSERT_TRUE(LoadGame(PathOf("Round.GMR")));

  EXPECT_EQ(std::memcmp(&expected.game, &GameState, sizeof(TGameState)), 0);
  EXPECT_EQ(std::memcmp(&expected.map, &MapRecord, sizeof(TMapRecord)), 0);
  EXPECT_TRUE(window.Messages().empty());
}

TEST_F(SaveLoadTest, AStartFileFindsItsMapWhateverTheCaseOfItsName) {
  EXPECT_EQ(GameFileNameOf("1861.gmr"), "1861.");
  EXPECT_EQ(NameWithoutExtension("v1.2/Game7"), "v1.2/Game7")
      << "a dot in a folder is no extension";
  SaveAndReplace("save");
  fs::rename(PathOf("save.GMR"), PathOf("1861.gmr"));
  fs::rename(PathOf("save.GMP"), PathOf("1861.GMP"));
  ASSERT_TRUE(LoadGame(PathOf("1861.gmr")));
  EXPECT_EQ(GameFileName, PathOf("1861."));
  EXPECT_EQ(GameState.Year, 1862);

  fs::rename(PathOf("1861.GMP"), PathOf("1861.gmp"));
  PlayAnotherGame();
  ASSERT_TRUE(LoadGame(PathOf("1861.gmr")));
  EXPECT_EQ(GameState.Year, 1862);
}

TEST_F(SaveLoadTest, ANameLongerThanSeventyNineCharactersIsSavedAndLoadedWhole) {
  const std::string name = std::string(60, 'a') + "/" + std::string(60, 'b');
  fs::create_directory(PathOf(std::string(60, 'a')));
  ASSERT_TRUE(LoadGame(SaveAndReplace(name)));
  EXPECT_EQ(GameFileName, PathOf(name + "."));
}

TEST_F(SaveLoadTest, AFileOfTheWrongSizeOrWithoutItsMapIsRefused) {
  WriteFile("Short.GMR", 41355);
  WriteFile("Short.GMP", 12312);
  ExpectRefused(PathOf("Short.GMR"), "41355 bytes long");

  WriteFile("Long.GMR", 41357);
  WriteFile("Long.GMP", 12312);
  ExpectRefused(PathOf("Long.GMR"), "41357 bytes long");

  WriteFile("ShortMap.GMR", 41356);
  WriteFile("ShortMap.GMP", 100);
  ExpectRefused(PathOf("ShortMap.GMR"), "map");

  WriteFile("NoMap.GMR", 41356);
  ExpectRefused(PathOf("NoMap.GMR"), "map file");

  ExpectRefused(PathOf("Nothing.GMR"), "missing");
}

TEST_F(SaveLoadTest, AFileNamingAnEntryBeyondItsTableIsRefused) {
  GameState.Corps[AddCorps(3, 3, 1, 1)].Leader = 211;
  ExpectRefused(SaveAndReplace("BadGame"), "corps 1 has Leader 211");

  GameState.Corps[1].Leader = 0;
  MapRecord.Cell(4, 9).Bytes[2] = 38;
  ExpectRefused(SaveAndReplace("BadMap"), "hex (4, 9) has state 38");
}

TEST_F(SaveLoadTest, TheSetUpIsOfferedOnlyForANewGameOutsidePlayByMail) {
  struct Case {
    int month;
    int year;
    int mode;
    bool set_up;
  };
  window.OnSetupOptions = [] { GameOverCode = 1; };
  for (const Case& c : {Case{4, 1861, 0, true}, Case{4, 1861, 1, true}, Case{4, 1861, 2, false},
                        Case{5, 1861, 0, false}, Case{4, 1862, 0, false}}) {
    GameState.Month = static_cast<std::uint16_t>(c.month);
    GameState.Year = static_cast<std::uint16_t>(c.year);
    GameState.PlayMode = static_cast<std::uint16_t>(c.mode);
    const std::string file = SaveAndReplace("Start");
    window.ForgetRecords();
    ASSERT_TRUE(LoadGame(file));
    EXPECT_EQ(window.CallCount("ShowSetupOptions"), c.set_up ? 1 : 0)
        << c.month << "/" << c.year << " mode " << c.mode;
    EXPECT_EQ(GameOverCode, 0);
  }
}

TEST_F(SaveLoadTest, OnlyAGameNotYetInTheMailCycleRebuildsItsWeather) {
  GameState.Weather[1] = 5;
  // Rolled again on loading, the seaboard's weather comes out one below the table's 6.
  std::memset(GameState.WeatherTable, 6, sizeof GameState.WeatherTable);
  for (int mode : {0, 2, 3, 4}) {
    GameState.PlayMode = static_cast<std::uint16_t>(mode);
    const std::string file = SaveAndReplace("Weather");
    RecordingWindow fresh;
    InstallGameWindow(&fresh);
    ASSERT_TRUE(LoadGame(file));
    InstallGameWindow(&window);
    const bool rebuilt = mode == 0 || mode == 2;
    EXPECT_EQ(fresh.GaugeValue(WindowGauge::Gauge1).has_value(), rebuilt) << "mode " << mode;
    if (rebuilt) {
      EXPECT_EQ(fresh.GaugeValue(WindowGauge::Gauge1), 42);
    }
  }
}

TEST_F(SaveLoadTest, ALoadedGameIsReadiedForTheSideToPlay) {
  GameState.Nations[1].Human = 0;
  GameState.Nations[2].Human = 1;
  GameState.MessageView = 2;
  GameState.Cities[9].OriginalSide = 7;
  GameState.Cities[10].OriginalSide = 3;
  const std::string file = SaveAndReplace("Ready");
  CurrentCorps = 4;
  CurrentLeader = 9;
  GameOverCode = 1;

  ASSERT_TRUE(LoadGame(file));

  EXPECT_EQ(GameOverCode, 0);
  EXPECT_EQ(GameState.MessageView, 0);
  EXPECT_EQ(GameState.Cities[9].OriginalSide, 1) << "an unknown original camp is the Union's";
  EXPECT_EQ(GameState.Cities[10].OriginalSide, 3);
  EXPECT_EQ(CurrentSide, 2);
  EXPECT_EQ(window.SideChangeCaption(), "text 466");
  EXPECT_EQ(window.IsEnabled(WindowCommand::LoadGame1), true);
  EXPECT_EQ(window.IsEnabled(WindowCommand::RaiseCorps1), true);
  EXPECT_EQ(CurrentCorps, 0);
  EXPECT_EQ(CurrentLeader, 0);
  EXPECT_EQ(window.Calls().back(), "RepaintMap");
}

TEST_F(SaveLoadTest, AFailedSaveIsToldToThePlayer) {
  EXPECT_FALSE(SaveGame(PathOf("no such folder/Game")));
  ASSERT_EQ(window.Messages().size(), 1u);
  EXPECT_NE(window.Messages()[0].find("no such folder/Game"), std::string::npos);
}

class LoadGameDialogTest : public SaveLoadTest {};

TEST_F(LoadGameDialogTest, ACancelKeepsTheGameInPlayUntouched) {
  CurrentCorps = 3;
  const GameInMemory before;

  EXPECT_FALSE(LoadGameDialog());

  EXPECT_TRUE(before.IsInPlay());
  EXPECT_EQ(CurrentCorps, 3);
  EXPECT_EQ(window.Calls(), std::vector<std::string>{"AskGameFileToOpen"});
}

TEST_F(LoadGameDialogTest, ARefusedFileIsToldAndTheDialogAsksAgain) {
  const std::string good = SaveAndReplace("Good");
  window.ScriptFileToOpen(PathOf("Missing.GMR"));
  window.ScriptFileToOpen(good);

  EXPECT_TRUE(LoadGameDialog());

  EXPECT_EQ(window.CallCount("AskGameFileToOpen"), 2);
  EXPECT_EQ(window.Messages().size(), 1u);
  EXPECT_EQ(GameState.Year, 1862);
  EXPECT_EQ(window.IsEnabled(WindowCommand::Speedbutton2), false);
}

TEST_F(LoadGameDialogTest, AReceivedMailTurnIsReadiedForItsReplay) {
  GameState.PlayMode = 4;
  GameState.MailSide = 2;
  const std::string file = SaveAndReplace("Mail");
  std::ofstream(PathOf("mail.btl")) << "Battle\r\nNear the river\r\nTurnOver\r\n";
  window.ScriptFileToOpen(file);

  ASSERT_TRUE(LoadGameDialog());

  EXPECT_EQ(window.Messages(), std::vector<std::string>{"text 727"});
  EXPECT_EQ(window.IsEnabled(WindowCommand::Playback1), true);
  EXPECT_EQ(window.IsEnabled(WindowCommand::Speedbutton2), true);
  EXPECT_EQ(window.IsEnabled(WindowCommand::Execute1), false);
  EXPECT_EQ(window.IsEnabled(WindowCommand::SpeedButton1), false);
  EXPECT_EQ(BattleLog, (std::vector<std::string>{"Battle", "Near the river", "TurnOver"}));
  EXPECT_EQ(CurrentSide, 2);

  fs::remove(PathOf("mail.btl"));
  window.ScriptFileToOpen(file);
  ASSERT_TRUE(LoadGameDialog());
  EXPECT_TRUE(BattleLog.empty()) << "a missing battle file is an empty history";
}

TEST_F(LoadGameDialogTest, TwoHumanSidesChooseWhoPlaysNext) {
  GameState.Nations[2].Human = 1;
  window.ScriptFileToOpen(SaveAndReplace("Two"));

  ASSERT_TRUE(LoadGameDialog());

  EXPECT_EQ(window.CallCount("SideChangeClick"), 1);
  EXPECT_EQ(window.Calls().back(), "SideChangeClick");
}

}  // namespace
