#include "turn/movement_driver.h"

#include "warfare/fleet_movement.h"
#include "warfare/naval_combat.h"
#include "world/army_headquarters.h"
#include "world/codes.h"
#include "world/contacts.h"
#include "world/corps_movement.h"
#include "world/game_window.h"
#include "world/hex_control.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

bool MovePhaseFleets = false;
bool TurnFinished = false;
bool FleetMovesVisible = true;

namespace {

constexpr int kMessageViewEveryMove = 3;

int turn_progress = 0;

bool IsUnderWay(const TFleet& fleet) {
  return fleet.Status == 0 && fleet.Nation != 0 && fleet.DestX != 0 && fleet.DestY != 0;
}

bool MovesThisPass(const TFleet& fleet) {
  return IsUnderWay(fleet) && fleet.Mission != TFleetMission::Nothing;
}

bool HasLeader(const TCorps& corps) {
  return IsEntryOf(GameState.Leaders, corps.Leader);
}

void MoveCurrentFleet(const ShowMove& show) {
  const int f = CurrentFleet;
  TFleet& fleet = GameState.Fleets[f];
  const int x = fleet.X;
  const int y = fleet.Y;
  if (!IsUnderWay(fleet)) return;
  InterceptNearbyFleet(f);
  if (fleet.DestX == x && fleet.DestY == y) {
    // Fleets on patrol and beyond fight where they stand.
    if (fleet.Mission >= TFleetMission::Patrol) ResolveNavalCombat(f);
    return;
  }
  const bool shown = MoveFleetStep(f) != 0;
  if (fleet.Path[GameState.Step] == 0) return;
  if (shown && FleetMovesVisible && show) show(MovedUnit::Fleet, f);
  if (fleet.Mission >= TFleetMission::Amphibious) ResolveNavalCombat(f);
}

// Hex control follows every pass; the headquarters move before each corps
// pass, and the fleets' own steps 10..19 follow one another directly.
void EndFleetPass() {
  CurrentFleet = 1;
  MovePhaseFleets = false;
  UpdateContacts();
  RecomputeHexControl();
  if (GameState.Step <= kLastCorpsStep) {
    MoveArmyHeadquarters();
  } else {
    MovePhaseFleets = true;
    ++GameState.Step;
  }
  SetTurnProgress(turn_progress + kFleetPassProgress);
  if (GameState.Step >= kLastMovementStep) {
    Window().SetCommandEnabled(WindowCommand::Execute1, false);
    Window().SetCommandEnabled(WindowCommand::SpeedButton1, false);
    TurnFinished = true;
  }
}

void FindNextFleet() {
  while (++CurrentFleet <= GameState.Fleets.Count) {
    const TFleet& fleet = GameState.Fleets[CurrentFleet];
    HexCursorX = fleet.X;
    HexCursorY = fleet.Y;
    if (MovesThisPass(fleet)) return;
  }
  EndFleetPass();
}

void MoveCurrentCorps(const ShowMove& show) {
  const int c = CurrentCorps;
  TCorps& corps = GameState.Corps[c];
  if (corps.IsFree() || corps.Leader == 0 || corps.Nation == 0) return;
  bool shown = MoveCorpsStep(c) != 0;
  if (corps.StepDone[GameState.Step] == 0 || !HasLeader(corps)) return;
  if (GameState.MessageView == kMessageViewEveryMove) shown = true;
  if (!shown) return;
  HexCursorX = corps.X;
  HexCursorY = corps.Y;
  if (show) show(MovedUnit::Corps, c);
}


}  // namespace

void SetTurnProgress(int progress) {
  turn_progress = progress;
  Window().SetGauge(WindowGauge::TurnProgressGauge, progress);
}

int TurnProgress() { return turn_progress; }

void FindNextCorps(const std::function<bool(const TCorps&)>& moves_this_step) {
  while (++CurrentCorps <= GameState.Corps.Count) {
    const TCorps& corps = GameState.Corps[CurrentCorps];
    if (!corps.IsFree() && moves_this_step(corps)) return;
  }
  CurrentCorps = 1;
  MovePhaseFleets = true;
  RecomputeHexControl();
  ++GameState.Step;
}

void StartMovementPhase() {
  CurrentFleet = 1;
  CurrentCorps = 1;
  MovePhaseFleets = true;
  GameState.Step = 1;
  TurnFinished = false;
}

void RunMovementTick(const ShowMove& show) {
  if (TurnFinished) return;
  if (MovePhaseFleets) {
    MoveCurrentFleet(show);
    FindNextFleet();
  } else {
    MoveCurrentCorps(show);
    FindNextCorps([](const TCorps& corps) { return corps.Path[GameState.Step] != 0; });
  }
}

void RunMovementPhase(const ShowMove& show) {
  StartMovementPhase();
  while (!TurnFinished) RunMovementTick(show);
}
