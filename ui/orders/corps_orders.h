#pragma once
// TCorpsOrder: one own corps or division. The player sets its stance, march,
// supply and supply city, its army and a rail move (written when the dialog
// closes), changes its commander and moves brigades between it and the
// garrison of an own city on its hex (written at once). A corps emptied of
// its brigades here is dissolved, and nothing more is written to it.
#include <array>
#include <functional>

#include "ui/orders/commander_change.h"
#include "ui/orders/order_form.h"
#include "ui/orders/row_table.h"
#include "widgets/advanced_list_box.h"
#include "widgets/check_item.h"
#include "widgets/graphic_button.h"
#include "widgets/group_box.h"
#include "widgets/radio_group.h"
#include "world/game_state.h"

class TCorpsOrder : public TOrderForm {
 public:
  TCorpsOrder();

  void Fill();
  void WriteBack();

  void ListBox2Click(TComponent* sender);
  void ListBox5Click(TComponent* sender);
  void RadioButton13Click(TComponent* sender);
  void RadioButton14Click(TComponent* sender);
  void Button1Click(TComponent* sender);

  TLabel* Label1;
  TLabel* Label36;
  std::array<TLabel*, 11> Figures;  // Label2 .. Label12
  TLabel* Label17;                  // initiative
  TLabel* Label18;                  // combat
  TLabel* Label19;                  // aggression
  TLabel* Label20;                  // inspiration
  TKxAdvancedListBox* ListBox1;     // supply city
  TKxAdvancedListBox* ListBox2;     // commander
  TKxAdvancedListBox* ListBox3;     // army
  TKxAdvancedListBox* ListBox4;     // rail destination
  TKxAdvancedListBox* ListBox5;     // brigades to transfer
  TKxGroupBox* KxGroupBox5;
  TKxRadioButton* RadioButton13;
  TKxRadioButton* RadioButton14;
  TKxRadioGroup* CombatStanceRadioGroup;
  TKxRadioGroup* MarchRadioGroup;
  TKxRadioGroup* SupplyTypeRadioGroup;
  TKxRadioGroup* SupplyRadioGroup;
  TKxGraphicButton* Button1;
  TKxGraphicButton* Button2;

 private:
  TCorps& Corps() const;
  void FillSupplyCities();
  void FillCommanders();
  void FillArmies();
  void FillRailCities();
  void CheckOrders();
  void ShowFigures();
  void ShowRatingWords(bool after_change);
  bool IsFull() const;
  void OfferTransfers();
  void ListBrigades(const std::function<bool(const TBrigade&)>& listed);
  void MoveToGarrison(int brigade);
  void MoveIntoCorps(int brigade);
  void Dissolve();
  void WriteArmy(int army);

  int CityHere = 0;
  int LeaderHere = 0;
  // Drawn when the corps is down to its last brigade, and charged if that goes too.
  int DissolutionCost = 0;
  bool cost_drawn_ = false;
  bool dissolved_ = false;
  RowTable<decltype(TGameState::Cities)::Count> CityOfRow;
  LeaderRows LeaderOfRow;
  RowTable<decltype(TGameState::Armies)::Count + 1> ArmyOfRow;
  RowTable<decltype(TGameState::Cities)::Count + 1> RailCityOfRow;
  RowTable<decltype(TGameState::Brigades)::Count> BrigadeOfRow;
};
