#pragma once
// TMergeLst: the partner of a merge and the ships of each type that move, or
// in a split the ships that leave as a new fleet. It opens with every ship
// chosen and only records the choice; the fleet orders dialog applies it.
#include <array>

#include "platform/controls/list_box.h"
#include "platform/controls/up_down.h"
#include "ui/orders/order_form.h"
#include "ui/orders/row_table.h"
#include "widgets/graphic_button.h"
#include "world/fleet_merging.h"
#include "world/vardecl.h"

enum class MergeMode { Merge = 1, Split = 2 };

struct MergeChoice {
  int partner = 0;  // 0 when no partner was clicked
  ShipChoice ships{};
};

class TMergeLst : public TOrderForm {
 public:
  TMergeLst(MergeMode mode, MergeChoice& choice);

  void Fill();
  void ListBox1Click();
  void UpDownMouseUp(int type);

  TListBox* ListBox1;
  std::array<TLabel*, 3> CountLabels;  // Label4..6
  std::array<TUpDown*, 3> UpDowns;     // UpDown1..3
  TKxGraphicButton* Button1;

 private:
  MergeMode mode_;
  MergeChoice& choice_;
  ShipChoice most_{};
  RowTable<decltype(GameState.Fleets)::Count> fleet_of_row_;
};

// The choice made for CurrentFleet.
MergeChoice ShowMergeFleets(MergeMode mode);
