#include "world/hex_control.h"

#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <random>

#include "tests/world/political_turn_fixture.h"
#include "world/hex_grid.h"

namespace {

using HexControlTest = PoliticsTest;

// The rule as it reads: every hex asks every corps and every fleet.
void ReferenceHexControl() {
  RecountStateTallies();
  for (int x = 1; x <= TMapRecord::Columns; ++x) {
    for (int y = 1; y <= TMapRecord::Rows; ++y) {
      TMapCell& cell = MapRecord.Cell(x, y);
      const int s = cell.Bytes[2] & 127;
      if (s < 1 || s > 37) {
        cell.Bytes[2] = static_cast<std::uint8_t>(cell.Bytes[2] & 128);
        continue;
      }
      const TStateRec& state = GameState.States[s];
      const int owner = cell.Owner() > 2 ? 0 : cell.Owner();
      const int holder = state.ControlSide > 2 ? 0 : state.ControlSide;
      std::array<int, 3> score{};
      score[holder] = 2;
      if (owner != 0) score[owner] = 3;
      if (state.IntruderStrength == 0 && state.ForeignCities == 0) score[holder] += 7;
      for (int k = 1; k <= 120; ++k) {
        const TCorps& corps = GameState.Corps[k];
        if (corps.Inactive != 0 || corps.Side > 2) continue;
        const int reach = owner == 0 ? 0 : corps.EnemyPressure != 0 ? 1 : 3;
        const int d = HexDistance(corps.X, corps.Y, x, y);
        if (d >= reach || corps.BattleMark != 0) continue;
        score[corps.Side] += 2 * (reach - d);
        if (d != 0) continue;
        score[corps.Side] += 10;
        if (corps.Side != owner) continue;
        score[owner] = 205;
        if (owner == 1) {
          score[2] = score[0] = 0;
          break;
        }
      }
      for (int f = 1; f <= 100 && cell.Flag7(); ++f) {
        const TFleet& fleet = GameState.Fleets[f];
        const int d = HexDistance(fleet.X, fleet.Y, x, y);
        if (fleet.Kind == 2 && fleet.Status == 0 && d < 2 && fleet.Side < 3)
          score[fleet.Side] += 3 * (2 - d);
      }
      int next = owner;
      for (int camp : {1, 2, 0}) {
        if (score[camp] > score[(camp + 1) % 3] && score[camp] > score[(camp + 2) % 3]) next = camp;
      }
      cell.SetOwner(next);
    }
  }
  for (int c = 1; c <= 86; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.Side < 3 && TMapRecord::OnMap(city.X, city.Y))
      MapRecord.Cell(city.X, city.Y).SetOwner(city.Side);
  }
}

// A state counts the enemy cities and the strength of the enemy corps on it.
TEST_F(HexControlTest, TheStateTalliesCountOnlyWhatIsInTheState) {
  MakeState(8, TNation::Confederacy);
  for (int y = 1; y <= TMapRecord::Rows; ++y) MapRecord.Cell(50, y).Bytes[2] = 8;
  City(AddCity(50, 5, TSide::Union)).State = 8;
  City(AddCity(50, 9, TSide::Confederate)).State = 8;
  Corps(AddCorps(50, 20, TSide::Union, TNation::Union)).Strength = 300;
  Corps(AddCorps(50, 21, TSide::Confederate, TNation::Confederacy)).Strength = 500;
  Corps(AddCorps(51, 20, TSide::Union, TNation::Union)).Strength = 70;  // beside the state
  RecountStateTallies();
  EXPECT_EQ(State(8).ForeignCities, 1);
  EXPECT_EQ(State(8).IntruderStrength, 300);
}

TEST_F(HexControlTest, ControlMatchesTheRuleAskedOfEveryHexOnACrowdedMap) {
  std::mt19937 draw(17);
  const auto pick = [&draw](int n) { return static_cast<int>(draw() % n); };
  for (int s = 1; s <= 37; ++s) MakeState(s, 1 + pick(2)).ControlSide = pick(4);
  for (int x = 1; x <= TMapRecord::Columns; ++x) {
    for (int y = 1; y <= TMapRecord::Rows; ++y) {
      TMapCell& cell = MapRecord.Cell(x, y);
      cell.Bytes[2] = static_cast<std::uint8_t>(pick(5) == 0 ? 0 : 1 + pick(37));
      cell.Bytes[0] = static_cast<std::uint8_t>(pick(4) == 0 ? 128 : 0);
      cell.SetOwner(pick(4));
    }
  }
  for (int k = 1; k <= 120; ++k) {
    TCorps& corps = Corps(AddCorps(1 + pick(76), 1 + pick(54), pick(4), 1));
    corps.Inactive = pick(6) == 0;
    corps.EnemyPressure = pick(3) == 0;
    corps.BattleMark = pick(5) == 0;
    corps.Strength = static_cast<std::uint16_t>(pick(500));
  }
  for (int f = 1; f <= 100; ++f) {
    TFleet& fleet = GameState.Fleets[AddFleet(1 + pick(76), 1 + pick(54), pick(3), 1)];
    fleet.Kind = static_cast<std::uint8_t>(pick(3));
    fleet.Status = static_cast<std::uint8_t>(pick(3) == 0 ? 5 : 0);
  }
  for (int c = 1; c <= 86; ++c)
    City(AddCity(1 + pick(76), 1 + pick(54), pick(4))).State = 1 + pick(37);
  const TMapRecord before = MapRecord;
  for (int turn = 0; turn < 3; ++turn) ReferenceHexControl();
  const TMapRecord expected = MapRecord;
  MapRecord = before;
  for (int turn = 0; turn < 3; ++turn) RecomputeHexControl();
  EXPECT_EQ(std::memcmp(&MapRecord, &expected, sizeof expected), 0);
}

}  // namespace
