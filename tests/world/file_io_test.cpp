#include "world/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "support/window_fixture.h"

namespace {

namespace fs = std::filesystem;

class FileIoTest : public WindowTest {
 protected:
  // Each file of the test's folder by name, with its lines.
  std::map<std::string, std::vector<std::string>> FilesAndLines() const {
    std::map<std::string, std::vector<std::string>> files;
    for (const auto& entry : fs::directory_iterator(fs::path(PathOf("")))) {
      files[entry.path().filename().string()] = *ReadTextLines(entry.path());
    }
    return files;
  }
};

// The game and its map are replaced together or not at all; reading the text
// back goes through the line reader.
TEST_F(FileIoTest, AFailedWriteLeavesEveryOldFileAsItWas) {
  ASSERT_EQ(WriteTextLines(PathOf("a"), {"old a"}), "");
  ASSERT_EQ(WriteTextLines(PathOf("b"), {"old b"}), "");
  fs::create_directory(PathOf("b.saving"));  // in the way of b's new contents
  const std::uint8_t bytes[] = {'n', 'e', 'w'};
  const FileToWrite files[] = {{PathOf("a"), bytes}, {PathOf("b"), bytes}};
  EXPECT_EQ(WriteFilesReplacing(files), "cannot create " + PathOf("b.saving") + ": Is a directory");
  EXPECT_EQ(ReadTextLines(PathOf("a")), std::vector<std::string>{"old a"});
  EXPECT_EQ(ReadTextLines(PathOf("b")), std::vector<std::string>{"old b"});
  EXPECT_FALSE(fs::exists(PathOf("a.saving")));
  fs::remove(PathOf("b.saving"));
  EXPECT_EQ(WriteFilesReplacing(files), "");
  EXPECT_EQ(ReadTextLines(PathOf("b")), std::vector<std::string>{"new"});
  EXPECT_EQ(ReadTextLines(PathOf("none")), std::nullopt);
}

// Whichever step of writing a set fails, a temporary written or an old file
// kept aside or a new one put in place, the folder holds the old set byte for
// byte and nothing else; the first step past the last lets the new set stand,
// beside only the old files a save once kept aside. Each file written and each
// put in place is a step, and each old file kept aside another.
TEST_F(FileIoTest, ASetFailingAtAnyStepLeavesTheOldSetAndNothingElse) {
  const struct {
    std::vector<std::string> old_files;
    int steps;
  } rows[] = {{{"a.GMR", "a.GMP", "a.BTL"}, 9},
              {{}, 6},
              {{"a.GMP"}, 7},
              {{"a.GMR", "a.GMR.kept", "a.GMP.kept", "a.GMP.kept2"}, 7}};
  const std::vector<std::uint8_t> bytes = {'n', 'e', 'w'};
  const FileToWrite set[] = {{PathOf("a.GMR"), bytes}, {PathOf("a.GMP"), bytes}, {PathOf("a.BTL"), bytes}};
  for (const auto& row : rows) {
    SCOPED_TRACE(row.steps);
    for (const auto& entry : fs::directory_iterator(fs::path(PathOf("")))) fs::remove(entry);
    std::map<std::string, std::vector<std::string>> old_set;
    for (const std::string& name : row.old_files) {
      ASSERT_EQ(WriteTextLines(PathOf(name), {"old " + name}), "");
      old_set[name] = {"old " + name};
    }
    int step = 1;
    for (; step <= 20; ++step) {
      FailFileStepsForTesting({step});
      if (WriteFilesReplacing(set).empty()) break;
      ASSERT_EQ(FilesAndLines(), old_set) << "failing at step " << step;
    }
    EXPECT_EQ(step, row.steps + 1);
    for (const FileToWrite& entry : set) {
      old_set[entry.file.filename().string()] = {"new"};
    }
    EXPECT_EQ(FilesAndLines(), old_set);
  }
}

// An old file that cannot be put back is named where it is kept, and stays
// there: a later save of the same name keeps its old files aside beside it,
// past a folder under the kept name too, and leaves it byte for byte.
TEST_F(FileIoTest, AnOldFileThatCannotBePutBackIsNamedAndNoLaterSaveWritesOverIt) {
  ASSERT_EQ(WriteTextLines(PathOf("a.GMR"), {"old game"}), "");
  ASSERT_EQ(WriteTextLines(PathOf("a.GMP"), {"old map"}), "");
  const std::vector<std::uint8_t> bytes = {'n', 'e', 'w'};
  const FileToWrite set[] = {{PathOf("a.GMR"), bytes}, {PathOf("a.GMP"), bytes}};
  // Two temporaries, a.GMR kept aside and replaced, then a.GMP's keeping
  // aside refused and a.GMR's putting back too.
  const std::vector<int> refused = {5, 6};
  FailFileStepsForTesting(refused);
  EXPECT_EQ(WriteFilesReplacing(set), "cannot keep " + PathOf("a.GMP") + " aside as " +
                                          PathOf("a.GMP.kept") + ": No space left on device" +
                                          "; the old " + PathOf("a.GMR") + " is kept as " +
                                          PathOf("a.GMR.kept"));
  const std::map<std::string, std::vector<std::string>> told = {
      {"a.GMR", {"new"}}, {"a.GMR.kept", {"old game"}}, {"a.GMP", {"old map"}}};
  EXPECT_EQ(FilesAndLines(), told);

  fs::create_directory(PathOf("a.GMP.kept"));
  FailFileStepsForTesting(refused);
  EXPECT_EQ(WriteFilesReplacing(set), "cannot keep " + PathOf("a.GMP") + " aside as " +
                                          PathOf("a.GMP.kept2") + ": No space left on device" +
                                          "; the old " + PathOf("a.GMR") + " is kept as " +
                                          PathOf("a.GMR.kept2"));
  EXPECT_EQ(WriteFilesReplacing(set), "");
  EXPECT_EQ(ReadTextLines(PathOf("a.GMR.kept")), std::vector<std::string>{"old game"});
  EXPECT_EQ(ReadTextLines(PathOf("a.GMP")), std::vector<std::string>{"new"});
  EXPECT_TRUE(fs::is_directory(PathOf("a.GMP.kept")));
  EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(PathOf(""))), fs::directory_iterator()), 5)
      << "a.GMR, a.GMP and the three kept";
}

}  // namespace
