#include "widgets/tools.h"

#include <gtest/gtest.h>

#include <sstream>

#include "platform/backend/headless_backend.h"
#include "platform/components/custom_control.h"
#include "platform/components/posted_messages.h"
#include "platform/forms/application.h"

namespace {

TEST(Tools, VersionFlagsOfTheProfileAndOfOtherSystems) {
  EXPECT_TRUE(IsWinNT);
  EXPECT_TRUE(IsWin2000Up);
  EXPECT_TRUE(IsWinXP);
  EXPECT_FALSE(IsWin98Up);

  SetOSFlags({2, 6, 0, 6000});
  EXPECT_TRUE(IsWinXPUp);  // 6.0 comes after 5.1
  EXPECT_FALSE(IsWinXP);
  SetOSFlags({2, 5, 0, 2195});
  EXPECT_FALSE(IsWinXPUp);
  EXPECT_TRUE(IsWin2000);
  SetOSFlags({1, 4, 90, 3000});
  EXPECT_TRUE(IsWinME);
  EXPECT_TRUE(IsWin98Up);
  EXPECT_TRUE(IsWin95OSR2);
  EXPECT_FALSE(IsWinNTUp);
  SetOSFlags(kKxVersionProfile);
}

TEST(Tools, MulDivRoundsHalvesAwayFromZeroAndRefusesAZeroDivisor) {
  EXPECT_EQ(MulDiv(5, 1, 2), 3);
  EXPECT_EQ(MulDiv(-5, 1, 2), -3);
  EXPECT_EQ(MulDiv(5, 1, -2), -3);
  EXPECT_EQ(MulDiv(7, 1, 3), 2);
  EXPECT_EQ(MulDiv(100000, 100000, 100000), 100000);
  EXPECT_EQ(MulDiv(1, 2, 0), -1);
  EXPECT_EQ(MulDiv(0x7FFFFFFF, 4, 1), -1);
}

TEST(Tools, IntegerAndRectangleHelpers) {
  EXPECT_EQ(SwapInt32(0x11223344), 0x44332211);
  EXPECT_TRUE(InRange(1, 3, 3));
  EXPECT_FALSE(InRange(1, 3, 4));
  EXPECT_EQ(CenterRect(10, 4, 3, 3), (TRect{0, 0, 3, 2}));
  EXPECT_EQ(CenterRect(4, 20, 7, 16), (TRect{8, 5, 11, 11}));
  EXPECT_EQ(IncludeTrailingBackslash("maps"), "maps\\");
  EXPECT_EQ(IncludeTrailingBackslash("maps/"), "maps/");
  EXPECT_EQ(IncludeTrailingBackslash(""), "");
}

TEST(Tools, TemporaryNamesAreNewEachTime) {
  const std::string a = GetUniqueTempFileName();
  EXPECT_NE(a, GetUniqueTempFileName());
  EXPECT_EQ(a, [&] {
    std::string lower = a;
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
  }());
}

TEST(Tools, TextLinesEndInExactlyOneLineBreak) {
  std::ostringstream out;
  WriteTextLn(out, "");
  WriteTextLn(out, "done\r\n");
  WriteTextLn(out, "more");
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
    EXPECT_EQ(text, "kept");
    return ok;
  };
  EXPECT_FALSE(read(std::string("\xFF\xFF\xFF\xFF", 4)));           // negative
  EXPECT_FALSE(read(std::string("\x00\x00\x00\x7F", 4) + "abc"));   // far too long
  EXPECT_FALSE(read(std::string("\x05\x00\x00\x00", 4) + "abcd"));  // one short
  EXPECT_FALSE(read(std::string("\x05\x00", 2)));                   // no full header
}

TEST(Tools, IntegerPairsRoundTripAndPointAtTheirFaults) {
  int a = 0;
  int b = 0;
  EXPECT_EQ(StrToIntPair(IntPairToStr(3, 12), a, b), 0);
  EXPECT_EQ(a, 3);
  EXPECT_EQ(b, 12);
  EXPECT_EQ(StrToIntPair("-4.-5", a, b), 0);
  EXPECT_EQ(a, -4);
  EXPECT_EQ(b, -5);
  a = b = 99;
  EXPECT_EQ(StrToIntPair("12", a, b), -1);
  EXPECT_EQ(StrToIntPair(".5", a, b), 1);
  EXPECT_EQ(StrToIntPair("5.", a, b), 2);
  EXPECT_EQ(StrToIntPair("1x.5", a, b), 2);
  EXPECT_EQ(StrToIntPair("1.5y", a, b), 4);
  EXPECT_EQ(a, 99);
  EXPECT_EQ(b, 99);
}

class PumpProbe : public TCustomControl {
 public:
  using TCustomControl::TCustomControl;
  int received = 0;

 protected:
  void WndProc(TMessage& message) override {
    if (message.Msg == WM_USER) {
      ++received;
      Application.Terminate();
    }
    TCustomControl::WndProc(message);
  }
};

TEST(Tools, PumpingHandlesWaitingMessagesAndDropsAQuitRequest) {
  THeadlessSession session;
  PumpProbe probe(nullptr);
  EXPECT_FALSE(ProcessMessage());
  PostMessage(&probe, WM_USER);
  PostMessage(&probe, WM_USER);
  ProcessMessages();
  EXPECT_EQ(probe.received, 2);
  EXPECT_FALSE(Application.Terminated());
  EXPECT_FALSE(HasPostedMessages());
}

}  // namespace
