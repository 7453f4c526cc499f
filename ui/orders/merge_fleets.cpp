#include "ui/orders/merge_fleets.h"

#include <string>

#include "ui/orders/order_dialog.h"
#include "world/text_table.h"

TMergeLst::TMergeLst(MergeMode mode, MergeChoice& choice)
    : TOrderForm("TMergeLst", 121, 168), mode_(mode), choice_(choice) {
  SetCaption("Merge Fleets");
  ListBox1 = AddControl<TListBox>("ListBox1", 4, 4, 113, 48);
  ListBox1->OnClick = [this](TComponent*) { ListBox1Click(); };
  AddLabel(this, "Label7", 4, 56, 113, 14)->SetCaption("Ships to be transferred");
  for (int t = 0; t < 3; ++t) {
    const int top = 74 + 22 * t;
    AddLabel(this, Numbered("Label", t + 1), 4, top, 60, 16);
    CountLabels[t] = AddLabel(this, Numbered("Label", t + 4), 66, top, 24, 16);
    UpDowns[t] = AddControl<TUpDown>(Numbered("UpDown", t + 1), 94, top - 2, 17, 20);
    UpDowns[t]->SetMin(0);
    UpDowns[t]->OnMouseUp = [this, t](TComponent*, TMouseButton, TShiftState, int, int) {
      UpDownMouseUp(t + 1);
    };
  }
  Button1 = AddControl<TKxGraphicButton>("Button1", 23, 140, 75, 24);
  Button1->SetCaption("OK");
  Button1->SetModalResult(mrOk);
}

void TMergeLst::Fill() {
  SetCaption(mode_ == MergeMode::Split ? "Split Fleet" : TextLine(597));
  FindOwned<TLabel>(*this, "Label7")->SetCaption(TextLine(598));
  for (int t = 0; t < 3; ++t) {
    FindOwned<TLabel>(*this, Numbered("Label", t + 1))->SetCaption(TextLine(182 + t));
    UpDowns[t]->SetEnabled(mode_ == MergeMode::Split);
  }
  Button1->SetCaption(TextLine(66));
  choice_ = {};
  ListBox1->Items().Clear();
  fleet_of_row_.Clear();
  if (mode_ == MergeMode::Merge) {
    for (int f = 1; f <= GameState.Fleets.Count; ++f) {
      if (!MayMergeWith(CurrentFleet, f, CurrentSide)) continue;
      ListBox1->Items().Add(TextLine(1) + ", " + std::to_string(GameState.Fleets[f].Number));
      fleet_of_row_.Add(f);
    }
  } else {
    ListBox1->SetVisible(false);
  }
  most_ = AllShips(CurrentFleet);
  choice_.ships = most_;
  for (int t = 0; t < 3; ++t) {
    UpDowns[t]->SetMax(most_[t]);
    UpDowns[t]->SetPosition(most_[t]);
    CountLabels[t]->SetCaption(std::to_string(most_[t]));
  }
}

void TMergeLst::ListBox1Click() {
  const int partner = fleet_of_row_.At(ListBox1->ItemIndex());
  if (partner == 0) return;
  ListBox1->SetEnabled(false);
  for (TUpDown* up_down : UpDowns) up_down->SetEnabled(true);
  choice_.partner = partner;
}

// The up-down's own position is bounded by the fleet's ships of the type, so
// it always stands on the count.
void TMergeLst::UpDownMouseUp(int type) {
  choice_.ships[type - 1] = UpDowns[type - 1]->Position();
  CountLabels[type - 1]->SetCaption(std::to_string(choice_.ships[type - 1]));
}

MergeChoice ShowMergeFleets(MergeMode mode) {
  MergeChoice choice;
  RunOrderDialog<TMergeLst>(CurrentFleet, {.hourglass_while_building = false}, mode, choice);
  return choice;
}
