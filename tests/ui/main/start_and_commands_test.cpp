#include "ui/main/main_commands.h"

#include <gtest/gtest.h>

#include "opened_window.h"
#include "platform/controls/label.h"
#include "turn/movement_driver.h"
#include "ui/main/start/delay_form.h"
#include "world/game_date.h"
#include "world/recording_window.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

TEST_F(OpenedWindowTest, TheStartChoosesAScenarioItsSetUpAndTheSideToPlay) {
  answer = [this](TForm& form) {
    if (form.Name() == "Intro_Load") {
      ClickOn(form, "RadioButton2");
      ClickOn(form, "Button1");
    }
    if (form.Name() == "sideselect") {
      EXPECT_TRUE(FindOwned<TControl>(form, "Button2")->Enabled()) << "both sides are human";
      ClickOn(form, "Button1");
    }
  };
  session.Backend().Advance(100);
  EXPECT_EQ(modal_forms["Intro_Load"], 1);
  EXPECT_EQ(modal_forms["sideselect"], 1);
  EXPECT_EQ(GameState.StartYear, 1862);
  EXPECT_EQ(CurrentSide, 1);
  EXPECT_TRUE(FindOwned<TMenuItem>(window, "Execute1")->Enabled());
  EXPECT_TRUE(FindOwned<TMenuItem>(window, "ForceStatus1")->Enabled());
  EXPECT_EQ(window.DatePanel->Caption(), FormatGameDate());
  EXPECT_NE(window.DatePanel->Caption().find("1862"), std::string::npos);
  EXPECT_EQ(FindOwned<TMenuItem>(window, "SideChange")->Caption(), TextLine(465));
  EXPECT_EQ(GameOverCode, 0);
  EXPECT_FALSE(window.Timer1->Enabled());
  session.Backend().Advance(1000);
  EXPECT_EQ(modal_forms["Intro_Load"], 1) << "only the first tick starts the game";
}

TEST_F(OpenedWindowTest, CancellingTheLoadDialogAsksForTheScenarioAgain) {
  answer = [this](TForm& form) {
    if (form.Name() == "Intro_Load") {
      ClickOn(form, modal_forms["Intro_Load"] == 1 ? "RadioButton4" : "RadioButton1");
      ClickOn(form, "Button1");
    }
    if (form.Name() == "FileDialog") form.SetModalResult(mrCancel);
    if (form.Name() == "sideselect") ClickOn(form, "Button2");
  };
  session.Backend().Advance(100);
  EXPECT_EQ(modal_forms["FileDialog"], 1);
  EXPECT_EQ(modal_forms["Intro_Load"], 2);
  EXPECT_EQ(GameState.StartYear, 1861);
  EXPECT_EQ(CurrentSide, 2);
  EXPECT_EQ(FindOwned<TMenuItem>(window, "SideChange")->Caption(), TextLine(466));
}

TEST(MovementInterval, EachSpeedHasItsIntervalAndAnyOtherTheDesignOne) {
  const unsigned want[] = {100, 100, 200, 300, 600, 1000, 100};
  for (int delay = 0; delay <= 6; ++delay) EXPECT_EQ(MovementInterval(delay), want[delay]) << delay;
}

// The commands talk to a recording window, which shows what each one asked for.
class CommandsTest : public OpenedWindowTest {
 protected:
  void SetUp() override {
    OpenedWindowTest::SetUp();
    InstallGameWindow(&recorder);
    // The orders phase: the start is over and the timer rests.
    window.Timer1->SetEnabled(false);
    CurrentSide = 1;
  }
  void Choose(const char* item) { FindOwned<TMenuItem>(window, item)->Click(); }

  RecordingWindow recorder;
};

TEST_F(CommandsTest, EachCommandDoesItsWorkOnce) {
  Choose("HexOutline1");
  EXPECT_TRUE(HexGridVisible);
  EXPECT_TRUE(FindOwned<TMenuItem>(window, "VisibleFleetMoves1")->Checked());
  Choose("VisibleFleetMoves1");
  EXPECT_FALSE(FleetMovesVisible);
  EXPECT_FALSE(FindOwned<TMenuItem>(window, "VisibleFleetMoves1")->Checked());
  GameState.MessageView = 3;
  Choose("Hidden1");
  EXPECT_EQ(GameState.MessageView, 1);
  EXPECT_EQ(recorder.IsChecked(WindowCommand::Hidden1), true);
  Choose("Draft1");
  EXPECT_EQ(recorder.CallCount("ShowManpowerSettings"), 1);
  Choose("SaveGame1");
  EXPECT_EQ(recorder.CallCount("AskGameFileToSave"), 1);
  GameState.MoveDelay = 4;
  Choose("LoadGame1");
  EXPECT_EQ(recorder.CallCount("AskGameFileToOpen"), 1);
  EXPECT_EQ(GameState.MoveDelay, 4) << "a cancelled load keeps the game as it was";
  Choose("CheckLeaders");
  ASSERT_FALSE(recorder.Notices().empty());
  recorder.ScriptChoices({2});
  Choose("Quit1");
  EXPECT_EQ(recorder.Notices().back().lines[0], TextLine(463));
  EXPECT_EQ(GameOverCode, 0) << "No keeps the game running";
  EXPECT_TRUE(window.Visible());
  answer = [this](TForm& form) { ClickOn(form, "Button2"); };
  Choose("SideChange");
  EXPECT_EQ(modal_forms["sideselect"], 1);
  EXPECT_EQ(CurrentSide, 2);
}

TEST_F(CommandsTest, EachSpeedOfTheDelayDialogSetsTheMovementTimer) {
  const unsigned want[] = {100, 200, 300, 600, 1000};
  for (int speed = 1; speed <= 5; ++speed) {
    answer = [this, speed](TForm& form) { ClickOn(form, "Button" + std::to_string(speed)); };
    session.Backend().Click(*window.SpeedButton5);
    EXPECT_EQ(GameState.MoveDelay, speed);
    EXPECT_EQ(window.Timer1->Interval(), want[speed - 1]) << speed;
  }
  EXPECT_EQ(modal_forms["DelayForm"], 5);
}

// The version is the one the build declares for the program.
TEST_F(CommandsTest, TheAboutBoxNamesTheGameAndItsVersionAndClosesOnItsOk) {
  std::string product;
  std::string version;
  answer = [&](TForm& form) {
    product = FindOwned<TLabel>(form, "ProductName")->Caption();
    version = FindOwned<TLabel>(form, "Version")->Caption();
    ClickOn(form, "OKButton");
  };
  Choose("About1");
  EXPECT_EQ(modal_forms["TAboutBox"], 1);
  EXPECT_EQ(product, "Graymarch");
  EXPECT_EQ(version, "Version " GRAYMARCH_VERSION);
}

TEST_F(CommandsTest, ADisabledCommandDoesNothing) {
  FindOwned<TMenuItem>(window, "HexOutline1")->SetEnabled(false);
  Choose("HexOutline1");
  window.SpeedButton3->SetEnabled(false);
  session.Backend().Click(*window.SpeedButton3);
  window.SpeedButton3->Click();
  EXPECT_FALSE(HexGridVisible);
  EXPECT_EQ(FindOwned<TMenuItem>(window, "Encyclopedia1")->OnClick, nullptr);
}

}  // namespace
