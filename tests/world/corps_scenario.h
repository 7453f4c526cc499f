#pragma once
// A full turn's worth of corps on the varied map: 120 corps of both camps and
// of France, with commanders, brigades, armies, supply cities, states (the
// neutral border state among them) and every stance, march and state of
// order. The nine-step tests and the movement benchmarks run on it.
#include <cstdint>
#include <string>

#include "tests/world/varied_map.h"
#include "world/codes.h"
#include "world/corps_movement.h"
#include "world/corps_orders.h"
#include "world/corps_path.h"
#include "world/unit_positions.h"
#include "world/vardecl.h"

namespace corps_scenario {

inline constexpr int kArmies = 6;

class Builder {
 public:
  explicit Builder(std::uint32_t seed) : map_(seed) {}

  void Build() {
    map_.Build();
    GameState.Nations[TNation::Union].Human = 1;
    for (int n = 0; n <= 800; ++n) TextTable.push_back("t" + std::to_string(n));
    for (int theatre = 1; theatre <= 3; ++theatre)
      GameState.Weather[theatre] = static_cast<std::uint16_t>(map_.Roll(9));
    GameState.MessageView = 3;
    LayStates();
    AddCities();
    AddArmies();
    for (int c = 1; c <= GameState.Corps.Count; ++c) AddCorps(c);
  }

 private:
  // Bands of columns, a northern and a southern row of states; state 20 is neutral.
  void LayStates() {
    for (int x = 1; x <= TMapRecord::Columns; ++x) {
      for (int y = 1; y <= TMapRecord::Rows; ++y) {
        const int state = (y <= 27 ? 1 : 17) + (x - 1) / 5;
        MapRecord.Cell(x, y).Bytes[2] = static_cast<std::uint8_t>(state);
      }
    }
    for (int s = 1; s <= 32; ++s) {
      TStateRec& state = GameState.States[s];
      state.Name = "State " + std::to_string(s);
      const int side = s == 20 ? TSide::None : s < 17 ? TSide::Union : TSide::Confederate;
      state.Side = state.ControlSide = state.Nation = static_cast<std::uint8_t>(side);
      state.IntruderStrength = static_cast<std::uint16_t>(map_.Roll(2) * 10);
    }
  }

  void AddCities() {
    int c = 0;
    for (const THexPos& hex : map_.Cities()) {
      if (++c > GameState.Cities.Count) break;
      TCity& city = GameState.Cities[c];
      city.Name = "City " + std::to_string(c);
      city.X = static_cast<std::uint8_t>(hex.X);
      city.Y = static_cast<std::uint8_t>(hex.Y);
      const int owner = MapRecord.Cell(hex.X, hex.Y).Owner();
      city.Side = city.Nation = static_cast<std::uint8_t>(owner);
      city.State = static_cast<std::uint8_t>(StateAt(hex.X, hex.Y));
      city.SupplyLevel = static_cast<std::uint8_t>(map_.Roll(4));
      ++cities_;
    }
  }

  void AddArmies() {
    for (int a = 1; a <= kArmies; ++a) {
      TArmy& army = GameState.Armies[a];
      army.Side = army.Nation = static_cast<std::uint8_t>(a % 2 + 1);
      army.HqCity = static_cast<std::uint8_t>(1 + map_.Roll(cities_));
      army.Leader = static_cast<std::uint8_t>(GameState.Corps.Count + a);
      army.CorpsCount = static_cast<std::uint8_t>(2 + map_.Roll(6));
      army.Stance = static_cast<std::uint8_t>(map_.Roll(4));
      RateLeader(army.Leader, army.Side);
    }
  }

  void RateLeader(int l, int side) {
    TLeader& leader = GameState.Leaders[l];
    leader.Name = "General " + std::to_string(l);
    leader.Side = static_cast<std::uint8_t>(side);
    leader.Combat = static_cast<std::uint8_t>(10 + map_.Roll(60));
    leader.Aggression = static_cast<std::uint8_t>(map_.Roll(100));
    leader.Inspiration = static_cast<std::uint8_t>(map_.Roll(100));
    leader.Experience = static_cast<std::uint8_t>(map_.Roll(8));
  }

  THexPos LandHex() {
    for (;;) {
      const THexPos hex = map_.AnyHex();
      const int terrain = MapRecord.Cell(hex.X, hex.Y).Terrain();
      if (terrain != TTerrain::Water && terrain != TTerrain::Impassable) return hex;
    }
  }

  // A destination up to twelve hexes off, or the corps' own hex.
  THexPos Destination(THexPos from) {
    if (map_.Roll(5) == 0) return from;
    for (;;) {
      const THexPos hex = LandHex();
      if (HexDistance(from.X, from.Y, hex.X, hex.Y) <= 12) return hex;
    }
  }

  void AddCorps(int c) {
    TCorps& corps = GameState.Corps[c];
    corps = TCorps{};
    const THexPos hex = LandHex();
    const THexPos dest = Destination(hex);
    corps.X = static_cast<std::uint8_t>(hex.X);
    corps.Y = static_cast<std::uint8_t>(hex.Y);
    corps.DestX = static_cast<std::uint8_t>(dest.X);
    corps.DestY = static_cast<std::uint8_t>(dest.Y);
    corps.Side = static_cast<std::uint8_t>(1 + map_.Roll(2));
    corps.Nation =
        corps.Side == TSide::Confederate && map_.Roll(6) == 0 ? TNation::France : corps.Side;
    corps.Strength = static_cast<std::uint16_t>(map_.Roll(12) == 0 ? 0 : 40 + map_.Roll(400));
    corps.ArtilleryStrength = static_cast<std::uint8_t>(map_.Roll(40));
    corps.Quality = static_cast<std::uint8_t>(1 + map_.Roll(7));
    corps.Readiness = static_cast<std::uint8_t>(3 + map_.Roll(23));
    corps.Fatigue = static_cast<std::uint8_t>(map_.Roll(8));
    corps.March = static_cast<std::uint8_t>(map_.Roll(3));
    corps.Stance =
        static_cast<std::uint8_t>(map_.Roll(14) == 0 ? TCombatStance::ByRail : map_.Roll(4));
    corps.Disorder = static_cast<std::uint8_t>(map_.Roll(5) == 0 ? 1 + map_.Roll(6) : 0);
    corps.EnemyPressure = static_cast<std::uint8_t>(map_.Roll(3) == 0 ? 1 + map_.Roll(50) : 0);
    corps.Kind = static_cast<std::uint8_t>(map_.Roll(3));
    corps.Theatre = static_cast<std::uint8_t>(1 + map_.Roll(3));
    corps.SupplyType = static_cast<std::uint8_t>(map_.Roll(3));
    corps.City = static_cast<std::uint8_t>(1 + map_.Roll(cities_));
    corps.Spotted = static_cast<std::uint8_t>(map_.Roll(2));
    corps.Army = static_cast<std::uint8_t>(map_.Roll(3) == 0 ? 1 + map_.Roll(kArmies) : 0);
    corps.LeaderCombat = static_cast<std::uint8_t>(10 + map_.Roll(50));
    corps.Inactive = static_cast<std::uint8_t>(map_.Roll(15) == 0 ? 1 : 0);
    corps.Leader = static_cast<std::uint8_t>(map_.Roll(20) == 0 ? 0 : c);
    corps.OtherBrigades = 2;
    RateLeader(c, corps.Side);
    for (int b = 0; b < 3; ++b) AddBrigade(c, corps.Nation, b);
    for (int s = 1; s <= kPathLength; ++s)
      corps.Path[s] = static_cast<std::uint8_t>(map_.Roll(3) == 0 ? 0 : 1 + map_.Roll(7));
  }

  void AddBrigade(int c, int nation, int k) {
    TBrigade& brigade = GameState.Brigades[3 * (c - 1) + k + 1];
    brigade.Nation = static_cast<std::uint8_t>(nation);
    brigade.Location = static_cast<std::uint8_t>(c);
    brigade.Status = TBrigadeStatus::InCorps;
    brigade.Arm = static_cast<std::uint8_t>(k == 0 ? TArm::Artillery : TArm::Infantry);
    brigade.Strength = static_cast<std::uint8_t>(k == 0 ? 16 : 80);
    brigade.HomeState = static_cast<std::uint8_t>(1 + map_.Roll(32));
    brigade.Quality = static_cast<std::uint8_t>(map_.Roll(8));
    brigade.Fatigue = static_cast<std::uint8_t>(map_.Roll(25));
  }

  varied_map::Builder map_;
  int cities_ = 0;
};

// What the end of the orders phase records once the orders are given: the
// hex every corps starts the movement phase from, and an empty record of moves.
inline void RecordStartPositions() {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    corps.StartX = corps.X;
    corps.StartY = corps.Y;
    corps.StepsMoved = 0;
    for (int s = 1; s <= kPathLength; ++s) corps.StepDone[s] = 0;
  }
}

// The movement phase's corps moves: every corps at each of the steps 1 to 9.
inline void RunNineSteps() {
  for (int step = 1; step <= kPathLength; ++step) {
    GameState.Step = static_cast<std::uint8_t>(step);
    for (int c = 1; c <= GameState.Corps.Count; ++c) MoveCorpsStep(c);
  }
}

}  // namespace corps_scenario
