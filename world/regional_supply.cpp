#include "world/regional_supply.h"

#include <algorithm>
#include <array>

#include "world/codes.h"
#include "world/saturating.h"
#include "world/supply_and_attrition.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

static_assert(decltype(TNationRec::Supplies)::Count == kTheatreCount);
// A fleet at home eats this much per ship.
constexpr int kFleetDemandPerShip = 10;

using TheatreDemand = std::array<int, kTheatreCount + 1>;

int TheatreOfCity(int city) {
  return IsEntryOf(GameState.Cities, city) ? GameState.Cities[city].Theatre : 0;
}

TheatreDemand DemandByTheatre(int nation) {
  TheatreDemand demand{};
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.Inactive == 0 && corps.Nation == nation && IsTheatre(corps.Theatre))
      demand[corps.Theatre] += CorpsSupplyDemand(c);
  }
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    const int theatre = TheatreOfCity(fleet.HomePort);
    if (fleet.Status != 0 || fleet.Nation != nation || !IsTheatre(theatre)) continue;
    demand[theatre] += kFleetDemandPerShip * (fleet.Ships[1] + fleet.Ships[2] + fleet.Ships[3]);
  }
  return demand;
}

}  // namespace

void BalanceRegionalSupply(int nation) {
  if (!IsEntryOf(GameState.Nations, nation)) return;
  TNationRec& record = GameState.Nations[nation];
  const TheatreDemand demand = DemandByTheatre(nation);
  for (int t = 1; t <= kTheatreCount; ++t) StoreSaturated(record.SupplyDemand[t], demand[t]);
  for (int t = 1; t <= kTheatreCount; ++t) {
    if (demand[t] <= record.Supplies[t]) continue;
    // Each donor gives up to the whole need; the need is not lowered in between.
    const int need = demand[t] - record.Supplies[t];
    for (int u = 1; u <= kTheatreCount; ++u) {
      const int surplus = record.Supplies[u] - record.SupplyDemand[u];
      if (u == t || surplus <= 0) continue;
      const int moved = std::min(surplus, need);
      record.Supplies[u] -= static_cast<std::uint16_t>(moved);
      AddSaturated(record.Supplies[t], moved);
    }
    if (record.Supplies[t] < demand[t]) StoreSaturated(record.Supplies[t], demand[t]);
  }
}
