#pragma once
// TLeaderStatus (the class carries "Form": the leader status codes own the
// name): the nation's leaders by class and status. The player reads
// the ratings and standing of the one picked, and may promote him or take
// him from command for the turn; either closes the dialog.
#include <array>

#include "platform/controls/radio_button.h"
#include "ui/orders/order_form.h"
#include "ui/orders/row_table.h"
#include "widgets/advanced_list_box.h"
#include "widgets/bitmap_group_box.h"
#include "widgets/graphic_button.h"
#include "world/game_state.h"

class TLeaderStatusForm : public TOrderForm {
 public:
  TLeaderStatusForm();

  void Fill();
  void FillLeaderList();
  void LdrListClick(TComponent* sender);
  void BitBtn1Click(TComponent* sender);
  void Button1Click(TComponent* sender);
  // RadioButton1Click .. RadioButton9Click: one handler per filter, bound to
  // its radio button and its label; `filter` is its row of the filter table.
  void FilterClick(int filter);

  TKxAdvancedListBox* LdrList;
  TLabel* Label1;
  TLabel* Label6;
  TLabel* Label7;
  std::array<TLabel*, 4> RatingLabels;  // Label8 .. Label11
  TLabel* Label20;
  TNewRadBox* NewRadBox1;
  TNewRadBox* NewRadBox2;
  std::array<TRadioButton*, 9> FilterButtons;  // in the order of the filter table
  TKxGraphicButton* BitBtn1;
  TKxGraphicButton* Button1;
  TKxGraphicButton* OKBtn;

  int SelectedLeader = 0;
  int ClassFilter = 0;
  int StatusFilter = 0;

 private:
  bool FitsStatusFilter(int status) const;
  void ShowStanding(const TLeader& leader);
  void ShowStatus(const TLeader& leader);

  RowTable<decltype(TGameState::Leaders)::Count> leader_of_row_;
};
