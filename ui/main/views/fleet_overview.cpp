#include "ui/main/views/fleet_overview.h"

#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "world/text_table.h"

namespace {

constexpr int kKindTexts[] = {175, 176, 168};
constexpr int kFirstMissionText = 306;
constexpr int kMissions = 7;

// A code outside its table has no word.
std::string KindWord(int kind) {
  return kind < static_cast<int>(std::size(kKindTexts)) ? TextLine(kKindTexts[kind]) : "";
}

std::string FleetState(const TFleet& fleet) {
  if (fleet.Status != 0) return TextLine(591) + ":" + std::to_string(fleet.Status);
  return fleet.Mission < kMissions ? TextLine(kFirstMissionText + fleet.Mission) : "";
}

std::string HomePortName(int city) {
  return city >= 1 && city <= GameState.Cities.Count ? GameState.Cities[city].Name.str() : "";
}

bool Listed(const TFleet& fleet) {
  return fleet.Nation == CurrentSide && fleet.Status < TFleet::FirstFreeStatus;
}

}  // namespace

std::string FleetOverviewLine(int f) {
  const TFleet& fleet = GameState.Fleets[f];
  int ships = 0;
  for (int t = 1; t <= fleet.Ships.Count; ++t) ships += fleet.Ships[t] + fleet.DamagedShips[t];
  return TextLine(1) + std::to_string(fleet.Number) + ", " + HomePortName(fleet.HomePort) + ", " +
         KindWord(fleet.Kind) + ", " + std::to_string(ships) + ", " + FleetState(fleet);
}

TFleetOver::TFleetOver() : TUnitOverview("TFleetOver", "Naval Overview", 433, {471, 590}) {}

void TFleetOver::ListUnits() {
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    if (Listed(GameState.Fleets[f])) AddLine(f, FleetOverviewLine(f));
  }
}

TPoint TFleetOver::SelectUnit(int f) {
  CurrentFleet = static_cast<std::uint16_t>(f);
  return {GameState.Fleets[f].X, GameState.Fleets[f].Y};
}

// A fleet on the stocks is brought into view but has no orders to give.
void TFleetOver::OpenUnit(int f) {
  if (GameState.Fleets[f].Status == 0) ShowFleetOrders();
}

void ShowFleetOverview() {
  RunOrderDialog<TFleetOver>(CurrentSide, {});
}
