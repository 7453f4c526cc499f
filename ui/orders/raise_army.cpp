#include "ui/orders/raise_army.h"

#include <vector>

#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "ui/orders/row_texts.h"
#include "world/force_slots.h"
#include "world/game_window.h"
#include "world/land_force_raising.h"
#include "world/ordinals.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {
constexpr int kKindWordText = 660;  // + the corps' kind

bool OfferedArmyCommand(const TLeader& leader) {
  return leader.Side == CurrentSide && leader.Rank >= TLeaderClass::Army &&
         (leader.Status == TLeaderStatus::Available || leader.Status == TLeaderStatus::Relieved ||
          leader.Status == kLeaderTemporarilyRemoved);
}

std::string CorpsRow(const TCorps& corps) {
  const std::string commander =
      IsEntryOf(GameState.Leaders, corps.Leader) ? GameState.Leaders[corps.Leader].Name.str() : "";
  return OrdinalWord(corps.Ordinal) + TextLine(kKindWordText + corps.Kind) + commander;
}
}  // namespace

TRaiseArmy::TRaiseArmy() : TOrderForm("TRaiseArmy", 425, 271) {
  SetCaption("New Army");
  AddLabel(this, "Label1", 8, 8, 200, 16)->SetCaption("Edit name of army");
  Edit1 = AddControl<TEdit>("Edit1", 8, 26, 200, 22);
  AddLabel(this, "Label4", 8, 54, 200, 16)->SetCaption("Select leader...");
  ListBox2 = AddControl<TKxAdvancedListBox>("ListBox2", 8, 72, 200, 150);
  AddLabel(this, "Label2", 216, 8, 200, 16)->SetCaption("Select city to place army in...");
  ListBox3 = AddControl<TKxAdvancedListBox>("ListBox3", 216, 26, 200, 100);
  AddLabel(this, "Label3", 216, 130, 200, 16)->SetCaption("Select elements to control");
  ListBox1 = AddControl<TKxAdvancedListBox>("ListBox1", 216, 148, 200, 74);
  for (TKxAdvancedListBox* list : {ListBox1, ListBox2, ListBox3}) list->SetItemHeight(19);
  ListBox1->OnClick = [this](TComponent*) { ListBox2Click(); };
  ListBox2->OnClick = [this](TComponent*) { ListBox2Click(); };
  ListBox3->OnClick = [this](TComponent*) { ListBox3Click(); };
  Button1 = AddControl<TKxGraphicButton>("Button1", 60, 232, 100, 30);
  Button1->SetCaption("OK");
  Button1->SetModalResult(mrOk);
  OKBtn = AddControl<TButton>("OKBtn", 270, 234, 75, 25);
  OKBtn->SetCaption("DONE");
  OKBtn->SetModalResult(mrOk);
}

void TRaiseArmy::Fill() {
  SetCaption(TextLine(443));
  FindOwned<TLabel>(*this, "Label3")->SetCaption(TextLine(358));
  FindOwned<TLabel>(*this, "Label1")->SetCaption(TextLine(359));
  FindOwned<TLabel>(*this, "Label2")->SetCaption(TextLine(360));
  FindOwned<TLabel>(*this, "Label4")->SetCaption(TextLine(361));
  Button1->SetCaption(TextLine(66));

  ListBox1->SetEnabled(false);
  ListBox3->SetEnabled(false);
  ListBox2->Items().Clear();
  LeaderOfRow.Clear();
  for (int l = 1; l <= GameState.Leaders.Count; ++l) {
    if (!OfferedArmyCommand(GameState.Leaders[l])) continue;
    LeaderOfRow.Add(l);
    ListBox2->Items().Add(GameState.Leaders[l].Name.str());
  }
  ListBox2->SetEnabled(LeaderOfRow.Count() > 0);

  ListBox3->Items().Clear();
  CityOfRow.Clear();
  for (int city = 1; city <= GameState.Cities.Count; ++city) {
    if (GameState.Cities[city].Nation != CurrentSide) continue;
    CityOfRow.Add(city);
    ListBox3->Items().Add(CityRow(city));
  }
  Edit1->SetText("");
}

void TRaiseArmy::ListBox2Click() {
  ListBox3->SetEnabled(CityOfRow.Count() > 0);
}

void TRaiseArmy::ListBox3Click() {
  const int city = CityOfRow.At(ListBox3->ItemIndex());
  if (city == 0) return;
  Edit1->SetText(ProposedArmyName(city));
  ListBox1->SetEnabled(true);
  ListBox1->Items().Clear();
  CorpsOfRow.Clear();
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    const TCorps& corps = GameState.Corps[c];
    if (corps.Nation != CurrentSide || corps.Inactive != 0 || corps.Army != 0) continue;
    CorpsOfRow.Add(c);
    ListBox1->Items().Add(CorpsRow(corps));
  }
}

void TRaiseArmy::WriteBack() {
  std::vector<int> picked;
  for (int row = 0; row < CorpsOfRow.Count(); ++row)
    if (ListBox1->Selected(row)) picked.push_back(CorpsOfRow.At(row));
  const int army = RaiseArmy(CurrentSide, LeaderOfRow.At(ListBox2->ItemIndex()),
                             CityOfRow.At(ListBox3->ItemIndex()), Edit1->Text(), picked);
  if (army != 0) Window().RepaintMap();
}

void ShowRaiseArmy() {
  RunOrderDialog<TRaiseArmy>(CurrentSide, {.hourglass_while_building = false});
}
