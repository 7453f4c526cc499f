#include "opponent/planner_camps.h"

#include "world/codes.h"
#include "world/table_slots.h"
#include "world/unit_positions.h"
#include "world/vardecl.h"

namespace {

bool IsBelligerent(int nation) {
  return nation == TNation::Union || nation == TNation::Confederacy;
}
bool IsForeignPower(int nation) {
  return nation == TNation::France || nation == TNation::Britain;
}

}  // namespace

int EnemyCampOf(int camp) {
  return camp == TSide::Union ? TSide::Confederate : TSide::Union;
}

bool AreCompatibleNations(int armyNation, int cityNation) {
  return (IsBelligerent(armyNation) && IsBelligerent(cityNation)) ||
         (IsForeignPower(armyNation) && IsForeignPower(cityNation));
}

void SendCorpsToCity(TCorps& corps, int city) {
  if (!IsEntryOf(GameState.Cities, city)) return;
  corps.DestX = GameState.Cities[city].X;
  corps.DestY = GameState.Cities[city].Y;
}

bool CorpsStandsOnCity(const TCorps& corps, int city) {
  return IsEntryOf(GameState.Cities, city) &&
         StandsOn(corps, GameState.Cities[city].X, GameState.Cities[city].Y);
}
