#include "world/save_names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "support/window_fixture.h"
#include "world/mail_handover.h"
#include "world/play_modes.h"
#include "world/save_load.h"
#include "world/vardecl.h"

namespace {

namespace fs = std::filesystem;

constexpr int kYes = 1;
constexpr int kNo = 2;

class SaveNamesTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    GameState.Year = 1862;
    GameState.StartYear = 1861;
    GameState.Nations[1].Human = 1;
  }

  // One save command: each scripted name in turn until one is taken or the
  // script runs out (a cancel); the answers go to the questions asked.
  void SaveAs(std::initializer_list<std::string> names, std::initializer_list<int> answers = {}) {
    for (const std::string& name : names) window.ScriptFileToSave(PathOf(name));
    window.ScriptChoices(answers);
    SaveGameDialog();
  }

  std::string Contents(const std::string& name) const {
    std::ifstream file(PathOf(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  }

  void WriteFile(const std::string& name, const std::string& contents) const {
    std::ofstream(PathOf(name), std::ios::binary) << contents;
  }

  std::vector<std::string> FilesInFolder() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(fs::path(PathOf("")))) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }

  void EmptyFolder() const {
    for (const auto& entry : fs::directory_iterator(fs::path(PathOf("")))) fs::remove_all(entry);
  }
};

// No keeps the saved game and opens the dialog again on the name; Yes replaces it.
TEST_F(SaveNamesTest, ReplacingASavedGameIsAskedFirstAndNoReturnsToTheDialog) {
  SaveAs({"Shiloh"});
  const std::string saved = Contents("Shiloh.GMR");
  EXPECT_TRUE(window.Notices().empty()) << "a new name is saved without a question";
  GameState.Year = 1863;

  SaveAs({"Shiloh.GMR"}, {kNo});
  ASSERT_EQ(window.Notices().size(), 1u);
  EXPECT_EQ(window.Notices()[0].lines[0], "text 732");
  EXPECT_EQ(window.Notices()[0].lines[1], "Shiloh");
  EXPECT_EQ(window.Notices()[0].lines[2], "text 733");
  EXPECT_EQ(window.ProposedSaveNames().back(), PathOf("Shiloh.GMR")) << "the name is kept";
  EXPECT_EQ(window.CallCount("AskGameFileToSave"), 3) << "the dialog opened again, then cancelled";
  EXPECT_EQ(Contents("Shiloh.GMR"), saved);

  SaveAs({"Shiloh"}, {kYes});
  EXPECT_NE(Contents("Shiloh.GMR"), saved);
  EXPECT_EQ(window.CallCount("AskGameFileToSave"), 4);
}

// Whatever the case typed, the start files and their maps stay as the build made
// them, and the player is told why and asked again, as for a name of no file;
// Autosave is replaced unasked.
TEST_F(SaveNamesTest, AStartFileIsNeverSavedOverAndTheAutosaveIsReplacedWithoutAQuestion) {
  for (const char* year : {"1861", "1862", "1863"}) {
    WriteFile(std::string(year) + ".gmr", std::string("start ") + year);
    WriteFile(std::string(year) + ".GMP", std::string("map ") + year);
  }
  const std::vector<std::string> before = FilesInFolder();
  SaveAs({"1861", "1862.GMR", "1863.gmp", ".gmr"});
  for (const char* year : {"1861", "1862", "1863"}) {
    EXPECT_EQ(Contents(std::string(year) + ".gmr"), std::string("start ") + year);
    EXPECT_EQ(Contents(std::string(year) + ".GMP"), std::string("map ") + year);
  }
  EXPECT_EQ(FilesInFolder(), before) << "no second spelling written beside them";
  ASSERT_EQ(window.Messages().size(), 4u);
  EXPECT_EQ(window.Messages()[1], "1862.GMRtext 734") << "the file named, then the line";
  EXPECT_EQ(window.Messages()[3], "The game was not saved: " + PathOf(".gmr") + " names no file.");
  EXPECT_EQ(window.ProposedSaveNames()[1], PathOf("1861"));
  EXPECT_EQ(window.ProposedSaveNames()[3], PathOf("1863.gmp"));
  EXPECT_TRUE(window.Notices().empty());

  EXPECT_TRUE(IsStartFileName("games/1861")) << "in any folder";
  EXPECT_FALSE(IsStartFileName("1861b"));
  EXPECT_FALSE(IsStartFileName("1864"));

  SaveAs({"Autosave"});
  SaveAs({"autosave"});
  EXPECT_TRUE(window.Notices().empty());
  EXPECT_EQ(window.Messages().size(), 4u);
}

// The question comes whatever the case of the saved game's files, and only
// for that game; it starts on No, so OK alone keeps the game byte for byte
// and opens the dialog again on the name.
TEST_F(SaveNamesTest, TheReplaceQuestionComesWhateverTheCaseOfTheSavedGameAndOkAloneKeepsIt) {
  struct Row {
    const char* on_disk;
    bool asked;
  };
  const Row rows[] = {
      {"Bull Run.GMR", true}, {"BULL RUN.gmr", true},   {"bull run.GMR", true},
      {"bull run.gmp", true}, {"Bull Runs.GMR", false}, {"Bull Ru.GMR", false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.on_disk);
    EmptyFolder();
    window.ForgetRecords();
    WriteFile(row.on_disk, "old");
    SaveAs({"Bull Run"});
    ASSERT_EQ(window.Notices().size(), row.asked ? 1u : 0u);
    EXPECT_EQ(Contents(row.on_disk), "old");
    if (!row.asked) continue;
    EXPECT_EQ(window.Notices()[0].lines[1], fs::path(row.on_disk).stem()) << "named as on disk";
    EXPECT_EQ(window.Notices()[0].choice, kNo);
    EXPECT_EQ(FilesInFolder(), std::vector<std::string>{row.on_disk});
    EXPECT_EQ(window.CallCount("AskGameFileToSave"), 2) << "the dialog opened again";
    EXPECT_EQ(window.ProposedSaveNames().back(), PathOf("Bull Run"));
  }
}

// A saved game's name too long for a line of the question goes on over the
// next, its end kept there after "..." when even two lines cannot hold it,
// broken between words where it can be and never inside a character.
TEST_F(SaveNamesTest, TheReplaceQuestionShowsTheStartAndEndOfALongName) {
  const std::string w40(40, 'W');
  const std::string accented = std::string(39, 'e') + "\xC3\xA9tat";  // the 40th byte inside "é"
  const struct {
    std::string name;
    std::array<std::string, 3> lines;  // after the question's first
  } rows[] = {
      {w40, {w40, "text 733", ""}},
      {w40 + "W", {w40, "W", "text 733"}},
      {w40 + w40, {w40, w40, "text 733"}},
      {w40 + w40 + "W", {w40, "..." + std::string(37, 'W'), "text 733"}},
      {"The Western Rivers Campaigns of the Union Navy, 1862 to 1863",
       {"The Western Rivers Campaigns of the", "Union Navy, 1862 to 1863", "text 733"}},
      {std::string(200, 'a') + " " + std::string(49, 'z'),
       {std::string(40, 'a'), "..." + std::string(37, 'z'), "text 733"}},
      {accented, {std::string(39, 'e'), "\xC3\xA9tat", "text 733"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name.size());
    EmptyFolder();
    window.ForgetRecords();
    WriteFile(row.name + ".GMR", "old");
    SaveAs({row.name}, {kNo});
    ASSERT_EQ(window.Notices().size(), 1u);
    const auto& lines = window.Notices()[0].lines;
    EXPECT_EQ((std::array<std::string, 3>{lines[1], lines[2], lines[3]}), row.lines);
  }
}

// Saving over a game whose files are spelt otherwise writes those files, the
// battle file of a mail game too, and a new battle file takes the spelling of
// the game's; the next save offers the name as spelt on disk.
TEST_F(SaveNamesTest, AGameSavedOverKeepsTheSpellingOfItsFiles) {
  const struct {
    std::vector<std::string> on_disk;
    const char* typed;
    std::vector<std::string> saved;  // the battle file, the map, the game
  } rows[] = {
      {{"vicksburg.gmr", "vicksburg.gmp", "vicksburg.btl"},
       "Vicksburg",
       {"vicksburg.btl", "vicksburg.gmp", "vicksburg.gmr"}},
      {{"Alpha.GMR", "Alpha.GMP"}, "aLPHA", {"Alpha.BTL", "Alpha.GMP", "Alpha.GMR"}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.typed);
    EmptyFolder();
    for (const std::string& file : row.on_disk) WriteFile(file, "old");
    GameState.PlayMode = TPlayMode::MailSetUp;
    SaveAs({row.typed}, {kYes});
    EXPECT_EQ(FilesInFolder(), row.saved);
    EXPECT_EQ(Contents(row.saved[2]).size(), kGameFileSize);
    EXPECT_EQ(Contents(row.saved[0]), "TurnOver\n");
    SaveAs({});
    EXPECT_EQ(window.ProposedSaveNames().back(), PathOf(fs::path(row.saved[2]).stem().string()));
  }
}

// A save the system refuses, a name too long for it or a folder in the way of
// one of the game's files or their temporaries, is told, naming the path
// refused, and opens the dialog again on the name; a mail turn keeps its move. The files on disk are the old set byte for byte,
// a battle file too, with nothing left beside them.
TEST_F(SaveNamesTest, ASaveTheSystemRefusesReturnsToTheDialogWithTheNameKept) {
  const std::string long_name(260, 'x');
  struct Row {
    std::string name;
    bool mail;
    std::vector<std::string> files, folders;  // on disk before the save
    std::initializer_list<int> answers;        // to replace, if asked, then to hand over
    std::size_t questions;
    std::string refused;  // the path the message names
  };
  const Row rows[] = {
      {long_name, false, {}, {}, {}, 0, long_name + ".GMR.saving"},
      {long_name, true, {}, {}, {}, 1, long_name + ".GMR.saving"},
      {"Gettysburg", true, {"Gettysburg.BTL"}, {"Gettysburg.GMR"}, {kYes}, 1, "Gettysburg.GMR"},
      {"Gettysburg", false, {"Gettysburg.GMR"}, {"Gettysburg.GMP"}, {kYes}, 1, "Gettysburg.GMP"},
      {"Shiloh", true, {"Shiloh.GMR", "Shiloh.BTL"}, {"Shiloh.GMP"}, {kYes, kYes}, 2, "Shiloh.GMP"},
      {"Alpha", false, {"Alpha.GMR", "Alpha.GMP"}, {"Alpha.GMP.saving"}, {kYes}, 1, "Alpha.GMP.saving"},
      {"Alpha", false, {"Alpha.GMR", "Alpha.GMR.kept"}, {"Alpha.GMP"}, {kYes}, 1, "Alpha.GMP"},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.name.size());
    SCOPED_TRACE(row.mail);
    EmptyFolder();
    window.ForgetRecords();
    for (const std::string& file : row.files) WriteFile(file, "old " + file);
    for (const std::string& folder : row.folders) fs::create_directory(PathOf(folder));
    GameState.PlayMode = row.mail ? TPlayMode::MailSetUp : TPlayMode::OneMachine;
    GameState.MailSide = 1;
    SaveAs({row.name}, row.answers);
    EXPECT_EQ(window.Notices().size(), row.questions);
    ASSERT_EQ(window.Messages().size(), 1u);
    EXPECT_EQ(window.Messages()[0].rfind("The game ", 0), 0u) << window.Messages()[0];
    EXPECT_NE(window.Messages()[0].find(PathOf(row.refused) + ": "), std::string::npos)
        << window.Messages()[0];
    EXPECT_EQ(window.CallCount("AskGameFileToSave"), 2) << "the dialog opened again";
    EXPECT_EQ(window.ProposedSaveNames().back(), PathOf(row.name));
    EXPECT_EQ(SavedGameName, "");
    EXPECT_EQ(GameState.PlayMode, row.mail ? TPlayMode::MailSetUp : TPlayMode::OneMachine);
    EXPECT_EQ(GameState.MailSide, 1);
    EXPECT_FALSE(MailHandOverDone);
    std::vector<std::string> on_disk = row.files;
    on_disk.insert(on_disk.end(), row.folders.begin(), row.folders.end());
    std::sort(on_disk.begin(), on_disk.end());
    EXPECT_EQ(FilesInFolder(), on_disk);
    for (const std::string& file : row.files) EXPECT_EQ(Contents(file), "old " + file);
    for (const std::string& folder : row.folders) EXPECT_TRUE(fs::is_directory(PathOf(folder)));
  }
}

// The dialog offers the loaded game (a received mail game included), then the
// game last saved; a start file is never offered.
TEST_F(SaveNamesTest, TheSaveDialogProposesTheLoadedGameThenTheLastSavedButNoStartFile) {
  ASSERT_TRUE(SaveGame(PathOf("Received")));
  ASSERT_TRUE(SaveGame(PathOf("1862")));
  ASSERT_TRUE(LoadGame(PathOf("Received.GMR")));
  SaveAs({});
  SaveAs({"Antietam"});
  SaveAs({});
  ASSERT_TRUE(LoadGame(PathOf("1862.GMR")));
  SaveAs({});
  EXPECT_EQ(window.ProposedSaveNames(),
            (std::vector<std::string>{PathOf("Received"), PathOf("Received"), PathOf("Antietam"), ""}));
}

}  // namespace
