// The offsets and sizes of the saved records are static_asserts beside the
// records; what is left to test is which fields make a slot free.
#include <gtest/gtest.h>

#include "world/vardecl.h"

namespace {

TEST(GameStateRecord, FreeSlotTestsReadOnlyTheirOwnFields) {
  TCorps corps{};
  corps.Inactive = 3;
  corps.Nation = 1;
  EXPECT_TRUE(corps.IsFree());
  TArmy army{};
  army.HqCity = 5;
  EXPECT_FALSE(army.IsFree()) << "a city without a nation is not a free slot";
  army.HqCity = 0;
  army.Leader = 12;
  EXPECT_TRUE(army.IsFree()) << "a lost army keeps its leader but frees its slot";
  TFleet fleet{};
  fleet.Status = 25;
  EXPECT_FALSE(fleet.IsFree()) << "a fleet still being built is not free";
  fleet.Status = 26;
  EXPECT_TRUE(fleet.IsFree());
  TBrigade brigade{};
  EXPECT_TRUE(brigade.IsFree());
  brigade.Status = 5;
  EXPECT_FALSE(brigade.IsFree());
}

}  // namespace
