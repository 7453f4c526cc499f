#include "ui/main/turn_animation.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "opened_window.h"
#include "support/battle_block.h"
#include "support/turn_runner.h"
#include "ui/main/main_commands.h"
#include "warfare/recording_battle_views.h"
#include "world/codes.h"
#include "world/file_io.h"
#include "world/play_modes.h"
#include "world/save_load.h"
#include "world/text_table.h"
#include "world/random.h"
#include "world/vardecl.h"
#include "world/weather_gauges.h"

namespace {

// The window's own port, keeping every value the turn gauge is given and
// opening the game file the test names.
class GaugeWatchingPort : public TWindowPort {
 public:
  using TWindowPort::TWindowPort;
  void SetGauge(WindowGauge gauge, int value) override {
    TWindowPort::SetGauge(gauge, value);
    if (gauge == WindowGauge::TurnProgressGauge) turn_gauge.push_back(value);
  }
  std::optional<std::string> AskGameFileToOpen() override { return file_to_open; }
  std::vector<int> turn_gauge;
  std::string file_to_open;
};

std::vector<std::uint8_t> GameBytes() {
  std::vector<std::uint8_t> bytes(sizeof(GameState) + sizeof(TMapRecord));
  std::memcpy(bytes.data(), &GameState, sizeof(GameState));
  std::memcpy(bytes.data() + sizeof(GameState), &MapRecord, sizeof(TMapRecord));
  return bytes;
}

void RestoreGameBytes(const std::vector<std::uint8_t>& bytes) {
  std::memcpy(&GameState, bytes.data(), sizeof(GameState));
  std::memcpy(&MapRecord, bytes.data() + sizeof(GameState), sizeof(TMapRecord));
}

// The 1862 start with the Union played by hand and the Confederacy by the
// computer, every turn re-seeded from a counted source, the game's files in a
// folder of the test's own.
class TurnAnimationTest : public OpenedWindowTest {
 protected:
  void SetUp() override {
    OpenedWindowTest::SetUp();
    InstallGameWindow(&watch);
    previous_views_ = InstallBattleViews(&battle_views);
    previous_folder_ = std::filesystem::current_path();
    // A folder no other test process can share: tests run side by side.
    std::string pattern = (std::filesystem::temp_directory_path() / "graymarch-anim-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder_ = pattern;
    std::filesystem::current_path(folder_);
    answer = [this](TForm& form) {
      if (form.Name() == "Intro_Load") {
        ClickOn(form, "RadioButton2");
        ClickOn(form, "Button1");
      }
      if (form.Name() == "sideselect") ClickOn(form, "Button1");
    };
    session.Backend().Advance(100);
    answer = {};
    GameState.Nations[TNation::Confederacy].Human = 0;
    ReseedCounted();
  }
  void TearDown() override {
    SetRandomizeSource({});
    std::filesystem::current_path(previous_folder_);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
    InstallBattleViews(previous_views_);
    OpenedWindowTest::TearDown();
  }

  static void ReseedCounted() {
    SetRandomizeSource([seed = std::uint32_t{1862}]() mutable { return seed++; });
  }
  // Ticks the movement timer until the turn is closed; the result is the
  // number of ticks.
  int TickUntilTheTurnCloses() {
    int ticks = 0;
    while (window.Timer1->Enabled() && ticks < 100000) {
      session.Backend().Advance(window.Timer1->Interval());
      ++ticks;
    }
    return ticks;
  }

  GaugeWatchingPort watch{window};
  RecordingBattleViews battle_views;

 private:
  BattleViews* previous_views_ = nullptr;
  std::filesystem::path previous_folder_;
  std::filesystem::path folder_;
};

TEST_F(TurnAnimationTest, AWindowTurnEndsInTheSameGameAsTheHeadlessRunnersTurn) {
  ASSERT_EQ(CurrentSide, TNation::Union);
  const std::vector<std::uint8_t> before = GameBytes();
  const int day = GameState.Day;

  FindOwned<TMenuItem>(window, "Execute1")->Click();
  EXPECT_TRUE(window.Timer1->Enabled());
  EXPECT_FALSE(FindOwned<TMenuItem>(window, "Execute1")->Enabled()) << "no second execute mid-turn";
  EXPECT_GT(TickUntilTheTurnCloses(), 38) << "at least one tick per pass";
  EXPECT_FALSE(window.Timer1->Enabled());
  ASSERT_EQ(GameOverCode, 0);
  EXPECT_NE(GameState.Day, day);
  EXPECT_EQ(CurrentSide, TNation::Union) << "the one human side gives the next orders";
  EXPECT_TRUE(FindOwned<TMenuItem>(window, "Execute1")->Enabled());
  const std::vector<std::uint8_t> through_window = GameBytes();

  RestoreGameBytes(before);
  ReseedCounted();
  TurnRunner runner;
  runner.RunTurn();
  EXPECT_TRUE(GameBytes() == through_window)
      << "the window's turn and the runner's differ in the game or the map";
}

// Execute starts the gauge at 1, the end of the orders leaves it at 110 and
// each of the nineteen fleet passes adds 10, to 300 at step 20; the close of
// the turn then empties it for the next.
TEST_F(TurnAnimationTest, TheTurnGaugeClimbsFromExecuteToTheLastStep) {
  watch.turn_gauge.clear();
  FindOwned<TMenuItem>(window, "Execute1")->Click();
  ASSERT_FALSE(watch.turn_gauge.empty());
  EXPECT_EQ(watch.turn_gauge.front(), 1);
  EXPECT_EQ(watch.turn_gauge.back(), 110) << "the end of the orders, before any move";
  watch.turn_gauge.clear();
  TickUntilTheTurnCloses();
  std::vector<int> passes;
  for (int progress = 120; progress <= 300; progress += 10) passes.push_back(progress);
  passes.push_back(0);
  EXPECT_EQ(watch.turn_gauge, passes);
  EXPECT_EQ(GameState.Step, 20);
}

// Hot seat: the turn waits, telling the player, until the second human side
// has been chosen and has given its orders; after it no side is current until
// the players choose one.
TEST_F(TurnAnimationTest, HotSeatSidesHandOverThroughTheSideChoice) {
  GameState.Nations[TNation::Confederacy].Human = 1;
  GameState.Nations[TNation::Confederacy].OrdersDone = 0;
  const int day = GameState.Day;
  FindOwned<TMenuItem>(window, "Execute1")->Click();
  EXPECT_FALSE(window.Timer1->Enabled());
  EXPECT_EQ(modal_forms["MessageDialog"], 1) << "the Confederacy's orders are missing";
  EXPECT_EQ(CurrentSide, 0);
  EXPECT_EQ(GameState.Day, day);

  answer = [this](TForm& form) {
    if (form.Name() == "sideselect") ClickOn(form, "Button2");
  };
  FindOwned<TMenuItem>(window, "SideChange")->Click();
  ASSERT_EQ(CurrentSide, TNation::Confederacy);
  FindOwned<TMenuItem>(window, "Execute1")->Click();
  EXPECT_TRUE(window.Timer1->Enabled());
  TickUntilTheTurnCloses();
  EXPECT_NE(GameState.Day, day);
  EXPECT_EQ(CurrentSide, 0);
  EXPECT_EQ(FindOwned<TMenuItem>(window, "SideChange")->Caption(), TextLine(464));
}

// A mail turn: executed, it becomes one to send; saved and loaded by the other
// player, it is played back move by move, and the playback leaves the game as
// it was received, now the receiver's to play. The sender's battle is shown,
// its three Union rows and the result, and never fought again.
TEST_F(TurnAnimationTest, AMailTurnIsSentReceivedAndPlayedBackUnchanged) {
  GameState.PlayMode = TPlayMode::MailToSend;
  GameState.MailSide = TNation::Union;
  std::vector<std::string> messages;
  answer = [&messages](TForm& form) {
    if (form.Name() == "MessageDialog") messages.push_back(FindOwned<TLabel>(form, "Message")->Caption());
  };
  FindOwned<TMenuItem>(window, "Execute1")->Click();
  TickUntilTheTurnCloses();
  ASSERT_EQ(GameState.PlayMode, TPlayMode::MailReceived);
  ASSERT_FALSE(messages.empty());
  EXPECT_EQ(messages.back(), TextLine(728));
  EXPECT_FALSE(FindOwned<TMenuItem>(window, "Execute1")->Enabled());
  EXPECT_FALSE(FindOwned<TMenuItem>(window, "Playback1")->Enabled())
      << "the sender has received nothing to replay";
  EXPECT_FALSE(window.Speedbutton2->Enabled());

  GameState.BattleCount = 1;
  ASSERT_TRUE(SaveGame("Sent"));
  std::vector<std::string> battle_file = {"No History"};
  for (const std::string& line : BattleBlock("Shiloh", 3, 10)) battle_file.push_back(line);
  battle_file.push_back("TurnOver");
  ASSERT_EQ(WriteTextLines("Sent.BTL", battle_file), "");
  watch.file_to_open = "Sent.GMR";
  FindOwned<TMenuItem>(window, "LoadGame1")->Click();
  ASSERT_TRUE(FindOwned<TMenuItem>(window, "Playback1")->Enabled());
  const std::vector<std::uint8_t> received = GameBytes();
  int moved_corps = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    if (!GameState.Corps[c].IsFree() && GameState.Corps[c].StepDone[1] != 0) moved_corps = c;
  }
  ASSERT_NE(moved_corps, 0) << "some corps marched in the sent turn";

  std::vector<std::string> shown;
  answer = [&shown](TForm& form) {
    if (form.Name() == "Treplay1") shown.push_back(FindOwned<TLabel>(form, "Label43")->Caption());
    if (form.Name() != "TReplay2") return;
    for (const char* label : {"Label5", "Label6", "Label22", "Label50", "Label53"}) {
      const TLabel* cell = FindOwned<TLabel>(form, label);
      shown.push_back(cell->Visible() ? cell->Caption() : "hidden");
    }
  };
  FindOwned<TMenuItem>(window, "Playback1")->Click();
  const TCorps& corps = GameState.Corps[moved_corps];
  EXPECT_EQ(corps.X, corps.StartX) << "the replay starts from the start hexes";
  EXPECT_EQ(corps.Y, corps.StartY);
  EXPECT_GT(TickUntilTheTurnCloses(), 38);
  EXPECT_EQ(window.TurnProgressGauge->Progress(), 300);
  EXPECT_EQ(GameState.PlayMode, TPlayMode::MailToSend);
  const std::vector<std::string> battle = {"Shiloh",   "union commander 3",  "hidden",
                                           "confederate commander 10", "result", "result 2"};
  EXPECT_EQ(shown, battle);
  EXPECT_FALSE(FindOwned<TMenuItem>(window, "Playback1")->Enabled());
  EXPECT_TRUE(FindOwned<TMenuItem>(window, "Execute1")->Enabled());
  EXPECT_EQ(CurrentSide, TNation::Union);
  GameState.PlayMode = TPlayMode::MailReceived;
  EXPECT_TRUE(GameBytes() == received) << "the replay changed the received game";
}

// Playback belongs to a received mail turn alone.
TEST_F(TurnAnimationTest, PlaybackOutsideAReceivedMailTurnDoesNothing) {
  const std::vector<std::uint8_t> before = GameBytes();
  window.Commands().Playback1Click();
  EXPECT_FALSE(window.Timer1->Enabled());
  EXPECT_TRUE(GameBytes() == before);
}

// A loaded game shows the weather of its theatres at once, whatever the way
// it is played, not only after its next orders.
TEST_F(TurnAnimationTest, ALoadedGameShowsItsTheatreGaugesAtOnce) {
  for (const int mode : {TPlayMode::OneMachine, TPlayMode::MailToSend, TPlayMode::MailReceived}) {
    GameState.PlayMode = static_cast<std::uint16_t>(mode);
    GameState.MailSide = TNation::Union;
    ASSERT_TRUE(SaveGame("Gauges"));
    for (TGauge* gauge : {window.Gauge1, window.Gauge2, window.Gauge3}) gauge->SetProgress(0);
    watch.file_to_open = "Gauges.GMR";
    answer = [](TForm&) {};
    FindOwned<TMenuItem>(window, "LoadGame1")->Click();
    const TGauge* gauges[] = {window.Gauge1, window.Gauge2, window.Gauge3};
    for (int theatre = 1; theatre <= 3; ++theatre) {
      EXPECT_EQ(gauges[theatre - 1]->Progress(), WeatherGaugeValue(GameState.Weather[theatre]))
          << "mode " << mode << ", theatre " << theatre;
    }
  }
}

}  // namespace
