#include "world/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

#include "support/window_fixture.h"

namespace {

namespace fs = std::filesystem;

using FileIoTest = WindowTest;

// The game and its map are replaced together or not at all; reading the text
// back goes through the line reader.
TEST_F(FileIoTest, AFailedWriteLeavesEveryOldFileAsItWas) {
  ASSERT_EQ(WriteTextLines(PathOf("a"), {"old a"}), "");
  ASSERT_EQ(WriteTextLines(PathOf("b"), {"old b"}), "");
  fs::create_directory(PathOf("b.saving"));  // in the way of b's new contents
  const std::uint8_t bytes[] = {'n', 'e', 'w'};
  const FileToWrite files[] = {{PathOf("a"), bytes}, {PathOf("b"), bytes}};
  EXPECT_NE(WriteFilesReplacing(files), "");
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
// byte and nothing else; the first step past the last lets the new set stand
// alone. Each file written and each put in place is a step, and each old file
// kept aside another.
TEST_F(FileIoTest, ASetFailingAtAnyStepLeavesTheOldSetAndNothingElse) {
  const struct {
    std::vector<std::string> old_files;
    int steps;
  } rows[] = {{{"a.GMR", "a.GMP", "a.BTL"}, 9}, {{}, 6}, {{"a.GMP"}, 7}};
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
      FailFileStepForTesting(step);
      if (WriteFilesReplacing(set).empty()) break;
      std::map<std::string, std::vector<std::string>> now;
      for (const auto& entry : fs::directory_iterator(fs::path(PathOf("")))) {
        now[entry.path().filename().string()] = *ReadTextLines(entry.path());
      }
      ASSERT_EQ(now, old_set) << "failing at step " << step;
    }
    EXPECT_EQ(step, row.steps + 1);
    for (const FileToWrite& entry : set) {
      EXPECT_EQ(ReadTextLines(entry.file), std::vector<std::string>{"new"});
    }
    EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(PathOf(""))), fs::directory_iterator()), 3);
  }
}

}  // namespace
