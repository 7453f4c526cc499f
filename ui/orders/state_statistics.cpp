#include "ui/orders/state_statistics.h"

#include <string>

#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "ui/orders/row_texts.h"
#include "world/monthly_income.h"
#include "world/production_orders.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"
#include "world/word_bands.h"

namespace {
struct WeaponRow {
  int spin, name_label, value_label;
  const char* name;
};
// By weapon, muskets first.
constexpr WeaponRow kWeaponRows[] = {
    {5, 28, 29, "Muskets        :"},  {2, 5, 16, "Springfields   :"},
    {3, 6, 17, "Sharps           :"}, {4, 7, 18, "Spencers       :"},
    {1, 27, 30, "Shotguns      :"},   {6, 8, 19, "Smoothbores:"},
    {7, 9, 20, "Parrotts         :"}, {8, 10, 21, "Whitworths   :"}};
// The production column runs down the middle of the form, left of the dome
// printed at the upper right: each weapon's name, its figure and its spin
// button on one row, the button centred on the row's text and a little
// shorter than the row, so that each pair of halves reads as one button.
constexpr int kProductionLeft = 176;
constexpr int kNameWidth = 74;
constexpr int kOutputLeft = kProductionLeft + kNameWidth + 4;
constexpr int kWeaponTop = 48;
constexpr int kWeaponPitch = 24;
constexpr int kRowTextHeight = 16;
constexpr TSize kSpinSize = {16, 18};
// Title labels with their design texts, the text lines an off-map state gives
// them and their places: Select State above the list, Capital below it, the
// five titles each with its figure beside it, and the production headings
// over the production column.
struct Title {
  int label;
  const char* design;
  int line;
  int left, top, width;
};
constexpr Title kTitles[] = {{1, "Select State", 395, 8, 8, 164},
                             {2, "Capital", 396, 8, 132, 164},
                             {11, "Supplies", 402, 8, 152, 100},
                             {12, "Total Recruits", 403, 8, 170, 100},
                             {13, "Total Casualties", 404, 8, 188, 100},
                             {14, "Political Support", 405, 8, 206, 100},
                             {15, "Supplies in theatre", 406, 8, 224, 100},
                             {3, "Capacity per Month", 407, kProductionLeft, 8, 130},
                             {4, "Off-Map Production", 626, kProductionLeft, 26, 130}};
constexpr int kFigureLeft = 108;
constexpr int kMenPerPoint = 50;
}  // namespace

TStatStat::TStatStat() : TOrderForm("TStatStat", 443, 294) {
  SetCaption("State statistics");
  for (const Title& title : kTitles)
    AddLabel(this, Numbered("Label", title.label), title.left, title.top, title.width,
             kRowTextHeight)
        ->SetCaption(title.design);
  for (int value = 22; value <= 26; ++value)
    AddLabel(this, Numbered("Label", value), kFigureLeft, 152 + 18 * (value - 22), 64,
             kRowTextHeight);
  StatusBox = AddControl<TKxAdvancedListBox>("StatusBox", 8, 28, 164, 100);
  StatusBox->OnClick = [this](TComponent*) { StatusBoxClick(); };
  for (int weapon = 1; weapon <= 8; ++weapon) {
    const WeaponRow& row = kWeaponRows[weapon - 1];
    const int top = kWeaponTop + kWeaponPitch * (weapon - 1);
    AddPaddedCaption(Numbered("Label", row.name_label), kProductionLeft, top, kNameWidth, row.name);
    AddLabel(this, Numbered("Label", row.value_label), kOutputLeft, top, 38, kRowTextHeight)
        ->SetAlignment(TAlignment::taRightJustify);
    auto* spin = AddControl<TKxSpinButton>(Numbered("UpDown", row.spin), kOutputLeft + 40,
                                           top + (kRowTextHeight - kSpinSize.cy) / 2, kSpinSize.cx,
                                           kSpinSize.cy);
    spin->OnUpClick = [this, weapon](TComponent*, double) { OutputClick(weapon, true); };
    spin->OnDownClick = [this, weapon](TComponent*, double) { OutputClick(weapon, false); };
  }
  Button1 = AddControl<TKxGraphicButton>("Button1", 320, 256, 110, 30);
  Button1->SetCaption("OK");
  Button1->SetModalResult(mrOk);
}

TKxSpinButton* TStatStat::UpDownOf(int weapon) const {
  return FindOwned<TKxSpinButton>(*this, Numbered("UpDown", kWeaponRows[weapon - 1].spin));
}

void TStatStat::Fill() {
  for (int weapon = 1; weapon <= 8; ++weapon) UpDownOf(weapon)->Hide();
  Label(26)->Hide();
  for (int state = 1; state <= GameState.States.Count; ++state) {
    if (GameState.States[state].Nation != CurrentSide) continue;
    StatusBox->Items().Add(GameState.States[state].Name.str());
    state_of_row_.Add(state);
    if (state_of_row_.Count() == 1) {
      StatusBox->SetItemIndex(0);
      FillStateStats(state);
    }
  }
  Label(26)->Show();
  SelectedState = state_of_row_.At(StatusBox->ItemIndex());
  FillStateStats(SelectedState);
}

void TStatStat::StatusBoxClick() {
  Label(26)->Show();
  SelectedState = state_of_row_.At(StatusBox->ItemIndex());
  FillStateStats(SelectedState);
}

void TStatStat::FillStateStats(int state) {
  if (!IsEntryOf(GameState.States, state)) return;
  const TStateRec& record = GameState.States[state];
  SelectedState = state;
  SelectedTheatre = record.Theatre;
  Label(22)->SetCaption(std::to_string(record.Income));
  Label(23)->SetCaption(std::to_string(record.Enlisted * kMenPerPoint));
  Label(24)->SetCaption(std::to_string(record.Losses * kMenPerPoint));
  if (const int band = SupportWordLine(record.Loyalty)) Label(25)->SetCaption(TextLine(band));
  if (record.CapitalCity != 0) {
    Label(2)->SetCaption(IsEntryOf(GameState.Cities, record.CapitalCity)
                             ? GameState.Cities[record.CapitalCity].Name.str()
                             : std::string());
    ShowProduction(false);
  } else {
    for (const Title& title : kTitles) Label(title.label)->SetCaption(TextLine(title.line));
    for (int weapon = 1; weapon <= 8; ++weapon) ShowOutput(weapon);
    ShowProduction(true);
  }
  ShowTheatreSupplies();
}

void TStatStat::ShowProduction(bool shown) {
  for (int weapon = 1; weapon <= 8; ++weapon) {
    const WeaponRow& row = kWeaponRows[weapon - 1];
    Label(row.name_label)->SetVisible(shown);
    Label(row.value_label)->SetVisible(shown);
    UpDownOf(weapon)->SetVisible(shown);
  }
}

bool TStatStat::OffMap() const {
  return IsEntryOf(GameState.States, SelectedState) &&
         GameState.States[SelectedState].CapitalCity == 0;
}

void TStatStat::ShowOutput(int weapon) {
  Label(kWeaponRows[weapon - 1].value_label)
      ->SetCaption(std::to_string(
          ShownWeaponStock(weapon, GameState.States[SelectedState].WeaponOutput[weapon])));
}

void TStatStat::ShowTheatreSupplies() {
  Label(26)->SetCaption(
      std::to_string(SuppliesHeld(TheatreSupplies(CurrentSide, SelectedTheatre))));
}

void TStatStat::OutputClick(int weapon, bool up) {
  U16* supplies = TheatreSupplies(CurrentSide, SelectedTheatre);
  if (!OffMap() || supplies == nullptr) return;
  U16& output = GameState.States[SelectedState].WeaponOutput[weapon];
  const int cost = UnitCost(CurrentSide, weapon);
  if (!(up ? OrderOutput(output, *supplies, cost) : CancelOutput(output, *supplies, cost))) return;
  ShowOutput(weapon);
  ShowTheatreSupplies();
}

void ShowStateStats() {
  RunOrderDialog<TStatStat>(CurrentSide, {});
}
