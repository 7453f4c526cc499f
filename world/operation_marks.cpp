#include "world/operation_marks.h"

#include <algorithm>
#include <initializer_list>

#include "world/codes.h"
#include "world/vardecl.h"

namespace {

constexpr int kLastUnionOperation = 7;
constexpr int kFirstConfederateOperation = 10;
constexpr int kLastConfederateOperation = 14;
constexpr int kCityMarkingOperations[] = {12, 13};

// Every plan goes from idle through preparing and gathering to executing, but
// these, which go from idle straight to gathering or executing.
struct PlanPhases {
  int plan;
  std::initializer_list<int> phases;
};
const PlanPhases kShortPlans[] = {
    {3, {TOperationPhase::Idle, TOperationPhase::Gathering, TOperationPhase::Executing}},
    {10, {TOperationPhase::Idle, TOperationPhase::Gathering, TOperationPhase::Executing}},
    {13, {TOperationPhase::Idle, TOperationPhase::Executing}},
    {14, {TOperationPhase::Idle, TOperationPhase::Gathering, TOperationPhase::Executing}}};

bool IsUnionOperation(int mark) {
  return mark >= 1 && mark <= kLastUnionOperation;
}

bool IsConfederateOperation(int mark) {
  return mark >= kFirstConfederateOperation && mark <= kLastConfederateOperation;
}

}  // namespace

bool IsCorpsMissionOf(int mission, int nation) {
  if (mission == 0) return true;
  if (nation == TNation::Union) return IsUnionOperation(mission) || mission == kLandingOperation;
  if (nation == TNation::Confederacy) return IsConfederateOperation(mission);
  return IsConfederateOperation(mission) || mission == kLandingOperation;
}

bool IsArmyOrderOf(int order, int nation) {
  if (order == 0) return true;
  return nation == TNation::Union ? IsUnionOperation(order) : IsConfederateOperation(order);
}

bool IsCityOperationMark(int mark) {
  if (mark == 0) return true;
  for (int operation : kCityMarkingOperations)
    if (mark == operation) return true;
  return false;
}

bool IsPlanPhaseOf(int plan, int phase) {
  for (const PlanPhases& shortPlan : kShortPlans) {
    if (shortPlan.plan == plan)
      return std::ranges::find(shortPlan.phases, phase) != shortPlan.phases.end();
  }
  return phase >= TOperationPhase::Idle && phase <= TOperationPhase::Executing;
}

void ClearStrayOperationMarks() {
  // A free slot's mark is left over, and cleared when the slot is taken.
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (!corps.IsFree() && !IsCorpsMissionOf(corps.AiMission, corps.Nation)) corps.AiMission = 0;
  }
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    TArmy& army = GameState.Armies[a];
    if (!army.IsFree() && !IsArmyOrderOf(army.AiOrder, army.Nation)) army.AiOrder = 0;
  }
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    if (!IsCityOperationMark(city.AiOperation)) city.AiOperation = 0;
  }
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    if (fleet.TransportTask != kLandingOperation) fleet.TransportTask = 0;
  }
  for (int k = 1; k <= GameState.AiPlans.Count; ++k) {
    TAiPlan& plan = GameState.AiPlans[k];
    if (!IsPlanPhaseOf(k, plan.Phase)) plan.Phase = TOperationPhase::Idle;
  }
}
