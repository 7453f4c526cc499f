#pragma once
#include "ui/orders/row_table.h"
#include "widgets/advanced_list_box.h"
#include "world/game_state.h"
// The questions asked before a corps or an army changes commander. A leader
// in good standing gives up his command only after the player confirms and
// pays its price in war score; one the public thinks little of is relieved for
// nothing. The caller makes the change and sets the leaders' status.

enum class CommandChange {
  Refused,   // the player thought better of it: nothing changes
  Free,      // no question was due
  Relieved,  // the present commander is relieved of his command
};

// `relief_weight` counts the commander's standing into the price: once for a
// corps, twice for an army.
CommandChange AskCommanderChange(int present, bool free_of_questions, int relief_weight);

using LeaderRows = RowTable<decltype(TGameState::Leaders)::Count + 1>;

// Row 0 is the present commander, selected; then, by name, every leader of
// the side giving orders made for the command (TLeaderClass) who is free to
// take it: available, relieved, or taken from command this turn.
void ListCommanders(TKxAdvancedListBox& list, LeaderRows& rows, int present, int wanted);
