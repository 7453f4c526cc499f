#include "world/army_naming.h"

#include <string>

#include "world/codes.h"
#include "world/formation_notice.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

constexpr int kTakenName = 2;
constexpr int kArmyFormedText = 0;
// France and Britain field one army each, named for the whole continent.
constexpr const char* kForeignArmyName = "The Americas";

int StateTheatre(int state) {
  if (!IsEntryOf(GameState.States, state)) return 0;
  return GameState.States[state].Theatre;
}

// Any free name of the nation will do; one of the theatre is better, and one of
// the very state best.
int NameScore(const TArmyName& entry, int nation, int state) {
  if (entry.Owner != nation || entry.Used == kTakenName) return 0;
  if (entry.Theatre != StateTheatre(state)) return 1;
  return entry.State == state ? 21 : 11;
}

// The first of the best-scoring entries; entry 1 when every name is taken.
std::string TakeListedName(int nation, int state) {
  auto& names = GameState.ArmyNames[nation];
  int chosen = 1;
  for (int k = 1; k <= names.Count; ++k) {
    names[k].Score = static_cast<std::uint8_t>(NameScore(names[k], nation, state));
    if (names[k].Score > names[chosen].Score) chosen = k;
  }
  names[chosen].Used = kTakenName;
  return names[chosen].Name.str();
}

}  // namespace

void NameNewArmy(int nation, int army, int state) {
  if (!IsEntryOf(GameState.Armies, army)) return;
  const bool hasNameList = IsEntryOf(GameState.ArmyNames, nation);
  TArmy& formed = GameState.Armies[army];
  formed.Name = hasNameList ? TakeListedName(nation, state) : kForeignArmyName;
  ShowFormationNotice(kArmyFormedNotice, TextLine(kArmyFormedText) + formed.Name.str(),
                      formed.Leader, formed.HqCity);
}

void ReleaseArmyName(TArmy& army, int nation) {
  if (nation != TNation::Union && nation != TNation::Confederacy) return;
  const std::string name = army.Name.str();
  for (int k = 1; k <= GameState.ArmyNames[nation].Count; ++k) {
    TArmyName& entry = GameState.ArmyNames[nation][k];
    if (entry.Name.str() == name) entry.Used = 0;
  }
  army.Name = " ";
}
