#include "ui/orders/raise_fleet.h"

#include <string>

#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "ui/orders/row_texts.h"
#include "world/codes.h"
#include "world/game_window.h"
#include "world/shipyard.h"
#include "world/table_slots.h"
#include "world/text_table.h"

namespace {
constexpr const char* kButtonCaptions[] = {"Ocean going", "River going", "Ironclad warships",
                                           "Wooden warships", "Transports"};
constexpr int kCaptionLabels[][2] = {{5, 373},  {1, 374},  {7, 375},  {10, 527},
                                     {11, 528}, {12, 529}, {13, 530}, {15, 526}};
// The port list sits under its caption on the left; on the right, below the
// anchor printed at the upper right, each figure and the ship count stand
// beside their captions, and the cost of each type under its heading.
constexpr TOrderForm::LabelPlace kCaptionPlaces[] = {
    {5, 8, 166, 200},    {10, 216, 128, 120}, {15, 216, 150, 198}, {11, 216, 168, 198},
    {12, 216, 186, 198}, {13, 216, 204, 198}, {7, 216, 230, 120},  {1, 216, 258, 114}};
constexpr int kFigureLeft = 340;
constexpr int kMenPerManpower = 50;
constexpr int kShortOfManpowerText = 525;

bool BuildsAt(const TCity& city, bool river, int type) {
  const int enemy = CurrentSide == TNation::Union ? TSide::Confederate : TSide::Union;
  const bool port = river ? city.RiverPort != 0 : city.SeaPort != 0;
  const bool yard = type == 1 ? city.ShipyardA != 0 : city.ShipyardB != 0;
  return city.Nation == CurrentSide && city.OriginalSide != enemy && port && yard;
}
}  // namespace

TRaiseFleet::TRaiseFleet() : TOrderForm("TRaiseFleet", 426, 328) {
  SetCaption("New fleet");
  KxPanel1 = AddControl<TKxPanel>("KxPanel1", 8, 8, 200, 60);
  KxPanel2 = AddControl<TKxPanel>("KxPanel2", 8, 76, 200, 84);
  for (int b = 0; b < 5; ++b) {
    TKxPanel* panel = b < 2 ? KxPanel1 : KxPanel2;
    const int top = 6 + 26 * (b < 2 ? b : b - 2);
    RadioButtons[b] =
        AddChild<TRadioButton>(panel, Numbered("RadioButton", b + 1), 8, top, 180, 22);
    RadioButtons[b]->SetCaption(kButtonCaptions[b]);
  }
  RadioButtons[0]->OnClick = [this](TComponent*) { KindClick(false); };
  RadioButtons[1]->OnClick = [this](TComponent*) { KindClick(true); };
  for (int type = 1; type <= 3; ++type)
    RadioButtons[type + 1]->OnClick = [this, type](TComponent*) { TypeClick(type); };
  AddLabels(kCaptionPlaces);
  Label14 = AddLabel(this, "Label14", kFigureLeft, 128, 70, 16);
  Label2 = AddLabel(this, "Label2", kFigureLeft, 230, 70, 16);
  Label2->SetVisible(false);
  ListBox1 = AddControl<TKxAdvancedListBox>("ListBox1", 8, 184, 200, 7 * 19);
  ListBox1->SetItemHeight(19);
  ListBox1->OnClick = [this](TComponent*) { ListBox1Click(); };
  SpinEdit1 = AddControl<TSpinEdit>("SpinEdit1", kFigureLeft, 254, 70, 24);
  SpinEdit1->SetMinValue(0);
  SpinEdit1->SetMaxValue(0);
  // Both wait for the choices before them.
  SpinEdit1->SetEnabled(false);
  ListBox1->SetEnabled(false);
  OKBtn = AddControl<TKxGraphicButton>("OKBtn", 300, 290, 110, 30);
  OKBtn->SetCaption("OK");
  OKBtn->SetModalResult(mrOk);
}

void TRaiseFleet::Fill() {
  for (const auto& [label, line] : kCaptionLabels)
    FindOwned<TLabel>(*this, Numbered("Label", label))->SetCaption(TextLine(line));
  OKBtn->SetCaption(TextLine(66));
  const int manpower =
      IsEntryOf(GameState.Nations, CurrentSide) ? GameState.Nations[CurrentSide].BuildPoints : 0;
  Label14->SetCaption(std::to_string(manpower * kMenPerManpower));
  for (int b = 2; b < 5; ++b) RadioButtons[b]->SetEnabled(false);
}

void TRaiseFleet::KindClick(bool river) {
  river_ = river;
  for (int b = 2; b < 5; ++b) RadioButtons[b]->SetEnabled(true);
}

void TRaiseFleet::TypeClick(int type) {
  type_ = type;
  for (int b = 0; b < 5; ++b)
    if (b != type + 1) RadioButtons[b]->SetEnabled(false);
  ListBox1->SetEnabled(true);
  ListBox1->Items().Clear();
  port_of_row_.Clear();
  for (int city = 1; city <= GameState.Cities.Count; ++city) {
    if (!BuildsAt(GameState.Cities[city], river_, type_)) continue;
    ListBox1->Items().Add(CityRow(city));
    port_of_row_.Add(city);
  }
}

void TRaiseFleet::ListBox1Click() {
  const int port = port_of_row_.At(ListBox1->ItemIndex());
  if (port == 0) return;
  chosen_port_ = port;
  const int free = FreeYardCapacity(port, type_);
  SpinEdit1->SetMaxValue(free);
  SpinEdit1->SetValue(0);
  SpinEdit1->SetEnabled(true);
  Label2->SetVisible(true);
  Label2->SetCaption(std::to_string(free));
}

void TRaiseFleet::WriteBack() {
  const int n = SpinEdit1->Value();
  if (n <= 0 || chosen_port_ == 0) return;
  const RaiseOutcome outcome = RaiseFleet(CurrentSide, chosen_port_, river_, type_, n);
  if (outcome.noFreeSlot) Window().ShowMessage("Cannot build fleet, data full.");
  if (outcome.shortOfManpower) Window().ShowMessage(TextLine(kShortOfManpowerText));
  if (outcome.shortOfSupplies) Window().ShowMessage("Insufficient supplies available");
}

void ShowRaiseFleet() {
  RunOrderDialog<TRaiseFleet>(CurrentSide, {.hourglass_while_building = false});
}
