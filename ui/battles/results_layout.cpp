#include "ui/battles/results_layout.h"

#include <numeric>

#include "world/text_table.h"

namespace {

constexpr int kCorpsHeadingText = 664;
constexpr int kColumnHeadingsText = 665;

constexpr int kLineHeight = 18;
constexpr int kRowHeight = 17;
constexpr int kHeadingTop = 6;
constexpr int kColumnHeadingTop = 24;
constexpr int kFirstRowTop = 44;
constexpr int kCommanderTop = 220;
constexpr int kLossesTop = 240;
constexpr int kBattleLinesTop = 264;
constexpr int kBattleLineWidth = TBattleResultsLayout::kWidth - 2 * TBattleResultsLayout::kMargin;

// The design's labels of a side: its heading, the heading over its first
// column (the others are Heading2.. on the left, Heading6.. on the right),
// its commander and losses, and the first label of each column of cells
// (row r is the r-th on from it).
struct SideNames {
  int heading, firstColumnHeading, commander, losses;
  std::array<int, TBattleResultsLayout::kColumns> firstCells;
};
constexpr SideNames kSideNames[2] = {{51, 54, 44, 47, {3, 23, 56, 76}},
                                     {46, 55, 45, 48, {13, 33, 66, 86}}};
constexpr int kBattleLineNames[4] = {43, 49, 50, 53};

// Each column fits the wider of its heading and its widest cell in the
// game's font: the longest leader's name ("P.G.T. Beauregard"), "Brig./Engaged",
// "Losses", "In good order". The half's room left over parts the columns.
constexpr std::array<int, TBattleResultsLayout::kColumns> kColumnWidths = {92, 68, 36, 65};
constexpr int kColumnGap = (TBattleResultsLayout::kHalfWidth -
                            std::accumulate(kColumnWidths.begin(), kColumnWidths.end(), 0)) /
                           (TBattleResultsLayout::kColumns - 1);
static_assert(kColumnGap >= 2, "the columns of a side must stand apart within its half");

constexpr std::array<TOrderForm::Column, TBattleResultsLayout::kColumns> SideColumns(int side) {
  std::array<TOrderForm::Column, TBattleResultsLayout::kColumns> columns{};
  int left = TBattleResultsLayout::kHalfLeft[side];
  for (int c = 0; c < TBattleResultsLayout::kColumns; ++c) {
    columns[c] = {left, kColumnWidths[c]};
    left += kColumnWidths[c] + kColumnGap;
  }
  return columns;
}

void ShowText(TLabel* label, const std::string& text) {
  label->SetCaption(text);
  label->SetVisible(true);
}

}  // namespace

TBattleResultsLayout::TBattleResultsLayout(const std::string& form_class)
    : TOrderForm(form_class, kWidth, kHeight) {
  for (int side = 0; side < 2; ++side) AddSide(side);
  for (int line = 0; line < 4; ++line) {
    battle_lines_[line] = AddLabel(this, Numbered("Label", kBattleLineNames[line]), kHalfLeft[0],
                                   kBattleLinesTop + 20 * line, kBattleLineWidth, kLineHeight);
    battle_lines_[line]->SetVisible(false);
  }
}

// The design gives the column headings as one line spaced for its own font;
// each goes to a label of its own over its column, so that the cells under
// it stand under it in any font.
void TBattleResultsLayout::AddSide(int side) {
  const SideNames& names = kSideNames[side];
  const int left = kHalfLeft[side];
  AddLabel(this, Numbered("Label", names.heading), left, kHeadingTop, kHalfWidth, kLineHeight)
      ->SetCaption(TextLine(kCorpsHeadingText));
  const auto columns = SideColumns(side);
  std::array<TLabel*, kColumns> headings{};
  for (int c = 0; c < kColumns; ++c) {
    const std::string name = c == 0 ? Numbered("Label", names.firstColumnHeading)
                                    : Numbered("Heading", side * kColumns + c + 1);
    headings[c] =
        AddLabel(this, name, columns[c].left, kColumnHeadingTop, columns[c].width, kLineHeight);
  }
  ShowHeadings(headings, TextLine(kColumnHeadingsText));

  SideLabels& labels = sides_[side];
  for (int r = 0; r < kRows; ++r) {
    for (int c = 0; c < kColumns; ++c) {
      TLabel* cell = AddLabel(this, Numbered("Label", names.firstCells[c] + r), columns[c].left,
                              kFirstRowTop + kRowHeight * r, columns[c].width, kRowHeight);
      cell->SetVisible(false);
      labels.cells[r][c] = cell;
    }
  }
  labels.commander = AddLabel(this, Numbered("Label", names.commander), left, kCommanderTop,
                              kHalfWidth, kLineHeight);
  labels.losses =
      AddLabel(this, Numbered("Label", names.losses), left, kLossesTop, kHalfWidth, kLineHeight);
  labels.commander->SetVisible(false);
  labels.losses->SetVisible(false);
}

void TBattleResultsLayout::ShowRow(int side, int row, const Row& cells) {
  for (int c = 0; c < kColumns; ++c) ShowText(sides_[side].cells[row][c], cells[c]);
}

void TBattleResultsLayout::ShowSideTotals(int side, const std::string& commander,
                                          const std::string& losses) {
  ShowText(sides_[side].commander, commander);
  ShowText(sides_[side].losses, losses);
}

void TBattleResultsLayout::ShowBattleLines(const std::string& initiative,
                                           const std::string& intensity, const std::string& result,
                                           const std::string& weapons) {
  const std::array<const std::string*, 4> texts = {&initiative, &intensity, &result, &weapons};
  for (int line = 0; line < 4; ++line) ShowText(battle_lines_[line], *texts[line]);
}
