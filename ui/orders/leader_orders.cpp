#include "ui/orders/leader_orders.h"

#include <climits>
#include <string>

#include "ui/orders/leader_words.h"
#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "world/corps_command.h"
#include "world/force_slots.h"
#include "world/game_window.h"
#include "world/leader_promotion.h"
#include "world/realm_queries.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

// Each filter: its radio button and label, the box holding them, the label's
// text line (0 keeps the design's caption) and the filter it sets.
struct Filter {
  int radio;
  int label;
  const char* caption;
  int line;
  bool by_class;
  int value;
};
constexpr Filter kFilters[] = {
    {1, 12, "Divisional", 330, true, TLeaderClass::Divisional},
    {8, 13, "Cavalry", 331, true, TLeaderClass::Cavalry},
    {2, 14, "Corps", 332, true, TLeaderClass::Corps},
    {3, 15, "Army", 333, true, TLeaderClass::Army},
    {4, 16, "Active", 189, false, 1},
    {5, 17, "Available", 191, false, 2},
    {6, 18, "Removed", 193, false, 3},
    {7, 19, "Wounded", 192, false, 4},
    {9, 2, "Temp Remove", 0, false, 5}};

constexpr int kWoundedFirst = 201;
constexpr int kWoundedLast = 229;

constexpr WordBand kInspiration[] = {{1, 20, 545}, {21, 39, 546}, {40, 70, 547}};
constexpr WordBand kAggression[] = {{1, 20, 549}, {21, 39, 550}, {40, 70, 551}};
constexpr WordBand kCombat[] = {{1, 20, 553}, {21, 30, 554}, {31, 39, 555}, {40, 49, 556}, {50, 100, 557}};
constexpr WordBand kInitiative[] = {{1, 3, 559}, {4, 5, 560}, {6, 7, 561}, {8, 12, 562}};
struct LeaderRatingWord {
  RatingWords words;
  int hidden_below;
};
const LeaderRatingWord kRatingWords[] = {{{&TLeader::Inspiration, kInspiration, 548}, 6},
                                         {{&TLeader::Aggression, kAggression, 552}, 4},
                                         {{&TLeader::Combat, kCombat, 558}, 4},
                                         {{&TLeader::Initiative, kInitiative, 563}, 10}};

constexpr WordBand kStandingBands[] = {{INT_MIN, -1, 185}, {0, 4, 186}, {5, 9, 187}, {10, 100, 188}};
// Wounded leaders read the wounded word in both places; other statuses
// without a word of their own read nothing.
constexpr WordBand kStatusBands[] = {{0, 0, 189},     {1, 99, 190},    {100, 100, 191},
                                     {101, 199, 192}, {200, 200, 193}, {201, 229, 192},
                                     {255, 255, 194}};

}  // namespace

TLeaderStatusForm::TLeaderStatusForm() : TOrderForm("TLeaderStatus", 560, 400) {
  SetCaption("Leader Orders");
  LdrList = AddControl<TKxAdvancedListBox>("LdrList", 12, 12, 200, 300);
  LdrList->OnClick = [this](TComponent* sender) { LdrListClick(sender); };
  Label1 = AddLabel(this, "Label1", 224, 12, 320, 18);
  Label6 = AddLabel(this, "Label6", 224, 34, 320, 18);
  Label7 = AddLabel(this, "Label7", 224, 54, 320, 18);
  for (int i = 0; i < 4; ++i) RatingLabels[i] = AddLabel(this, Numbered("Label", i + 8), 224, 76 + 20 * i, 320, 18);
  Label20 = AddLabel(this, "Label20", 224, 160, 320, 18);
  NewRadBox1 = AddControl<TNewRadBox>("NewRadBox1", 224, 184, 150, 130);
  NewRadBox2 = AddControl<TNewRadBox>("NewRadBox2", 384, 184, 160, 150);
  int placed[2] = {};
  for (int f = 0; f < static_cast<int>(std::size(kFilters)); ++f) {
    const Filter& filter = kFilters[f];
    TNewRadBox* box = filter.by_class ? NewRadBox1 : NewRadBox2;
    const int top = 6 + 24 * placed[filter.by_class ? 0 : 1]++;
    FilterButtons[f] = AddChild<TRadioButton>(box, Numbered("RadioButton", filter.radio), 6, top, 18, 18);
    TLabel* label = AddLabel(box, Numbered("Label", filter.label), 28, top, 120, 18);
    label->SetCaption(filter.caption);
    FilterButtons[f]->OnClick = [this, f](TComponent*) { FilterClick(f); };
    label->OnClick = [this, f](TComponent*) { FilterClick(f); };
  }
  BitBtn1 = AddControl<TKxGraphicButton>("BitBtn1", 12, 350, 120, 30);
  BitBtn1->SetCaption("Promote");
  BitBtn1->SetModalResult(mrOk);
  BitBtn1->OnClick = [this](TComponent* sender) { BitBtn1Click(sender); };
  Button1 = AddControl<TKxGraphicButton>("Button1", 144, 350, 120, 30);
  Button1->SetCaption("Temp Remove");
  Button1->SetModalResult(mrOk);
  Button1->OnClick = [this](TComponent* sender) { Button1Click(sender); };
  OKBtn = AddControl<TKxGraphicButton>("OKBtn", 424, 350, 120, 30);
  OKBtn->SetCaption("Done");
  OKBtn->SetModalResult(mrOk);
}

void TLeaderStatusForm::Fill() {
  for (TLabel* label : RatingLabels) label->SetVisible(false);
  // The boxes look onto the form's picture behind them.
  for (TNewRadBox* box : {NewRadBox1, NewRadBox2}) {
    const TRect covered = box->BoundsRect();
    TBitmap piece(covered.Width(), covered.Height());
    piece.Canvas().CopyRect(TRect::Bounds(0, 0, covered.Width(), covered.Height()),
                            Image1->Picture().Canvas(), covered);
    box->SetPicture(piece);
  }
  SelectedLeader = 0;
  ClassFilter = TLeaderClass::Army;
  StatusFilter = 1;
  FillLeaderList();
}

bool TLeaderStatusForm::FitsStatusFilter(int status) const {
  switch (StatusFilter) {
    case 1: return status == TLeaderStatus::InCommand;
    case 2: return status == TLeaderStatus::Available;
    case 3: return status == TLeaderStatus::Relieved;
    case 4: return status >= kWoundedFirst && status <= kWoundedLast;
    case 5: return status == TLeaderStatus::TemporarilyRemoved;
    default: return false;
  }
}

void TLeaderStatusForm::FillLeaderList() {
  for (const Filter& filter : kFilters) {
    if (filter.line != 0)
      FindOwned<TLabel>(*this, Numbered("Label", filter.label))->SetCaption(TextLine(filter.line));
  }
  Label20->SetVisible(false);
  LdrList->Clear();
  leader_of_row_.Clear();
  const int camp = CampOfNation(CurrentSide);
  for (int l = 1; l <= GameState.Leaders.Count; ++l) {
    const TLeader& leader = GameState.Leaders[l];
    if (leader.Side != camp || leader.Rank != ClassFilter || !FitsStatusFilter(leader.Status)) continue;
    LdrList->Items().Add(leader.Name.str());
    leader_of_row_.Add(l);
  }
}

void TLeaderStatusForm::FilterClick(int f) {
  const Filter& filter = kFilters[f];
  (filter.by_class ? ClassFilter : StatusFilter) = filter.value;
  if (!FilterButtons[f]->Checked()) FilterButtons[f]->SetChecked(true);
  FillLeaderList();
}

void TLeaderStatusForm::LdrListClick(TComponent*) {
  const int l = leader_of_row_.At(LdrList->ItemIndex());
  if (l == 0) return;
  const TLeader& leader = GameState.Leaders[l];
  Label1->SetCaption(leader.Name.str());
  SelectedLeader = l;
  for (int i = 0; i < 4; ++i) {
    RatingLabels[i]->SetCaption(LeaderWord(leader, kRatingWords[i].words, kRatingWords[i].hidden_below));
    RatingLabels[i]->SetVisible(true);
  }
  Button1->SetVisible(false);
  ShowStanding(leader);
  ShowStatus(leader);
}

void TLeaderStatusForm::ShowStanding(const TLeader& leader) {
  // The public never thinks ill of an army commander.
  const int line = leader.Modifier < 0 && leader.Rank == TLeaderClass::Army
                       ? 186
                       : BandLine(kStandingBands, leader.Modifier);
  Label6->SetCaption(WordOfLine(line));
}

void TLeaderStatusForm::ShowStatus(const TLeader& leader) {
  Label7->SetCaption(WordOfLine(BandLine(kStatusBands, leader.Status)));
  Button1->SetVisible(leader.Status == TLeaderStatus::InCommand);
}

void TLeaderStatusForm::Button1Click(TComponent*) {
  if (TLeader* leader = LeaderRecord(SelectedLeader)) leader->Status = TLeaderStatus::TemporarilyRemoved;
  FillLeaderList();
}

void TLeaderStatusForm::BitBtn1Click(TComponent*) {
  if (CanBePromoted(SelectedLeader)) {
    const TLeader& leader = GameState.Leaders[SelectedLeader];
    if (leader.Status == TLeaderStatus::InCommand && leader.Rank == TLeaderClass::Corps) {
      ClearEventMessage();
      EventMessage.Line1 = TextLine(620);
      EventMessage.Line2 = TextLine(621);
      EventMessage.Line3 = TextLine(622);
      ShowEventMessage();
    }
    if (PromoteLeader(SelectedLeader, CurrentSide)) {
      Label20->SetCaption(TextLine(623));
      Label20->SetVisible(true);
    }
  }
  FillLeaderList();
}

void ShowLeaderOrders() {
  RunOrderDialog<TLeaderStatusForm>(CurrentSide, {.hourglass_while_building = false, .arrow_when_shown = false});
}
