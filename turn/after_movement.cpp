#include "turn/after_movement.h"

#include "opponent/force_management.h"
#include "opponent/sea_transport.h"
#include "turn/end_of_orders.h"
#include "turn/movement_driver.h"
#include "warfare/battle_dispatch.h"
#include "warfare/fleet_missions.h"
#include "world/city_control.h"
#include "world/codes.h"
#include "world/game_window.h"
#include "world/leaderless_corps.h"
#include "world/menu_states.h"
#include "world/play_modes.h"
#include "world/political_turn.h"
#include "world/saturating.h"
#include "world/supply_and_attrition.h"
#include "world/vardecl.h"

namespace {

using enum WindowCommand;

constexpr int kElectionMonth = 11;
constexpr int kElectionYear = 1864;
// Weather codes below this leave the armies fit to campaign.
constexpr int kCampaigningWeather = 5;

// A theatre holding more than the surplus sends the transfer to each theatre
// short of supplies.
constexpr int kSupplySurplus = 5000;
constexpr int kSupplyShortage = 2000;
constexpr int kSupplyTransfer = 2500;

// The commands open between turns; the unit orders wait for a unit in hand.
constexpr WindowCommand kOpenBetweenTurns[] = {
    Quit1,      About1,      Conditions1,  ForceStatus1, Production1, Draft1,      States1,
    Transfers1, Leadership1, CheckLeaders, ArmBrigades1, RaiseArmy1,  RaiseCorps1, RaiseFleet1};
constexpr WindowCommand kUnitOrders[] = {CorpsOrders1, ArmyOrders1, CityOrders1, FleetOrders1};

// Play by mail set-up replays nothing of the computer's or the world's turn
// until the game is handed over.
void RunWorldAfterMovement() {
  EmbarkAssignedCorps();
  UpdateCityControl();
  UpdateSupplyAndAttrition(kSupplyAfterMovement);
  ManageComputerForces();
  ProcessLeaderlessCorps();
  PoliticalEventsTurn();
}

bool IsElectionTurn() {
  return GameState.Month == kElectionMonth && GameState.Year == kElectionYear &&
         IsFirstTurnOfMonth();
}

// The end date is reached on or after its month; a game that has already
// ended, by a capitulation say, keeps the ending it has.
void CheckEndDate() {
  const bool reached =
      GameState.Year > GameState.EndYear ||
      (GameState.Year == GameState.EndYear && GameState.Month >= GameState.EndMonth);
  if (reached && !GameIsOver()) GameOverCode = 1;
}

void RaiseAggressionInFairWeather() {
  for (int t = 1; t <= GameState.Weather.Count; ++t) {
    if (GameState.Weather[t] >= kCampaigningWeather) continue;
    for (int n = 1; n <= GameState.Nations.Count; ++n)
      AddSaturated(GameState.Nations[n].AiAggression[t], 1);
  }
}

// Only the two warring nations move supplies between their theatres.
void BalanceTheatreSupplies(TNationRec& nation) {
  Table<U16, 3>& supplies = nation.Supplies;
  int richest = 1;
  for (int t = 2; t <= supplies.Count; ++t) {
    if (supplies[t] > supplies[richest]) richest = t;
  }
  if (supplies[richest] <= kSupplySurplus) return;
  for (int t = 1; t <= supplies.Count; ++t) {
    if (supplies[t] >= kSupplyShortage) continue;
    supplies[t] += kSupplyTransfer;
    supplies[richest] -= kSupplyTransfer;
  }
}

void OpenMenusBetweenTurns() {
  SetTurnProgress(0);
  Window().SetCommandEnabled(LoadGame1, true);
  Window().SetCommandEnabled(SaveGame1, true);
  if (!GameIsOver()) {
    Window().SetCommandEnabled(Execute1, true);
    Window().SetCommandEnabled(SpeedButton1, false);
  }
  SetCommandsEnabled(kOpenBetweenTurns, true);
  SetCommandsEnabled(kUnitOrders, false);
  ClearSelections();
  CurrentSide = 0;
}

}  // namespace

void RunAfterMovementPhase() {
  GameState.BattleCount = 0;
  // A mail turn sends only its own battles.
  if (GameState.PlayMode >= TPlayMode::MailSetUp) BattleLog = {"No History"};
  ProcessFleetMissions();
  RunBattles();
  if (GameState.PlayMode != TPlayMode::MailSetUp) RunWorldAfterMovement();
  if (IsElectionTurn()) Window().ShowElection();
  CheckEndDate();
  RaiseAggressionInFairWeather();
  BalanceTheatreSupplies(GameState.Nations[TNation::Union]);
  BalanceTheatreSupplies(GameState.Nations[TNation::Confederacy]);
  for (int c = 1; c <= GameState.Cities.Count; ++c) GameState.Cities[c].FortifiedThisTurn = 0;
  OpenMenusBetweenTurns();
  ChooseSideToPlay();
  Window().RepaintMap();
  if (GameIsOver()) {
    Window().ShowPostMortem();
    SetMenusExecuting();
    Window().SetCommandEnabled(Quit1, true);
    Window().SetCursor(WindowCursor::Default);
  }
}
