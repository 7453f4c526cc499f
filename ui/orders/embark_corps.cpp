#include "ui/orders/embark_corps.h"

#include <string>

#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "ui/orders/row_texts.h"
#include "warfare/fleet_lift.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/table_slots.h"
#include "world/text_table.h"

namespace {
bool InACity(const TFleet& fleet) {
  for (int city = 1; city <= GameState.Cities.Count; ++city) {
    const TCity& port = GameState.Cities[city];
    if (port.X == fleet.X && port.Y == fleet.Y) return true;
  }
  return false;
}
}  // namespace

TEmbarkCorps::TEmbarkCorps() : TOrderForm("TEmbarkCorps", 209, 130) {
  SetCaption("Select element");
  ListBox1 = AddControl<TListBox>("ListBox1", 8, 8, 193, 70);
  ListBox1->SetItemHeight(13);
  ListBox1->OnClick = [this](TComponent*) { ListBox1Click(); };
  AddLabel(this, "Label1", 8, 82, 140, 16)->SetCaption("Transportation capacity : ");
  Label2 = AddLabel(this, "Label2", 150, 82, 50, 16);
  Button1 = AddControl<TKxGraphicButton>("Button1", 67, 100, 75, 25);
  Button1->SetCaption("OK");
  Button1->SetModalResult(mrOk);
}

void TEmbarkCorps::Fill() {
  SetCaption(TextLine(594));
  RecountCorpsBrigades();
  const TFleet& fleet = GameState.Fleets[CurrentFleet];
  ListBox1->Items().Clear();
  corps_of_row_.Clear();
  if (!InACity(fleet)) return;
  Label2->SetCaption(std::to_string(TransportLift(fleet)));
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    if (!MayEmbark(CurrentFleet, c, CurrentSide)) continue;
    const TCorps& corps = GameState.Corps[c];
    ListBox1->Items().Add(CutText(LeaderName(corps.Leader) + ", ", 23) + TextLine(319) +
                          std::to_string(CorpsLoad(corps)));
    corps_of_row_.Add(c);
  }
}

void TEmbarkCorps::ListBox1Click() {
  const int corps = corps_of_row_.At(ListBox1->ItemIndex());
  if (corps == 0) return;
  TFleet& fleet = GameState.Fleets[CurrentFleet];
  // The corps aboard until now goes ashore as it stood, or to defend when it
  // was aboard before the dialog.
  if (IsEntryOf(GameState.Corps, fleet.Corps) && fleet.Corps != corps)
    GameState.Corps[fleet.Corps].Stance =
        static_cast<std::uint8_t>(chosen_stance_ != 0 ? chosen_stance_ : TCombatStance::Defend);
  if (fleet.Corps != corps) chosen_stance_ = GameState.Corps[corps].Stance;
  fleet.Corps = static_cast<std::uint8_t>(corps);
  GameState.Corps[corps].Stance = TCombatStance::Embarked;
}

void ShowEmbarkCorps() {
  RunOrderDialog<TEmbarkCorps>(CurrentFleet, {.hourglass_while_building = false});
}
