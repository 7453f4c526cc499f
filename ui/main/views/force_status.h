#pragma once
// TForceStatus: the side's troops by theatre, its ships, its men under arms by
// weapon, its weapon stocks and output, its shipyards, and the choice of a new
// capital among its own worthy cities.
#include <array>

#include "ui/orders/order_form.h"
#include "ui/orders/row_table.h"
#include "widgets/advanced_list_box.h"
#include "widgets/graphic_button.h"
#include "world/vardecl.h"

class TForceStatus : public TOrderForm {
 public:
  TForceStatus();

  void Fill();
  void ListBox1Click();

  TKxAdvancedListBox* ListBox1;
  TKxGraphicButton* Button1;
  // Label(n) is the design's LabelN, 1..71.
  TLabel& Label(int n) const { return *labels_[n]; }

 private:
  void FillTitles();
  void FillForces();
  void FillWeapons();
  void FillCapitalList();
  void SelectCapital();

  std::array<TLabel*, 72> labels_{};
  RowTable<decltype(GameState.Cities)::Count> city_of_row_;
};

// Moves the side's government to the city: the city gains the capital's
// worth and the old capital, when there is one, loses it. False when the
// city is no city or is the capital already.
bool MoveCapital(int nation, int city);

// Nothing while no side is at its orders.
void ShowForceStatus();
