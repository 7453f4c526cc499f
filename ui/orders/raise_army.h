#pragma once
// TRaiseArmy: a new army headquarters under an army-class leader in one of the
// side's cities, named as the player types (its state's name is proposed), with
// a corps not yet in an army under it. Nothing is taken or written before the
// dialog closes.
#include "platform/controls/button.h"
#include "platform/controls/edit.h"
#include "ui/orders/order_form.h"
#include "ui/orders/row_table.h"
#include "widgets/advanced_list_box.h"
#include "widgets/graphic_button.h"
#include "world/game_state.h"

class TRaiseArmy : public TOrderForm {
 public:
  TRaiseArmy();

  void Fill();
  void WriteBack();
  void ListBox2Click();  // a click in the corps or the leader list
  void ListBox3Click();

  TEdit* Edit1;
  TKxAdvancedListBox* ListBox1;  // corps
  TKxAdvancedListBox* ListBox2;  // leaders
  TKxAdvancedListBox* ListBox3;  // cities
  TKxGraphicButton* Button1;
  TButton* OKBtn;

 private:
  RowTable<decltype(TGameState::Corps)::Count> CorpsOfRow;
  RowTable<decltype(TGameState::Cities)::Count> CityOfRow;
  RowTable<decltype(TGameState::Leaders)::Count> LeaderOfRow;
};
