#include "world/map_finder.h"

#include "world/realm_queries.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

// The camp of the nation giving orders.
int SearchingCamp() {
  return CampOfNation(CurrentSide);
}

template <typename Record>
bool OnClickedHex(const Record& record) {
  return record.X == ClickedHexX && record.Y == ClickedHexY;
}

void AddFound(int index, int kind) {
  if (FinderCount >= FinderResults.Count) return;
  ++FinderCount;
  FinderResults[FinderCount] = {static_cast<std::uint16_t>(index),
                                static_cast<std::uint16_t>(kind)};
}

}  // namespace

void FindCitiesAtHex() {
  const int camp = SearchingCamp();
  for (int city = 1; city <= GameState.Cities.Count; ++city) {
    const TCity& candidate = GameState.Cities[city];
    if (candidate.Side == camp && OnClickedHex(candidate)) AddFound(city, kFoundCity);
  }
}

void FindArmiesAtHex() {
  const int camp = SearchingCamp();
  for (int army = 1; army <= GameState.Armies.Count; ++army) {
    const TArmy& candidate = GameState.Armies[army];
    const int hq = candidate.HqCity;
    if (candidate.Side != camp || !IsEntryOf(GameState.Cities, hq)) continue;
    if (OnClickedHex(GameState.Cities[hq])) AddFound(army, kFoundArmy);
  }
}

void FindCorpsAtHex() {
  const int camp = SearchingCamp();
  for (int corps = 1; corps <= GameState.Corps.Count; ++corps) {
    const TCorps& candidate = GameState.Corps[corps];
    if (candidate.Inactive == 0 && OnClickedHex(candidate) &&
        (candidate.Side == camp || candidate.Spotted != 0))
      AddFound(corps, kFoundCorps);
  }
}

void FindFleetsAtHex() {
  const int camp = SearchingCamp();
  for (int fleet = 1; fleet <= GameState.Fleets.Count; ++fleet) {
    const TFleet& candidate = GameState.Fleets[fleet];
    if (candidate.Side == camp && candidate.Status == 0 && OnClickedHex(candidate))
      AddFound(fleet, kFoundFleet);
  }
}
