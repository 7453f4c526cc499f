#pragma once
// TCtyProdn: the acting nation's cities, and for the one selected the monthly
// output of each weapon its factories are ordered to make and the capacity of
// its shipyards, each bought at once from the supplies of the city's theatre
// and partly refunded when taken back. A city without a depot can change only
// its muskets and shotguns.
#include "ui/orders/order_form.h"
#include "ui/orders/row_table.h"
#include "widgets/advanced_list_box.h"
#include "widgets/graphic_button.h"
#include "widgets/spin_button.h"
#include "world/le_int.h"

class TCtyProdn : public TOrderForm {
 public:
  TCtyProdn();

  void Fill();
  void FactoryLstClick();
  // Spin buttons 1..8 are the weapons, 9 the ironclad yards, 10 the wooden
  // ones; up buys one unit, down sells one.
  void SpinClick(int spin, bool up);
  TKxSpinButton* UpDown(int spin) const;

  TKxAdvancedListBox* FactoryLst;
  TKxGraphicButton* Button1;
  int SelectedCity = 0;
  int CityTheatre = 0;
  int CityState = 0;

 private:
  void ShowCity();
  void ShowFigures();
  bool Changeable(int spin) const;
  U16* Supplies() const;

  RowTable<87> CityOfRow;
};
