#include "ui/main/views/election_dialog.h"

#include <initializer_list>
#include <string>

#include "platform/forms/application.h"
#include "platform/forms/backend.h"
#include "tools/sprites/election_map.h"
#include "ui/orders/order_dialog.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

constexpr unsigned kPauseBetweenStates = 200;
constexpr TColor kIncumbentFill = RGB(0, 0, 255);
constexpr TColor kChallengerFill = RGB(255, 0, 0);

}  // namespace

TElection::TElection(std::function<void(unsigned)> pause)
    : TOrderForm("TElection", kElectionMapWidth, kElectionMapHeight), pause_(std::move(pause)) {
  SetCaption("November 1864");
  Image1->Picture().Assign(DrawElectionMap());
  Label3 = AddLabel(this, "Label3", 24, 360, 150, 18);
  Label3->SetCaption("National Union");
  Label4 = AddLabel(this, "Label4", 24, 384, 150, 18);
  Label4->SetCaption("Democratic");
  Label1 = AddLabel(this, "Label1", 180, 360, 60, 18);
  Label2 = AddLabel(this, "Label2", 180, 384, 60, 18);
  Label5 = AddLabel(this, "Label5", 24, 12, 300, 18);
  Label6 = AddLabel(this, "Label6", 260, 360, 200, 18);
  Label7 = AddLabel(this, "Label7", 260, 384, 200, 18);
  Button1 = AddControl<TButton>("Button1", 540, 412, 90, 28);
  Button1->SetCaption("Done");
  Button1->SetModalResult(mrOk);
  Button2 = AddControl<TButton>("Button2", 540, 412, 90, 28);
  Button2->SetCaption("Election");
  Button2->OnClick = [this](TComponent*) { Button2Click(); };
}

void TElection::Fill() {
  SetCaption(TextLine(593));
  const std::initializer_list<TControl*> shown_after_the_count = {
      Button1, Label1, Label2, Label3, Label4, Label6, Label7};
  for (TControl* control : shown_after_the_count) control->SetVisible(false);
  Button2->SetVisible(true);
}

void TElection::Button2Click() {
  Button2->SetVisible(false);
  for (TLabel* label : {Label1, Label2, Label3, Label4}) label->SetVisible(true);
  Label5->SetCaption(TextLine(495));
  HoldElection([this](const StateVerdict& verdict) { ShowVerdict(verdict); });
  Button1->SetVisible(true);
}

void TElection::ShowVerdict(const StateVerdict& verdict) {
  for (const ElectionFillPoint& fill : ElectionFillPoints()) {
    if (fill.state != verdict.state) continue;
    TCanvas& canvas = Image1->Canvas();
    canvas.Brush.Color = verdict.incumbent ? kIncumbentFill : kChallengerFill;
    canvas.FloodFill(fill.point.X, fill.point.Y, clBlack, fsBorder);
  }
  Image1->Invalidate();
  const TColor ink = verdict.incumbent ? clNavy : clRed;
  Label6->Font().SetColor(ink);
  Label7->Font().SetColor(ink);
  Label7->SetCaption(TextLine(verdict.incumbent ? 503 : 589));
  Label6->SetCaption(GameState.States[verdict.state].Name.str());
  Label6->SetVisible(true);
  Label7->SetVisible(true);
  Label1->SetCaption(std::to_string(verdict.incumbent_votes));
  Label2->SetCaption(std::to_string(verdict.challenger_votes));
  pause_(kPauseBetweenStates);
}

// The window's messages are handled while the count waits, so that the state
// just coloured is painted and shown; nothing spins while it waits.
void WaitOnPlatformClock(unsigned ms) {
  const uint64_t deadline = Application.Now() + ms;
  for (;;) {
    Application.ProcessMessages();
    if (Application.Now() >= deadline) return;
    if (!Application.Backend().WaitForEvents(deadline)) return;
  }
}

void ShowElection(const std::function<void(unsigned)>& pause) {
  RunOrderDialog<TElection>(1, {}, pause);
}
