#include "support/turn_memory.h"

#include <cstdint>
#include <cstring>

#include "world/codes.h"
#include "world/corps_command.h"
#include "world/hex_grid.h"
#include "world/vardecl.h"

namespace {

constexpr int kMostCorpsInANewArmy = 6;
// Plan records no operation reads or writes: 8 stands between the Union's
// operations and the landings, 15 on after the Confederacy's.
constexpr int kUnusedPlans[] = {8, 9, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24};

int DateOfGame() {
  return (GameState.Year * 13 + GameState.Month) * 32 + GameState.Day;
}

// A slot freed and taken again between two looks may hold a corps of the
// same nation and ordinal, formed elsewhere; its commander tells them apart.
int IdentityOf(const TCorps& corps) {
  return (corps.Nation * 256 + corps.Ordinal) * 256 + corps.Leader;
}

bool IsCarried(const TCorps& corps) {
  return corps.Stance == TCombatStance::Embarked || corps.Stance == TCombatStance::ByRail;
}

int ActiveCorpsOfArmy(int a) {
  int count = 0;
  for (int c = 1; c <= GameState.Corps.Count; ++c)
    count += !GameState.Corps[c].IsFree() && GameState.Corps[c].Army == a;
  return count;
}

bool SamePlan(const TAiPlan& a, const TAiPlan& b) {
  return std::memcmp(&a, &b, sizeof(TAiPlan)) == 0;
}

}  // namespace

TurnMemory::TurnMemory() {
  for (int k : kUnusedPlans) unusedPlans_.push_back(GameState.AiPlans[k]);
  Look();
}

void TurnMemory::Check(Findings& findings) {
  // A new turn starts afresh: the orders and the train moves come between.
  if (date_ == DateOfGame()) {
    CheckMarches(findings);
    CheckNewArmies(findings);
  }
  CheckUnusedPlans(findings);
  Look();
}

// The steps recorded since the last look lead from where the corps stood
// then to where it stands now.
void TurnMemory::CheckMarches(Findings& findings) const {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    const CorpsLook& then = corps_[c];
    if (!then.active || corps.IsFree() || then.carried || IsCarried(corps) ||
        then.identity != IdentityOf(corps))
      continue;
    std::uint16_t x = static_cast<std::uint16_t>(then.x);
    std::uint16_t y = static_cast<std::uint16_t>(then.y);
    bool rewritten = false;
    for (int s = 1; s <= corps.StepDone.Count; ++s) {
      const int before = then.steps[s - 1];
      const int now = corps.StepDone[s];
      if (before == 0 && now != 0) StepHexRef(x, y, now);
      rewritten |= before != 0 && now != before;
    }
    // A fresh route clears the steps done; the corps has not moved since.
    if (rewritten) continue;
    if (x != corps.X || y != corps.Y)
      findings.push_back("corps " + std::to_string(c) + " went from (" + std::to_string(then.x) + ", " +
                         std::to_string(then.y) + ") to (" + std::to_string(corps.X) + ", " +
                         std::to_string(corps.Y) + ") but its steps lead to (" + std::to_string(x) +
                         ", " + std::to_string(y) + ")");
  }
}

void TurnMemory::CheckNewArmies(Findings& findings) const {
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    const TArmy& army = GameState.Armies[a];
    const ArmyLook& then = armies_[a];
    const bool formed = !army.IsFree() && (then.nation != army.Nation || then.ordinal != army.Ordinal);
    if (!formed || IsHumanNation(army.Nation)) continue;
    const int corps = ActiveCorpsOfArmy(a);
    if (corps > kMostCorpsInANewArmy)
      findings.push_back("army " + std::to_string(a) + " was formed with " + std::to_string(corps) + " corps");
  }
}

void TurnMemory::CheckUnusedPlans(Findings& findings) const {
  for (std::size_t i = 0; i < unusedPlans_.size(); ++i) {
    if (!SamePlan(unusedPlans_[i], GameState.AiPlans[kUnusedPlans[i]]))
      findings.push_back("plan " + std::to_string(kUnusedPlans[i]) + ", which no operation uses, was written");
  }
}

void TurnMemory::Look() {
  date_ = DateOfGame();
  corps_.assign(GameState.Corps.Count + 1, {});
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    CorpsLook& look = corps_[c];
    look.active = !corps.IsFree();
    look.carried = IsCarried(corps);
    look.identity = IdentityOf(corps);
    look.x = corps.X;
    look.y = corps.Y;
    for (int s = 1; s <= corps.StepDone.Count; ++s) look.steps[s - 1] = corps.StepDone[s];
  }
  armies_.assign(GameState.Armies.Count + 1, {});
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    const TArmy& army = GameState.Armies[a];
    if (!army.IsFree()) armies_[a] = {army.Nation, army.Ordinal};
  }
}
