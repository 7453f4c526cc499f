#pragma once
// TCityOrder: one city with its garrison, and the coastal guns and
// fortification levels its nation buys or sells there against the supplies
// of the city's theatre. The spinners that spend are offered only for the
// acting nation's own cities; every click is written at once.
#include "ui/orders/order_form.h"
#include "widgets/advanced_list_box.h"
#include "widgets/graphic_button.h"
#include "widgets/spin_button.h"

class TCityOrder : public TOrderForm {
 public:
  TCityOrder();

  void Fill();
  void UpDown1UpClick();
  void UpDown1DownClick();
  void UpDown2UpClick();
  void UpDown2DownClick();

  TKxAdvancedListBox* ListBox1;  // the garrison, for reading only
  TKxSpinButton* UpDown1;        // coastal guns
  TKxSpinButton* UpDown2;        // fortifications
  TKxGraphicButton* OKBtn;

 private:
  void ShowDefences();
};
