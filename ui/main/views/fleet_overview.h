#pragma once
// TFleetOver: one line for each fleet of the side, afloat or on the stocks; a
// press on a line brings the fleet into view and opens its orders.
#include <string>

#include "ui/orders/order_form.h"
#include "ui/orders/row_table.h"
#include "widgets/advanced_list_box.h"
#include "widgets/graphic_button.h"
#include "world/vardecl.h"

class TFleetOver : public TOrderForm {
 public:
  TFleetOver();

  void Fill();
  void ListBox1MouseDown();

  TLabel* Label1;
  TKxAdvancedListBox* ListBox1;
  TKxGraphicButton* Button1;

 private:
  RowTable<decltype(GameState.Fleets)::Count> fleet_of_row_;
};

// The overview's line for fleet f.
std::string FleetOverviewLine(int f);

// Nothing while no side is at its orders.
void ShowFleetOverview();
