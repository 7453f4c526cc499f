#include "world/production_orders.h"

#include <limits>

#include "world/stock_payment.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {
constexpr int kUnitCostOverhead = 4;
struct YardPrice {
  int cost;
  int refund;
};
constexpr YardPrice kYardPrices[] = {{500, 200}, {250, 100}};
}  // namespace

int UnitCost(int nation, int weapon) {
  if (!IsEntryOf(GameState.WeaponTypes, weapon)) return 0;
  const auto& costs = GameState.WeaponTypes[weapon].Cost;
  return (IsEntryOf(costs, nation) ? costs[nation] : 0) + kUnitCostOverhead;
}

bool OrderOutput(U16& output, U16& supplies, int cost) {
  if (output == std::numeric_limits<std::uint16_t>::max() || !PayFromStockAbove(supplies, cost))
    return false;
  output = static_cast<std::uint16_t>(output + 1);
  return true;
}

bool CancelOutput(U16& output, U16& supplies, int cost) {
  if (output == 0) return false;
  output = static_cast<std::uint16_t>(output - 1);
  RefundToStock(supplies, cost / 2);
  return true;
}

bool OrderShipyard(std::uint8_t& capacity, U16& supplies, int kind) {
  if (capacity == std::numeric_limits<std::uint8_t>::max() ||
      !PayFromStockAbove(supplies, kYardPrices[kind - 1].cost))
    return false;
  ++capacity;
  return true;
}

bool CancelShipyard(std::uint8_t& capacity, U16& supplies, int kind) {
  if (capacity == 0) return false;
  --capacity;
  RefundToStock(supplies, kYardPrices[kind - 1].refund);
  return true;
}
