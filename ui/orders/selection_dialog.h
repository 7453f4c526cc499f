#pragma once
// TSelecDlg: what shares the clicked hex, one row per thing the finder found.
// Picking a row opens that thing's orders; an enemy corps is only described;
// for an own corps the player then chooses its orders or to set its objective
// by dragging on the map. The dialog stays up until Exit, so several things
// may be opened in turn.
#include "platform/controls/button.h"
#include "ui/orders/order_form.h"
#include "ui/orders/row_table.h"
#include "widgets/advanced_list_box.h"
#include "widgets/radio_group.h"
#include "world/vardecl.h"

class TSelecDlg : public TOrderForm {
 public:
  TSelecDlg();

  void FormShow(TComponent* sender);
  void SelectListBoxClick(TComponent* sender);
  void SelectCorpsRadioGroupClick(TComponent* sender);

  TKxAdvancedListBox* SelectListBox;
  TKxRadioGroup* SelectCorpsRadioGroup;
  TButton* Button1;

 private:
  void PickCorps(int corps);

  // The finder entry (1..FinderCount) behind each row: entries the list skips
  // must not shift the rows after them.
  RowTable<decltype(FinderResults)::Count> entry_of_row_;
};

// What the player may learn of an enemy corps, the map's click and the
// dialog alike: its commander, its brigades and its works.
void DescribeEnemyCorps(const TCorps& corps);
