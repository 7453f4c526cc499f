#pragma once
// TRaiseBrgds: arms and places the brigades the month's recruiting raised. The
// player picks a brigade, a city in the theatre of its home state and a weapon
// of its arm; the weapon button arms it at once and sends it to the garrison.
#include <array>

#include "platform/controls/group_box.h"
#include "platform/controls/radio_button.h"
#include "ui/orders/order_form.h"
#include "ui/orders/row_table.h"
#include "widgets/advanced_list_box.h"
#include "widgets/graphic_button.h"
#include "world/game_state.h"

class TRaiseBrgds : public TOrderForm {
 public:
  TRaiseBrgds();

  void Fill();
  void ListBox1Click();
  void ListBox2Click();
  void RadioButtonClick(int weapon);  // RadioButton1..8Click: weapon 1..8

  TKxAdvancedListBox* ListBox1;  // brigades
  TKxAdvancedListBox* ListBox2;  // deployment cities
  TGroupBox* GroupBox1;
  std::array<TRadioButton*, 8> RadioButtons;
  std::array<TLabel*, 8> StockLabels;  // Label12..19
  TLabel *Label1, *Label2, *Label3;
  TKxGraphicButton* Button1;

 private:
  void FillBrigades();
  void ShowWeaponChoice();
  void ClearWeaponButtons();

  int ChosenBrigade = 0;
  int DeployCity = 0;
  RowTable<decltype(TGameState::Brigades)::Count> BrigadeOfRow;
  RowTable<decltype(TGameState::Cities)::Count> DeployCityOfRow;
};
