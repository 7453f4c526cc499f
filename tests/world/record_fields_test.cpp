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

// Text is cut to the field; a damaged length byte reads no further than the
// field; the bytes past the length are kept as the file had them.
TEST(RecordStrings, StayWithinTheirFieldAndKeepTheRestOfIt) {
  Str<6> name{};
  name = "Confederacy";
  EXPECT_EQ(name.str(), "Confed");
  name = "Ohio";
  EXPECT_EQ(std::string(name.Chars, 6), "Ohioed");
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

TEST(RecordTables, IndicesCountFromOneAndOutsideFailLoudly) {
  Table<std::uint16_t, 4> table{};
  table[1] = 10;
  EXPECT_EQ(table.items[0], 10);
  EXPECT_NO_THROW(table[4]);
  const auto& readonly = table;
  EXPECT_THROW(table[0], std::out_of_range);
  EXPECT_THROW(readonly[-1], std::out_of_range);
  try {
    table[5];
    ADD_FAILURE() << "index 5 was accepted";
  } catch (const std::out_of_range& error) {
    EXPECT_NE(std::string(error.what()).find("index 5 outside 1..4"), std::string::npos);
  }
}

template <typename T, std::size_t N>
void ExpectBytes(const LeInt<T>& value, const std::uint8_t (&bytes)[N]) {
  EXPECT_EQ(std::memcmp(value.b, bytes, N), 0);
}

TEST(RecordIntegers, AreStoredLeastSignificantByteFirst) {
  ExpectBytes(U16(0x1234), {0x34, 0x12});
  ExpectBytes(U32(0x12345678u), {0x78, 0x56, 0x34, 0x12});
  ExpectBytes(I16(-2), {0xFE, 0xFF});
  ExpectBytes(I32(-5), {0xFB, 0xFF, 0xFF, 0xFF});
  for (int value : {-32768, -1, 32767}) EXPECT_EQ(static_cast<int>(I16(value)), value);
  const std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
  EXPECT_EQ(static_cast<std::int32_t>(I32(lowest)), lowest);
}

TEST(RecordIntegers, PromoteInExpressionsAndWrapWhenStored) {
  U16 strength{80};
  EXPECT_EQ(strength * 1000, 80000) << "promoted, not wrapped at 16 bits";
  U16 stock{65535};
  ++stock;
  EXPECT_EQ(stock, 0);
  stock -= 1;
  EXPECT_EQ(stock, 65535);
  I16 score{10};
  EXPECT_EQ(score--, 10);
  score -= 20;
  EXPECT_EQ(score, -11);
}

}  // namespace
