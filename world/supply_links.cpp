#include "world/supply_links.h"

#include <array>

#include "world/codes.h"
#include "world/corps_orders.h"
#include "world/hex_grid.h"
#include "world/realm_queries.h"
#include "world/route_finder.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr int kCities = decltype(TGameState::Cities)::Count;
constexpr int kStates = decltype(TGameState::States)::Count;

// A march links cities fewer than this many hexes apart.
constexpr int kRoadReach = 9;
constexpr int kRoadSteps = 9;
constexpr int kSeaLinkNavalBalance = 2;

// A river or rail route between two cities depends only on the map, which
// stays as it is while the links are computed, so each pair is flooded once
// per computation. (The draws the route finder makes there only choose among
// equally short paths, and no one reads the path.) The army route depends on
// its draws and is asked each time.
class FloodMemo {
 public:
  FloodMemo() {
    for (auto& row : known_) row.fill(kUnknown);
  }

  bool Links(int a, int b, int mode, int camp) {
    std::int8_t& known = known_[Row(a, mode)][b];
    if (known == kUnknown) known = FloodArrives(a, b, mode, camp) ? 1 : 0;
    return known == 1;
  }

  static bool FloodArrives(int a, int b, int mode, int camp) {
    const TCity& from = GameState.Cities[a];
    const TCity& to = GameState.Cities[b];
    return RouteArrives(from.X, from.Y, to.X, to.Y, kWaterwayLinkSteps, mode, camp, kOwnHexesOnly);
  }

 private:
  static constexpr std::int8_t kUnknown = -1;

  static int Row(int city, int mode) { return city * 2 + (mode == kRailRouteMode ? 1 : 0); }

  std::array<std::array<std::int8_t, kCities + 1>, 2 * (kCities + 1)> known_;
};

// Without a memo every flood is asked afresh.
bool FloodLinks(FloodMemo* floods, int a, int b, int mode, int camp) {
  return floods != nullptr ? floods->Links(a, b, mode, camp)
                           : FloodMemo::FloodArrives(a, b, mode, camp);
}

int EvaluateLink(int a, int b, FloodMemo* floods) {
  if (!IsCity(a) || !IsCity(b)) return kNoLink;
  const TCity& from = GameState.Cities[a];
  const TCity& to = GameState.Cities[b];
  const int nation = from.Nation;
  if (!IsEntryOf(GameState.Nations, nation)) return kNoLink;
  const int camp = GameState.Nations[nation].Side;
  const int distance = HexDistance(from.X, from.Y, to.X, to.Y);
  if (distance < kWaterwayLinkReach && from.RiverPort != 0 && to.RiverPort != 0 &&
      FloodLinks(floods, a, b, kRiverRouteMode, camp))
    return kRiverLink;
  if (distance < kWaterwayLinkReach && from.RailStation != 0 && to.RailStation != 0 &&
      FloodLinks(floods, a, b, kRailRouteMode, camp))
    return kRailLink;
  // The army route marches for the camp of the nation it is given.
  if (distance < kRoadReach &&
      RouteArrives(from.X, from.Y, to.X, to.Y, kRoadSteps, kArmyRouteMode, nation, kOwnHexesOnly))
    return kRoadLink;
  if (from.SeaPort != 0 && to.SeaPort != 0 &&
      GameState.Nations[nation].NavalBalance >= kSeaLinkNavalBalance)
    return kSeaLink;
  return kNoLink;
}

bool HasTransportsAtSea(int nation) {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (fleet.Status == 0 && fleet.Nation == nation && fleet.Ships[3] != 0) return true;
  }
  return false;
}

// The Union and Britain can feed their ports from the sea.
void SupplyPortsByShip() {
  for (const int nation : {TNation::Union, TNation::Britain}) {
    if (!HasTransportsAtSea(nation)) continue;
    for (int c = 1; c <= kCities; ++c) {
      TCity& city = GameState.Cities[c];
      if (city.Nation == nation && city.SeaPort != 0) city.SupplyLevel = TSupplyLevel::ShippedIn;
    }
  }
}

bool IsCityOf(const TCity& city, int state, int camp) {
  return city.State == state && city.Side == camp;
}

void LinkStateCentres(FloodMemo* floods) {
  for (int s = 1; s <= kStates; ++s) {
    const TStateRec& state = GameState.States[s];
    const int capital = state.CapitalCity;
    if (!IsCity(capital) || GameState.Cities[capital].Side != state.ControlSide) continue;
    for (int k = 1; k <= kCities; ++k) {
      if (k == capital || !IsCityOf(GameState.Cities[k], s, state.ControlSide)) continue;
      if (EvaluateLink(capital, k, floods) != kNoLink) {
        GameState.Cities[capital].SupplyLevel = TSupplyLevel::StateCentre;
        break;
      }
    }
  }
}

void LinkCitiesToStateCentres(FloodMemo* floods) {
  for (int s = 1; s <= kStates; ++s) {
    const int capital = GameState.States[s].CapitalCity;
    if (!IsCity(capital)) continue;
    const int camp = GameState.Cities[capital].Side;
    for (int k = 1; k <= kCities; ++k) {
      TCity& city = GameState.Cities[k];
      if (!IsCityOf(city, s, camp) || city.SupplyLevel >= TSupplyLevel::Linked) continue;
      if (EvaluateLink(capital, k, floods) != kNoLink) city.SupplyLevel = TSupplyLevel::Linked;
    }
  }
}

// A city still unsupplied joins the first supplied city of its camp it links
// to; cities linked earlier in this step already count.
void LinkCutOffCities(FloodMemo* floods) {
  for (int nation = 1; nation <= GameState.Nations.Count; ++nation) {
    for (int c = 1; c <= kCities; ++c) {
      TCity& city = GameState.Cities[c];
      if (city.Nation != nation || city.SupplyLevel != TSupplyLevel::Unsupplied) continue;
      for (int j = 1; j <= kCities; ++j) {
        const TCity& other = GameState.Cities[j];
        if (other.Side != city.Side || other.SupplyLevel == TSupplyLevel::Unsupplied) continue;
        if (EvaluateLink(c, j, floods) != kNoLink) {
          city.SupplyLevel = TSupplyLevel::Linked;
          break;
        }
      }
    }
  }
}

void SupplyCitiesOnHomeGround() {
  for (int c = 1; c <= kCities; ++c) {
    TCity& city = GameState.Cities[c];
    if (city.SupplyLevel != TSupplyLevel::Unsupplied || !IsEntryOf(GameState.States, city.State))
      continue;
    if (GameState.States[city.State].ControlSide == city.Side)
      city.SupplyLevel = TSupplyLevel::HomeGround;
  }
}

}  // namespace

int EvaluateCityRoute(int a, int b) {
  return EvaluateLink(a, b, nullptr);
}

void ComputeCitySupplyLinks() {
  for (int c = 1; c <= kCities; ++c) GameState.Cities[c].SupplyLevel = TSupplyLevel::Unsupplied;
  FloodMemo floods;
  SupplyPortsByShip();
  LinkStateCentres(&floods);
  LinkCitiesToStateCentres(&floods);
  LinkCutOffCities(&floods);
  SupplyCitiesOnHomeGround();
}
