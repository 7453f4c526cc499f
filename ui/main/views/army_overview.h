#pragma once
// TForceOver: one line for each active corps of the side, with its strength,
// its supply needs and where it stands; a press on a line brings the corps
// into view and opens its orders.
#include <string>

#include "ui/orders/order_form.h"
#include "ui/orders/row_table.h"
#include "widgets/advanced_list_box.h"
#include "widgets/graphic_button.h"
#include "world/vardecl.h"

class TForceOver : public TOrderForm {
 public:
  TForceOver();

  void Fill();
  void ListBox1MouseDown();

  TLabel* Label1;
  TKxAdvancedListBox* ListBox1;
  TKxGraphicButton* Button1;

 private:
  RowTable<decltype(GameState.Corps)::Count> corps_of_row_;
};

// The supplies the corps draws a turn, by its priority, and the priority's word.
std::string CorpsSupplyColumn(const TCorps& corps, int side);
// The nearest city, with its distance in miles when the corps is not in it.
std::string CorpsLocationColumn(const TCorps& corps);

// Nothing while no side is at its orders.
void ShowForceOverview();
