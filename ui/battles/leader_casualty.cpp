#include "ui/battles/leader_casualty.h"

#include "warfare/leader_replacement.h"
#include "world/text_table.h"

TLdr_Dead::TLdr_Dead(const LeaderChoiceView& view) : TOrderForm("TLdr_Dead", 320, 260), view_(view) {
  SetCaption(TextLine(579));
  ListBox1 = AddControl<TKxAdvancedListBox>("ListBox1", 8, 8, 180, 200);
  ListBox1->SetItemHeight(19);
  for (const std::string& line : view.lines) ListBox1->Items().Add(line);
  ListBox1->OnClick = [this](TComponent*) { ListBox1Click(); };
  for (int k = 0; k < 4; ++k) RatingLabels[k] = AddLabel(this, Numbered("Label", 5 + k), 196, 8 + 24 * k, 116, 18);
  Button1 = AddControl<TKxGraphicButton>("Button1", 110, 220, 100, 30);
  Button1->SetCaption(TextLine(66));
  Button1->SetModalResult(mrOk);
  Button1->SetEnabled(view.leaders.empty());
}

void TLdr_Dead::ListBox1Click() {
  const int row = ListBox1->ItemIndex();
  if (row < 0 || row >= static_cast<int>(view_.leaders.size())) return;
  chosen_line_ = row + 1;
  const std::array<std::string, 4> words = RatingWords(view_.leaders[row]);
  for (int k = 0; k < 4; ++k) RatingLabels[k]->SetCaption(words[k]);
  Button1->SetEnabled(true);
}
