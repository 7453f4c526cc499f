#include "ui/main/window_port.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <iterator>
#include <string>
#include <vector>

#include "opened_window.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/forms/screen.h"
#include "tests/platform/services/temp_folder.h"
#include "world/codes.h"
#include "world/mail_handover.h"
#include "world/save_load.h"
#include "world/vardecl.h"

namespace {

namespace fs = std::filesystem;

// The names of files are UTF-8, as on disk; the window shows them in the game's
// one-byte text wherever the rules name them: a message, a question, the save
// dialog's box. The rules' own copy of the question is left as it was.
TEST_F(OpenedWindowTest, FileNamesAreShownAsTypedInMessagesQuestionsAndTheSaveDialog) {
  const std::string utf8 = "Lee's \xC3\xA9";
  const std::string shown = "Lee's \xE9";
  std::string message;
  std::string question_line;
  std::string offered;
  answer = [&](TForm& form) {
    if (form.Name() == "MessageDialog") {
      message = FindOwned<TLabel>(form, "Message")->Caption();
    } else if (form.Name() == "FileDialog") {
      offered = FindOwned<TEdit>(form, "FileNameEdit")->Text();
      form.SetModalResult(mrCancel);
    } else {
      question_line = FindOwned<TLabel>(form, "Label2")->Caption();
    }
  };
  port.ShowMessage("The game " + utf8 + " was not saved.");
  EXPECT_EQ(message, "The game " + shown + " was not saved.");

  ClearEventMessage();
  EventMessage.Line2 = utf8;
  OfferYesAndNo();
  ShowEventMessage();
  EXPECT_EQ(question_line, shown);
  EXPECT_EQ(EventMessage.Line2.str(), utf8);
  EXPECT_EQ(EventMessage.Choice, 1) << "the pick comes back";

  EXPECT_EQ(port.AskGameFileToSave("/tmp/" + utf8), std::nullopt);
  EXPECT_EQ(offered, shown);
}

// The list shows saved games by name; the name typed bare opens its game,
// whatever the case of its extension on disk.
TEST_F(OpenedWindowTest, ASavedGameOpensByItsNameTypedWithoutExtension) {
  TTempFolder folder;
  const std::string game = folder.Write("Shiloh.GMR", "game").string();
  window.OpenDialog1->InitialDir = folder.Path().string();
  answer = [&](TForm& form) {
    FindOwned<TEdit>(form, "FileNameEdit")->SetText("Shiloh");
    ClickOn(form, "OK");
  };
  EXPECT_EQ(port.AskGameFileToOpen(), game);
}

// Both dialogs open where the player last opened or saved a game, whichever
// dialog it was: a load from the player's own folder brings the save there,
// and a save in a folder below it brings the next load there. The load offers
// the game last loaded only in that game's folder.
TEST_F(OpenedWindowTest, BothFileDialogsOpenWhereAGameWasLastOpenedOrSaved) {
  TTempFolder own;
  fs::create_directory(own.Path() / "deeper");
  own.Write("MailA.GMR", "game");
  own.Write("deeper/MailB.GMR", "game");
  window.OpenDialog1->InitialDir = own.Path().string();
  std::vector<std::vector<std::string>> to_type = {
      {"MailA"}, {"deeper", "MailB"}, {"MailB"}, {"MailB"}};
  std::vector<std::string> opened_in;
  std::vector<std::string> offered;
  answer = [&](TForm& form) {
    opened_in.push_back(FindOwned<TLabel>(form, "FolderLabel")->Caption());
    offered.push_back(FindOwned<TEdit>(form, "FileNameEdit")->Text());
    for (const std::string& name : to_type.front()) {
      FindOwned<TEdit>(form, "FileNameEdit")->SetText(name);
      ClickOn(form, "OK");
    }
    to_type.erase(to_type.begin());
  };
  EXPECT_EQ(port.AskGameFileToOpen(), (own.Path() / "MailA.GMR").string());
  EXPECT_EQ(port.AskGameFileToSave(""), (own.Path() / "deeper" / "MailB").string());
  EXPECT_EQ(port.AskGameFileToOpen(), (own.Path() / "deeper" / "MailB.GMR").string());
  EXPECT_EQ(port.AskGameFileToOpen(), (own.Path() / "deeper" / "MailB.GMR").string());
  const std::string deeper = (own.Path() / "deeper").string();
  EXPECT_EQ(opened_in,
            (std::vector<std::string>{own.Path().string(), own.Path().string(), deeper, deeper}));
  EXPECT_EQ(offered, (std::vector<std::string>{"", "", "", "MailB.GMR"}));
}

// After every load "Hidden Enemy" is offered exactly on one machine and
// checked exactly while the enemy is hidden: a load hides him from whoever
// plays (and from nobody in a game of two computers), and a mail game leaves
// nothing behind for the one-machine game loaded after it, nor does any game
// leave its unit in hand named under the map.
TEST_F(OpenedWindowTest, TheHiddenEnemyItemFollowsEveryLoadedGame) {
  TTempFolder folder;
  const std::string new_game = (std::filesystem::path(GRAYMARCH_GAME_DIR) / "1861.gmr").string();
  const struct {
    const char* game;  // saved as this name from the game in play, or a new game
    int mode;
    bool union_human, confederacy_human;
    bool offered, checked;
  } loads[] = {{"new", 0, true, true, true, true},      {"mail", 3, true, true, false, true},
               {"new", 0, true, true, true, true},      {"mail", 3, true, false, false, true},
               {"against", 0, true, false, true, true}, {"computers", 0, false, false, true, false},
               {"against", 0, false, true, true, true}};
  const auto* hidden = FindOwned<TMenuItem>(window, "Hidden1");
  for (const auto& load : loads) {
    const std::string game = load.game;
    window.IdPanel->SetCaption("B.F. Butler - drag to plot a path");
    if (game == "new") {
      ASSERT_TRUE(LoadGame(new_game));
    } else {
      GameState.Month = static_cast<std::uint16_t>(GameState.StartMonth % 12 + 1);  // no set-up
      GameState.PlayMode = static_cast<std::uint16_t>(load.mode);
      GameState.MailSide = TNation::Union;
      GameState.Nations[TNation::Union].Human = load.union_human;
      GameState.Nations[TNation::Confederacy].Human = load.confederacy_human;
      const std::string saved = (folder.Path() / game).string();
      ASSERT_TRUE(SaveGame(saved));
      ASSERT_TRUE(LoadGame(saved + ".GMR")) << game;
    }
    EXPECT_EQ(hidden->Enabled(), load.offered) << game << " in mode " << load.mode;
    EXPECT_EQ(hidden->Checked(), load.checked) << game << " in mode " << load.mode;
    EXPECT_EQ(GameState.MessageView != kEveryoneSees, load.checked) << game;
    EXPECT_EQ(window.IdPanel->Caption(), " ") << "no unit of the game before, after " << game;
  }
}

// The replace question starts on No: OK alone keeps the saved game, whatever
// the case of its files, and opens the save dialog again on the name. A name
// the system refuses is told in a box within the frame, its OK on it, and the
// dialog opens again on that name.
TEST_F(OpenedWindowTest, ASaveComesBackToItsDialogAfterOkAloneToReplaceOrANameRefused) {
  TTempFolder folder;
  folder.Write("BULL RUN.gmr", "old game");
  folder.Write("bull run.GMP", "old map");
  window.SaveDialog1->InitialDir = folder.Path().string();
  const std::string long_name(260, 'x');
  std::vector<std::string> to_type = {"Bull Run", long_name};
  std::vector<std::string> offered;
  answer = [&](TForm& form) {
    if (form.Name() == "FileDialog") {
      auto* name = FindOwned<TEdit>(form, "FileNameEdit");
      offered.push_back(name->Text());
      if (to_type.empty()) {
        form.SetModalResult(mrCancel);
        return;
      }
      name->SetText(to_type.front());
      to_type.erase(to_type.begin());
      ClickOn(form, "OK");
    } else if (form.Name() == "MessageDialog") {
      const TRect frame = form.FrameRect();
      EXPECT_TRUE(frame.Left >= 0 && frame.Top >= 0);
      EXPECT_TRUE(frame.Right <= Screen.Width() && frame.Bottom <= Screen.Height());
      const auto* ok = FindOwned<TControl>(form, "OK");
      const TPoint far_corner = ok->ClientToScreen({ok->Width(), ok->Height()});
      EXPECT_TRUE(far_corner.X <= frame.Right && far_corner.Y <= frame.Bottom);
      ClickOn(form, "OK");
    } else {
      EXPECT_EQ(form.Name(), "TStndDial");
      ClickOn(form, "Button1");
    }
  };
  SaveGameDialog();
  EXPECT_EQ(modal_forms["TStndDial"], 1);
  EXPECT_EQ(modal_forms["MessageDialog"], 1);
  ASSERT_EQ(offered.size(), 3u);
  EXPECT_EQ(offered[1], "Bull Run");
  EXPECT_EQ(offered[2], long_name);
  EXPECT_EQ(folder.Read("BULL RUN.gmr"), "old game");
  EXPECT_EQ(folder.Read("bull run.GMP"), "old map");
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 2);
}

}  // namespace
