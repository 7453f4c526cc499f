#include "world/fleet_stores.h"

#include <algorithm>

#include "world/stock_payment.h"

namespace {
constexpr int kCottonFleetKind = 0;
constexpr int kBalesPerTransport = 300;
constexpr int kBalesPerDamagedTransport = 150;
constexpr int kSuppliesLoad = 5;
constexpr int kCottonLoad = 50;
constexpr int kMostHeld = 65535;

// Moves the amount only when the source holds it and the destination has room.
bool Move(U16& from, U16& to, int amount) {
  if (amount <= 0 || static_cast<int>(to) + amount > kMostHeld) return false;
  if (!PayFromStock(from, amount)) return false;
  RefundToStock(to, amount);
  return true;
}
}  // namespace

int CottonCapacity(const TFleet& fleet) {
  if (fleet.Kind != kCottonFleetKind) return 0;
  return kBalesPerTransport * fleet.Ships[3] + kBalesPerDamagedTransport * fleet.DamagedShips[3];
}

bool LoadSupplies(TFleet& fleet, U16& stock) {
  return Move(stock, fleet.Supplies, kSuppliesLoad);
}
bool UnloadSupplies(TFleet& fleet, U16& stock) {
  return Move(fleet.Supplies, stock, kSuppliesLoad);
}

bool LoadCotton(TFleet& fleet, U16& stock) {
  if (fleet.Cotton >= CottonCapacity(fleet)) return false;
  return Move(stock, fleet.Cotton, std::min<int>(kCottonLoad, stock));
}

bool UnloadCotton(TFleet& fleet, U16& stock) {
  return Move(fleet.Cotton, stock, std::min<int>(kCottonLoad, fleet.Cotton));
}
