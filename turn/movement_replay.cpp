#include "turn/movement_replay.h"

#include "turn/turn_commands.h"
#include "world/battle_replay.h"
#include "world/game_window.h"
#include "world/hex_control.h"
#include "world/hex_grid.h"
#include "world/menu_states.h"
#include "world/play_modes.h"
#include "world/received_turn.h"
#include "world/table_slots.h"
#include "world/vardecl.h"

namespace {

// The gauge at the start of the movement, as an executed turn has it.
constexpr int kMovementStartProgress = 110;
constexpr int kFullProgress = 300;

TGameState saved_state;
TMapRecord saved_map;

bool IsActive(const TCorps& corps) {
  return !corps.IsFree() && corps.Leader != 0 && corps.Nation != 0;
}

void PutUnitsOnTheirStartHexes() {
  for (int c = 1; c <= GameState.Corps.Count; ++c) {
    TCorps& corps = GameState.Corps[c];
    if (corps.StepsMoved == 0) continue;
    corps.X = corps.StartX;
    corps.Y = corps.StartY;
  }
  for (int f = 1; f <= GameState.Fleets.Count; ++f) {
    TFleet& fleet = GameState.Fleets[f];
    fleet.X = fleet.StartX;
    fleet.Y = fleet.StartY;
  }
}

// Walks the unit one recorded step from its hex, leaving the hex cursor on it.
template <class Unit>
void StepAlongRecord(Unit& unit, int direction) {
  HexCursorX = unit.X;
  HexCursorY = unit.Y;
  StepHex(direction);
  unit.X = HexCursorX;
  unit.Y = HexCursorY;
}

void ReplayCurrentFleet(const ShowMove& show) {
  TFleet& fleet = GameState.Fleets[CurrentFleet];
  HexCursorX = fleet.X;
  HexCursorY = fleet.Y;
  const int direction = fleet.StepDone[GameState.Step];
  if (direction == 0 || fleet.Nation == 0) return;
  StepAlongRecord(fleet, direction);
  if (show) show(MovedUnit::Fleet, CurrentFleet);
}

void EndReplayedFleetPass() {
  CurrentFleet = 1;
  MovePhaseFleets = false;
  if (GameState.Step > kLastCorpsStep) {
    RecomputeHexControl();
    MovePhaseFleets = true;
    ++GameState.Step;
  }
  SetTurnProgress(TurnProgress() + kFleetPassProgress);
  if (GameState.Step >= kLastMovementStep) TurnFinished = true;
}

void FindNextReplayedFleet() {
  while (++CurrentFleet <= GameState.Fleets.Count) {
    const TFleet& fleet = GameState.Fleets[CurrentFleet];
    if (fleet.Status == 0 && fleet.StepDone[GameState.Step] != 0) return;
  }
  EndReplayedFleetPass();
}

void ReplayCurrentCorps(const ShowMove& show) {
  TCorps& corps = GameState.Corps[CurrentCorps];
  if (!IsActive(corps)) return;
  HexCursorX = corps.X;
  HexCursorY = corps.Y;
  const int direction = corps.StepDone[GameState.Step];
  if (direction == 0 || !IsEntryOf(GameState.Leaders, corps.Leader)) return;
  StepAlongRecord(corps, direction);
  if (show) show(MovedUnit::Corps, CurrentCorps);
}


}  // namespace

void StartReplay() {
  if (!CanPlayBack()) return;
  Window().SetCursor(WindowCursor::Hourglass);
  CurrentSide = 0;
  saved_state = GameState;
  saved_map = MapRecord;
  PutUnitsOnTheirStartHexes();
  Window().RepaintMap();
  SetMenusExecuting();
  SetTurnProgress(kMovementStartProgress);
  StartMovementPhase();
}

void RunReplayTick(const ShowMove& show) {
  if (TurnFinished) return;
  if (MovePhaseFleets) {
    ReplayCurrentFleet(show);
    FindNextReplayedFleet();
  } else {
    ReplayCurrentCorps(show);
    FindNextCorps([](const TCorps& corps) { return corps.StepDone[GameState.Step] != 0; });
  }
}

void EndReplayedTurn(const std::function<void()>& show_battles) {
  GameState = saved_state;
  MapRecord = saved_map;
  ReadBattleFile(GameFileName);
  if (show_battles) show_battles();
  NoteTurnExecuted();
  GameState.PlayMode = TPlayMode::MailToSend;
  SetTurnProgress(kFullProgress);
  OpenNextOrdersPhase();
}
