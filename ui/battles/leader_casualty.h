#pragma once
// TLdr_Dead: the successor of a fallen commander, chosen from a list; the
// rating words of the leader clicked show beside it. OK waits for a choice
// while there is anyone to choose.
#include <array>

#include "ui/orders/order_form.h"
#include "warfare/battle_views.h"
#include "widgets/advanced_list_box.h"
#include "widgets/graphic_button.h"

class TLdr_Dead : public TOrderForm {
 public:
  explicit TLdr_Dead(const LeaderChoiceView& view);

  void ListBox1Click();
  // The line (1..count) chosen last; 0 before any.
  int ChosenLine() const { return chosen_line_; }

  TKxAdvancedListBox* ListBox1;
  std::array<TLabel*, 4> RatingLabels;  // Label5..8
  TKxGraphicButton* Button1;

 private:
  const LeaderChoiceView& view_;
  int chosen_line_ = 0;
};
