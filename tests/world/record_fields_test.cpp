#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <limits>
#include <stdexcept>
#include <string>

#include "world/fixed_string.h"
#include "world/le_int.h"
#include "world/table.h"

namespace {

TEST(RecordStrings, LongerTextIsCutToTheFieldsCapacity) {
  Str<9> name{};
  name = "Confederacy";
  EXPECT_EQ(name.Length, 9);
  EXPECT_EQ(name.str(), "Confedera");
  name = std::string("Union");
  EXPECT_EQ(name.str(), "Union");
  name = "";
  EXPECT_EQ(name.str(), "");
}

TEST(RecordStrings, ADamagedLengthByteReadsNoFurtherThanTheField) {
  struct {
    Str<4> field;
    char next[4];
  } record;
  std::memcpy(&record,
              "\xC8"
              "ABCDnext",
              9);
  EXPECT_EQ(record.field.str(), "ABCD");
}

TEST(RecordStrings, BytesPastTheLengthAreKept) {
  Str<6> name{};
  name = "Sharps";
  name = "Ohio";
  EXPECT_EQ(std::string(name.Chars, 6), "Ohiops");
}

TEST(RecordTables, IndicesCountFromOne) {
  Table<std::uint8_t, 3> table{};
  table[1] = 10;
  table[3] = 30;
  EXPECT_EQ(table.items[0], 10);
  EXPECT_EQ(table.items[2], 30);
  EXPECT_EQ((Table<std::uint8_t, 3>::Count), 3);
}

TEST(RecordTables, IndexZeroAndPastTheEndFailLoudly) {
  Table<std::uint16_t, 4> table{};
  const auto& readonly = table;
  EXPECT_THROW(table[0], std::out_of_range);
  EXPECT_THROW(table[5], std::out_of_range);
  EXPECT_THROW(readonly[-1], std::out_of_range);
  EXPECT_NO_THROW(table[4]);
  try {
    table[5];
  } catch (const std::out_of_range& error) {
    const std::string message = error.what();
    EXPECT_NE(message.find("unsigned short"), std::string::npos) << message;
    EXPECT_NE(message.find("index 5 outside 1..4"), std::string::npos) << message;
  }
}

template <typename T, std::size_t N>
void ExpectBytes(const LeInt<T>& value, const std::uint8_t (&bytes)[N]) {
  static_assert(N == sizeof(T));
  EXPECT_EQ(std::memcmp(value.b, bytes, N), 0);
}

TEST(RecordIntegers, AreStoredLeastSignificantByteFirst) {
  ExpectBytes(U16(0x1234), {0x34, 0x12});
  ExpectBytes(U32(0x12345678u), {0x78, 0x56, 0x34, 0x12});
  ExpectBytes(I16(-2), {0xFE, 0xFF});
  ExpectBytes(I32(-5), {0xFB, 0xFF, 0xFF, 0xFF});
}

TEST(RecordIntegers, SignedValuesSurviveTheRoundTrip) {
  for (int value : {-32768, -1, 0, 1, 32767}) EXPECT_EQ(static_cast<int>(I16(value)), value);
  for (std::int32_t value : {std::numeric_limits<std::int32_t>::min(), -70000, 70000,
                             std::numeric_limits<std::int32_t>::max()}) {
    EXPECT_EQ(static_cast<std::int32_t>(I32(value)), value);
  }
}

TEST(RecordIntegers, MixWithPlainNumbersInEveryExpression) {
  U16 strength{80};
  const bool lost = false;
  EXPECT_EQ(lost ? 0 : strength, 80);
  EXPECT_EQ(strength * 50, 4000) << "promoted, not wrapped at 16 bits";
  strength = strength + 1;
  EXPECT_EQ(strength, 81);
}

TEST(RecordIntegers, ArithmeticWrapsAtTheFieldsWidth) {
  U16 stock{65535};
  ++stock;
  EXPECT_EQ(stock, 0);
  stock -= 1;
  EXPECT_EQ(stock, 65535);
  I32 casualties{std::numeric_limits<std::int32_t>::max()};
  casualties += 1;
  EXPECT_EQ(casualties, std::numeric_limits<std::int32_t>::min());
  I16 score{10};
  EXPECT_EQ(score--, 10);
  score -= 20;
  EXPECT_EQ(score, -11);
}

}  // namespace
