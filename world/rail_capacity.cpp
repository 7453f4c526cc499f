#include "world/rail_capacity.h"

#include <limits>

#include "world/rail_gates.h"
#include "world/stock_payment.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {
constexpr int kLoad = 100;
}  // namespace

bool TransferLoad(int nation, bool cotton, int from, int to) {
  if (!HasRailMovesLeft(nation)) return false;
  auto& goods = cotton ? GameState.Nations[nation].Cotton : GameState.Nations[nation].Supplies;
  if (!IsEntryOf(goods, from) || !IsEntryOf(goods, to) || from == to) return false;
  if (goods[to] > std::numeric_limits<std::uint16_t>::max() - kLoad ||
      !PayFromStock(goods[from], kLoad))
    return false;
  RefundToStock(goods[to], kLoad);
  ++GameState.Nations[nation].RailUsed;
  return true;
}

int BuyRailCapacity(int nation) {
  if (!IsEntryOf(GameState.Nations, nation)) return 0;
  TNationRec& record = GameState.Nations[nation];
  if (record.RailCapacity == std::numeric_limits<std::uint8_t>::max()) return 0;
  int richest = 0;
  for (int theatre = 1; theatre <= 3; ++theatre)
    if (record.Supplies[theatre] > (richest == 0 ? 0 : record.Supplies[richest])) richest = theatre;
  if (richest == 0 || !PayFromStock(record.Supplies[richest], kLoad)) return 0;
  ++record.RailCapacity;
  return richest;
}
