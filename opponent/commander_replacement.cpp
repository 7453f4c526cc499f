#include "opponent/commander_replacement.h"

#include <string>

#include "world/corps_command.h"
#include "world/force_slots.h"
#include "world/game_window.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

constexpr int kFailingArmyModifier = -21;
constexpr int kFailingCorpsModifier = -20;
constexpr int kRelievedText = 567;

void RelieveWithNotice(TLeader& old, const std::string& successorLine) {
  old.Status = TLeaderStatus::Relieved;
  ClearEventMessage();
  EventMessage.Line1 = old.Name.str();
  EventMessage.Line2 = TextLine(kRelievedText);
  if (!successorLine.empty()) {
    EventMessage.Line3 = "and replaced with ";
    EventMessage.Line4 = successorLine;
  }
  ShowEventMessage();
}

void ReplaceArmyCommander(int nation, TArmy& army) {
  int successor = ChooseSuccessor(nation, kArmyCommand, 0, 0);
  if (successor != 0 && !AppointCorpsSuccessor(nation, successor)) successor = 0;
  // A corps commander chosen for the army has handed his corps on by now, so
  // he takes the army whatever his status said.
  if (successor == 0) return;
  TLeader& chosen = GameState.Leaders[successor];
  RelieveWithNotice(GameState.Leaders[army.Leader], chosen.Name.str());
  army.Leader = static_cast<std::uint8_t>(successor);
  chosen.Status = TLeaderStatus::InCommand;
  if (chosen.Rank == TLeaderClass::Corps) chosen.Rank = TLeaderClass::Army;
}

void ReplaceCorpsCommander(int nation, int c) {
  TCorps& corps = GameState.Corps[c];
  const TLeader& old = GameState.Leaders[corps.Leader];
  const int commandKind = (old.Rank - 1) / 2 + 1;
  const int successor = ChooseSuccessor(nation, commandKind, corps.Kind, 2);
  if (successor == 0 || GameState.Leaders[successor].Status < TLeaderStatus::Available) return;
  RelieveWithNotice(GameState.Leaders[corps.Leader], "");
  GiveCorpsCommander(c, successor);
}

}  // namespace

void ReplaceFailingArmyCommanders() {
  const int nation = CurrentSide;
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    TArmy& army = GameState.Armies[a];
    if (army.Nation != nation || army.HqCity == 0) continue;
    const TLeader* commander = LeaderRecord(army.Leader);
    if (commander != nullptr && commander->Modifier < kFailingArmyModifier)
      ReplaceArmyCommander(nation, army);
  }
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.Inactive != 0 || corps.Nation != nation) continue;
    const TLeader* commander = LeaderRecord(corps.Leader);
    if (commander != nullptr && commander->Modifier < kFailingCorpsModifier)
      ReplaceCorpsCommander(nation, c);
  }
}
