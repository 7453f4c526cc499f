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
void Move(U16& from, U16& to, int amount) {
  if (amount <= 0 || static_cast<int>(to) + amount > kMostHeld) return;
  if (PayFromStock(from, amount)) RefundToStock(to, amount);
}
}  // namespace

int CottonCapacity(const TFleet& fleet) {
  if (fleet.Kind != kCottonFleetKind) return 0;
  return kBalesPerTransport * fleet.Ships[3] + kBalesPerDamagedTransport * fleet.DamagedShips[3];
}

void LoadSupplies(TFleet& fleet, U16& stock) { Move(stock, fleet.Supplies, kSuppliesLoad); }
void UnloadSupplies(TFleet& fleet, U16& stock) { Move(fleet.Supplies, stock, kSuppliesLoad); }

void LoadCotton(TFleet& fleet, U16& stock) {
  if (fleet.Cotton >= CottonCapacity(fleet)) return;
  Move(stock, fleet.Cotton, std::min<int>(kCottonLoad, stock));
}

void UnloadCotton(TFleet& fleet, U16& stock) {
  Move(fleet.Cotton, stock, std::min<int>(kCottonLoad, fleet.Cotton));
}
