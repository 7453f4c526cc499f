#include "ui/main/window_port.h"

#include <gtest/gtest.h>

#include <string>

#include "opened_window.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "tests/platform/services/temp_folder.h"
#include "world/vardecl.h"

namespace {

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

}  // namespace
