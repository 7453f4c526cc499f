#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "text_line_roles.h"

namespace {

constexpr int kHighestLineRead = 734;

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

TEST(TextFile, HoldsEveryLineTheGameReadsAsPlainOneByteText) {
  const std::string text = ReadWholeFile();
  ASSERT_FALSE(text.empty()) << "missing " << GAME_TEXT_FILE;
  EXPECT_GE(static_cast<int>(SplitLines(text).size()), kHighestLineRead + 1);
  EXPECT_EQ(text.back(), '\n');
  for (unsigned char c : text) {
    EXPECT_TRUE(c == '\n' || (c >= 0x20 && c < 0x7f)) << "byte " << int{c};
  }
}

// Each used line is written, fits its role, and carries the blank that separates the value
// the game joins to it; the table names each line once, in order, up to the last one read.
TEST(TextFile, EveryUsedLineIsWrittenFitsItsRoleAndJoinsItsValue) {
  const std::vector<std::string> lines = SplitLines(ReadWholeFile());
  ASSERT_GE(static_cast<int>(lines.size()), kHighestLineRead + 1);
  int previous = -1;
  for (const TextLineRole& run : TextLineRoles()) {
    EXPECT_GT(run.first, previous);
    EXPECT_LE(run.first, run.last);
    previous = run.last;
    const bool prefix = run.join == TextJoin::kPrefix || run.join == TextJoin::kBoth;
    const bool suffix = run.join == TextJoin::kSuffix || run.join == TextJoin::kBoth;
    for (int n = run.first; n <= run.last; ++n) {
      const std::string& line = lines[n];
      SCOPED_TRACE("text " + std::to_string(n) + ": \"" + line + "\"");
      EXPECT_TRUE(std::any_of(line.begin(), line.end(), [](char c) { return c != ' '; }));
      if (run.budget > 0) {
        EXPECT_LE(static_cast<int>(line.size()), run.budget);
      }
      EXPECT_EQ(!line.empty() && line.back() == ' ', prefix);
      EXPECT_EQ(!line.empty() && (line.front() == ' ' || line.front() == ','), suffix);
    }
  }
  EXPECT_EQ(previous, kHighestLineRead);
}

}  // namespace
