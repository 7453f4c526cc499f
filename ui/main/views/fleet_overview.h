#pragma once
// TFleetOver: one line for each fleet of the side, afloat or on the stocks; a
// press on a line brings the fleet into view and opens its orders.
#include <string>

#include "ui/main/views/unit_overview.h"

class TFleetOver : public TUnitOverview {
 public:
  TFleetOver();

 private:
  void ListUnits() override;
  TPoint SelectUnit(int f) override;
  void OpenUnit(int f) override;
};

// The overview's line for fleet f.
std::string FleetOverviewLine(int f);

// Nothing while no side is at its orders.
void ShowFleetOverview();
