#pragma once
// A blank game for the computer planners' tests, with a recording window: the
// builders place cities and corps in a theatre with the strengths the
// planners weigh.
#include "support/window_fixture.h"
#include "world/codes.h"
#include "world/vardecl.h"

class PlannerTest : public WindowTest {
 protected:
  // A blank game again, for the next row of a table.
  void Fresh() {
    TearDown();
    SetUp();
    window.ForgetRecords();
  }
  // A city of the camp in the theatre, worth `value`.
  static int AddCityIn(int x, int y, int side, int theatre, int value = 0) {
    const int c = AddCity(x, y, side);
    GameState.Cities[c].Theatre = static_cast<std::uint8_t>(theatre);
    GameState.Cities[c].Value = static_cast<std::uint8_t>(value);
    return c;
  }
  // A corps of the nation (in the nation's camp) in the theatre.
  static int AddCorpsOf(int x, int y, int nation, int strength, int theatre = TTheatre::Seaboard) {
    const int c = AddCorps(x, y, GameState.Nations[nation].Side, nation);
    GameState.Corps[c].Strength = static_cast<std::uint16_t>(strength);
    GameState.Corps[c].Theatre = static_cast<std::uint8_t>(theatre);
    return c;
  }
};
