#include "ui/main/views/victory.h"

#include <cstdint>
#include <string>
#include <vector>

#include "ui/orders/order_dialog.h"
#include "world/codes.h"
#include "world/post_mortem.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

constexpr int kRows = 7;
constexpr int kFirstRowTitle = 647;
// The tallies of each side stand in a column under the side's name, both
// clear of the wreath at the upper right.
constexpr TOrderForm::Column kSideColumns[] = {{150, 70}, {224, 70}};
// The soldiers a tally counts stand for fifty men each.
constexpr std::int64_t kMenPerCount = 50;

// Each row of the tallies, for one nation.
std::int64_t Tally(int row, int n) {
  switch (row) {
    case 0: return GameState.TerritorialPoints[n];
    case 1: return GameState.MilitaryPoints[n];
    case 2: return kMenPerCount * GameState.ForagingLosses[n];
    case 3: return kMenPerCount * GameState.Casualties[n];
    case 4: return kMenPerCount * GameState.Prisoners[n];
    case 5: return GameState.OceanShipsSunk[n];
    default: return GameState.RiverShipsSunk[n];
  }
}

std::string TextOrEmpty(int line) {
  return line == 0 ? std::string() : TextLine(line);
}

}  // namespace

TVictory::TVictory() : TOrderForm("TVictory", 421, 304) {
  SetCaption("Post_Mortem");
  const std::vector<TLabel*> headings = AddHeadings("Label1", kSideColumns, 8);
  ShowHeadings(headings, "Union              Confederate");
  labels_[1] = headings[0];
  for (int row = 0; row < kRows; ++row) {
    const int top = 28 + 20 * row;
    labels_[2 + row] = AddLabel(this, Numbered("Label", 2 + row), 8, top, 140, 16);
    for (int side = 0; side < 2; ++side) {
      const int n = 9 + kRows * side + row;
      labels_[n] = AddLabel(this, Numbered("Label", n), kSideColumns[side].left, top,
                            kSideColumns[side].width, 16);
    }
  }
  labels_[23] = AddLabel(this, "Label23", 8, 176, 140, 16);
  labels_[24] = AddLabel(this, "Label24", 8, 196, 140, 16);
  labels_[25] = AddLabel(this, "Label25", 150, 176, 263, 16);
  labels_[26] = AddLabel(this, "Label26", 150, 196, 263, 16);
  labels_[27] = AddLabel(this, "Label27", 8, 220, 405, 32);
  Button1 = AddControl<TKxGraphicButton>("Button1", 100, 264, 95, 28);
  Button1->SetCaption("Continue");
  Button1->SetModalResult(mrOk);
  Button1->OnClick = [this](TComponent*) { Button1Click(); };
  Button2 = AddControl<TKxGraphicButton>("Button2", 226, 264, 95, 28);
  Button2->SetCaption("End Game");
  Button2->SetModalResult(mrOk);
  Button2->OnClick = [this](TComponent*) { Button2Click(); };
}

void TVictory::Fill() {
  for (int row = 0; row < kRows; ++row) {
    Label(2 + row).SetCaption(TextLine(kFirstRowTitle + row));
    Label(9 + row).SetCaption(std::to_string(Tally(row, TNation::Union)));
    Label(16 + row).SetCaption(std::to_string(Tally(row, TNation::Confederacy)));
  }
  Label(23).SetCaption(TextLine(654));
  Label(24).SetCaption(TextLine(655));
  Label(25).SetCaption(TextOrEmpty(VerdictText(TerritorialScores(), kTerritorialTieText)));
  Label(26).SetCaption(TextOrEmpty(VerdictText(MilitaryScores(), 0)));
  Label(27).SetCaption(TextOrEmpty(CapitalVerdictText()));
}

void TVictory::Button1Click() {
  ContinueCampaign();
}

void TVictory::Button2Click() {
  EndGame();
}

void ShowPostMortem() {
  RunOrderDialog<TVictory>(1, {});
}
