#include "support/record_rules.h"

#include <array>
#include <memory>

#include "world/codes.h"
#include "world/force_totals.h"
#include "world/operation_marks.h"
#include "world/vardecl.h"

namespace {

void Report(Findings& findings, const std::string& record, int index, const char* field, int value) {
  findings.push_back(record + " " + std::to_string(index) + " has " + field + " " + std::to_string(value) +
                     ", outside the marks its nation's operations use");
}

}  // namespace

void CheckOperationMarks(Findings& findings) {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (!corps.IsFree() && !IsCorpsMissionOf(corps.AiMission, corps.Nation))
      Report(findings, "corps", c, "AiMission", corps.AiMission);
  }
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    const TArmy& army = GameState.Armies[a];
    if (!army.IsFree() && !IsArmyOrderOf(army.AiOrder, army.Nation))
      Report(findings, "army", a, "AiOrder", army.AiOrder);
  }
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const int mark = GameState.Cities[c].AiOperation;
    if (!IsCityOperationMark(mark)) Report(findings, "city", c, "AiOperation", mark);
  }
  for (int k = 1; k <= GameState.AiPlans.Count; ++k) {
    const int phase = GameState.AiPlans[k].Phase;
    if (!IsPlanPhaseOf(k, phase)) Report(findings, "plan", k, "Phase", phase);
  }
}

void CheckFleetCodes(Findings& findings) {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    const TFleet& fleet = GameState.Fleets[f];
    const std::string name = "fleet " + std::to_string(f);
    // 0 afloat, 1 to 25 turns still to build, 255 a freed slot.
    if (fleet.IsFree() && fleet.Status != TFleet::FreedStatus)
      findings.push_back(name + " has Status " + std::to_string(fleet.Status) + ", no fleet's status");
    if (fleet.TransportTask != 0 && fleet.TransportTask != kLandingOperation)
      findings.push_back(name + " has TransportTask " + std::to_string(fleet.TransportTask) +
                         ", not a landing");
  }
}

void CheckArmyCorpsCounts(Findings& findings) {
  const auto game = std::make_unique<TGameState>(GameState);
  // The totals rate the armies' odds with the threat scan, whose results some rule may still read.
  const std::array<std::uint16_t*, 5> scan = {&ThreatCorpsAtCity, &ThreatOwnStrength, &ThreatEnemyStrength,
                                             &ThreatEnemyCount, &ThreatEnemyValue};
  std::array<std::uint16_t, 5> scanned{};
  for (std::size_t i = 0; i < scan.size(); ++i) scanned[i] = *scan[i];
  ComputeForceTotals();
  std::vector<int> corpsCounts(GameState.Armies.Count + 1);
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.IsFree() || corps.Army == 0) continue;
    ++corpsCounts[corps.Army];
    if (GameState.Armies[corps.Army].IsFree())
      findings.push_back("corps " + std::to_string(c) + " serves in army " + std::to_string(corps.Army) +
                         ", which the totals found empty");
  }
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    const TArmy& army = GameState.Armies[a];
    if (!army.IsFree() && corpsCounts[a] != army.CorpsCount)
      findings.push_back("after the totals army " + std::to_string(a) + " has CorpsCount " +
                         std::to_string(army.CorpsCount) + " but " + std::to_string(corpsCounts[a]) +
                         " active corps");
  }
  GameState = *game;
  for (std::size_t i = 0; i < scan.size(); ++i) *scan[i] = scanned[i];
}
