#include "ui/orders/brigade_view.h"

#include <string>

#include "platform/controls/check_box.h"

#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "ui/orders/row_texts.h"
#include "world/brigade_reinforcement.h"
#include "world/codes.h"
#include "world/game_window.h"
#include "world/ordinals.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

// Label numbers of each row's ID, arm, quality, strength, pool and weapon.
struct RowLabels {
  int id, arm, quality, strength, pool, weapon;
};
constexpr RowLabels kRowLabels[TViewBrgd::kRows] = {
    {5, 6, 47, 7, 8, 44},      {9, 10, 48, 11, 12, 57},   {13, 14, 49, 15, 16, 58},
    {17, 18, 50, 19, 20, 59},  {21, 22, 51, 23, 24, 60},  {25, 26, 52, 27, 28, 61},
    {29, 30, 53, 31, 32, 62},  {33, 34, 54, 35, 36, 63},  {37, 38, 55, 39, 40, 64},
    {41, 42, 56, 43, 45, 65}};

// The weapon as the view first lists it, and as it shows it after a re-arming.
constexpr const char* kListedWeapons[] = {"Muskets  ",    "Springfields ", "Sharps       ",
                                          "Spencers     ", "Shotguns     ", "Smoothbores  ",
                                          "Parrotts     ", "Whitworths   "};
constexpr const char* kRearmedWeapons[] = {"Muskets  ", "Springfields ", "Sharps   ",
                                           "Spencers ", "Shotguns ",     "Smoothbores ",
                                           "Parrotts  ", "Whitworths "};

constexpr int kHeadingTop = 12;
constexpr int kRowTop = 40;
constexpr int kRowHeight = 24;
constexpr int kCheckBoxSize = 18;

// The table's columns, left to right, each under its own heading; the weapon
// button at the end of a row has none.
using Column = TOrderForm::Column;
enum ColumnOf { kIdColumn, kArmColumn, kQualityColumn, kMenColumn, kReinforceColumn, kPoolColumn,
                kWeaponColumn };
constexpr Column kColumns[TViewBrgd::kHeadings] = {{8, 112},   {124, 36},  {164, 60}, {228, 48},
                                                   {280, 64},  {348, 56},  {408, 86}};
constexpr Column kRearmColumn = {498, 94};

std::string WeaponWord(const char* const (&words)[8], int weapon) {
  return weapon >= 1 && weapon <= 8 ? words[weapon - 1] : "";
}

std::string ArmWord(int arm) {
  constexpr const char* kArmWords[kArmCount] = {"Arty", "Inf", "Cav"};
  return arm >= 1 && arm <= kArmCount ? kArmWords[arm - 1] : "";
}

std::string QualityWord(int quality) {
  if (quality <= 2) return "Untried";
  if (quality <= 4) return "Trained";
  if (quality <= 8) return "Veteran";
  if (quality <= 100) return "Crack";
  return {};
}

bool ListedInCorps(const TBrigade& brigade, int corps) {
  return brigade.Status == TBrigadeStatus::InCorps && brigade.Location == corps &&
         brigade.Arm != 0 && brigade.HomeState != 0;
}

// The home state's recruits of the brigade's arm, as the player reads them.
int ShownPool(const TBrigade& brigade) {
  RecruitPool pool;
  if (!IsEntryOf(GameState.States, brigade.HomeState) || !PoolOfArm(brigade.Arm, pool)) return 0;
  return ShownStrength(brigade.Arm, GameState.States[brigade.HomeState].*pool.points);
}

void TellShortOfWeapons() {
  ClearEventMessage();
  EventMessage.Line1 = "Not enough weapons on hand";
  EventMessage.Line2 = "to equip new troops";
  ShowEventMessage();
}

}  // namespace

std::array<TControl*, 8> TViewBrgd::BrigadeRow::Controls() const {
  return {Id, Arm, Quality, Strength, Reinforce, Pool, Weapon, Rearm};
}

TViewBrgd::TViewBrgd() : TOrderForm("TViewBrgd", 600, 330) {
  SetCaption("Brigade display");
  Headings = AddHeadings("Label1", kColumns, kHeadingTop);
  Label1 = Headings[0];
  const auto cell = [this](int label, ColumnOf column, int top) {
    return AddLabel(this, Numbered("Label", label), kColumns[column].left, top,
                    kColumns[column].width, 18);
  };
  const Column& reinforce = kColumns[kReinforceColumn];
  for (int r = 0; r < kRows; ++r) {
    const RowLabels& names = kRowLabels[r];
    const int top = kRowTop + kRowHeight * r;
    BrigadeRow& row = Rows[r];
    row.Id = cell(names.id, kIdColumn, top);
    row.Arm = cell(names.arm, kArmColumn, top);
    row.Quality = cell(names.quality, kQualityColumn, top);
    row.Strength = cell(names.strength, kMenColumn, top);
    row.Reinforce = AddControl<TCheckBox>(Numbered("CheckBox", r + 1),
                                          reinforce.left + (reinforce.width - kCheckBoxSize) / 2,
                                          top, kCheckBoxSize, kCheckBoxSize);
    row.Pool = cell(names.pool, kPoolColumn, top);
    row.Weapon = cell(names.weapon, kWeaponColumn, top);
    row.Rearm = AddControl<TButton>(Numbered("Button", r + 1), kRearmColumn.left, top - 2,
                                    kRearmColumn.width, 22);
    row.Reinforce->OnClick = [this, r](TComponent*) { CheckBoxClick(r + 1); };
    row.Rearm->OnClick = [this, r](TComponent*) { ButtonClick(r + 1); };
  }
  Button11 = AddControl<TKxGraphicButton>("Button11", 210, 290, 180, 30);
  Button11->SetCaption("Return to Corps Orders");
  Button11->SetModalResult(mrOk);
}

void TViewBrgd::Fill() {
  SetCaption(TextLine(483));
  ShowHeadings(Headings, TextLine(484));
  for (TLabel* heading : Headings) heading->SetVisible(true);
  Button11->SetCaption(TextLine(485));
  for (BrigadeRow& row : Rows) {
    for (TControl* control : row.Controls()) control->SetVisible(false);
    row.Rearm->SetCaption(TextLine(486));
  }
  BrigadeRowTable.fill(0);

  int row = 0;
  for (int b = 1; b <= GameState.Brigades.Count && row < kRows; ++b) {
    if (ListedInCorps(GameState.Brigades[b], CurrentCorps)) ShowBrigade(row++, b);
  }
}

void TViewBrgd::ShowBrigade(int r, int b) {
  BrigadeRowTable[r] = b;
  const TBrigade& brigade = GameState.Brigades[b];
  BrigadeRow& row = Rows[r];
  row.Id->SetCaption(OrdinalWord(brigade.Number) + GameState.States[brigade.HomeState].ShortName.str());
  row.Arm->SetCaption(ArmWord(brigade.Arm));
  row.Quality->SetCaption(QualityWord(brigade.Quality));
  row.Weapon->SetCaption(WeaponWord(kListedWeapons, brigade.Weapon));
  ShowStrengthAndPool(r);
  for (TControl* control : row.Controls()) control->SetVisible(true);
  const bool offered = MayReinforce(brigade, GameState.Corps[CurrentCorps]);
  row.Reinforce->SetVisible(offered);
  row.Pool->SetVisible(offered);
}

void TViewBrgd::ShowStrengthAndPool(int r) {
  const TBrigade& brigade = GameState.Brigades[BrigadeRowTable[r]];
  Rows[r].Strength->SetCaption(std::to_string(ShownStrength(brigade.Arm, brigade.Strength)));
  Rows[r].Pool->SetCaption(std::to_string(ShownPool(brigade)));
}

void TViewBrgd::CheckBoxClick(int row) {
  const int r = row - 1;
  const int b = BrigadeRowTable[r];
  if (b == 0) return;
  if (ReinforceBrigade(b, CurrentSide) == Reinforcement::ShortOfWeapons) TellShortOfWeapons();
  Rows[r].Reinforce->SetVisible(false);
  ShowStrengthAndPool(r);
  // Brigades of one state and arm draw on one pool.
  const TBrigade& reinforced = GameState.Brigades[b];
  for (int other = 0; other < kRows; ++other) {
    const int o = BrigadeRowTable[other];
    if (o == 0 || other == r) continue;
    const TBrigade& brigade = GameState.Brigades[o];
    if (brigade.HomeState == reinforced.HomeState && brigade.Arm == reinforced.Arm)
      Rows[other].Pool->SetCaption(Rows[r].Pool->Caption());
  }
}

void TViewBrgd::ButtonClick(int row) {
  const int b = BrigadeRowTable[row - 1];
  if (b == 0) return;
  ShowWeaponSelection(b);
  Rows[row - 1].Weapon->SetCaption(WeaponWord(kRearmedWeapons, GameState.Brigades[b].Weapon));
}

void ShowBrigadeView() { RunOrderDialog<TViewBrgd>(CurrentCorps, {}); }
