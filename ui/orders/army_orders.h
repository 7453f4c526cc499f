#pragma once
// TArmyOrder: one own army: its name, base and objective, the orders its
// corps follow, and its commander. When the dialog closes the orders go into
// the army and every corps of it, the base becomes every corps' supply city,
// and the corps are sent toward the objective along fresh routes.
#include <string>

#include "platform/controls/edit.h"
#include "ui/orders/commander_change.h"
#include "ui/orders/order_form.h"
#include "ui/orders/row_table.h"
#include "widgets/advanced_list_box.h"
#include "widgets/check_item.h"
#include "widgets/graphic_button.h"
#include "widgets/panel.h"
#include "world/game_state.h"

// Text line 99, the army's readiness, "/" and its word.
std::string ArmyRatingText(const TArmy& army);

class TArmyOrder : public TOrderForm {
 public:
  TArmyOrder();

  void Fill();
  void WriteBack();
  void ListBox3Click(TComponent* sender);

  TLabel* Label1;
  TLabel* Label2;
  TLabel* Label5;
  TLabel* Label6;
  TLabel* Label7;
  TLabel* Label8;
  TEdit* Edit1;
  TKxAdvancedListBox* ListBox1;  // base
  TKxAdvancedListBox* ListBox2;  // objective
  TKxAdvancedListBox* ListBox3;  // commander
  // RadioButton1..12 by the order each stands for; see the table in the source.
  TKxRadioButton* RadioButtons[12];
  TKxGraphicButton* Button1;

 private:
  TArmy& Army() const;
  void FillCities();
  void FillCommanders();
  template <class Visit>
  void ForEachCorps(Visit visit) const;

  RowTable<decltype(TGameState::Cities)::Count> base_of_row_;
  RowTable<decltype(TGameState::Cities)::Count + 1> objective_of_row_;
  LeaderRows leader_of_row_;
};
