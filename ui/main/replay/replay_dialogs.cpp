#include "ui/main/replay/replay_dialogs.h"

#include "world/game_window.h"
#include "world/text_table.h"

namespace {

constexpr int kWidth = 560;
constexpr int kHeight = 400;
constexpr int kCaptionText = 663;
constexpr int kCloseText = 66;

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
constexpr int kLabelHeight = 17;

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

TReplay2::TReplay2() : TBattleResultsLayout("TReplay2") {
  SetCaption("Results of Engagement");
  Button2 = AddControl<TKxGraphicButton>("Button2", CentredLeft(100), 356, 100, 30);
  Button2->SetModalResult(mrOk);
}

void TReplay2::FillRows(int side, const TReplayedCorpsRows& rows) {
  for (int row = 0; row < kRows; ++row) {
    if (rows[row]) ShowRow(side, row, *rows[row]);
  }
}

void TReplay2::Fill(const TReplayedBattle& battle) {
  SetCaption(TextLine(kCaptionText));
  Button2->SetCaption(TextLine(kCloseText));
  ShowSideTotals(0, battle.union_figures[0], battle.union_figures[1]);
  FillRows(0, battle.union_corps);
  ShowSideTotals(1, battle.confederate_figures[0], battle.confederate_figures[1]);
  FillRows(1, battle.confederate_corps);
  ShowBattleLines(battle.initiative, battle.result_heading, battle.result[0], battle.result[1]);
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
