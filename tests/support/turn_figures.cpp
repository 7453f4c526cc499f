#include "support/turn_figures.h"

#include <algorithm>
#include <cstdio>
#include <map>
#include <utility>

#include "warfare/recording_battle_views.h"
#include "world/codes.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

constexpr std::int64_t kHalfTheRange = 32767;

int CampOf(int nation) {
  return IsEntryOf(GameState.Nations, nation) ? GameState.Nations[nation].Side : 0;
}

bool IsCamp(int camp) {
  return camp >= 1 && camp <= kSideCount;
}

// Brigades in the field count where their corps stands, garrisons where their city is.
int TheatreOfBrigade(const TBrigade& brigade) {
  if (brigade.Status == TBrigadeStatus::InCorps && IsEntryOf(GameState.Corps, brigade.Location))
    return GameState.Corps[brigade.Location].Theatre;
  if (brigade.Status == TBrigadeStatus::InGarrison && IsEntryOf(GameState.Cities, brigade.Location))
    return GameState.Cities[brigade.Location].Theatre;
  return 0;
}

void CountForces(TurnFigures& figures) {
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    const int camp = CampOf(brigade.Nation);
    const int theatre = TheatreOfBrigade(brigade);
    if (!IsCamp(camp) || !IsTheatre(theatre)) continue;
    TurnFigures::Forces& forces = figures.forces[camp - 1][theatre - 1];
    ++forces.brigades;
    forces.strength += brigade.Strength;
  }
}

void CountEconomy(TurnFigures& figures) {
  for (int n = 1; n <= GameState.Nations.Count; ++n) {
    const TNationRec& nation = GameState.Nations[n];
    for (int t = 1; t <= nation.Supplies.Count; ++t) {
      figures.supplies[n - 1] += nation.Supplies[t];
      figures.cotton[n - 1] += nation.Cotton[t];
    }
    figures.warScore[n - 1] = nation.WarScore;
  }
  for (int s = 1; s <= GameState.States.Count; ++s) {
    const TStateRec& state = GameState.States[s];
    if (IsEntryOf(GameState.Nations, state.Nation) && state.ControlSide == state.Side)
      figures.income[state.Nation - 1] += state.Income;
  }
}

void CountHoldings(TurnFigures& figures) {
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const int camp = GameState.Cities[c].Side;
    if (IsCamp(camp)) ++figures.cities[camp - 1];
  }
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (fleet.Status == 0 && IsCamp(fleet.Side)) ++figures.fleets[fleet.Side - 1];
  }
}

std::array<std::int64_t, 4> CasualtiesByNation() {
  std::array<std::int64_t, 4> casualties{};
  for (int n = 1; n <= GameState.Nations.Count; ++n) casualties[n - 1] = GameState.Casualties[n];
  return casualties;
}

// The war's running tallies, which only ever grow.
std::vector<WatchedFigure> Tallies() {
  std::vector<WatchedFigure> tallies;
  for (int n = 1; n <= GameState.Nations.Count; ++n) {
    const std::string of = " of nation " + std::to_string(n);
    tallies.push_back({"ocean ships sunk" + of, GameState.OceanShipsSunk[n]});
    tallies.push_back({"river ships sunk" + of, GameState.RiverShipsSunk[n]});
    tallies.push_back({"foraging losses" + of, GameState.ForagingLosses[n]});
    tallies.push_back({"casualties" + of, GameState.Casualties[n]});
    tallies.push_back({"prisoners" + of, GameState.Prisoners[n]});
    tallies.push_back({"military points" + of, GameState.MilitaryPoints[n]});
  }
  return tallies;
}

// The nations' stocks, which a wrap below zero would leave near the top of their range.
std::vector<WatchedFigure> Stocks() {
  std::vector<WatchedFigure> stocks;
  for (int n = 1; n <= GameState.Nations.Count; ++n) {
    const TNationRec& nation = GameState.Nations[n];
    const std::string of = " of nation " + std::to_string(n);
    for (int t = 1; t <= nation.Supplies.Count; ++t) {
      const std::string in = of + " in theatre " + std::to_string(t);
      stocks.push_back({"supplies" + in, nation.Supplies[t]});
      stocks.push_back({"cotton" + in, nation.Cotton[t]});
    }
    for (int w = 1; w <= nation.WeaponStock.Count; ++w)
      stocks.push_back({"weapons " + std::to_string(w) + of, nation.WeaponStock[w]});
  }
  return stocks;
}

int YearOf(const TurnFigures& turn) {
  return std::stoi(turn.date.substr(0, 4));
}

int MonthOf(const TurnFigures& turn) {
  return std::stoi(turn.date.substr(5, 2));
}

constexpr int kFirstCampaigningMonth = 3;
constexpr int kLastCampaigningMonth = 11;
constexpr int kMonthsInASeason = 3;
constexpr const char* kSeasonNames[] = {"spring", "summer", "autumn"};

struct Season {
  std::array<bool, kMonthsInASeason> months{};  // played
  int battles = 0;
};

}  // namespace

std::string FiguresDate(int year, int month, int day) {
  char date[40];
  std::snprintf(date, sizeof date, "%04d-%02d-%02d", year, month, day);
  return date;
}

int LongestTurnsWithoutSupplies(const std::vector<TurnFigures>& turns, int nation, int last_year) {
  int longest = 0;
  int run = 0;
  for (const TurnFigures& turn : turns) {
    if (YearOf(turn) > last_year) break;
    run = turn.supplies[nation - 1] == 0 ? run + 1 : 0;
    longest = std::max(longest, run);
  }
  return longest;
}

std::vector<std::string> SeasonsWithoutBattles(const std::vector<TurnFigures>& turns) {
  std::map<std::pair<int, int>, Season> seasons;  // by year and season
  for (const TurnFigures& turn : turns) {
    const int month = MonthOf(turn);
    if (month < kFirstCampaigningMonth || month > kLastCampaigningMonth) continue;
    const int season = (month - kFirstCampaigningMonth) / kMonthsInASeason;
    Season& played = seasons[{YearOf(turn), season}];
    played.months[(month - kFirstCampaigningMonth) % kMonthsInASeason] = true;
    played.battles += turn.fieldBattles + turn.assaults;
  }
  std::vector<std::string> quiet;
  for (const auto& [when, season] : seasons) {
    const bool whole = std::ranges::all_of(season.months, [](bool played) { return played; });
    if (whole && season.battles == 0)
      quiet.push_back(std::to_string(when.first) + " " + kSeasonNames[when.second]);
  }
  return quiet;
}

void WriteFiguresHeader(std::ostream& out) {
  out << "turn,date";
  for (const char* camp : {"union", "confederate"}) {
    for (int t = 1; t <= kTheatreCount; ++t)
      out << ',' << camp << "_brigades_t" << t << ',' << camp << "_strength_t" << t;
  }
  for (const char* figure : {"supplies", "cotton", "income"}) {
    for (int n = 1; n <= 4; ++n) out << ',' << figure << "_n" << n;
  }
  out << ",union_cities,confederate_cities,field_battles,assaults,naval_battles"
         ",union_casualties,confederate_casualties,landings,cotton_runs,union_fleets,confederate_fleets";
  for (int n = 1; n <= 4; ++n) out << ",war_score_n" << n;
  out << ",game_over_code\n";
}

void WriteFiguresRow(std::ostream& out, const TurnFigures& figures) {
  out << figures.turn << ',' << figures.date;
  for (const auto& camp : figures.forces) {
    for (const TurnFigures::Forces& forces : camp) out << ',' << forces.brigades << ',' << forces.strength;
  }
  for (const auto* figure : {&figures.supplies, &figures.cotton, &figures.income}) {
    for (int value : *figure) out << ',' << value;
  }
  out << ',' << figures.cities[0] << ',' << figures.cities[1] << ',' << figures.fieldBattles << ','
      << figures.assaults << ',' << figures.navalBattles << ',' << figures.casualties[0] << ','
      << figures.casualties[1] << ',' << figures.landings << ',' << figures.cottonRuns << ','
      << figures.fleets[0] << ',' << figures.fleets[1];
  for (int score : figures.warScore) out << ',' << score;
  out << ',' << figures.gameOverCode << '\n';
}

TurnWatch::TurnWatch(RecordingBattleViews& views)
    : views_(views), casualtiesBefore_(CasualtiesByNation()), tallies_(Tallies()), stocks_(Stocks()) {
  Look();
}

void TurnWatch::Look() {
  CountArrivals();
  MarkVoyages();
  WatchForWraps();
}

// Corps marked as sailing to land that are ashore, and fleets marked as
// carrying cotton that hold its price instead, afloat.
void TurnWatch::CountArrivals() {
  for (int c = 1; c < static_cast<int>(landing_.size()); ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (landing_[c] && !corps.IsFree() && corps.Stance != TCombatStance::Embarked) ++landings_;
  }
  for (int f = 1; f < static_cast<int>(cottonAboard_.size()); ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (cottonAboard_[f] != 0 && fleet.Status == 0 && fleet.Cotton == 0 && fleet.Supplies != 0) ++cottonRuns_;
  }
}

void TurnWatch::MarkVoyages() {
  landing_.assign(GameState.Corps.Count + 1, false);
  cottonAboard_.assign(GameState.Fleets.Count + 1, 0);
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    if (fleet.Status != 0) continue;
    if (fleet.Mission == TFleetMission::Amphibious && IsEntryOf(GameState.Corps, fleet.Corps) &&
        GameState.Corps[fleet.Corps].Stance == TCombatStance::Embarked)
      landing_[fleet.Corps] = true;
    if (fleet.Mission == TFleetMission::CottonRun) cottonAboard_[f] = fleet.Cotton;
  }
}

void TurnWatch::WatchForWraps() {
  const std::vector<WatchedFigure> tallies = Tallies();
  for (std::size_t i = 0; i < tallies.size(); ++i) {
    if (tallies[i].value < tallies_[i].value)
      wraps_.push_back(tallies[i].name + " fell from " + std::to_string(tallies_[i].value) + " to " +
                       std::to_string(tallies[i].value));
  }
  const std::vector<WatchedFigure> stocks = Stocks();
  for (std::size_t i = 0; i < stocks.size(); ++i) {
    if (stocks[i].value - stocks_[i].value > kHalfTheRange)
      wraps_.push_back(stocks[i].name + " leapt from " + std::to_string(stocks_[i].value) + " to " +
                       std::to_string(stocks[i].value));
  }
  tallies_ = tallies;
  stocks_ = stocks;
}

TurnFigures TurnWatch::TakeTurn(int turn) {
  TurnFigures figures;
  figures.turn = turn;
  figures.date = FiguresDate(GameState.Year, GameState.Month, GameState.Day);
  CountForces(figures);
  CountEconomy(figures);
  CountHoldings(figures);
  figures.fieldBattles = static_cast<int>(views_.Results().size());
  for (const AssaultForm& form : views_.AssaultForms()) figures.assaults += form.over ? 1 : 0;
  figures.navalBattles = static_cast<int>(views_.NavalCombats().size());
  views_.Forget();
  // Booked to the camp each nation fights for now: a nation may change camps.
  const std::array<std::int64_t, 4> casualties = CasualtiesByNation();
  for (int n = 1; n <= GameState.Nations.Count; ++n) {
    const int camp = CampOf(n);
    if (IsCamp(camp)) figures.casualties[camp - 1] += casualties[n - 1] - casualtiesBefore_[n - 1];
  }
  casualtiesBefore_ = casualties;
  figures.landings = landings_;
  figures.cottonRuns = cottonRuns_;
  landings_ = cottonRuns_ = 0;
  figures.gameOverCode = GameOverCode;
  return figures;
}

std::vector<std::string> TurnWatch::TakeWraps() {
  return std::exchange(wraps_, {});
}
