#include "world/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "support/window_fixture.h"

namespace {

namespace fs = std::filesystem;

class FileIoTest : public WindowTest {
 protected:
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(PathOf(name), std::ios::binary) << text;
  }
  std::string Read(const std::string& name) const {
    std::ifstream in(PathOf(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
};

TEST_F(FileIoTest, AFailedWriteLeavesEveryOldFileAsItWas) {
  Write("a", "old a");
  Write("b", "old b");
  fs::create_directory(PathOf("b.saving"));  // in the way of b's new contents
  const std::uint8_t bytes[] = {'n', 'e', 'w'};
  const FileToWrite files[] = {{PathOf("a"), bytes}, {PathOf("b"), bytes}};

  EXPECT_NE(WriteFilesReplacing(files), "");

  EXPECT_EQ(Read("a"), "old a");
  EXPECT_EQ(Read("b"), "old b");
  EXPECT_FALSE(fs::exists(PathOf("a.saving")));
  EXPECT_TRUE(fs::is_directory(PathOf("b.saving"))) << "what was in the way is not removed";

  fs::remove(PathOf("b.saving"));
  EXPECT_EQ(WriteFilesReplacing(files), "");
  EXPECT_EQ(Read("a"), "new");
  EXPECT_EQ(Read("b"), "new");
}

TEST_F(FileIoTest, TextLinesSurviveAWriteAndARead) {
  const std::vector<std::string> lines = {"Battle", "", "TurnOver"};
  ASSERT_EQ(WriteTextLines(PathOf("log"), lines), "");
  EXPECT_EQ(ReadTextLines(PathOf("log")), lines);
  EXPECT_EQ(ReadTextLines(PathOf("none")), std::nullopt);
}

}  // namespace
