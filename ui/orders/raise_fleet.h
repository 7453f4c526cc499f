#pragma once
// TRaiseFleet: lays down a new fleet for the side giving orders. The player
// picks ocean or river, then one ship type (both final), then a port whose
// yard builds that type, and the number of ships the yard has room for. The
// fleet is paid for and written once the dialog is done.
#include <array>

#include "platform/controls/radio_button.h"
#include "platform/controls/spin_edit.h"
#include "ui/orders/order_form.h"
#include "ui/orders/row_table.h"
#include "widgets/advanced_list_box.h"
#include "widgets/graphic_button.h"
#include "widgets/panel.h"
#include "world/vardecl.h"

class TRaiseFleet : public TOrderForm {
 public:
  TRaiseFleet();

  void Fill();
  void WriteBack();
  void KindClick(bool river);
  void TypeClick(int type);
  void ListBox1Click();

  TSpinEdit* SpinEdit1;
  TKxPanel* KxPanel1;
  TKxPanel* KxPanel2;
  std::array<TRadioButton*, 5> RadioButtons;  // RadioButton1..5
  TKxAdvancedListBox* ListBox1;
  TKxGraphicButton* OKBtn;
  TLabel* Label2;
  TLabel* Label14;

 private:
  bool river_ = false;
  int type_ = 0;
  int chosen_port_ = 0;
  RowTable<decltype(GameState.Cities)::Count> port_of_row_;
};
