#include "ui/orders/fleet_orders.h"

#include <string>

#include "platform/controls/check_box.h"
#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "ui/orders/row_texts.h"
#include "warfare/fleet_lift.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/fleet_slots.h"
#include "world/fleet_stores.h"
#include "world/game_window.h"
#include "world/ship_building.h"
#include "world/table_slots.h"
#include "world/text_table.h"

namespace {
constexpr const char* kMissionCaptions[] = {"Nothing", "Refit",       "Move (Abort)", "Cotton Run",
                                            "Patrol",  "Attack Port", "Amphibious"};
constexpr const char* kNationNames[] = {"Union", "Confederacy", "France", "Britain"};
constexpr int kCaptionLines[][2] = {{12, 313}, {13, 314}, {22, 315}, {26, 316}, {23, 317},
                                    {30, 319}, {27, 318}, {10, 142}, {32, 93},  {21, 305}};
constexpr int kKindLines[] = {175, 176, 168};
// The fleet's own facts on top, then its loads: what is aboard beside the spin
// buttons that move it, and what the theatre holds; each box beside its
// caption, the two port lists under theirs. The mission caption heads its panel.
constexpr TOrderForm::LabelPlace kLabelPlaces[] = {
    {1, 8, 8, 140},     {4, 152, 8, 140},   {6, 8, 24, 140},     {32, 152, 24, 55},
    {33, 207, 24, 85},  {2, 8, 40, 284},    {3, 8, 56, 284},     {7, 8, 72, 140},
    {8, 152, 72, 140},  {9, 8, 88, 140},    {5, 8, 104, 284},    {10, 8, 126, 90},
    {28, 100, 126, 40}, {26, 162, 126, 96}, {24, 260, 126, 36},  {11, 8, 152, 90},
    {29, 100, 152, 40}, {23, 162, 152, 96}, {25, 260, 152, 36},  {30, 8, 178, 90},
    {31, 100, 178, 40}, {27, 142, 178, 120}, {22, 28, 205, 80},  {12, 28, 229, 170},
    {13, 232, 229, 170}, {34, 152, 88, 140}};
constexpr TPoint kCheckBoxPlaces[] = {{8, 228}, {212, 228}, {8, 204}, {110, 204}};
constexpr int kRefit = 1, kMove = 2, kCottonRun = 3, kPatrol = 4, kAttackPort = 5, kAmphibious = 6;
constexpr int kRiverKind = 2;
constexpr int kLastAmphibiousObjective = 84;
constexpr int kHomePortBox = 0, kObjectiveBox = 1, kMergeBox = 2, kSplitBox = 3;

TFleet& Fleet() {
  return GameState.Fleets[CurrentFleet];
}

const TCity* City(int city) {
  return IsEntryOf(GameState.Cities, city) ? &GameState.Cities[city] : nullptr;
}

template <class Place>
bool OnHex(const Place& place, const TFleet& fleet) {
  return place.X == fleet.X && place.Y == fleet.Y;
}

// The theatre of the home port's state; 0 when the port or its state is none.
int TheatreOfPort(int port) {
  const TCity* city = City(port);
  if (city == nullptr || !IsEntryOf(GameState.States, city->State)) return 0;
  return GameState.States[city->State].Theatre;
}

}  // namespace

TFleetOrders::TFleetOrders() : TOrderForm("TFleetOrders", 415, 422) {
  SetCaption("Fleet Orders");
  KxPanel1 = AddControl<TKxPanel>("KxPanel1", 300, 8, 108, 180);
  AddLabel(KxPanel1, "Label21", 4, 2, 100, 16);
  AddLabels(kLabelPlaces);
  // The ship counts read "sound/damaged"; the caption says so beside them.
  Label(34)->SetCaption("(ships sound/damaged)");
  ListBox1 = AddControl<TKxAdvancedListBox>("ListBox1", 8, 250, 195, 130);
  ListBox2 = AddControl<TKxAdvancedListBox>("ListBox2", 212, 250, 195, 130);
  for (TKxAdvancedListBox* list : {ListBox1, ListBox2}) list->SetItemHeight(17);
  for (int b = 0; b < 4; ++b) {
    CheckBoxes[b] = AddControl<TCheckBox>(Numbered("CheckBox", b + 1), kCheckBoxPlaces[b].X,
                                          kCheckBoxPlaces[b].Y, 18, 18);
  }
  CheckBoxes[kHomePortBox]->OnClick = [this](TComponent*) { CheckBox1Click(); };
  CheckBoxes[kObjectiveBox]->OnClick = [this](TComponent*) { CheckBox2Click(); };
  CheckBoxes[kMergeBox]->OnClick = [this](TComponent*) { CheckBox3Click(); };
  CheckBoxes[kSplitBox]->OnClick = [this](TComponent*) { CheckBox4Click(); };
  for (int m = 0; m < 7; ++m) {
    RadioButtons[m] =
        AddChild<TRadioButton>(KxPanel1, Numbered("RadioButton", m + 1), 4, 20 + 22 * m, 100, 20);
    RadioButtons[m]->SetCaption(kMissionCaptions[m]);
    RadioButtons[m]->OnClick = [this, m](TComponent*) { MissionClick(m); };
  }
  UpDown1 = AddControl<TKxSpinButton>("UpDown1", 142, 122, 17, 24);
  UpDown2 = AddControl<TKxSpinButton>("UpDown2", 142, 148, 17, 24);
  UpDown1->OnUpClick = [this](TComponent*, double) { Load(false, LoadSupplies); };
  UpDown1->OnDownClick = [this](TComponent*, double) { Load(false, UnloadSupplies); };
  UpDown2->OnUpClick = [this](TComponent*, double) { Load(true, LoadCotton); };
  UpDown2->OnDownClick = [this](TComponent*, double) { Load(true, UnloadCotton); };
  OKBtn = AddControl<TKxGraphicButton>("OKBtn", 160, 388, 95, 28);
  OKBtn->SetCaption("Done");
  OKBtn->SetModalResult(mrOk);
}


bool TFleetOrders::AwayFromHome() const {
  const TCity* port = City(Fleet().HomePort);
  return port != nullptr && !OnHex(*port, Fleet());
}

U16* TFleetOrders::Stock(bool cotton) const {
  if (theatre_ == 0 || !IsEntryOf(GameState.Nations, CurrentSide)) return nullptr;
  TNationRec& nation = GameState.Nations[CurrentSide];
  return cotton ? &nation.Cotton[theatre_] : &nation.Supplies[theatre_];
}

void TFleetOrders::Fill() {
  TFleet& fleet = Fleet();
  for (const auto& [label, line] : kCaptionLines) Label(label)->SetCaption(TextLine(line));
  Label(5)->SetVisible(false);
  theatre_ = TheatreOfPort(fleet.HomePort);
  for (TRadioButton* radio : RadioButtons) radio->SetChecked(false);
  if (fleet.Mission < 7) RadioButtons[fleet.Mission]->SetChecked(true);

  if (fleet.Nation >= 1 && fleet.Nation <= 4) Label(1)->SetCaption(kNationNames[fleet.Nation - 1]);
  Label(30)->SetVisible(fleet.Kind == 0);
  Label(31)->SetVisible(fleet.Kind == 0);
  if (fleet.Kind < 3) Label(6)->SetCaption(TextLine(kKindLines[fleet.Kind]));
  Label(31)->SetCaption(std::to_string(CottonCapacity(fleet)));
  const TCity* objective = City(fleet.Objective);
  Label(3)->SetVisible(objective != nullptr);
  if (objective) Label(3)->SetCaption(TextLine(618) + objective->Name.str());
  const TCity* port = City(fleet.HomePort);
  Label(2)->SetCaption(TextLine(177) + (port ? port->Name.str() : std::string()));
  Label(4)->SetCaption(TextLine(178) + std::to_string(fleet.Number));
  if (IsEntryOf(GameState.Corps, fleet.Corps)) {
    Label(5)->SetVisible(true);
    Label(5)->SetCaption(TextLine(617) + LeaderName(GameState.Corps[fleet.Corps].Leader));
  }
  Label(10)->SetCaption(TextLine(142));
  Label(11)->SetCaption(TextLine(181));
  for (int t = 1; t <= 3; ++t)
    Label(6 + t)->SetCaption(TextLine(181 + t) + std::to_string(fleet.Ships[t]) + "/" +
                             std::to_string(fleet.DamagedShips[t]));
  for (TCheckBox* box : CheckBoxes) box->SetChecked(false);
  EnableMergeAndSplit(false);
  ShowStocks();
  Label(33)->SetCaption(std::to_string(fleet.X) + "," + std::to_string(fleet.Y));
  ListBox1->Items().Clear();
  ListBox2->Items().Clear();
  // Without a theatre to draw on nothing can be loaded or unloaded.
  UpDown1->SetEnabled(theatre_ != 0);
  if (theatre_ == 0) UpDown2->SetEnabled(false);

  if (!AnyCorpsMayEmbark(CurrentFleet, CurrentSide)) RadioButtons[kAmphibious]->SetEnabled(false);
  if (AwayFromHome()) {
    for (int m = 0; m < 7; ++m) RadioButtons[m]->SetEnabled(m == kMove);
    UpDown1->SetEnabled(false);
    UpDown2->SetEnabled(false);
  }
  if (fleet.Nation != TNation::Confederacy) RadioButtons[kCottonRun]->SetEnabled(false);
  CheckBoxes[kHomePortBox]->SetEnabled(false);
  CheckBoxes[kObjectiveBox]->SetEnabled(false);
  for (int f = 1; f <= GameState.Fleets.Count; ++f)
    if (MayMergeWith(CurrentFleet, f, CurrentSide)) CheckBoxes[kMergeBox]->SetEnabled(true);
  const ShipChoice ships = AllShips(CurrentFleet);
  if (ships[0] + ships[1] + ships[2] >= 2) {
    split_slot_ = FindFleetSlot(CurrentSide, 0, 0, kFreeFleetSlot);
    if (split_slot_ != 0 && fleet.Mission != kAmphibious) CheckBoxes[kSplitBox]->SetEnabled(true);
  }
}

void TFleetOrders::ShowStocks() {
  const U16* supplies = Stock(false);
  const U16* cotton = Stock(true);
  Label(24)->SetCaption(std::to_string(supplies ? static_cast<int>(*supplies) : 0));
  Label(25)->SetCaption(std::to_string(cotton ? static_cast<int>(*cotton) : 0));
  Label(28)->SetCaption(std::to_string(Fleet().Supplies));
  Label(29)->SetCaption(std::to_string(Fleet().Cotton));
}

void TFleetOrders::EnableMergeAndSplit(bool enabled) {
  CheckBoxes[kMergeBox]->SetEnabled(enabled);
  CheckBoxes[kSplitBox]->SetEnabled(enabled);
}

void TFleetOrders::MissionClick(int mission) {
  TFleet& fleet = Fleet();
  const bool stocks = theatre_ != 0;
  const auto offer_port_lists = [this] {
    CheckBoxes[kHomePortBox]->SetEnabled(true);
    CheckBoxes[kObjectiveBox]->SetEnabled(true);
  };
  switch (mission) {
    case kMove:
      if (AwayFromHome()) {
        fleet.Mission = kMove;
        fleet.Objective = fleet.HomePort;
      } else {
        UpDown1->SetEnabled(stocks);
      }
      CheckBoxes[kHomePortBox]->SetEnabled(true);
      break;
    case kCottonRun:
      offer_port_lists();
      UpDown2->SetEnabled(stocks);
      break;
    case kPatrol:
    case kAttackPort:
      offer_port_lists();
      UpDown1->SetEnabled(stocks);
      break;
    case kAmphibious:
      offer_port_lists();
      if (!AwayFromHome() && City(fleet.HomePort) != nullptr) {
        UpDown1->SetEnabled(stocks);
        ShowEmbarkCorps();
        if (IsEntryOf(GameState.Corps, fleet.Corps) && OnHex(GameState.Corps[fleet.Corps], fleet))
          Window().RepaintMap();
      }
      break;
    default:
      UpDown1->SetEnabled(false);
      UpDown2->SetEnabled(false);
  }
  EnableMergeAndSplit(false);
}

bool TFleetOrders::Listed(const TCity& city, bool objective) const {
  const TFleet& fleet = Fleet();
  if (fleet.Kind == kRiverKind) return city.RiverPort != 0;
  if (city.SeaPort == 0) return false;
  if (!objective) return true;
  switch (CheckedMission()) {
    case kMove:
      return city.Nation == fleet.Nation;
    case kCottonRun:
      return city.Nation == 3 || city.Nation == 4;
    case kPatrol:
      return city.Side != 0;
    case kAttackPort:
      return city.Side != 0 && city.Side != fleet.Side;
    case kAmphibious:
      return city.Side != 0;
    default:
      return false;
  }
}

int TFleetOrders::CheckedMission() const {
  for (int m = 0; m < 7; ++m)
    if (RadioButtons[m]->Checked()) return m;
  return -1;
}

void TFleetOrders::FillPortList(TKxAdvancedListBox& list, RowTable<87>& rows, int selected,
                                bool objectives) {
  list.SetVisible(true);
  list.Items().Clear();
  rows.Clear();
  // Cities 85 and 86 lie abroad: never a landing place.
  const int last = objectives && CheckedMission() == kAmphibious ? kLastAmphibiousObjective : 86;
  for (int c = 1; c <= last && c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (!objectives && city.Side != Fleet().Side) continue;
    if (!Listed(city, objectives)) continue;
    list.Items().Add(CityRow(c));
    rows.Add(c);
    if (c == selected) list.SetItemIndex(rows.Count() - 1);
  }
}

void TFleetOrders::CheckBox1Click() {
  FillPortList(*ListBox1, home_port_of_row_, Fleet().HomePort, false);
}
void TFleetOrders::CheckBox2Click() {
  FillPortList(*ListBox2, objective_of_row_, Fleet().Objective, true);
}

void TFleetOrders::CheckBox3Click() {
  ChooseShips(kMergeBox, MergeMode::Merge);
}
void TFleetOrders::CheckBox4Click() {
  ChooseShips(kSplitBox, MergeMode::Split);
}

// Once chosen, a merge or split cannot be undone, and it rules out the other,
// any load and any mission.
void TFleetOrders::ChooseShips(int box, MergeMode mode) {
  if (!CheckBoxes[box]->Checked()) return;
  CheckBoxes[box == kMergeBox ? kSplitBox : kMergeBox]->SetEnabled(false);
  UpDown1->SetEnabled(false);
  UpDown2->SetEnabled(false);
  for (TRadioButton* radio : RadioButtons) radio->SetEnabled(false);
  merge_ = ShowMergeFleets(mode);
  CheckBoxes[box]->SetEnabled(false);
}

void TFleetOrders::Load(bool cotton, StoreMove move) {
  U16* stock = Stock(cotton);
  if (stock == nullptr) return;
  // A refused supplies load leaves even the labels as they were.
  if (!move(Fleet(), *stock) && !cotton) return;
  ShowStocks();
  EnableMergeAndSplit(false);
}

void TFleetOrders::WriteBack() {
  TFleet& fleet = Fleet();
  if (merge_.partner != 0 && CheckBoxes[kMergeBox]->Checked()) {
    if (MergeChosenShips(CurrentFleet, merge_.partner, merge_.ships)) {
      CurrentFleet = 0;
      Window().RepaintMap();
    }
    return;
  }
  if (CheckBoxes[kSplitBox]->Checked()) {
    if (SplitChosenShips(CurrentFleet, split_slot_, merge_.ships, CurrentSide))
      Window().RepaintMap();
    return;
  }
  const int home_port = home_port_of_row_.At(ListBox1->ItemIndex());
  if (CheckBoxes[kHomePortBox]->Checked() && home_port != 0)
    fleet.HomePort = static_cast<std::uint8_t>(home_port);
  const int objective = objective_of_row_.At(ListBox2->ItemIndex());
  const bool new_objective = CheckBoxes[kObjectiveBox]->Checked() && objective != 0;
  if (new_objective) fleet.Objective = static_cast<std::uint8_t>(objective);
  const int mission = CheckedMission();
  // Without a new objective only staying and refitting are written here.
  if (mission == 0 || mission == kRefit || (new_objective && mission > kRefit))
    fleet.Mission = static_cast<std::uint8_t>(mission);
}

void ShowFleetOrders() {
  if (!IsEntryOf(GameState.Fleets, CurrentFleet)) return;
  RunOrderDialog<TFleetOrders>(CurrentFleet,
                               {.hourglass_while_building = false, .arrow_when_shown = false});
}
