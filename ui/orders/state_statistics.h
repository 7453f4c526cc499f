#pragma once
// TStatStat: the states the acting nation holds, with what each yields and
// how loyal it is; for a state without a capital city on the map, the
// monthly weapon output it is ordered to make, bought and sold at once
// against the supplies of its theatre.
#include <array>

#include "ui/orders/order_form.h"
#include "ui/orders/row_table.h"
#include "widgets/advanced_list_box.h"
#include "widgets/graphic_button.h"
#include "widgets/spin_button.h"

class TStatStat : public TOrderForm {
 public:
  TStatStat();

  void Fill();
  void StatusBoxClick();
  void FillStateStats(int state);
  // Buys (up) or sells one unit of the weapon's monthly output.
  void OutputClick(int weapon, bool up);
  // The spin button of a weapon: UpDown5 is the muskets', UpDown1 the shotguns'.
  TKxSpinButton* UpDownOf(int weapon) const;

  TKxAdvancedListBox* StatusBox;
  TKxGraphicButton* Button1;
  int SelectedState = 0;
  int SelectedTheatre = 0;

 private:
  bool OffMap() const;
  void ShowOutput(int weapon);
  void ShowTheatreSupplies();
  void ShowProduction(bool shown);

  RowTable<37> state_of_row_;
};
