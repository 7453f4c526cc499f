#pragma once
// Open sea for the fleet rules: every hex water, the Union and the
// Confederacy at war, placeholder texts, a recording window, and builders
// for active fleets, ports and an embarked corps.
#include <cstdint>

#include "support/window_fixture.h"
#include "world/codes.h"
#include "world/corps_movement.h"
#include "world/hex_grid.h"
#include "world/vardecl.h"

class FleetTest : public WindowTest {
 protected:
  // A blank start for the next row of a table.
  void Fresh() {
    TearDown();
    window.ForgetRecords();
    SetUp();
  }

  // An active sea fleet of the nation (its camp as the nation's), idle.
  static TFleet& ActiveFleet(int x, int y, int nation, int ironclads = 0, int warships = 0,
                             int transports = 1) {
    const int side = GameState.Nations[nation].Side;
    TFleet& fleet = GameState.Fleets[AddFleet(x, y, side, nation)];
    fleet.Ships[TShipType::Ironclad] = static_cast<std::uint8_t>(ironclads);
    fleet.Ships[TShipType::Warship] = static_cast<std::uint8_t>(warships);
    fleet.Ships[TShipType::Transport] = static_cast<std::uint8_t>(transports);
    return fleet;
  }

  // A sea port of the camp in the theatre.
  static int AddPort(int x, int y, int side, int theatre = TTheatre::Seaboard) {
    const int c = AddCity(x, y, side);
    GameState.Cities[c].SeaPort = 1;
    GameState.Cities[c].Theatre = static_cast<std::uint8_t>(theatre);
    return c;
  }

  static void SailFor(TFleet& fleet, int mission, int home, int objective) {
    fleet.Mission = static_cast<std::uint8_t>(mission);
    fleet.HomePort = static_cast<std::uint8_t>(home);
    fleet.Objective = static_cast<std::uint8_t>(objective);
    if (objective == 0) return;
    fleet.DestX = GameState.Cities[objective].X;
    fleet.DestY = GameState.Cities[objective].Y;
  }

  // A corps of the fleet's camp embarked on it, with one brigade.
  static TCorps& EmbarkCorps(TFleet& fleet) {
    const int c = AddCorps(fleet.X, fleet.Y, fleet.Side, fleet.Nation);
    fleet.Corps = static_cast<std::uint8_t>(c);
    TCorps& corps = GameState.Corps[c];
    corps.Stance = TCombatStance::Embarked;
    TBrigade& brigade = GameState.Brigades[1];
    brigade.Status = TBrigadeStatus::InCorps;
    brigade.Location = static_cast<std::uint8_t>(c);
    return corps;
  }

  static int Supplies(int nation, int theatre = TTheatre::Seaboard) {
    return GameState.Nations[nation].Supplies[theatre];
  }
  static void SetSupplies(int nation, int amount, int theatre = TTheatre::Seaboard) {
    GameState.Nations[nation].Supplies[theatre] = static_cast<std::uint16_t>(amount);
  }
};
