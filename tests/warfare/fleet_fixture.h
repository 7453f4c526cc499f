#pragma once
// Open sea for the fleet rules: every hex water, the Union and the
// Confederacy at war, placeholder texts ("text n"), a recording window, and
// builders for active fleets, ports and an embarked corps.
#include "support/window_fixture.h"
#include "world/codes.h"
#include "world/hex_grid.h"
#include "world/random.h"
#include "world/vardecl.h"

class FleetTest : public WindowTest {
 protected:
  // A blank start for the next row of a table.
  void Fresh() {
    TearDown();
    window.ForgetRecords();
    battleViews.Forget();
    SetUp();
  }

  // An active sea fleet of the nation, in its nation's camp, idle.
  static TFleet& Fleet(int x, int y, int nation, int ironclads = 0, int warships = 0,
                       int transports = 1) {
    TFleet& fleet = GameState.Fleets[AddFleet(x, y, GameState.Nations[nation].Side, nation)];
    fleet.Ships[TShipType::Ironclad] = ironclads;
    fleet.Ships[TShipType::Warship] = warships;
    fleet.Ships[TShipType::Transport] = transports;
    return fleet;
  }

  static int Port(int x, int y, int side, int theatre = TTheatre::Seaboard) {
    const int c = AddCity(x, y, side);
    GameState.Cities[c].SeaPort = 1;
    GameState.Cities[c].Theatre = theatre;
    return c;
  }

  static void SailFor(TFleet& fleet, int mission, int home, int objective) {
    fleet.Mission = mission;
    fleet.HomePort = home;
    fleet.Objective = objective;
    if (objective == 0) return;
    fleet.DestX = GameState.Cities[objective].X;
    fleet.DestY = GameState.Cities[objective].Y;
  }

  // A corps of the fleet's camp embarked on it, with brigade 1.
  static TCorps& EmbarkCorps(TFleet& fleet) {
    const int c = AddCorps(fleet.X, fleet.Y, fleet.Side, fleet.Nation);
    fleet.Corps = c;
    GameState.Corps[c].Stance = TCombatStance::Embarked;
    GameState.Brigades[1].Status = TBrigadeStatus::InCorps;
    GameState.Brigades[1].Location = c;
    return GameState.Corps[c];
  }

  static U16& Stock(int nation, int theatre = TTheatre::Seaboard) {
    return GameState.Nations[nation].Supplies[theatre];
  }

  // One draw out of 100, or none at all when the rule must not draw.
  static constexpr int kNoDraw = -1;
  static void DrawOf100(int draw) {
    ScriptRandomDraws(draw == kNoDraw ? std::deque<ScriptedDraw>{}
                                      : std::deque<ScriptedDraw>{{100, draw}});
  }
};
