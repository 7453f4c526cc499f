#pragma once
// Counting a fleet's ships by type, sound and damaged.
#include "world/codes.h"
#include "world/realm_records.h"

// Sound and damaged ships of the type (TShipType).
inline int ShipsOfType(const TFleet& fleet, int type) {
  return fleet.Ships[type] + fleet.DamagedShips[type];
}

inline int DamagedShipCount(const TFleet& fleet) {
  return fleet.DamagedShips[TShipType::Ironclad] + fleet.DamagedShips[TShipType::Warship] +
         fleet.DamagedShips[TShipType::Transport];
}

inline int ShipCount(const TFleet& fleet) {
  return ShipsOfType(fleet, TShipType::Ironclad) + ShipsOfType(fleet, TShipType::Warship) +
         ShipsOfType(fleet, TShipType::Transport);
}
