#pragma once
// TRaiseCorps: forms a corps or a division in a slot reserved before the
// dialog opens. The type chosen first is final; it lists the leaders fit for
// it, the leader sets how many brigades he may take, the city lists the
// brigades standing in it. After the dialog the picked brigade joins, or the
// slot is given back with nothing moved.
#include <array>

#include "ui/orders/order_form.h"
#include "ui/orders/row_table.h"
#include "widgets/advanced_list_box.h"
#include "widgets/check_item.h"
#include "widgets/effect_label.h"
#include "widgets/graphic_button.h"
#include "widgets/panel.h"
#include "world/game_state.h"

inline constexpr const char* kNoCorpsSlotMessage = "Maximum # of corps already in use.";

class TRaiseCorps : public TOrderForm {
 public:
  explicit TRaiseCorps(int new_corps);

  void Fill();
  void WriteBack();
  void RadioButtonClick(int kind);  // RadioButton1..3Click: corps, infantry, cavalry division
  void ListBox2Click();
  void ListBox3Click();

  TKxAdvancedListBox* ListBox1;  // brigades
  TKxAdvancedListBox* ListBox2;  // leaders
  TKxAdvancedListBox* ListBox3;  // cities
  TKxGraphicButton* OKBtn;
  TLabel* Label2;  // how many brigades the commander may take
  TKxPanel* KxPanel1;
  TKxLabel* Label6;
  std::array<TKxRadioButton*, 3> RadioButtons;

 private:
  TCorps& NewCorps() const;

  int NewCorps_;
  int ChosenCity = 0;
  RowTable<decltype(TGameState::Brigades)::Count> BrigadeOfRow;
  RowTable<decltype(TGameState::Cities)::Count> CityOfRow;
  RowTable<decltype(TGameState::Leaders)::Count> LeaderOfRow;
};
