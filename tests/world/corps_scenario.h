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
    for (int theatre = 1; theatre <= 3; ++theatre) GameState.Weather[theatre] = Roll(9);
    GameState.MessageView = 3;
    LayStates();
    AddCities();
    AddArmies();
    for (int c = 1; c <= GameState.Corps.Count; ++c) AddCorps(c);
  }

 private:
  int Roll(int n) { return map_.Roll(n); }

  // Bands of columns, a northern and a southern row of states; state 20 is neutral.
  void LayStates() {
    for (int x = 1; x <= TMapRecord::Columns; ++x)
      for (int y = 1; y <= TMapRecord::Rows; ++y)
        MapRecord.Cell(x, y).Bytes[2] = (y <= 27 ? 1 : 17) + (x - 1) / 5;
    for (int s = 1; s <= 32; ++s) {
      TStateRec& state = GameState.States[s];
      state.Name = "State " + std::to_string(s);
      state.Side = state.ControlSide = state.Nation = s == 20  ? TSide::None
                                                      : s < 17 ? TSide::Union
                                                               : TSide::Confederate;
      state.IntruderStrength = Roll(2) * 10;
    }
  }

  void AddCities() {
    for (const THexPos& hex : map_.Cities()) {
      if (cities_ == GameState.Cities.Count) break;
      TCity& city = GameState.Cities[++cities_];
      city.Name = "City " + std::to_string(cities_);
      city.X = hex.X;
      city.Y = hex.Y;
      city.Side = city.Nation = MapRecord.Cell(hex.X, hex.Y).Owner();
      city.State = StateAt(hex.X, hex.Y);
      city.SupplyLevel = Roll(4);
    }
  }

  void AddArmies() {
    for (int a = 1; a <= kArmies; ++a) {
      TArmy& army = GameState.Armies[a];
      army.Side = army.Nation = a % 2 + 1;
      army.HqCity = 1 + Roll(cities_);
      army.Leader = GameState.Corps.Count + a;
      army.CorpsCount = 2 + Roll(6);
      army.Stance = Roll(4);
      RateLeader(army.Leader, army.Side);
    }
  }

  void RateLeader(int l, int side) {
    TLeader& leader = GameState.Leaders[l];
    leader.Name = "General " + std::to_string(l);
    leader.Side = side;
    leader.Combat = 10 + Roll(60);
    leader.Aggression = Roll(100);
    leader.Inspiration = Roll(100);
    leader.Experience = Roll(8);
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
    if (Roll(5) == 0) return from;
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
    corps.X = hex.X;
    corps.Y = hex.Y;
    corps.DestX = dest.X;
    corps.DestY = dest.Y;
    corps.Side = 1 + Roll(2);
    corps.Nation = corps.Side == TSide::Confederate && Roll(6) == 0 ? TNation::France : corps.Side;
    corps.Strength = Roll(12) == 0 ? 0 : 40 + Roll(400);
    corps.ArtilleryStrength = Roll(40);
    corps.Quality = 1 + Roll(7);
    corps.Readiness = 3 + Roll(23);
    corps.Fatigue = Roll(8);
    corps.March = Roll(3);
    corps.Stance = Roll(14) == 0 ? TCombatStance::ByRail : Roll(4);
    corps.Disorder = Roll(5) == 0 ? 1 + Roll(6) : 0;
    corps.EnemyPressure = Roll(3) == 0 ? 1 + Roll(50) : 0;
    corps.Kind = Roll(3);
    corps.Theatre = 1 + Roll(3);
    corps.SupplyType = Roll(3);
    corps.City = 1 + Roll(cities_);
    corps.Spotted = Roll(2);
    corps.Army = Roll(3) == 0 ? 1 + Roll(kArmies) : 0;
    corps.LeaderCombat = 10 + Roll(50);
    corps.Inactive = Roll(15) == 0 ? 1 : 0;
    corps.Leader = Roll(20) == 0 ? 0 : c;
    corps.OtherBrigades = 2;
    RateLeader(c, corps.Side);
    for (int k = 0; k < 3; ++k) {
      TBrigade& brigade = GameState.Brigades[3 * (c - 1) + k + 1];
      brigade.Nation = corps.Nation;
      brigade.Location = c;
      brigade.Status = TBrigadeStatus::InCorps;
      brigade.Arm = k == 0 ? TArm::Artillery : TArm::Infantry;
      brigade.Strength = k == 0 ? 16 : 80;
      brigade.HomeState = 1 + Roll(32);
      brigade.Quality = Roll(8);
      brigade.Fatigue = Roll(25);
    }
    for (int s = 1; s <= kPathLength; ++s) corps.Path[s] = Roll(3) == 0 ? 0 : 1 + Roll(7);
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
    GameState.Step = step;
    for (int c = 1; c <= GameState.Corps.Count; ++c) MoveCorpsStep(c);
  }
}

}  // namespace corps_scenario
