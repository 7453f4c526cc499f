#include "world/received_turn.h"

#include "world/play_modes.h"
#include "world/vardecl.h"

bool CanPlayBack() {
  return ReceivedTurnWaiting && GameState.PlayMode == TPlayMode::MailReceived;
}

void NoteTurnLoaded() {
  ReceivedTurnWaiting = true;
}

void NoteTurnExecuted() {
  ReceivedTurnWaiting = false;
}
