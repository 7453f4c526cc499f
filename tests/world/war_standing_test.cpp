#include "world/war_standing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <memory>

#include "support/world_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

namespace {

using WarStandingTest = WorldTest;

constexpr int kState = 7;

void RaiseBelowFriendly(int power, int amount) {
  RaiseAttitudeBelow(power, amount, kFriendlyAttitude);
}

// Each move stops at its limits: the rows pin each on the side it holds and
// the side it gives way. War scores are the Union's, attitudes Britain's.
TEST_F(WarStandingTest, EachMoveKeepsItsLimits) {
  enum Measure { kWarScore, kAttitude, kLoyalty };
  const struct {
    void (*move)(int, int);
    Measure measure;
    int start, amount, expected;
  } rows[] = {
      {AddWarScore, kWarScore, 32760, 7, 32767},
      {AddWarScore, kWarScore, 32760, 8, 32767},
      {LowerWarScore, kWarScore, 10, 10, 0},
      {LowerWarScore, kWarScore, 11, 10, 1},
      {LowerWarScore, kWarScore, -5, 3, 0},
      {NudgeAttitude, kAttitude, 1, -5, -4},
      {NudgeAttitude, kAttitude, 99, 5, 104},
      {NudgeAttitude, kAttitude, 0, 5, 0},
      {NudgeAttitude, kAttitude, 100, -5, 100},
      {LowerAttitude, kAttitude, 10, 10, 1},
      {LowerAttitude, kAttitude, 11, 10, 1},
      {LowerAttitude, kAttitude, 12, 10, 2},
      {RaiseBelowFriendly, kAttitude, 99, 35, 134},
      {RaiseBelowFriendly, kAttitude, 100, 35, 100},
      {RaiseLoyalty, kLoyalty, 89, 10, 99},
      {RaiseLoyalty, kLoyalty, 90, 10, kFullLoyalty},
      {RaiseLoyalty, kLoyalty, 91, 10, kFullLoyalty},
      {RaiseLoyalty, kLoyalty, 150, 10, kFullLoyalty},
      {LowerLoyalty, kLoyalty, 10, 10, 0},
      {LowerLoyalty, kLoyalty, 11, 10, 1},
  };
  I16& score = GameState.Nations[TNation::Union].WarScore;
  I16& attitude = GameState.Nations[TNation::Britain].Attitude;
  std::uint8_t& loyalty = GameState.States[kState].Loyalty;
  for (const auto& row : rows) {
    score = attitude = static_cast<std::int16_t>(row.start);
    loyalty = static_cast<std::uint8_t>(row.start);
    const int index[] = {TNation::Union, TNation::Britain, kState};
    row.move(index[row.measure], row.amount);
    const int now[] = {score, attitude, loyalty};
    EXPECT_EQ(now[row.measure], row.expected) << "row from " << row.start << " by " << row.amount;
  }
}

// A move for no nation or no state changes nothing at all.
TEST_F(WarStandingTest, AMoveOutsideItsTableChangesNothing) {
  for (int n = 1; n <= GameState.Nations.Count; ++n) GameState.Nations[n].Attitude = 50;
  for (int s = 1; s <= GameState.States.Count; ++s) GameState.States[s].Loyalty = 50;
  const auto before = std::make_unique<TGameState>(GameState);
  for (const auto move : {AddWarScore, LowerWarScore, NudgeAttitude, LowerAttitude,
                          RaiseBelowFriendly, RaiseLoyalty, LowerLoyalty}) {
    for (int outside : {0, -1, GameState.Nations.Count + 1, GameState.States.Count + 1})
      move(outside, 10);
  }
  EXPECT_EQ(std::memcmp(before.get(), &GameState, sizeof(TGameState)), 0);
}

}  // namespace
