#pragma once
// TVictory: the post-mortem of the war, the tallies of both sides, the three
// verdicts, and the choice between ending the game and playing on.
#include <array>

#include "ui/orders/order_form.h"
#include "widgets/graphic_button.h"

class TVictory : public TOrderForm {
 public:
  TVictory();

  void Fill();
  void Button1Click();
  void Button2Click();

  TKxGraphicButton* Button1;  // Continue
  TKxGraphicButton* Button2;  // End Game
  // Label(n) is the design's LabelN, 1..27.
  TLabel& Label(int n) const { return *labels_[n]; }

 private:
  std::array<TLabel*, 28> labels_{};
};

// Shown when the game is over; GameOverCode says afterwards whether it still is.
void ShowPostMortem();
