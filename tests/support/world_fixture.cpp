#include "support/world_fixture.h"

#include <cstdint>
#include <stdexcept>
#include <string>

#include "world/codes.h"
#include "world/random.h"
#include "world/vardecl.h"

namespace {

constexpr int kNoFurtherMove = 10;
// Every test starts from the same generator, and every turn it executes
// re-seeds from a counted source, so that no test's draws depend on the tests
// run before it. A test that needs other draws seeds or scripts them itself.
constexpr std::uint32_t kTestSeed = 1861;

template <typename T, int N, typename Test>
int FirstSlot(Table<T, N>& table, Test is_free) {
  for (int i = 1; i <= N; ++i) {
    if (is_free(table[i])) return i;
  }
  throw std::length_error("no free slot left in the table");
}

int CityAt(int x, int y, int side) {
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.X == x && city.Y == y && city.Side == side) return c;
  }
  return 0;
}

}  // namespace

void WorldTest::SetUp() {
  ResetGameWideVariables();
  StopScriptingRandomDraws();
  SetRandomSeed(kTestSeed);
  SetRandomizeSource([seed = kTestSeed]() mutable { return seed++; });
  for (int c = 1; c <= GameState.Corps.Count; ++c) GameState.Corps[c].Inactive = 1;
  for (int f = 1; f <= GameState.Fleets.Count; ++f)
    GameState.Fleets[f].Status = TFleet::FreedStatus;
  GameState.Nations[TNation::Union].Side = TSide::Union;
  GameState.Nations[TNation::Confederacy].Side = TSide::Confederate;
  // A date of the calendar, so that a saved blank game loads.
  GameState.Day = 11;
  GameState.Month = 6;
}

void WorldTest::TearDown() {
  StopScriptingRandomDraws();
  SetRandomizeSource({});
}

int WorldTest::AddCity(int x, int y, int side) {
  const int c = FirstSlot(GameState.Cities, [](const TCity& city) { return city.X == 0; });
  TCity& city = GameState.Cities[c];
  city.Name = "City " + std::to_string(c);
  city.X = static_cast<std::uint8_t>(x);
  city.Y = static_cast<std::uint8_t>(y);
  city.Side = city.OriginalSide = city.Nation = static_cast<std::uint8_t>(side);
  MapRecord.Cell(x, y).SetTerrain(TTerrain::City);
  return c;
}

int WorldTest::AddCorps(int x, int y, int side, int nation) {
  const int c = FirstSlot(GameState.Corps, [](const TCorps& corps) { return corps.IsFree(); });
  TCorps& corps = GameState.Corps[c];
  corps = TCorps{};
  corps.X = static_cast<std::uint8_t>(x);
  corps.Y = static_cast<std::uint8_t>(y);
  corps.Side = static_cast<std::uint8_t>(side);
  corps.Nation = static_cast<std::uint8_t>(nation);
  corps.PathStep = kNoFurtherMove;
  return c;
}

int WorldTest::AddArmy(int x, int y, int side, int nation) {
  int city = CityAt(x, y, side);
  if (city == 0) city = AddCity(x, y, side);
  const int a = FirstSlot(GameState.Armies, [](const TArmy& army) { return army.IsFree(); });
  TArmy& army = GameState.Armies[a];
  army.Name = "Army " + std::to_string(a);
  army.HqCity = army.TargetCity = army.AiTargetCity = static_cast<std::uint8_t>(city);
  army.Side = static_cast<std::uint8_t>(side);
  army.Nation = static_cast<std::uint8_t>(nation);
  return a;
}

int WorldTest::AddFleet(int x, int y, int side, int nation) {
  const int f = FirstSlot(GameState.Fleets, [](const TFleet& fleet) { return fleet.IsFree(); });
  TFleet& fleet = GameState.Fleets[f];
  fleet = TFleet{};
  fleet.X = static_cast<std::uint8_t>(x);
  fleet.Y = static_cast<std::uint8_t>(y);
  fleet.Side = static_cast<std::uint8_t>(side);
  fleet.Nation = static_cast<std::uint8_t>(nation);
  fleet.Number = static_cast<std::uint8_t>(f);
  return f;
}
