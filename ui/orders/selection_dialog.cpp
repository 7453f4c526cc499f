#include "ui/orders/selection_dialog.h"

#include <string>

#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "ui/orders/row_texts.h"
#include "world/corps_command.h"
#include "world/game_window.h"
#include "world/map_finder.h"
#include "world/realm_queries.h"
#include "world/text_table.h"

namespace {
constexpr int kRowCut = 60;
constexpr int kOrdersItem = 0;
constexpr int kSetObjectiveItem = 1;

std::string RowOf(const TFinderResult& entry) {
  switch (entry.Kind) {
    case kFoundCity:
      return GameState.Cities[entry.Index].Name.str();
    case kFoundArmy:
      return GameState.Armies[entry.Index].Name.str();
    case kFoundCorps:
      return LeaderName(GameState.Corps[entry.Index].Leader);
    case kFoundFleet:
      return TextLine(1) + std::to_string(GameState.Fleets[entry.Index].Number);
    default:
      return {};
  }
}

bool Listed(const TFinderResult& entry) {
  return entry.Index != 0 && entry.Kind >= kFoundCity && entry.Kind <= kFoundFleet;
}

}  // namespace

void DescribeEnemyCorps(const TCorps& corps) {
  ClearEventMessage();
  EventMessage.Line1 = LeaderName(corps.Leader);
  EventMessage.Line2 = TextLine(90) + std::to_string(corps.OtherBrigades);
  EventMessage.Line3 = TextLine(92) + std::to_string(corps.ArtilleryBrigades);
  EventMessage.Line4 = TextLine(95) + std::to_string(corps.Entrenchment);
  ShowEventMessage();
}

TSelecDlg::TSelecDlg() : TOrderForm("TSelecDlg", 222, 247) {
  SetCaption("Selection");
  SelectListBox = AddControl<TKxAdvancedListBox>("SelectListBox", 8, 8, 206, 172);
  SelectListBox->Font().SetName("Times New Roman");
  SelectListBox->SetItemHeight(19);
  SelectListBox->OnClick = [this](TComponent* sender) { SelectListBoxClick(sender); };

  SelectCorpsRadioGroup = AddControl<TKxRadioGroup>("SelectCorpsRadioGroup", 8, 182, 206, 30);
  SelectCorpsRadioGroup->SetColumns(2);
  SelectCorpsRadioGroup->Items().Add("Orders");
  SelectCorpsRadioGroup->Items().Add("Set Objective");
  SelectCorpsRadioGroup->SetVisible(false);
  SelectCorpsRadioGroup->OnClick = [this](TComponent* sender) {
    SelectCorpsRadioGroupClick(sender);
  };

  Button1 = AddControl<TButton>("Button1", 73, 216, 75, 25);
  Button1->SetCaption("Exit");
  Button1->SetModalResult(mrOk);
  OnShow = [this](TComponent* sender) { FormShow(sender); };
}

void TSelecDlg::FormShow(TComponent*) {
  SetCaption(TextLine(583));
  Screen.SetCursor(crDefault);
  entry_of_row_.Clear();
  for (int e = 1; e <= FinderCount && e <= FinderResults.Count; ++e) {
    if (!Listed(FinderResults[e])) continue;
    SelectListBox->Items().Add(CutText(RowOf(FinderResults[e]), kRowCut));
    entry_of_row_.Add(e);
  }
}

void TSelecDlg::SelectListBoxClick(TComponent*) {
  const int e = entry_of_row_.At(SelectListBox->ItemIndex());
  if (e == 0) return;
  CorpsPicked = 0;
  InfoClick = 1;
  FinderCount = static_cast<std::uint16_t>(e);
  const TFinderResult entry = FinderResults[e];
  switch (entry.Kind) {
    case kFoundCity:
      CurrentCity = entry.Index;
      ShowCityOrders();
      break;
    case kFoundArmy:
      CurrentArmy = entry.Index;
      ShowArmyOrders();
      break;
    case kFoundFleet:
      CurrentFleet = entry.Index;
      ShowFleetOrders();
      break;
    case kFoundCorps:
      CurrentCorps = entry.Index;
      PickCorps(entry.Index);
      break;
  }
}

void TSelecDlg::PickCorps(int c) {
  const TCorps& corps = GameState.Corps[c];
  if (corps.Side != CampOfNation(CurrentSide)) {
    DescribeEnemyCorps(corps);
    return;
  }
  SelectCorpsRadioGroup->SetVisible(true);
  SelectCorpsRadioGroup->SetItemIndex(kSetObjectiveItem);
}

void TSelecDlg::SelectCorpsRadioGroupClick(TComponent*) {
  if (SelectCorpsRadioGroup->ItemIndex() == kOrdersItem) {
    ShowCorpsOrders();
    return;
  }
  DragActive = 1;
  InfoClick = 0;
}

void ShowSelectionDialog() {
  RunOrderDialog<TSelecDlg>(FinderCount, {.hourglass_while_building = false,
                                          .arrow_when_shown = false});
}
