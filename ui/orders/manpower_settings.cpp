#include "ui/orders/manpower_settings.h"

#include <string>
#include <utility>

#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "world/codes.h"
#include "world/recruit_shares.h"
#include "world/slavery_policies.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {
constexpr int kShareLabels[] = {8, 10, 12, 15};
constexpr int kCaptionLines[][2] = {{1, 338}, {22, 349}, {2, 339}, {6, 340},  {5, 342},
                                    {3, 341}, {7, 344},  {9, 345}, {11, 346}, {13, 347}};
// The recruits, the bounty and the appeal down the left; the shares by arm,
// each caption beside its figure, per cent sign and spin button, in the
// middle; the slavery policy over its panel on the right. Each group's
// heading has its rule's note under it.
constexpr TOrderForm::LabelPlace kLabelPlaces[] = {
    {1, 8, 8, 200},     {2, 8, 30, 120},    {14, 130, 30, 70},  {5, 8, 56, 210},
    {20, 74, 72, 150},  {21, 74, 88, 150},  {6, 28, 108, 190},  {4, 8, 128, 216},
    {3, 230, 82, 145},  {23, 230, 100, 145}, {7, 230, 124, 68}, {9, 230, 152, 68},
    {11, 230, 180, 68}, {13, 230, 208, 68}, {22, 380, 82, 110}, {24, 380, 100, 110}};
// The share figures, and the per cent sign after each.
constexpr int kShareLeft = 300;
constexpr int kShareWidth = 28;
constexpr int kPercentLabels[] = {16, 17, 18, 19};
// Captions that are no text line: the appeal's interval as the form's design
// words it, and four of ours, telling the bounty's unit and range, the shares'
// limit and the policies' permanence where each is set.
constexpr std::pair<int, const char*> kFixedCaptions[] = {
    {20, "supplies per 500 recruits"},
    {21, "(0 to 20)"},
    {4, "(Appeal : 3 months between minimum)"},
    {23, "(together 100% at most)"},
    {24, "(once taken, for good)"}};
constexpr int kAppealTurns = 9;
constexpr int kMostBounty = 20;
constexpr int kEmancipation = 11;
constexpr int kCombatRolesPossible = 10;
constexpr int kUnionWarScoreMargin = 25;

TNationRec& Nation() {
  return GameState.Nations[CurrentSide];
}
TNationRec& Enemy() {
  return GameState.Nations[CurrentSide == TNation::Union ? TNation::Confederacy : TNation::Union];
}
}  // namespace

TOrdDraft::TOrdDraft() : TOrderForm("TOrdDraft", 499, 249) {
  SetCaption("Manpower settings");
  AddLabels(kLabelPlaces);
  for (const auto& [label, caption] : kFixedCaptions) Label(label)->SetCaption(caption);
  for (int share = 0; share < 4; ++share) {
    const int top = 120 + 28 * share;
    // The figure and its per cent sign stand level with the arm's caption.
    ShareLabels[share] = AddControl<TKxLabel>(Numbered("Label", kShareLabels[share]), kShareLeft,
                                              top + 4, kShareWidth, 16);
    ShareLabels[share]->SetAutoSize(false);
    AddLabel(this, Numbered("Label", kPercentLabels[share]), kShareLeft + kShareWidth + 2, top + 4,
             12, 16)
        ->SetCaption("%");
    UpDowns[share] = AddControl<TKxSpinButton>(Numbered("UpDown", share + 1), 344, top, 17, 24);
    UpDowns[share]->OnUpClick = [this, share](TComponent*, double) { ShareUpClick(share + 1); };
    UpDowns[share]->OnDownClick = [this, share](TComponent*, double) { ShareDownClick(share + 1); };
  }
  CheckBox1 = AddControl<TKxCheckBox>("CheckBox1", 8, 108, 16, 16);
  Bounty1 = AddControl<TSpinEdit>("Bounty1", 8, 74, 60, 22);
  Bounty1->SetMinValue(0);
  Bounty1->SetMaxValue(kMostBounty);
  KxPanel1 = AddControl<TKxPanel>("KxPanel1", 380, 120, 110, 84);
  const char* stances[] = {"Emancipation", "Combat Roles", "Bondage"};
  std::array<TKxRadioButton*, 3> buttons{};
  for (int b = 0; b < 3; ++b) {
    buttons[b] =
        AddChild<TKxRadioButton>(KxPanel1, Numbered("RadioButton", b + 1), 6, 6 + 26 * b, 100, 20);
    buttons[b]->SetCaption(stances[b]);
  }
  RadioButton1 = buttons[0];
  RadioButton2 = buttons[1];
  RadioButton3 = buttons[2];
  Button1 = AddControl<TKxGraphicButton>("Button1", 380, 212, 110, 30);
  Button1->SetCaption("OK");
  Button1->SetModalResult(mrOk);
}

void TOrdDraft::Fill() {
  for (const auto& [label, line] : kCaptionLines)
    FindOwned<TLabel>(*this, Numbered("Label", label))->SetCaption(TextLine(line));
  Button1->SetCaption(TextLine(66));
  const TNationRec& nation = Nation();
  OfferAppeal();
  FindOwned<TLabel>(*this, "Label14")->SetCaption(std::to_string(nation.MonthRecruits * 50));
  Bounty1->SetValue(nation.Bounty);
  OfferStances();
  for (int share = 1; share <= 4; ++share)
    ShareLabels[share - 1]->SetCaption(std::to_string(nation.ProductionShare[share]));
  ShareTotal = ::ShareTotal(nation);
}

void TOrdDraft::OfferAppeal() {
  const TNationRec& nation = Nation();
  CheckBox1->SetChecked(nation.DraftMonths >= 1);
  const int casualties_needed = CurrentSide == TNation::Union ? 700 : 500;
  CheckBox1->SetEnabled(nation.DraftMonths < 0 && GameState.Year != 1861 &&
                        GameState.Casualties[CurrentSide] > casualties_needed);
}

void TOrdDraft::OfferStances() {
  const TNationRec& nation = Nation();
  const int status = nation.PolicyStatus;
  (status == kEmancipation ? RadioButton1
   : status == 0           ? RadioButton3
                           : RadioButton2)
      ->SetChecked(true);
  for (TKxRadioButton* button : {RadioButton1, RadioButton2, RadioButton3})
    button->SetEnabled(false);
  if (CurrentSide == TNation::Union) {
    RadioButton1->SetEnabled(nation.WarScore > Enemy().WarScore - kUnionWarScoreMargin &&
                             status >= 1 && status <= kCombatRolesPossible);
  } else if (CurrentSide == TNation::Confederacy && status < kEmancipation &&
             nation.WarScore < Enemy().WarScore) {
    RadioButton2->SetEnabled(true);
    RadioButton1->SetEnabled(status == kCombatRolesPossible);
  }
}

void TOrdDraft::ShareUpClick(int share) {
  if (!RaiseShare(Nation(), share)) return;
  ShareTotal = ::ShareTotal(Nation());
  ShareLabels[share - 1]->SetCaption(std::to_string(Nation().ProductionShare[share]));
}

void TOrdDraft::ShareDownClick(int share) {
  if (!LowerShare(Nation(), share)) return;
  ShareTotal = ::ShareTotal(Nation());
  ShareLabels[share - 1]->SetCaption(std::to_string(Nation().ProductionShare[share]));
}

// A Confederate emancipation is the Confederacy's own: it marks its record
// and leaves the Union's alone.
void TOrdDraft::WriteBack() {
  TNationRec& nation = Nation();
  if (const auto bounty = TypedBounty(Bounty1->Text()))
    nation.Bounty = static_cast<std::uint16_t>(*bounty);
  if (CheckBox1->Enabled() && CheckBox1->Checked()) nation.DraftMonths = kAppealTurns;
  const bool emancipates = RadioButton1->Checked() && nation.PolicyStatus != kEmancipation;
  if (CurrentSide == TNation::Union && emancipates) ProclaimEmancipation();
  if (CurrentSide == TNation::Confederacy && emancipates) nation.PolicyStatus = kEmancipation;
  if (CurrentSide == TNation::Confederacy && RadioButton2->Checked() && nation.PolicyStatus == 0)
    AdoptCombatRoles();
}

void ShowManpowerSettings() {
  if (!IsEntryOf(GameState.Nations, CurrentSide)) return;
  RunOrderDialog<TOrdDraft>(CurrentSide, {});
}
