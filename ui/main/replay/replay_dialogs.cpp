#include "ui/main/replay/replay_dialogs.h"

#include "world/game_window.h"
#include "world/text_table.h"

namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 400;
constexpr int kCaptionText = 663;
constexpr int kCloseText = 66;
constexpr int kCommanderHeadingText = 664;
constexpr int kFiguresHeadingText = 665;

// The engagement's labels, top to bottom and left to right, in the order of
// its lines: place, Union heading and commander, Confederate heading and
// commander, terrain, weather.
struct Placed {
  const char* name;
  int left, top, width;
};
constexpr Placed kEngagementLabels[] = {
    {"Label43", 20, 20, 520}, {"Label1", 20, 70, 250},  {"Label44", 20, 95, 250},
    {"Label2", 290, 70, 250}, {"Label45", 290, 95, 250}, {"Label3", 20, 150, 520},
    {"Label4", 20, 180, 520}};

// The result's single labels; the cells of the corps rows come after them.
constexpr Placed kResultLabels[] = {
    {"Label43", 10, 10, 540}, {"Label49", 10, 30, 540},  {"Label51", 10, 55, 110},
    {"Label54", 122, 55, 150}, {"Label46", 290, 55, 110}, {"Label55", 402, 55, 150},
    {"Label44", 10, 75, 260}, {"Label47", 10, 92, 260},  {"Label45", 290, 75, 260},
    {"Label48", 290, 92, 260}, {"Label50", 10, 318, 540}, {"Label53", 10, 336, 540}};
constexpr int kLabelHeight = 17;

// The first label of each of a row's four cells (commander, brigades,
// casualties, morale); row k uses the k-th label on from each.
constexpr int kUnionCells[4] = {3, 23, 56, 76};
constexpr int kConfederateCells[4] = {13, 33, 66, 86};
constexpr int kCellLefts[4] = {10, 122, 174, 226};
constexpr int kCellWidths[4] = {110, 50, 50, 46};
constexpr int kConfederateShift = 280;
constexpr int kFirstRowTop = 112;
constexpr int kRowPitch = 20;
constexpr int kRows = 10;

std::string LabelName(int n) { return "Label" + std::to_string(n); }

void ShowModalWithDefaultCursor(TForm& form) {
  Window().SetCursor(WindowCursor::Default);
  form.ShowModal();
  Window().SetCursor(WindowCursor::Hourglass);
}

}  // namespace

Treplay1::Treplay1() : TOrderForm("Treplay1", kWidth, kHeight) {
  SetCaption("Combat resolution");
  for (const Placed& label : kEngagementLabels) {
    AddLabel(this, label.name, label.left, label.top, label.width, kLabelHeight);
  }
  Button1 = AddControl<TKxGraphicButton>("Button1", 230, 350, 100, 30);
  Button1->SetCaption("OK");
  Button1->SetModalResult(mrOk);
}

void Treplay1::Fill(const TReplayedBattle& battle) {
  for (std::size_t i = 0; i < battle.engagement.size(); ++i) {
    FindOwned<TLabel>(*this, kEngagementLabels[i].name)->SetCaption(battle.engagement[i]);
  }
}

TReplay2::TReplay2() : TOrderForm("TReplay2", kWidth, kHeight) {
  SetCaption("Results of Engagement");
  for (const Placed& label : kResultLabels) {
    AddLabel(this, label.name, label.left, label.top, label.width, kLabelHeight)->SetVisible(false);
  }
  for (int row = 0; row < kRows; ++row) {
    for (int cell = 0; cell < 4; ++cell) {
      const int top = kFirstRowTop + row * kRowPitch;
      AddLabel(this, LabelName(kUnionCells[cell] + row), kCellLefts[cell], top, kCellWidths[cell],
               kLabelHeight)->SetVisible(false);
      AddLabel(this, LabelName(kConfederateCells[cell] + row), kCellLefts[cell] + kConfederateShift,
               top, kCellWidths[cell], kLabelHeight)->SetVisible(false);
    }
  }
  Button2 = AddControl<TKxGraphicButton>("Button2", 230, 360, 100, 30);
  Button2->SetModalResult(mrOk);
}

void TReplay2::ShowText(const char* label, const std::string& text) {
  TLabel* shown = FindOwned<TLabel>(*this, label);
  shown->SetCaption(text);
  shown->SetVisible(true);
}

void TReplay2::FillRows(const TReplayedCorpsRows& rows, const int (&first_cells)[4]) {
  for (int row = 0; row < kRows; ++row) {
    if (!rows[row]) continue;
    for (int cell = 0; cell < 4; ++cell) {
      ShowText(LabelName(first_cells[cell] + row).c_str(), (*rows[row])[cell]);
    }
  }
}

void TReplay2::Fill(const TReplayedBattle& battle) {
  SetCaption(TextLine(kCaptionText));
  Button2->SetCaption(TextLine(kCloseText));
  ShowText("Label51", TextLine(kCommanderHeadingText));
  ShowText("Label46", TextLine(kCommanderHeadingText));
  ShowText("Label54", TextLine(kFiguresHeadingText));
  ShowText("Label55", TextLine(kFiguresHeadingText));
  ShowText("Label43", battle.initiative);
  ShowText("Label49", battle.result_heading);
  ShowText("Label44", battle.union_figures[0]);
  ShowText("Label47", battle.union_figures[1]);
  FillRows(battle.union_corps, kUnionCells);
  ShowText("Label45", battle.confederate_figures[0]);
  ShowText("Label48", battle.confederate_figures[1]);
  FillRows(battle.confederate_corps, kConfederateCells);
  ShowText("Label50", battle.result[0]);
  ShowText("Label53", battle.result[1]);
}

void ShowReplayEngagement(const TReplayedBattle& battle) {
  Treplay1 form;
  form.Fill(battle);
  ShowModalWithDefaultCursor(form);
}

void ShowReplayResults(const TReplayedBattle& battle) {
  TReplay2 form;
  form.Fill(battle);
  ShowModalWithDefaultCursor(form);
}

void ShowReplayedBattles() {
  ReplayBattles([](const TReplayedBattle& battle) {
    ShowReplayEngagement(battle);
    ShowReplayResults(battle);
  });
}
