#include "ui/orders/raise_brigades.h"

#include <string>

#include "ui/orders/brigade_row.h"
#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "ui/orders/row_texts.h"
#include "world/codes.h"
#include "world/land_force_raising.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {
constexpr const char* kWeaponNames[] = {"Muskets",  "Springfields", "Sharps",   "Spencers",
                                        "Shotguns", "Smoothbores",  "Parrotts", "Whitworths"};
// The arm word beside each weapon: infantry, cavalry, artillery.
constexpr int kArmLineOfWeapon[] = {364, 364, 364, 365, 365, 366, 366, 366};
constexpr int kArmedText = 46;
constexpr int kWeaponTexts = 296;  // + the weapon
constexpr int kRowHeight = 22;

Table<U16, 8>& Stocks() {
  return GameState.Nations[CurrentSide].WeaponStock;
}

// A stock of Muskets or Shotguns that covers the brigade shows as it is, the
// figure the force status gives. A short one, beside a brigade of the arm it
// is issued free to, reads as if the brigade's men were covered; beside
// another brigade it keeps what the label showed. Stock and strength are both
// counted in points of 50 men: weighing the stock against the strength in men
// showed every stock under 4,000 points (200,000 muskets) as short, 4,000
// men above the force status.
void ShowFreeWeaponStock(TLabel& label, int weapon, int freeArm, const TBrigade& brigade) {
  const int stock = Stocks()[weapon];
  if (stock >= brigade.Strength)
    label.SetCaption(std::to_string(stock * 50));
  else if (brigade.Arm == freeArm)
    label.SetCaption(std::to_string((stock + brigade.Strength) * 50));
}
}  // namespace

TRaiseBrgds::TRaiseBrgds() : TOrderForm("TRaiseBrgds", 427, 397) {
  SetCaption("New Brigades");
  AddLabel(this, "Label20", 8, 8, 200, 16)->SetCaption("Select brigade");
  ListBox1 = AddControl<TKxAdvancedListBox>("ListBox1", 8, 26, 200, 152);
  AddLabel(this, "Label21", 218, 8, 200, 16)->SetCaption("Select deployment city");
  ListBox2 = AddControl<TKxAdvancedListBox>("ListBox2", 218, 26, 200, 152);
  for (TKxAdvancedListBox* list : {ListBox1, ListBox2}) list->SetItemHeight(19);
  ListBox1->OnClick = [this](TComponent*) { ListBox1Click(); };
  ListBox2->OnClick = [this](TComponent*) { ListBox2Click(); };
  Label1 = AddLabel(this, "Label1", 8, 184, 200, 16);
  Label2 = AddLabel(this, "Label2", 8, 202, 200, 16);
  Label3 = AddLabel(this, "Label3", 8, 220, 200, 16);
  GroupBox1 = AddControl<TGroupBox>("GroupBox1", 218, 184, 200, 8 * kRowHeight + 22);
  GroupBox1->SetCaption("Weapon selection");
  for (int w = 1; w <= 8; ++w) {
    const int top = 16 + kRowHeight * (w - 1);
    TRadioButton* radio =
        AddChild<TRadioButton>(GroupBox1, Numbered("RadioButton", w), 6, top, 100, kRowHeight - 2);
    radio->SetCaption(kWeaponNames[w - 1]);
    radio->OnClick = [this, w](TComponent*) { RadioButtonClick(w); };
    RadioButtons[w - 1] = radio;
    TLabel* arm = AddLabel(GroupBox1, Numbered("Label", w + 3), 108, top, 40, kRowHeight - 2);
    StockLabels[w - 1] =
        AddLabel(GroupBox1, Numbered("Label", w + 11), 150, top, 46, kRowHeight - 2);
    // Level with the weapon's name, which the radio button draws in its middle.
    for (TLabel* figure : {arm, StockLabels[w - 1]}) figure->SetLayout(TTextLayout::tlCenter);
    const bool free = w == TWeapon::Muskets || w == TWeapon::Shotguns;
    StockLabels[w - 1]->SetCaption(free ? "(Free)" : "0");
  }
  Button1 = AddControl<TKxGraphicButton>("Button1", 40, 350, 120, 30);
  Button1->SetCaption("OK");
  Button1->SetModalResult(mrOk);
}

void TRaiseBrgds::Fill() {
  for (TLabel* label : {Label1, Label2, Label3}) label->SetCaption("");
  Button1->SetVisible(true);
  ClearWeaponButtons();
  FillBrigades();
}

void TRaiseBrgds::ClearWeaponButtons() {
  for (TRadioButton* radio : RadioButtons) {
    radio->SetEnabled(false);
    radio->SetChecked(false);
  }
}

void TRaiseBrgds::FillBrigades() {
  ListBox1->Items().Clear();
  BrigadeOfRow.Clear();
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Nation != CurrentSide || brigade.Status != TBrigadeStatus::RaisedUnarmed) continue;
    BrigadeOfRow.Add(b);
    ListBox1->Items().Add(BrigadeRow(b));
  }
  ListBox1->SetItemIndex(-1);
  ListBox1->SetEnabled(BrigadeOfRow.Count() > 0);
  ListBox2->SetEnabled(false);
  ListBox2->Items().Clear();
  DeployCityOfRow.Clear();
  ChosenBrigade = 0;
  DeployCity = 0;
}

void TRaiseBrgds::ListBox1Click() {
  const int b = BrigadeOfRow.At(ListBox1->ItemIndex());
  if (b == 0) return;
  ChosenBrigade = b;
  const TBrigade& brigade = GameState.Brigades[b];
  Label1->SetCaption(BrigadeRow(b));
  GroupBox1->SetEnabled(true);
  Label3->SetCaption(std::to_string(brigade.Strength * 50));
  ClearWeaponButtons();
  ListBox2->Items().Clear();
  DeployCityOfRow.Clear();
  DeployCity = 0;
  for (int city = 1; city <= GameState.Cities.Count; ++city) {
    if (!MayDeployRaisedBrigade(brigade, city, CurrentSide)) continue;
    DeployCityOfRow.Add(city);
    ListBox2->Items().Add(CityRow(city));
  }
  ListBox2->SetEnabled(DeployCityOfRow.Count() > 0);
  ListBox2->SetItemIndex(-1);
}

void TRaiseBrgds::ListBox2Click() {
  const int city = DeployCityOfRow.At(ListBox2->ItemIndex());
  if (ChosenBrigade == 0 || city == 0) return;
  ListBox1->SetEnabled(false);
  DeployCity = city;
  GroupBox1->SetEnabled(true);
  ShowWeaponChoice();
}

void TRaiseBrgds::ShowWeaponChoice() {
  SetCaption(TextLine(442));
  Button1->SetCaption(TextLine(66));
  for (int w = 1; w <= 8; ++w)
    FindOwned<TLabel>(*this, Numbered("Label", w + 3))
        ->SetCaption(TextLine(kArmLineOfWeapon[w - 1]));
  const TBrigade& brigade = GameState.Brigades[ChosenBrigade];
  for (int w = 1; w <= 8; ++w) {
    TLabel& label = *StockLabels[w - 1];
    if (w == TWeapon::Muskets || w == TWeapon::Shotguns) {
      const int freeArm = w == TWeapon::Muskets ? TArm::Infantry : TArm::Cavalry;
      ShowFreeWeaponStock(label, w, freeArm, brigade);
    } else {
      label.SetCaption(std::to_string(ShownWeaponStock(w, Stocks()[w])));
    }
  }
  ClearWeaponButtons();
  for (int w = 1; w <= 8; ++w)
    RadioButtons[w - 1]->SetEnabled(MayArmRaisedBrigade(brigade, w, Stocks()));
}

void TRaiseBrgds::RadioButtonClick(int weapon) {
  // Unchecking a sibling runs no arming: only the button being checked acts.
  if (!RadioButtons[weapon - 1]->Checked()) return;
  if (ChosenBrigade == 0 || DeployCity == 0 ||
      GameState.Brigades[ChosenBrigade].Status != TBrigadeStatus::RaisedUnarmed)
    return;
  ArmRaisedBrigade(ChosenBrigade, weapon, DeployCity, Stocks());
  Label2->SetCaption(TextLine(kArmedText));
  Label3->SetCaption(TextLine(kWeaponTexts + weapon));
  ShowWeaponChoice();
  Button1->SetVisible(true);
  FillBrigades();
  ListBox1->SetEnabled(BrigadeOfRow.Count() > 0);
  ClearWeaponButtons();
}

void ShowRaiseBrigades() {
  RunOrderDialog<TRaiseBrgds>(CurrentSide, {.hourglass_while_building = false});
}
