#include "ui/battles/intensity_dialog.h"

#include <span>
#include <string>
#include <vector>

#include "world/text_table.h"

namespace {

constexpr int kRowHeight = 18;
constexpr int kSideWidth = 250;
constexpr int kCells = 4;
constexpr int kCellWidths[kCells] = {100, 50, 50, 42};

// Each side's table has the same four columns under the same headings, the
// Union's on the left; its cells stand under them.
constexpr std::array<TOrderForm::Column, 2 * kCells> TableColumns() {
  std::array<TOrderForm::Column, 2 * kCells> columns{};
  for (int side = 0; side < 2; ++side) {
    int left = 8 + side * (kSideWidth + 4);
    for (int cell = 0; cell < kCells; ++cell) {
      columns[kCells * side + cell] = {left, kCellWidths[cell]};
      left += kCellWidths[cell] + 2;
    }
  }
  return columns;
}
constexpr auto kColumns = TableColumns();

// The four cells of a corps row, in the order the columns show them.
std::array<std::string, kCells> CellsOf(const IntensityRow& row) {
  return {row.leader, row.brigades, row.troops, row.artillery};
}

}  // namespace

TBtl_Intensity::TBtl_Intensity(const IntensityView& view) : TOrderForm("TBtl_Intensity", 520, 330) {
  SetCaption(TextLine(49));
  AddLabel(this, "Label101", 8, 8, kSideWidth, 18)->SetCaption(view.leftHeader);
  AddLabel(this, "Label102", 8 + kSideWidth + 4, 8, kSideWidth, 18)->SetCaption(view.rightHeader);
  const std::vector<TLabel*> headings = AddHeadings("Label200", kColumns, 28);
  for (int side = 0; side < 2; ++side) {
    ShowHeadings(std::span(headings).subspan(kCells * side, kCells), TextLine(509));
    const auto& rows = view.columns[side];
    for (std::size_t r = 0; r < rows.size(); ++r) {
      const std::array<std::string, kCells> cells = CellsOf(rows[r]);
      for (int cell = 0; cell < kCells; ++cell) {
        const int number = 1 + side * 40 + static_cast<int>(r) * kCells + cell;
        const TOrderForm::Column& column = kColumns[kCells * side + cell];
        AddLabel(this, Numbered("Label", number), column.left,
                 48 + kRowHeight * static_cast<int>(r), column.width, kRowHeight)
            ->SetCaption(cells[cell]);
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
