#include "world/game_consistency.h"

#include <map>
#include <utility>

#include "world/codes.h"
#include "world/game_date.h"

namespace {

using Findings = std::vector<GameFinding>;

std::string Named(const char* record, int index) {
  return record + (" " + std::to_string(index));
}

std::string HexText(int x, int y) {
  return "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
}

bool IsActiveCorps(const TGameState& game, int corps) {
  return corps >= 1 && corps <= game.Corps.Count && !game.Corps[corps].IsFree();
}

void CheckDate(const TGameState& game, Findings& findings) {
  if (!IsTurnDay(game.Day))
    findings.push_back({"the game", "Day", std::to_string(game.Day), "not 1, 11 or 21",
                        LoadRemedy::Refuse});
  if (!IsMonth(game.Month))
    findings.push_back({"the game", "Month", std::to_string(game.Month), "not a month",
                        LoadRemedy::Refuse});
}

template <typename Unit, int N>
void CheckOnTheMap(const char* record, const Table<Unit, N>& units, Findings& findings) {
  for (int i = 1; i <= N; ++i) {
    const Unit& unit = units[i];
    if (unit.IsFree() || TMapRecord::OnMap(unit.X, unit.Y)) continue;
    findings.push_back(
        {Named(record, i), "X, Y", HexText(unit.X, unit.Y), "off the map", LoadRemedy::Refuse});
  }
}

// A city with no place on the map is an unused entry; one on the map stands
// on a city hex, which the end of the orders would otherwise make of any hex.
void CheckCityHexes(const TGameState& game, const TMapRecord& map, Findings& findings) {
  for (int c = 1; c <= game.Cities.Count; ++c) {
    const TCity& city = game.Cities[c];
    if (!TMapRecord::OnMap(city.X, city.Y) || map.Cell(city.X, city.Y).Terrain() == TTerrain::City)
      continue;
    findings.push_back(
        {Named("city", c), "X, Y", HexText(city.X, city.Y), "not a city hex", LoadRemedy::Refuse});
  }
}

// Water belongs to no state and no camp: the control of the hexes skips a hex
// of no state, and would otherwise give the water to whoever stands near it.
void CheckWater(const TMapRecord& map, Findings& findings) {
  for (int x = 1; x <= TMapRecord::Columns; ++x) {
    for (int y = 1; y <= TMapRecord::Rows; ++y) {
      const TMapCell& hex = map.Cell(x, y);
      if (hex.Terrain() != TTerrain::Water) continue;
      const std::string what = "hex " + HexText(x, y);
      if (hex.State() != 0)
        findings.push_back(
            {what, "state", std::to_string(hex.State()), "a state on water", LoadRemedy::Refuse});
      if (hex.Owner() != 0)
        findings.push_back(
            {what, "owner", std::to_string(hex.Owner()), "a camp on water", LoadRemedy::Refuse});
    }
  }
}

// Empty when the brigade stands in one real place.
std::string BrigadePlaceProblem(const TGameState& game, const TBrigade& brigade) {
  switch (brigade.Status) {
    case TBrigadeStatus::InCorps:
      if (!IsActiveCorps(game, brigade.Location)) return "a free corps slot";
      if (game.Corps[brigade.Location].Nation != brigade.Nation) return "a corps of another nation";
      return "";
    case TBrigadeStatus::InGarrison:
      if (brigade.Location < 1 || brigade.Location > game.Cities.Count) return "no city";
      return "";
    default:
      return "";
  }
}

bool IsKnownStatus(int status) {
  switch (status) {
    case TBrigadeStatus::Free:
    case TBrigadeStatus::InCorps:
    case TBrigadeStatus::InGarrison:
    case TBrigadeStatus::ArmedAndWaiting:
    case TBrigadeStatus::RaisedUnarmed:
      return true;
    default:
      return false;
  }
}

void CheckBrigades(const TGameState& game, Findings& findings) {
  std::map<int, int> garrisons;
  for (int b = 1; b <= game.Brigades.Count; ++b) {
    const TBrigade& brigade = game.Brigades[b];
    if (!IsKnownStatus(brigade.Status)) {
      findings.push_back({Named("brigade", b), "Status", std::to_string(brigade.Status),
                          "which no rule knows", LoadRemedy::Refuse});
      continue;
    }
    const std::string problem = BrigadePlaceProblem(game, brigade);
    if (!problem.empty())
      findings.push_back({Named("brigade", b), "Location", std::to_string(brigade.Location),
                          problem, LoadRemedy::Refuse});
    if (brigade.Status == TBrigadeStatus::InGarrison) ++garrisons[brigade.Location];
  }
  // A city of no nation keeps the count it was given.
  for (int c = 1; c <= game.Cities.Count; ++c) {
    const TCity& city = game.Cities[c];
    if (city.Nation == 0 || city.GarrisonCount == garrisons[c]) continue;
    findings.push_back({Named("city", c), "GarrisonCount", std::to_string(city.GarrisonCount),
                        "while " + std::to_string(garrisons[c]) + " stand in its garrison",
                        LoadRemedy::Repair});
  }
}

// A player may give a commander a second command in the orders phase (the
// leaders' check lists him); the end of the orders keeps his last one.
void CheckCommands(const TGameState& game, Findings& findings) {
  std::map<int, std::string> commands;
  auto command = [&](const std::string& record, int leader) {
    if (leader == 0) return;
    auto [held, first] = commands.emplace(leader, record);
    if (!first)
      findings.push_back({record, "Leader", std::to_string(leader),
                          "who commands " + held->second + " too", LoadRemedy::LeaveToTheOrders});
  };
  for (int a = 1; a <= game.Armies.Count; ++a) {
    if (game.Armies[a].HqCity != 0) command(Named("army", a), game.Armies[a].Leader);
  }
  for (int c = 1; c <= game.Corps.Count; ++c) {
    if (!game.Corps[c].IsFree()) command(Named("corps", c), game.Corps[c].Leader);
  }
}

// An army in use belongs to a nation and has its headquarters in a city (the
// rules clear both at once), and every corps serving in one serves in an army
// of its own nation that is still in use: the force totals count only armies
// with headquarters, count an army's corps by its nation's camp and dissolve
// an army they find empty.
void CheckArmies(const TGameState& game, Findings& findings) {
  for (int a = 1; a <= game.Armies.Count; ++a) {
    const TArmy& army = game.Armies[a];
    if (army.IsFree()) continue;
    if (army.Nation == 0)
      findings.push_back({Named("army", a), "Nation", "0",
                          "no nation, with headquarters in city " + std::to_string(army.HqCity),
                          LoadRemedy::Refuse});
    if (army.HqCity == 0)
      findings.push_back({Named("army", a), "HqCity", "0",
                          "no headquarters, for an army of nation " + std::to_string(army.Nation),
                          LoadRemedy::Refuse});
  }
  for (int c = 1; c <= game.Corps.Count; ++c) {
    const TCorps& corps = game.Corps[c];
    if (corps.IsFree() || corps.Army == 0) continue;
    const TArmy& army = game.Armies[corps.Army];
    const char* why = army.IsFree()                 ? "a free army slot"
                      : army.Nation != corps.Nation ? "an army of another nation"
                                                    : nullptr;
    if (why != nullptr)
      findings.push_back(
          {Named("corps", c), "Army", std::to_string(corps.Army), why, LoadRemedy::Refuse});
  }
}

bool IsCityOnTheMap(const TGameState& game, int city) {
  return TMapRecord::OnMap(game.Cities[city].X, game.Cities[city].Y);
}

// A city on the map lies in a theatre for good: its nation's supplies there
// pay for what the city raises, repairs and ships.
void CheckCityTheatres(const TGameState& game, Findings& findings) {
  for (int c = 1; c <= game.Cities.Count; ++c) {
    if (game.Cities[c].Theatre != 0 || !IsCityOnTheMap(game, c)) continue;
    findings.push_back({Named("city", c), "Theatre", "0", "in no theatre", LoadRemedy::Refuse});
  }
}

// Of the warring nations only a beaten one stands in no camp: its capitulation
// takes its capital and frees its corps. A corps left to it would be counted in
// no camp and taken up by the other camp's planner.
void CheckNationsOutOfTheWar(const TGameState& game, Findings& findings) {
  for (int n : {TNation::Union, TNation::Confederacy}) {
    const TNationRec& nation = game.Nations[n];
    if (nation.Side != TSide::None) continue;
    auto refuse = [&](const std::string& why) {
      findings.push_back({Named("nation", n), "Side", "0", why, LoadRemedy::Refuse});
    };
    if (nation.Capital != 0)
      refuse("out of the war while it keeps capital " + std::to_string(nation.Capital));
    for (int c = 1; c <= game.Corps.Count; ++c) {
      if (!IsActiveCorps(game, c) || game.Corps[c].Nation != n) continue;
      refuse("out of the war while its corps " + std::to_string(c) + " is in the field");
      break;
    }
  }
}

// A city off the map is an unused entry: no fleet sails from it or for it.
void CheckFleetCities(const TGameState& game, Findings& findings) {
  for (int f = 1; f <= game.Fleets.Count; ++f) {
    const TFleet& fleet = game.Fleets[f];
    if (fleet.IsFree()) continue;
    const std::pair<const char*, int> cities[] = {{"HomePort", fleet.HomePort},
                                                  {"Objective", fleet.Objective}};
    for (const auto& [field, city] : cities) {
      if (city == 0 || IsCityOnTheMap(game, city)) continue;
      findings.push_back({Named("fleet", f), field, std::to_string(city),
                          "a city with no place on the map", LoadRemedy::Refuse});
    }
  }
}

void CheckEmbarkation(const TGameState& game, Findings& findings) {
  std::map<int, int> carried;
  for (int f = 1; f <= game.Fleets.Count; ++f) {
    const TFleet& fleet = game.Fleets[f];
    if (fleet.IsFree() || fleet.Corps == 0) continue;
    ++carried[fleet.Corps];
    // A fleet names the corps it carries, or one still marching to board it.
    if (!IsActiveCorps(game, fleet.Corps))
      findings.push_back({Named("fleet", f), "Corps", std::to_string(fleet.Corps),
                          "a free corps slot", LoadRemedy::Refuse});
  }
  for (int c = 1; c <= game.Corps.Count; ++c) {
    if (!IsActiveCorps(game, c) || game.Corps[c].Stance != TCombatStance::Embarked ||
        carried[c] == 1)
      continue;
    findings.push_back({Named("corps", c), "Stance", "embarked",
                        "carried by " + std::to_string(carried[c]) + " fleets",
                        LoadRemedy::Refuse});
  }
}

}  // namespace

std::vector<GameFinding> FindInconsistencies(const TGameState& game, const TMapRecord& map) {
  Findings findings;
  CheckDate(game, findings);
  CheckOnTheMap("corps", game.Corps, findings);
  CheckOnTheMap("fleet", game.Fleets, findings);
  CheckCityHexes(game, map, findings);
  CheckWater(map, findings);
  CheckBrigades(game, findings);
  CheckCommands(game, findings);
  CheckEmbarkation(game, findings);
  CheckArmies(game, findings);
  CheckFleetCities(game, findings);
  CheckCityTheatres(game, findings);
  CheckNationsOutOfTheWar(game, findings);
  return findings;
}
