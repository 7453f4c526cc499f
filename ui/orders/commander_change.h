#pragma once
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
