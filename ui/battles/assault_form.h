#pragma once
// TFortAssault: the forces on both sides of a city's works and what each step
// of the assault achieved. Execute fights the next step and leaves the form
// up; only OK, once the assault is over, closes it.
#include <array>

#include "ui/orders/order_form.h"
#include "warfare/battle_views.h"
#include "widgets/graphic_button.h"

class TFortAssault : public TOrderForm {
 public:
  TFortAssault();

  // Shows the assault as it stands.
  void Show(const AssaultForm& form);
  void Button1Click();

  TLabel* Label1;
  std::array<TLabel*, 7> ForceLabels;  // Label2..8
  TLabel* Label10;
  TLabel* Label11;
  TKxGraphicButton* Button1;
  TKxGraphicButton* Button2;
};
