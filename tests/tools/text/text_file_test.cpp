#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "text_line_roles.h"

namespace {

constexpr int kHighestLineRead = 731;

std::string ReadWholeFile() {
  std::ifstream file(GAME_TEXT_FILE, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string::size_type start = 0;
  while (start < text.size()) {
    auto end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  return lines;
}

bool StartsWithBlank(const std::string& line) {
  return !line.empty() && (line.front() == ' ' || line.front() == ',');
}
bool EndsWithBlank(const std::string& line) {
  return !line.empty() && line.back() == ' ';
}

class TextFile : public ::testing::Test {
 protected:
  std::string text_ = ReadWholeFile();
  std::vector<std::string> lines_ = SplitLines(text_);
};

TEST_F(TextFile, HoldsEveryLineTheGameReadsAsPlainOneByteText) {
  ASSERT_FALSE(text_.empty()) << "missing " << GAME_TEXT_FILE;
  EXPECT_GE(static_cast<int>(lines_.size()), kHighestLineRead + 1);
  EXPECT_EQ(text_.back(), '\n');
  for (unsigned char c : text_) {
    EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7f)) << "byte " << int{c};
  }
}

TEST_F(TextFile, EveryUsedLineIsWrittenAndFitsItsRole) {
  ASSERT_GE(static_cast<int>(lines_.size()), kHighestLineRead + 1);
  for (const TextLineRole& role : TextLineRoles()) {
    const std::string& line = lines_[role.line];
    SCOPED_TRACE("text " + std::to_string(role.line) + ": \"" + line + "\"");
    EXPECT_TRUE(std::any_of(line.begin(), line.end(), [](char c) { return c != ' '; }));
    if (role.budget > 0) {
      EXPECT_LE(static_cast<int>(line.size()), role.budget);
    }
  }
}

TEST_F(TextFile, PrefixesAndSuffixesCarryTheBlankThatSeparatesTheValue) {
  ASSERT_GE(static_cast<int>(lines_.size()), kHighestLineRead + 1);
  for (const TextLineRole& role : TextLineRoles()) {
    const std::string& line = lines_[role.line];
    SCOPED_TRACE("text " + std::to_string(role.line) + ": \"" + line + "\"");
    const bool prefix = role.join == TextJoin::kPrefix || role.join == TextJoin::kBoth;
    const bool suffix = role.join == TextJoin::kSuffix || role.join == TextJoin::kBoth;
    EXPECT_EQ(EndsWithBlank(line), prefix);
    EXPECT_EQ(StartsWithBlank(line), suffix);
  }
}

TEST_F(TextFile, TheTableCoversEachLineOnceInOrder) {
  int previous = -1;
  for (const TextLineRole& role : TextLineRoles()) {
    EXPECT_GT(role.line, previous);
    previous = role.line;
  }
  EXPECT_EQ(previous, kHighestLineRead);
}

}  // namespace
