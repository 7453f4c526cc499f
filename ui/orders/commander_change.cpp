#include "ui/orders/commander_change.h"

#include <string>

#include "platform/dialogs/message_dialog.h"
#include "world/command_relief.h"
#include "world/corps_command.h"
#include "world/force_slots.h"
#include "world/game_window.h"
#include "world/realm_queries.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

void OfferOption(int option, int line) {
  EventOptions[option].Present = 1;
  EventOptions[option].Text = TextLine(line);
}

bool PlayerAgreesToRelieve(const std::string& name) {
  ClearEventMessage();
  EventMessage.Line1 = TextLine(568) + name;
  EventMessage.Line2 = TextLine(569);
  EventMessage.Line3 = TextLine(570);
  EventMessage.Line4 = TextLine(571);
  OfferOption(1, 3);
  OfferOption(2, 4);
  ShowEventMessage();
  return EventMessage.Choice == 1;
}

void TellReliefCost(const std::string& name, int cost) {
  ClearEventMessage();
  EventMessage.Line1 = name;
  EventMessage.Line2 = TextLine(572);
  EventMessage.Line3 = std::to_string(cost) + TextLine(573);
  ShowEventMessage();
}

}  // namespace

CommandChange AskCommanderChange(int present, bool free_of_questions, int relief_weight) {
  if (free_of_questions) return CommandChange::Free;
  if (MessageDlg(TextLine(566), TMsgDlgType::mtWarning, mbOKCancel) != mrOk)
    return CommandChange::Refused;
  const TLeader* leader = LeaderRecord(present);
  const std::string name = LeaderName(present);
  if (!leader || leader->Modifier < 0) {
    MessageDlg(name + TextLine(567), TMsgDlgType::mtWarning, mbOK);
    return CommandChange::Relieved;
  }
  if (!PlayerAgreesToRelieve(name)) return CommandChange::Refused;
  const int cost = ReliefCost(leader->Modifier, relief_weight);
  TellReliefCost(name, cost);
  ChargeWarScore(CurrentSide, cost);
  return CommandChange::Relieved;
}

void ListCommanders(TKxAdvancedListBox& list, LeaderRows& rows, int present, int wanted) {
  list.Items().Add(LeaderName(present));
  rows.Add(present);
  list.SetItemIndex(0);
  const int camp = CampOfNation(CurrentSide);
  for (int l = 1; l <= GameState.Leaders.Count; ++l) {
    const TLeader& leader = GameState.Leaders[l];
    const bool free = leader.Status == TLeaderStatus::Available ||
                      leader.Status == TLeaderStatus::Relieved ||
                      leader.Status == TLeaderStatus::TemporarilyRemoved;
    if (leader.Side != camp || leader.Rank != wanted || l == present || !free) continue;
    list.Items().Add(leader.Name.str());
    rows.Add(l);
  }
}
