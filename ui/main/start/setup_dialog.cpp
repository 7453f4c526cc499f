#include "ui/main/start/setup_dialog.h"

#include <utility>
#include <vector>

#include "platform/forms/screen.h"
#include "ui/orders/order_dialog.h"
#include "world/codes.h"
#include "world/play_modes.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

struct GroupDesign {
  int group;
  TRect bounds;
  int title_label;  // 0: the group has no title
  const char* title;
  int title_line;  // 0: the design's title stays
};

constexpr GroupDesign kGroups[] = {
    {9, TRect::Bounds(8, 8, 160, 56), 1, "Union ", 0},
    {10, TRect::Bounds(8, 68, 160, 56), 2, "Confederate", 0},
    {8, TRect::Bounds(12, 132, 152, 64), 0, "", 0},
    {7, TRect::Bounds(12, 208, 152, 64), 0, "", 0},
    {11, TRect::Bounds(8, 284, 160, 44), 0, "", 0},
    {1, TRect::Bounds(176, 8, 164, 44), 0, "", 0},
    {2, TRect::Bounds(176, 56, 164, 70), 26, "Leadership ratings", 387},
    {3, TRect::Bounds(176, 130, 164, 56), 30, "Rating display", 387},
    {4, TRect::Bounds(176, 190, 164, 70), 15, "Confederate slave status", 388},
    {12, TRect::Bounds(176, 264, 164, 44), 0, "", 0},
    {5, TRect::Bounds(348, 8, 167, 70), 33, "European intervention", 383},
    {6, TRect::Bounds(348, 82, 167, 86), 3, "Confederate capitol", 0},
};

// One choice: its radio button (0 for the border group's check boxes, which
// come in their own order) and the label that carries its text.
struct ChoiceDesign {
  int group;
  int radio;
  int label;
  const char* text;
  int text_line;  // 0: the design's text stays
};

constexpr ChoiceDesign kChoices[] = {
    {9, 3, 4, "Human", 681},
    {9, 4, 5, "Computer", 682},
    {10, 5, 7, "Human", 681},
    {10, 6, 8, "Computer", 682},
    {8, 21, 9, "No advantage", 683},
    {8, 22, 10, "Mild advantage", 684},
    {8, 23, 11, "Large advantage", 685},
    {7, 24, 12, "No advantage", 683},
    {7, 25, 13, "Mild advantage", 684},
    {7, 26, 14, "Large advantage", 685},
    {11, 28, 24, "Face to face", 0},
    {11, 29, 25, "Mail", 0},
    {1, 20, 6, "Full campaign", 381},
    {1, 27, 16, "December finish", 382},
    {2, 1, 17, "Historical", 389},
    {2, 2, 18, "Slight variation", 390},
    {2, 7, 19, "Random", 391},
    {3, 8, 20, "Hidden", 392},
    {3, 9, 21, "In view", 393},
    {4, 10, 22, "Historical", 389},
    {4, 11, 23, "Combat roles", 351},
    {4, 18, 27, "Emancipation", 350},
    {5, 16, 28, "No chance", 384},
    {5, 17, 29, "Small chance", 385},
    {5, 19, 31, "Good chance", 386},
    {6, 12, 32, "Montgomery, Alabama", 0},
    {6, 13, 34, "Richmond, Virginia", 0},
    {6, 14, 35, "Raleigh, North Carolina", 0},
    {6, 15, 36, "Atlanta, Georgia", 0},
    {12, 0, 37, "Kentucky joins Confederacy", 0},
    {12, 0, 38, "Missouri joins Confederacy", 0},
};

// Selected as the form is prepared, in this order; each selection runs its
// radio button's click handler.
constexpr int kDefaults[] = {1, 8, 10, 3, 5, 24, 13, 17, 27};

// The radio buttons of the choices the game already holds, where they
// differ from the defaults.
std::vector<int> HeldChoices() {
  const TNationRec& confederacy = GameState.Nations[TNation::Confederacy];
  const int attitude = GameState.Nations[TNation::France].Attitude;
  const std::pair<bool, int> held[] = {
      {GameState.Nations[TNation::Union].Human == 0, 4},
      {confederacy.Human == 0, 6},
      {GameState.ShowLeaderRatings == 1, 9},
      {GameState.ExtensionMark == 5, 20},
      {confederacy.Capital == kMontgomery, 12},
      {confederacy.Capital == kRaleigh, 14},
      {confederacy.Capital == kAtlanta, 15},
      {confederacy.PolicyStatus == 1, 11},
      {confederacy.PolicyStatus == 11, 18},
      {attitude == 500, 16},
      {attitude == 10, 19},
  };
  std::vector<int> radios;
  for (const auto& [holds, radio] : held) {
    if (holds) radios.push_back(radio);
  }
  return radios;
}

constexpr int kRowTop = 6;
constexpr int kTitledRowTop = 20;
constexpr int kRowHeight = 15;
constexpr int kMarkSize = 13;
constexpr int kTextLeft = 22;

// The border states can join only before the fighting of summer 1861.
bool BorderStatesUndecided() {
  return GameState.Year == 1861 && GameState.Month < 8;
}

int Checked(const TRadioButton& radio, int value) {
  return radio.Checked() ? value : 0;
}

}  // namespace

TSetUp::TSetUp() : TOrderForm("TSetUp", 523, 378) {
  SetCaption("Setup");
  std::array<int, 13> rows{};
  std::array<bool, 13> titled{};
  for (const GroupDesign& design : kGroups) {
    const TRect& at = design.bounds;
    TNewRadBox* group = AddControl<TNewRadBox>(Numbered("NewRadBox", design.group), at.Left, at.Top,
                                               at.Width(), at.Height());
    groups_[design.group] = group;
    if (design.title_label == 0) continue;
    titled[design.group] = true;
    labels_[design.title_label] = AddLabel(group, Numbered("Label", design.title_label), 6, 3,
                                           at.Width() - 12, 14);
    labels_[design.title_label]->SetCaption(design.title);
  }
  for (const ChoiceDesign& design : kChoices) {
    TNewRadBox* group = groups_[design.group];
    const int top = (titled[design.group] ? kTitledRowTop : kRowTop) + kRowHeight * rows[design.group]++;
    if (design.radio != 0) {
      radios_[design.radio] = AddChild<TRadioButton>(group, Numbered("RadioButton", design.radio), 6,
                                                     top, kMarkSize, kMarkSize);
    } else {
      auto* box = AddChild<TCheckBox>(group, Numbered("CheckBox", rows[design.group]), 6, top,
                                      kMarkSize, kMarkSize);
      (rows[design.group] == 1 ? CheckBox1 : CheckBox2) = box;
    }
    labels_[design.label] = AddLabel(group, Numbered("Label", design.label), kTextLeft, top,
                                     group->Width() - kTextLeft - 4, 14);
    labels_[design.label]->SetCaption(design.text);
  }
  Bevel4 = AddControl<TBevel>("Bevel4", 8, 128, 160, 72);
  Bevel5 = AddControl<TBevel>("Bevel5", 8, 204, 160, 72);
  Button1 = AddControl<TKxGraphicButton>("Button1", 392, 336, 113, 29);
  Button1->SetCaption("Done");
  Button1->SetModalResult(mrOk);
  Button1->OnClick = [this](TComponent*) { Button1Click(); };

  const std::pair<int, void (TSetUp::*)()> bound[] = {
      {3, &TSetUp::RadioButton3Click},   {4, &TSetUp::RadioButton4Click},
      {5, &TSetUp::RadioButton5Click},   {6, &TSetUp::RadioButton6Click},
      {28, &TSetUp::RadioButton28Click}, {29, &TSetUp::RadioButton29Click}};
  for (const auto& [radio, handler] : bound) {
    Radio(radio).OnClick = [this, handler](TComponent*) { (this->*handler)(); };
  }
  // The labels of the side and play-mode choices click their radio buttons.
  for (const ChoiceDesign& design : kChoices) {
    if (design.group != 9 && design.group != 10 && design.group != 11) continue;
    Label(design.label).OnClick = [this, radio = design.radio](TComponent*) {
      Radio(radio).SetChecked(true);
    };
  }
}

void TSetUp::Fill() {
  SetCaption(TextLine(680));
  Button1->SetCaption(TextLine(66));
  for (const GroupDesign& design : kGroups) {
    if (design.title_line != 0) Label(design.title_label).SetCaption(TextLine(design.title_line));
  }
  for (const ChoiceDesign& design : kChoices) {
    if (design.text_line != 0) Label(design.label).SetCaption(TextLine(design.text_line));
  }

  for (int radio : kDefaults) Radio(radio).SetChecked(true);

  Bevel4->Hide();
  Group(8).Hide();
  Bevel5->Hide();
  Group(7).Hide();
  ShowPlayModes(true);
  if (!BorderStatesUndecided()) {
    for (TControl* control : {static_cast<TControl*>(CheckBox1), static_cast<TControl*>(CheckBox2),
                              static_cast<TControl*>(&Label(37)), static_cast<TControl*>(&Label(38))})
      control->Hide();
  }
  // A game saved in its first month comes back to its set-up: the dialog
  // starts from what the game holds, so Done keeps the player's choices. A
  // start file holds the defaults. Ratings and advantages are already in the
  // leaders' records and are not given twice. This comes after the defaults'
  // visibility, so a side held by the computer shows its advantage group.
  for (int radio : HeldChoices()) Radio(radio).SetChecked(true);
  GiveGroupsTheirBackground();
}

void TSetUp::GiveGroupsTheirBackground() {
  for (int g = 1; g <= 12; ++g) GiveBackgroundTo(Group(g));
}

void TSetUp::SideTurnsHuman(TBevel& bevel, int advantage_group, int other_human) {
  bevel.Hide();
  Group(advantage_group).Hide();
  if (Radio(other_human).Checked()) ShowPlayModes(true);
}

void TSetUp::SideTurnsComputer(TBevel& bevel, int advantage_group, int no_advantage) {
  bevel.Show();
  Group(advantage_group).Show();
  Radio(no_advantage).SetChecked(true);
  ShowPlayModes(false);
}

// Offered, the play modes start at "face to face"; withdrawn, neither is chosen.
void TSetUp::ShowPlayModes(bool shown) {
  for (TControl* control : {static_cast<TControl*>(&Radio(28)), static_cast<TControl*>(&Radio(29)),
                            static_cast<TControl*>(&Label(24)), static_cast<TControl*>(&Label(25))})
    control->SetVisible(shown);
  if (shown) {
    Radio(28).SetChecked(true);
  } else {
    Radio(28).SetChecked(false);
    Radio(29).SetChecked(false);
  }
}

void TSetUp::RadioButton3Click() { SideTurnsHuman(*Bevel4, 8, 5); }
void TSetUp::RadioButton4Click() { SideTurnsComputer(*Bevel4, 8, 21); }
void TSetUp::RadioButton5Click() { SideTurnsHuman(*Bevel5, 7, 3); }
void TSetUp::RadioButton6Click() { SideTurnsComputer(*Bevel5, 7, 24); }

void TSetUp::RadioButton28Click() { GameState.PlayMode = TPlayMode::OneMachine; }
// The mode while the dialog is open; closing it makes the mail game.
void TSetUp::RadioButton29Click() { GameState.PlayMode = TPlayMode::MailReceived; }

void TSetUp::Button1Click() { RestoreIndustryOfStatesWithoutCapital(); }

TSetupChoices TSetUp::Choices() const {
  TSetupChoices choices;
  choices.kentucky_joins = CheckBox1->Checked();
  choices.missouri_joins = CheckBox2->Checked();
  choices.human = {Radio(3).Checked(), Radio(5).Checked()};
  choices.full_campaign = Radio(20).Checked();
  if (Radio(2).Checked()) choices.ratings = LeaderRatings::kSlightVariation;
  if (Radio(7).Checked()) choices.ratings = LeaderRatings::kRandom;
  choices.ratings_in_view = Radio(9).Checked();
  choices.confederate_capital = Checked(Radio(12), kMontgomery) + Checked(Radio(14), kRaleigh) +
                                Checked(Radio(15), kAtlanta) + Checked(Radio(13), kRichmond);
  choices.slavery_policy = Checked(Radio(11), 1) + Checked(Radio(18), 11);
  choices.intervention_attitude =
      Checked(Radio(16), 500) + Checked(Radio(17), 60) + Checked(Radio(19), 10);
  choices.advantage = {Checked(Radio(22), 1) + Checked(Radio(23), 2),
                       Checked(Radio(25), 1) + Checked(Radio(26), 2)};
  choices.by_mail = Radio(29).Checked();
  return choices;
}

void TSetUp::WriteBack() { ApplySetupChoices(Choices()); }

void ShowSetupOptions() {
  RunOrderDialog<TSetUp>(1, {.hourglass_while_building = false});
  Screen.SetCursor(crHourGlass);
}
