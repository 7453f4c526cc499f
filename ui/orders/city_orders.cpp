#include "ui/orders/city_orders.h"

#include <string>

#include "ui/orders/brigade_row.h"
#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "world/brigade_rules.h"
#include "world/city_defences.h"
#include "world/codes.h"
#include "world/monthly_income.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {
constexpr int kFigureLabels[] = {1, 2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
constexpr int kMostLevels = 9;
// The depot word of supply levels 0 to 4; above 4 there is none.
constexpr int kDepotLines[] = {259, 260, 261, 262, 259};

TCity& City() {
  return GameState.Cities[CurrentCity];
}
bool HasDepot(const TCity& city) {
  return city.SupplyLevel >= 1 && city.SupplyLevel <= 3;
}
bool OwnCity(const TCity& city) {
  return city.Nation == CurrentSide;
}
}  // namespace

TCityOrder::TCityOrder() : TOrderForm("TCityOrder", 430, 330) {
  SetCaption("City Order");
  for (int n : kFigureLabels)
    AddLabel(this, Numbered("Label", n), 8 + 210 * (n / 8), 8 + 22 * (n % 8), 180, 18);
  Label(10)->SetCaption("Coastal guns :");
  Label(12)->SetCaption("Fortifications :");
  ListBox1 = AddControl<TKxAdvancedListBox>("ListBox1", 8, 190, 260, 130);
  UpDown1 = AddControl<TKxSpinButton>("UpDown1", 400, 52, 17, 24);
  UpDown2 = AddControl<TKxSpinButton>("UpDown2", 400, 96, 17, 24);
  UpDown1->OnUpClick = [this](TComponent*, double) { UpDown1UpClick(); };
  UpDown1->OnDownClick = [this](TComponent*, double) { UpDown1DownClick(); };
  UpDown2->OnUpClick = [this](TComponent*, double) { UpDown2UpClick(); };
  UpDown2->OnDownClick = [this](TComponent*, double) { UpDown2DownClick(); };
  OKBtn = AddControl<TKxGraphicButton>("OKBtn", 300, 290, 110, 30);
  OKBtn->SetCaption("OK");
  OKBtn->SetModalResult(mrOk);
}

void TCityOrder::Fill() {
  const TCity& city = City();
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Nation == CurrentSide && brigade.Status == TBrigadeStatus::InGarrison &&
        brigade.Location == CurrentCity)
      ListBox1->Items().Add(BrigadeRow(b));
  }
  ListBox1->SetEnabled(ListBox1->Count() > 0);
  const bool port = city.SeaPort != 0 || city.RiverPort != 0;
  UpDown1->SetVisible(OwnCity(city) && port && HasDepot(city));
  UpDown2->SetVisible(OwnCity(city) && city.FortifiedThisTurn == 0 &&
                      city.Fortifications < kMostLevels && HasDepot(city));
  Label(1)->SetCaption(city.Name.str());
  Label(2)->SetCaption(IsEntryOf(GameState.States, city.State)
                           ? GameState.States[city.State].Name.str()
                           : std::string());
  Label(3)->SetCaption(TextLine(164) + std::to_string(city.Value));
  Label(14)->SetCaption(city.SupplyLevel <= 4 ? TextLine(kDepotLines[city.SupplyLevel])
                                              : std::string());
  Label(5)->SetCaption(TextLine(165) + std::to_string(city.Occupation));
  Label(6)->SetCaption((city.RailStation != 0 ? TextLine(166) : "") +
                       (city.SeaPort != 0 ? TextLine(167) : "") +
                       (city.RiverPort != 0 ? TextLine(168) : ""));
  Label(7)->SetCaption(TextLine(169) + std::to_string(city.GarrisonCount));
  Label(8)->SetCaption(TextLine(170) + std::to_string(city.GarrisonNeed));
  ShowDefences();
}

void TCityOrder::ShowDefences() {
  const TCity& city = City();
  Label(11)->SetCaption(std::to_string(city.CoastalGuns));
  Label(13)->SetCaption(std::to_string(city.Fortifications));
  Label(9)->SetCaption(TextLine(171) +
                       std::to_string(SuppliesHeld(TheatreSupplies(CurrentSide, city.Theatre))));
}

void TCityOrder::UpDown1UpClick() {
  if (BuyCoastalGun(CurrentSide, CurrentCity)) ShowDefences();
}

void TCityOrder::UpDown1DownClick() {
  if (SellCoastalGun(CurrentSide, CurrentCity)) ShowDefences();
}

void TCityOrder::UpDown2UpClick() {
  if (!BuyFortification(CurrentSide, CurrentCity)) return;
  ShowDefences();
  UpDown2->SetVisible(false);
}

void TCityOrder::UpDown2DownClick() {
  if (SellFortification(CurrentSide, CurrentCity)) ShowDefences();
}

void ShowCityOrders() {
  RecountCorpsBrigades();
  if (!IsEntryOf(GameState.Cities, CurrentCity)) return;
  RunOrderDialog<TCityOrder>(CurrentCity,
                             {.hourglass_while_building = false, .arrow_when_shown = false});
}
