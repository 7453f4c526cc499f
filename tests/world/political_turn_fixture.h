#pragma once
// A blank war for the rules of city control and politics: named nations, the
// two powers abroad at peace and undecided, land everywhere, and builders for
// states, commanded corps and brigades.
#include <string>

#include "support/window_fixture.h"
#include "tests/world/force_builders.h"
#include "world/codes.h"
#include "world/vardecl.h"

class PoliticsTest : public WindowTest {
 protected:
  static constexpr int kUndecided = 50;

  void SetUp() override {
    WindowTest::SetUp();
    const char* const names[] = {"Union", "Confed", "France", "Britain"};
    for (int n = 1; n <= 4; ++n) {
      GameState.Nations[n].Name = names[n - 1];
      GameState.Nations[n].WarScore = 300;
    }
    Attitude(TNation::France) = Attitude(TNation::Britain) = kUndecided;
    GameState.Year = 1862;
    GameState.Month = 3;
    GameState.Day = 11;
    for (int x = 1; x <= TMapRecord::Columns; ++x) {
      for (int y = 1; y <= TMapRecord::Rows; ++y) MapRecord.Cell(x, y).SetTerrain(1);
    }
  }

  static TNationRec& Nation(int n) { return GameState.Nations[n]; }
  static I16& Attitude(int n) { return GameState.Nations[n].Attitude; }
  static TCity& City(int c) { return GameState.Cities[c]; }
  static TStateRec& State(int s) { return GameState.States[s]; }
  static TCorps& Corps(int k) { return GameState.Corps[k]; }

  // State s, held by the nation's camp, named "State s" ("S<s>" for short).
  static TStateRec& MakeState(int s, int nation, int capital = 0) {
    TStateRec& state = State(s);
    state.Name = "State " + std::to_string(s);
    state.ShortName = "S" + std::to_string(s);
    state.Nation = static_cast<std::uint8_t>(nation);
    state.Side = state.ControlSide = static_cast<std::uint8_t>(nation <= 2 ? nation : 0);
    state.CapitalCity = static_cast<std::uint8_t>(capital);
    state.Loyalty = 50;
    return state;
  }

  // A city of the camp in the state, worth the value.
  static int AddCityIn(int x, int y, int side, int state, int value = 9) {
    const int c = AddCity(x, y, side);
    City(c).State = static_cast<std::uint8_t>(state);
    City(c).Value = static_cast<std::uint8_t>(value);
    City(c).Theatre = TTheatre::Seaboard;
    return c;
  }

  // A corps of the camp's nation under a new commander of the camp.
  static int AddLedCorps(int x, int y, int side, int aggression = 0) {
    const int k = AddCorps(x, y, side, side);
    const int leader = AddLeader({.side = side, .status = TLeaderStatus::InCommand});
    GameState.Leaders[leader].Aggression = static_cast<std::uint8_t>(aggression);
    Corps(k).Leader = static_cast<std::uint8_t>(leader);
    Corps(k).Strength = 400;
    return k;
  }

  static std::string Text(int n) { return "text " + std::to_string(n); }
};
