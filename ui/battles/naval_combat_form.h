#pragma once
// TFleetCbt: a naval engagement once fought: the ships of each side by type,
// the city's works, what was sunk and lost. Its one button, and Enter or
// Escape, close it.
#include "ui/orders/order_form.h"
#include "warfare/battle_views.h"
#include "widgets/graphic_button.h"

class TFleetCbt : public TOrderForm {
 public:
  explicit TFleetCbt(const NavalCombatView& view);

  TKxGraphicButton* Button1;
};
