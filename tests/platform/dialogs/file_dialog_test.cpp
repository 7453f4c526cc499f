#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "platform/backend/headless_backend.h"
#include "platform/controls/edit.h"
#include "platform/controls/label.h"
#include "platform/controls/list_box.h"
#include "platform/dialogs/file_dialog.h"
#include "platform/dialogs/file_mask.h"
#include "platform/forms/form.h"
#include "platform/input/key_codes.h"
#include "tests/platform/services/temp_folder.h"

namespace fs = std::filesystem;

namespace {

// A star stands for any run of characters, even none, a question mark for one
// character; letters match whatever their case; any mask of a list may match.
TEST(FileMaskTest, MasksMatchWholeNamesWithoutRegardToCase) {
  const std::tuple<const char*, const char*, bool> rows[] = {
      {"SAVE1.GMR", "*.gmr", true},      {"SAVE1.GMP", "*.gmr", false},
      {"save.gmr.bak", "*.gmr", false},  {".gmr", "*.gmr", true},
      {"1861.gmr", "*.gmr;*.gms", true}, {"a.GMS", "*.gmr;*.gms", true},
      {"a.gmx", "*.gmr;*.gms", false},   {"Autosave.GMR", "?uto*.g?r", true},
      {"uto.gmr", "?uto*.g?r", false},   {"SAVE", "save*", true},
      {"SAVE", "save**", true},          {"SAV", "save*", false},
      {"SAVE1", "save?", true},          {"SAVE", "save?", false},
  };
  for (const auto& [name, mask, matches] : rows) {
    EXPECT_EQ(MatchesMask(name, mask), matches) << name << " against " << mask;
  }
}

TEST(FileMaskTest, AFilterSplitsIntoDescriptionsAndMasks) {
  const auto filters = ParseFilter("gmr|*.gmr|gms|*.gms");
  ASSERT_EQ(filters.size(), 2u);
  EXPECT_EQ(filters[1].description, "gms");
  EXPECT_EQ(filters[1].mask, "*.gms");
}

class FileDialogTest : public ::testing::Test {
 protected:
  FileDialogTest() {
    for (const char* name : {"SAVE1.GMR", "save1.GMP", "1861.gmr", "Notes.txt"}) {
      std::ofstream(folder.Path() / name) << "x";
    }
    fs::create_directory(folder.Path() / "Older");
    std::ofstream(folder.Path() / "Older" / "Autosave.gmr") << "x";
  }
  static std::vector<std::string> Rows(TForm& form) {
    const TStringList& items = FindOwned<TListBox>(form, "FileList")->Items();
    std::vector<std::string> rows;
    for (int i = 0; i < items.Count(); ++i) rows.push_back(items[i]);
    return rows;
  }
  THeadlessBackend& backend() { return session.Backend(); }

  THeadlessSession session;
  TTempFolder folder;
};

TEST_F(FileDialogTest, TheOpenDialogListsFoldersThenMixedCaseSavesAndReturnsTheChosenOne) {
  TOpenDialog dialog;
  dialog.Filter = "gmr|*.gmr|gms|*.gms";
  dialog.InitialDir = folder.Path().string();
  std::vector<std::string> rows;
  backend().SetModalHook([&](TForm& form) {
    rows = Rows(form);
    auto* list = FindOwned<TListBox>(form, "FileList");
    const TRect row = list->ItemRect(3);
    backend().Click(list->ClientToScreen({row.Left + 5, row.Top + 2}));
    EXPECT_EQ(FindOwned<TEdit>(form, "FileNameEdit")->Text(), "SAVE1.GMR");
    backend().PressKey(VK_RETURN);
  });
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(rows, (std::vector<std::string>{"[..]", "[Older]", "1861.gmr", "SAVE1.GMR"}));
  EXPECT_EQ(fs::path(dialog.FileName), fs::weakly_canonical(folder.Path()) / "SAVE1.GMR");
}

TEST_F(FileDialogTest, ATypedNameIsFoundWhateverItsCaseAndAFolderRowOpensTheFolder) {
  TOpenDialog dialog;
  dialog.Filter = "gmr|*.gmr";
  dialog.InitialDir = folder.Path().string();
  backend().SetModalHook([&](TForm& form) {
    auto* list = FindOwned<TListBox>(form, "FileList");
    list->SetFocus();
    backend().PressKey(VK_DOWN);
    backend().PressKey(VK_DOWN);  // "[Older]"
    backend().PressKey(VK_RETURN);
    EXPECT_EQ(Rows(form), (std::vector<std::string>{"[..]", "Autosave.gmr"}));
    FindOwned<TEdit>(form, "FileNameEdit")->SetFocus();
    backend().Type("AUTOSAVE.GMR");
    backend().PressKey(VK_RETURN);
  });
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(fs::path(dialog.FileName).filename(), "Autosave.gmr");
}

TEST_F(FileDialogTest, ChoosingAnotherFilterListsItsFiles) {
  std::ofstream(folder.Path() / "Campaign.GMS") << "x";
  TOpenDialog dialog;
  dialog.Filter = "gmr|*.gmr|gms|*.gms";
  dialog.InitialDir = folder.Path().string();
  backend().SetModalHook([&](TForm& form) {
    auto* filters = FindOwned<TListBox>(form, "FilterList");
    const TRect second = filters->ItemRect(1);
    backend().Click(filters->ClientToScreen({second.Left + 5, second.Top + 2}));
    EXPECT_EQ(Rows(form), (std::vector<std::string>{"[..]", "[Older]", "Campaign.GMS"}));
    backend().PressKey(VK_ESCAPE);
  });
  EXPECT_FALSE(dialog.Execute());
}

TEST_F(FileDialogTest, OpeningAMissingFileKeepsTheDialogUpAndCancelReportsNoChoice) {
  TOpenDialog dialog;
  dialog.InitialDir = folder.Path().string();
  dialog.FileName = "keep.gmr";
  backend().SetModalHook([&](TForm& form) {
    FindOwned<TEdit>(form, "FileNameEdit")->SetText("missing.gmr");
    backend().PressKey(VK_RETURN);
    EXPECT_TRUE(form.Visible());
    backend().PressKey(VK_ESCAPE);
  });
  EXPECT_FALSE(dialog.Execute());
  EXPECT_EQ(dialog.FileName, "keep.gmr");
}

TEST_F(FileDialogTest, TheSaveDialogAcceptsANewNameAndAddsTheDefaultExtension) {
  TSaveDialog dialog;
  dialog.Filter = "gmr|*.gmr";
  dialog.DefaultExt = "gmr";
  dialog.InitialDir = folder.Path().string();
  backend().SetModalHook([&](TForm& form) {
    FindOwned<TEdit>(form, "FileNameEdit")->SetText("Gettysburg");
    backend().Click(*FindOwned<TControl>(form, "OK"));
  });
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(fs::path(dialog.FileName).filename(), "Gettysburg.gmr");
}

// The last name comes up selected, so a typed name takes its place.
TEST_F(FileDialogTest, ANameTypedOverTheLastOneReplacesIt) {
  TSaveDialog dialog;
  dialog.Filter = "gmr|*.gmr";
  dialog.DefaultExt = "gmr";
  dialog.InitialDir = folder.Path().string();
  dialog.FileName = (folder.Path() / "bymail.GMR").string();
  backend().SetModalHook([&](TForm&) {
    backend().Type("Antietam");
    backend().PressKey(VK_RETURN);
  });
  ASSERT_TRUE(dialog.Execute());
  EXPECT_EQ(fs::path(dialog.FileName).filename(), "Antietam.gmr");
}

// Each name the dialog cannot take stays in the box for correction, with one
// line below it saying what is wrong until the name is changed; the dialog stays up.
TEST_F(FileDialogTest, ANameThatCannotBeTakenStaysInTheBoxWithTheReasonBelowIt) {
  const std::pair<const char*, const char*> rows[] = {
      {"  ", "Type a name for the file."},
      {"Older/Autosave.gmr", "A name cannot hold \"/\"; open folders from the list."},
      {"/tmp/x.gmr", "A name cannot hold \"/\"; open folders from the list."},
      {"SAVE*", "A name cannot hold \"*\" or \"?\"."},
      {"SAVE?.GMR", "A name cannot hold \"*\" or \"?\"."},
      {"Bad\tname", "A name cannot hold control characters."},
      {"Chickamauga.gmr", "There is no file Chickamauga.gmr in this folder."},
  };
  TOpenDialog dialog;
  dialog.Filter = "gmr|*.gmr";
  dialog.InitialDir = folder.Path().string();
  backend().SetModalHook([&](TForm& form) {
    auto* edit = FindOwned<TEdit>(form, "FileNameEdit");
    auto* problem = FindOwned<TLabel>(form, "ProblemLabel");
    EXPECT_EQ(problem->Caption(), "");
    for (const auto& [name, reason] : rows) {
      edit->SetText(name);
      backend().PressKey(VK_RETURN);
      EXPECT_EQ(problem->Caption(), reason) << name;
      EXPECT_EQ(edit->Text(), name);
      EXPECT_TRUE(form.Visible());
    }
    edit->SetText("");
    backend().Type("Shiloh*");
    backend().PressKey(VK_RETURN);
    EXPECT_NE(problem->Caption(), "");
    backend().Type("\b");
    EXPECT_EQ(problem->Caption(), "") << "the reason goes as soon as the name is changed";
    edit->SetText("1861");
    backend().PressKey(VK_RETURN);
    EXPECT_EQ(problem->Caption(), "There is no file 1861 in this folder.") << "no default extension";
    edit->SetText("Older");
    backend().PressKey(VK_RETURN);
    EXPECT_EQ(problem->Caption(), "") << "a folder opened clears the reason";
    backend().PressKey(VK_ESCAPE);
  });
  EXPECT_FALSE(dialog.Execute());
}

// "é" is typed as the game's one-byte text and written to disk in UTF-8; the
// list shows the file as it was typed, and choosing it gives its UTF-8 path. A
// name the game's texts cannot show is listed as its bytes stand and still opens.
TEST_F(FileDialogTest, NamesAreUtf8OnDiskAndListedAsTyped) {
  const std::string typed = "Lee's \xE9";
  const std::string on_disk = "Lee's \xC3\xA9.gmr";
  TSaveDialog save;
  save.Filter = "gmr|*.gmr";
  save.DefaultExt = "gmr";
  save.InitialDir = folder.Path().string();
  backend().SetModalHook([&](TForm& form) {
    FindOwned<TEdit>(form, "FileNameEdit")->SetText(typed);
    backend().PressKey(VK_RETURN);
  });
  ASSERT_TRUE(save.Execute());
  EXPECT_EQ(fs::path(save.FileName).filename().string(), on_disk);
  std::ofstream(save.FileName) << "x";
  const std::string unshowable = "\xE6\x97\xA5.gmr";  // a CJK sign
  std::ofstream(folder.Path() / unshowable) << "x";

  TOpenDialog open;
  open.Filter = "gmr|*.gmr";
  open.FileName = save.FileName;
  std::vector<std::string> rows;
  backend().SetModalHook([&](TForm& form) {
    rows = Rows(form);
    EXPECT_EQ(FindOwned<TEdit>(form, "FileNameEdit")->Text(), typed + ".gmr");
    backend().PressKey(VK_RETURN);
  });
  ASSERT_TRUE(open.Execute());
  EXPECT_EQ(open.FileName, save.FileName);
  for (const std::string& row : {typed + ".gmr", unshowable}) {
    EXPECT_EQ(std::count(rows.begin(), rows.end(), row), 1) << row;
  }

  backend().SetModalHook([&](TForm& form) {
    FindOwned<TEdit>(form, "FileNameEdit")->SetText(unshowable);
    backend().PressKey(VK_RETURN);
  });
  ASSERT_TRUE(open.Execute());
  EXPECT_EQ(fs::path(open.FileName).filename().string(), unshowable);
}

}  // namespace
