#include "world/save_load.h"

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>

#include "support/window_fixture.h"
#include "tests/world/force_builders.h"
#include "world/codes.h"
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
  GameState.Cities[9].OriginalSide = 7;  // unknown: the Union's once loaded
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

TEST_F(SaveLoadTest, AGameFindsItsMapWhateverTheCaseAndLengthOfItsName) {
  EXPECT_EQ(NameWithoutExtension("v1.2/Game7"), "v1.2/Game7") << "a dot in a folder is no extension";
  SaveAndReplace("save");
  fs::rename(PathOf("save.GMR"), PathOf("1861.gmr"));
  fs::rename(PathOf("save.GMP"), PathOf("1861.gmp"));
  ASSERT_TRUE(LoadGame(PathOf("1861.gmr")));
  EXPECT_EQ(GameFileName, PathOf("1861."));
  EXPECT_EQ(GameState.Year, 1862);

  const std::string name = std::string(60, 'a') + "/" + std::string(60, 'b');
  fs::create_directory(PathOf(std::string(60, 'a')));
  ASSERT_TRUE(LoadGame(SaveAndReplace(name)));
  EXPECT_EQ(GameFileName, PathOf(name + "."));
}

TEST_F(SaveLoadTest, AFileOfTheWrongSizeOrWithoutItsMapIsRefused) {
  struct Case {
    const char* name;
    std::size_t game;
    std::size_t map;  // 0: no map file
    const char* reason;
  };
  for (const Case& c : {Case{"Short", 41355, 12312, "41355 bytes long"},
                        Case{"Long", 41357, 12312, "41357 bytes long"},
                        Case{"ShortMap", 41356, 100, "map"}, Case{"NoMap", 41356, 0, "map file"}}) {
    const std::string name = c.name;
    WriteFile(name + ".GMR", c.game);
    if (c.map != 0) WriteFile(name + ".GMP", c.map);
    ExpectRefused(PathOf(name + ".GMR"), c.reason);
  }
  ExpectRefused(PathOf("Nothing.GMR"), "missing");
}

// A small consistent game: a Union city garrisoned by one brigade, a Union
// corps on it with a brigade, another Union corps, a Confederate corps and a
// fleet at sea. Each row damages it; the file is refused naming the record and
// field, or loads, repaired where the load corrections repair it, and saves
// and loads back.
TEST_F(SaveLoadTest, AGameTheRulesCannotPlayIsRefusedNamingRecordAndField) {
  struct Case {
    const char* refusal;  // empty: the file loads
    std::function<void()> damage;
    std::function<bool()> holds_after_loading = [] { return true; };
  };
  const int city = AddCity(5, 5, TSide::Union);
  const int corps = AddCorps(5, 5, TSide::Union, TNation::Union);
  const int other = AddCorps(9, 9, TSide::Union, TNation::Union);
  const int rebel = AddCorps(20, 20, TSide::Confederate, TNation::Confederacy);
  const int fleet = AddFleet(30, 30, TSide::Union, TNation::Union);
  const int army = AddArmy(5, 5, TSide::Union, TNation::Union);
  GameState.Corps[corps].Army = static_cast<std::uint8_t>(army);
  for (int c = 1; c <= 3; ++c) GameState.Corps[c].Leader = static_cast<std::uint8_t>(c);
  TBrigade& serving = GameState.Brigades[AddBrigade({.location = corps})];
  TBrigade& guard =
      GameState.Brigades[AddBrigade({.status = TBrigadeStatus::InGarrison, .location = city})];
  GameState.Cities[city].GarrisonCount = 1;
  GameState.Cities[city].Theatre = TTheatre::West;
  const Case cases[] = {
      {"corps 1 has Leader 211, beyond the last (210)",
       [&] { GameState.Corps[corps].Leader = 211; }},
      {"hex (4, 9) has state 38", [] { MapRecord.Cell(4, 9).Bytes[2] = 38; }},
      {"brigade 2 has Location 100, beyond the last (86)", [&] { guard.Location = 100; }},
      {"corps 1 has X, Y (0, 5), off the map", [&] { GameState.Corps[corps].X = 0; }},
      {"fleet 1 has X, Y (30, 0), off the map", [&] { GameState.Fleets[fleet].Y = 0; }},
      {"brigade 1 has Location 3, a corps of another nation", [&] { serving.Location = 3; }},
      {"brigade 1 has Location 4, a free corps slot", [&] { serving.Location = 4; }},
      {"brigade 1 has Status 3, which no rule knows", [&] { serving.Status = 3; }},
      {"brigade 1 has Status 6, which no rule knows", [&] { serving.Status = 6; }},
      {"brigade 2 has Location 0, no city", [&] { guard.Location = 0; }},
      {"city 1 has X, Y (6, 5), not a city hex", [&] { GameState.Cities[city].X = 6; }},
      {"the game has Day 0, not 1, 11 or 21", [] { GameState.Day = 0; }},
      {"the game has Day 12, not 1, 11 or 21", [] { GameState.Day = 12; }},
      {"the game has Month 0, not a month", [] { GameState.Month = 0; }},
      {"the game has Month 13, not a month", [] { GameState.Month = 13; }},
      {"fleet 1 has Corps 4, a free corps slot", [&] { GameState.Fleets[fleet].Corps = 4; }},
      {"corps 2 has Stance embarked, carried by 0 fleets",
       [&] { GameState.Corps[other].Stance = TCombatStance::Embarked; }},
      // The end of the orders keeps the leader's last command.
      {"", [&] { GameState.Corps[other].Leader = 1; },
       [&] { return GameState.Corps[other].Leader == 1; }},
      {"", [&] { GameState.Cities[city].GarrisonCount = 0; },
       [&] { return GameState.Cities[city].GarrisonCount == 1; }},
      // Free slots are not read before they are filled; bit 7 of a hex's
      // state is a mark of its own.
      {"", [&] { GameState.Corps[50].Leader = GameState.Fleets[50].Corps = 250; }},
      {"",
       [] {
         MapRecord.Cell(10, 10).SetTerrain(1);
         MapRecord.Cell(10, 10).Bytes[2] = 128 + 37;
       }},
      // An army's corps serve in an army of their own nation that is in use,
      // and an army in use has a nation and headquarters.
      {"corps 1 has Army 1, an army of another nation",
       [&] { GameState.Armies[army].Nation = TNation::Confederacy; }},
      {"corps 2 has Army 2, a free army slot", [&] { GameState.Corps[other].Army = 2; }},
      {"army 2 has Nation 0, no nation, with headquarters in city 1",
       [&] { GameState.Armies[2].HqCity = static_cast<std::uint8_t>(city); }},
      {"army 1 has HqCity 0, no headquarters, for an army of nation 1",
       [&] { GameState.Armies[army].HqCity = 0; }},
      // A city off the map is an unused entry.
      {"fleet 1 has HomePort 85, a city with no place on the map",
       [&] { GameState.Fleets[fleet].HomePort = 85; }},
      {"fleet 1 has Objective 2, a city with no place on the map",
       [&] { GameState.Fleets[fleet].Objective = 2; }},
      {"", [&] { GameState.Fleets[fleet].HomePort = GameState.Fleets[fleet].Objective = 1; }},
      // The Union fights in its camp, the others in the Confederacy's; a
      // beaten or neutral nation in none.
      {"nation 1 has Side 2, a camp it never fights in", [] { GameState.Nations[1].Side = 2; }},
      {"nation 2 has Side 1, a camp it never fights in", [] { GameState.Nations[2].Side = 1; }},
      {"nation 4 has Side 1, a camp it never fights in", [] { GameState.Nations[4].Side = 1; }},
      {"", [] { GameState.Nations[3].Side = 2; }},
      // Of the warring nations only a capitulated one stands in no camp: the
      // capitulation takes its capital and frees its corps.
      {"nation 1 has Side 0, out of the war while it keeps capital 1",
       [&] {
         GameState.Nations[1].Side = 0;
         GameState.Nations[1].Capital = static_cast<std::uint8_t>(city);
       }},
      {"nation 2 has Side 0, out of the war while its corps 3 is in the field",
       [] { GameState.Nations[2].Side = 0; }},
      {"",
       [&] {
         GameState.Nations[2].Side = 0;
         GameState.Corps[rebel].Inactive = 1;
       }},
      // A city on the map lies in one of the three theatres.
      {"city 1 has Theatre 0, in no theatre", [&] { GameState.Cities[city].Theatre = 0; }},
      {"city 1 has Theatre 4, beyond the last (3)", [&] { GameState.Cities[city].Theatre = 4; }},
      {"", [&] { GameState.Cities[city].Theatre = TTheatre::Seaboard; }},
      {"", [&] { GameState.Cities[city].Theatre = TTheatre::Mississippi; }},
      // The modes are 0, 2, 3 and 4; the high byte is part of the number.
      {"the game has PlayMode 259, which is no way of playing", [] { GameState.PlayMode = 259; }},
      {"the game has PlayMode 1, which is no way of playing", [] { GameState.PlayMode = 1; }},
      {"the game has PlayMode 5, which is no way of playing", [] { GameState.PlayMode = 5; }},
      {"", [] { GameState.PlayMode = 4; }},
      // Water belongs to no state and no camp; the blank map is all water.
      {"hex (12, 12) has state 5, a state on water", [] { MapRecord.Cell(12, 12).Bytes[2] = 5; }},
      {"hex (12, 12) has owner 2, a camp on water", [] { MapRecord.Cell(12, 12).SetOwner(2); }},
      {"", [] { MapRecord.Cell(12, 12).Bytes[2] = 128; }},
      // The load gives (65, 15) the terrain of (65, 14); made water, it keeps
      // no state and no camp. A game the load's repairs would leave unplayable
      // is refused.
      {"",
       [] {
         MapRecord.Cell(65, 15).SetTerrain(1);
         MapRecord.Cell(65, 15).SetOwner(TSide::Union);
         MapRecord.Cell(65, 15).Bytes[2] = 128 + 5;
       },
       [] {
         const TMapCell& hex = MapRecord.Cell(65, 15);
         return hex.Terrain() == TTerrain::Water && hex.Owner() == 0 && hex.StateByte() == 128;
       }},
      {"after the repairs every load makes, city 2 has X, Y (65, 15), not a city hex",
       [] { GameState.Cities[AddCity(65, 15, TSide::Union)].Theatre = TTheatre::West; }},
  };
  GameState.PlayMode = 3;  // nothing derived is rebuilt
  ASSERT_TRUE(SaveGame(PathOf("Sound")));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.refusal);
    ASSERT_TRUE(LoadGame(PathOf("Sound.GMR")));
    c.damage();
    const std::string file = SaveAndReplace("Damaged");
    if (*c.refusal != 0) {
      ExpectRefused(file, c.refusal);
    } else {
      EXPECT_TRUE(LoadGame(file));
      EXPECT_TRUE(c.holds_after_loading());
      // Whatever loads can be kept.
      EXPECT_TRUE(LoadGame(SaveAndReplace("Kept"))) << ::testing::PrintToString(window.Messages());
    }
  }
}

// Whatever the other checks let through, a file whose load would not come
// back the same from its own save is refused, the game in play kept. Here the
// land hex the load copies onto (65, 15) belongs to state 1 under a camp its
// state does not hold: loading gives it to the state's camp, and loading the
// save again would copy that camp onto (65, 15), a hex of no state that the
// control of the hexes leaves as it is.
TEST_F(SaveLoadTest, AGameThatWouldNotLoadBackToItselfIsRefused) {
  for (int y : {14, 15}) MapRecord.Cell(65, y).SetTerrain(1);
  MapRecord.Cell(65, 14).Bytes[2] = 1;
  MapRecord.Cell(65, 14).SetOwner(TSide::Union);
  GameState.States[1].ControlSide = TSide::Union;
  ASSERT_TRUE(LoadGame(SaveAndReplace("Settled")));

  MapRecord.Cell(65, 14).SetOwner(TSide::Confederate);
  ExpectRefused(SaveAndReplace("Unsettled"),
                "hex (65, 15), byte 1 is 65 when saved and loaded again, 129 in play");
}

TEST_F(SaveLoadTest, TheSetUpIsOfferedOnlyForANewGameOutsidePlayByMail) {
  struct Case {
    int month;
    int year;
    int mode;
    bool set_up;
  };
  window.OnSetupOptions = [] { GameOverCode = 1; };
  // Mode 1 is no mode: such a file is refused.
  for (const Case& c : {Case{4, 1861, 0, true}, Case{4, 1861, 2, false}, Case{4, 1861, 3, false},
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

// Every loaded game shows its weather on the gauges at once: a mail game the
// weather it was sent with, any other the weather rolled again.
TEST_F(SaveLoadTest, OnlyAGameNotYetInTheMailCycleRebuildsItsWeather) {
  GameState.Weather[1] = 6;
  // Rolled again on loading, the seaboard's weather comes out one below the table's 6.
  std::memset(GameState.WeatherTable, 6, sizeof GameState.WeatherTable);
  for (int mode : {0, 2, 3, 4}) {
    GameState.PlayMode = static_cast<std::uint16_t>(mode);
    GameState.Weather[1] = 6;
    const std::string file = SaveAndReplace("Weather");
    RecordingWindow fresh;
    InstallGameWindow(&fresh);
    ASSERT_TRUE(LoadGame(file));
    InstallGameWindow(&window);
    const bool rebuilt = mode == 0 || mode == 2;
    EXPECT_EQ(GameState.Weather[1], rebuilt ? 5 : 6) << "mode " << mode;
    EXPECT_EQ(fresh.GaugeValue(WindowGauge::Gauge1), rebuilt ? 42 : 84) << "mode " << mode;
  }
}

TEST_F(SaveLoadTest, ALoadedGameIsReadiedForTheSideToPlay) {
  GameState.Nations[1].Human = 0;
  GameState.Nations[2].Human = 1;
  GameState.MessageView = 2;
  const std::string file = SaveAndReplace("Ready");
  CurrentCorps = 4;
  CurrentLeader = 9;
  GameOverCode = 1;

  ASSERT_TRUE(LoadGame(file));

  EXPECT_EQ(GameOverCode, 0);
  EXPECT_EQ(GameState.MessageView, 0);
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
