#pragma once
// States, cities and stocks for the tests of the monthly economy, on a blank
// game (WorldTest) or on one with a recording window (WindowTest).
#include <cstdint>
#include <string>

#include "world/codes.h"
#include "world/vardecl.h"

template <typename Game>
class EconomyTest : public Game {
 protected:
  static TNationRec& Nation(int n) { return GameState.Nations[n]; }
  static U16& Supplies(int n, int t = TTheatre::Seaboard) { return Nation(n).Supplies[t]; }

  // A state of the nation, held by the nation's camp, in the eastern theatre,
  // with no industry, people or capital until the test gives it some.
  static TStateRec& StateOf(int s, int nation) {
    TStateRec& state = GameState.States[s];
    state.Name = "State " + std::to_string(s);
    state.Nation = static_cast<std::uint8_t>(nation);
    state.Side = state.ControlSide = nation == 0 ? 0 : Nation(nation).Side;
    state.Theatre = TTheatre::Seaboard;
    return state;
  }

  // A city of the nation in the state; the state's first city is its capital.
  static TCity& CityIn(int s, int nation, int population) {
    const int c = Game::AddCity(10 + s, 10, Nation(nation).Side);
    TCity& city = GameState.Cities[c];
    city.Nation = static_cast<std::uint8_t>(nation);
    city.State = static_cast<std::uint8_t>(s);
    city.Theatre = TTheatre::Seaboard;
    city.Population = static_cast<std::uint16_t>(population);
    if (GameState.States[s].CapitalCity == 0)
      GameState.States[s].CapitalCity = static_cast<std::uint8_t>(c);
    return city;
  }
};
