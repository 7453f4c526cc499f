#include "world/slavery_policies.h"

#include "world/codes.h"
#include "world/game_window.h"
#include "world/text_notices.h"
#include "world/vardecl.h"
#include "world/war_standing.h"

namespace {

constexpr int kStandardNotice = 0;
constexpr int kEmancipationNotice = 11;
constexpr int kCombatRolesAdopted = 1;
constexpr int kEmancipationProclaimed = 11;
constexpr int kPolicyWarScore = 50;

void ShowPolicyNotice(int kind, int headline) {
  FillTextNotice(kind, {headline, 203});
  ShowEventMessage();
}

// The nation's own slave states resent the policy, the more the more slaves
// they hold.
void UnsettleSlaveStates(int nation, int slavesPerPoint) {
  for (int s = 1; s <= GameState.States.Count; ++s) {
    const TStateRec& state = GameState.States[s];
    if (state.Nation == nation && state.Side == nation && state.Slaves != 0)
      LowerLoyalty(s, state.Slaves / slavesPerPoint);
  }
}

}  // namespace

void AdoptCombatRoles() {
  GameState.Nations[TNation::Confederacy].PolicyStatus = kCombatRolesAdopted;
  Window().SetCursor(WindowCursor::Default);
  ShowPolicyNotice(kStandardNotice, 201);
  LowerWarScore(TNation::Confederacy, kPolicyWarScore);
  LowerAttitude(TNation::Britain, 35);
  LowerAttitude(TNation::France, 25);
  UnsettleSlaveStates(TNation::Confederacy, 50);
}

void ProclaimEmancipation() {
  ShowPolicyNotice(kEmancipationNotice, 202);
  GameState.Nations[TNation::Union].PolicyStatus = kEmancipationProclaimed;
  AddWarScore(TNation::Union, kPolicyWarScore);
  RaiseAttitudeBelow(TNation::Britain, 25, 100);
  RaiseAttitudeBelow(TNation::France, 15, 120);
  UnsettleSlaveStates(TNation::Union, 100);
}
