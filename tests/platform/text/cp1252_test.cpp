#include "platform/text/cp1252.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

// Each one-byte letter has its UTF-8 form and comes back from it: ASCII as it
// stands, "é" in two bytes, the euro sign of byte 0x80 in three.
TEST(Cp1252Test, OneByteTextAndUtf8ConvertBothWays) {
  const std::pair<std::string, std::string> rows[] = {
      {"Lee's army", "Lee's army"},
      {"\xE9", "\xC3\xA9"},
      {"\xFF", "\xC3\xBF"},
      {"\x80", "\xE2\x82\xAC"},
      {"\x9F", "\xC5\xB8"},
  };
  for (const auto& [one_byte, utf8] : rows) {
    EXPECT_EQ(Utf8OfCp1252(one_byte), utf8);
    EXPECT_EQ(Cp1252OfUtf8(utf8), one_byte);
  }
}

// Text that is not UTF-8, or holds a sign the game's texts lack, has no
// one-byte form; typed, it keeps every character that has one.
TEST(Cp1252Test, TextThatIsNotUtf8OrHoldsForeignSignsHasNoOneByteForm) {
  const std::pair<std::string, std::string> rows[] = {
      {"\xE9", ""},
      {"Lee\xC3", "Lee"},
      {"\xC0\xA9", ""},
      {"\xE0\x80\xA9", ""},
      {"\xC3\x28", "("},
      {"\xE6\x97\xA5", ""},
      {"\xF0\x9F\x98\x80", ""},
      {std::string(1, '\0'), ""},
      {"caf\xC3\xA9\xE6\x97\xA5s", "caf\xE9s"},
      {"\xF0\x9F\x98\x80\xE2\x82\xAC!", "\x80!"},
  };
  for (const auto& [text, typed] : rows) {
    EXPECT_EQ(Cp1252OfUtf8(text), std::nullopt) << text;
    EXPECT_EQ(Cp1252OfTyped(text), typed) << text;
  }
}

}  // namespace
