#include "ui/main/views/fleet_overview.h"

#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "world/game_window.h"
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

TFleetOver::TFleetOver() : TOrderForm("TFleetOver", 433, 300) {
  SetCaption("Naval Overview");
  Label1 = AddLabel(this, "Label1", 8, 8, 417, 16);
  ListBox1 = AddControl<TKxAdvancedListBox>("ListBox1", 8, 28, 417, 224);
  ListBox1->OnMouseDown = [this](TComponent*, TMouseButton, TShiftState, int, int) {
    ListBox1MouseDown();
  };
  Button1 = AddControl<TKxGraphicButton>("Button1", 179, 262, 75, 28);
  Button1->SetCaption("OK");
  Button1->SetModalResult(mrOk);
}

void TFleetOver::Fill() {
  SetCaption(TextLine(471));
  Label1->SetCaption(TextLine(590));
  ListBox1->Items().Clear();
  fleet_of_row_.Clear();
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    if (!Listed(GameState.Fleets[f])) continue;
    ListBox1->Items().Add(FleetOverviewLine(f));
    fleet_of_row_.Add(f);
  }
}

// A fleet on the stocks is brought into view but has no orders to give.
void TFleetOver::ListBox1MouseDown() {
  const int f = fleet_of_row_.At(ListBox1->ItemIndex());
  if (f == 0) return;
  const TFleet& fleet = GameState.Fleets[f];
  CurrentFleet = static_cast<std::uint16_t>(f);
  ViewLeft = fleet.X;
  ViewTop = fleet.Y;
  Window().RepaintMap();
  if (fleet.Status == 0) ShowFleetOrders();
}

void ShowFleetOverview() {
  RunOrderDialog<TFleetOver>(CurrentSide, {});
}
