#include "world/theatre_supplies.h"

#include "world/table_slots.h"
#include "world/vardecl.h"

U16* TheatreSupplies(int nation, int theatre) {
  if (!IsEntryOf(GameState.Nations, nation)) return nullptr;
  auto& supplies = GameState.Nations[nation].Supplies;
  return IsEntryOf(supplies, theatre) ? &supplies[theatre] : nullptr;
}
