#pragma once
// The two read-only dialogs of a replayed battle: Treplay1 says where and by
// whom it was fought, TReplay2 its result, the forces and every corps' line,
// each cell as the sender's battle wrote it.
#include "ui/battles/results_layout.h"
#include "ui/orders/order_form.h"
#include "widgets/graphic_button.h"
#include "world/battle_replay.h"

class Treplay1 : public TOrderForm {
 public:
  Treplay1();
  void Fill(const TReplayedBattle& battle);

  TKxGraphicButton* Button1;
};

// Laid out as the results of a battle just fought, so that a replayed
// battle reads as the sender read it.
class TReplay2 : public TBattleResultsLayout {
 public:
  TReplay2();
  void Fill(const TReplayedBattle& battle);

  TKxGraphicButton* Button2;

 private:
  void FillRows(int side, const TReplayedCorpsRows& rows);
};

void ShowReplayEngagement(const TReplayedBattle& battle);
void ShowReplayResults(const TReplayedBattle& battle);
// Both dialogs for each of the sender's battles in the battle log.
void ShowReplayedBattles();
