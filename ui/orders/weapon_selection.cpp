#include "ui/orders/weapon_selection.h"

#include <string>

#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "ui/orders/row_texts.h"
#include "world/brigade_reinforcement.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {
constexpr const char* kWeaponNames[] = {"Muskets",  "Springfields", "Sharps",   "Spencers",
                                        "Shotguns", "Smoothbores",  "Parrotts", "Whitworths"};
constexpr int kExplanationLines[] = {657, 658, 659};
constexpr int kRowHeight = 20;

Table<U16, 8>& StocksOfCurrentSide() { return GameState.Nations[CurrentSide].WeaponStock; }
}  // namespace

TNew_Wpn::TNew_Wpn(int brigade) : TOrderForm("TNew_Wpn", 330, 260), brigade_(brigade) {
  SetCaption("New_Weapon");
  GroupBox1 = AddControl<TGroupBox>("GroupBox1", 8, 8, 140, 208);
  Panel1 = AddControl<TPanel>("Panel1", 156, 8, 166, 208);
  for (int i = 0; i < 3; ++i)
    AddLabel(Panel1, Numbered("Label", i + 1), 6, 4 + 14 * i, 154, 14);
  for (int w = 1; w <= 8; ++w) {
    const int top = 18 + kRowHeight * (w - 1);
    TRadioButton* radio = AddChild<TRadioButton>(GroupBox1, Numbered("RadioButton", w), 10, top,
                                                 124, kRowHeight - 2);
    radio->SetCaption(kWeaponNames[w - 1]);
    RadioButtons[w - 1] = radio;
    AddLabel(Panel1, Numbered("Label", w + 3), 6, top + 30, 90, 16)->SetCaption(kWeaponNames[w - 1]);
    StockLabels[w - 1] = AddLabel(Panel1, Numbered("Label", w + 11), 100, top + 30, 60, 16);
  }
  Button1 = AddControl<TButton>("Button1", 127, 226, 75, 25);
  Button1->SetCaption("Done");
  Button1->SetModalResult(mrOk);
}

void TNew_Wpn::Fill() {
  Button1->SetCaption(TextLine(66));
  SetCaption(TextLine(411));
  for (int i = 0; i < 3; ++i)
    FindOwned<TLabel>(*this, Numbered("Label", i + 1))->SetCaption(TextLine(kExplanationLines[i]));
  GroupBox1->SetCaption(TextLine(363));

  stocks_ = StocksOfCurrentSide();
  const TBrigade& brigade = GameState.Brigades[brigade_];
  for (int w = 1; w <= 8; ++w) {
    StockLabels[w - 1]->SetCaption(std::to_string(ShownWeaponStock(w, stocks_[w])));
    RadioButtons[w - 1]->SetEnabled(MayIssueWeapon(brigade, w, stocks_));
  }
}

void TNew_Wpn::WriteBack() {
  for (int w = 1; w <= 8; ++w) {
    if (RadioButtons[w - 1]->Checked()) RearmBrigade(GameState.Brigades[brigade_], w, stocks_);
  }
  StocksOfCurrentSide() = stocks_;
}

void ShowWeaponSelection(int brigade) {
  if (!IsEntryOf(GameState.Brigades, brigade) || !IsEntryOf(GameState.Nations, CurrentSide))
    return;
  RunOrderDialog<TNew_Wpn>(brigade, {.hourglass_while_building = false}, brigade);
}
