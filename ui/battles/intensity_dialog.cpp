#include "ui/battles/intensity_dialog.h"

#include <string>

#include "world/text_table.h"

namespace {

constexpr int kRowHeight = 18;
constexpr int kColumnWidth = 250;
constexpr int kCellWidths[] = {100, 44, 56, 46};

// The four cells of a corps row, in the order the columns show them.
std::array<std::string, 4> CellsOf(const IntensityRow& row) {
  return {row.leader, row.brigades, row.troops, row.artillery};
}

}  // namespace

TBtl_Intensity::TBtl_Intensity(const IntensityView& view) : TOrderForm("TBtl_Intensity", 520, 330) {
  SetCaption(TextLine(49));
  AddLabel(this, "Label101", 8, 8, kColumnWidth, 18)->SetCaption(view.leftHeader);
  AddLabel(this, "Label102", 8 + kColumnWidth + 4, 8, kColumnWidth, 18)->SetCaption(view.rightHeader);
  AddLabel(this, "Label200", 8, 28, 504, 18)->SetCaption(TextLine(509));
  for (int side = 0; side < 2; ++side) {
    const auto& column = view.columns[side];
    for (std::size_t r = 0; r < column.size(); ++r) {
      const std::array<std::string, 4> cells = CellsOf(column[r]);
      int left = 8 + side * (kColumnWidth + 4);
      for (int cell = 0; cell < 4; ++cell) {
        const int number = 1 + side * 40 + static_cast<int>(r) * 4 + cell;
        AddLabel(this, Numbered("Label", number), left, 48 + kRowHeight * static_cast<int>(r),
                 kCellWidths[cell], kRowHeight)
            ->SetCaption(cells[cell]);
        left += kCellWidths[cell] + 2;
      }
    }
  }
  KxPanel1 = AddControl<TKxPanel>("KxPanel1", 8, 236, 380, 86);
  for (int level = 1; level <= 5; ++level) {
    TKxRadioButton* radio = AddChild<TKxRadioButton>(
        KxPanel1, Numbered("RadioButton", level), 4 + 186 * ((level - 1) / 3),
        4 + 26 * ((level - 1) % 3), 180, 22);
    radio->SetCaption(TextLine(510 + level));
    radio->SetVisible(view.offered[level - 1]);
    radio->OnClick = [this, level](TComponent*) { RadioButtonClick(level); };
    RadioButtons[level - 1] = radio;
  }
  RadioButtons[0]->SetVisible(true);
  RadioButtons[0]->SetChecked(true);
  Button1 = AddControl<TKxGraphicButton>("Button1", 412, 276, 100, 30);
  Button1->SetCaption(TextLine(50));
  Button1->SetModalResult(mrOk);
}

void TBtl_Intensity::RadioButtonClick(int level) {
  choice_ = level;
}
