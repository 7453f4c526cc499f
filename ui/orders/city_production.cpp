#include "ui/orders/city_production.h"

#include <string>

#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "ui/orders/row_texts.h"
#include "world/monthly_income.h"
#include "world/production_orders.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {
struct WeaponRow {
  int value_label;
  const char* name;
};
constexpr WeaponRow kWeaponRows[] = {{30, "Muskets        :"},  {20, "Springfields  :"},
                                     {21, "Sharps          :"}, {22, "Spencers      :"},
                                     {31, "Shotguns       :"},  {24, "Smoothbores:"},
                                     {25, "Parrotts        :"}, {26, "Whitworths   :"}};
constexpr int kCaptionLines[][2] = {{9, 263}, {10, 264}, {7, 265}, {8, 266}, {11, 624}, {36, 625},
                                    {1, 289}, {2, 290},  {3, 291}, {4, 292}, {5, 293},  {6, 294}};
// The selected city's facts stand under the list, each figure beside its
// caption (the depot's words, the longest, on a line of their own); the yards
// share the column of the weapons and their spin buttons.
constexpr TOrderForm::LabelPlace kLabelPlaces[] = {
    {1, 8, 150, 207},   {2, 8, 168, 110},   {14, 120, 168, 95},  {3, 8, 186, 110},
    {19, 16, 204, 199}, {4, 8, 222, 110},   {23, 120, 222, 95},  {5, 8, 240, 110},
    {27, 120, 240, 95}, {6, 8, 258, 110},   {28, 120, 258, 95},  {7, 8, 276, 110},
    {37, 120, 276, 95}, {8, 8, 300, 207},   {9, 220, 8, 190},    {11, 220, 242, 100},
    {33, 320, 242, 50}, {36, 220, 268, 100}, {34, 320, 268, 50}, {10, 220, 296, 185}};
constexpr int kCityLabels[] = {14, 19, 23, 27, 28, 33, 34, 37};
constexpr int kYardLabels[] = {33, 34};
constexpr int kYes = 3;
constexpr int kNo = 4;

TCity& City(int city) {
  return GameState.Cities[city];
}
bool HasDepot(const TCity& city) {
  return city.SupplyLevel >= 1 && city.SupplyLevel <= 3;
}
bool IsPort(const TCity& city) {
  return city.SeaPort != 0 || city.RiverPort != 0;
}
// Muskets and shotguns are made even where there is no depot.
bool NeedsDepot(int spin) {
  return spin <= 8 && spin != 1 && spin != 5;
}
int DepotLine(int level) {
  return level >= 1 && level <= 3 ? 198 - level : 198;
}
}  // namespace

TCtyProdn::TCtyProdn() : TOrderForm("TCtyProdn", 539, 341) {
  SetCaption("City production");
  AddLabels(kLabelPlaces);
  FactoryLst = AddControl<TKxAdvancedListBox>("FactoryLst", 8, 8, 200, 136);
  FactoryLst->SetItemHeight(17);
  FactoryLst->OnClick = [this](TComponent*) { FactoryLstClick(); };
  // Each spin button is centred on its row's text, the weapon's colon a
  // little apart from its figure.
  for (int spin = 1; spin <= 10; ++spin) {
    const int top = 8 + 26 * spin;
    if (spin <= 8) {
      AddPaddedCaption(Numbered("WeaponCaption", spin), 220, top, 96, kWeaponRows[spin - 1].name);
      AddLabel(this, Numbered("Label", kWeaponRows[spin - 1].value_label), 320, top, 50, 16);
    }
    auto* button = AddControl<TKxSpinButton>(Numbered("UpDown", spin), 372, top - 3, 17, 22);
    button->OnUpClick = [this, spin](TComponent*, double) { SpinClick(spin, true); };
    button->OnDownClick = [this, spin](TComponent*, double) { SpinClick(spin, false); };
  }
  Button1 = AddControl<TKxGraphicButton>("Button1", 410, 300, 110, 30);
  Button1->SetCaption("OK");
  Button1->SetModalResult(mrOk);
}

TKxSpinButton* TCtyProdn::UpDown(int spin) const {
  return FindOwned<TKxSpinButton>(*this, Numbered("UpDown", spin));
}

void TCtyProdn::Fill() {
  for (const auto& [label, line] : kCaptionLines) Label(label)->SetCaption(TextLine(line));
  Button1->SetCaption(TextLine(66));
  const int capital =
      IsEntryOf(GameState.Nations, CurrentSide) ? GameState.Nations[CurrentSide].Capital : 0;
  for (int city = 1; city <= GameState.Cities.Count; ++city) {
    if (City(city).Nation != CurrentSide) continue;
    FactoryLst->Items().Add(CityRow(city));
    CityOfRow.Add(city);
    if (city == capital) FactoryLst->SetItemIndex(CityOfRow.Count() - 1);
  }
  SelectedCity = IsEntryOf(GameState.Cities, capital) ? capital : 0;
  if (SelectedCity != 0) ShowCity();
}

void TCtyProdn::FactoryLstClick() {
  const int city = CityOfRow.At(FactoryLst->ItemIndex());
  if (city == 0) return;
  SelectedCity = city;
  for (int spin = 1; spin <= 10; ++spin) UpDown(spin)->Show();
  for (int label : kCityLabels) Label(label)->Show();
  ShowCity();
}

void TCtyProdn::ShowCity() {
  const TCity& city = City(SelectedCity);
  CityTheatre = city.Theatre;
  CityState = city.State;
  Label(1)->SetCaption(IsEntryOf(GameState.States, CityState)
                           ? GameState.States[CityState].Name.str()
                           : std::string());
  Label(14)->SetCaption(std::to_string(city.Fortifications));
  Label(19)->SetCaption(TextLine(DepotLine(city.SupplyLevel)));
  if (!HasDepot(city))
    for (int spin = 1; spin <= 8; ++spin)
      if (NeedsDepot(spin)) UpDown(spin)->Hide();
  Label(23)->SetCaption(TextLine(city.RailStation != 0 ? kYes : kNo));
  Label(27)->SetCaption(TextLine(city.RiverPort != 0 ? kYes : kNo));
  Label(28)->SetCaption(TextLine(IsPort(city) ? kYes : kNo));
  for (int spin : {9, 10}) UpDown(spin)->SetEnabled(IsPort(city));
  ShowFigures();
}

void TCtyProdn::ShowFigures() {
  const TCity& city = City(SelectedCity);
  for (int weapon = 1; weapon <= 8; ++weapon)
    Label(kWeaponRows[weapon - 1].value_label)
        ->SetCaption(std::to_string(ShownWeaponStock(weapon, city.WeaponOutput[weapon])));
  Label(33)->SetCaption(IsPort(city) ? std::to_string(city.ShipyardA) : "-");
  Label(34)->SetCaption(IsPort(city) ? std::to_string(city.ShipyardB) : "-");
  Label(37)->SetCaption(std::to_string(SuppliesHeld(TheatreSupplies(CurrentSide, CityTheatre))));
}

U16* TCtyProdn::Supplies() const {
  return TheatreSupplies(CurrentSide, CityTheatre);
}

// A click the form would not offer changes nothing, however it arrives.
bool TCtyProdn::Changeable(int spin) const {
  if (!IsEntryOf(GameState.Cities, SelectedCity) || Supplies() == nullptr) return false;
  const TCity& city = City(SelectedCity);
  return spin <= 8 ? HasDepot(city) || !NeedsDepot(spin) : IsPort(city);
}

void TCtyProdn::SpinClick(int spin, bool up) {
  if (!Changeable(spin)) return;
  TCity& city = City(SelectedCity);
  U16& supplies = *Supplies();
  bool changed = false;
  if (spin <= 8) {
    const int cost = UnitCost(CurrentSide, spin);
    U16& output = city.WeaponOutput[spin];
    changed = up ? OrderOutput(output, supplies, cost) : CancelOutput(output, supplies, cost);
  } else {
    std::uint8_t& yard = spin == 9 ? city.ShipyardA : city.ShipyardB;
    changed =
        up ? OrderShipyard(yard, supplies, spin - 8) : CancelShipyard(yard, supplies, spin - 8);
  }
  if (changed) ShowFigures();
}

void ShowCityProduction() {
  RunOrderDialog<TCtyProdn>(CurrentSide, {});
}
