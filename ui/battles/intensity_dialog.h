#pragma once
// TBtl_Intensity: one side's choice of how hard to fight, among the levels
// its commander may order, over the corps of both sides as the side sees them.
#include <array>

#include "ui/orders/order_form.h"
#include "warfare/battle_views.h"
#include "widgets/check_item.h"
#include "widgets/graphic_button.h"
#include "widgets/panel.h"

class TBtl_Intensity : public TOrderForm {
 public:
  explicit TBtl_Intensity(const IntensityView& view);

  void RadioButtonClick(int level);
  int Choice() const { return choice_; }

  TKxPanel* KxPanel1;
  std::array<TKxRadioButton*, 5> RadioButtons;  // RadioButton1..5
  TKxGraphicButton* Button1;

 private:
  // A radio checked from code raises no click, so the checked level 1 is
  // the choice until the player clicks another.
  int choice_ = 1;
};
