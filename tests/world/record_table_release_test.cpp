// The game's release build: a table index of 0 or past the end reaches a zeroed
// scratch element. This file compiles the tables as that build does; its
// element types exist only here, so the checked tables elsewhere are untouched.
#undef GRAYMARCH_CHECKED
#include <gtest/gtest.h>

#include <cstdint>

#include "world/table.h"

namespace {

struct ReleaseRecord {
  std::uint8_t Status;
  std::uint16_t Count;
};

TEST(ReleaseTables, AStrayWriteIsDroppedAndNeverReachesANeighbour) {
  struct {
    Table<ReleaseRecord, 2> table;
    ReleaseRecord after;
  } block{};
  block.table[0].Status = 249;
  block.table[3].Count = 7;
  const auto& readonly = block.table;
  EXPECT_EQ(readonly[0].Status, 0);
  EXPECT_EQ(readonly[-4].Count, 0);
  EXPECT_EQ(block.table[1].Status + block.table[2].Count, 0);
  EXPECT_EQ(block.after.Status + block.after.Count, 0);
}

}  // namespace
