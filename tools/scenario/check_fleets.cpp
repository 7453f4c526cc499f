// Fleets: free slots marked 255, live fleets at a port of their kind, and
// embarked corps and their fleets pointing at each other.
#include <map>
#include <set>
#include <utility>

#include "tools/scenario/scenario_checks.h"

namespace {

constexpr int kEmbarked = 4;
constexpr int kLastBuildingStatus = 25;
constexpr int kLastMission = 6;

void CheckFleet(const TGameState& game, Findings& findings, int f,
                std::set<std::pair<int, int>>& numbers, std::map<int, int>& carriers) {
  const TFleet& fleet = game.Fleets[f];
  const std::string name = Findings::Fleet(f);
  findings.Check(fleet.Status <= kLastBuildingStatus,
                 name + " has a status that is neither a fleet nor the free mark 255");
  findings.Check(InRange(fleet.Nation, 1, 4), name + " has no nation");
  findings.Check(InRange(fleet.Nation, 1, 4) && fleet.Side == game.Nations[fleet.Nation].Side,
                 name + " is not in its nation's camp");
  findings.Check(fleet.Number >= 1 && numbers.emplace(fleet.Nation, fleet.Number).second,
                 name + " has a missing or repeated number");
  findings.Check(InRange(fleet.Kind, 0, 2), name + " is of no known kind");
  findings.Check(fleet.Mission <= kLastMission, name + " has no known mission");
  findings.Check(fleet.Objective <= 86, name + " aims at no city");
  findings.Check(TMapRecord::OnMap(fleet.X, fleet.Y), name + " lies off the map");
  int ships = 0;
  for (int type = 1; type <= 3; ++type) ships += fleet.Ships[type] + fleet.DamagedShips[type];
  findings.Check(ships > 0, name + " has no ships");
  const int port = fleet.HomePort;
  const bool river = fleet.Kind == kRiverFleet;
  findings.Check(InRange(port, 1, 86) &&
                     (river ? game.Cities[port].RiverPort : game.Cities[port].SeaPort) != 0,
                 name + " has no home port of its kind");
  if (fleet.Corps != 0) {
    const int k = fleet.Corps;
    findings.Check(InRange(k, 1, 120) && !game.Corps[k].IsFree() &&
                       game.Corps[k].Stance == kEmbarked && game.Corps[k].Nation == fleet.Nation,
                   name + " carries a corps that is not embarked on it");
    ++carriers[k];
  }
}

}  // namespace

void CheckFleets(const TGameState& game, Findings& findings) {
  std::set<std::pair<int, int>> numbers;
  std::map<int, int> carriers;
  for (int f = 1; f <= 100; ++f) {
    const TFleet& fleet = game.Fleets[f];
    if (fleet.Status == TFleet::FreedStatus) continue;
    CheckFleet(game, findings, f, numbers, carriers);
  }
  for (int k = 1; k <= 120; ++k) {
    const TCorps& corps = game.Corps[k];
    if (corps.IsFree()) continue;
    const bool embarked = corps.Stance == kEmbarked;
    findings.Check(embarked == (carriers[k] == 1),
                   findings.Corps(k) + (embarked ? " is embarked without exactly one fleet"
                                                 : " is carried but not embarked"));
  }
}
