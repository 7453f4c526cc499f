#include "world/supply_and_attrition.h"

#include <algorithm>
#include <array>
#include <string>

#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/corps_fatigue.h"
#include "world/corps_orders.h"
#include "world/game_window.h"
#include "world/hex_grid.h"
#include "world/monthly_income.h"
#include "world/random.h"
#include "world/realm_queries.h"
#include "world/route_finder.h"
#include "world/saturating.h"
#include "world/supply_links.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/unit_positions.h"
#include "world/vardecl.h"
#include "world/weather.h"

namespace {

constexpr int kDepotTakenText = 722;
constexpr int kDepotShortText = 724;
constexpr int kDepotCutOffText = 725;

// How far a depot feeds over land, by the weather of the first theatre 0..8;
// any worse weather reads as the first entry.
constexpr std::array<int, 9> kDepotRangeByWeather = {7, 7, 7, 5, 5, 3, 6, 3, 3};

constexpr int kEncampedRate = 1;
constexpr int kDepotRate = 3;
constexpr int kEncampmentLostRate = 6;
constexpr int kDepotTakenRate = 9;
constexpr int kCutOffRate = 10;
constexpr int kSubsistenceRateRise = 3;

// Foraging by terrain class: two classes feed foragers worst, a town's hex best.
constexpr int kHardForagingTerrainA = 3;
constexpr int kHardForagingTerrainB = 5;
constexpr int kHardForagingRate = 14;
constexpr int kTownForagingRate = 6;
constexpr int kForagingRate = 10;
constexpr int kForcedMarchRate = 5;

constexpr int kSiegeLossBase = 5;
constexpr int kSiegeLossDie = 6;

// The state of the map hex, 0 for none.
int StateOf(int x, int y) {
  if (!TMapRecord::OnMap(x, y)) return 0;
  const int state = MapRecord.Cell(x, y).State();
  return IsEntryOf(GameState.States, state) ? state : 0;
}

bool PayFromStock(int nation, int theatre, int demand) {
  U16* stock = TheatreSupplies(nation, theatre);
  if (stock == nullptr || *stock < demand) return false;
  *stock -= static_cast<std::uint16_t>(demand);
  return true;
}

int MeanBrigadeQuality(int corps) {
  int quality = 0;
  int brigades = 0;
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (!IsBrigadeOfCorps(brigade, corps)) continue;
    quality += brigade.Quality;
    ++brigades;
  }
  return brigades == 0 ? 1 : std::max(quality / brigades, 1);
}

bool OnOwnSupplyCity(const TCorps& corps) {
  if (!IsCity(corps.City)) return false;
  const TCity& city = GameState.Cities[corps.City];
  return city.Side == corps.Side && StandsOn(corps, city.X, city.Y);
}

// The player hears of his corps' supply only while it had a priority to lose.
void TellPlayer(const TCorps& corps, int nation, int text) {
  if (corps.SupplyPriority == TSupplyPriority::Subsistence || !IsHumanNation(nation)) return;
  const std::string leader = LeaderName(corps.Leader);
  Window().SetCursor(WindowCursor::Default);
  Window().ShowMessage(leader + TextLine(text));
}

void TurnToForaging(TCorps& corps) {
  corps.SupplyType = TSupplyType::Foraging;
  corps.SupplyPriority = TSupplyPriority::Subsistence;
}

// Losses are taken only in the pass after movement.
int Attrition(int corps, int rate, int phase) {
  return phase == kSupplyAfterMovement ? ApplySupplyAttrition(corps, rate) : 0;
}

bool EnemyFleetOn(int x, int y, int camp) {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (fleet.Status == 0 && fleet.Side != TSide::None && fleet.Side != camp && fleet.X == x &&
        fleet.Y == y)
      return true;
  }
  return false;
}

// An enemy fleet anywhere on the river between the corps and its depot cuts
// the river supply. The walk follows the listed route steps and ends on the
// depot's hex.
bool RiverRouteBlocked(const TCorps& corps, const TCity& depot) {
  std::uint16_t x = corps.X;
  std::uint16_t y = corps.Y;
  for (int step = 1; step <= kWaterwayLinkSteps && RouteSteps[step] != kNoDirection; ++step) {
    StepHexRef(x, y, RouteSteps[step]);
    if (EnemyFleetOn(x, y, corps.Side)) return true;
    if (x == depot.X && y == depot.Y) return false;
  }
  return false;
}

int DepotRange() {
  const int weather = GameState.Weather[TTheatre::Seaboard];
  return weather < static_cast<int>(kDepotRangeByWeather.size()) ? kDepotRangeByWeather[weather]
                                                                 : kDepotRangeByWeather[0];
}

bool ConnectedToDepot(const TCorps& corps, const TCity& depot) {
  const int distance = Distance(HexOf(corps), HexOf(depot));
  const int range = DepotRange();
  const int camp = CampOfNation(depot.Nation);
  // The army route marches for the camp of the nation it is given.
  if (distance <= range && (StandsOn(corps, depot.X, depot.Y) ||
                            RouteArrives(corps.X, corps.Y, depot.X, depot.Y, range, kArmyRouteMode,
                                         depot.Nation, kOwnHexesOnly)))
    return true;
  if (distance < kWaterwayLinkReach && depot.RiverPort != 0 &&
      RouteArrives(corps.X, corps.Y, depot.X, depot.Y, kWaterwayLinkSteps, kRiverRouteMode, camp,
                   kAnyHex) &&
      !RiverRouteBlocked(corps, depot))
    return true;
  return distance < kWaterwayLinkReach && depot.RailStation != 0 &&
         RouteArrives(corps.X, corps.Y, depot.X, depot.Y, kWaterwayLinkSteps, kRailRouteMode, camp,
                      kOwnHexesOnly);
}

int Forage(int c, int& demand, int phase) {
  TCorps& corps = GameState.Corps[c];
  int rate = ForagingAttritionRate(corps.X, corps.Y, c, 1);
  if (const int s = StateOf(corps.X, corps.Y); s != 0) {
    const TStateRec& state = GameState.States[s];
    if (state.ControlSide == corps.Side) demand /= 2;
    if (PayFromStock(state.Nation, corps.Theatre, demand)) rate /= 2;
  }
  const int losses = Attrition(c, rate, phase);
  StoreSaturated(corps.SupplyStatus, losses);
  return losses;
}

int Encamp(int c, int& demand, int phase) {
  TCorps& corps = GameState.Corps[c];
  int rate = kEncampedRate;
  if (IsCity(corps.City)) {
    const TCity& city = GameState.Cities[corps.City];
    if (Distance(HexOf(corps), HexOf(city)) > 1) {
      corps.SupplyType = TSupplyType::Depot;
      corps.SupplyPriority = TSupplyPriority::Standard;
      rate = kEncampmentLostRate;
    }
    if (city.Side != corps.Side) {
      TurnToForaging(corps);
      rate = kEncampmentLostRate;
    }
  } else {
    TurnToForaging(corps);
    rate = kEncampmentLostRate;
  }
  if (corps.SupplyPriority == TSupplyPriority::Standard) {
    demand /= 2;
    rate /= 2;
  }
  if (StateOf(corps.X, corps.Y) != 0 && PayFromStock(corps.Nation, corps.Theatre, demand))
    rate /= 2;
  const int losses = Attrition(c, rate, phase);
  corps.SupplyStatus = 0;
  return losses;
}

int RateByPriority(int rate, int priority) {
  switch (priority) {
    case TSupplyPriority::Subsistence:
      return rate + kSubsistenceRateRise;
    case TSupplyPriority::Standard:
      return rate - 1;
    default:
      return rate / 2;
  }
}

// A corps without a supply city, or whose city has no nation, is cut off.
int DrawFromDepot(int c, int demand, int phase) {
  TCorps& corps = GameState.Corps[c];
  int rate = kDepotRate;
  const bool hasDepot = IsCity(corps.City);
  const TCity* depot = hasDepot ? &GameState.Cities[corps.City] : nullptr;
  if (hasDepot && depot->Side != corps.Side) {
    TellPlayer(corps, corps.Nation, kDepotTakenText);
    TurnToForaging(corps);
    rate = kDepotTakenRate;
  } else if (hasDepot && IsEntryOf(GameState.Nations, depot->Nation) &&
             ConnectedToDepot(corps, *depot)) {
    if (PayFromStock(depot->Nation, corps.Theatre, demand)) {
      corps.SupplyStatus = 0;
    } else {
      TellPlayer(corps, depot->Nation, kDepotShortText);
      TurnToForaging(corps);
      corps.SupplyStatus = kSupplyShort;
    }
    rate = RateByPriority(rate, corps.SupplyPriority);
  } else {
    TellPlayer(corps, hasDepot ? depot->Nation : corps.Nation, kDepotCutOffText);
    TurnToForaging(corps);
    rate = kCutOffRate;
    corps.SupplyStatus = kSupplyCutOff;
  }
  return Attrition(c, rate, phase);
}

bool TakesPartInSupply(const TCorps& corps) {
  // Activity 4 is set by no rule of the orders pass; a corps marked so sits out too.
  constexpr int kActivityFour = 4;
  return corps.Inactive == 0 && corps.Strength != 0 && corps.Stance != TCombatStance::Embarked &&
         corps.Stance != TCombatStance::ByRail && corps.Activity != TCorpsActivity::MovedByRail &&
         corps.Activity != kActivityFour && corps.Activity != TCorpsActivity::Embarked;
}

// The rules are tried in this order on the corps' current supply type, so a
// corps that leaves its encampment for a depot is served by the depot at once.
void SupplyCorps(int c, int phase) {
  TCorps& corps = GameState.Corps[c];
  int losses = 0;
  int demand = CorpsSupplyDemand(c);
  if (corps.SupplyType == TSupplyType::Foraging) losses = Forage(c, demand, phase);
  if (corps.SupplyType == TSupplyType::Encampment) losses = Encamp(c, demand, phase);
  if (corps.SupplyType == TSupplyType::Depot) losses = DrawFromDepot(c, demand, phase);
  StoreSaturated(corps.SupplyLosses, losses);
}

void UseFleetSupplies() {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (fleet.Status != 0 || fleet.Mission <= 1 || fleet.Supplies == 0) continue;
    const int ironclads = fleet.Ships[1] + fleet.DamagedShips[1];
    const int used =
        (ironclads * 3 + fleet.Ships[2] + fleet.DamagedShips[2] + fleet.Ships[3]) * 2 / 4;
    StoreSaturated(fleet.Supplies, std::max(fleet.Supplies - used, 0));
  }
}

// Each garrison brigade loses 5 to 15 per cent; the odd men are lost by chance.
void StarveGarrison(int city) {
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (!IsGarrisonOf(brigade, city)) continue;
    int percent = kSiegeLossBase + Random(kSiegeLossDie);
    percent += Random(kSiegeLossDie);
    const int share = brigade.Strength * percent;
    int loss = share / 100;
    if (Random(100) > share % 100) ++loss;
    ApplyBrigadeLosses(kLossesByBrigade, static_cast<std::uint16_t>(b),
                       static_cast<std::uint16_t>(loss));
  }
}

void StarveBesiegedGarrisons() {
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.SupplyLevel == 0 && city.GarrisonCount != 0 && EnemyCorpsOn(city.X, city.Y, city.Side))
      StarveGarrison(c);
  }
}

}  // namespace

int CorpsSupplyDemand(int corps) {
  const TCorps& unit = GameState.Corps[corps];
  int factor = 0;
  switch (unit.Nation) {
    case TNation::Union:
    case TNation::Britain:
      factor = 4;
      break;
    case TNation::Confederacy:
      factor = 2;
      break;
    case TNation::France:
      factor = 1;
      break;
  }
  return (unit.ArtilleryBrigades + unit.OtherBrigades) * (unit.SupplyPriority + 1) * factor;
}

int ForagingAttritionRate(int x, int y, int corps, int full) {
  const TCorps& unit = GameState.Corps[corps];
  const int terrain = TMapRecord::OnMap(x, y) ? MapRecord.Cell(x, y).Terrain() : TTerrain::Water;
  int rate = kForagingRate;
  if (terrain == kHardForagingTerrainA || terrain == kHardForagingTerrainB)
    rate = kHardForagingRate;
  if (terrain == TTerrain::City) rate = kTownForagingRate;
  if (unit.March == TMarchMode::Forced) rate += kForcedMarchRate;
  if (unit.March == TMarchMode::Cautious) rate /= 2;
  rate += unit.Fatigue / 2;
  if (full != 1) rate /= 2;
  return rate;
}

int ApplySupplyAttrition(int corps, int rate) {
  const TCorps& unit = GameState.Corps[corps];
  int r = rate;
  // The computer's corps suffer half; the nation asked is the one numbered by
  // the corps' camp.
  if (r != 0 && !IsHumanNation(unit.Side)) r /= 2;
  if (unit.Disorder != 0 && !OnOwnSupplyCity(unit)) r += 2 * unit.Disorder;
  r = 3 * r / MeanBrigadeQuality(corps);
  int losses = unit.Strength * r / 200;
  if (unit.SupplyType == TSupplyType::Foraging) {
    losses = unit.Kind == TCorpsKind::CavalryDivision
                 ? unit.Strength * r / 400
                 : unit.Strength * (WeatherIn(unit.Theatre) + r) / 100;
  }
  losses = std::min<int>(losses, UINT16_MAX);
  ApplyBrigadeLosses(kLossesByCorps, static_cast<std::uint16_t>(corps),
                     static_cast<std::uint16_t>(losses));
  return losses;
}

void UpdateSupplyAndAttrition(int phase) {
  for (int c = 1; c <= GameState.Corps.Count; ++c)
    if (TakesPartInSupply(GameState.Corps[c])) SupplyCorps(c, phase);
  if (phase == kSupplyAfterMovement) UseFleetSupplies();
  StarveBesiegedGarrisons();
}
