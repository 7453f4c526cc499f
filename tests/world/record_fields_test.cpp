#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <string>

#include "world/fixed_string.h"
#include "world/le_int.h"
#include "world/table.h"

namespace {

// Text is cut to the field; a damaged length byte reads no further than the
// field; the bytes past the length are kept as the file had them.
TEST(RecordStrings, StayWithinTheirFieldAndKeepTheRestOfIt) {
  struct {
    Str<4> field;
    char next[4];
  } record;
  std::memcpy(&record, "\310ABCDnext", 9);  // a length byte of 200
  EXPECT_EQ(record.field.str(), "ABCD");
  record.field = "Confederacy";
  EXPECT_EQ(record.field.str(), "Conf");
  record.field = "Oh";
  EXPECT_EQ(std::string(record.field.Chars, 4), "Ohnf");
}

TEST(RecordTables, IndicesCountFromOneAndOutsideFailLoudly) {
  Table<std::uint16_t, 4> table{};
  table[1] = 10;
  EXPECT_EQ(table.items[0], 10);
  EXPECT_NO_THROW(table[4]);
  EXPECT_THROW(table[0], std::out_of_range);
  try {
    table[5];
    ADD_FAILURE() << "index 5 was accepted";
  } catch (const std::out_of_range& error) {
    EXPECT_NE(std::string(error.what()).find("index 5 outside 1..4"), std::string::npos);
  }
}

}  // namespace
