#include "world/rail_gates.h"

#include "world/codes.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

bool RailwayAtHand(const TCorps& corps) {
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.X == corps.X && city.Y == corps.Y && city.Side == corps.Side && city.RailStation != 0)
      return true;
  }
  return TMapRecord::OnMap(corps.X, corps.Y) && MapRecord.Cell(corps.X, corps.Y).LinkFlag();
}

bool HasRailMovesLeft(int nation) {
  if (!IsEntryOf(GameState.Nations, nation)) return false;
  const TNationRec& record = GameState.Nations[nation];
  return record.RailUsed < record.RailCapacity;
}

bool IsInTransit(const TCorps& corps) {
  return corps.Stance == TCombatStance::Embarked || corps.Stance == TCombatStance::ByRail;
}
