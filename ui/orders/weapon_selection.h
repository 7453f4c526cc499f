#pragma once
// TNew_Wpn: re-arms one brigade. It shows the nation's eight weapon stocks and
// offers the weapons of the brigade's arm that can arm all its men. It works
// on a copy of the stocks, written back only once the dialog is done.
#include <array>

#include "platform/controls/button.h"
#include "platform/controls/group_box.h"
#include "platform/controls/panel.h"
#include "platform/controls/radio_button.h"
#include "ui/orders/order_form.h"
#include "world/le_int.h"
#include "world/table.h"

class TNew_Wpn : public TOrderForm {
 public:
  explicit TNew_Wpn(int brigade);

  void Fill();
  void WriteBack();

  TGroupBox* GroupBox1;
  std::array<TRadioButton*, 8> RadioButtons;  // RadioButton1..8: weapon 1..8
  TPanel* Panel1;
  std::array<TLabel*, 8> StockLabels;  // Label12..19: the stock of weapon 1..8
  TButton* Button1;

 private:
  int brigade_;
  Table<U16, 8> stocks_;  // the working copy
};
