#include "widgets/tools.h"

#include <gtest/gtest.h>

#include <climits>
#include <sstream>

namespace {

// 5.1 and every later system, 6.0 among them, count as 5.1 or later.
TEST(Tools, VersionFlagsOfTheProfileAndOfOtherSystems) {
  EXPECT_TRUE(IsWinXP);
  EXPECT_FALSE(IsWin98Up);
  const struct {
    TKxVersionInfo system;
    bool xp_up, win2000, win98, me;
  } cases[] = {{{2, 4, 0, 1381}, false, false, false, false},
               {{2, 5, 0, 2195}, false, true, false, false},
               {{2, 5, 1, 2600}, true, true, false, false},
               {{2, 6, 0, 6000}, true, true, false, false},
               {{1, 4, 0, 950}, false, false, false, false},
               {{1, 4, 10, 1998}, false, false, true, false},
               {{1, 4, 89, 2000}, false, false, true, false},
               {{1, 4, 90, 3000}, false, false, true, true}};
  for (const auto& c : cases) {
    SetOSFlags(c.system);
    SCOPED_TRACE(testing::Message() << c.system.PlatformId << ":" << c.system.Major << "."
                                    << c.system.Minor);
    EXPECT_EQ(IsWinXPUp, c.xp_up);
    EXPECT_EQ(IsWin2000, c.win2000);
    EXPECT_EQ(IsWin98, c.win98);
    EXPECT_EQ(IsWinME, c.me);
  }
  SetOSFlags(kKxVersionProfile);
}

// Halves round away from zero; a zero divisor or a result beyond an int is -1.
TEST(Tools, MulDivRoundsHalvesAwayFromZeroAndRefusesWhatItCannotAnswer) {
  const struct {
    int a, b, c, result;
  } cases[] = {
      {5, 1, 2, 3},           {-5, 1, 2, -3},         {5, 1, -2, -3},       {7, 1, 3, 2},
      {8, 1, 3, 3},           {100000, 100000, 100000, 100000},             {1, 2, 0, -1},
      {INT_MAX, 1, 1, INT_MAX}, {INT_MAX, 2, 2, INT_MAX}, {INT_MAX, 2, 1, -1},
      {INT_MIN, 1, 1, INT_MIN}, {INT_MIN, 1, -1, -1},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(MulDiv(c.a, c.b, c.c), c.result) << c.a << " * " << c.b << " / " << c.c;
  }
}

TEST(Tools, RectangleAndTextHelpers) {
  EXPECT_EQ(CenterRect(10, 4, 3, 3), (TRect{0, 0, 3, 2}));  // right and bottom inclusive
  EXPECT_EQ(CenterRect(4, 20, 7, 16), (TRect{8, 5, 11, 11}));
  EXPECT_EQ(IncludeTrailingBackslash("maps"), "maps\\");
  EXPECT_EQ(IncludeTrailingBackslash("maps/"), "maps/");
  std::ostringstream out;
  for (const char* line : {"", "done\r\n", "more"}) WriteTextLn(out, line);
  EXPECT_EQ(out.str(), "\r\ndone\r\nmore\r\n");
}

TEST(Tools, StreamStringsRoundTripAndDamagedLengthsAreRefused) {
  std::stringstream stream;
  ASSERT_TRUE(WriteStringToStream(stream, "Vicksburg"));
  ASSERT_TRUE(WriteStringToStream(stream, ""));
  std::string s;
  ASSERT_TRUE(ReadStringFromStream(stream, s));
  EXPECT_EQ(s, "Vicksburg");
  ASSERT_TRUE(ReadStringFromStream(stream, s));
  EXPECT_EQ(s, "");
  EXPECT_FALSE(ReadStringFromStream(stream, s));

  const auto read = [](const std::string& bytes) {
    std::istringstream in(bytes);
    std::string text = "kept";
    const bool ok = ReadStringFromStream(in, text);
    EXPECT_EQ(text, ok ? bytes.substr(4) : "kept");
    return ok;
  };
  EXPECT_FALSE(read(std::string("\xFF\xFF\xFF\xFF", 4)));           // negative
  EXPECT_FALSE(read(std::string("\x00\x00\x00\x7F", 4) + "abc"));   // far too long
  EXPECT_FALSE(read(std::string("\x05\x00\x00\x00", 4) + "abcd"));  // one short
  EXPECT_TRUE(read(std::string("\x05\x00\x00\x00", 4) + "abcde"));  // exactly enough
  EXPECT_FALSE(read(std::string("\x05\x00", 2)));                   // no full header
}

// The answer is 0, -1 for no dot, or the 1-based place of the fault.
TEST(Tools, IntegerPairsRoundTripAndPointAtTheirFaults) {
  int a = 99;
  int b = 99;
  for (const auto& [text, fault] : {std::pair{"12", -1}, {".5", 1}, {"5.", 2}, {"1x.5", 2},
                                    {"1.5y", 4}}) {
    EXPECT_EQ(StrToIntPair(text, a, b), fault) << text;
  }
  EXPECT_EQ(std::pair(a, b), std::pair(99, 99));
  EXPECT_EQ(StrToIntPair(IntPairToStr(-4, 12), a, b), 0);
  EXPECT_EQ(std::pair(a, b), std::pair(-4, 12));
}

}  // namespace
