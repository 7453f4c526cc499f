// Leaders, corps and armies: every command held by one leader with status 0,
// every corps and army pointing at things that exist and belong to its nation.
#include <map>
#include <set>
#include <utility>

#include "tools/scenario/nation_side.h"
#include "tools/scenario/scenario_checks.h"

namespace {

constexpr int kCommanding = 0;
constexpr int kGone = 101;
constexpr int kNoFurtherMove = 10;
constexpr int kMaxReadiness = 25;
constexpr int kMaxDisorder = 15;

// A corps or an army: its nation, its nation's camp, and a number no other
// command of the nation carries.
template <typename Command>
void CheckNationAndNumber(const TGameState& game, Findings& findings, const std::string& name,
                          const Command& command, std::set<std::pair<int, int>>& ordinals) {
  findings.Check(InRange(command.Nation, 1, 4), name + " has no nation");
  findings.Check(command.Side == SideOfNation(game, command.Nation),
                 name + " is not in its nation's camp");
  findings.Check(command.Ordinal >= 1 && ordinals.emplace(command.Nation, command.Ordinal).second,
                 name + " has a missing or repeated number");
}

template <typename Command>
void CheckCommander(const TGameState& game, Findings& findings, const std::string& name,
                    const Command& command) {
  const bool leaderValid = InRange(command.Leader, 1, 210);
  findings.Check(leaderValid, name + " has no commander");
  if (leaderValid && command.Side != 0) {
    findings.Check(game.Leaders[command.Leader].Side == command.Side,
                   name + " is led by a leader of the other camp");
  }
}

void CheckLeaders(const TGameState& game, Findings& findings) {
  std::map<int, int> commands;
  for (int k = 1; k <= 120; ++k) {
    if (!game.Corps[k].IsFree()) ++commands[game.Corps[k].Leader];
  }
  for (int a = 1; a <= 15; ++a) {
    if (!game.Armies[a].IsFree()) ++commands[game.Armies[a].Leader];
  }
  for (int l = 1; l <= 210; ++l) {
    const TLeader& leader = game.Leaders[l];
    const std::string name = findings.Leader(l);
    findings.Check(leader.Name.Length > 0, name + " has no name");
    findings.Check(InRange(leader.Side, 1, 2), name + " serves no camp");
    findings.Check(leader.Rank == 1 || leader.Rank == 2 || leader.Rank == 3 || leader.Rank == 5,
                   name + " has no rank");
    findings.Check(InRange(leader.Initiative, 3, 9), name + " has initiative outside 3..9");
    findings.Check(leader.Status <= kGone, name + " has a status no start file uses");
    findings.Check(commands[l] <= 1, name + " holds more than one command");
    findings.Check((commands[l] == 1) == (leader.Status == kCommanding),
                   name + " must have status 0 exactly when he commands");
  }
}

void CheckCorps(const TGameState& game, Findings& findings, int k,
                std::set<std::pair<int, int>>& ordinals) {
  const TCorps& corps = game.Corps[k];
  const std::string name = findings.Corps(k);
  findings.Check(TMapRecord::OnMap(corps.X, corps.Y), name + " lies off the map");
  CheckNationAndNumber(game, findings, name, corps, ordinals);
  CheckCommander(game, findings, name, corps);
  findings.Check(InRange(corps.Kind, 0, 2), name + " is of no known kind");
  findings.Check(InRange(corps.Stance, 0, 4), name + " has no known stance");
  findings.Check(InRange(corps.March, 0, 2) && InRange(corps.SupplyType, 0, 2) &&
                     InRange(corps.SupplyPriority, 0, 2),
                 name + " has a march, supply type or priority outside 0..2");
  findings.Check(InRange(corps.City, 1, 86) && game.Cities[corps.City].Nation == corps.Nation,
                 name + " has no city of its nation to leave garrisons in");
  const int army = corps.Army;
  findings.Check(army == 0 || (army <= 15 && !game.Armies[army].IsFree() &&
                               game.Armies[army].Nation == corps.Nation),
                 name + " belongs to an army that is not its nation's");
  findings.Check(corps.Readiness <= kMaxReadiness && corps.Disorder <= kMaxDisorder,
                 name + " has readiness or disorder out of range");
  findings.Check(corps.PathStep >= kNoFurtherMove, name + " starts with a path to follow");
  findings.Check(corps.DestX == 0 || TMapRecord::OnMap(corps.DestX, corps.DestY),
                 name + " has a destination off the map");
}

void CheckArmy(const TGameState& game, Findings& findings, int a,
               std::set<std::pair<int, int>>& ordinals) {
  const TArmy& army = game.Armies[a];
  const std::string name = findings.Army(a);
  findings.Check(army.Name.Length > 0, name + " has no name");
  CheckNationAndNumber(game, findings, name, army, ordinals);
  findings.Check(InRange(army.HqCity, 1, 86) && game.Cities[army.HqCity].Nation == army.Nation,
                 name + " has its headquarters outside its nation's cities");
  findings.Check(InRange(army.TargetCity, 1, 86) && InRange(army.AiTargetCity, 1, 86),
                 name + " has no target city");
  CheckCommander(game, findings, name, army);
  findings.Check(InRange(army.Theatre, 1, 3), name + " has no theatre");
  bool hasCorps = false;
  for (int k = 1; k <= 120; ++k) {
    hasCorps = hasCorps || (!game.Corps[k].IsFree() && game.Corps[k].Army == a);
  }
  findings.Check(hasCorps, name + " has no corps, so its headquarters never moves");
}

}  // namespace

void CheckCommands(const TGameState& game, Findings& findings) {
  CheckLeaders(game, findings);
  std::set<std::pair<int, int>> corpsOrdinals;
  for (int k = 1; k <= 120; ++k) {
    if (!game.Corps[k].IsFree()) CheckCorps(game, findings, k, corpsOrdinals);
  }
  std::set<std::pair<int, int>> armyOrdinals;
  for (int a = 1; a <= 15; ++a) {
    const TArmy& army = game.Armies[a];
    if (!army.IsFree()) {
      CheckArmy(game, findings, a, armyOrdinals);
    } else {
      findings.Check(army.Leader == 0, findings.Army(a) + " is free but keeps a commander");
    }
  }
}
