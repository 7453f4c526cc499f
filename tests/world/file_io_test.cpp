#include "world/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

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

}  // namespace
