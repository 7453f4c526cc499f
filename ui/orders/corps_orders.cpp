#include "ui/orders/corps_orders.h"

#include <climits>
#include <functional>
#include <string>

#include "ui/orders/commander_change.h"
#include "ui/orders/leader_words.h"
#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "ui/orders/row_texts.h"
#include "world/brigade_rules.h"
#include "world/codes.h"
#include "world/command_relief.h"
#include "world/corps_command.h"
#include "world/force_slots.h"
#include "world/game_window.h"
#include "world/hex_grid.h"
#include "world/ordinals.h"
#include "world/rail_gates.h"
#include "world/route_finder.h"
#include "world/saturating.h"
#include "world/supply_and_attrition.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

constexpr int kSupplyCityRange = 20;  // hexes, not included
constexpr std::size_t kToCityCut = 37;
constexpr std::size_t kFromCityCut = 39;

constexpr WordBand kInspiration[] = {{INT_MIN, 20, 545}, {21, 39, 546}, {40, INT_MAX, 547}};
constexpr WordBand kAggression[] = {{INT_MIN, 20, 549}, {21, 39, 550}, {40, INT_MAX, 551}};
constexpr WordBand kCombat[] = {
    {INT_MIN, 20, 553}, {21, 30, 554}, {31, 39, 555}, {40, 49, 556}, {50, INT_MAX, 557}};
constexpr WordBand kInitiative[] = {{INT_MIN, 3, 559}, {4, 5, 560}, {6, 7, 561}, {8, INT_MAX, 562}};

// A new commander's ratings stay hidden longer than those of one the corps knows.
struct CommanderWord {
  RatingWords words;
  int hidden_at_opening;
  int hidden_after_change;
};
const CommanderWord kCommanderWords[] = {
    {{&TLeader::Initiative, kInitiative, 563}, 10, 15},
    {{&TLeader::Combat, kCombat, 558}, 4, 6},
    {{&TLeader::Aggression, kAggression, 552}, 4, 12},
    {{&TLeader::Inspiration, kInspiration, 548}, 6, 9}};

constexpr WordBand kExperienceBands[] = {{INT_MIN, 1, 537}, {2, 4, 538}, {5, 8, 539}, {9, 100, 540}};
constexpr WordBand kQualityBands[] = {{INT_MIN, 2, 56}, {3, 4, 57}, {5, 8, 58}, {9, 100, 59}};

// "line value / word"; past the last band the word is left off.
std::string FigureWithWord(int line, int value, int word_line) {
  std::string text = TextLine(line) + std::to_string(value);
  if (word_line != 0) text += " / " + TextLine(word_line);
  return text;
}

std::string DisorderText(int disorder) {
  if (disorder == 0) return TextLine(541);
  const int line = disorder == 1 ? 542 : disorder <= 5 ? 543 : 544;
  return TextLine(line) + "-" + std::to_string(disorder);
}

int CommanderClassOf(int kind) {
  if (kind == TCorpsKind::InfantryDivision) return TLeaderClass::Divisional;
  if (kind == TCorpsKind::CavalryDivision) return TLeaderClass::Cavalry;
  return TLeaderClass::Corps;
}

// An army commander over a corps, or a corps commander over a division, was
// only minding it; a commander taken from command this turn has gone already.
bool LeavesFreely(const TLeader* old, int kind) {
  if (!old) return true;
  if (old->Status == TLeaderStatus::TemporarilyRemoved) return true;
  if (kind == TCorpsKind::Corps) return old->Rank == TLeaderClass::Army;
  return old->Rank == TLeaderClass::Corps;
}

int StandingOf(int leader) {
  const TLeader* record = LeaderRecord(leader);
  return record ? record->Modifier : 0;
}

int OwnCityOnHex(const TCorps& corps) {
  int here = 0;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.X == corps.X && city.Y == corps.Y && city.Side == corps.Side) here = c;
  }
  return here;
}

std::string BrigadeRow(const TBrigade& brigade) {
  static constexpr const char* kArmWords[] = {" Arty ", " Inf ", " Cav "};
  static constexpr const char* kWeaponWords[] = {" Muskets",  " Springfields", " Sharps",
                                                 " Spencers", " Shotguns",     " Smoothbores",
                                                 " Parrotts", " Whitworths"};
  std::string row = OrdinalWord(brigade.Number);
  if (IsEntryOf(GameState.States, brigade.HomeState))
    row += GameState.States[brigade.HomeState].ShortName.str();
  if (brigade.Arm >= 1 && brigade.Arm <= 3) row += kArmWords[brigade.Arm - 1];
  if (brigade.Weapon >= 1 && brigade.Weapon <= 8) row += kWeaponWords[brigade.Weapon - 1];
  return row;
}

void CheckItem(TKxRadioGroup* group, int value) {
  if (value >= 0 && value < group->Items().Count()) group->SetItemIndex(value);
}

// The checked item, or the field as it was when none is.
void WriteChecked(const TKxRadioGroup* group, std::uint8_t& field) {
  if (group->ItemIndex() >= 0) field = static_cast<std::uint8_t>(group->ItemIndex());
}

}  // namespace

TCorpsOrder::TCorpsOrder() : TOrderForm("TCorpsOrder", 640, 470) {
  SetCaption("Corps and Division Orders");
  Label36 = AddLabel(this, "Label36", 12, 8, 200, 18);
  Label1 = AddLabel(this, "Label1", 12, 28, 200, 18);
  for (int i = 0; i < static_cast<int>(Figures.size()); ++i)
    Figures[i] = AddLabel(this, Numbered("Label", i + 2), 12, 50 + 18 * i, 200, 18);
  // The commander's four rating words, closed up to clear the order groups below.
  Label17 = AddLabel(this, "Label17", 12, 250, 200, 16);
  Label18 = AddLabel(this, "Label18", 12, 266, 200, 16);
  Label19 = AddLabel(this, "Label19", 12, 282, 200, 16);
  Label20 = AddLabel(this, "Label20", 12, 298, 200, 16);
  AddLabel(this, "Label33", 220, 8, 130, 18)->SetCaption("Supply city");
  AddLabel(this, "Label35", 360, 8, 130, 18)->SetCaption("Army status");
  AddLabel(this, "Label13", 500, 8, 130, 18)->SetCaption("Rail destination");
  ListBox1 = AddControl<TKxAdvancedListBox>("ListBox1", 220, 28, 130, 120);
  ListBox2 = AddControl<TKxAdvancedListBox>("ListBox2", 220, 156, 130, 120);
  ListBox3 = AddControl<TKxAdvancedListBox>("ListBox3", 360, 28, 130, 120);
  ListBox4 = AddControl<TKxAdvancedListBox>("ListBox4", 500, 28, 130, 120);
  ListBox2->OnClick = [this](TComponent* sender) { ListBox2Click(sender); };

  KxGroupBox5 = AddControl<TKxGroupBox>("KxGroupBox5", 360, 156, 270, 150);
  RadioButton13 = AddChild<TKxRadioButton>(KxGroupBox5, "RadioButton13", 8, 16, 254, 18);
  RadioButton13->SetCaption("Transfer Brigades to");
  RadioButton14 = AddChild<TKxRadioButton>(KxGroupBox5, "RadioButton14", 8, 36, 254, 18);
  RadioButton14->SetCaption("Transfer Brigades from");
  ListBox5 = AddChild<TKxAdvancedListBox>(KxGroupBox5, "ListBox5", 8, 58, 254, 86);
  RadioButton13->OnClick = [this](TComponent* sender) { RadioButton13Click(sender); };
  RadioButton14->OnClick = [this](TComponent* sender) { RadioButton14Click(sender); };
  ListBox5->OnClick = [this](TComponent* sender) { ListBox5Click(sender); };

  const auto group = [this](const char* name, int left, std::initializer_list<const char*> items) {
    TKxRadioGroup* made = AddControl<TKxRadioGroup>(name, left, 320, 150, 90);
    for (const char* item : items) made->Items().Add(item);
    return made;
  };
  CombatStanceRadioGroup = group("CombatStanceRadioGroup", 12, {"Withdraw", "Defend", "Advance"});
  MarchRadioGroup = group("MarchRadioGroup", 168, {"Cautious March", "Standard March", "Forced March"});
  SupplyTypeRadioGroup = group("SupplyTypeRadioGroup", 324, {"Depot", "Encampment", "Foraging"});
  SupplyRadioGroup = group("SupplyRadioGroup", 480, {"Subsistence", "Standard", "High "});

  Button1 = AddControl<TKxGraphicButton>("Button1", 200, 424, 120, 30);
  Button1->SetCaption("View Brigades");
  Button1->OnClick = [this](TComponent* sender) { Button1Click(sender); };
  Button2 = AddControl<TKxGraphicButton>("Button2", 340, 424, 100, 30);
  Button2->SetCaption("OK");
  Button2->SetModalResult(mrOk);
}

TCorps& TCorpsOrder::Corps() const { return GameState.Corps[CurrentCorps]; }

void TCorpsOrder::Fill() {
  TCorps& corps = Corps();
  for (TControl* control : {static_cast<TControl*>(RadioButton13), static_cast<TControl*>(RadioButton14),
                            static_cast<TControl*>(ListBox5)}) {
    control->SetEnabled(false);
    control->SetVisible(false);
  }
  CityHere = OwnCityOnHex(corps);
  if (CityHere != 0 && corps.Disorder == 0) {
    const TCity& city = GameState.Cities[CityHere];
    corps.Entrenchment = city.Fortifications;
    RadioButton13->SetCaption(CutText("Transfer Brigades to " + city.Name.str(), kToCityCut));
    RadioButton14->SetCaption(CutText("Transfer Brigades from " + city.Name.str(), kFromCityCut));
    RadioButton13->SetVisible(true);
    RadioButton14->SetVisible(true);
    OfferTransfers();
  }
  LeaderHere = corps.Leader;
  FillSupplyCities();
  FillCommanders();
  FillArmies();
  FillRailCities();
  Label36->SetCaption(TextLine(368 + std::min<int>(corps.Kind, 2)));
  Label1->SetCaption(LeaderName(LeaderHere));
  ShowFigures();
  ShowRatingWords(false);
  CheckOrders();
}

void TCorpsOrder::FillSupplyCities() {
  const TCorps& corps = Corps();
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.Side != corps.Side || HexDistance(corps.X, corps.Y, city.X, city.Y) >= kSupplyCityRange)
      continue;
    ListBox1->Items().Add(CityRow(c));
    CityOfRow.Add(c);
    if (c == corps.City) ListBox1->SetItemIndex(CityOfRow.Count() - 1);
  }
}

void TCorpsOrder::FillCommanders() {
  ListCommanders(*ListBox2, LeaderOfRow, LeaderHere, CommanderClassOf(Corps().Kind));
}

void TCorpsOrder::FillArmies() {
  ListBox3->Items().Add(TextLine(88));
  ArmyOfRow.Add(0);
  if (Corps().Army == 0) ListBox3->SetItemIndex(0);
  for (int a = 1; a <= GameState.Armies.Count; ++a) {
    const TArmy& army = GameState.Armies[a];
    if (army.HqCity == 0 || army.Nation != CurrentSide) continue;
    ListBox3->Items().Add(army.Name.str());
    ArmyOfRow.Add(a);
    if (a == Corps().Army) ListBox3->SetItemIndex(ArmyOfRow.Count() - 1);
  }
}

void TCorpsOrder::FillRailCities() {
  const TCorps& corps = Corps();
  ListBox4->SetEnabled(false);
  if (IsInTransit(corps)) {
    for (int c = 1; c <= GameState.Cities.Count; ++c) {
      const TCity& city = GameState.Cities[c];
      if (city.X == corps.DestX && city.Y == corps.DestY) ListBox4->Items().Add(city.Name.str());
    }
    return;
  }
  if (!RailwayAtHand(corps)) return;
  ListBox4->Items().Add(TextLine(89));
  RailCityOfRow.Add(0);
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (city.Side != corps.Side || city.RailStation == 0) continue;
    ListBox4->Items().Add(CityRow(c));
    RailCityOfRow.Add(c);
  }
  ListBox4->SetEnabled(HasRailMovesLeft(CurrentSide));
}

// The orders as they stand; a travelling corps is shown as it will be kept
// on the way, and a disordered one as falling back.
void TCorpsOrder::CheckOrders() {
  const TCorps& corps = Corps();
  CheckItem(MarchRadioGroup, corps.March);
  CheckItem(SupplyTypeRadioGroup, corps.SupplyType);
  CheckItem(SupplyRadioGroup, corps.SupplyPriority);
  CheckItem(CombatStanceRadioGroup,
            corps.Stance == TCombatStance::Training ? TCombatStance::Defend : corps.Stance);
  CombatStanceRadioGroup->SetCaption(corps.Stance == TCombatStance::Training ? TextLine(238) : "");
  if (IsInTransit(corps)) {
    CombatStanceRadioGroup->SetItemIndex(TCombatStance::Withdraw);
    SupplyRadioGroup->SetItemIndex(TSupplyPriority::High);
    MarchRadioGroup->SetItemIndex(TMarchMode::Cautious);
    SupplyTypeRadioGroup->SetItemIndex(TSupplyType::Foraging);
    CombatStanceRadioGroup->SetCaption(TextLine(564));
  }
  if (corps.Disorder != 0) {
    CombatStanceRadioGroup->SetItemIndex(TCombatStance::Withdraw);
    SupplyRadioGroup->SetItemIndex(TSupplyPriority::High);
    CombatStanceRadioGroup->SetCaption(TextLine(565));
  }
}

void TCorpsOrder::ShowFigures() {
  const TCorps& corps = Corps();
  const std::string figures[] = {
      TextLine(90) + std::to_string(corps.OtherBrigades),
      TextLine(91) + std::to_string(ShownStrength(TArm::Infantry, corps.Strength)),
      TextLine(92) + std::to_string(corps.ArtilleryBrigades),
      TextLine(93) + std::to_string(corps.X) + "," + std::to_string(corps.Y),
      TextLine(94) + std::to_string(corps.DestX) + "," + std::to_string(corps.DestY),
      TextLine(95) + std::to_string(corps.Entrenchment),
      DisorderText(corps.Disorder),
      FigureWithWord(97, corps.Fatigue, BandLine(kExperienceBands, corps.Fatigue)),
      FigureWithWord(98, corps.Quality, BandLine(kQualityBands, corps.Quality)),
      FigureWithWord(99, corps.Readiness, ReadinessWordLine(corps.Readiness)),
      TextLine(100) + std::to_string(corps.Capacity)};
  for (std::size_t i = 0; i < Figures.size(); ++i) Figures[i]->SetCaption(figures[i]);
}

void TCorpsOrder::ShowRatingWords(bool after_change) {
  const TLeader* leader = LeaderRecord(LeaderHere);
  TLabel* const labels[] = {Label17, Label18, Label19, Label20};
  for (int i = 0; i < 4; ++i) {
    const CommanderWord& word = kCommanderWords[i];
    labels[i]->SetCaption(!leader ? std::string()
                                  : LeaderWord(*leader, word.words,
                                               after_change ? word.hidden_after_change
                                                            : word.hidden_at_opening));
  }
}

void TCorpsOrder::ListBox2Click(TComponent*) {
  const int chosen = LeaderOfRow.At(ListBox2->ItemIndex());
  if (chosen == 0 || chosen == LeaderHere || dissolved_) return;
  TLeader* old = LeaderRecord(LeaderHere);
  switch (AskCommanderChange(LeaderHere, LeavesFreely(old, Corps().Kind), 1)) {
    case CommandChange::Refused:
      return;
    case CommandChange::Free:
      if (old && old->Status != TLeaderStatus::TemporarilyRemoved)
        old->Status = TLeaderStatus::Available;
      break;
    case CommandChange::Relieved:
      if (old) old->Status = TLeaderStatus::Relieved;
      break;
  }
  GiveCorpsCommander(CurrentCorps, chosen);
  LeaderHere = chosen;
  Label1->SetCaption(LeaderName(chosen));
  ShowRatingWords(true);
}

bool TCorpsOrder::IsFull() const {
  const TCorps& corps = Corps();
  return corps.OtherBrigades + corps.ArtilleryBrigades >= corps.Capacity;
}

// Brigades may go to the garrison while the corps stands, and come from it
// while the corps has room for them.
void TCorpsOrder::OfferTransfers() {
  RadioButton13->SetChecked(false);
  RadioButton14->SetChecked(false);
  RadioButton13->SetEnabled(!dissolved_);
  RadioButton14->SetEnabled(!dissolved_ && !IsFull());
  ListBox5->SetVisible(false);
  ListBox5->SetEnabled(false);
}

void TCorpsOrder::RadioButton13Click(TComponent*) {
  ListBrigades([this](const TBrigade& brigade) {
    return brigade.Status == TBrigadeStatus::InCorps && brigade.Location == CurrentCorps;
  });
}

void TCorpsOrder::RadioButton14Click(TComponent*) {
  ListBrigades([this](const TBrigade& brigade) { return IsGarrisonOf(brigade, CityHere); });
}

void TCorpsOrder::ListBrigades(const std::function<bool(const TBrigade&)>& listed) {
  ListBox5->Clear();
  BrigadeOfRow.Clear();
  for (int b = 1; b <= GameState.Brigades.Count; ++b) {
    if (!listed(GameState.Brigades[b])) continue;
    ListBox5->Items().Add(BrigadeRow(GameState.Brigades[b]));
    BrigadeOfRow.Add(b);
  }
  ListBox5->SetEnabled(true);
  ListBox5->SetVisible(true);
}

void TCorpsOrder::ListBox5Click(TComponent*) {
  const int b = BrigadeOfRow.At(ListBox5->ItemIndex());
  if (b != 0 && RadioButton13->Checked()) MoveToGarrison(b);
  if (b != 0 && RadioButton14->Checked()) MoveIntoCorps(b);
  OfferTransfers();
}

void TCorpsOrder::MoveToGarrison(int b) {
  TBrigade& brigade = GameState.Brigades[b];
  if (brigade.Status != TBrigadeStatus::InCorps || brigade.Location != CurrentCorps) return;
  brigade.Location = static_cast<std::uint8_t>(CityHere);
  brigade.Status = TBrigadeStatus::InGarrison;
  RecountCorpsBrigades();
  ShowFigures();
  const TCorps& corps = Corps();
  const int left = corps.OtherBrigades + corps.ArtilleryBrigades;
  const std::string name = LeaderName(LeaderHere);
  if (left == 1) {
    ClearEventMessage();
    DissolutionCost = ::DissolutionCost(StandingOf(LeaderHere));
    cost_drawn_ = true;
    if (DissolutionCost == 0) return;
    EventMessage.Line1 = name + TextLine(574);
    EventMessage.Line2 = TextLine(575);
    EventMessage.Line3 = std::to_string(DissolutionCost) + TextLine(576);
    EventMessage.Line4 = TextLine(577);
    ShowEventMessage();
  } else if (left == 0) {
    Dissolve();
  }
}

// The corps is gone: its commander is relieved, and the public, warned or not,
// holds it against the nation.
void TCorpsOrder::Dissolve() {
  FreeCorpsSlot(CurrentCorps);
  dissolved_ = true;
  ClearEventMessage();
  if (TLeader* leader = LeaderRecord(LeaderHere)) leader->Status = TLeaderStatus::Relieved;
  if (!cost_drawn_) DissolutionCost = ::DissolutionCost(StandingOf(LeaderHere));
  if (DissolutionCost != 0) {
    EventMessage.Line1 = LeaderName(LeaderHere);
    EventMessage.Line2 = TextLine(572);
    EventMessage.Line3 = std::to_string(DissolutionCost) + TextLine(573);
    ShowEventMessage();
    ChargeWarScore(CurrentSide, DissolutionCost);
  }
  for (TControl* control : {static_cast<TControl*>(ListBox1), static_cast<TControl*>(ListBox2),
                            static_cast<TControl*>(ListBox3), static_cast<TControl*>(ListBox4),
                            static_cast<TControl*>(Button1)})
    control->SetEnabled(false);
}

void TCorpsOrder::MoveIntoCorps(int b) {
  TBrigade& brigade = GameState.Brigades[b];
  if (!IsGarrisonOf(brigade, CityHere) || IsFull()) return;
  brigade.Location = static_cast<std::uint8_t>(CurrentCorps);
  brigade.Status = TBrigadeStatus::InCorps;
  RecountCorpsBrigades();
  ShowFigures();
}

void TCorpsOrder::Button1Click(TComponent*) {
  ShowBrigadeView();
  // Reinforcements and new weapons change the corps' totals.
  RecountCorpsBrigades();
  ShowFigures();
}

void TCorpsOrder::WriteBack() {
  if (dissolved_) return;
  TCorps& corps = Corps();
  if (!IsInTransit(corps)) WriteChecked(CombatStanceRadioGroup, corps.Stance);
  WriteChecked(MarchRadioGroup, corps.March);
  WriteChecked(SupplyTypeRadioGroup, corps.SupplyType);
  WriteChecked(SupplyRadioGroup, corps.SupplyPriority);
  if (const int city = CityOfRow.At(ListBox1->ItemIndex())) corps.City = static_cast<std::uint8_t>(city);
  if (ListBox3->ItemIndex() >= 0) WriteArmy(ArmyOfRow.At(ListBox3->ItemIndex()));
  if (const int rail_city = RailCityOfRow.At(ListBox4->ItemIndex())) {
    const TCity& city = GameState.Cities[rail_city];
    corps.Stance = TCombatStance::ByRail;
    corps.DestX = city.X;
    corps.DestY = city.Y;
    AddSaturated(GameState.Nations[CurrentSide].RailUsed, 1);
    for (int step = 1; step <= corps.Path.Count; ++step) corps.Path[step] = 0;
  }
}

// An army counts its corps: the one left loses this corps, the one joined gains it.
void TCorpsOrder::WriteArmy(int army) {
  TCorps& corps = Corps();
  if (army == corps.Army) return;
  if (IsEntryOf(GameState.Armies, corps.Army)) {
    std::uint8_t& count = GameState.Armies[corps.Army].CorpsCount;
    if (count > 0) --count;
  }
  corps.Army = static_cast<std::uint8_t>(army);
  if (IsEntryOf(GameState.Armies, army)) AddSaturated(GameState.Armies[army].CorpsCount, 1);
}

void ShowCorpsOrders() {
  if (IsEntryOf(GameState.Corps, CurrentCorps)) RunOrderDialog<TCorpsOrder>(CurrentCorps, {});
  Window().RepaintMap();
}
