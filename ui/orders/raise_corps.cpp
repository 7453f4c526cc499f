#include "ui/orders/raise_corps.h"

#include <string>
#include <vector>

#include "platform/dialogs/message_dialog.h"
#include "platform/forms/screen.h"
#include "ui/orders/brigade_row.h"
#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "ui/orders/row_texts.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/land_force_raising.h"
#include "world/saturating.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {
constexpr const char* kKindNames[] = {"Corps", "Infantry Division", "Cavalry Division"};
constexpr int kCityRowCut = 23;

std::string CityRowWithGarrison(int city) {
  return CutText(CityRow(city) + ", ", kCityRowCut) +
         std::to_string(GameState.Cities[city].GarrisonCount);
}

// Whether the side has brigades of the arm in garrison or armed and waiting.
bool HasBrigadesOfArm(int arm) {
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (brigade.Nation == CurrentSide && brigade.Arm == arm &&
        (brigade.Status == TBrigadeStatus::InGarrison ||
         brigade.Status == TBrigadeStatus::ArmedAndWaiting))
      return true;
  }
  return false;
}
}  // namespace

TRaiseCorps::TRaiseCorps(int new_corps)
    : TOrderForm("TRaiseCorps", 427, 274), NewCorps_(new_corps) {
  SetCaption("New Corps or Division");
  AddLabel(this, "Label1", 8, 8, 118, 16)->SetCaption("Select brigades, up to");
  Label2 = AddLabel(this, "Label2", 126, 8, 20, 16);
  AddLabel(this, "Label3", 290, 8, 130, 16)->SetCaption("Select city");
  AddLabel(this, "Label4", 150, 8, 130, 16)->SetCaption("Select leader");
  ListBox1 = AddControl<TKxAdvancedListBox>("ListBox1", 8, 28, 134, 190);
  ListBox2 = AddControl<TKxAdvancedListBox>("ListBox2", 148, 28, 134, 120);
  ListBox3 = AddControl<TKxAdvancedListBox>("ListBox3", 288, 28, 134, 190);
  for (TKxAdvancedListBox* list : {ListBox1, ListBox2, ListBox3}) list->SetItemHeight(19);
  ListBox2->OnClick = [this](TComponent*) { ListBox2Click(); };
  ListBox3->OnClick = [this](TComponent*) { ListBox3Click(); };
  KxPanel1 = AddControl<TKxPanel>("KxPanel1", 148, 152, 134, 80);
  Label6 = AddChild<TKxLabel>(KxPanel1, "Label6", 4, 2, 126, 16);
  Label6->SetCaption("Type to raise");
  for (int kind = 0; kind < 3; ++kind) {
    TKxRadioButton* radio = AddChild<TKxRadioButton>(KxPanel1, Numbered("RadioButton", kind + 1), 4,
                                                     20 + 19 * kind, 126, 18);
    radio->SetCaption(kKindNames[kind]);
    radio->OnClick = [this, kind](TComponent*) { RadioButtonClick(kind); };
    RadioButtons[kind] = radio;
  }
  OKBtn = AddControl<TKxGraphicButton>("OKBtn", 160, 238, 100, 30);
  OKBtn->SetCaption("OK");
  OKBtn->SetModalResult(mrOk);
}

TCorps& TRaiseCorps::NewCorps() const {
  return GameState.Corps[NewCorps_];
}

void TRaiseCorps::Fill() {
  for (TKxAdvancedListBox* list : {ListBox1, ListBox2, ListBox3}) {
    list->SetVisible(false);
    list->Items().Clear();
  }
  CityOfRow.Clear();
  for (int city = 1; city <= GameState.Cities.Count; ++city) {
    if (!MayRaiseFormationIn(city, CurrentSide)) continue;
    CityOfRow.Add(city);
    ListBox3->Items().Add(CityRowWithGarrison(city));
  }
  ListBox3->SetEnabled(CityOfRow.Count() > 0);
  if (CityOfRow.Count() > 0) ListBox3->SetItemIndex(0);

  if (!HasBrigadesOfArm(TArm::Cavalry))
    RadioButtons[TCorpsKind::CavalryDivision]->SetEnabled(false);
  if (!HasBrigadesOfArm(TArm::Infantry)) {
    RadioButtons[TCorpsKind::Corps]->SetEnabled(false);
    RadioButtons[TCorpsKind::InfantryDivision]->SetEnabled(false);
  }
}

void TRaiseCorps::RadioButtonClick(int kind) {
  LeaderOfRow.Clear();
  ListBox2->Items().Clear();
  for (int l = 1; l <= GameState.Leaders.Count; ++l) {
    const TLeader& leader = GameState.Leaders[l];
    if (leader.Side != CurrentSide || !MayLeadNewFormation(leader, kind)) continue;
    LeaderOfRow.Add(l);
    ListBox2->Items().Add(leader.Name.str());
  }
  ListBox2->SetVisible(true);
  ListBox2->SetEnabled(true);
  NewCorps().Kind = static_cast<std::uint8_t>(kind);
  if (kind == TCorpsKind::Corps) {
    OKBtn->SetCaption(TextLine(66));
    SetCaption(TextLine(444));
    Label6->SetCaption(TextLine(368));
    Label2->SetCaption("0");
  }
  // The type is final: the other two stay disabled while the dialog is up.
  for (int other = 0; other < 3; ++other)
    if (other != kind) RadioButtons[other]->SetEnabled(false);
}

void TRaiseCorps::ListBox2Click() {
  const int l = LeaderOfRow.At(ListBox2->ItemIndex());
  if (l == 0) return;
  ListBox3->SetVisible(true);
  ListBox3->SetEnabled(true);
  const TLeader& leader = GameState.Leaders[l];
  TCorps& corps = NewCorps();
  corps.Leader = static_cast<std::uint8_t>(l);
  corps.LeaderCombat = leader.Combat;
  corps.LeaderInitiative = leader.Initiative;
  StoreSaturated(corps.Capacity, CommandCapacity(corps.Kind, CurrentSide, leader.Combat));
}

void TRaiseCorps::ListBox3Click() {
  const int city = CityOfRow.At(ListBox3->ItemIndex());
  if (city == 0) return;
  ChosenCity = city;
  const int left_out = ArmLeftOut(NewCorps().Kind);
  ListBox1->Items().Clear();
  ListBox1->SetVisible(true);
  ListBox1->SetEnabled(true);
  BrigadeOfRow.Clear();
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    const TBrigade& brigade = GameState.Brigades[b];
    if (!MayJoinNewFormation(brigade, city, CurrentSide) || brigade.Arm == left_out) continue;
    BrigadeOfRow.Add(b);
    ListBox1->Items().Add(BrigadeRow(b, " Parrots"));
  }
  Label6->SetVisible(true);
  Label2->SetCaption(std::to_string(NewCorps().Capacity + 1));
  Label2->SetVisible(true);
}

void TRaiseCorps::WriteBack() {
  std::vector<int> picked;
  for (int row = 0; row < BrigadeOfRow.Count(); ++row)
    if (ListBox1->Selected(row)) picked.push_back(BrigadeOfRow.At(row));
  CompleteNewFormation(NewCorps_, ChosenCity, CurrentSide, NewCorps().Leader, picked);
  RecountCorpsBrigades();
}

void ShowRaiseCorps() {
  if (!IsEntryOf(GameState.Nations, CurrentSide)) return;
  Screen.SetCursor(crDefault);
  RecountCorpsBrigades();
  const int new_corps = ReserveNewCorps(CurrentSide);
  if (new_corps == 0) {
    MessageDlg(kNoCorpsSlotMessage, TMsgDlgType::mtInformation, mbOK);
    return;
  }
  RunOrderDialog<TRaiseCorps>(new_corps, {.hourglass_while_building = false}, new_corps);
}
