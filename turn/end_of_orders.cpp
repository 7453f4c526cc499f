#include "turn/end_of_orders.h"

#include <algorithm>
#include <string>

#include "opponent/turn_driver.h"
#include "turn/movement_driver.h"
#include "warfare/computer_fleet_orders.h"
#include "warfare/fleet_update.h"
#include "world/army_headquarters.h"
#include "world/brigade_rules.h"
#include "world/city_control.h"
#include "world/codes.h"
#include "world/contacts.h"
#include "world/corps_command.h"
#include "world/corps_orders.h"
#include "world/dissolve_and_disband.h"
#include "world/fleet_consolidation.h"
#include "world/force_slots.h"
#include "world/game_date.h"
#include "world/game_window.h"
#include "world/hex_control.h"
#include "world/loyalty_and_leaders.h"
#include "world/menu_states.h"
#include "world/monthly_income.h"
#include "world/national_will.h"
#include "world/random.h"
#include "world/rebellions.h"
#include "world/saturating.h"
#include "world/save_load.h"
#include "world/save_names.h"
#include "world/supply_and_attrition.h"
#include "world/table_slots.h"
#include "world/text_table.h"
#include "world/vardecl.h"
#include "world/weapon_procurement.h"
#include "world/weather.h"
#include "world/weather_gauges.h"

namespace {

// TLeader.Status of a leader whose removal has been ordered.
constexpr int kRemovalOrdered = 249;

constexpr int kRemovedText = 572;
constexpr int kWarScoreCostText = 573;
constexpr int kMonthBeginsText = 686;
constexpr int kRemovalCostDraw = 10;
constexpr int kFirstTurnOfMonthLastDay = 7;

// A city off the map (an unused entry) has no hex to mark.
void MarkCityHexes() {
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    const TCity& city = GameState.Cities[c];
    if (!TMapRecord::OnMap(city.X, city.Y)) continue;
    MapRecord.Cell(city.X, city.Y).SetTerrain(TTerrain::City);
  }
}

bool LeadsArmy(const TArmy& army, int leader) {
  return army.HqCity != 0 && army.Leader == leader;
}

bool LeadsCorps(const TCorps& corps, int leader) {
  return !corps.IsFree() && corps.Leader == leader;
}

// Every command of the leader but the last found is given up; each command
// found puts the leader back in command.
template <typename Command, int N, typename Leads, typename GiveUp>
int KeepLastCommand(Table<Command, N>& commands, int leader, Leads leads, GiveUp give_up) {
  int kept = 0;
  int count = 0;
  for (int i = 1; i <= N; ++i) {
    if (!leads(commands[i], leader)) continue;
    ++count;
    kept = i;
    GameState.Leaders[leader].Status = TLeaderStatus::InCommand;
  }
  if (count > 1) {
    for (int i = 1; i <= N; ++i) {
      if (i != kept && leads(commands[i], leader)) give_up(i);
    }
  }
  return count;
}

void DisbandCorpsOf(int leader) {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    if (LeadsCorps(GameState.Corps[c], leader)) DisbandCorps(c);
  }
}

// The removal costs his nation war score; the draw is made whatever his side.
void RemoveLeader(int l) {
  TLeader& leader = GameState.Leaders[l];
  ClearEventMessage();
  EventMessage.Line1 = leader.Name.str();
  EventMessage.Line2 = TextLine(kRemovedText);
  const int cost = std::max(0, Random(kRemovalCostDraw) + leader.Modifier);
  EventMessage.Line3 = std::to_string(cost) + TextLine(kWarScoreCostText);
  ShowEventMessage();
  if (IsEntryOf(GameState.Nations, leader.Side))
    AddSaturated(GameState.Nations[leader.Side].WarScore, -cost);
  leader.Status = TLeaderStatus::Relieved;
}

// A leader commands one army or one corps: an army commander gives up his
// corps, and of several armies or corps he keeps the last.
void CleanUpCommands() {
  for (int l = 1; l <= GameState.Leaders.Count; ++l) {
    const int armies = KeepLastCommand(GameState.Armies, l, LeadsArmy, DissolveArmy);
    if (armies > 0) {
      DisbandCorpsOf(l);
    } else {
      KeepLastCommand(GameState.Corps, l, LeadsCorps, DisbandCorps);
    }
    if (GameState.Leaders[l].Status == kRemovalOrdered) RemoveLeader(l);
  }
}

// The cities of a human nation are left to their player's garrison orders.
void MarkHumanGarrisonNeeds() {
  for (int c = 1; c <= GameState.Cities.Count; ++c) {
    TCity& city = GameState.Cities[c];
    if (IsHumanNation(city.Nation)) city.GarrisonNeed = 1;
  }
}

void RunMonthlyEconomy() {
  CollectMonthlyIncome();
  UpdateNationalWill();
  SetProductionCosts();
  ProcureWeapons();
  Window().SetCursor(WindowCursor::Default);
  Window().ShowMessage(TextLine(kMonthBeginsText));
}

void RunPerTurnRules() {
  SetTurnProgress(20);
  UpdateCityControl();
  CheckCityRebellions();
  ConsolidateComputerFleets();
  SetTurnProgress(40);
  RunNationTurnLoop();
  SetTurnProgress(70);
  MoveArmyHeadquarters();
  ComputeNavalTotals();
  UpdateSupplyAndAttrition(kSupplyBeforeMovement);
  PlanFleetsAndSeaTransport();
  ProcessCorpsOrders();
  UpdateFleets();
  UpdateLoyaltyAndLeaders();
  UpdateContacts();
  SetTurnProgress(110);
}

// Free slots too, so that a replay finds every slot where it began.
void RecordStartPositions() {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    corps.StartX = corps.X;
    corps.StartY = corps.Y;
    corps.StepsMoved = 0;
    corps.StepDone = {};
  }
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    fleet.StartX = fleet.X;
    fleet.StartY = fleet.Y;
    fleet.StepDone = {};
  }
}

}  // namespace

bool IsFirstTurnOfMonth() {
  return GameState.Day >= 1 && GameState.Day <= kFirstTurnOfMonthLastDay;
}

void RunEndOfOrdersPhase() {
  MarkCityHexes();
  SaveGame(kAutosaveName);
  CleanUpCommands();
  CurrentSide = 0;
  Randomize();
  RecomputeHexControl();
  MarkHumanGarrisonNeeds();
  AdvanceDate();
  Window().SetPanelCaption(WindowPanel::DatePanel, FormatGameDate());
  if (GameIsOver()) {
    Window().SetCommandEnabled(WindowCommand::SpeedButton1, false);
    Window().SetCommandEnabled(WindowCommand::Execute1, false);
  } else {
    RollWeather();
    ShowWeatherGauges();
    if (IsFirstTurnOfMonth()) RunMonthlyEconomy();
    RunPerTurnRules();
  }
  RecordStartPositions();
  Window().RepaintMap();
}
