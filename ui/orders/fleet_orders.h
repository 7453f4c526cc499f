#pragma once
// TFleetOrders: one fleet's mission, home port and objective, the supplies and
// cotton it carries, and the way into merging it with another fleet on its hex
// or splitting it. Checking the present mission while the dialog fills itself
// runs that mission's handler, so a fleet ordered home while away from its
// port is sent there at once, and an amphibious fleet in port opens the
// embarkation. A merge or split is applied when the dialog closes, and then
// nothing else is written.
#include <array>

#include "platform/controls/radio_button.h"
#include "ui/orders/merge_fleets.h"
#include "ui/orders/order_form.h"
#include "ui/orders/row_table.h"
#include "widgets/advanced_list_box.h"
#include "widgets/graphic_button.h"
#include "widgets/panel.h"
#include "widgets/spin_button.h"
#include "world/fleet_stores.h"
#include "world/le_int.h"
#include "world/vardecl.h"

// The platform's check box; its header cannot sit beside the control set's.
class TCheckBox;

class TFleetOrders : public TOrderForm {
 public:
  TFleetOrders();

  void Fill();
  void WriteBack();
  void MissionClick(int mission);
  void CheckBox1Click();
  void CheckBox2Click();
  void CheckBox3Click();
  void CheckBox4Click();
  void Load(bool cotton, StoreMove move);

  TKxGraphicButton* OKBtn;
  TKxAdvancedListBox* ListBox1;          // home ports
  TKxAdvancedListBox* ListBox2;          // objectives
  std::array<TCheckBox*, 4> CheckBoxes;  // home port, objective, merge, split
  TKxPanel* KxPanel1;
  std::array<TRadioButton*, 7> RadioButtons;  // mission 0..6
  TKxSpinButton* UpDown1;                     // supplies
  TKxSpinButton* UpDown2;                     // cotton

 private:
  bool AwayFromHome() const;
  U16* Stock(bool cotton) const;
  void ShowStocks();
  void EnableMergeAndSplit(bool enabled);
  void ChooseShips(int box, MergeMode mode);
  void FillPortList(TKxAdvancedListBox& list, RowTable<87>& rows, int selected, bool objectives);
  bool Listed(const TCity& city, bool objective) const;
  int CheckedMission() const;

  int theatre_ = 0;
  int split_slot_ = 0;
  MergeChoice merge_;
  RowTable<87> home_port_of_row_;
  RowTable<87> objective_of_row_;
};
