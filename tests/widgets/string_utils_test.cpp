#include "widgets/string_utils.h"

#include <gtest/gtest.h>

namespace {

TEST(StringUtils, HexTextReadsWithDollarSignAndBlanksAndRefusesAnythingElse) {
  for (const auto& [text, value] : {std::pair{"$ff", 255}, {"-1A", -26}, {"+0", 0}, {"  7f ", 127},
                                    {"FFFFFFFF", -1}}) {
    EXPECT_EQ(HexStrToInt(text), value) << text;
  }
  for (const char* bad : {"", "-", "G1", "$", "1 2"}) {
    EXPECT_THROW(HexStrToInt(bad), EConvertError) << bad;
  }
  EXPECT_EQ(HexStrToIntDef("zz", 42), 42);
}

TEST(StringUtils, BinaryTextRoundTripsAndNamesItsCount) {
  EXPECT_EQ(BinaryToHexStr(std::vector<std::uint8_t>{0x41, 0x42, 0x43}), "4B58 3 41 42 43 ");
  EXPECT_EQ(BinaryToHexStr({}), "4B58 0 ");
  std::vector<std::uint8_t> many(300);
  for (size_t i = 0; i < many.size(); ++i) many[i] = static_cast<std::uint8_t>(i * 7);
  const std::string text = BinaryToHexStr(many);
  EXPECT_TRUE(text.starts_with("4B58 12C 00 07 "));
  std::vector<std::uint8_t> back;
  EXPECT_TRUE(HexStrToBinary(text, back));
  EXPECT_EQ(back, many);
  EXPECT_TRUE(HexStrToBinary("4B58 2 a 0b", back));
  EXPECT_EQ(back, (std::vector<std::uint8_t>{0x0A, 0x0B}));
}

// A count is trusted only as far as the text that follows could hold it.
TEST(StringUtils, DamagedBinaryTextIsRefusedWithoutAllocatingItsCount) {
  const struct {
    const char* text;
    bool read;
  } cases[] = {{"4B58 0 ", true},          {"4B58 3 1 2 3", true},   {"4B58 4 1 2 3", false},
               {"4B58 4 01 02 03 ", false}, {"4B59 1 01 ", false},   {"4B58  01 ", false},
               {"4B58 2 01 XY ", false},    {"4B58 -1 01 ", false},  {"4B58 7FFFFFFF 01 ", false},
               {"4B58", false}};
  for (const auto& c : cases) {
    std::vector<std::uint8_t> bytes{9};
    EXPECT_EQ(HexStrToBinary(c.text, bytes), c.read) << c.text;
    EXPECT_TRUE(c.read || bytes.empty()) << c.text;
  }
}

TEST(StringUtils, SearchingCuttingAndPrefixes) {
  EXPECT_EQ(LastPos("ab", "abcab"), 4);
  EXPECT_EQ(LastPos("abcd", "abc"), 0);
  std::string s = "Richmond";
  EXPECT_EQ(ExtractStr(s, 2, 3), "ich");
  EXPECT_EQ(ExtractStr(s, 4, 10), "nd");
  EXPECT_EQ(s, "Rmo");
  s = "caf\xE9!";
  EXPECT_EQ(ExtractWideStr(s, 4, 1), U"\u00E9");
  EXPECT_TRUE(StartsWithPChar("anything", nullptr));
  EXPECT_FALSE(StartsWithPChar(nullptr, "x"));
  EXPECT_TRUE(ContainsAt("a<br>b", 2, "<br>"));
  EXPECT_FALSE(ContainsAt("a<br>b", 7, ""));
}

}  // namespace
