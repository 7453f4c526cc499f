// The header and the fixed tables: date, settings, weather, cities, states,
// nations, army names and weapon rows.
#include <set>
#include <utility>

#include "tools/scenario/scenario_checks.h"
#include "world/codes.h"

namespace {

constexpr int kMatamoros = 85;
constexpr int kNassau = 86;
// Codes the rules give a meaning; the gauges read any other code as fair.
constexpr int kWorstWeather = 8;
// An attitude below this makes the power enter the war at the first monthly check.
constexpr int kLowestPeacefulAttitude = 2;

void CheckForeignPort(const TGameState& game, Findings& findings, int c, int nation) {
  const TCity& city = game.Cities[c];
  findings.Check(city.Side == 0 && city.Nation == nation && city.SeaPort != 0,
                 findings.City(c) + " must be a neutral sea port of " + Findings::Nation(nation));
  findings.Check(city.OriginalSide == nation,
                 findings.City(c) + " must count as its power's own port (original side " +
                     std::to_string(nation) + ")");
}

void CheckCities(const TGameState& game, Findings& findings) {
  std::set<std::pair<int, int>> hexes;
  for (int c = 1; c <= 86; ++c) {
    const TCity& city = game.Cities[c];
    const std::string name = findings.City(c);
    findings.Check(city.Name.Length > 0, name + " has no name");
    findings.Check(TMapRecord::OnMap(city.X, city.Y), name + " lies off the map");
    findings.Check(hexes.emplace(city.X, city.Y).second,
                   name + " shares its hex with another city");
    findings.Check(InRange(city.State, 1, 37), name + " has no state");
    findings.Check(InRange(city.Theatre, 1, 3), name + " has no theatre");
    findings.Check(InRange(city.Side, 0, 2), name + " has a side outside 0..2");
    findings.Check(InRange(city.OriginalSide, 0, 4), name + " has an original side outside 0..4");
    const bool nationFitsSide =
        city.Side != 0 ? city.Nation == city.Side : (city.Nation == 0 || city.Nation > 2);
    findings.Check(nationFitsSide, name + " has a nation that does not fit its side");
    findings.Check(city.Occupation <= 100, name + " is occupied above 100");
    findings.Check(city.GarrisonNeed == 0 && city.AiOperation == 0 && city.FortifiedThisTurn == 0,
                   name + " starts with turn marks set");
  }
  CheckForeignPort(game, findings, kMatamoros, TNation::France);
  CheckForeignPort(game, findings, kNassau, TNation::Britain);
  // Every load puts Nashville in Tennessee and takes the river-port mark from
  // Indianapolis and Corinth; the file says the same, so what is checked is what is played.
  findings.Check(game.Cities[kNashville].State == kTennessee,
                 findings.City(kNashville) + " must lie in state 21");
  for (int c : {kIndianapolis, kCorinth}) {
    findings.Check(game.Cities[c].RiverPort == 0, findings.City(c) + " cannot be a river port");
  }
  // Neutral Kentucky turns only when its own cities are first taken.
  if (game.States[kKentucky].Side == 0) {
    for (int c = 1; c <= 86; ++c) {
      findings.Check(game.Cities[c].State != kKentucky || game.Cities[c].Side == 0,
                     findings.City(c) + " is held in neutral Kentucky");
    }
  }
}

void CheckStates(const TGameState& game, Findings& findings) {
  for (int s = 1; s <= 37; ++s) {
    const TStateRec& state = game.States[s];
    const std::string name = Findings::State(s) + " (" + state.Name.str() + ")";
    findings.Check(InRange(state.Side, 0, 2) && InRange(state.ControlSide, 0, 2),
                   name + " has a side outside 0..2");
    findings.Check(InRange(state.Nation, 0, 4), name + " has a nation outside 0..4");
    findings.Check(InRange(state.Theatre, 1, 3), name + " has no theatre");
    findings.Check(state.Loyalty <= 100, name + " has loyalty above 100");
    // Above 10 the first month would divide the cotton output by ten.
    findings.Check(state.CottonOutput <= 10, name + " grows more than 10 cotton");
    const int capital = state.CapitalCity;
    findings.Check(capital == 0 || (capital <= 86 && game.Cities[capital].State == s),
                   name + " has a capital city outside the state");
  }
  // Missouri and Kentucky are the border states; their slaves decide where
  // their neutral cities go when the state changes hands.
  for (int s : {19, 20}) {
    findings.Check(game.States[s].Slaves > 0, Findings::State(s) + " must hold slaves");
  }
  findings.Check(game.States[23].Nation == 2, "state 23 must be Confederate");
  for (int s : {36, 37}) {
    const TStateRec& state = game.States[s];
    findings.Check(state.Side == 0 && state.ControlSide == 0,
                   Findings::State(s) + " must stay neutral until its power enters the war");
  }
}

void CheckNations(const TGameState& game, Findings& findings) {
  const int sides[] = {0, 1, 2, 0, 0};
  for (int n = 1; n <= 4; ++n) {
    const TNationRec& nation = game.Nations[n];
    const std::string name = Findings::Nation(n);
    findings.Check(nation.Side == sides[n], name + " starts in the wrong camp");
    findings.Check(nation.LeadershipAdvantage <= 2, name + " has a leadership advantage above 2");
    int shares = 0;
    for (int i = 1; i <= 4; ++i) shares += nation.ProductionShare[i];
    findings.Check(shares <= 100, name + " has production shares above 100 per cent");
    const int capital = nation.Capital;
    findings.Check(InRange(capital, 1, 86) && game.Cities[capital].Nation == n,
                   name + " has a capital that is not its own city");
  }
  findings.Check(game.Nations[2].WarScore > 0, "the Confederacy starts beaten");
  for (int n : {TNation::France, TNation::Britain}) {
    const int attitude = game.Nations[n].Attitude;
    findings.Check(InRange(attitude, kLowestPeacefulAttitude, 100),
                   Findings::Nation(n) + " has an attitude that brings it into the war at once");
  }
}

void CheckTables(const TGameState& game, Findings& findings) {
  for (int n = 1; n <= 2; ++n) {
    for (int k = 1; k <= 9; ++k) {
      const TArmyName& entry = game.ArmyNames[n][k];
      const std::string name = "army name " + std::to_string(n) + "/" + std::to_string(k);
      findings.Check(entry.Name.Length > 0 && entry.Owner == n, name + " is empty or foreign");
      findings.Check(InRange(entry.Theatre, 1, 3) && InRange(entry.State, 1, 37),
                     name + " has no theatre or state");
      findings.Check(entry.Used == 0 || entry.Used == 2,
                     name + " has a used mark other than 0 or 2");
    }
  }
  for (int w = 1; w <= 8; ++w) {
    const TWeaponType& weapon = game.WeaponTypes[w];
    findings.Check(weapon.FireA > 0 && weapon.FireB > 0,
                   "weapon row " + std::to_string(w) + " has no fire factors");
  }
  findings.Check(game.WeaponTypes[TWeapon::Shotguns].FireA == 1 &&
                     game.WeaponTypes[TWeapon::Shotguns].FireB == 2,
                 "weapon row 5 must fire 1 x 2, as every load sets it");
  for (int p = 1; p <= 24; ++p) {
    const TAiPlan& plan = game.AiPlans[p];
    findings.Check(plan.Phase == 0 && plan.Counter == 0 && plan.Limit == 0,
                   "computer plan " + std::to_string(p) + " is already running");
  }
}

}  // namespace

void CheckHeader(const TGameState& game, Findings& findings) {
  findings.Check(game.Day == 1 || game.Day == 11 || game.Day == 21, "the day must be 1, 11 or 21");
  findings.Check(InRange(game.Month, 1, 12), "the month lies outside 1..12");
  findings.Check(game.Year >= 1861, "the year lies before 1861");
  findings.Check(game.StartMonth == game.Month && game.StartYear == game.Year,
                 "the start date must be the date, or the set-up never opens");
  const int start = game.Year * 12 + game.Month;
  findings.Check(game.EndYear * 12 + game.EndMonth > start, "the game ends before it starts");
  findings.Check(game.ExtensionMark < 5, "the campaign is already extended");
  findings.Check(game.ShowLeaderRatings <= 1, "the rating display is neither 0 nor 1");
  findings.Check(game.PlayMode == 0, "a start file is for play on one machine");
  findings.Check(InRange(game.MailSide, 1, 2), "the mail side must be 1 or 2");
  findings.Check(InRange(game.MoveDelay, 1, 5), "the move delay lies outside 1..5");
  findings.Check(InRange(game.Step, 1, 20), "the movement step lies outside 1..20");
  for (int t = 1; t <= 3; ++t) {
    const std::string theatre = "theatre " + std::to_string(t);
    findings.Check(InRange(game.Weather[t], 1, kWorstWeather), theatre + " has no weather code");
    findings.Check(game.AiTheatreActive[t] == 1,
                   theatre + " must be active for the computer, nothing else sets it");
  }
  for (int row = 0; row < 9; ++row) {
    for (int column = 0; column < 12; ++column) {
      findings.Check(InRange(game.WeatherTable[row][column], 1, kWorstWeather),
                     "weather table entry (" + std::to_string(row) + ", " + std::to_string(column) +
                         ") is no weather code");
    }
  }
}

void CheckRealm(const TGameState& game, Findings& findings) {
  CheckCities(game, findings);
  CheckStates(game, findings);
  CheckNations(game, findings);
  CheckTables(game, findings);
}
