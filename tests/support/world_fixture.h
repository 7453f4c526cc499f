#pragma once
// A blank game for rule tests: every table empty, the Union (camp 1) and the
// Confederacy (camp 2) at war, random draws unscripted and seeded the same for
// every test, whatever ran before it. The builders take the
// first free slot (for cities, which have none, the first still at column 0)
// and return its index.
#include <gtest/gtest.h>

class WorldTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A city of the camp, its nation the camp's nation; its hex becomes a city hex.
  static int AddCity(int x, int y, int side);
  static int AddCorps(int x, int y, int side, int nation);
  // An army headquartered in the city on the hex, which is added when missing.
  static int AddArmy(int x, int y, int side, int nation);
  static int AddFleet(int x, int y, int side, int nation);
};
