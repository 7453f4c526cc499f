#include "ui/orders/army_orders.h"

#include <string>

#include "ui/orders/commander_change.h"
#include "ui/orders/order_dialog.h"
#include "ui/orders/order_dialogs.h"
#include "ui/orders/row_texts.h"
#include "widgets/effect_label.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/corps_path.h"
#include "world/force_slots.h"
#include "world/hex_grid.h"
#include "world/rail_gates.h"
#include "world/route_finder.h"
#include "world/shown_guns.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"
#include "world/word_bands.h"

namespace {

constexpr int kBaseRange = 13;       // hexes from headquarters, not included
constexpr int kObjectiveRange = 15;  // hexes from headquarters, included
constexpr std::size_t kNameCut = 22;
constexpr int kAvoidEnemy = 1;

// The four order panels and the radio buttons in them.
enum Order { kStance, kMarch, kPriority, kType };
struct OrderButton {
  int number;  // RadioButton<number>
  Order order;
  int value;
  const char* caption;
};
constexpr OrderButton kOrderButtons[] = {
    {1, kStance, TCombatStance::Withdraw, "Withdraw"}, {2, kStance, TCombatStance::Defend, "Defend"},
    {3, kStance, TCombatStance::Advance, "Advance"},   {12, kStance, TCombatStance::Training, "Training"},
    {4, kMarch, 0, "Cautious"},    {5, kMarch, 1, "Normal"},      {6, kMarch, 2, "Forced"},
    {9, kPriority, 0, "Subsistence"}, {10, kPriority, 1, "Standard"}, {11, kPriority, 2, "High"},
    {8, kType, 0, "Depot"},        {7, kType, 1, "Encamped"}};
constexpr const char* kPanelHeadings[] = {"Combat Stance", "March Mode", "Supply Priority",
                                          "Supply Type"};

// The field of each order in the army and in its corps.
struct OrderFields {
  std::uint8_t TArmy::*army;
  std::uint8_t TCorps::*corps;
};
constexpr OrderFields kOrderFields[] = {{&TArmy::Stance, &TCorps::Stance},
                                        {&TArmy::March, &TCorps::March},
                                        {&TArmy::SupplyPriority, &TCorps::SupplyPriority},
                                        {&TArmy::SupplyType, &TCorps::SupplyType}};

std::string NationName(int nation) {
  constexpr const char* kNames[] = {"Union", "Confederacy", "France", "Britain"};
  return nation >= 1 && nation <= 4 ? kNames[nation - 1] : "";
}

int HexDistanceFromHq(const TArmy& army, const TCity& city) {
  const TCity& hq = GameState.Cities[army.HqCity];
  return HexDistance(hq.X, hq.Y, city.X, city.Y);
}

}  // namespace

std::string ArmyRatingText(const TArmy& army) {
  std::string text = TextLine(99) + std::to_string(army.Rating) + "/";
  if (const int line = ReadinessWordLine(army.Rating)) text += TextLine(line);
  return text;
}

TArmyOrder::TArmyOrder() : TOrderForm("TArmyOrder", 600, 440) {
  SetCaption("Army Order");
  Label1 = AddLabel(this, "Label1", 12, 8, 280, 18);
  Label2 = AddLabel(this, "Label2", 12, 28, 280, 18);
  Label5 = AddLabel(this, "Label5", 12, 48, 140, 18);
  Label6 = AddLabel(this, "Label6", 156, 48, 140, 18);
  Label7 = AddLabel(this, "Label7", 12, 68, 140, 18);
  Label8 = AddLabel(this, "Label8", 156, 68, 140, 18);
  Edit1 = AddControl<TEdit>("Edit1", 12, 92, 200, 22);
  AddLabel(this, "Label9", 300, 8, 140, 18);
  AddLabel(this, "Label10", 450, 8, 140, 18);
  ListBox1 = AddControl<TKxAdvancedListBox>("ListBox1", 300, 28, 140, 140);
  ListBox2 = AddControl<TKxAdvancedListBox>("ListBox2", 450, 28, 140, 140);
  ListBox3 = AddControl<TKxAdvancedListBox>("ListBox3", 12, 122, 200, 120);
  ListBox3->OnClick = [this](TComponent* sender) { ListBox3Click(sender); };

  TKxPanel* panels[4];
  for (int p = 0; p < 4; ++p) {
    panels[p] = AddControl<TKxPanel>(Numbered("KxPanel", p + 1), 12 + 146 * p, 260, 140, 120);
    AddChild<TKxLabel>(panels[p], Numbered("KxLabel", p + 1), 6, 4, 128, 18)
        ->SetCaption(kPanelHeadings[p]);
  }
  int placed[4] = {};
  for (const OrderButton& button : kOrderButtons) {
    TKxRadioButton* radio = AddChild<TKxRadioButton>(panels[button.order],
                                                     Numbered("RadioButton", button.number), 8,
                                                     26 + 22 * placed[button.order]++, 124, 20);
    radio->SetCaption(button.caption);
    RadioButtons[button.number - 1] = radio;
  }
  Button1 = AddControl<TKxGraphicButton>("Button1", 250, 396, 100, 30);
  Button1->SetCaption("OK");
  Button1->SetModalResult(mrOk);
}

TArmy& TArmyOrder::Army() const { return GameState.Armies[CurrentArmy]; }

template <class Visit>
void TArmyOrder::ForEachCorps(Visit visit) const {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.Inactive == 0 && corps.Army == CurrentArmy) visit(corps);
  }
}

void TArmyOrder::Fill() {
  TArmy& army = Army();
  FindOwned<TLabel>(*this, "Label9")->SetCaption(TextLine(250));
  FindOwned<TLabel>(*this, "Label10")->SetCaption(TextLine(251));
  int men = 0, guns = 0, count = 0;
  ForEachCorps([&](const TCorps& corps) {
    men += corps.Strength;
    guns += CorpsGuns(corps);
    ++count;
  });
  army.CorpsCount = static_cast<std::uint8_t>(count);
  Label2->SetCaption(TextLine(489) + " " + std::to_string(men * 5) + "0/" + std::to_string(guns));
  Label1->SetCaption(TextLine(0) + army.Name.str());
  for (const OrderButton& button : kOrderButtons) {
    if (army.*kOrderFields[button.order].army == button.value)
      RadioButtons[button.number - 1]->SetChecked(true);
  }
  Label5->SetCaption(TextLine(614) + std::to_string(count));
  Label6->SetCaption(TextLine(615) + std::to_string(LeaderRating(army.Leader, &TLeader::Combat) / 8 + 2));
  Label7->SetCaption(NationName(army.Nation));
  Label8->SetCaption(ArmyRatingText(army));
  FillCities();
  Edit1->SetCaption(army.Name.str());
  FillCommanders();
}

void TArmyOrder::FillCities() {
  const TArmy& army = Army();
  if (!IsEntryOf(GameState.Cities, army.HqCity)) return;
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    const int distance = HexDistanceFromHq(army, city);
    if (city.Side == army.Side && distance < kBaseRange) {
      ListBox1->Items().Add(CityRow(c));
      base_of_row_.Add(c);
      if (c == army.TargetCity) ListBox1->SetItemIndex(base_of_row_.Count() - 1);
    }
    if (distance <= kObjectiveRange || c == army.AiTargetCity) {
      ListBox2->Items().Add(CityRow(c));
      objective_of_row_.Add(c);
      if (c == army.AiTargetCity) ListBox2->SetItemIndex(objective_of_row_.Count() - 1);
    }
  }
}

void TArmyOrder::FillCommanders() {
  ListCommanders(*ListBox3, leader_of_row_, Army().Leader, TLeaderClass::Army);
}

void TArmyOrder::ListBox3Click(TComponent*) {
  TArmy& army = Army();
  const int row = ListBox3->ItemIndex();
  const int chosen = leader_of_row_.At(row);
  if (chosen == 0 || chosen == army.Leader) return;
  TLeader* old = LeaderRecord(army.Leader);
  const bool free = !old || old->Status == TLeaderStatus::TemporarilyRemoved;
  const CommandChange change = AskCommanderChange(army.Leader, free, 2);
  if (change == CommandChange::Refused) {
    ListBox3->SetItemIndex(row);
    return;
  }
  if (change == CommandChange::Relieved) old->Status = TLeaderStatus::Available;
  army.Leader = static_cast<std::uint8_t>(chosen);
  GameState.Leaders[chosen].Status = TLeaderStatus::InCommand;
}

void TArmyOrder::WriteBack() {
  TArmy& army = Army();
  army.Name = CutText(Edit1->Caption(), kNameCut);
  if (const int objective = objective_of_row_.At(ListBox2->ItemIndex())) {
    army.AiTargetCity = static_cast<std::uint8_t>(objective);
    const TCity& city = GameState.Cities[objective];
    // A corps on a fleet or on the rails keeps the journey it is on.
    ForEachCorps([&](TCorps& corps) {
      if (IsInTransit(corps)) return;
      corps.DestX = city.X;
      corps.DestY = city.Y;
      RouteTo(corps.X, corps.Y, city.X, city.Y, kPathLength, kArmyRouteMode, corps.Side, kAvoidEnemy);
      LayRouteOnPath(corps, 1);
    });
  }
  for (const OrderButton& button : kOrderButtons) {
    if (!RadioButtons[button.number - 1]->Checked()) continue;
    army.*kOrderFields[button.order].army = static_cast<std::uint8_t>(button.value);
    // The corps of an army in training train while standing on the defence.
    const int corps_value = button.value == TCombatStance::Training && button.order == kStance
                                ? TCombatStance::Defend
                                : button.value;
    ForEachCorps([&](TCorps& corps) {
      if (button.order != kStance || !IsInTransit(corps))
        corps.*kOrderFields[button.order].corps = static_cast<std::uint8_t>(corps_value);
    });
  }
  if (const int base = base_of_row_.At(ListBox1->ItemIndex())) {
    army.TargetCity = static_cast<std::uint8_t>(base);
    ForEachCorps([&](TCorps& corps) { corps.City = static_cast<std::uint8_t>(base); });
  }
}

void ShowArmyOrders() {
  if (IsEntryOf(GameState.Armies, CurrentArmy)) RunOrderDialog<TArmyOrder>(CurrentArmy, {});
}
