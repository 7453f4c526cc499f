#include "turn/turn_commands.h"

#include "turn/after_movement.h"
#include "turn/end_of_orders.h"
#include "turn/movement_driver.h"
#include "world/codes.h"
#include "world/corps_command.h"
#include "world/game_window.h"
#include "world/menu_states.h"
#include "world/play_modes.h"
#include "world/received_turn.h"
#include "world/text_table.h"
#include "world/vardecl.h"

namespace {

// The two warring nations give orders; the foreign powers never do.
constexpr int kOrderingNations[] = {TNation::Union, TNation::Confederacy};
constexpr int kOrdersMissingText[] = {461, 462};  // by ordering nation
constexpr int kTurnToSendText = 728;
constexpr int kExecuteStartProgress = 1;

bool EveryHumanSideHasGivenOrders() {
  if (GameState.PlayMode >= TPlayMode::MailSetUp) return true;
  for (int nation : kOrderingNations) {
    if (IsHumanNation(nation) && GameState.Nations[nation].OrdersDone == 0) return false;
  }
  return true;
}

void TellMissingOrders() {
  Window().SetCursor(WindowCursor::Default);
  for (int i = 0; i < 2; ++i) {
    const int nation = kOrderingNations[i];
    if (IsHumanNation(nation) && GameState.Nations[nation].OrdersDone == 0) {
      Window().ShowMessage(TextLine(kOrdersMissingText[i]));
    }
  }
}

void CloseOrdersPhase() {
  Window().SetCursor(WindowCursor::Hourglass);
  CurrentSide = 0;
  Window().RepaintMap();
  SetMenusExecuting();
  Window().SetCommandEnabled(WindowCommand::Execute1, false);
  Window().SetCommandEnabled(WindowCommand::SpeedButton1, false);
  SetTurnProgress(kExecuteStartProgress);
  RunEndOfOrdersPhase();
  StartMovementPhase();
  for (int nation : kOrderingNations) GameState.Nations[nation].OrdersDone = 0;
}

}  // namespace

bool ExecuteOrders() {
  if (CurrentSide != 0) GameState.Nations[CurrentSide].OrdersDone = 1;
  const bool execute = EveryHumanSideHasGivenOrders();
  if (execute) {
    CloseOrdersPhase();
  } else {
    TellMissingOrders();
  }
  CurrentSide = 0;
  return execute;
}

void EndExecutedTurn() {
  NoteTurnExecuted();
  RunAfterMovementPhase();
  if (GameState.PlayMode == TPlayMode::MailToSend) {
    GameState.PlayMode = TPlayMode::MailReceived;
    Window().SetCommandEnabled(WindowCommand::Execute1, false);
    Window().SetCommandEnabled(WindowCommand::SpeedButton1, false);
    Window().ShowMessage(TextLine(kTurnToSendText));
  }
  OpenNextOrdersPhase();
}

void OpenNextOrdersPhase() {
  Window().SetCursor(WindowCursor::Default);
  if (!GameIsOver()) {
    SetMenusIdle();
    ChooseSideToPlay();
    ClearSelections();
    TurnFinished = false;
  }
  Window().RepaintMap();
}
