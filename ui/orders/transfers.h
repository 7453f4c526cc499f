#pragma once
// TTransfers: supplies and cotton moved by rail between the three theatres'
// stockpiles, a load of 100 at a time, and rail capacity bought with
// supplies. Every click is written at once; the route spinners are offered
// only while the turn's capacity has a load left.
#include <array>

#include "platform/controls/radio_button.h"
#include "ui/orders/order_form.h"
#include "widgets/bitmap_group_box.h"
#include "widgets/graphic_button.h"
#include "widgets/spin_button.h"

class TTransfers : public TOrderForm {
 public:
  TTransfers();

  void Fill();
  // Route 1 joins the Seaboard and the West, 2 the Seaboard and the
  // Mississippi, 3 the West and the Mississippi; up moves toward the first.
  void Transfer(int route, bool up);
  void UpDown4UpClick();

  std::array<TNewRadBox*, 3> NewRadBoxes;
  std::array<TRadioButton*, 6> RadioButtons;  // supplies and cotton of each route
  std::array<TKxSpinButton*, 4> UpDowns;      // the three routes, then rail capacity
  TKxGraphicButton* Button1;

 private:
  void ShowFigures();
  void OfferRoutes();

  std::array<bool, 3> moves_cotton_{};
};
