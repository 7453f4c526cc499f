#pragma once
// TEmbarkCorps: the own corps on the fleet's hex that its transports can lift,
// when the fleet lies in a city; the clicked one goes aboard at once. A corps
// clicked before it, or carried before the dialog, goes back ashore.
#include "platform/controls/list_box.h"
#include "ui/orders/order_form.h"
#include "ui/orders/row_table.h"
#include "widgets/graphic_button.h"
#include "world/vardecl.h"

class TEmbarkCorps : public TOrderForm {
 public:
  TEmbarkCorps();

  void Fill();
  void ListBox1Click();

  TListBox* ListBox1;
  TLabel* Label2;
  TKxGraphicButton* Button1;

 private:
  RowTable<decltype(GameState.Corps)::Count> corps_of_row_;
  int chosen_stance_ = 0;  // the stance the chosen corps had ashore
};
