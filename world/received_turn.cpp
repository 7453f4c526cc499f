#include "world/received_turn.h"

#include "world/play_modes.h"
#include "world/vardecl.h"

namespace {

bool turn_received = false;

}  // namespace

bool CanPlayBack() {
  return turn_received && GameState.PlayMode == TPlayMode::MailReceived;
}

void NoteTurnLoaded() {
  turn_received = true;
}

void NoteTurnExecuted() {
  turn_received = false;
}
