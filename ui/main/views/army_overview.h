#pragma once
// TForceOver: one line for each active corps of the side, with its strength,
// its supply needs and where it stands; a press on a line brings the corps
// into view and opens its orders.
#include <string>

#include "ui/main/views/unit_overview.h"

class TForceOver : public TUnitOverview {
 public:
  TForceOver();

 private:
  void ListUnits() override;
  TPoint SelectUnit(int c) override;
  void OpenUnit(int c) override;
};

// The supplies the corps draws a turn, by its priority, and the priority's word.
std::string CorpsSupplyColumn(const TCorps& corps, int side);
// The nearest city, with its distance in miles when the corps is not in it.
std::string CorpsLocationColumn(const TCorps& corps);

// Nothing while no side is at its orders.
void ShowForceOverview();
