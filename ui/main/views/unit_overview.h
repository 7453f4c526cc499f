#pragma once
// The form of both overviews: a heading over one line per unit of the side;
// a press on a line centres the map on the unit and opens what it offers.
#include <string>

#include "ui/orders/order_form.h"
#include "ui/orders/row_table.h"
#include "widgets/advanced_list_box.h"
#include "widgets/graphic_button.h"
#include "world/vardecl.h"

class TUnitOverview : public TOrderForm {
 public:
  void Fill();
  void ListBox1MouseDown();

  TLabel* Label1;
  TKxAdvancedListBox* ListBox1;
  TKxGraphicButton* Button1;

 protected:
  struct OverviewTexts {
    int caption;
    int heading;
  };
  TUnitOverview(const std::string& form_class, const std::string& design_caption, int width,
                OverviewTexts texts);

  // Lists the side's units through AddLine.
  virtual void ListUnits() = 0;
  void AddLine(int unit, const std::string& line);
  // Makes the unit the current one and gives its hex; then, with the map on
  // it, what a press on its line opens.
  virtual TPoint SelectUnit(int unit) = 0;
  virtual void OpenUnit(int unit) = 0;

 private:
  OverviewTexts texts_;
  // Enough rows for every corps slot; fleets are fewer.
  RowTable<decltype(GameState.Corps)::Count> unit_of_row_;
};
