#pragma once
// Tquickrez: the battle as set up, the two intensity buttons of the sides
// that choose and Execute, which fights the battle inside the form. It has no
// close box and ignores Escape: it closes only once the battle is fought.
#include <array>

#include "ui/orders/order_form.h"
#include "warfare/battle_views.h"
#include "widgets/graphic_button.h"

class Tquickrez : public TOrderForm {
 public:
  Tquickrez(const BattleForm& form, BattleControls& controls);

  void Button1Click();
  void Button3Click();
  void Button4Click();

  TKxGraphicButton* Button1;
  TKxGraphicButton* Button3;
  TKxGraphicButton* Button4;

 private:
  void SetIntensity(int side, TKxGraphicButton* button);

  BattleControls& controls_;
  std::array<bool, 2> intensitySet_{};
  bool fought_ = false;
};
