#include "ui/orders/transfers.h"

#include <string>

#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "world/rail_capacity.h"
#include "world/rail_gates.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {
struct Route {
  int toward_first_from, toward_first_to;
};
constexpr Route kRoutes[] = {{2, 1}, {3, 1}, {3, 2}};
// Per route: the labels of its two directions and its goods choices, with their text lines.
constexpr int kDirectionLabels[][4] = {{7, 632, 8, 633}, {12, 634, 9, 635}, {11, 637, 10, 636}};
// Title and figure labels of the capacity, the use and the six stocks.
constexpr int kFigureLabels[][3] = {{13, 412, 14}, {16, 413, 17}, {18, 414, 24}, {21, 415, 25},
                                    {19, 416, 26}, {22, 417, 27}, {20, 418, 28}, {23, 419, 29}};
}  // namespace

TTransfers::TTransfers() : TOrderForm("TTransfers", 480, 341) {
  SetCaption("Supply and cotton transfers");
  for (int route = 0; route < 3; ++route) {
    const int top = 8 + 80 * route;
    NewRadBoxes[route] = AddControl<TNewRadBox>(Numbered("NewRadBox", route + 1), 8, top, 100, 60);
    for (int goods = 0; goods < 2; ++goods) {
      const int n = 2 * route + goods + 1;
      RadioButtons[n - 1] = AddChild<TRadioButton>(NewRadBoxes[route], Numbered("RadioButton", n),
                                                   6, 8 + 26 * goods, 14, 14);
      AddLabel(NewRadBoxes[route], Numbered("Label", n), 24, 8 + 26 * goods, 70, 14);
      RadioButtons[n - 1]->OnClick = [this, route, goods](TComponent*) {
        moves_cotton_[route] = goods == 1;
      };
    }
    AddLabel(this, Numbered("Label", kDirectionLabels[route][0]), 140, top, 160, 16);
    AddLabel(this, Numbered("Label", kDirectionLabels[route][2]), 140, top + 40, 160, 16);
    UpDowns[route] =
        AddControl<TKxSpinButton>(Numbered("UpDown", route + 1), 116, top + 10, 17, 40);
    UpDowns[route]->OnUpClick = [this, route](TComponent*, double) { Transfer(route + 1, true); };
    UpDowns[route]->OnDownClick = [this, route](TComponent*, double) {
      Transfer(route + 1, false);
    };
  }
  for (int row = 0; row < 8; ++row) {
    AddLabel(this, Numbered("Label", kFigureLabels[row][0]), 324, 8 + 24 * row, 110, 16);
    AddLabel(this, Numbered("Label", kFigureLabels[row][2]), 436, 8 + 24 * row, 36, 16);
  }
  // The capacity's spin button stands before its caption, clear of the routes' words.
  UpDowns[3] = AddControl<TKxSpinButton>("UpDown4", 304, 8, 17, 24);
  UpDowns[3]->OnUpClick = [this](TComponent*, double) { UpDown4UpClick(); };
  Button1 = AddControl<TKxGraphicButton>("Button1", 350, 300, 110, 30);
  Button1->SetCaption("OK");
  Button1->SetModalResult(mrOk);
}

void TTransfers::Fill() {
  SetCaption(TextLine(408));
  for (const auto& [title, line, figure] : kFigureLabels) Label(title)->SetCaption(TextLine(line));
  for (const auto& [first, first_line, second, second_line] : kDirectionLabels) {
    Label(first)->SetCaption(TextLine(first_line));
    Label(second)->SetCaption(TextLine(second_line));
  }
  for (int n = 1; n <= 6; ++n) Label(n)->SetCaption(TextLine(n % 2 == 1 ? 180 : 181));
  Button1->SetCaption(TextLine(66));
  for (TNewRadBox* box : NewRadBoxes) GiveBackgroundTo(*box);
  ShowFigures();
  for (int route = 0; route < 3; ++route) RadioButtons[2 * route]->SetChecked(true);
  UpDowns[3]->SetEnabled(true);
  OfferRoutes();
}

void TTransfers::ShowFigures() {
  if (!IsEntryOf(GameState.Nations, CurrentSide)) return;
  const TNationRec& nation = GameState.Nations[CurrentSide];
  Label(14)->SetCaption(std::to_string(nation.RailCapacity));
  Label(17)->SetCaption(std::to_string(nation.RailUsed));
  for (int theatre = 1; theatre <= 3; ++theatre) {
    Label(22 + 2 * theatre)->SetCaption(std::to_string(nation.Supplies[theatre]));
    Label(23 + 2 * theatre)->SetCaption(std::to_string(nation.Cotton[theatre]));
  }
}

void TTransfers::OfferRoutes() {
  const bool load_left = HasRailMovesLeft(CurrentSide);
  for (int route = 0; route < 3; ++route) UpDowns[route]->SetEnabled(load_left);
}

void TTransfers::Transfer(int route, bool up) {
  const Route& r = kRoutes[route - 1];
  const int from = up ? r.toward_first_from : r.toward_first_to;
  const int to = up ? r.toward_first_to : r.toward_first_from;
  if (!TransferLoad(CurrentSide, moves_cotton_[route - 1], from, to)) return;
  ShowFigures();
  OfferRoutes();
}

void TTransfers::UpDown4UpClick() {
  if (BuyRailCapacity(CurrentSide) == 0) return;
  ShowFigures();
  OfferRoutes();
}

void ShowTransfers() {
  RunOrderDialog<TTransfers>(CurrentSide, {});
}
